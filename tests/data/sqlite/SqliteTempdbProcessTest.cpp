#include "SqliteTempdbTestDb.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gmock/gmock.h>

#include <cstdio>

namespace {

using testing::HasSubstr;

const char* const kHelperDb = "TH_TEMPDB_HELPER_DB";
const char* const kHelperTable = "TH_TEMPDB_HELPER_TABLE";
const QString kLock = QStringLiteral("##LOCK-jail.JAILBOOK.K1");

// Not a test: the other process of the tests below. It creates the table
// named in its environment, says so on standard output and holds it until
// its standard input closes or it is killed.
TEST(SqliteTempdbHelperProcess, DISABLED_HoldsATableUntilStopped) {
  if (!qEnvironmentVariableIsSet(kHelperDb)) GTEST_SKIP() << "run only as a helper process";
  InstallSqliteTempdb();
  auto db = TSqliteConnection::Open(qEnvironmentVariable(kHelperDb));
  std::vector<TDbParam> none;
  db->Execute(QStringLiteral("CREATE TABLE [tempdb].[dbo].[%1](UserName VARCHAR(30))")
                  .arg(qEnvironmentVariable(kHelperTable)),
              none);
  std::printf("LOCKED\n");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
}

class SqliteTempdbProcessTest : public SqliteTempdbTestDb {
 protected:
  // Starts the helper on this test's database and waits until it holds the table.
  void StartHolder() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kHelperDb), FPath);
    environment.insert(QString::fromLatin1(kHelperTable), kLock);
    FHolder.setProcessEnvironment(environment);
    FHolder.start(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(),
                  {QStringLiteral("--gtest_filter=SqliteTempdbHelperProcess.*"),
                   QStringLiteral("--gtest_also_run_disabled_tests")});
    ASSERT_TRUE(FHolder.waitForStarted(30000));
    QByteArray said;
    while (!said.contains("LOCKED") && FHolder.waitForReadyRead(30000))
      said += FHolder.readAllStandardOutput();
    ASSERT_TRUE(said.contains("LOCKED"))
        << said.toStdString() << FHolder.readAllStandardError().toStdString();
  }

  void TearDown() override {
    if (FHolder.state() != QProcess::NotRunning) {
      FHolder.kill();
      FHolder.waitForFinished(30000);
    }
    SqliteTempdbTestDb::TearDown();
  }

  QProcess FHolder;
};

TEST_F(SqliteTempdbProcessTest, TheTableOfAKilledProcessIsGoneAtTheNextCreate) {
  StartHolder();
  auto db = Connect();
  EXPECT_THAT(ErrorOf([&] { Run(*db, CreateLock(kLock)); }).toStdString(),
              HasSubstr("There is already an object named"))
      << "the holder is alive, so its table stands";

  FHolder.kill();  // no chance to clean up
  ASSERT_TRUE(FHolder.waitForFinished(30000));
  EXPECT_EQ(ErrorOf([&] { Run(*db, CreateLock(kLock)); }), QString());
}

TEST_F(SqliteTempdbProcessTest, TheTableOfAProcessThatEndsIsDroppedWithItsConnection) {
  StartHolder();
  FHolder.closeWriteChannel();
  ASSERT_TRUE(FHolder.waitForFinished(30000));
  ASSERT_EQ(FHolder.exitStatus(), QProcess::NormalExit);

  auto db = Connect();
  EXPECT_TRUE(Run(*db, QStringLiteral("SELECT name FROM sqlite_schema WHERE name LIKE '##%'"))
                  .Rows.empty());
}

}  // namespace
