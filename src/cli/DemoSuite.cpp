#include "cli/DemoSuite.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoNames.h"
#include "cli/DemoTableWriter.h"
#include "data/sqlite/ServerLoginPasswords.h"

#include <QSet>

const std::vector<TDemoUser>& DemoUsers() {
  static const std::vector<TDemoUser> users = {
      {"DEMO", "TALLY2024", "9001", "DEMO ADMINISTRATOR"},
      {"CLERK", "RECORDS2024", "9002", "RECORDS CLERK"},
  };
  return users;
}

namespace {

struct TAgencyPlan {
  const char* Abbrev;
  const char* Org;
  const char* City;
  bool Primary, Arresting, Billed;
  double Rate;
  bool FirstDay, LastDay, CheckOut, CheckIn;
};

const TAgencyPlan kAgencies[] = {
    {"CCSO", "COLUMBIA COUNTY SHERIFF'S OFFICE", "LAKE CITY", true, true, false, 0, false, false,
     false, false},
    {"LCPD", "LAKE CITY POLICE DEPARTMENT", "LAKE CITY", false, true, false, 0, false, false, false,
     false},
    {"FHP", "FLORIDA HIGHWAY PATROL", "TALLAHASSEE", false, true, false, 0, false, false, false,
     false},
    {"FWC", "FISH AND WILDLIFE CONSERVATION COMMISSION", "TALLAHASSEE", false, true, false, 0,
     false, false, false, false},
    {"USMS", "UNITED STATES MARSHALS SERVICE", "JACKSONVILLE", false, false, true, 78.50, true,
     false, true, false},
    {"ICE", "IMMIGRATION AND CUSTOMS ENFORCEMENT", "MIAMI", false, false, true, 85.00, true, true,
     false, false},
    {"SCSO", "SUWANNEE COUNTY SHERIFF'S OFFICE", "LIVE OAK", false, false, true, 55.00, false,
     false, false, true},
    {"FDC", "FLORIDA DEPARTMENT OF CORRECTIONS", "TALLAHASSEE", false, false, true, 42.75, true,
     true, true, true},
    {"BCSO", "BAKER COUNTY SHERIFF'S OFFICE", "MACCLENNY", false, false, false, 0, false, false,
     false, false},
};

}  // namespace

void BuildDemoStaff(TDemoContext& context) {
  int n = 0;
  for (const TAgencyPlan& plan : kAgencies) {
    TDemoAgency a;
    a.Key = DemoFixedKey("AGCY", ++n);
    a.Abbrev = QLatin1String(plan.Abbrev);
    a.Org = QLatin1String(plan.Org);
    a.City = QLatin1String(plan.City);
    a.State = QStringLiteral("FL");
    a.Primary = plan.Primary;
    a.Arresting = plan.Arresting;
    a.Billed = plan.Billed;
    a.Rate = plan.Rate;
    a.ChargeFirstDay = plan.FirstDay;
    a.ChargeLastDay = plan.LastDay;
    a.ChargeCheckOut = plan.CheckOut;
    a.ChargeCheckIn = plan.CheckIn;
    context.Agencies.push_back(a);
  }

  TDemoRandom r = context.Random("staff");
  QSet<QString> userNames;
  const int officers = context.Sized(40, 12);
  for (int i = 0; i < officers; ++i) {
    TDemoEmployee e;
    e.PerNo = QString::number(1001 + i);
    e.FName = QLatin1String(r.Chance(0.3) ? r.Pick(DemoNames::FemaleFirst())
                                          : r.Pick(DemoNames::MaleFirst()));
    e.LName = QLatin1String(r.Pick(DemoNames::Last()));
    QString user = e.FName.left(1) + e.LName;
    user.remove(QLatin1Char('\'')).remove(QLatin1Char(' ')).remove(QLatin1Char('.')).truncate(16);
    for (int k = 2; userNames.contains(user); ++k) user = user.left(14) + QString::number(k);
    userNames.insert(user);
    e.UserName = user;
    context.Officers.push_back(e);
  }
}

