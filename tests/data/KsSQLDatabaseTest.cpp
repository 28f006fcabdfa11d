#include "DataTestDb.h"

#include "config/KsConfigInfo.h"
#include "core/Exception.h"
#include "data/KsMSAccess.h"

#include <QFile>

namespace {

// Keystane.ini beside a configuration database whose ConnectLib sends JAIL
// to "jail.db", relative to the configuration folder.
class ConnectionTest : public DataTestDb {
 protected:
  void SetUp() override {
    DataTestDb::SetUp();
    auto cfg = OpenDbConnection(
        QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Create").arg(FDir.filePath("cfg.db")));
    RunSql(*cfg,
           "CREATE TABLE ConnectLib (ProgramID VARCHAR(30), ConnString VARCHAR(255), "
           "HelpFile VARCHAR(255), LogFile VARCHAR(255), UseInitial BIT)");
    RunSql(*cfg,
           "INSERT INTO ConnectLib VALUES ('JAIL', 'Provider=SQLite;Data Source=jail.db', "
           "'/help/jail.chm', '/logs/jail', 0)");
    QFile ini(FDir.filePath("Keystane.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[DataProvider]\nConnStr=Provider=SQLite;Data Source=cfg.db\n"
        "[Paths]\nHelpPath=/help/suite.chm\nLogPath=/logs\n");
    ini.close();

    FInfo = std::make_unique<TKsConfigInfo>(nullptr, TKeystaneIni::TLoadMode::Deferred);
    FInfo->SetOverrideIniFileName(true);
    FInfo->SetKeystaneIni(ini.fileName());
    FInfo->Loaded();

    FDb.SetConnectString(QString());
    FDb.SetKsConfigInfo(FInfo.get());
  }

  void SetConnectLib(const QString& connString) {
    auto cfg = OpenDbConnection(
        QStringLiteral("Provider=SQLite;Data Source=%1").arg(FDir.filePath("cfg.db")));
    RunSql(*cfg, "UPDATE ConnectLib SET ConnString = :S WHERE ProgramID = 'JAIL'",
           {{"S", ftString, ptInput, connString}});
  }

  int BookingCount() {
    auto q = FDb.CreateDataSet();
    q->SQL().SetText("SELECT COUNT(*) FROM JAILBOOK");
    q->Open();
    return q->Fields()[0].AsInteger();
  }

  std::unique_ptr<TKsConfigInfo> FInfo;
};

TEST_F(ConnectionTest, ProgramNameClearedAndSetAgainRefreshesTheConnectString) {
  FDb.SetProgramName("JAIL");
  EXPECT_EQ(FDb.ConnectString(), "Provider=SQLite;Data Source=jail.db");
  EXPECT_FALSE(FDb.LoginPrompt());

  FDb.SetLoginPrompt(true);
  FDb.SetProgramName("");
  EXPECT_EQ(FDb.ConnectString(), "");
  EXPECT_FALSE(FDb.LoginPrompt());

  SetConnectLib("Provider=SQLite;Data Source=other.db");
  FDb.SetProgramName("JAIL");
  EXPECT_EQ(FDb.ConnectString(), "Provider=SQLite;Data Source=other.db");
}

TEST_F(ConnectionTest, EveryOpenLooksTheConnectStringUpAgain) {
  FDb.SetProgramName("JAIL");
  EXPECT_EQ(BookingCount(), 4) << "jail.db found in the configuration folder";
  EXPECT_EQ(FDb.Database(), "jail");
  FDb.Close();

  {
    auto second = OpenDbConnection(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Create")
                                       .arg(FDir.filePath("jail2.db")));
    RunSql(*second, "CREATE TABLE JAILBOOK (UNIQUEKEY VARCHAR(22))");
    RunSql(*second, "INSERT INTO JAILBOOK VALUES ('X1')");
  }
  SetConnectLib("Provider=SQLite;Data Source=jail2.db");
  EXPECT_EQ(FDb.ConnectString(), "Provider=SQLite;Data Source=jail.db") << "nothing cached yet";
  EXPECT_EQ(BookingCount(), 1);
  EXPECT_EQ(FDb.ConnectString(), "Provider=SQLite;Data Source=jail2.db");
}

TEST_F(ConnectionTest, ProgramWithoutConnectLibRowFailsWhenItOpens) {
  FDb.SetProgramName("NOPE");
  EXPECT_EQ(FDb.ConnectString(), "");
  try {
    FDb.Open();
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "dbJail: No connection string was found for program 'NOPE'");
  }
  EXPECT_FALSE(FDb.Connected());
}

TEST_F(ConnectionTest, HelpAndLogPathsComeFromTheLookup) {
  FDb.SetProgramName("JAIL");
  EXPECT_EQ(FDb.GetHelpFilePath(), "/help/jail.chm");
  EXPECT_EQ(FDb.GetLogFilePath(), "/logs/jail");
  FDb.SetKsConfigInfo(nullptr);
  EXPECT_EQ(FDb.GetHelpFilePath(), "");
  EXPECT_EQ(FDb.ConnectString(), "") << "no configuration, no string for a named program";
}

TEST_F(ConnectionTest, DestroyedConfigInfoIsForgotten) {
  FDb.SetProgramName("JAIL");
  FInfo.reset();
  EXPECT_EQ(FDb.KsConfigInfo(), nullptr);
  EXPECT_EQ(FDb.GetLogFilePath(), "");
}

using ConnectionLifeTest = DataTestDb;

TEST_F(ConnectionLifeTest, ClosingTheConnectionClosesItsDataSets) {
  auto a = Query("SELECT * FROM JAILBOOK", "qryA");
  auto b = Query("SELECT * FROM JAILBOOK", "qryB");
  a->Open();
  b->Open();
  EXPECT_EQ(FDb.DataSets().size(), 2u);
  EXPECT_EQ(a->KsVersion(), "2.1");
  EXPECT_EQ(FDb.KsVersion(), "2.1");
  FDb.Close();
  EXPECT_FALSE(FDb.Connected());
  EXPECT_FALSE(a->Active());
  EXPECT_FALSE(b->Active());
  b.reset();
  EXPECT_EQ(FDb.DataSets().size(), 1u) << "a destroyed dataset leaves the list";
  a->Open();
  EXPECT_TRUE(FDb.Connected()) << "a dataset opens its connection on first use";
}

TEST_F(ConnectionLifeTest, DataSetOutlivingItsConnectionIsDetached) {
  auto own = std::make_unique<TKsSQLDatabase>("dbOwn");
  own->SetConnectString(ConnectString());
  TKsMSQuery q("qryOrphan");
  q.SetConnection(own.get());
  q.SQL().SetText("SELECT * FROM JAILBOOK");
  q.Open();
  own.reset();
  EXPECT_FALSE(q.Active());
  EXPECT_EQ(q.Connection(), nullptr);
  EXPECT_THROW(q.Open(), EDatabaseError);
}

TEST_F(ConnectionLifeTest, ChangingTheStringOfAnOpenConnectionClosesIt) {
  auto q = Query("SELECT * FROM JAILBOOK");
  q->Open();
  FDb.SetConnectString(ConnectString());  // the same string: nothing happens
  EXPECT_TRUE(q->Active());
  FDb.SetConnectString(ConnectString() + ";Busy Timeout=500");
  EXPECT_FALSE(FDb.Connected());
  EXPECT_FALSE(q->Active());
}

TEST_F(ConnectionLifeTest, RolledBackChangesAreGoneAndCommittedOnesStay) {
  FDb.StartTransaction();
  EXPECT_TRUE(FDb.InTransaction());
  EXPECT_EQ(FDb.ExecSQL("DELETE FROM JAILBOOK WHERE AGE > :A", {30}), 2);
  FDb.Rollback();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM JAILBOOK").toInt(), 4);

  FDb.StartTransaction();
  FDb.ExecSQL("UPDATE JAILBOOK SET LNAME = :L WHERE UNIQUEKEY = :K", {"X", "K1", "surplus"});
  FDb.Commit();
  EXPECT_FALSE(FDb.InTransaction());
  EXPECT_EQ(Scalar("SELECT LNAME FROM JAILBOOK WHERE UNIQUEKEY = 'K1'").toString(), "X");
}

TEST_F(ConnectionLifeTest, EmptyConnectStringIsAClearError) {
  TKsSQLDatabase none("dbNone");
  try {
    none.Open();
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "dbNone: The connection string is empty");
  }
}

}  // namespace
