#include "reports/framework/DateTimeRangeModel.h"

#include "core/UserPrompts.h"
#include "data/utJailDateTimeLib.h"

TDateTimeRangeModel::TDateTimeRangeModel(IDialogListProvider* lists,
                                         const QString& facilityDescription)
    : FLists(lists), FFacilityDescription(facilityDescription) {
  Caption = QStringLiteral("Select  Date and Time Range");
}

int TDateTimeRangeModel::Height() const {
  switch (FMode) {
    case dmDateAndTimeOnly:
      return 180;
    case dmDateOnly:
      return 132;
    case dmDateTimeAndDormOnly:
    case dmDateTimeAndDestinationOnly:
      return 225;
    case dmDesign:
      break;
  }
  return 270;
}

bool TDateTimeRangeModel::FillDorms(const QStringList& dorms) {
  FDorms.clear();
  for (const QString& dorm : dorms)
    if (!FDorms.contains(dorm)) FDorms << dorm;
  FDorms.sort(Qt::CaseInsensitive);
  if (!FDorms.isEmpty()) return true;
  UserPrompts().ShowWarning(QStringLiteral("None of the active inmates on ") +
                            FFacilityDescription + QStringLiteral(" have been assigned to dorms."));
  return false;
}

bool TDateTimeRangeModel::PopulateLogDormComboBox() {
  FDormPopulatedFromLog = true;
  FDormFillFailed = !FillDorms(FLists ? FLists->DormsFromLog() : QStringList());
  return !FDormFillFailed;
}

std::vector<TDestinationRow> TDateTimeRangeModel::Destinations() {
  return FLists ? FLists->Destinations() : std::vector<TDestinationRow>();
}

void TDateTimeRangeModel::ApplyDestinationPick(const std::vector<TDestinationRow>& rows, int row) {
  Destination = row >= 0 && row < int(rows.size()) ? rows[row].Movement.trimmed() : QString();
}

void TDateTimeRangeModel::ClearResults() {
  xsDateStart.clear();
  xsDateEnd.clear();
  xdDateStart = {};
  xdDateEnd = {};
  xsTimeStart.clear();
  xsTimeEnd.clear();
  xdTimeStart = {};
  xdTimeEnd = {};
  xsDormStart.clear();
  xsDormEnd.clear();
  xsDestToPrint.clear();
}

bool TDateTimeRangeModel::BeginShow() {
  ClearResults();
  if (!DormsShown()) return true;
  if (FDormPopulatedFromLog) return !FDormFillFailed;
  return FillDorms(FLists ? FLists->DormsFromPopulation() : QStringList());
}

QString TDateTimeRangeModel::Validate() const {
  // A typed value that is no date or time is refused before the range checks.
  for (const TPickerValue* picker : {&DateFrom, &DateTo})
    if (!picker->IsValid()) return picker->Problem();
  if (TimesShown())
    for (const TPickerValue* picker : {&TimeFrom, &TimeTo})
      if (!picker->IsValid()) return picker->Problem();
  if (DatesShown() && DateFrom.IsEmpty() && DateTo.IsEmpty())
    return QStringLiteral("Range of days must be entered.");
  if (TimesShown() && TimeFrom.IsEmpty() && TimeTo.IsEmpty())
    return QStringLiteral("Range of times must be entered.");
  if (DormsShown()) {
    if (DormFrom.isEmpty() && DormTo.isEmpty())
      return QStringLiteral("A range of dorms must be entered.");
    // The dorm boxes are lists without typing.
    for (const QString* dorm : {&DormFrom, &DormTo})
      if (!dorm->isEmpty() && !FDorms.contains(*dorm))
        return QStringLiteral("'%1' is not one of the dorms listed.").arg(*dorm);
  }
  if (DestinationShown() && Destination.trimmed().isEmpty())
    return QStringLiteral("A destination must be entered.");
  return {};
}

void TDateTimeRangeModel::StoreResults() {
  xsDateStart = DateFrom.DisplayText();
  xsDateEnd = DateTo.DisplayText();
  xdDateStart = DateFrom.DateTime();
  xdDateEnd = DateTo.DateTime();
  if (TimesShown()) {
    xsTimeStart = TimeFrom.DisplayText();
    xsTimeEnd = TimeTo.DisplayText();
    xdTimeStart = TimeFrom.DateTime();
    xdTimeEnd = TimeTo.DateTime();
  }
  if (DormsShown()) {
    xsDormStart = DormFrom;
    xsDormEnd = DormTo;
  }
  if (DestinationShown()) xsDestToPrint = Destination.trimmed();
}

bool TDateTimeRangeModel::SqlRange(QString& start, QString& end) const {
  return GetSQLTimeStamp(xsDateStart, xsTimeStart, false, start) &&
         GetSQLTimeStamp(xsDateEnd, xsTimeEnd, true, end);
}
