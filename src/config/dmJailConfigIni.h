#pragma once

#include "config/DataModuleConfigInfo.h"

class TKsCustomConfigInfo;

// The jail settings module. In this program it only carries its
// configuration info; it exists so that start-up and shutdown keep the
// suite's order of modules.
class TdtmJailConfigIni {
 public:
  TdtmJailConfigIni();
  explicit TdtmJailConfigIni(TKsCustomConfigInfo* AConfigInfo);
  ~TdtmJailConfigIni();
  TdtmJailConfigIni(const TdtmJailConfigIni&) = delete;
  TdtmJailConfigIni& operator=(const TdtmJailConfigIni&) = delete;

  TKsCustomConfigInfo* KsConfigInfo() const { return FKsConfigInfo.Get(); }

 private:
  TDataModuleConfigInfo FKsConfigInfo;
};

extern TdtmJailConfigIni* dtmJailConfigIni;
