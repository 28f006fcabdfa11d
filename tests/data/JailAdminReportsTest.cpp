#include "data/dmJailAdminReports.h"

#include "config/dmJailAdminReportsConfig.h"
#include "config/dmMastCfg.h"
#include "core/RegionalFormats.h"
#include "core/ScriptedPrompts.h"
#include "data/KsWorkstation.h"
#include "data/sqlite/SqliteTempdb.h"
#include "fixtures/SuiteTestDatabase.h"

#include <gmock/gmock.h>

#include <memory>
#include <ostream>

namespace {

using testing::EndsWith;

// The session module on a real suite database, with the two configuration
// modules it reads from in their globals, as start-up leaves them.
class JailAdminReportsTest : public testing::Test {
 protected:
  void SetUp() override { InstallSqliteTempdb(); }
  void TearDown() override {
    dtmJailAdminReports = nullptr;
    FSession.reset();
    dtmJailAdminReportsConfig = nullptr;
    FConfig.reset();
    dtmMastCfg = nullptr;
    FMastCfg.reset();
    SetRegionalFormats(TRegionalFormats{});
  }

  TdtmJailAdminReports& Session() {
    if (!FSession) {
      FMastCfg = std::make_unique<TdtmMastCfg>();
      dtmMastCfg = FMastCfg.get();
      FConfig = std::make_unique<TdtmJailAdminReportsConfig>();
      dtmJailAdminReportsConfig = FConfig.get();
      FSession = std::make_unique<TdtmJailAdminReports>();
      dtmJailAdminReports = FSession.get();
    }
    return *FSession;
  }

  void AddFacility(const QString& id, const QString& description) {
    Suite.Exec(QStringLiteral("INSERT INTO CFGFACI (FACILITYID, FACILITYDESC) VALUES (?1, ?2)"),
               {id, description});
  }

  void AddBooking(const QString& bookNo, const QVariant& bookDate, const QVariant& relDate,
                  const QString& facility = QStringLiteral("MAIN"), int inJail = 1) {
    Suite.Exec(QStringLiteral("INSERT INTO JBHISTO (BOOKNO, BOOKDATE, RELDATE, FACICODE, "
                              "NAMERELEAS, UNIQUEKEY) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"),
               {bookNo, bookDate, relDate, facility, inJail, QStringLiteral("KEY-") + bookNo});
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
  std::unique_ptr<TdtmMastCfg> FMastCfg;
  std::unique_ptr<TdtmJailAdminReportsConfig> FConfig;
  std::unique_ptr<TdtmJailAdminReports> FSession;
};

TEST_F(JailAdminReportsTest, AScratchQueryKeepsNothingOfItsLastUser) {
  AddBooking(QStringLiteral("B1"), QStringLiteral("2024-01-01 10:00:00"), QVariant());
  TKsMSQuery& q = Session().qryGeneric;
  q.SQL().SetText(QStringLiteral(
      "SELECT COUNT(*) AS N FROM JBHISTO (READUNCOMMITTED) WHERE FACICODE = :FACICODE"));
  q.ParamByName(QStringLiteral("FACICODE")).SetAsString(QStringLiteral("MAIN"));
  q.Open();
  EXPECT_EQ(q.FieldByName(QStringLiteral("N")).AsInteger(), 1);

  ResetScratchQuery(q);
  EXPECT_FALSE(q.Active());
  EXPECT_TRUE(q.SQL().Text().isEmpty());
  EXPECT_EQ(q.ParamCount(), 0);

  // The next report forgets to bind its facility: it finds nothing instead
  // of the last report's facility.
  q.SQL().SetText(QStringLiteral(
      "SELECT COUNT(*) AS N FROM JBHISTO (READUNCOMMITTED) WHERE FACICODE = :FACICODE"));
  q.Open();
  EXPECT_EQ(q.FieldByName(QStringLiteral("N")).AsInteger(), 0);
}

TEST_F(JailAdminReportsTest, TheScratchQueriesWorkOnTheJailConnection) {
  TdtmJailAdminReports& s = Session();
  for (TKsMSQuery* q :
       {&s.qryGeneric, &s.qryGeneric2, &s.qryGeneric3, &s.qryGeneric4, &s.qryGeneric5})
    EXPECT_EQ(q->Connection(), &s.dbJail) << q->Name().toStdString();
  EXPECT_TRUE(s.qryGeneric4.ReadOnly());
  EXPECT_FALSE(s.qryGeneric4.RecordLocksMake());
  EXPECT_EQ(s.GetDatabaseConnection(), &s.dbJail);
  EXPECT_EQ(s.dbJail.ProgramName(), QStringLiteral("JAIL"));
  EXPECT_EQ(s.dbArrest.ProgramName(), QStringLiteral("ARREST"));
  EXPECT_EQ(s.dbCFG.ProgramName(), QStringLiteral("CFG"));
}

// What the login's facility choice reads after the dialog.
QString ChosenFacility() {
  TKsCustomDataSet& table = *dtmJailAdminReports->dlstSelectFaci.LookupTable;
  return table.FieldByName(QStringLiteral("FACILITYID")).AsString() + QLatin1Char('|') +
         table.FieldByName(QStringLiteral("FACILITYDESC")).AsString();
}

TEST_F(JailAdminReportsTest, TheFacilityDialogLeavesTheFacilityTableOnTheChoice) {
  AddFacility(QStringLiteral("MAIN"), QStringLiteral("Main Jail"));
  AddFacility(QStringLiteral("ANNEX"), QStringLiteral("North Annex"));
  Prompts.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("MAIN"));
  Prompts.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("Cancel"));
  TKsLookupDialog& dialog = Session().dlstSelectFaci;
  EXPECT_EQ(dialog.LookupTable, &dtmJailAdminReportsConfig->tblCFGFACI);

  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(ChosenFacility(), QStringLiteral("MAIN|Main Jail"));
  EXPECT_EQ(Prompts.Prompts()[0].Buttons, QStringList({"ANNEX", "MAIN"}));
  EXPECT_EQ(Prompts.Prompts()[0].Caption, QStringLiteral("Select Your Facility"));

  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(ChosenFacility(), QStringLiteral("MAIN|Main Jail")) << "a cancel moves nothing";
}

