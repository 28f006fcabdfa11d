#include "data/KsNewRecordKey.h"

#include "data/KsDataSet.h"
#include "data/utTransLog.h"

void GiveNewRecordsAUniqueKey(TKsCustomDataSet& dataSet) {
  dataSet.OnNewRecord = [previous = std::move(dataSet.OnNewRecord)](TKsCustomDataSet& ds) {
    if (TField* key = ds.FindField(QStringLiteral("UNIQUEKEY"))) key->SetAsString(NewUniqueKey());
    if (previous) previous(ds);
  };
}
