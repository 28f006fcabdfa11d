#include "app/JBReportsMainModules.h"
#include "data/KsSQLText.h"

#include "config/KsConfigInfo.h"
#include "config/dmJailAdminReportsConfig.h"
#include "config/dmMastCfg.h"
#include "config/dmSharedINI.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"
#include "data/dmJailAdminReports.h"
#include "reports/framework/DateEntryModels.h"
#include "security/dmAccess.h"

namespace {
template <class T>
T& Module(T* AGlobal, const char* AName) {
  if (!AGlobal)
    throw Exception(QStringLiteral("The module %1 is not available.").arg(QLatin1String(AName)));
  return *AGlobal;
}

TdtmAccess& Access() {
  return Module(dtmAccess, "dtmAccess");
}

TdtmJailAdminReportsConfig& ReportsConfig() {
  return Module(dtmJailAdminReportsConfig, "dtmJailAdminReportsConfig");
}

void OpenIfClosed(TKsCustomDataSet& ADataSet) {
  if (!ADataSet.Active()) ADataSet.Open();
}
}  // namespace

TdtmJailAdminReports& TJBReportsMainModules::Session() {
  return Module(dtmJailAdminReports, "dtmJailAdminReports");
}

bool TJBReportsMainModules::HasSession() const {
  return dtmJailAdminReports != nullptr;
}

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
  TdtmMastCfg& mastCfg = Module(dtmMastCfg, "dtmMastCfg");
  OpenIfClosed(mastCfg.tblCFGLOGO);
  TdtmJailAdminReportsConfig& config = ReportsConfig();
  OpenIfClosed(config.tblCFGCELL);
  OpenIfClosed(config.tblCFGDOORMS);
  OpenIfClosed(config.tblImateStatus);
  // Hidden employees drop out of every employee list from here on.
  TKsMSTable& employees = mastCfg.tblEmpMast;
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
  if (!Session().dlstSelectFaci.Execute()) return false;
  AChosen = {table.FieldByName(QStringLiteral("FACILITYID")).AsString(),
             table.FieldByName(QStringLiteral("FACILITYDESC")).AsString()};
  return true;
}

int TJBReportsMainModules::CountInmatesInJail(const QString& AFacilityId) {
  TKsMSQuery& query = Session().qryGeneric;
  ResetScratchQuery(query);
  query.SQL().Add(QStringLiteral("SELECT Count(BOOKNO) As InmatesInJail FROM JBHISTO "
                                 "(READUNCOMMITTED) WHERE NAMERELEAS = 1 AND FACICODE = ") +
                  KsSQLText::QuotedStr(AFacilityId));
  query.Open();
  const int count = query.FieldByName(QStringLiteral("InmatesInJail")).AsInteger();
  query.Close();
  return count;
}

int TJBReportsMainModules::DaysUntilNextReclass() {
  if (!dtmSharedINI) dtmSharedINI = new TdtmSharedINI(Session().KsConfigInfo());
  return dtmSharedINI->GetIntegerValue(QStringLiteral("Booking"),
                                       QStringLiteral("DaysUntilNextReclass"), 30);
}

QString TJBReportsMainModules::AgencyName() {
  return Module(dtmMastCfg, "dtmMastCfg").GetAgencyInfo(QStringLiteral("NAME")).trimmed();
}

void TJBReportsMainModules::WriteTransLog(TksTransEventType AEvent, const QString& ANote) {
  Session().WriteJailReportsTransLog(QString(), QString(), AEvent, QString(), ANote);
}

bool TJBReportsMainModules::ExecuteDateRangeEntry(const QString& ACaption,
                                                  const QString& AInstructions, QDate& AStart,
                                                  QDate& AEnd) {
  return ::ExecuteDateRangeEntry(ACaption, AInstructions, AStart, AEnd);
}

TKsSQLDatabase* TJBReportsMainModules::ConfigConnection() {
  return &Session().dbCFG;
}

QString TJBReportsMainModules::ConfigFile() {
  TKsCustomConfigInfo* info = Access().KsConfigInfo();
  return info ? info->KeystaneIni() : QString();
}

QString TJBReportsMainModules::ConnectString() {
  TKsCustomConfigInfo* info = Access().KsConfigInfo();
  return info ? info->ConnectionString() : QString();
}

QString TJBReportsMainModules::HelpFilePath() {
  TKsCustomConfigInfo* info = Access().KsConfigInfo();
  return info ? info->HelpFilePath() : QString();
}
