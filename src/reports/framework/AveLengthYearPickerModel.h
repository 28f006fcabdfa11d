#pragma once

#include "reports/framework/ParameterDialogModel.h"

// TfrmAveLengthYearPicker: how many years the average length of stay covers.
class TAveLengthYearPickerModel : public TParameterDialogModel {
 public:
  static constexpr int MinYears = 1;
  static constexpr int MaxYears = 10;

  TAveLengthYearPickerModel() { Caption = QStringLiteral("No. of Years to Report"); }

  QString Validate() const override {
    if (Years < MinYears || Years > MaxYears)
      return QStringLiteral("The number of years must be from %1 to %2.")
          .arg(MinYears)
          .arg(MaxYears);
    return {};
  }

  int Years = 1;

 protected:
  void StoreResults() override {}
};