struct TDaysCase {
  const char* Name;
  QVariant BookDate;
  QVariant RelDate;
  int Days;
};

void PrintTo(const TDaysCase& c, std::ostream* os) {
  *os << c.Name;
}

class GetDaysServeTest : public JailAdminReportsTest,
                         public testing::WithParamInterface<TDaysCase> {};

TEST_P(GetDaysServeTest, CountsTheRoundedDaysBetweenBookingAndRelease) {
  const TDaysCase& c = GetParam();
  AddBooking(QStringLiteral("B1"), c.BookDate, c.RelDate);
  TKsMSQuery& q = Session().qryGeneric;
  q.SQL().SetText(QStringLiteral("SELECT BOOKDATE, RELDATE, UNIQUEKEY FROM JBHISTO"));
  q.Open();
  EXPECT_EQ(Session().GetDaysServe(q, QStringLiteral("BOOKDATE"), QStringLiteral("RELDATE")),
            c.Days);
  q.Edit();
  EXPECT_EQ(Session().GetDaysServe(q, QStringLiteral("BOOKDATE"), QStringLiteral("RELDATE")), 0)
      << "not while the record is being edited";
  q.Cancel();
}

QString DaysAgo(int days) {
  return WorkstationNow().date().addDays(-days).toString(Qt::ISODate) + QStringLiteral(" 00:00:00");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetDaysServeTest,
    testing::Values(
        TDaysCase{"ReleasedNearlyTwoDaysLater", "2024-01-01 10:00:00", "2024-01-03 09:00:00", 2},
        TDaysCase{"ReleaseTwoDaysBeforeBooking", "2024-01-03 10:00:00", "2024-01-01 10:00:00", 2},
        TDaysCase{"HalfADayRoundsToEven", "2024-01-01 00:00:00", "2024-01-01 12:00:00", 0},
        TDaysCase{"OneAndAHalfDaysRoundToEven", "2024-01-01 00:00:00", "2024-01-02 12:00:00", 2},
        TDaysCase{"NoBookingDate", QVariant(), "2024-01-02 12:00:00", 0},
        TDaysCase{"StillInJailCountsToToday", DaysAgo(5), QVariant(), 5}),
    [](const testing::TestParamInfo<TDaysCase>& info) { return std::string(info.param.Name); });