namespace {

void WriteAgencies(TDemoContext& context, TDemoRandom& r) {
  TDemoTableWriter w(context.Db(), QStringLiteral("CFGAGNCY"));
  for (const TDemoAgency& a : context.Agencies) {
    w.Set("ORG", a.Org)
        .Set("ORG_ABBREV", a.Abbrev)
        .Set("ORG_COUNTY", context.CountyName())
        .Set("ORG_STATE", QStringLiteral("FLORIDA"))
        .Set("ORG_STATEA", a.State)
        .Set("ORG_HEAD", a.Primary ? QStringLiteral("SHERIFF MARK HUNTER")
                                   : QStringLiteral("CHIEF ADMINISTRATOR"))
        .Set("ORG_TITLE", a.Primary ? QStringLiteral("SHERIFF") : QStringLiteral("DIRECTOR"))
        .Set("ORG_ADD", QStringLiteral("4917 US HWY 90 E"))
        .Set("ORG_CITY", a.City)
        .Set("ORG_ZIP", QStringLiteral("32055"))
        .Set("ORG_MADD", QStringLiteral("P.O. BOX 3%1").arg(r.Digits(3)))
        .Set("ORG_MCITY", a.City)
        .Set("ORG_MSTATE", a.State)
        .Set("ORG_MZIP", QStringLiteral("32056"))
        .Set("ORG_PHONE", QStringLiteral("386-752-%1").arg(r.Digits(4)))
        .Set("ORI", QStringLiteral("FL012%1").arg(r.Digits(4)))
        .Set("Pop_Served", a.Primary ? 71686 : 0)
        .Set("PRIMARY", a.Primary)
        .Set("UNIQUEKEY", a.Key);
    w.Insert();
  }
  TDemoTableWriter areaCodes(context.Db(), QStringLiteral("AREACODE"));
  areaCodes.Set("AREACODE", QStringLiteral("386")).Set("UNIQUEKEY", DemoFixedKey("AREA", 1));
  areaCodes.Insert();
  TDemoTableWriter logo(context.Db(), QStringLiteral("CFGLOGO"));
  logo.Set("AGENCY", context.PrimaryAgency().Key)
      .Set("AgencyLogo", context.Logo)
      .Set("UNIQUEKEY", DemoFixedKey("LOGO", 1));
  logo.Insert();
}

void WriteEmployees(TDemoContext& context) {
  TDemoTableWriter w(context.Db(), QStringLiteral("EMPMAST"));
  const QString agency = context.PrimaryAgency().Abbrev;
  int callNo = 100;
  auto write = [&](const QString& perNo, const QString& last, const QString& first, bool hide) {
    ++callNo;
    w.Set("PERNO", perNo)
        .Set("HIDE", hide)
        .Set("LNAME", last)
        .Set("FNAME", first)
        .Set("NAME", (last + QStringLiteral(", ") + first))
        .Set("CALLNO", QString::number(callNo))
        .Set("AGENCY", agency)
        .Set("PRIMARYAGENCY", agency)
        .Set("OFFICE_NO", QStringLiteral("386-758-%1").arg(callNo + 1000))
        .Set("UNIQUEKEY", DemoFixedKey("EMP", callNo));
    w.Insert();
  };
  for (const TDemoEmployee& e : context.Officers) write(e.PerNo, e.LName, e.FName, false);
  for (const TDemoUser& u : DemoUsers()) {
    const QString name = QLatin1String(u.Name);
    write(QLatin1String(u.PerNo), name.section(QLatin1Char(' '), 1),
          name.section(QLatin1Char(' '), 0, 0), false);
  }
  // A retired employee, hidden from the lists.
  write(QStringLiteral("0999"), QStringLiteral("FORMER"), QStringLiteral("EMPLOYEE"), true);
}

void WriteSettings(TDemoContext& context) {
  TDemoTableWriter w(context.Db(), QStringLiteral("SharedINI"));
  const char* const kSettings[][3] = {
      {"JailReports", "ShowWitnessSignatures", "TRUE"},
      {"JailReports", "ChargeForFirstDayInJurisdiction", "FALSE"},
      {"JailReports", "ChargeForLastDayInJurisdiction", "FALSE"},
      {"JailReports", "CaptureSignatures", "FALSE"},
      {"JailReports", "FelonyFlag", "F"},
      {"JailReports", "MisdemeanorFlag", "M"},
      {"JailReports", "InmateInJailForXDaysReport", "90"},
      {"Booking", "DaysUntilNextReclass", "30"},
      {"Booking", "FirsAppereanceReportCutOffTimeUsed", "FALSE"},
      {"Booking", "FirsAppereanceReportCutOffTime", "00:00"},
      {"VedaVavi", "ShowICENumberOnWristBand", "FALSE"},
      {"VedaVavi", "ShowPhonePinOnWristBand", "FALSE"},
      {"VedaVavi", "ShowXFieldAsBarcodeOnWristBand", "BOOKNO"},
      {"MastConfig", "DOCReportFacilityId", "12345"},
      {"MastConfig", "DOCReportCountyId", "12"},
      {"JuvenileAges", "General", "18"},
      {"JuvenileAges", "S", "18"},
      {"JuvenileAges", "V", "18"},
      {"UserStrings", "BondByLabel", "LEO"},
  };
  int n = 0;
  for (const auto& s : kSettings) {
    w.Set("VariableGroup", s[0]).Set("VariableId", s[1]).Set("VariableValue", s[2]);
    w.Set("UNIQUEKEY", DemoFixedKey("SINI", ++n)).Insert();
  }
}

void WriteChoices(TDemoContext& context) {
  TDemoTableWriter w(context.Db(), QStringLiteral("CfgChoices"));
  int priority = 0;
  for (const TDemoCode& type : DemoPropertyTypes()) {
    ++priority;
    w.Set("GroupID", DemoPropertyGroup())
        .Set("ChoiceID", type.Code)
        .Set("ShortDescr", type.Desc)
        .Set("LongDescr", type.Desc)
        .Set("Priority", priority)
        .Set("UniqueKey", DemoFixedKey("CHOI", priority));
    w.Insert();
  }
}

void WriteUsers(TDemoContext& context) {
  InitServerLoginCrypto();
  TDemoTableWriter users(context.Db(), QStringLiteral("Users"));
  TDemoTableWriter access(context.Db(), QStringLiteral("AccessV4"));
  int n = 0;
  for (const TDemoUser& u : DemoUsers()) {
    users.Set("UserName", u.UserName)
        .Set("PerNo", u.PerNo)
        .Set("UseWindowsAuthentication", false)
        .Set("EncryptedPassword", ServerLoginHashPassword(QLatin1String(u.Password)))
        .Set("PwdLastChanged", context.Now())
        .Set("PwdChangeNow", false)
        .Set("UNIQUEKEY", DemoFixedKey("USER", ++n));
    users.Insert();
  }
  // Suite, module, section, and the levels of DEMO and CLERK ("" = no row).
  const char* const kLevels[][5] = {
      {"JAIL", "JAILADMIN", "RUN", "FA", "FA"},   {"JAIL", "JAILINSID", "RUN", "FA", "RO"},
      {"JAIL", "JAILINFIRM", "RUN", "FA", "RO"},  {"JAIL", "JAILTRANS", "RUN", "FA", "RO"},
      {"JAIL", "JAILCLASSI", "RUN", "FA", "RO"},  {"JAIL", "JAILVISIT", "RUN", "FA", "FA"},
      {"JAIL", "JAILSENTE", "RUN", "FA", "RO"},   {"JAIL", "ALL_APPS", "VIEWJUV", "FA", "XX"},
      {"RMS", "ALL_APPS", "VIEWJUV", "FA", "XX"}, {"JAIL", "JAILBOOK", "VIEW_SEALED", "FA", ""},
      {"JAIL", "JAILBOOK", "SEAL", "FA", ""},
  };
  for (size_t u = 0; u < DemoUsers().size(); ++u) {
    for (const auto& row : kLevels) {
      const char* level = row[3 + u];
      if (!*level) continue;
      access.Set("PerNo", DemoUsers()[u].PerNo)
          .Set("Suite", row[0])
          .Set("Module", row[1])
          .Set("Section", row[2])
          .Set("Level", level)
          .Set("UNIQUEKEY", DemoFixedKey("ACCS", ++n));
      access.Insert();
    }
  }
}

}  // namespace

void WriteDemoSuite(TDemoContext& context) {
  TDemoRandom r = context.Random("suite");
  WriteAgencies(context, r);
  WriteEmployees(context);
  WriteSettings(context);
  WriteChoices(context);
  WriteUsers(context);
}
