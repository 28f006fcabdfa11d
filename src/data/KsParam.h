#pragma once

#include "data/driver/DbTypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

// A named parameter of a dataset's statement (":NAME" in its SQL). The typed
// setters fix the data type the value is bound with; Clear makes it null and
// keeps the type.
class TParam {
 public:
  TParam(QString name, TFieldType dataType, TParamType paramType)
      : FName(std::move(name)), FDataType(dataType), FParamType(paramType) {}

  const QString& Name() const { return FName; }
  TFieldType DataType() const { return FDataType; }
  void SetDataType(TFieldType type) { FDataType = type; }
  TParamType ParamType() const { return FParamType; }
  void SetParamType(TParamType type) { FParamType = type; }

  const QVariant& Value() const { return FValue; }
  // Takes the data type from the value when none is set yet.
  void SetValue(const QVariant& value);
  bool IsNull() const;
  // Null with the data type kept.
  void Clear() { FValue = QVariant(); }

  QString AsString() const;
  qint64 AsInteger() const;
  double AsFloat() const;
  bool AsBoolean() const;
  QDateTime AsDateTime() const;
  QByteArray AsBlob() const;

  void SetAsString(const QString& value);
  void SetAsMemo(const QString& value);
  void SetAsInteger(qint64 value);
  void SetAsFloat(double value);
  void SetAsCurrency(double value);
  void SetAsBoolean(bool value);
  // Naive date-times: the wall-clock value is kept whatever zone it is marked with.
  void SetAsDateTime(const QDateTime& value);
  void SetAsDate(const QDate& value);
  void SetAsBlob(const QByteArray& value);

  // The driver's form of the parameter.
  TDbParam ToDbParam() const;

 private:
  friend class TParams;
  QString FName;
  TFieldType FDataType;
  TParamType FParamType;
  QVariant FValue;
  bool FCreated = false;  // made by CreateParam rather than found in the SQL
};

// The parameters of a statement. The dataset keeps the list in step with its
// SQL: each name found in the text once, in order of first appearance, an
// existing parameter of the same name (any case) keeping its type and value.
class TParams {
 public:
  int Count() const { return int(FItems.size()); }
  TParam& operator[](int index) { return *FItems.at(size_t(index)); }
  const TParam& operator[](int index) const { return *FItems.at(size_t(index)); }
  TParam* FindParam(const QString& name) const;

  // Adds a parameter, or redefines the one of that name; used by code that
  // builds a statement ("create the string input parameter FACICODE").
  TParam& CreateParam(TFieldType dataType, const QString& name, TParamType paramType = ptInput);
  void Clear() { FItems.clear(); }

  // Re-derives the list from the names found in the SQL. Parameters created
  // with CreateParam that the text does not name are kept at the end unless
  // `dropCreated`.
  void Synchronize(const QStringList& names,
                   const std::function<TParamType(const QString&)>& defaultType, bool dropCreated);

  // The driver's form of the named parameters, in the order given.
  std::vector<TDbParam> ToDbParams(const QStringList& names) const;
  // Writes output and result values back after a call.
  void ReadBack(const std::vector<TDbParam>& params);

 private:
  std::vector<std::unique_ptr<TParam>> FItems;
};