TEST_F(JailAdminReportsTest, TheCurrentUserIsEmptyUntilTheLoginCompletes) {
  TdtmJailAdminReports& s = Session();
  int lookups = 0;
  s.OnGetPersonnelNumber = [&lookups](const QString& login) {
    ++lookups;
    return login == QStringLiteral("JDOE") ? QStringLiteral("P-1042") : QString();
  };
  TUserInformation user = s.GetCurrentUser();
  EXPECT_TRUE(user.UserName.isEmpty());
  EXPECT_TRUE(user.UserId.isEmpty());
  EXPECT_EQ(lookups, 0);

  s.xsJBUserName = QStringLiteral("JDOE");
  user = s.GetCurrentUser();
  EXPECT_EQ(user.UserName, QStringLiteral("JDOE"));
  EXPECT_EQ(user.UserId, QStringLiteral("P-1042"));
}

TEST_F(JailAdminReportsTest, AnUnreachableChoiceTableIsReportedAndCreationGoesOn) {
  Suite.Exec(QStringLiteral("DROP TABLE CfgChoices"));
  TdtmJailAdminReports& s = Session();
  ASSERT_EQ(Prompts.Count(TPromptKind::pkWarning), 1);
  EXPECT_THAT(Prompts.Texts(TPromptKind::pkWarning)[0].toStdString(),
              EndsWith(" / Procedure: TdtmJailAdminReports.DataModuleCreate"));
  EXPECT_EQ(FormatCurrency(-1234.5), QStringLiteral("-$1,234.50"));
  s.qryGeneric.SQL().SetText(QStringLiteral("SELECT COUNT(*) AS N FROM CFGFACI"));
  s.qryGeneric.Open();
  EXPECT_EQ(s.qryGeneric.FieldByName(QStringLiteral("N")).AsInteger(), 0);
}

TEST_F(JailAdminReportsTest, CreationRefreshesTheChoiceTableOfTheMasterConfiguration) {
  Suite.Exec(QStringLiteral("INSERT INTO CfgChoices (GroupID, ChoiceID) VALUES ('RACE', 'W')"));
  Session();
  EXPECT_TRUE(dtmMastCfg->tblCfgChoices.Active());
  EXPECT_EQ(dtmMastCfg->tblCfgChoices.RecordCount(), 1);
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(JailAdminReportsTest, ANewAverageStayRowGetsItsKey) {
  TKsMSTable& stay = Session().tblAveStay;
  stay.Open();
  stay.Append();
  const QString key = stay.FieldByName(QStringLiteral("UNIQUEKEY")).AsString();
  EXPECT_EQ(key.size(), 22);
  stay.FieldByName(QStringLiteral("AVERAGE")).SetAsFloat(12.5);
  stay.FieldByName(QStringLiteral("YEAR")).SetAsInteger(2024);
  stay.Post();
  EXPECT_EQ(Suite.Scalar(QStringLiteral("SELECT UNIQUEKEY FROM JBAVERAGE")).toString(), key);
}

TEST_F(JailAdminReportsTest, TheTransactionLogEntryNamesTheUser) {
  Session().xsJBUserName = QStringLiteral("JDOE");
  Session().WriteJailReportsTransLog(QString(), QString(), etPrint, QStringLiteral("JAILBOOK"),
                                     QStringLiteral("Inmate Reports, By Name, Active, Short"));
  const TDbResult rows = Suite.Run(
      QStringLiteral("SELECT USER_ID, NOTE1, NOTE2, EVENT, EVENT_TABLE FROM JailTransLog"));
  ASSERT_EQ(rows.Rows.size(), 1u);
  EXPECT_EQ(rows.Rows[0][0].toString(), QStringLiteral("JDOE"));
  EXPECT_EQ(rows.Rows[0][1].toString(), QStringLiteral("Jail Reports Module"));
  EXPECT_EQ(rows.Rows[0][2].toString(), QStringLiteral("Inmate Reports, By Name, Active, Short"));
  EXPECT_EQ(rows.Rows[0][3].toInt(), int(etPrint));
  EXPECT_EQ(rows.Rows[0][4].toString(), QStringLiteral("JAILBOOK"));
  EXPECT_TRUE(Prompts.Prompts().empty());
}

}  // namespace
