#include "app/JBReportsMainModules.h"

#include "config/DataModuleConfigInfo.h"
#include "config/KsConfigInfo.h"
#include "config/dmJAILCFG.h"
#include "config/dmJailAdminReportsConfig.h"
#include "config/dmMastCfg.h"
#include "config/dmSharedINI.h"
#include "data/KsLookupDialog.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"
#include "reports/framework/DateEntryModels.h"
#include "security/dmAccess.h"

namespace {
// The access module is the first module start-up creates; without it there
// is nobody to log in.
TdtmAccess& Access() {
  if (!dtmAccess) throw Exception(QStringLiteral("The access module is not available."));
  return *dtmAccess;
}

TdtmJailAdminReportsConfig& ReportsConfig() {
  if (!dtmJailAdminReportsConfig)
    throw Exception(QStringLiteral("The jail configuration module is not available."));
  return *dtmJailAdminReportsConfig;
}

void OpenIfClosed(TKsCustomDataSet& ADataSet) {
  if (!ADataSet.Active()) ADataSet.Open();
}

void PrepareConnection(TKsSQLDatabase& ADatabase, TKsCustomConfigInfo* AConfigInfo,
                       const QString& AProgramName) {
  ADatabase.SetKsConfigInfo(AConfigInfo);
  ADatabase.SetProgramName(AProgramName);
  ADatabase.SetLoginPrompt(false);
}
}  // namespace

struct TJBReportsMainModules::TData {
  explicit TData(TKsCustomConfigInfo* AConfigInfo) : ConfigInfo(AConfigInfo) {
    PrepareConnection(dbJail, ConfigInfo.Get(), QStringLiteral("JAIL"));
    PrepareConnection(dbCFG, ConfigInfo.Get(), QStringLiteral("CFG"));
    qryGeneric.SetConnection(&dbJail);
    tblJailTransLog.SetConnection(&dbJail);
    tblJailTransLog.SQL().SetLines(
        {QStringLiteral("Select top 5"),
         QStringLiteral("[KEY1], [KEY2], [KEY3], [NOTE1], [NOTE2], [NOTE3], [USER_ID], "),
         QStringLiteral("[USER_KEY], [EVENT], [EVENT_TABLE], [EVENT_STAMP], [EVENT_DATE], "),
         QStringLiteral("[EVENT_TIME], [UNIQUEKEY]"), QStringLiteral("From"),
         QStringLiteral("  JailTransLog (ReadUnCommitted)")});
  }

  TDataModuleConfigInfo ConfigInfo;
  TKsSQLDatabase dbJail{QStringLiteral("dbJail")};
  TKsSQLDatabase dbCFG{QStringLiteral("dbCFG")};
  TKsMSQuery qryGeneric{QStringLiteral("qryGeneric")};
  TKsLookupDialog dlstSelectFaci{QStringLiteral("dlstSelectFaci")};
  TKsMSQuery tblJailTransLog{QStringLiteral("tblJailTransLog")};
};

TJBReportsMainModules::TJBReportsMainModules()
    : FData(std::make_unique<TData>(dtmAccess ? dtmAccess->KsConfigInfo() : nullptr)) {}

TJBReportsMainModules::~TJBReportsMainModules() = default;

QString TJBReportsMainModules::EmployeeListSQL() {
  return QStringLiteral(
      "SELECT [PERNO], [HIDE], [SSN], [LNAME], [FNAME], [MNAME], [TITLE],[NAME], [EMPID], "
      "[CALLNO], [CALLNONEW], [CALLNOOLD], [CALLNOARC],[CALLNOB], [CLASS], [RANK], [UNIT_POS], "
      "[UNIT], [AGENCY], [UNIT01],[UNIT01_POS], [UNIT02], [UNIT02_POS], [UNIT03], [UNIT03_POS], "
      "[UNIT04],[UNIT04_POS], [UNIT05], [UNIT05_POS], [UNIT06], [UNIT06_POS], [UNIT07],"
      "[UNIT07_POS], [UNIT08], [UNIT08_POS], [UNIT09], [UNIT09_POS], [UNIT10],[UNIT10_POS], "
      "[DISPZONE], [OFFICE_NO], [OFFICE_EXT], [PAGER], [PAGE_TYPE],[CELLULAR], [VOICE], "
      "[VOICE_EXT], [EMAIL], [OTHER], [PAGE_GTW], [APPOINTD],[HIRED], [T4_TIMER_DISABLED], "
      "[DOB], [FKA],[IsApparatus],[SEX], [RACE], [MADDRESS], [MCITY], [MSTATE], [MZIP], "
      "[ADDRESS], [CITY],[STATE], [ZIP], [PHONE], [UNLISTED], [PRIMARYAGENCY], [POP], [SMTP],"
      "[SECOND_CONTACT], [CICEXPDATE], [CICEXPDAYS], [CICSHOWMESSAGE], [CICLOGINNAME],"
      "[CICPASSWORD], [UNIQUEKEY], [BloodType], [SpecialSkills], [RADIO_ASSIGNED],"
      "[BADGE_NUMBER] FROM EMPMAST (READUNCOMMITTED) WHERE (HIDE = 0 OR HIDE IS NULL)");
}

