#include "data/KsDataSet.h"

#include "core/Exception.h"
#include "data/KsDataSetFilter.h"
#include "data/KsSQLDatabase.h"
#include "data/KsSQLText.h"
#include "data/KsVariant.h"
#include "data/driver/SqlParamScanner.h"

#include <algorithm>

namespace {

const QString kUniqueKey = QStringLiteral("UNIQUEKEY");
const QString kKeyParam = QStringLiteral("KsRecordKey");

bool IsVarCharColumn(const TDbColumn& column) {
  return column.DataType == ftString || column.DataType == ftWideString ||
         column.DataType == ftUnknown;
}

void TrimTrailingBlanks(QVariant& value) {
  if (value.metaType().id() != QMetaType::QString) return;
  QString s = value.toString();
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == QLatin1Char(' ')) --n;
  if (n != s.size()) value = s.left(n);
}

}  // namespace

TKsCustomDataSet::TKsCustomDataSet(const QString& name)
    : FName(name), FSQL([this] { SQLChanged(); }), FMacros([this] { RefreshParamsFromText(); }) {}

TKsCustomDataSet::~TKsCustomDataSet() {
  BeginDestroy();
  try {
    Close();
  } catch (...) {
    // Nothing can be reported from a destructor; the rows are gone anyway.
  }
  if (FConnection) FConnection->UnregisterDataSet(this);
}

void TKsCustomDataSet::SetConnection(TKsSQLDatabase* connection) {
  if (connection == FConnection) return;
  Close();
  FPrepared = false;
  if (FConnection) FConnection->UnregisterDataSet(this);
  FConnection = connection;
  if (FConnection) FConnection->RegisterDataSet(this);
}

void TKsCustomDataSet::DetachConnection() {
  try {
    Close();
  } catch (...) {
    // The connection is going away; the dataset ends closed either way.
  }
  FConnection = nullptr;
  FPrepared = false;
}

void TKsCustomDataSet::DatabaseError(const QString& message) const {
  throw EDatabaseError(FName.isEmpty() ? message : FName + QStringLiteral(": ") + message);
}

void TKsCustomDataSet::Fire(const TDataSetNotifyEvent& event) {
  if (event && !FDestroying) event(*this);
}

// --- statement --------------------------------------------------------------

void TKsCustomDataSet::SQLChanged() {
  Close();
  FPrepared = false;
  const QString text = FSQL.Text();
  const bool empty = text.trimmed().isEmpty();
  FMacros.Synchronize(KsSQLText::MacroNames(text), empty);
  FParams.Synchronize(
      SqlParamNames(FinalSQL()), [this](const QString& n) { return DefaultParamType(n); }, empty);
}

void TKsCustomDataSet::RefreshParamsFromText() {
  FParams.Synchronize(
      SqlParamNames(FinalSQL()), [this](const QString& n) { return DefaultParamType(n); }, false);
}

QString TKsCustomDataSet::FinalSQL() const {
  return KsSQLText::ExpandMacros(FSQL.Text(),
                                 [this](const QString& name) { return FMacros.ValueOf(name); });
}

TParam& TKsCustomDataSet::ParamByName(const QString& name) {
  if (TParam* p = FParams.FindParam(name)) return *p;
  DatabaseError(QStringLiteral("Parameter '%1' not found").arg(name));
}

TMacro& TKsCustomDataSet::MacroByName(const QString& name) {
  if (TMacro* m = FMacros.FindMacro(name)) return *m;
  DatabaseError(QStringLiteral("Macro '%1' not found").arg(name));
}

QString TKsCustomDataSet::GetOrderBy() const {
  return KsSQLText::GetOrderBy(FSQL.Text());
}

void TKsCustomDataSet::SetOrderBy(const QString& orderBy) {
  FSQL.SetText(KsSQLText::SetOrderBy(FSQL.Text(), orderBy));
}

void TKsCustomDataSet::AddWhere(const QString& condition) {
  FSQL.SetText(KsSQLText::AddWhere(FSQL.Text(), condition));
}

QString TKsCustomDataSet::PSGetTableName() const {
  return KsSQLText::TableName(FSQL.Text());
}

