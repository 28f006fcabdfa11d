#include "reports/framework/QueryParamBinding.h"

#include "data/KsDataSet.h"

namespace {
TParam& TypedParam(TKsCustomDataSet& query, const QString& name, TFieldType type) {
  TParam* param = query.FindParam(name);
  if (!param) param = &query.Params().CreateParam(type, name, ptInput);
  param->SetDataType(type);
  return *param;
}
}  // namespace

void BindDateTimeParam(TKsCustomDataSet& query, const QString& name, const QDateTime& value) {
  TypedParam(query, name, ftDateTime).SetAsDateTime(value);
}

void BindStringParam(TKsCustomDataSet& query, const QString& name, const QString& value) {
  TypedParam(query, name, ftString).SetAsString(value);
}
