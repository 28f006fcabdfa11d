#include "SqliteTempdbTestDb.h"

#include "data/sqlite/SqliteTempdbProcess.h"
#include "data/sqlite/SqliteTempdbRegistry.h"

#include <QSysInfo>

#include <gmock/gmock.h>

#include <functional>
#include <ostream>

namespace {

using testing::HasSubstr;

const QString kLock = QStringLiteral("##LOCK-jail.JAILBOOK.0AbC|{xyz}");

class SqliteTempdbTest : public SqliteTempdbTestDb {};

TEST_F(SqliteTempdbTest, ASecondCreateOfTheSameNameFailsWhileTheFirstExists) {
  auto a = Connect();
  auto b = Connect();
  Run(*a, CreateLock(kLock));
  Run(*a, QStringLiteral("INSERT INTO [tempdb].[dbo].[%1] (UserName, TimeLocked) "
                         "VALUES ('O''Brien', '01/05/2024 10:30:00 AM')")
              .arg(kLock));

  EXPECT_THAT(ErrorOf([&] { Run(*b, CreateLock(kLock)); }).toStdString(),
              HasSubstr(QStringLiteral("There is already an object named '%1' in the database.")
                            .arg(kLock)
                            .toStdString()));
  // Names compare without regard to case, as on the server.
  EXPECT_FALSE(ErrorOf([&] { Run(*b, CreateLock(kLock.toLower())); }).isEmpty());

  const TDbResult holder = Run(*b, QStringLiteral("SELECT * FROM [tempdb].[dbo].[%1]").arg(kLock));
  ASSERT_EQ(holder.Rows.size(), 1u);
  EXPECT_EQ(holder.Rows[0][0].toString(), QStringLiteral("O'Brien"));

  Run(*a, DropLock(kLock));
  EXPECT_EQ(ErrorOf([&] { Run(*b, CreateLock(kLock)); }), QString());
}

TEST_F(SqliteTempdbTest, ClosingAConnectionDropsItsOwnTablesOnly) {
  auto a = Connect();
  auto b = Connect();
  const QString mine = QStringLiteral("##LOCK-jail.JAILBOOK.A");
  const QString theirs = QStringLiteral("##LOCK-jail.JAILBOOK.B");
  Run(*a, CreateLock(mine));
  Run(*b, CreateLock(theirs));
  a.reset();

  auto c = Connect();
  EXPECT_EQ(ErrorOf([&] { Run(*c, CreateLock(mine)); }), QString());
  EXPECT_FALSE(ErrorOf([&] { Run(*c, CreateLock(theirs)); }).isEmpty());
}

TEST_F(SqliteTempdbTest, AConnectionClosedInsideATransactionStillLeavesNoTable) {
  auto a = Connect();
  a->StartTransaction();
  Run(*a, CreateLock(kLock));
  a.reset();

  auto b = Connect();
  EXPECT_EQ(ErrorOf([&] { Run(*b, CreateLock(kLock)); }), QString());
}

TEST_F(SqliteTempdbTest, ATableRolledBackWithItsTransactionIsGone) {
  auto a = Connect();
  a->StartTransaction();
  Run(*a, CreateLock(kLock));
  a->Rollback();

  auto b = Connect();
  EXPECT_EQ(ErrorOf([&] { Run(*b, CreateLock(kLock)); }), QString());
  b.reset();
  auto c = Connect();
  EXPECT_EQ(ErrorOf([&] { Run(*c, CreateLock(kLock)); }), QString())
      << "the closed connection took the table with it";
}

TEST_F(SqliteTempdbTest, NamesWithQuotesAndBracketsAreCreatedAndCleanedUp) {
  const QString odd = QStringLiteral("##LOCK-jail.O'NEIL \"X\".K]1");
  QString bracketed = odd;
  bracketed.replace(QStringLiteral("]"), QStringLiteral("]]"));
  auto a = Connect();
  Run(*a, CreateLock(bracketed));
  auto b = Connect();
  EXPECT_FALSE(ErrorOf([&] { Run(*b, CreateLock(bracketed)); }).isEmpty());
  a.reset();
  EXPECT_EQ(ErrorOf([&] { Run(*b, CreateLock(bracketed)); }), QString());
  Run(*b, DropLock(bracketed));
  EXPECT_EQ(ErrorOf([&] { Run(*b, CreateLock(bracketed)); }), QString());
}

TEST_F(SqliteTempdbTest, OrdinaryTablesKeepTheirOwnBehaviour) {
  auto a = Connect();
  Run(*a, QStringLiteral("CREATE TABLE JBNOTES (NOTE VARCHAR(10))"));
  EXPECT_FALSE(ErrorOf([&] {
                 Run(*a, QStringLiteral("CREATE TABLE JBNOTES (NOTE VARCHAR(10))"));
               }).isEmpty());
  a.reset();
  auto b = Connect();
  EXPECT_EQ(Run(*b, QStringLiteral("SELECT COUNT(*) FROM JBNOTES")).Rows[0][0].toInt(), 0)
      << "only global temporary tables go with their connection";
}

// A table on record with the given owner, created outside this process's
// bookkeeping, as a session elsewhere would have left it.
struct TOwnerCase {
  const char* Name;
  std::function<TSqliteTempdbOwner()> Owner;  // empty: no owner on record
  bool Reclaimed;
};

void PrintTo(const TOwnerCase& c, std::ostream* os) {
  *os << c.Name;
}

class SqliteTempdbOwnerTest : public SqliteTempdbTestDb,
                              public testing::WithParamInterface<TOwnerCase> {};

TEST_P(SqliteTempdbOwnerTest, ACreateReclaimsATableOnlyWhenItsOwnerIsCertainlyGone) {
  const TOwnerCase& c = GetParam();
  auto elsewhere = Connect();
  SqliteTempdbRegistry::Ensure(elsewhere->Handle());
  SqliteTempdbRegistry::Exec(elsewhere->Handle(),
                             QStringLiteral("CREATE TABLE \"%1\" (UserName TEXT)").arg(kLock));
  if (c.Owner) SqliteTempdbRegistry::RecordOwner(elsewhere->Handle(), kLock, c.Owner());
  elsewhere.reset();

  auto a = Connect();
  const QString error = ErrorOf([&] { Run(*a, CreateLock(kLock)); });
  EXPECT_EQ(error.isEmpty(), c.Reclaimed) << error.toStdString();
}

TSqliteTempdbOwner ThisProcess(const QString& connectionId) {
  return CurrentTempdbOwner(connectionId);
}

INSTANTIATE_TEST_SUITE_P(
    Owners, SqliteTempdbOwnerTest,
    testing::Values(TOwnerCase{"NoOwnerOnRecord", {}, false},
                    TOwnerCase{"AnotherHostCannotBeChecked",
                               [] {
                                 TSqliteTempdbOwner o = ThisProcess(QStringLiteral("x"));
                                 o.HostName =
                                     QSysInfo::machineHostName() + QStringLiteral("-elsewhere");
                                 o.ProcessId = 999999999;
                                 return o;
                               },
                               false},
                    TOwnerCase{"ThisProcessWithTheConnectionClosed",
                               [] { return ThisProcess(QStringLiteral("closed-connection")); },
                               true},
                    TOwnerCase{"ProcessIdNowUsedByAnotherProcess",
                               [] {
                                 TSqliteTempdbOwner o = ThisProcess(QStringLiteral("x"));
                                 o.ProcessStart += 1;
                                 return o;
                               },
                               true},
                    TOwnerCase{"ProcessIdNoLongerRunning",
                               [] {
                                 TSqliteTempdbOwner o = ThisProcess(QStringLiteral("x"));
                                 o.ProcessId = 0x3fffffff;  // above any pid the kernel hands out
                                 return o;
                               },
                               true}),
    [](const testing::TestParamInfo<TOwnerCase>& info) { return std::string(info.param.Name); });

}  // namespace
