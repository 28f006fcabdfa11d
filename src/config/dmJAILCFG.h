#pragma once

#include "config/DataModuleConfigInfo.h"
#include "data/KsLookupDialog.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"

#include <QString>

class TKsCustomConfigInfo;

// The suite's jail configuration module, as far as this program uses it:
// the facility table behind the facility choices, the label printers of the
// ID labels, and the date and time formats of JAILCONFIG.ini.
class TdtmJAILCFG {
 public:
  TdtmJAILCFG();
  explicit TdtmJAILCFG(TKsCustomConfigInfo* AConfigInfo);
  ~TdtmJAILCFG();
  TdtmJAILCFG(const TdtmJAILCFG&) = delete;
  TdtmJAILCFG& operator=(const TdtmJAILCFG&) = delete;

  // Lets the user pick one or more facilities and gives the condition on the
  // FaciCode column that selects them, "AND ( FaciCode = 'MAIN' OR FaciCode =
  // 'ANNEX')", in the order they were picked; OK with none picked takes the
  // first facility. Empty when the user cancelled (or there is no facility
  // to pick): the caller then does not run its report.
  void CreateFacilityString(QString& Condition);

  TKsCustomConfigInfo* KsConfigInfo() const { return FKsConfigInfo.Get(); }

  // The condition CreateFacilityString is building.
  QString xsFacilityString;
  // The formats of JAILCONFIG.ini; empty when it has none.
  QString xsKSShortDateFormat;
  QString xsKSLongDateFormat;
  QString xsKSShortTimeFormat;
  QString xsKSLongTimeFormat;

 private:
  void DataModuleCreate();
  void ReadJailConfigFormats();

  TDataModuleConfigInfo FKsConfigInfo;

 public:
  TKsSQLDatabase dbJail{QStringLiteral("dbJail")};
  TKsSQLDatabase dbCFG{QStringLiteral("dbCFG")};
  TKsMSTable tblCFGFACI{QStringLiteral("tblCFGFACI")};
  TKsMSTable tblCfgLabelPrinters{QStringLiteral("tblCfgLabelPrinters")};
  // The module's scratch query.
  TKsMSQuery qryGeneric{QStringLiteral("qryGeneric")};

  // The two facility dialogs over tblCFGFACI.
  TKsLookupDialog dlstSelectFaci{QStringLiteral("dlstSelectFaci")};
  TKsLookupDialog dlstSelectMultiFaci{QStringLiteral("dlstSelectMultiFaci")};
};

extern TdtmJAILCFG* dtmJAILCFG;

// The facility dialog as both configuration modules show it: caption
// "Select Your Facility", the columns FACILITYID ("Facility", 10 wide) and
// FACILITYDESC ("Description", 45 wide), upper-case entry, at most 209
// pixels high.
void SetUpFacilityDialog(TKsLookupDialog& dialog, TKsCustomDataSet* facilities);
