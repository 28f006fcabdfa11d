#include "data/KsLookupDialog.h"

#include "core/Exception.h"
#include "core/UserPrompts.h"
#include "data/KsDataSet.h"

TPickList TKsLookupDialog::BuildList(std::vector<int>& recNos) const {
  if (!LookupTable) throw EDatabaseError(QStringLiteral("%1: no lookup table is set").arg(FName));
  TKsCustomDataSet& table = *LookupTable;
  if (!table.Active()) table.Open();

  TPickList list;
  list.Caption = Caption;
  list.UpperCaseSearch = UpperCaseSearch;
  list.MaxHeight = MaxHeight;
  for (const TColumn& column : Columns) list.Columns.push_back({column.Title, column.Width});

  const int current = table.RecNo();
  recNos.clear();
  for (table.First(); !table.Eof(); table.Next()) {
    QStringList row;
    for (const TColumn& column : Columns) row << table.FieldByName(column.FieldName).AsString();
    list.Rows.push_back(row);
    recNos.push_back(table.RecNo());
    if (table.RecNo() == current) list.Current = int(list.Rows.size()) - 1;
  }
  if (current > 0) table.SetRecNo(current);
  return list;
}

bool TKsLookupDialog::Execute() {
  std::vector<int> recNos;
  const TPickList list = BuildList(recNos);
  if (list.Rows.empty()) return false;
  const int row = UserPrompts().PickFromList(list);
  if (row < 0 || row >= int(recNos.size())) return false;
  LookupTable->SetRecNo(recNos[size_t(row)]);
  return true;
}

bool TKsLookupDialog::ExecuteMulti(std::vector<int>& chosen) {
  chosen.clear();
  std::vector<int> recNos;
  const TPickList list = BuildList(recNos);
  std::vector<int> rows;
  if (!UserPrompts().PickManyFromList(list, rows)) return false;
  for (int row : rows)
    if (row >= 0 && row < int(recNos.size())) chosen.push_back(recNos[size_t(row)]);
  return true;
}
