#pragma once

#include "reports/framework/ParameterDialogModel.h"
#include "reports/framework/PickerValue.h"

#include <QDate>
#include <QDateTime>

// TfrmDateEntry: one date under an instruction text, preset to today.
class TDateEntryModel : public TParameterDialogModel {
 public:
  TDateEntryModel();
  QString Validate() const override;

  QString Instructions;
  TPickerValue Date{TPickerValue::pvDate};
  QDate Result;

 protected:
  void StoreResults() override { Result = Date.Date(); }
};

// TfrmDateRangeEntry: a starting and an ending date, preset to today.
class TDateRangeEntryModel : public TParameterDialogModel {
 public:
  TDateRangeEntryModel();
  QString Validate() const override;

  QString Instructions;
  TPickerValue StartDate{TPickerValue::pvDate}, EndDate{TPickerValue::pvDate};

 protected:
  void StoreResults() override {}
};

// TfrmDateTimeRangeEntry: a starting and an ending moment, both preset to
// now each time it is shown.
class TDateTimeRangeEntryModel : public TParameterDialogModel {
 public:
  bool BeginShow() override;
  QString Validate() const override;

  QString Instructions;
  TPickerValue StartDateTime{TPickerValue::pvDateTime}, EndDateTime{TPickerValue::pvDateTime};

 protected:
  void StoreResults() override {}
};

// Creates, shows and frees the dialog through the installed parameter
// dialogs. ExecuteDateEntry returns a null date on Cancel; the range forms
// write the pickers back whatever the result and return true for OK.
QDate ExecuteDateEntry(const QString& caption, const QString& instructions,
                       const QDate& defaultDate);
bool ExecuteDateRangeEntry(const QString& caption, const QString& instructions, QDate& start,
                           QDate& end);
bool ExecuteDateTimeRangeEntry(const QString& caption, const QString& instructions,
                               QDateTime& start, QDateTime& end);
