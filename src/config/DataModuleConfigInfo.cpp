#include "config/DataModuleConfigInfo.h"

#include "config/KsConfigInfo.h"

TDataModuleConfigInfo::TDataModuleConfigInfo(TKsCustomConfigInfo* AGiven)
    : FOwn(AGiven ? nullptr : std::make_unique<TKsConfigInfo>()),
      FInfo(AGiven ? AGiven : FOwn.get()) {
  if (FOwn) FOwn->setObjectName(QStringLiteral("KsConfigInfo"));
}

TDataModuleConfigInfo::~TDataModuleConfigInfo() = default;
