#pragma once

#include <QString>
#include <QVariant>

// What a report pipeline reads: a fully fetched table of rows. The report
// framework adapts its datasets to this; the engine itself knows nothing of
// databases. Values are QVariant (invalid = null); date-times are naive
// QDateTime values.
class IReportDataSource {
 public:
  virtual ~IReportDataSource() = default;

  virtual int FieldCount() const = 0;
  virtual QString FieldName(int field) const = 0;
  virtual int RowCount() const = 0;
  virtual QVariant Value(int row, int field) const = 0;
  // The dataset's current record, for pipelines that print only the current
  // record (the agency logo); -1 when there is none.
  virtual int CurrentRow() const { return RowCount() > 0 ? 0 : -1; }
};
