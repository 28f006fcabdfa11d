#pragma once

#include "reports/engine/IReportDataSource.h"

#include <QStringList>
#include <QVariantList>

#include <vector>

// Rows held in memory: used by fixed tables that reports build themselves
// (counts, totals) and by tests.
class TMemoryDataSource : public IReportDataSource {
 public:
  TMemoryDataSource() = default;
  explicit TMemoryDataSource(QStringList fields) : FFields(std::move(fields)) {}

  void SetFields(QStringList fields) { FFields = std::move(fields); }
  // A row shorter than the field list reads null in the missing fields.
  void AddRow(QVariantList values) { FRows.push_back(std::move(values)); }
  void Clear() { FRows.clear(); }
  void SetCurrentRow(int row) { FCurrentRow = row; }

  int FieldCount() const override { return static_cast<int>(FFields.size()); }
  QString FieldName(int field) const override { return FFields.value(field); }
  int RowCount() const override { return static_cast<int>(FRows.size()); }
  QVariant Value(int row, int field) const override;
  int CurrentRow() const override;

 private:
  QStringList FFields;
  std::vector<QVariantList> FRows;
  int FCurrentRow = 0;
};