void TJBReportsMainModules::OpenConfiguration() {
  TdtmJailAdminReportsConfig& config = ReportsConfig();
  for (TKsCustomDataSet* table : {static_cast<TKsCustomDataSet*>(&config.tblCFGCELL),
                                  static_cast<TKsCustomDataSet*>(&config.tblCFGDOORMS),
                                  static_cast<TKsCustomDataSet*>(&config.tblImateStatus)})
    OpenIfClosed(*table);
  if (!dtmMastCfg) throw Exception(QStringLiteral("The master configuration is not available."));
  OpenIfClosed(dtmMastCfg->tblCFGLOGO);
  // Hidden employees drop out of every employee list from here on.
  TKsMSTable& employees = dtmMastCfg->tblEmpMast;
  employees.Close();
  employees.SQL().SetText(EmployeeListSQL());
  employees.Open();
}

QString TJBReportsMainModules::Login(const QString& ACaption) {
  return Access().Login(ACaption, true);
}

void TJBReportsMainModules::SetCommandLineUser(const QString& AUserName) {
  Access().SetUserName(AUserName, true);
}

QString TJBReportsMainModules::GetAccessLevel(const QString& AUserName, const QString& ASuite,
                                              const QString& AModule, const QString& ASection) {
  return Access().GetAccessLevel(AUserName, ASuite, AModule, ASection);
}

std::vector<TFacilityRow> TJBReportsMainModules::Facilities() {
  TKsMSQuery& table = ReportsConfig().tblCFGFACI;
  OpenIfClosed(table);
  std::vector<TFacilityRow> rows;
  for (table.First(); !table.Eof(); table.Next())
    rows.push_back({table.FieldByName(QStringLiteral("FACILITYID")).AsString(),
                    table.FieldByName(QStringLiteral("FACILITYDESC")).AsString()});
  table.First();
  return rows;
}

bool TJBReportsMainModules::SelectFacility(TFacilityRow& AChosen) {
  TKsMSQuery& table = ReportsConfig().tblCFGFACI;
  TKsLookupDialog& dialog = FData->dlstSelectFaci;
  if (dialog.LookupTable != &table) SetUpFacilityDialog(dialog, &table);
  if (!dialog.Execute()) return false;
  AChosen = {table.FieldByName(QStringLiteral("FACILITYID")).AsString(),
             table.FieldByName(QStringLiteral("FACILITYDESC")).AsString()};
  return true;
}

int TJBReportsMainModules::CountInmatesInJail(const QString& AFacilityId) {
  TKsMSQuery& query = FData->qryGeneric;
  query.Close();
  query.UnPrepare();
  query.SQL().Clear();
  query.SQL().Add(QStringLiteral("SELECT Count(BOOKNO) As InmatesInJail FROM JBHISTO "
                                 "(READUNCOMMITTED) WHERE NAMERELEAS = 1 AND FACICODE = ") +
                  QuotedSqlString(AFacilityId));
  query.Open();
  const int count = query.FieldByName(QStringLiteral("InmatesInJail")).AsInteger();
  query.Close();
  return count;
}

int TJBReportsMainModules::DaysUntilNextReclass() {
  // Start-up creates the shared settings module; it is made here if it is
  // gone, as every user of the settings does.
  if (!dtmSharedINI) dtmSharedINI = new TdtmSharedINI(FData->ConfigInfo.Get());
  return dtmSharedINI->GetIntegerValue(QStringLiteral("Booking"),
                                       QStringLiteral("DaysUntilNextReclass"), 30);
}

QString TJBReportsMainModules::AgencyName() {
  return dtmMastCfg ? dtmMastCfg->GetAgencyInfo(QStringLiteral("NAME")).trimmed() : QString();
}

void TJBReportsMainModules::WriteTransLog(TksTransEventType AEvent, const QString& ANote) {
  WriteReportsTransLogEntry(&FData->tblJailTransLog, FSession.xsJBUserName, QString(), QString(),
                            AEvent, QString(), ANote);
}

bool TJBReportsMainModules::ExecuteDateRangeEntry(const QString& ACaption,
                                                  const QString& AInstructions, QDate& AStart,
                                                  QDate& AEnd) {
  return ::ExecuteDateRangeEntry(ACaption, AInstructions, AStart, AEnd);
}

TKsSQLDatabase* TJBReportsMainModules::ConfigConnection() {
  return &FData->dbCFG;
}

QString TJBReportsMainModules::ConfigFile() {
  TKsCustomConfigInfo* info = FData->ConfigInfo.Get();
  return info ? info->KeystaneIni() : QString();
}

QString TJBReportsMainModules::ConnectString() {
  TKsCustomConfigInfo* info = FData->ConfigInfo.Get();
  return info ? info->ConnectionString() : QString();
}

QString TJBReportsMainModules::HelpFilePath() {
  TKsCustomConfigInfo* info = FData->ConfigInfo.Get();
  return info ? info->HelpFilePath() : QString();
}

void TJBReportsMainModules::PublishSession() {
  // The session module takes these values once it is part of the build.
}
