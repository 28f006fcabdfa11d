#pragma once

#include "config/DataModuleConfigInfo.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"

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
  // Connections and SQL of the jail configuration tables
  // (dmJailAdminReportsConfigTables.cpp).
  void SetUpJailConfigTables();

  TDataModuleConfigInfo FKsConfigInfo;

 public:
  // The jail configuration tables; their users open them.
  TKsSQLDatabase dbJAIL{QStringLiteral("dbJAIL")};
  TKsSQLDatabase dbCFG{QStringLiteral("dbCFG")};
  TKsMSQuery tblCFGFACI{QStringLiteral("tblCFGFACI")};
  TKsMSQuery tblCFGCELL{QStringLiteral("tblCFGCELL")};
  TKsMSQuery tblCFGDOORMS{QStringLiteral("tblCFGDOORMS")};
  TKsMSQuery tblImateStatus{QStringLiteral("tblImateStatus")};
  TKsMSQuery tblCFGMOVE{QStringLiteral("tblCFGMOVE")};
};

extern TdtmJailAdminReportsConfig* dtmJailAdminReportsConfig;
