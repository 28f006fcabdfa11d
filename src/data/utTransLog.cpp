#include "data/utTransLog.h"

#include "core/Exception.h"
#include "core/UserPrompts.h"
#include "data/KsDataSet.h"
#include "data/KsMSAccess.h"
#include "data/KsWorkstation.h"

#include <memory>

namespace {

// Named parameters, macros and their values, so that the copy runs the same
// statement as the original.
void CopyStatement(TKsCustomDataSet& from, TKsCustomDataSet& to) {
  to.SQL().Assign(from.SQL());
  for (int i = 0; i < from.Params().Count(); ++i) {
    const TParam& p = from.Params()[i];
    if (TParam* target = to.FindParam(p.Name())) {
      target->SetDataType(p.DataType());
      target->SetValue(p.Value());
    }
  }
  for (int i = 0; i < from.Macros().Count(); ++i) {
    const TMacro& m = from.Macros()[i];
    if (TMacro* target = to.FindMacro(m.Name())) target->SetValue(m.Value());
  }
}

// A dataset of the same kind, on the same connection, that opens empty: the
// log row is appended to it instead of to the closed original. Null for a
// kind that cannot be copied.
std::unique_ptr<TKsCustomDataSet> EmptyCopyOf(TKsCustomDataSet& dataSet) {
  std::unique_ptr<TKsCustomDataSet> copy;
  if (auto* table = dynamic_cast<const TKsMSTable*>(&dataSet)) {
    auto t = std::make_unique<TKsMSTable>(dataSet.Name());
    t->SetTableName(table->TableName());
    t->SetOrderFields(table->OrderFields());
    copy = std::move(t);
  } else if (dynamic_cast<const TKsCustomMSQuery*>(&dataSet)) {
    auto q = std::make_unique<TKsMSQuery>(dataSet.Name());
    CopyStatement(dataSet, *q);
    copy = std::move(q);
  } else {
    return nullptr;
  }
  copy->Options() = dataSet.Options();
  copy->SetConnection(dataSet.Connection());
  copy->AddWhere(QStringLiteral("1 = 2"));
  return copy;
}

// A text field takes at most its declared length.
void SetText(TKsCustomDataSet& dataSet, const QString& fieldName, const QString& value) {
  TField& field = dataSet.FieldByName(fieldName);
  if (field.Size() > 0 && DbValue::KindOf(field.DataType()) == DbValue::TKind::Text &&
      value.size() > field.Size())
    field.SetAsString(value.left(field.Size()));
  else
    field.SetAsString(value);
}

void AppendRow(TKsCustomDataSet& dataSet, const TksTransEvent& event) {
  const QDateTime now = WorkstationNow();
  dataSet.Append();
  SetText(dataSet, QStringLiteral("KEY1"), event.sKEY1);
  SetText(dataSet, QStringLiteral("KEY2"), event.sKEY2);
  SetText(dataSet, QStringLiteral("KEY3"), event.sKEY3);
  dataSet.FieldByName(QStringLiteral("EVENT_DATE")).SetAsDateTime(now);
  dataSet.FieldByName(QStringLiteral("EVENT_TIME")).SetAsDateTime(now);
  dataSet.FieldByName(QStringLiteral("EVENT_STAMP")).SetAsDateTime(now);
  dataSet.FieldByName(QStringLiteral("EVENT")).SetAsInteger(int(event.scEVENT));
  SetText(dataSet, QStringLiteral("EVENT_TABLE"), event.sEVENT_TABLE);
  SetText(dataSet, QStringLiteral("USER_ID"), event.sUSER_ID);
  SetText(dataSet, QStringLiteral("USER_KEY"), event.sUSER_KEY);
  SetText(dataSet, QStringLiteral("NOTE1"), event.sNOTE1);
  SetText(dataSet, QStringLiteral("NOTE2"), event.sNOTE2);
  SetText(dataSet, QStringLiteral("NOTE3"), event.sNOTE3);
  SetText(dataSet, QStringLiteral("UNIQUEKEY"), NewUniqueKey());
  dataSet.Post();
}

// A row that could not be posted is not left pending in the caller's dataset.
void CancelPendingRow(TKsCustomDataSet* dataSet) noexcept {
  if (!dataSet || dataSet->State() != dsInsert) return;
  try {
    dataSet->Cancel();
  } catch (...) {
  }
}

TTransLogPerNoLookup& PerNoLookup() {
  static TTransLogPerNoLookup lookup;
  return lookup;
}

}  // namespace

QString TransLogFatalDataSetMessage() {
  return QStringLiteral("Fatal error.  WriteTransLog() called with an unexpected data set type.");
}

QString TransLogErrorMessage() {
  return QStringLiteral(
      "Error updating transaction log, please contact your system administrator.");
}

void WriteTransLog(TKsCustomDataSet* DataSet, const TksTransEvent& Event) {
  std::unique_ptr<TKsCustomDataSet> copy;
  TKsCustomDataSet* target = nullptr;
  try {
    if (DataSet && DataSet->Active()) {
      target = DataSet;
    } else {
      if (DataSet) copy = EmptyCopyOf(*DataSet);
      if (!copy) {
        UserPrompts().ShowError(TransLogFatalDataSetMessage());
        throw Exception(TransLogFatalDataSetMessage());
      }
      copy->Open();
      target = copy.get();
    }
    AppendRow(*target, Event);
  } catch (const std::exception&) {
    CancelPendingRow(target);
    copy.reset();
    UserPrompts().ShowError(TransLogErrorMessage());
  }
}

QString JailReportsTransLogModule() {
  return QStringLiteral("Jail Reports Module");
}

void SetTransLogPerNoLookup(TTransLogPerNoLookup Lookup) {
  PerNoLookup() = std::move(Lookup);
}

void WriteReportsTransLogEntry(TKsCustomDataSet* DataSet, const QString& UserName,
                               const QString& Key1, const QString& Key2, TksTransEventType Event,
                               const QString& Event_Table, const QString& Note2,
                               const QString& Key3) {
  TksTransEvent entry;
  entry.sKEY1 = Key1;
  entry.sKEY2 = Key2;
  entry.sKEY3 = Key3;
  entry.sEVENT_TABLE = Event_Table;
  entry.sNOTE2 = Note2;
  entry.scEVENT = Event;
  entry.sUSER_ID = UserName;
  if (const TTransLogPerNoLookup& lookup = PerNoLookup()) {
    // The number comes from the employee database. When that cannot be
    // read the entry is still written, without it: the log write must not
    // fail the report, and the user name still says who it was.
    try {
      entry.sUSER_KEY = lookup(UserName);
    } catch (const std::exception&) {
      entry.sUSER_KEY.clear();
    }
  }
  entry.sNOTE1 = JailReportsTransLogModule();
  entry.sNOTE3.clear();
  WriteTransLog(DataSet, entry);
}
