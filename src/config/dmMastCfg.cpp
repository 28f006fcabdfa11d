#include "config/dmMastCfg.h"
#include "data/KsNewRecordKey.h"

#include "config/KsConfigInfo.h"
#include "config/KsMemIniFile.h"
#include "config/SharedIniStore.h"
#include "data/KsSQLText.h"
#include "data/utTransLog.h"

#include <QHash>

TdtmMastCfg* dtmMastCfg = nullptr;

namespace {

const QString kNoAgencyInfo = QStringLiteral("XXXX");
const QString kClass = QStringLiteral("TdtmMastCfg.");

// Item of GetAgencyInfo -> column of CFGAGNCY.
const QHash<QString, QString>& AgencyColumns() {
  static const QHash<QString, QString> columns = {
      {QStringLiteral("NAME"), QStringLiteral("ORG")},
      {QStringLiteral("ABBREV"), QStringLiteral("ORG_ABBREV")},
      {QStringLiteral("ORGCOUNTY"), QStringLiteral("ORG_COUNTY")},
      {QStringLiteral("ORGSTATE"), QStringLiteral("ORG_STATE")},
      {QStringLiteral("ORG_STATEA"), QStringLiteral("ORG_STATEA")},
      {QStringLiteral("BOSS"), QStringLiteral("ORG_HEAD")},
      {QStringLiteral("BOSS_TITLE"), QStringLiteral("ORG_TITLE")},
      {QStringLiteral("STREET"), QStringLiteral("ORG_ADD")},
      {QStringLiteral("CITY"), QStringLiteral("ORG_CITY")},
      {QStringLiteral("STATE"), QStringLiteral("ORG_STATEA")},
      {QStringLiteral("ZIP"), QStringLiteral("ORG_ZIP")},
      {QStringLiteral("MSTREET"), QStringLiteral("ORG_MADD")},
      {QStringLiteral("MCITY"), QStringLiteral("ORG_MCITY")},
      {QStringLiteral("MSTATE"), QStringLiteral("ORG_MSTATE")},
      {QStringLiteral("MZIP"), QStringLiteral("ORG_MZIP")},
      {QStringLiteral("PHONE"), QStringLiteral("ORG_PHONE")},
      {QStringLiteral("ORI"), QStringLiteral("ORI")},
      {QStringLiteral("UNIQUEKEY"), QStringLiteral("UNIQUEKEY")},
      {QStringLiteral("POPULATION"), QStringLiteral("Pop_Served")},
  };
  return columns;
}

// Leaves the table unfiltered whatever happened while it was filtered.
class TUnfilterAfter {
 public:
  explicit TUnfilterAfter(TKsCustomDataSet& table) : FTable(table) {}
  ~TUnfilterAfter() {
    try {
      FTable.SetFiltered(false);
      FTable.SetFilter(QString());
    } catch (...) {
    }
  }
  TUnfilterAfter(const TUnfilterAfter&) = delete;
  TUnfilterAfter& operator=(const TUnfilterAfter&) = delete;

 private:
  TKsCustomDataSet& FTable;
};

}  // namespace

TdtmMastCfg::TdtmMastCfg() : TdtmMastCfg(nullptr) {}

