#include "config/dmCharges.h"

#include "data/KsDBLib.h"
#include "data/KsNewRecordKey.h"

#include <QStringList>

TdtmCharges* dtmCharges = nullptr;

namespace {

// The cross-reference rows of one charge with their choice's code and text.
QStringList XrefSql(const QString& typeCondition) {
  return {QStringLiteral("SELECT"),
          QStringLiteral("  X.ChargeNum, X.FK_Choice, X.TypeID, X.UniqueKey,"),
          QStringLiteral("  C.Code, C.Description"),
          QStringLiteral("FROM"),
          QStringLiteral("  FssUcrNibrsXref X (READUNCOMMITTED)"),
          QStringLiteral("  LEFT OUTER JOIN CfgUcrNibrsChoices C (READUNCOMMITTED)"),
          QStringLiteral("    ON C.UniqueKey = X.FK_Choice"),
          QStringLiteral("WHERE"),
          QStringLiteral("  X.ChargeNum = :ChargeNum") + typeCondition,
          QStringLiteral("ORDER BY"),
          QStringLiteral("  X.TypeID, C.Code")};
}

// A choice or cross-reference table shows what was written at once, the
// server's order included.
void RequeryAfterWrites(TKsCustomDataSet& dataSet) {
  const auto requery = [](TKsCustomDataSet& ds) { RequeryKeepPosition(&ds); };
  dataSet.AfterPost = requery;
  dataSet.AfterDelete = requery;
}

}  // namespace

TdtmCharges::TdtmCharges() : TdtmCharges(nullptr) {}

TdtmCharges::TdtmCharges(TKsCustomConfigInfo* AConfigInfo) : FKsConfigInfo(AConfigInfo) {
  dbCfg.SetKsConfigInfo(FKsConfigInfo.Get());
  dbCfg.SetProgramName(QStringLiteral("CFG"));
  dbCfg.SetLoginPrompt(false);

  tblFSS_AFIS.SetConnection(&dbCfg);
  tblFSS_AFIS.SQL().SetLines({QStringLiteral("SELECT"), QStringLiteral("*"), QStringLiteral("FROM"),
                              QStringLiteral("FSS_AFIS"), QStringLiteral("WHERE"),
                              QStringLiteral("INACTIVE = 0"), QStringLiteral("ORDER BY"),
                              QStringLiteral("FSN,  ACL DESC")});
  tblCfgUcrNibrsChoices.SetConnection(&dbCfg);
  tblCfgUcrNibrsChoices.SetTableName(QStringLiteral("CfgUcrNibrsChoices"));
  tblCfgUcrNibrsChoices.SetOrderFields(QStringLiteral("Code"));

  qryUcrXref.SQL().SetLines(XrefSql(QStringLiteral(" AND X.TypeID = 1")));
  qryUcrNibrsXref.SQL().SetLines(XrefSql(QString()));
  qryNibrsXref.SQL().SetLines(XrefSql(QStringLiteral(" AND X.TypeID = 2")));
  tblFSS_Category.SQL().SetLines(
      {QStringLiteral("SELECT"), QStringLiteral("  F.ChargeNum, F.ChoiceID, F.UniqueKey,"),
       QStringLiteral("  C.ShortDescr, C.LongDescr"), QStringLiteral("FROM"),
       QStringLiteral("  FSS_Category F (READUNCOMMITTED)"),
       QStringLiteral("  LEFT OUTER JOIN CfgChoices C (READUNCOMMITTED)"),
       QStringLiteral("    ON C.ChoiceID = F.ChoiceID"), QStringLiteral("WHERE"),
       QStringLiteral("  F.ChargeNum = :ChargeNum"), QStringLiteral("ORDER BY"),
       QStringLiteral("  C.LongDescr")});

  for (TKsCustomDataSet* dataSet : std::initializer_list<TKsCustomDataSet*>{
           &tblFSS_AFIS, &tblCfgUcrNibrsChoices, &qryUcrXref, &qryUcrNibrsXref, &qryNibrsXref,
           &tblFSS_Category}) {
    dataSet->SetConnection(&dbCfg);
    GiveNewRecordsAUniqueKey(*dataSet);
  }
  for (TKsCustomDataSet* dataSet : std::initializer_list<TKsCustomDataSet*>{
           &tblCfgUcrNibrsChoices, &qryUcrXref, &qryUcrNibrsXref, &qryNibrsXref, &tblFSS_Category})
    RequeryAfterWrites(*dataSet);

  // A new row belongs to the charge being shown, and says which list it is in.
  const auto newXref = [this](int typeId) {
    return [this, typeId](TKsCustomDataSet& ds) {
      ds.FieldByName(QStringLiteral("ChargeNum")).SetValue(FChargeLink.MasterValue());
      ds.FieldByName(QStringLiteral("TypeID")).SetAsInteger(typeId);
    };
  };
  const auto chained = [](TKsCustomDataSet& ds, TKsCustomDataSet::TDataSetNotifyEvent next) {
    ds.OnNewRecord = [first = std::move(ds.OnNewRecord), next](TKsCustomDataSet& d) {
      if (first) first(d);
      next(d);
    };
  };
  chained(qryUcrXref, newXref(1));
  chained(qryNibrsXref, newXref(2));
  chained(tblFSS_Category, [this](TKsCustomDataSet& ds) {
    ds.FieldByName(QStringLiteral("ChargeNum")).SetValue(FChargeLink.MasterValue());
  });

  DataModuleCreate();
}

TdtmCharges::~TdtmCharges() = default;

void TdtmCharges::DataModuleCreate() {
  const QVariant noCharge(QMetaType::fromType<int>());
  tblCfgUcrNibrsChoices.Open();
  OpenWithParams(&qryUcrXref, QStringLiteral("ChargeNum"), noCharge);
  OpenWithParams(&qryNibrsXref, QStringLiteral("ChargeNum"), noCharge);
  SetChargesMasterDetail(&tblFSS_AFIS, QStringLiteral("ChargeNum"));
}

void TdtmCharges::SetChargesMasterDetail(TKsCustomDataSet* MasterDataSet,
                                         const QString& MasterChargeNumField) {
  FChargeLink.SetMaster(MasterDataSet, MasterChargeNumField);
}
