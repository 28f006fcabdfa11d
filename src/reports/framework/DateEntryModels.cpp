#include "reports/framework/DateEntryModels.h"

#include "reports/framework/ParameterDialogs.h"

namespace {

// Pickers that always hold a value: empty is refused like any other non-date.
QString RequiredProblem(const TPickerValue& picker) {
  if (picker.IsEmpty())
    return picker.Kind() == TPickerValue::pvDateTime
               ? QStringLiteral("A date and time must be entered.")
               : QStringLiteral("A date must be entered.");
  return picker.Problem();
}

QDateTime Now() {
  QDateTime now = QDateTime::currentDateTime();
  return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), Qt::UTC);
}

}  // namespace

TDateEntryModel::TDateEntryModel() {
  Date.SetDate(QDate::currentDate());
}

QString TDateEntryModel::Validate() const {
  return RequiredProblem(Date);
}

TDateRangeEntryModel::TDateRangeEntryModel() {
  StartDate.SetDate(QDate::currentDate());
  EndDate.SetDate(QDate::currentDate());
}

QString TDateRangeEntryModel::Validate() const {
  for (const TPickerValue* picker : {&StartDate, &EndDate}) {
    const QString problem = RequiredProblem(*picker);
    if (!problem.isEmpty()) return problem;
  }
  return {};
}

bool TDateTimeRangeEntryModel::BeginShow() {
  StartDateTime.SetDateTime(Now());
  EndDateTime.SetDateTime(Now());
  return true;
}

QString TDateTimeRangeEntryModel::Validate() const {
  for (const TPickerValue* picker : {&StartDateTime, &EndDateTime}) {
    const QString problem = RequiredProblem(*picker);
    if (!problem.isEmpty()) return problem;
  }
  return {};
}

QDate ExecuteDateEntry(const QString& caption, const QString& instructions,
                       const QDate& defaultDate) {
  TDateEntryModel model;
  model.Caption = caption;
  model.Instructions = instructions;
  model.Date.SetDate(defaultDate);
  return ParameterDialogs().ShowDateEntry(model) ? model.Result : QDate();
}

bool ExecuteDateRangeEntry(const QString& caption, const QString& instructions, QDate& start,
                           QDate& end) {
  TDateRangeEntryModel model;
  model.Caption = caption;
  model.Instructions = instructions;
  model.StartDate.SetDate(start);
  model.EndDate.SetDate(end);
  const bool ok = ParameterDialogs().ShowDateRangeEntry(model);
  // A picker left with no valid date keeps the caller's value.
  if (model.StartDate.Date().isValid()) start = model.StartDate.Date();
  if (model.EndDate.Date().isValid()) end = model.EndDate.Date();
  return ok;
}

bool ExecuteDateTimeRangeEntry(const QString& caption, const QString& instructions,
                               QDateTime& start, QDateTime& end) {
  TDateTimeRangeEntryModel model;
  model.Caption = caption;
  model.Instructions = instructions;
  model.StartDateTime.SetDateTime(start);
  model.EndDateTime.SetDateTime(end);
  const bool ok = ParameterDialogs().ShowDateTimeRangeEntry(model);
  if (model.StartDateTime.DateTime().isValid()) start = model.StartDateTime.DateTime();
  if (model.EndDateTime.DateTime().isValid()) end = model.EndDateTime.DateTime();
  return ok;
}
