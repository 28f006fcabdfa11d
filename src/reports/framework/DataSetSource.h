#pragma once

#include "reports/engine/IReportDataSource.h"

class TKsCustomDataSet;

// Lets a report pipeline read an open dataset: its fetched rows in view
// order, and its current record for pipelines that print only that one.
class TDataSetSource : public IReportDataSource {
 public:
  explicit TDataSetSource(TKsCustomDataSet& dataSet) : FDataSet(dataSet) {}

  TKsCustomDataSet& DataSet() const { return FDataSet; }

  int FieldCount() const override;
  QString FieldName(int field) const override;
  int RowCount() const override;
  QVariant Value(int row, int field) const override;
  int CurrentRow() const override;

 private:
  TKsCustomDataSet& FDataSet;
};
