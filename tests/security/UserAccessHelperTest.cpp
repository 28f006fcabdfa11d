#include "SecurityTestDb.h"

#include "security/UserAccessHelper.h"

#include <sqlite3.h>

namespace {

// Counts the statements a connection component sends that name a table:
// the queries that really reach the database.
class TStatementCounter {
 public:
  TStatementCounter(TKsSQLDatabase& AConnection, const char* ATable) : FTable(ATable) {
    auto& sqlite = dynamic_cast<TSqliteConnection&>(AConnection.DbConnection());
    sqlite3_trace_v2(sqlite.Handle(), SQLITE_TRACE_STMT, &TStatementCounter::Trace, this);
  }
  int Count() const { return FCount; }

 private:
  static int Trace(unsigned, void* context, void*, void* text) {
    auto* self = static_cast<TStatementCounter*>(context);
    if (QString::fromUtf8(static_cast<const char*>(text))
            .contains(self->FTable, Qt::CaseInsensitive))
      ++self->FCount;
    return 0;
  }
  QString FTable;
  int FCount = 0;
};

class UserAccessHelperTest : public SecurityTestDb {
 protected:
  std::unique_ptr<TdtmAccess> AccessWithCaching(bool ACaching) {
    WriteIni(ACaching ? "PermissionCaching=1\r\n" : "PermissionCaching=0\r\n");
    return NewAccess();
  }
};

TEST_F(UserAccessHelperTest, LevelsAreMatchedAfterTrimmingAndUpperCasing) {
  SetLevel("100", "JAIL", "JAILTRANS", "RUN", " ro ");
  const auto access = NewAccess();
  struct TCase {
    const char* Login;
    const char* Suite;
    const char* Module;
    const char* Section;
    const char* Level;
  } cases[] = {
      {"DEMO", "JAIL", "JAILADMIN", "RUN", "FA"},
      {" demo ", "jail ", " jailadmin", "run", "FA"},
      {"DEMO", "JAIL", "JAILTRANS", "RUN", "RO"},      // other codes pass through
      {"DEMO", "JAIL", "JAILVISIT", "RUN", "XX"},      // nothing stored
      {"CLERK", "RMS", "ALL_APPS", "VIEWJUV", "XX"},   // stored as no access
      {"NOBODY", "JAIL", "JAILADMIN", "RUN", "XX"},    // unknown user
      {"", "JAIL", "JAILADMIN", "RUN", "XX"},          // nobody
      {"O'BRIEN", "JAIL'", "JAILADMIN", "RUN", "XX"},  // quotes are data
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Login);
    EXPECT_EQ(access->GetAccessLevel(c.Login, c.Suite, c.Module, c.Section), c.Level);
  }
  EXPECT_EQ(access->GetLoginPERNO(" demo "), "100");
  EXPECT_EQ(access->GetLoginPERNO("NOBODY"), QString());
  EXPECT_EQ(access->GetAccessLevelByPerNo(QString(), "JAIL", "JAILADMIN", "RUN"), "XX");
  EXPECT_EQ(access->GetAccessLevelByPerNo(" 100", "JAIL", "JAILADMIN", "RUN"), "FA");
}

TEST_F(UserAccessHelperTest, CachingDecidesWhetherAChangedLevelIsSeen) {
  struct TCase {
    bool Caching;
    int Queries;
    const char* LevelAfterChange;
  } cases[] = {{true, 1, "FA"}, {false, 3, "XX"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Caching);
    SetLevel("100", "JAIL", "JAILADMIN", "RUN", "FA");
    const auto access = AccessWithCaching(c.Caching);
    EXPECT_EQ(access->PermissionCaching(), c.Caching);
    TStatementCounter levels(access->dbUserAccess, "AccessV4");
    EXPECT_EQ(access->GetAccessLevel("DEMO", "JAIL", "JAILADMIN", "RUN"), "FA");
    EXPECT_EQ(access->GetAccessLevel("demo", "jail", "jailadmin", "run"), "FA");
    SetLevel("100", "JAIL", "JAILADMIN", "RUN", "XX");
    EXPECT_EQ(access->GetAccessLevel("DEMO", "JAIL", "JAILADMIN", "RUN"), c.LevelAfterChange);
    EXPECT_EQ(levels.Count(), c.Queries);
  }
}

TEST_F(UserAccessHelperTest, NoAccessIsCachedToo) {
  const auto access = AccessWithCaching(true);
  TStatementCounter levels(access->dbUserAccess, "AccessV4");
  EXPECT_EQ(access->GetAccessLevel("DEMO", "JAIL", "JAILVISIT", "RUN"), "XX");
  SetLevel("100", "JAIL", "JAILVISIT", "RUN", "FA");
  EXPECT_EQ(access->GetAccessLevel("DEMO", "JAIL", "JAILVISIT", "RUN"), "XX");
  EXPECT_EQ(levels.Count(), 1);
}

TEST_F(UserAccessHelperTest, AnUnknownUserIsAskedAgainUntilFound) {
  const auto access = AccessWithCaching(true);
  TStatementCounter users(access->dbEmpMast, "Users");
  EXPECT_EQ(access->GetLoginPERNO("NEWBIE"), QString());
  EXPECT_EQ(access->GetAccessLevel("NEWBIE", "JAIL", "JAILADMIN", "RUN"), "XX");
  EXPECT_EQ(users.Count(), 2);

  AddUser("NEWBIE", "700", "NEWBIE123");
  SetLevel("700", "JAIL", "JAILADMIN", "RUN", "FA");
  EXPECT_EQ(access->GetAccessLevel("NEWBIE", "JAIL", "JAILADMIN", "RUN"), "FA");
  EXPECT_EQ(access->GetLoginPERNO("NEWBIE"), "700");
  EXPECT_EQ(users.Count(), 3);
}

TEST_F(UserAccessHelperTest, CacheKeysSeparateTheirPartsWithTheFileSeparator) {
  EXPECT_EQ(TUserAccessCachingHelper::AccessLevelKey("100", "JAIL", "JAILADMIN", "RUN"),
            QStringLiteral("100\x1CJAIL\x1CJAILADMIN\x1CRUN"));
  // Parts that run together differently never share a key.
  EXPECT_NE(TUserAccessCachingHelper::AccessLevelKey("1", "00JAIL", "M", "S"),
            TUserAccessCachingHelper::AccessLevelKey("100", "JAIL", "M", "S"));
}

TEST_F(UserAccessHelperTest, SettingsDefaults) {
  const auto access = NewAccess();
  EXPECT_TRUE(access->AllowAllAgencyAccess());
  EXPECT_FALSE(access->UseWindowsAuthentication());
  EXPECT_TRUE(access->PermissionCaching());
  WriteIni("AllowAllAgencyAccess=no\r\nUseWindowsAuthentication=yes\r\nPermissionCaching=0\r\n");
  const auto configured = NewAccess();
  EXPECT_FALSE(configured->AllowAllAgencyAccess());
  EXPECT_TRUE(configured->UseWindowsAuthentication());
  EXPECT_FALSE(configured->PermissionCaching());
}

}  // namespace
