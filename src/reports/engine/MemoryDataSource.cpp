#include "reports/engine/MemoryDataSource.h"

QVariant TMemoryDataSource::Value(int row, int field) const {
  if (row < 0 || row >= RowCount()) return {};
  return FRows[static_cast<size_t>(row)].value(field);
}

int TMemoryDataSource::CurrentRow() const {
  if (FRows.empty()) return -1;
  return qBound(0, FCurrentRow, RowCount() - 1);
}
