#pragma once

#include "reports/framework/fmParameterDialog.h"

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class TPrintCountRangeModel;

// TfrmPrintCountRange: "Jurisdiction Billing Report - Input".
class TfrmPrintCountRange : public TfrmParameterDialog {
  Q_OBJECT
 public:
  explicit TfrmPrintCountRange(TPrintCountRangeModel& model, QWidget* parent = nullptr);

  // Opens the agency billing settings editor; the agencies are re-read after.
  std::function<void()> OnConfigureAgency;

 protected:
  void Push() override;
  void Pull() override;

 private:
  void SearchAgency();
  void ShowAgency();

  TPrintCountRangeModel& FModel;
  QLineEdit *FFromDate, *FToDate, *FAgency;
  QLabel *FConfigureAgency, *FAmount;
  QGroupBox* FOptions;
  QCheckBox *FFirstDay, *FLastDay, *FCheckOut, *FCheckIn;
};
