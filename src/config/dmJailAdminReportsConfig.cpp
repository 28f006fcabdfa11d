#include "config/dmJailAdminReportsConfig.h"

#include "config/dmJailAdminReportsConfigFormats.h"

TdtmJailAdminReportsConfig* dtmJailAdminReportsConfig = nullptr;

TdtmJailAdminReportsConfig::TdtmJailAdminReportsConfig() : TdtmJailAdminReportsConfig(nullptr) {}

TdtmJailAdminReportsConfig::TdtmJailAdminReportsConfig(TKsCustomConfigInfo* AConfigInfo)
    : FKsConfigInfo(AConfigInfo) {
  SetUpJailConfigTables();
  DataModuleCreate();
}

TdtmJailAdminReportsConfig::~TdtmJailAdminReportsConfig() = default;

void TdtmJailAdminReportsConfig::DataModuleCreate() {
  SetJailConfigRegionalFormats(*FKsConfigInfo.Get());
}
