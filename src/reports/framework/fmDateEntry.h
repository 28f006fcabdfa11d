#pragma once

#include "reports/framework/fmParameterDialog.h"

class QLabel;
class TPickerValue;
class TParameterDialogModel;

// TfrmDateEntry, TfrmDateRangeEntry and TfrmDateTimeRangeEntry: an
// instruction text over one or two pickers.
class TfrmDateEntryBase : public TfrmParameterDialog {
  Q_OBJECT
 public:
  // Each picker comes with its caption.
  TfrmDateEntryBase(TParameterDialogModel& model, const QString& instructions,
                    const std::vector<std::pair<QString, TPickerValue*>>& pickers,
                    QWidget* parent = nullptr);

 protected:
  void Push() override;
  void Pull() override;

 private:
  QLabel* FInstructions;
  std::vector<std::pair<QLineEdit*, TPickerValue*>> FPickers;
};
