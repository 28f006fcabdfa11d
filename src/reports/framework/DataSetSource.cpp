#include "reports/framework/DataSetSource.h"

#include "data/KsDataSet.h"

int TDataSetSource::FieldCount() const {
  return FDataSet.FieldCount();
}

QString TDataSetSource::FieldName(int field) const {
  return FDataSet.Fields()[field].FieldName();
}

int TDataSetSource::RowCount() const {
  return FDataSet.RecordCount();
}

QVariant TDataSetSource::Value(int row, int field) const {
  return FDataSet.RowValue(row, field);
}

int TDataSetSource::CurrentRow() const {
  return FDataSet.RecNo() - 1;
}
