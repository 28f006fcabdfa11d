#pragma once

#include "reports/framework/fmParameterDialog.h"

class QCheckBox;
class QComboBox;
class TCellNoRangeModel;

// TfrmCellNoRange: "From Cell No:", "To Cell No:" and "Print All Cells".
class TfrmCellNoRange : public TfrmParameterDialog {
  Q_OBJECT
 public:
  explicit TfrmCellNoRange(TCellNoRangeModel& model, QWidget* parent = nullptr);

  void accept() override;

 protected:
  void Push() override;
  void Pull() override;

 private:
  // Shows an exception of a handler the way the catalogue does, and keeps the
  // dialog open.
  template <typename Handler>
  void Guard(const char* handlerName, Handler handler);

  TCellNoRangeModel& FModel;
  QComboBox *FCellFrom, *FCellTo;
  QCheckBox* FAllCells;
};
