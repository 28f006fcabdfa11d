#include "ProgramRunner.h"
#include "data/driver/ConnectionString.h"
#include "data/driver/DbConnection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<IDbConnection> Open(const QString& file) {
  TConnectionString connection;
  connection.Set("Provider", "SQLite");
  connection.Set("Data Source", file);
  return OpenDbConnection(connection.ToString());
}

TEST(ProgramCommandsTest, VersionPrintsTheVersionBlockWithoutADisplay) {
  const TRun run = RunProgram({"--version"});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_TRUE(run.Out.contains("File description: Ruzi Zavod Odezide\n")) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.contains("File version: " TH_VERSION_STRING "\n"));
  EXPECT_TRUE(run.Out.contains("Product name: Wardhaven\n"));
  EXPECT_EQ(run.Err, "");
}

TEST(ProgramCommandsTest, ListPrintsTheCatalogueWithoutADisplay) {
  const TRun run = RunProgram({"list"});
  EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.startsWith("MENU PATH")) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.contains("\n219 entries: 209 shown, 10 hidden; ")) << run.Out.toStdString();
  EXPECT_EQ(run.Err, "");
}

TEST(ProgramCommandsTest, AnUnknownCommandLikeOptionIsRefused) {
  const TRun run = RunProgram({"sql", "--bogus", "SELECT 1"});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Err.contains("unknown option --bogus")) << run.Err.toStdString();
}

TEST(ProgramCommandsTest, TheWindowWithoutADisplaySaysWhyInsteadOfAborting) {
  const TRun run = RunProgram({});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Err.contains("No display found")) << run.Err.toStdString();
}

class DemoDatabaseCommandTest : public testing::Test {
 protected:
  QTemporaryDir Folder;
  QString File = Folder.filePath("demo.db");
};

TEST_F(DemoDatabaseCommandTest, CreatesTheConfigurationRowsForEveryLogicalDatabase) {
  const TRun run = RunProgram({"demo-db", File, "--seed", "3", "--scale", "0"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();

  std::vector<TDbParam> none;
  const TDbResult rows =
      Open(File)->Execute("SELECT ProgramID, UseInitial FROM ConnectLib ORDER BY ProgramID", none);
  QStringList programs;
  for (const auto& row : rows.Rows) {
    programs << row[0].toString();
    EXPECT_EQ(row[1].toInt(), 1) << row[0].toString().toStdString();
  }
  EXPECT_EQ(programs, QStringList({"ARREST", "CFG", "EmpMast", "JAIL", "MNI", "UserAccess"}));
  // Nothing but the database is left in the folder.
  EXPECT_EQ(QDir(Folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"demo.db"});
}

TEST_F(DemoDatabaseCommandTest, AnExistingFileIsNeverReplaced) {
  {
    QFile existing(File);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
  }
  const TRun run = RunProgram({"demo-db", File, "--scale", "0"});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Err.contains("already exists")) << run.Err.toStdString();
  QFile existing(File);
  ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
  EXPECT_EQ(existing.readAll(), "keep me");
}

TEST_F(DemoDatabaseCommandTest, BadArgumentsCreateNothing) {
  for (const QStringList& args :
       {QStringList{"demo-db"}, QStringList{"demo-db", File, "--scale", "big"},
        QStringList{"demo-db", Folder.filePath("missing/demo.db")}}) {
    const TRun run = RunProgram(args);
    EXPECT_EQ(run.ExitCode, 2) << args.join(' ').toStdString();
    EXPECT_FALSE(run.Err.isEmpty());
  }
  EXPECT_TRUE(QDir(Folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

class SqlCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RunProgram({"demo-db", File, "--scale", "0"}).ExitCode, 0);
    std::vector<TDbParam> none;
    auto db = Open(File);
    db->Execute("CREATE TABLE Sample (ID int, Booked datetime, Name varchar(40), Amount float)",
                none);
    std::vector<TDbParam> params = {
        {"ID", ftInteger, ptInput, 1},
        {"Booked", ftDateTime, ptInput, DbValue::MakeDateTime(2024, 3, 5, 14, 30, 0)},
        {"Name", ftString, ptInput, QString("O'Brien, \"Pat\"")},
        {"Amount", ftFloat, ptInput, 12.5},
    };
    const QString insert = "INSERT INTO Sample VALUES (:ID, :Booked, :Name, :Amount)";
    db->Execute(insert, params);
    params = {{"ID", ftInteger, ptInput, 2},
              {"Booked", ftDateTime, ptInput, QVariant()},
              {"Name", ftString, ptInput, QString("two\nlines")},
              {"Amount", ftFloat, ptInput, QVariant()}};
    db->Execute(insert, params);
  }

  QTemporaryDir Folder;
  QString File = Folder.filePath("demo.db");
};

TEST_F(SqlCommandTest, PrintsTheRowsAsCsvWithAHeader) {
  const TRun run = RunProgram({"sql", "--db", File, "SELECT * FROM Sample ORDER BY ID"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out,
            "ID,Booked,Name,Amount\n"
            "1,2024-03-05 14:30:00,\"O'Brien, \"\"Pat\"\"\",12.5\n"
            "2,,\"two\nlines\",\n");
  EXPECT_EQ(run.Err, "");
}

TEST_F(SqlCommandTest, ABadStatementFailsWithTheErrorOnStandardError) {
  const TRun run = RunProgram({"sql", "--db", File, "SELECT NoSuchColumn FROM Sample"});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_EQ(run.Out, "");
  EXPECT_TRUE(run.Err.contains("NoSuchColumn")) << run.Err.toStdString();
}

TEST_F(SqlCommandTest, AMissingDatabaseIsNotCreated) {
  const QString missing = Folder.filePath("nothing.db");
  const TRun run = RunProgram({"sql", "--db", missing, "SELECT 1"});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Err.contains("not found")) << run.Err.toStdString();
  EXPECT_FALSE(QFile::exists(missing));
}

}  // namespace

namespace {

TEST(SqlTranslateTest, PrintsTheSqliteTextWithoutTouchingADatabase) {
  const TRun run = RunProgram(
      {"sql", "--translate", "SELECT TOP 2 Name FROM Jail..Sample (NOLOCK) WHERE ID = :ID"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.contains("-- ?1 = :ID\n")) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.contains("LIMIT 2;\n")) << run.Out.toStdString();
  EXPECT_FALSE(run.Out.contains("NOLOCK", Qt::CaseInsensitive));
  EXPECT_FALSE(run.Out.contains("Jail.."));

  const TRun bad = RunProgram({"sql", "--translate", "SELEC 1"});
  EXPECT_EQ(bad.ExitCode, 2);
  EXPECT_EQ(bad.Out, "");
  EXPECT_TRUE(bad.Err.contains("SELEC")) << bad.Err.toStdString();
}

}  // namespace
