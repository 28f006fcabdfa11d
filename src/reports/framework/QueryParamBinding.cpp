#include "reports/framework/QueryParamBinding.h"

#include "data/KsDataSet.h"

void BindDateTimeParam(TKsCustomDataSet& query, const QString& name, const QDateTime& value) {
  TParam* param = query.FindParam(name);
  if (!param) param = &query.Params().CreateParam(ftDateTime, name, ptInput);
  param->SetDataType(ftDateTime);
  param->SetAsDateTime(value);
}
