#include "app/StartupModules.h"

#include "config/dmMastCfg.h"
#include "core/ScriptedPrompts.h"
#include "data/dmJailAdminReports.h"
#include "data/sqlite/EmbeddedDatabaseSupport.h"
#include "data/sqlite/ServerLoginPasswords.h"
#include "fixtures/SuiteTestDatabase.h"
#include "security/dmAccess.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The data modules as start-up creates and wires them (everything before the
// catalogue window), on a suite where the user DEMO (personnel number 100)
// works for CCSO while CCJ is the primary agency.
class StartupModulesTest : public testing::Test {
 protected:
  void SetUp() override {
    InstallEmbeddedDatabaseSupport();
    Db.emplace();
    for (const char* sql : {
             "INSERT INTO EMPMAST (PERNO, NAME, PRIMARYAGENCY) VALUES ('100', 'SMITH, JANE', "
             "'CCSO')",
             "INSERT INTO CFGAGNCY (ORG_ABBREV, ORG, ORG_STATEA, [PRIMARY]) VALUES "
             "('CCJ', 'CLAY COUNTY JAIL', 'KS', 1), ('CCSO', 'CLAY COUNTY SHERIFF', 'MO', 0)",
         })
      Db->Exec(QString::fromUtf8(sql));
    Db->Exec(
        "INSERT INTO Users (UserName, PerNo, EncryptedPassword, PwdChangeNow) "
        "VALUES ('DEMO', '100', ?1, 0)",
        {ServerLoginHashPassword("DEMO2024")});
    PromptsScope.emplace(Prompts);
    for (const TStartupSlot& slot : ProgramStartupSlots())
      if (slot.Available() && slot.Step < TStartupSequence::StepCount) Slots.push_back(slot);
    for (const TStartupSlot& slot : Slots) {
      slot.Create();
      ++Created;
    }
  }

  void TearDown() override {
    for (int i = Created - 1; i >= 0; --i) Slots[size_t(i)].Destroy();
    PromptsScope.reset();
    Db.reset();
  }

  std::optional<TSuiteTestDatabase> Db;
  TScriptedPrompts Prompts;
  std::optional<TUserPromptsScope> PromptsScope;
  std::vector<TStartupSlot> Slots;
  int Created = 0;
};

TEST_F(StartupModulesTest, LogEntriesCarryTheUsersPersonnelNumber) {
  ASSERT_NE(dtmAccess, nullptr);
  ASSERT_NE(dtmJailAdminReports, nullptr);
  dtmAccess->SetUserName("DEMO", true);
  dtmJailAdminReports->xsJBUserName = "DEMO";
  dtmJailAdminReports->WriteJailReportsTransLog(QString(), QString(), etPrint, "JAILBOOK",
                                                "Inmate Reports, Roster");
  const TDbResult rows = Db->Run("SELECT USER_ID, USER_KEY FROM JailTransLog");
  ASSERT_EQ(rows.Rows.size(), 1u) << Prompts.Texts().join('\n').toStdString();
  EXPECT_EQ(rows.Rows[0][0].toString(), "DEMO");
  EXPECT_EQ(rows.Rows[0][1].toString(), "100");
  EXPECT_EQ(dtmJailAdminReports->GetCurrentUser().UserId, "100");
}

TEST_F(StartupModulesTest, ReportHeadersNameTheUsersOwnAgency) {
  ASSERT_NE(dtmMastCfg, nullptr);
  EXPECT_EQ(dtmMastCfg->GetAgencyInfo("NAME"), "CLAY COUNTY JAIL") << "nobody logged in yet";
  dtmAccess->SetUserName("DEMO", true);
  EXPECT_EQ(dtmMastCfg->GetAgencyInfo("NAME"), "CLAY COUNTY SHERIFF");
  dtmAccess->Logout();
  EXPECT_EQ(dtmMastCfg->GetAgencyInfo("NAME"), "CLAY COUNTY JAIL");
}

}  // namespace