TdtmMastCfg::TdtmMastCfg(TKsCustomConfigInfo* AConfigInfo) : FKsConfigInfo(AConfigInfo) {
  dbCFG.SetKsConfigInfo(FKsConfigInfo.Get());
  dbCFG.SetProgramName(QStringLiteral("CFG"));
  dbCFG.SetLoginPrompt(false);
  dbEmpMast.SetKsConfigInfo(FKsConfigInfo.Get());
  dbEmpMast.SetProgramName(QStringLiteral("EMPMAST"));
  dbEmpMast.SetLoginPrompt(false);

  for (TKsCustomDataSet* dataSet : std::initializer_list<TKsCustomDataSet*>{
           &tblCFGAGNCY, &tblCFGLOGO, &tblCfgChoices, &qrySharedIni, &qrySharedIniCheck,
           &qrySharedIniWrite, &qryAreaCode})
    dataSet->SetConnection(&dbCFG);
  tblEmpMast.SetConnection(&dbEmpMast);

  tblCFGAGNCY.SetTableName(QStringLiteral("CFGAGNCY"));
  tblEmpMast.SetTableName(QStringLiteral("EMPMAST"));
  tblCfgChoices.SetTableName(QStringLiteral("CfgChoices"));
  for (TKsCustomDataSet* table :
       std::initializer_list<TKsCustomDataSet*>{&tblCFGAGNCY, &tblEmpMast, &tblCfgChoices})
    GiveNewRecordsAUniqueKey(*table);

  tblCFGLOGO.SQL().SetLines({QStringLiteral("SELECT L.*"), QStringLiteral("FROM CFGLOGO L"),
                             QStringLiteral("LEFT JOIN CFGAGNCY A"),
                             QStringLiteral("  ON L.AGENCY = A.UNIQUEKEY"),
                             QStringLiteral("WHERE A.\"PRIMARY\" = 1")});
  qrySharedIni.SQL().SetLines(
      {QStringLiteral("SELECT /* 000046-000000 */"),
       QStringLiteral("/* TdtmMastCfg.qrySharedIni to be used only by TdtmMastCfg.SharedIni "
                      "functions */"),
       QStringLiteral("  VariableValue"), QStringLiteral("FROM"), QStringLiteral("  SHAREDINI"),
       QStringLiteral("WHERE"), QStringLiteral("  VariableGroup = :VariableGroup AND"),
       QStringLiteral("  VariableId = :VariableId")});
  qryAreaCode.SQL().SetLines(
      {QStringLiteral("SELECT TOP 1 AREACODE"), QStringLiteral("FROM AREACODE (READUNCOMMITTED)")});

  DataModuleCreate();
}

TdtmMastCfg::~TdtmMastCfg() = default;

void TdtmMastCfg::DataModuleCreate() {
  FJuvenileSuspectAge =
      SharedIniReadInteger(QStringLiteral("JuvenileAges"), QStringLiteral("S"), 18);
  FJuvenileVictimAge =
      SharedIniReadInteger(QStringLiteral("JuvenileAges"), QStringLiteral("V"), 18);
  FJuvenileAge =
      SharedIniReadInteger(QStringLiteral("JuvenileAges"), QStringLiteral("General"), 18);

  // "PRIMARY" is a reserved word and must stay quoted in the ORDER BY.
  tblCFGAGNCY.SetOrderFields(QStringLiteral("\"PRIMARY\";ORG_ABBREV"));
  tblEmpMast.SetOrderFields(QStringLiteral("CALLNO"));
  tblCfgChoices.SetOrderFields(QStringLiteral("GroupID;Priority;LongDescr"));

  if (KsConfigInfo()->IsMobile()) {
    // The agency a mobile workstation prints for is named in its own file.
    try {
      FMobileAgency = TKsMemIniFile::Load(KsConfigInfo()->KeystaneIni())
                          .ReadString(QStringLiteral("USER_DATA"), QStringLiteral("Agency"), {})
                          .trimmed();
    } catch (const std::exception&) {
      FMobileAgency.clear();
    }
  } else {
    ReadDefaultAreaCode();
  }
}

// The program itself never uses the area code, so a table that cannot be
// read leaves it empty instead of stopping start-up.
void TdtmMastCfg::ReadDefaultAreaCode() {
  try {
    qryAreaCode.Open();
    if (!qryAreaCode.IsEmpty())
      FDefaultAreaCode = qryAreaCode.FieldByName(QStringLiteral("AREACODE")).AsString().trimmed();
    qryAreaCode.Close();
  } catch (const std::exception&) {
    FDefaultAreaCode.clear();
    try {
      qryAreaCode.Close();
    } catch (...) {
    }
  }
}

QString TdtmMastCfg::AgencyFilter() {
  QString agency;
  if (KsConfigInfo()->IsMobile())
    agency = FMobileAgency;
  else if (OnGetUserAgency)
    agency = OnGetUserAgency().trimmed();
  if (agency.isEmpty()) return QStringLiteral("PRIMARY = TRUE");
  return QStringLiteral("ORG_ABBREV = ") + KsSQLText::QuotedStr(agency);
}

