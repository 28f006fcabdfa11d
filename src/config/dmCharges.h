#pragma once

#include "config/DataModuleConfigInfo.h"
#include "data/KsMSAccess.h"
#include "data/KsMasterDetailLink.h"
#include "data/KsSQLDatabase.h"

#include <QString>

class TKsCustomConfigInfo;

// The suite's statute-charge module: the charge table, the UCR/NIBRS choice
// list, each charge's UCR and NIBRS cross-references and its categories.
// The cross-references and categories follow the current charge of a master
// dataset (the charge table itself from creation on).
class TdtmCharges {
 public:
  TdtmCharges();
  explicit TdtmCharges(TKsCustomConfigInfo* AConfigInfo);
  ~TdtmCharges();
  TdtmCharges(const TdtmCharges&) = delete;
  TdtmCharges& operator=(const TdtmCharges&) = delete;

  // Makes the cross-references and categories follow MasterDataSet's
  // current charge number in MasterChargeNumField; the previous master gets
  // its own after-scroll handler back first.
  void SetChargesMasterDetail(TKsCustomDataSet* MasterDataSet, const QString& MasterChargeNumField);

  TKsCustomConfigInfo* KsConfigInfo() const { return FKsConfigInfo.Get(); }

 private:
  void DataModuleCreate();

  TDataModuleConfigInfo FKsConfigInfo;

 public:
  TKsSQLDatabase dbCfg{QStringLiteral("dbCfg")};
  TKsMSQuery tblFSS_AFIS{QStringLiteral("tblFSS_AFIS")};
  TKsMSTable tblCfgUcrNibrsChoices{QStringLiteral("tblCfgUcrNibrsChoices")};
  // The charge's UCR (TypeID 1) and NIBRS (TypeID 2) cross-references, both
  // together, and its categories; each takes the parameter ChargeNum.
  TKsMSQuery qryUcrXref{QStringLiteral("qryUcrXref")};
  TKsMSQuery qryUcrNibrsXref{QStringLiteral("qryUcrNibrsXref")};
  TKsMSQuery qryNibrsXref{QStringLiteral("qryNibrsXref")};
  TKsMSQuery tblFSS_Category{QStringLiteral("tblFSS_Category")};

 private:
  TKsMasterDetailLink FChargeLink{{&qryUcrXref, &qryUcrNibrsXref, &qryNibrsXref, &tblFSS_Category},
                                  QStringLiteral("ChargeNum"),
                                  true};
};

extern TdtmCharges* dtmCharges;
