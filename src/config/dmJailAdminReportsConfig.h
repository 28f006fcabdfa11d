#pragma once

#include "config/DataModuleConfigInfo.h"

class TKsCustomConfigInfo;

// The report program's configuration module. Its creation fixes the
// program-wide regional formats (dmJailAdminReportsConfigFormats); the jail
// configuration tables it carries join it beside them.
class TdtmJailAdminReportsConfig {
 public:
  TdtmJailAdminReportsConfig();
  explicit TdtmJailAdminReportsConfig(TKsCustomConfigInfo* AConfigInfo);
  ~TdtmJailAdminReportsConfig();
  TdtmJailAdminReportsConfig(const TdtmJailAdminReportsConfig&) = delete;
  TdtmJailAdminReportsConfig& operator=(const TdtmJailAdminReportsConfig&) = delete;

  TKsCustomConfigInfo* KsConfigInfo() const { return FKsConfigInfo.Get(); }

 private:
  void DataModuleCreate();

  TDataModuleConfigInfo FKsConfigInfo;
};

extern TdtmJailAdminReportsConfig* dtmJailAdminReportsConfig;
