#include "data/KsMasterDetailLink.h"

#include "data/KsDBLib.h"

TKsMasterDetailLink::TKsMasterDetailLink(std::vector<TKsCustomDataSet*> details, QString paramName,
                                         bool asInteger)
    : FDetails(std::move(details)), FParamName(std::move(paramName)), FAsInteger(asInteger) {}

TKsMasterDetailLink::~TKsMasterDetailLink() {
  Unlink();
}

void TKsMasterDetailLink::Unlink() {
  if (FMaster) FMaster->AfterScroll = std::move(FPreviousAfterScroll);
  FPreviousAfterScroll = nullptr;
  FMaster = nullptr;
  FMasterField.clear();
}

void TKsMasterDetailLink::SetMaster(TKsCustomDataSet* master, const QString& masterField) {
  Unlink();
  if (!master) return;
  FMaster = master;
  FMasterField = masterField;
  FPreviousAfterScroll = std::move(master->AfterScroll);
  master->AfterScroll = [this](TKsCustomDataSet& dataSet) {
    Follow();
    if (FPreviousAfterScroll) FPreviousAfterScroll(dataSet);
  };
  if (master->Active()) Follow();
}

QVariant TKsMasterDetailLink::MasterValue() const {
  if (!FMaster || !FMaster->Active() || FMaster->IsEmpty())
    return FAsInteger ? QVariant(QMetaType::fromType<int>()) : QVariant();
  const TField& field = FMaster->FieldByName(FMasterField);
  if (!FAsInteger) return field.Value();
  if (field.IsNull()) return QVariant(QMetaType::fromType<int>());
  return field.AsInteger();
}

void TKsMasterDetailLink::Follow() {
  OpenDataSetsWithParams(FDetails, FParamName, MasterValue());
}
