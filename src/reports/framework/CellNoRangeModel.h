#pragma once

#include "reports/framework/DialogListProvider.h"
#include "reports/framework/ParameterDialogModel.h"

#include <vector>

// TfrmCellNoRange: a range of cells by description, or all cells.
class TCellNoRangeModel : public TParameterDialogModel {
 public:
  explicit TCellNoRangeModel(IDialogListProvider* lists = nullptr);

  // Opens the cell list of the facility.
  bool BeginShow() override;
  QString Validate() const override;
  void Cancel() override { xbPressok = false; }

  // Checking empties both boxes and range fields; the boxes are then disabled.
  void SetAllCells(bool value);
  bool AllCells() const { return FAllCells; }
  bool BoxesEnabled() const { return !FAllCells; }
  const std::vector<TCellRow>& Cells() const { return FCells; }

  QString xsFacilityID;
  QString CellFrom, CellTo;  // the texts of the two boxes

  QString xsCellNORangeStart, xsCellNORangeEnd;
  bool xbAllCells = false;
  bool xbPressok = false;

 protected:
  void StoreResults() override;

 private:
  IDialogListProvider* FLists;
  std::vector<TCellRow> FCells;
  bool FAllCells = false;
};