void TKsCustomDataSet::Prepare() {
  if (!FConnection) DatabaseError(QStringLiteral("Connection is not defined"));
  FConnection->Open();
  FPrepared = true;
}

void TKsCustomDataSet::ExecuteStatement(const QString& sql, TDbResult* result) {
  if (!FConnection) DatabaseError(QStringLiteral("Connection is not defined"));
  if (sql.trimmed().isEmpty()) DatabaseError(QStringLiteral("No SQL statement provided"));
  std::vector<TDbParam> params = FParams.ToDbParams(SqlParamNames(sql));
  *result = FConnection->Execute(sql, params);
  FParams.ReadBack(params);
  FRowsAffected = result->RowsAffected;
}

void TKsCustomDataSet::ExecSQL() {
  TDbResult result;
  ExecuteStatement(StatementText(), &result);
}

// --- open state -------------------------------------------------------------

void TKsCustomDataSet::Open() {
  if (Active()) return;
  Fire(BeforeOpen);
  TDbResult result;
  ExecuteStatement(StatementText(), &result);
  LoadResult(std::move(result));
  FCurrent = FView.empty() ? -1 : 0;
  FBof = true;
  FEof = FView.empty();
  Fire(AfterOpen);
  Fire(AfterScroll);
}

void TKsCustomDataSet::LoadResult(TDbResult&& result) {
  FColumns = std::move(result.Columns);
  FFields.Clear();
  for (size_t i = 0; i < FColumns.size(); ++i)
    FFields.Add(std::make_unique<TField>(this, int(i), FColumns[i]));
  FRows.clear();
  FRows.reserve(result.Rows.size());
  for (auto& row : result.Rows) {
    row.resize(FColumns.size());
    if (FOptions.TrimVarChar) {
      for (size_t i = 0; i < FColumns.size(); ++i)
        if (IsVarCharColumn(FColumns[i])) TrimTrailingBlanks(row[i]);
    }
    FRows.push_back(std::make_shared<TRow>(std::move(row)));
  }
  FEditRow.clear();
  FChanged.clear();
  FState = dsBrowse;
  ApplyFilter();
}

void TKsCustomDataSet::Close() {
  if (!Active()) return;
  Fire(BeforeClose);
  FState = dsInactive;
  FEditRow.clear();
  FChanged.clear();
  FView.clear();
  FRows.clear();
  FFields.Clear();
  FColumns.clear();
  FCurrent = -1;
  FBof = FEof = true;
  ReleaseRecordLock();
  Fire(AfterClose);
}

void TKsCustomDataSet::Refresh() {
  CheckActive();
  CheckBrowseMode();
  const int keyIndex = IndexOfUniqueKey();
  const QVariant key = keyIndex >= 0 ? FieldData(keyIndex) : QVariant();
  const int recNo = FCurrent;
  TDbResult result;
  ExecuteStatement(StatementText(), &result);
  LoadResult(std::move(result));
  int at = -1;
  const int newKeyIndex = IndexOfUniqueKey();
  if (!KsVariant::IsNull(key) && newKeyIndex >= 0) {
    for (size_t i = 0; i < FView.size() && at < 0; ++i)
      if (KsVariant::Matches((*FView[i])[size_t(newKeyIndex)], key, false, false)) at = int(i);
  }
  if (at < 0) at = std::min(std::max(recNo, 0), int(FView.size()) - 1);
  FCurrent = FView.empty() ? -1 : at;
  FBof = FCurrent <= 0;
  FEof = FView.empty();
}

