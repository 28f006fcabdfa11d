#pragma once

#include "data/driver/DbTypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class TKsCustomDataSet;

// One column of an open dataset, reading and writing the current record.
// Writing is allowed only while the dataset is in edit or insert state; the
// value is converted to the field's type on the way in.
class TField {
 public:
  TField(TKsCustomDataSet* dataSet, int index, const TDbColumn& column)
      : FDataSet(dataSet),
        FIndex(index),
        FFieldName(column.Name),
        FDataType(column.DataType),
        FSize(column.Size) {}

  TKsCustomDataSet* DataSet() const { return FDataSet; }
  const QString& FieldName() const { return FFieldName; }
  TFieldType DataType() const { return FDataType; }
  int Size() const { return FSize; }
  int Index() const { return FIndex; }

  QVariant Value() const;
  QVariant AsVariant() const { return Value(); }
  bool IsNull() const;
  QString AsString() const;
  int AsInteger() const;
  qint64 AsLargeInt() const;
  double AsFloat() const;
  double AsCurrency() const { return AsFloat(); }
  bool AsBoolean() const;
  // Invalid when null.
  QDateTime AsDateTime() const;
  QByteArray AsBlob() const;

  void SetValue(const QVariant& value);
  void SetAsVariant(const QVariant& value) { SetValue(value); }
  void SetAsString(const QString& value) { SetValue(value); }
  void SetAsInteger(qint64 value) { SetValue(value); }
  void SetAsFloat(double value) { SetValue(value); }
  void SetAsBoolean(bool value) { SetValue(value); }
  void SetAsDateTime(const QDateTime& value);
  void SetAsBlob(const QByteArray& value) { SetValue(value); }
  void Clear() { SetValue(QVariant()); }

 private:
  [[noreturn]] void ConversionError(const char* kind) const;

  TKsCustomDataSet* FDataSet;
  int FIndex;
  QString FFieldName;
  TFieldType FDataType;
  int FSize;
};

// The fields of an open dataset, in column order.
class TFields {
 public:
  int Count() const { return int(FItems.size()); }
  TField& operator[](int index) const { return *FItems.at(size_t(index)); }
  // Names compare without regard to case; nullptr when absent.
  TField* FindField(const QString& name) const;
  int IndexOf(const QString& name) const;

  void Add(std::unique_ptr<TField> field) { FItems.push_back(std::move(field)); }
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TField>> FItems;
};
