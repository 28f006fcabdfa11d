#include "config/KsConfigInfo.h"

#include "ConfigTestTree.h"

#include <sqlite3.h>

namespace {

// A configuration database: a real SQLite file with the ConnectLib table,
// beside a configuration file that reaches it by a relative name.
class KsConfigInfoTest : public testing::Test {
 protected:
  void SetUp() override {
    Exec(
        "CREATE TABLE ConnectLib (ProgramID TEXT PRIMARY KEY, ConnString TEXT, HelpFile TEXT, "
        "LogFile TEXT, UseInitial INTEGER);"
        "INSERT INTO ConnectLib VALUES ('JAIL', 'Provider=SQLite;Data Source=jail.db  ', "
        "'/srv/help/jail.chm', '/var/log/jail', 0);"
        "INSERT INTO ConnectLib VALUES ('CFG', 'ignored', 'ignored', 'ignored', 1);"
        "INSERT INTO ConnectLib VALUES ('O''Brien', 'Server=quoted', NULL, NULL, 0);"
        "INSERT INTO ConnectLib VALUES ('EmpMast', NULL, NULL, NULL, NULL);");
    WriteIni("Provider=SQLite;Data Source=cfg.db");
  }

  QString DatabaseFile() const { return Tree.Path("disk1/Suite/Keystane.Cfg/cfg.db"); }

  void Exec(const char* ASql) {
    QDir().mkpath(Tree.Path("disk1/Suite/Keystane.Cfg"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(DatabaseFile().toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    // A fixture needs no crash safety; skipping the disk flushes keeps it quick.
    sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    const int rc = sqlite3_exec(db, ASql, nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
  }

  void WriteIni(const QByteArray& AConnStr) {
    Tree.WriteFile("disk1/Suite/Keystane.Cfg/Keystane.ini", KeystaneIniText(AConnStr));
  }

  std::unique_ptr<TKsConfigInfo> Config() const {
    return std::make_unique<TKsConfigInfo>(
        nullptr, Tree.Environment("disk1/Suite/Keystane.App", {Tree.Mount("disk1")}));
  }

  TConfigTestTree Tree;
};

TEST_F(KsConfigInfoTest, ReportsItsVersion) {
  EXPECT_EQ(Config()->KsVersion(), "2.1");
}

TEST_F(KsConfigInfoTest, ConnectStringComesFromTheProgramsRow) {
  const auto config = Config();
  // jail.db does not exist: that shows only when the connection opens.
  EXPECT_EQ(config->GetConnectString("JAIL"), "Provider=SQLite;Data Source=jail.db");
  EXPECT_EQ(config->GetHelpPath("JAIL"), "/srv/help/jail.chm");
  EXPECT_EQ(config->GetLogPath("JAIL"), "/var/log/jail");
}

TEST_F(KsConfigInfoTest, UseInitialTakesTheConfigurationFilesValues) {
  const auto config = Config();
  EXPECT_EQ(config->GetConnectString("CFG"), "Provider=SQLite;Data Source=cfg.db");
  EXPECT_EQ(config->GetHelpPath("CFG"), "/srv/help");
  EXPECT_EQ(config->GetLogPath("CFG"), "/var/log/keystane");

  // The overlay reaches the fallback once and leaves it as it is the second time.
  config->SetConnectionStringOverlay("Busy Timeout=2000");
  EXPECT_EQ(config->GetConnectString("CFG"),
            "Provider=SQLite;Data Source=cfg.db;Busy Timeout=2000");
}

TEST_F(KsConfigInfoTest, OverlayAppliesToTheLookedUpString) {
  const auto config = Config();
  config->SetConnectionStringOverlay("Mode=ReadOnly");
  EXPECT_EQ(config->GetConnectString("JAIL"), "Provider=SQLite;Data Source=jail.db;Mode=ReadOnly");
}

TEST_F(KsConfigInfoTest, MissingRowOrNullColumnGivesAnEmptyValue) {
  const auto config = Config();
  EXPECT_EQ(config->GetConnectString("ARREST"), "");
  EXPECT_EQ(config->GetHelpPath("ARREST"), "");
  EXPECT_EQ(config->GetConnectString("EmpMast"), "");
  EXPECT_EQ(config->GetLogPath("EmpMast"), "");
}

TEST_F(KsConfigInfoTest, ProgramIdIsAValueNeverSqlText) {
  const auto config = Config();
  EXPECT_EQ(config->GetConnectString("O'Brien"), "Server=quoted");
  EXPECT_EQ(config->GetConnectString("x' OR '1'='1"), "");
  EXPECT_EQ(config->GetConnectString("JAIL'; DROP TABLE ConnectLib; --"), "");
  EXPECT_EQ(config->GetConnectString("JAIL"), "Provider=SQLite;Data Source=jail.db");
}

TEST_F(KsConfigInfoTest, EmptyProgramOrBaseStringNeedsNoDatabase) {
  WriteIni("Provider=SQLite;Data Source=missing.db");
  const auto config = Config();
  const QStringList before = Tree.Snapshot();
  EXPECT_EQ(config->GetConnectString(""), "");
  EXPECT_EQ(config->GetHelpPath(""), "");
  EXPECT_EQ(config->GetLogPath(""), "");

  config->SetOverrideSettings(true);
  config->SetConnectionString("");
  EXPECT_EQ(config->GetConnectString("JAIL"), "");
  EXPECT_EQ(config->GetHelpPath("JAIL"), "");
  EXPECT_EQ(config->GetLogPath("JAIL"), "");
  EXPECT_EQ(Tree.Snapshot(), before);
}

TEST_F(KsConfigInfoTest, LookupFailuresArePassedOn) {
  WriteIni("Provider=SQLite;Data Source=missing.db");
  const auto missing = Config();
  const QStringList before = Tree.Snapshot();
  EXPECT_THROW(missing->GetConnectString("JAIL"), EDatabaseError);
  EXPECT_EQ(Tree.Snapshot(), before);

  WriteIni("Provider=SQLite;Data Source=cfg.db");
  Exec("DROP TABLE ConnectLib;");
  const auto noTable = Config();
  EXPECT_THROW(noTable->GetConnectString("JAIL"), EDatabaseError);
  // Nothing of the failed lookup lingers: the next one sees the repaired table.
  Exec(
      "CREATE TABLE ConnectLib (ProgramID TEXT, ConnString TEXT, HelpFile TEXT, LogFile TEXT, "
      "UseInitial INTEGER); INSERT INTO ConnectLib VALUES ('JAIL', 'Server=new', '', '', 0);");
  EXPECT_EQ(noTable->GetConnectString("JAIL"), "Server=new");
}

TEST_F(KsConfigInfoTest, EveryLookupSeesTheCurrentRow) {
  const auto config = Config();
  EXPECT_EQ(config->GetConnectString("JAIL"), "Provider=SQLite;Data Source=jail.db");
  Exec("UPDATE ConnectLib SET ConnString = 'Server=moved' WHERE ProgramID = 'JAIL';");
  EXPECT_EQ(config->GetConnectString("JAIL"), "Server=moved");
}

TEST_F(KsConfigInfoTest, ProgramListIsEveryProgramInOrder) {
  QStringList programs{"stale"};
  Config()->GetProgramList(programs);
  EXPECT_EQ(programs, QStringList({"CFG", "EmpMast", "JAIL", "O'Brien"}));
}

}  // namespace
