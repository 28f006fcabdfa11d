#pragma once

#include <QString>

#include <vector>

class TKsCustomDataSet;
struct TPickList;

// A lookup dialog over a table (the facility choice and its kin): the
// table's records shown in the chosen columns through the prompts seam; the
// user's choice moves the table to the chosen record, where the caller reads
// it.
class TKsLookupDialog {
 public:
  struct TColumn {
    QString FieldName;
    int Width = 10;  // characters
    QString Title;
  };

  explicit TKsLookupDialog(const QString& name = QString()) : FName(name) {}

  const QString& Name() const { return FName; }

  QString Caption;
  TKsCustomDataSet* LookupTable = nullptr;
  std::vector<TColumn> Columns;  // the first names the records
  bool UpperCaseSearch = true;
  int MaxHeight = 0;  // pixels; 0 for no limit

  // One record: opens the table if it is closed, and on OK leaves it on the
  // record chosen. False when cancelled or there is nothing to choose; the
  // table then stays where it was.
  bool Execute();
  // Several records: the 1-based record numbers highlighted, in the order
  // they were highlighted (none when OK was pressed with nothing
  // highlighted). False when cancelled. The table stays where it was.
  bool ExecuteMulti(std::vector<int>& recNos);

 private:
  // The table's records as the list shows them; RecNos[i] is row i's record.
  TPickList BuildList(std::vector<int>& recNos) const;

  QString FName;
};
