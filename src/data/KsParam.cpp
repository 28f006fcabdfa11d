#include "data/KsParam.h"

#include "core/Exception.h"
#include "data/KsVariant.h"

#include <algorithm>

namespace {

QString ParamLabel(const QString& name) {
  return QStringLiteral("parameter '%1'").arg(name);
}

}  // namespace

void TParam::SetValue(const QVariant& value) {
  if (FDataType == ftUnknown) FDataType = KsVariant::TypeOf(value);
  FValue = KsVariant::Coerce(value, FDataType, ParamLabel(FName));
}

bool TParam::IsNull() const {
  return KsVariant::IsNull(FValue);
}

QString TParam::AsString() const {
  return KsVariant::ToString(FValue, FDataType);
}

qint64 TParam::AsInteger() const {
  qint64 v = 0;
  if (!KsVariant::ToInt64(FValue, &v)) KsVariant::Coerce(FValue, ftLargeint, ParamLabel(FName));
  return v;
}

double TParam::AsFloat() const {
  double v = 0;
  if (!KsVariant::ToDouble(FValue, &v)) KsVariant::Coerce(FValue, ftFloat, ParamLabel(FName));
  return v;
}

bool TParam::AsBoolean() const {
  bool v = false;
  if (!KsVariant::ToBool(FValue, &v)) KsVariant::Coerce(FValue, ftBoolean, ParamLabel(FName));
  return v;
}

QDateTime TParam::AsDateTime() const {
  QDateTime v;
  if (!KsVariant::ToDateTime(FValue, &v)) KsVariant::Coerce(FValue, ftDateTime, ParamLabel(FName));
  return v;
}

QByteArray TParam::AsBlob() const {
  return KsVariant::ToBytes(FValue);
}

void TParam::SetAsString(const QString& value) {
  FDataType = ftString;
  FValue = value;
}

void TParam::SetAsMemo(const QString& value) {
  FDataType = ftMemo;
  FValue = value;
}

void TParam::SetAsInteger(qint64 value) {
  FDataType = ftInteger;
  FValue = value;
}

void TParam::SetAsFloat(double value) {
  FDataType = ftFloat;
  FValue = value;
}

void TParam::SetAsCurrency(double value) {
  FDataType = ftCurrency;
  FValue = value;
}

void TParam::SetAsBoolean(bool value) {
  FDataType = ftBoolean;
  FValue = value;
}

void TParam::SetAsDateTime(const QDateTime& value) {
  FDataType = ftDateTime;
  FValue = value.isValid() ? QVariant(KsVariant::Naive(value)) : QVariant();
}

void TParam::SetAsDate(const QDate& value) {
  FDataType = ftDate;
  FValue = value.isValid() ? QVariant(QDateTime(value, QTime(0, 0), Qt::UTC)) : QVariant();
}

void TParam::SetAsBlob(const QByteArray& value) {
  FDataType = ftBlob;
  FValue = value;
}

TDbParam TParam::ToDbParam() const {
  TDbParam p;
  p.Name = FName;
  p.DataType = FDataType;
  p.ParamType = FParamType == ptUnknown ? ptInput : FParamType;
  if (p.ParamType != ptOutput && p.ParamType != ptResult) p.Value = FValue;
  return p;
}

TParam* TParams::FindParam(const QString& name) const {
  for (const auto& p : FItems)
    if (p->FName.compare(name, Qt::CaseInsensitive) == 0) return p.get();
  return nullptr;
}

TParam& TParams::CreateParam(TFieldType dataType, const QString& name, TParamType paramType) {
  TParam* p = FindParam(name);
  if (!p) {
    FItems.push_back(std::make_unique<TParam>(name, dataType, paramType));
    p = FItems.back().get();
  } else {
    p->FDataType = dataType;
    p->FParamType = paramType;
  }
  p->FCreated = true;
  return *p;
}

void TParams::Synchronize(const QStringList& names,
                          const std::function<TParamType(const QString&)>& defaultType,
                          bool dropCreated) {
  std::vector<std::unique_ptr<TParam>> next;
  for (const QString& name : names) {
    auto it = std::find_if(FItems.begin(), FItems.end(), [&](const std::unique_ptr<TParam>& p) {
      return p && p->FName.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (it != FItems.end()) {
      next.push_back(std::move(*it));
    } else {
      next.push_back(std::make_unique<TParam>(name, ftUnknown, defaultType(name)));
    }
  }
  if (!dropCreated) {
    for (auto& p : FItems)
      if (p && p->FCreated) next.push_back(std::move(p));
  }
  FItems = std::move(next);
}

std::vector<TDbParam> TParams::ToDbParams(const QStringList& names) const {
  std::vector<TDbParam> out;
  out.reserve(size_t(names.size()));
  for (const QString& name : names) {
    if (const TParam* p = FindParam(name)) {
      out.push_back(p->ToDbParam());
    } else {
      TDbParam missing;
      missing.Name = name;
      out.push_back(missing);
    }
  }
  return out;
}

void TParams::ReadBack(const std::vector<TDbParam>& params) {
  for (const TDbParam& db : params) {
    if (db.ParamType != ptOutput && db.ParamType != ptInputOutput && db.ParamType != ptResult)
      continue;
    if (TParam* p = FindParam(db.Name)) p->FValue = db.Value;
  }
}