void TKsCustomDataSet::CheckActive() const {
  if (!Active()) DatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TKsCustomDataSet::CheckCanModify() const {
  if (FReadOnly) DatabaseError(QStringLiteral("Cannot modify a read-only dataset"));
}

// --- navigation -------------------------------------------------------------

void TKsCustomDataSet::First() {
  CheckActive();
  CheckBrowseMode();
  Fire(BeforeScroll);
  FCurrent = FView.empty() ? -1 : 0;
  FBof = true;
  FEof = FView.empty();
  Fire(AfterScroll);
}

void TKsCustomDataSet::Last() {
  CheckActive();
  CheckBrowseMode();
  Fire(BeforeScroll);
  FCurrent = int(FView.size()) - 1;
  FEof = true;
  FBof = FView.empty();
  Fire(AfterScroll);
}

int TKsCustomDataSet::MoveBy(int distance) {
  CheckActive();
  CheckBrowseMode();
  if (distance == 0) return 0;
  Fire(BeforeScroll);
  const int n = int(FView.size());
  const int from = std::max(FCurrent, 0);
  const int wanted = from + distance;
  const int target = n == 0 ? -1 : std::clamp(wanted, 0, n - 1);
  const int moved = n == 0 ? 0 : target - from;
  FCurrent = target;
  if (distance > 0) {
    FEof = wanted > n - 1;
    if (moved != 0) FBof = false;
  } else {
    FBof = wanted < 0;
    if (moved != 0) FEof = false;
  }
  Fire(AfterScroll);
  return moved;
}

void TKsCustomDataSet::Next() {
  MoveBy(1);
}

void TKsCustomDataSet::Prior() {
  MoveBy(-1);
}

int TKsCustomDataSet::RecNo() const {
  return Active() && FCurrent >= 0 ? FCurrent + 1 : 0;
}

void TKsCustomDataSet::SetRecNo(int recNo) {
  CheckActive();
  CheckBrowseMode();
  if (FView.empty()) return;
  SetPosition(std::clamp(recNo, 1, int(FView.size())) - 1);
}

void TKsCustomDataSet::SetPosition(int index) {
  Fire(BeforeScroll);
  FCurrent = index;
  FBof = FEof = false;
  Fire(AfterScroll);
}

int TKsCustomDataSet::RecordCount() const {
  return Active() ? int(FView.size()) : 0;
}

bool TKsCustomDataSet::Locate(const QString& fieldNames, const QVariant& values,
                              TLocateOptions options) {
  CheckActive();
  CheckBrowseMode();
  std::vector<int> columns;
  for (const QString& part : fieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString name = part.trimmed();
    if (!name.isEmpty()) columns.push_back(FieldByName(name).Index());
  }
  if (columns.empty()) return false;
  QVariantList wanted;
  if (columns.size() == 1 && values.metaType().id() != QMetaType::QVariantList) {
    wanted << values;
  } else {
    wanted = values.toList();
  }
  if (size_t(wanted.size()) != columns.size())
    DatabaseError(QStringLiteral("Locate was given %1 values for %2 fields")
                      .arg(wanted.size())
                      .arg(columns.size()));
  const bool ci = options.testFlag(loCaseInsensitive);
  const bool partial = options.testFlag(loPartialKey);
  for (size_t r = 0; r < FView.size(); ++r) {
    const TRow& row = *FView[r];
    bool all = true;
    for (size_t c = 0; c < columns.size() && all; ++c)
      all = KsVariant::Matches(row[size_t(columns[c])], wanted[qsizetype(c)], ci, partial);
    if (all) {
      SetPosition(int(r));
      return true;
    }
  }
  return false;
}

// --- fields -----------------------------------------------------------------

TField& TKsCustomDataSet::FieldByName(const QString& name) const {
  if (TField* f = FFields.FindField(name)) return *f;
  DatabaseError(QStringLiteral("Field '%1' not found").arg(name));
}

QVariant TKsCustomDataSet::RowValue(int row, int field) const {
  if (!Active() || row < 0 || row >= int(FView.size()) || field < 0) return QVariant();
  const TRow& values = *FView[size_t(row)];
  return size_t(field) < values.size() ? values[size_t(field)] : QVariant();
}

QVariant TKsCustomDataSet::FieldData(int index) const {
  const size_t i = size_t(index);
  if (FFilterRow) return i < FFilterRow->size() ? (*FFilterRow)[i] : QVariant();
  if (FState == dsEdit || FState == dsInsert) return i < FEditRow.size() ? FEditRow[i] : QVariant();
  if (FCurrent < 0 || FCurrent >= int(FView.size())) return QVariant();
  const TRow& row = *FView[size_t(FCurrent)];
  return i < row.size() ? row[i] : QVariant();
}

void TKsCustomDataSet::SetFieldData(int index, const QVariant& value) {
  if (FState != dsEdit && FState != dsInsert)
    DatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
  const TField& field = FFields[index];
  FEditRow[size_t(index)] = KsVariant::Coerce(value, field.DataType(),
                                              QStringLiteral("field '%1'").arg(field.FieldName()));
  FChanged[size_t(index)] = true;
}

int TKsCustomDataSet::IndexOfUniqueKey() const {
  return FFields.IndexOf(kUniqueKey);
}

// --- editing ----------------------------------------------------------------

bool TKsCustomDataSet::Modified() const {
  return std::find(FChanged.begin(), FChanged.end(), true) != FChanged.end();
}

void TKsCustomDataSet::CheckBrowseMode() {
  CheckActive();
  if (FState != dsEdit && FState != dsInsert) return;
  if (Modified()) {
    Post();
  } else {
    Cancel();
  }
}

void TKsCustomDataSet::Edit() {
  if (FState == dsEdit || FState == dsInsert) return;
  CheckActive();
  if (FView.empty()) {
    Insert();
    return;
  }
  CheckCanModify();
  Fire(BeforeEdit);
  TakeRecordLock();
  try {
    if (FRefreshOptions.testFlag(roBeforeEdit)) RefreshCurrentRecord();
  } catch (...) {
    ReleaseRecordLock();
    throw;
  }
  FEditRow = *FView[size_t(FCurrent)];
  FChanged.assign(FFields.Count(), false);
  FState = dsEdit;
  Fire(AfterEdit);
}

void TKsCustomDataSet::RefreshCurrentRecord() {
  const int keyIndex = IndexOfUniqueKey();
  const QString table = UpdatingTableName();
  if (keyIndex < 0 || table.isEmpty() || !FConnection) return;
  TRow& row = *FView[size_t(FCurrent)];
  const QVariant key = row[size_t(keyIndex)];
  if (KsVariant::IsNull(key)) return;
  std::vector<TDbParam> params{{kKeyParam, FColumns[size_t(keyIndex)].DataType, ptInput, key}};
  const TDbResult fresh = FConnection->Execute(
      QStringLiteral("SELECT * FROM %1 WHERE %2 = :%3")
          .arg(QuotedTable(), QuotedField(FFields[keyIndex].FieldName()), kKeyParam),
      params);
  if (fresh.Rows.empty())
    DatabaseError(
        QStringLiteral("The record has been deleted from table '%1' by another user").arg(table));
  for (size_t c = 0; c < fresh.Columns.size(); ++c) {
    const int i = FFields.IndexOf(fresh.Columns[c].Name);
    if (i < 0) continue;
    QVariant v = c < fresh.Rows[0].size() ? fresh.Rows[0][c] : QVariant();
    if (FOptions.TrimVarChar && IsVarCharColumn(FColumns[size_t(i)])) TrimTrailingBlanks(v);
    row[size_t(i)] = v;
  }
}

void TKsCustomDataSet::Append() {
  CheckActive();
  CheckBrowseMode();
  CheckCanModify();
  Fire(BeforeInsert);
  FEditRow.assign(size_t(FFields.Count()), QVariant());
  FChanged.assign(size_t(FFields.Count()), false);
  FInsertAt = int(FView.size());
  FState = dsInsert;
  Fire(OnNewRecord);
  Fire(AfterInsert);
}

void TKsCustomDataSet::Insert() {
  CheckActive();
  CheckBrowseMode();
  CheckCanModify();
  Fire(BeforeInsert);
  FEditRow.assign(size_t(FFields.Count()), QVariant());
  FChanged.assign(size_t(FFields.Count()), false);
  FInsertAt = std::max(FCurrent, 0);
  FState = dsInsert;
  Fire(OnNewRecord);
  Fire(AfterInsert);
}

void TKsCustomDataSet::Post() {
  CheckActive();
  if (FState != dsEdit && FState != dsInsert) return;
  Fire(BeforePost);
  if (FState == dsEdit) {
    if (Modified()) WriteUpdate();
    *FView[size_t(FCurrent)] = FEditRow;
    FState = dsBrowse;
    FEditRow.clear();
    FChanged.clear();
    ReleaseRecordLock();
  } else {
    WriteInsert();
    auto row = std::make_shared<TRow>(std::move(FEditRow));
    FRows.push_back(row);
    const int at = std::clamp(FInsertAt, 0, int(FView.size()));
    FView.insert(FView.begin() + at, row);
    FCurrent = at;
    FBof = FEof = false;
    FState = dsBrowse;
    FEditRow.clear();
    FChanged.clear();
  }
  Fire(AfterPost);
}

void TKsCustomDataSet::Cancel() {
  if (FState != dsEdit && FState != dsInsert) return;
  Fire(BeforeCancel);
  const bool wasEditing = FState == dsEdit;
  FState = dsBrowse;
  FEditRow.clear();
  FChanged.clear();
  if (wasEditing) ReleaseRecordLock();
  Fire(AfterCancel);
}

void TKsCustomDataSet::Delete() {
  CheckActive();
  if (FState == dsInsert) {
    Cancel();
    return;
  }
  // An edit in progress is abandoned (and its lock released) first.
  Cancel();
  if (FView.empty())
    DatabaseError(QStringLiteral("Cannot perform this operation on an empty dataset"));
  CheckCanModify();
  Fire(BeforeDelete);
  Fire(BeforeScroll);
  TakeRecordLock();
  try {
    WriteDelete();
  } catch (...) {
    ReleaseRecordLock();
    throw;
  }
  ReleaseRecordLock();
  const TRowPtr gone = FView[size_t(FCurrent)];
  FView.erase(FView.begin() + FCurrent);
  FRows.erase(std::find(FRows.begin(), FRows.end(), gone));
  if (FCurrent >= int(FView.size())) FCurrent = int(FView.size()) - 1;
  FEof = FView.empty();
  FBof = FView.empty();
  Fire(AfterDelete);
  Fire(AfterScroll);
}

QString TKsCustomDataSet::QuotedTable() const {
  const QString table = UpdatingTableName();
  return FOptions.QuoteNames ? KsSQLText::QuoteName(table) : table;
}

QString TKsCustomDataSet::QuotedField(const QString& name) const {
  return FOptions.QuoteNames ? KsSQLText::QuoteName(name) : name;
}

namespace {

TDbParam ValueParam(int index, const TField& field, const QVariant& value) {
  TDbParam p;
  p.Name = QStringLiteral("KsValue%1").arg(index);
  p.DataType = field.DataType() != ftUnknown ? field.DataType() : KsVariant::TypeOf(value);
  p.Value = value;
  return p;
}

}  // namespace

void TKsCustomDataSet::WriteUpdate() {
  if (UpdatingTableName().isEmpty())
    DatabaseError(QStringLiteral("Cannot write the record: the table to update is not known"));
  const int keyIndex = IndexOfUniqueKey();
  if (keyIndex < 0)
    DatabaseError(
        QStringLiteral("Cannot write the record to table '%1': the dataset has no %2 field")
            .arg(UpdatingTableName(), kUniqueKey));
  const QVariant key = (*FView[size_t(FCurrent)])[size_t(keyIndex)];
  if (KsVariant::IsNull(key))
    DatabaseError(QStringLiteral("Cannot write the record to table '%1': its %2 is empty")
                      .arg(UpdatingTableName(), kUniqueKey));
  QStringList sets;
  std::vector<TDbParam> params;
  for (int i = 0; i < FFields.Count(); ++i) {
    if (!FChanged[size_t(i)]) continue;
    params.push_back(ValueParam(i, FFields[i], FEditRow[size_t(i)]));
    sets << QStringLiteral("%1 = :%2").arg(QuotedField(FFields[i].FieldName()), params.back().Name);
  }
  params.push_back({kKeyParam, FColumns[size_t(keyIndex)].DataType, ptInput, key});
  const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :%4")
                          .arg(QuotedTable(), sets.join(QStringLiteral(", ")),
                               QuotedField(FFields[keyIndex].FieldName()), kKeyParam);
  const TDbResult result = FConnection->Execute(sql, params);
  FRowsAffected = result.RowsAffected;
  if (result.RowsAffected == 0)
    DatabaseError(QStringLiteral("Update failed: the record was not found in table '%1'; another "
                                 "user may have deleted it")
                      .arg(UpdatingTableName()));
}

void TKsCustomDataSet::WriteInsert() {
  if (UpdatingTableName().isEmpty())
    DatabaseError(QStringLiteral("Cannot write the record: the table to insert into is not known"));
  QStringList columns, values;
  std::vector<TDbParam> params;
  for (int i = 0; i < FFields.Count(); ++i) {
    if (!FChanged[size_t(i)]) continue;
    params.push_back(ValueParam(i, FFields[i], FEditRow[size_t(i)]));
    columns << QuotedField(FFields[i].FieldName());
    values << QLatin1Char(':') + params.back().Name;
  }
  const QString sql = columns.isEmpty()
                          ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QuotedTable())
                          : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(QuotedTable(), columns.join(QStringLiteral(", ")),
                                     values.join(QStringLiteral(", ")));
  FRowsAffected = FConnection->Execute(sql, params).RowsAffected;
}

