#pragma once

#include "reports/framework/fmParameterDialog.h"

class QSpinBox;
class TAveLengthYearPickerModel;

// TfrmAveLengthYearPicker: "Choose the desired number of years".
class TfrmAveLengthYearPicker : public TfrmParameterDialog {
  Q_OBJECT
 public:
  explicit TfrmAveLengthYearPicker(TAveLengthYearPickerModel& model, QWidget* parent = nullptr);

 protected:
  void Push() override;
  void Pull() override;

 private:
  TAveLengthYearPickerModel& FModel;
  QSpinBox* FYears;
};
