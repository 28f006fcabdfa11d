#pragma once

#include "reports/framework/ParameterDialogModel.h"
#include "reports/framework/PickerValue.h"

// TfrmDateTimeEntry: From/To date and time; dates come back as "mm/dd/yyyy".
class TDateTimeEntryModel : public TParameterDialogModel {
 public:
  TDateTimeEntryModel() { Caption = QStringLiteral("Select a Date and Time Range"); }

  bool BeginShow() override;
  QString Validate() const override;

  TPickerValue DateFrom{TPickerValue::pvDate}, DateTo{TPickerValue::pvDate};
  TPickerValue TimeFrom{TPickerValue::pvTime}, TimeTo{TPickerValue::pvTime};

  QString xsDateStart, xsDateEnd, xsTimeStart, xsTimeEnd;

 protected:
  void StoreResults() override;
};

// TfrmAsOfDateTime: one moment.
class TAsOfDateTimeModel : public TParameterDialogModel {
 public:
  TAsOfDateTimeModel() { Caption = QStringLiteral("Select an As of Date/Time Range"); }

  bool BeginShow() override;
  QString Validate() const override;

  TPickerValue Date{TPickerValue::pvDate};
  TPickerValue Time{TPickerValue::pvTime};

  QString xsAsOfDate, xsAsOfTime;

 protected:
  void StoreResults() override;
};