void TKsCustomDataSet::WriteDelete() {
  if (UpdatingTableName().isEmpty())
    DatabaseError(QStringLiteral("Cannot delete the record: the table is not known"));
  const int keyIndex = IndexOfUniqueKey();
  if (keyIndex < 0)
    DatabaseError(
        QStringLiteral("Cannot delete the record from table '%1': the dataset has no %2 field")
            .arg(UpdatingTableName(), kUniqueKey));
  const QVariant key = (*FView[size_t(FCurrent)])[size_t(keyIndex)];
  if (KsVariant::IsNull(key))
    DatabaseError(QStringLiteral("Cannot delete the record from table '%1': its %2 is empty")
                      .arg(UpdatingTableName(), kUniqueKey));
  std::vector<TDbParam> params{{kKeyParam, FColumns[size_t(keyIndex)].DataType, ptInput, key}};
  // A record someone else already deleted is gone either way: no error.
  FRowsAffected =
      FConnection
          ->Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = :%3")
                        .arg(QuotedTable(), QuotedField(FFields[keyIndex].FieldName()), kKeyParam),
                    params)
          .RowsAffected;
}

// --- filtering --------------------------------------------------------------

void TKsCustomDataSet::SetFilter(const QString& filter) {
  auto expr = TKsFilterExpression::Parse(filter);
  FFilter = filter;
  FFilterExpr = std::move(expr);
  if (Active() && FFiltered) {
    CheckBrowseMode();
    ApplyFilter();
    First();
  }
}

