#pragma once

#include "reports/framework/fmParameterDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class TDateTimeRangeModel;

// TfrmDateTimeRange: the view of TDateTimeRangeModel; controls the mode
// hides are hidden and the form takes the mode's height.
class TfrmDateTimeRange : public TfrmParameterDialog {
  Q_OBJECT
 public:
  explicit TfrmDateTimeRange(TDateTimeRangeModel& model, QWidget* parent = nullptr);

 protected:
  void Push() override;
  void Pull() override;

 private:
  void SearchDestination();

  TDateTimeRangeModel& FModel;
  QLineEdit *FDateFrom, *FDateTo, *FTimeFrom, *FTimeTo, *FDestination;
  QComboBox *FDormFrom, *FDormTo;
  QLabel *FTimeLabels[2], *FDormLabels[2], *FDestinationLabel;
  QPushButton* FDestinationSearch;
};
