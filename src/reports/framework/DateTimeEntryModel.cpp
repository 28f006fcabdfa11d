#include "reports/framework/DateTimeEntryModel.h"

#include "core/RegionalFormats.h"

namespace {

// The first picker whose text is no date/time, as its message.
QString FirstProblem(std::initializer_list<const TPickerValue*> pickers) {
  for (const TPickerValue* picker : pickers)
    if (!picker->IsValid()) return picker->Problem();
  return {};
}

}  // namespace

bool TDateTimeEntryModel::BeginShow() {
  xsDateStart.clear();
  xsDateEnd.clear();
  xsTimeStart.clear();
  xsTimeEnd.clear();
  return true;
}

QString TDateTimeEntryModel::Validate() const {
  const QString problem = FirstProblem({&DateFrom, &DateTo, &TimeFrom, &TimeTo});
  if (!problem.isEmpty()) return problem;
  if (DateFrom.IsEmpty() || DateTo.IsEmpty())
    return QStringLiteral("Range of days must be entered.");
  if (TimeFrom.IsEmpty() && TimeTo.IsEmpty())
    return QStringLiteral("Range of times must be entered.");
  return {};
}

void TDateTimeEntryModel::StoreResults() {
  xsDateStart = FormatDateTime(QStringLiteral("mm/dd/yyyy"), DateFrom.Date());
  xsDateEnd = FormatDateTime(QStringLiteral("mm/dd/yyyy"), DateTo.Date());
  xsTimeStart = TimeFrom.DisplayText();
  xsTimeEnd = TimeTo.DisplayText();
}

bool TAsOfDateTimeModel::BeginShow() {
  xsAsOfDate.clear();
  xsAsOfTime.clear();
  return true;
}

QString TAsOfDateTimeModel::Validate() const {
  const QString problem = FirstProblem({&Date, &Time});
  if (!problem.isEmpty()) return problem;
  if (Date.IsEmpty()) return QStringLiteral("An as of date must be entered.");
  if (Time.IsEmpty()) return QStringLiteral("A time must be entered.");
  return {};
}

void TAsOfDateTimeModel::StoreResults() {
  xsAsOfDate = Date.DisplayText();
  xsAsOfTime = Time.DisplayText();
}
