#pragma once

#include "reports/engine/IReportDataSource.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <vector>

enum class TRecordRange { AllRecords, CurrentRecord };

// One field pair of a master/detail link: the detail pipeline's field and
// the master pipeline's field that must hold the same value.
struct TMasterFieldLink {
  QString DetailField;
  QString MasterField;
};

// A report's view of a data source: which rows it walks (record range,
// master/detail link), where it stands, and field access by name.
class TReportPipeline {
 public:
  explicit TReportPipeline(QString name = {}, IReportDataSource* source = nullptr);

  const QString& Name() const { return FName; }
  void SetDataSource(IReportDataSource* source);
  IReportDataSource* DataSource() const { return FSource; }
  void SetRecordRange(TRecordRange range) { FRange = range; }
  TRecordRange RecordRange() const { return FRange; }
  // The pipeline walks only the rows whose link fields equal the master's
  // current row. Values compare as the databases do: case-insensitive,
  // trailing blanks ignored; a null never matches.
  void SetMaster(TReportPipeline* master, std::vector<TMasterFieldLink> links);
  TReportPipeline* Master() const { return FMaster; }

  // Forgets cached indexes; the generator calls it before each pass because
  // the data may have been reopened between runs.
  void Reset();
  // Source rows in scope now, in order.
  std::vector<int> Rows() const;
  // Row being printed: the position the generator set while it walks the
  // pipeline, otherwise the first linked row for a detail pipeline, the
  // dataset's current record for others; -1 when there is none.
  int CurrentRow() const;
  void SetPosition(int row) { FPosition = row; }
  void ClearPosition() { FPosition = -1; }
  int Position() const { return FPosition; }

  // -1 when the field does not exist. Case-insensitive.
  int FieldIndex(const QString& name) const;
  bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }
  // Changes whenever the data source is replaced or the pipeline reset, so
  // callers can cache field indexes.
  int Serial() const { return FSerial; }

  // Null (invalid QVariant) for a missing field or when there is no row.
  QVariant GetFieldValue(const QString& name) const;
  QVariant GetFieldValue(int field) const;
  QString GetFieldAsString(const QString& name) const;
  bool IsFieldNull(const QString& name) const;

 private:
  QString LinkKey(const IReportDataSource& source, int row, const std::vector<int>& fields) const;
  const std::vector<int>* LinkedRows() const;

  QString FName;
  IReportDataSource* FSource = nullptr;
  TRecordRange FRange = TRecordRange::AllRecords;
  TReportPipeline* FMaster = nullptr;
  std::vector<TMasterFieldLink> FLinks;
  int FPosition = -1;
  int FSerial = 0;
  mutable QHash<QString, int> FFieldIndexes;
  mutable bool FFieldIndexesBuilt = false;
  mutable QHash<QString, std::vector<int>> FLinkIndex;
  mutable bool FLinkIndexBuilt = false;
};
