#include "reports/engine/ReportPipeline.h"

#include "reports/engine/DisplayFormat.h"

TReportPipeline::TReportPipeline(QString name, IReportDataSource* source)
    : FName(std::move(name)), FSource(source) {}

void TReportPipeline::SetDataSource(IReportDataSource* source) {
  FSource = source;
  Reset();
}

void TReportPipeline::SetMaster(TReportPipeline* master, std::vector<TMasterFieldLink> links) {
  FMaster = master;
  FLinks = std::move(links);
  Reset();
}

void TReportPipeline::Reset() {
  ++FSerial;
  FFieldIndexes.clear();
  FFieldIndexesBuilt = false;
  FLinkIndex.clear();
  FLinkIndexBuilt = false;
  FPosition = -1;
}

int TReportPipeline::FieldIndex(const QString& name) const {
  if (!FSource) return -1;
  if (!FFieldIndexesBuilt) {
    FFieldIndexes.clear();
    for (int i = 0; i < FSource->FieldCount(); ++i) {
      const QString key = FSource->FieldName(i).toUpper();
      if (!FFieldIndexes.contains(key)) FFieldIndexes.insert(key, i);
    }
    FFieldIndexesBuilt = true;
  }
  return FFieldIndexes.value(name.toUpper(), -1);
}

QString TReportPipeline::LinkKey(const IReportDataSource& source, int row,
                                 const std::vector<int>& fields) const {
  QString key;
  for (int field : fields) {
    const QVariant v = field >= 0 ? source.Value(row, field) : QVariant();
    if (v.isNull()) return {};  // nulls never match
    QString text = ValueToString(v);
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    key += text.toCaseFolded();
    key += QChar(0x1F);
  }
  return key;
}

const std::vector<int>* TReportPipeline::LinkedRows() const {
  if (!FSource || !FMaster || !FMaster->DataSource()) return nullptr;
  if (!FLinkIndexBuilt) {
    std::vector<int> fields;
    for (const TMasterFieldLink& link : FLinks) fields.push_back(FieldIndex(link.DetailField));
    for (int row = 0; row < FSource->RowCount(); ++row) {
      const QString key = LinkKey(*FSource, row, fields);
      if (!key.isEmpty()) FLinkIndex[key].push_back(row);
    }
    FLinkIndexBuilt = true;
  }
  const int masterRow = FMaster->CurrentRow();
  if (masterRow < 0) return nullptr;
  std::vector<int> masterFields;
  for (const TMasterFieldLink& link : FLinks)
    masterFields.push_back(FMaster->FieldIndex(link.MasterField));
  const QString key = LinkKey(*FMaster->DataSource(), masterRow, masterFields);
  if (key.isEmpty()) return nullptr;
  auto it = FLinkIndex.constFind(key);
  return it == FLinkIndex.constEnd() ? nullptr : &it.value();
}

std::vector<int> TReportPipeline::Rows() const {
  if (!FSource) return {};
  if (FMaster) {
    const std::vector<int>* rows = LinkedRows();
    return rows ? *rows : std::vector<int>();
  }
  if (FRange == TRecordRange::CurrentRecord) {
    const int row = FSource->CurrentRow();
    if (row < 0 || row >= FSource->RowCount()) return {};
    return {row};
  }
  std::vector<int> rows(static_cast<size_t>(FSource->RowCount()));
  for (int i = 0; i < FSource->RowCount(); ++i) rows[static_cast<size_t>(i)] = i;
  return rows;
}

int TReportPipeline::CurrentRow() const {
  if (!FSource) return -1;
  if (FPosition >= 0) return FPosition < FSource->RowCount() ? FPosition : -1;
  if (FMaster) {
    const std::vector<int>* rows = LinkedRows();
    return rows && !rows->empty() ? rows->front() : -1;
  }
  const int row = FSource->CurrentRow();
  return row >= 0 && row < FSource->RowCount() ? row : -1;
}

QVariant TReportPipeline::GetFieldValue(int field) const {
  if (!FSource || field < 0) return {};
  const int row = CurrentRow();
  if (row < 0) return {};
  return FSource->Value(row, field);
}

QVariant TReportPipeline::GetFieldValue(const QString& name) const {
  return GetFieldValue(FieldIndex(name));
}

QString TReportPipeline::GetFieldAsString(const QString& name) const {
  return ValueToString(GetFieldValue(name));
}

bool TReportPipeline::IsFieldNull(const QString& name) const {
  return GetFieldValue(name).isNull();
}
