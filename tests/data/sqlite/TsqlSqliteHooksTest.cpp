// The T-SQL layer inside the embedded backend: statements given to a
// connection opened from a suite connection string run as T-SQL.

#include "core/Exception.h"
#include "data/driver/DbConnection.h"
#include "data/driver/QtPrinters.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteStatementTranslator.h"
#include "data/sqlite/TsqlError.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

class TsqlSqliteHooksTest : public testing::Test {
 protected:
  void SetUp() override {
    InstallTsqlLayer();
    ASSERT_TRUE(FDir.isValid());
    FPath = FDir.filePath(QStringLiteral("jail.db"));
    auto db = CreateSqliteDatabase(FPath);
    db->ExecuteNative(
        "CREATE TABLE JBLOG (JAILLOGNO TEXT COLLATE TSQL, FACICODE TEXT COLLATE TSQL, "
        "DATE DATETIME, TIME DATETIME, SupervisorLog INTEGER, LOGENTRY TEXT)");
    db->ExecuteNative(
        "INSERT INTO JBLOG VALUES "
        "('L1', '01', '2015-03-05 00:00:00', '1899-12-30 14:07:00', 0, 'start minute'),"
        "('L2', '01', '2015-03-05 00:00:00', '1899-12-30 14:09:59', 0, 'end minute'),"
        "('L3', '01', '2015-03-05 00:00:00', '1899-12-30 14:10:00', 0, 'too late'),"
        "('L4', '02', '2015-03-05 00:00:00', '1899-12-30 14:08:00', 0, 'other facility'),"
        "('L5', '01', '2015-03-05 00:00:00', '1899-12-30 14:08:00', 1, 'supervisor')");
  }

  std::unique_ptr<IDbConnection> Open() {
    return OpenDbConnection(QStringLiteral("Provider=SQLite;Data Source=%1").arg(FPath));
  }

  QTemporaryDir FDir;
  QString FPath;
};

TEST_F(TsqlSqliteHooksTest, ReportStatementRunsAsTsql) {
  auto db = Open();
  // The jail log statement as the date/time entry builds it, with the range
  // literals of GetSQLTimeStamp and the facility trimmed in a parameter.
  std::vector<TDbParam> params = {{"FACICODE", ftString, ptInput, QStringLiteral("01")}};
  const TDbResult result = db->Execute(
      "SELECT jl.JAILLOGNO,jl.LOGENTRY FROM JBLOG JL (READUNCOMMITTED) WHERE jl.FACICODE = "
      ":FACICODE AND "
      "(SupervisorLog = 0)  AND (dbo.JustTheDate(jl.DATE) + dbo.JustTheTime(jl.TIME) BETWEEN  "
      "'2015-03-05 14:07:00'  AND  '2015-03-05 14:09:59' ) ORDER BY jl.JAILLOGNO",
      params);
  ASSERT_EQ(result.Rows.size(), 2u);
  EXPECT_EQ(result.Rows[0][0].toString(), "L1");
  EXPECT_EQ(result.Rows[1][0].toString(), "L2");
}

TEST_F(TsqlSqliteHooksTest, BatchWithVariablesAndRowCount) {
  auto db = Open();
  std::vector<TDbParam> params = {
      {"day", ftDateTime, ptInput, QVariant(QDateTime(QDate(2015, 3, 5), QTime(0, 0), Qt::UTC))}};
  const TDbResult result = db->Execute(
      "DECLARE @end AS DateTime = DATEADD(second, -1, DATEADD(day, 1, :DAY))\n"
      "UPDATE JBLOG SET LOGENTRY = 'seen' WHERE DATE BETWEEN :Day AND @end AND FACICODE = '01'\n"
      "SELECT @@ROWCOUNT AS Successful",
      params);
  ASSERT_EQ(result.Rows.size(), 1u);
  EXPECT_EQ(result.Rows[0][0].toLongLong(), 4);
}

TEST_F(TsqlSqliteHooksTest, UntranslatableBatchRunsNothing) {
  auto db = Open();
  std::vector<TDbParam> none;
  try {
    db->Execute("DELETE FROM JBLOG\nSELECT SOUNDEX(LOGENTRY) FROM JBLOG", none);
    FAIL() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_THAT(e.Message().toStdString(), testing::HasSubstr("function SOUNDEX"));
  }
  const TDbResult count = db->Execute("SELECT COUNT(*) FROM JBLOG", none);
  EXPECT_EQ(count.Rows[0][0].toLongLong(), 5);
}

}  // namespace