QString TdtmMastCfg::GetAgencyInfo(const QString& Item) {
  QString result = kNoAgencyInfo;
  try {
    if (tblCFGAGNCY.Active())
      tblCFGAGNCY.Refresh();
    else
      tblCFGAGNCY.Open();
    TUnfilterAfter unfilter(tblCFGAGNCY);
    tblCFGAGNCY.SetFilter(AgencyFilter());
    tblCFGAGNCY.SetFiltered(true);
    tblCFGAGNCY.First();
    const auto column = AgencyColumns().constFind(Item.trimmed().toUpper());
    if (!tblCFGAGNCY.IsEmpty() && column != AgencyColumns().constEnd()) {
      const TField& field = tblCFGAGNCY.FieldByName(*column);
      if (*column == QLatin1String("Pop_Served"))
        result = field.IsNull() ? QString() : QString::number(field.AsLargeInt());
      else
        result = field.AsString();
    }
  } catch (const std::exception&) {
    result = kNoAgencyInfo;
  }
  return result;
}

QString TdtmMastCfg::GetAgencyName() {
  return GetAgencyInfo(QStringLiteral("NAME"));
}

QImage TdtmMastCfg::GetLogoAsJpeg() {
  if (FPrimaryAgencyLogo) return *FPrimaryAgencyLogo;
  const bool wasOpen = tblCFGLOGO.Active();
  if (!wasOpen) tblCFGLOGO.Open();
  QImage logo;
  try {
    tblCFGLOGO.First();
    if (!tblCFGLOGO.IsEmpty()) {
      const TField& field = tblCFGLOGO.FieldByName(QStringLiteral("AgencyLogo"));
      // A blob that is no picture gives none; the reports print without it.
      if (!field.IsNull()) logo.loadFromData(field.AsBlob());
    }
  } catch (...) {
    if (!wasOpen) tblCFGLOGO.Close();
    throw;
  }
  if (!wasOpen) tblCFGLOGO.Close();
  FPrimaryAgencyLogo = logo;
  return logo;
}

QString TdtmMastCfg::SharedIniReadString(const QString& ASection, const QString& AIdent,
                                         const QString& ADefault) {
  QString result = ADefault;
  try {
    SharedIniStore::ReadValue(qrySharedIni, ASection, AIdent, result);
  } catch (const std::exception& e) {
    SharedIniStore::ShowError(e, kClass + QStringLiteral("SharedIniReadString"));
  }
  return result;
}

int TdtmMastCfg::SharedIniReadInteger(const QString& ASection, const QString& AIdent,
                                      int ADefault) {
  return SharedIniStore::TextToInteger(
      SharedIniReadString(ASection, AIdent, QString::number(ADefault)), ADefault);
}

bool TdtmMastCfg::SharedIniReadBool(const QString& ASection, const QString& AIdent, bool ADefault) {
  const QString text =
      SharedIniReadString(ASection, AIdent,
                          ADefault ? QStringLiteral("True") : QStringLiteral("False"))
          .trimmed();
  if (text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0) return true;
  if (text.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) return false;
  bool isNumber = false;
  const qlonglong number = text.toLongLong(&isNumber);
  return isNumber ? number != 0 : ADefault;
}

bool TdtmMastCfg::SharedIniCheckIfExist(const QString& ASection, const QString& AIdent) {
  try {
    return SharedIniStore::RowExists(qrySharedIniCheck, ASection, AIdent);
  } catch (const std::exception& e) {
    SharedIniStore::ShowError(e, kClass + QStringLiteral("SharedIniCheckIfExist"));
    return true;
  }
}

void TdtmMastCfg::SharedIniWriteString(const QString& ASection, const QString& AIdent,
                                       const QString& AValue) {
  const bool exists = SharedIniCheckIfExist(ASection, AIdent);
  try {
    SharedIniStore::WriteRow(qrySharedIniWrite, exists, ASection, AIdent, AValue);
  } catch (const std::exception& e) {
    SharedIniStore::ShowError(e, kClass + QStringLiteral("SharedIniWriteString"));
  }
}