void TKsCustomDataSet::SetFiltered(bool value) {
  if (value == FFiltered) return;
  if (Active()) CheckBrowseMode();
  FFiltered = value;
  if (Active()) {
    ApplyFilter();
    First();
  }
}

void TKsCustomDataSet::SetFilterOptions(TFilterOptions options) {
  FFilterOptions = options;
  if (Active() && FFiltered) {
    CheckBrowseMode();
    ApplyFilter();
    First();
  }
}

void TKsCustomDataSet::ApplyFilter() {
  FView.clear();
  for (const TRowPtr& row : FRows)
    if (Accepts(*row)) FView.push_back(row);
  FCurrent = FView.empty() ? -1 : 0;
}

bool TKsCustomDataSet::Accepts(const TRow& row) {
  if (!FFiltered) return true;
  if (FFilterExpr) {
    const bool ci = FFilterOptions.testFlag(foCaseInsensitive);
    const bool ok = FFilterExpr->Evaluate(
        [&](const QString& name) { return row[size_t(FieldByName(name).Index())]; }, ci);
    if (!ok) return false;
  }
  if (OnFilterRecord) {
    // The handler reads the candidate through the fields, as a current record.
    FFilterRow = &row;
    bool accept = true;
    try {
      OnFilterRecord(*this, accept);
    } catch (...) {
      FFilterRow = nullptr;
      throw;
    }
    FFilterRow = nullptr;
    return accept;
  }
  return true;
}
