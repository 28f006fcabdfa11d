#pragma once

#include "reports/framework/fmParameterDialog.h"

class TDateTimeEntryModel;
class TAsOfDateTimeModel;

// TfrmDateTimeEntry: From/To date and time.
class TfrmDateTimeEntry : public TfrmParameterDialog {
  Q_OBJECT
 public:
  explicit TfrmDateTimeEntry(TDateTimeEntryModel& model, QWidget* parent = nullptr);

 protected:
  void Push() override;
  void Pull() override;

 private:
  TDateTimeEntryModel& FModel;
  QLineEdit *FDateFrom, *FDateTo, *FTimeFrom, *FTimeTo;
};

// TfrmAsOfDateTime: one date and one time.
class TfrmAsOfDateTime : public TfrmParameterDialog {
  Q_OBJECT
 public:
  explicit TfrmAsOfDateTime(TAsOfDateTimeModel& model, QWidget* parent = nullptr);

 protected:
  void Push() override;
  void Pull() override;

 private:
  TAsOfDateTimeModel& FModel;
  QLineEdit *FDate, *FTime;
};
