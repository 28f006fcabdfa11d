#include "reports/framework/CellNoRangeModel.h"

TCellNoRangeModel::TCellNoRangeModel(IDialogListProvider* lists) : FLists(lists) {
  Caption = QStringLiteral("Cell Print Range");
}

bool TCellNoRangeModel::BeginShow() {
  xsCellNORangeStart.clear();
  xsCellNORangeEnd.clear();
  xbAllCells = false;
  xbPressok = false;
  FCells = FLists ? FLists->Cells() : std::vector<TCellRow>();
  return true;
}

void TCellNoRangeModel::SetAllCells(bool value) {
  FAllCells = value;
  if (!value) return;
  CellFrom.clear();
  CellTo.clear();
  xsCellNORangeStart.clear();
  xsCellNORangeEnd.clear();
}

QString TCellNoRangeModel::Validate() const {
  if (FAllCells) return {};
  if (CellFrom.isEmpty() || CellTo.isEmpty())
    return QStringLiteral("From and To Cell must be entered.");
  // The boxes are lookups: only listed cells can be chosen.
  for (const QString* cell : {&CellFrom, &CellTo}) {
    const bool listed = std::any_of(FCells.begin(), FCells.end(), [cell](const TCellRow& row) {
      return row.CellDescription == *cell;
    });
    if (!listed) return QStringLiteral("'%1' is not one of the cells listed.").arg(*cell);
  }
  return {};
}

void TCellNoRangeModel::StoreResults() {
  xsCellNORangeStart = CellFrom;
  xsCellNORangeEnd = CellTo;
  xbAllCells = FAllCells;
  xbPressok = true;
}
