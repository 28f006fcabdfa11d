#include "core/Exception.h"
#include "data/driver/DbConnection.h"
#include "data/driver/QtPrinters.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteConnectionHooks.h"
#include "data/sqlite/SqliteProcedures.h"
#include "data/sqlite/SqliteStatementTranslator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <unistd.h>

namespace {

using DbValue::MakeDateTime;
using testing::HasSubstr;

std::string Utf8(const QString& s) {
  return s.toStdString();
}

// Runs `action` and returns the message of the EDatabaseError it throws.
template <typename F>
QString DatabaseErrorOf(F&& action) {
  try {
    action();
  } catch (const EDatabaseError& e) {
    return e.Message();
  }
  ADD_FAILURE() << "no EDatabaseError";
  return QString();
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SqliteConnectionTest : public testing::Test {
 protected:
  // These tests are about the connection, so they run with the default
  // statement step whatever translator the process has installed.
  void SetUp() override {
    FInstalled = SqliteStatementTranslator();
    SetSqliteStatementTranslator(nullptr);
    ASSERT_TRUE(FDir.isValid());
    FPath = FDir.filePath("jail.db");
    FDb = CreateSqliteDatabase(FPath);
  }

  TDbResult Run(const QString& sql, std::vector<TDbParam> params = {}) {
    return FDb->Execute(sql, params);
  }

  // Files in the folder other than the database itself (journals, copies).
  QStringList StrayFiles(const QStringList& expected) const {
    QStringList stray = QDir(FDir.path()).entryList(QDir::Files);
    for (const QString& e : expected) stray.removeAll(e);
    return stray;
  }

  void TearDown() override { SetSqliteStatementTranslator(FInstalled); }

  QTemporaryDir FDir;
  QString FPath;
  std::unique_ptr<TSqliteConnection> FDb;
  std::shared_ptr<ISqliteStatementTranslator> FInstalled;
};

TEST_F(SqliteConnectionTest, BindsEveryValueTypeAndReadsEveryDeclaredColumnType) {
  Run("CREATE TABLE T (I INTEGER, SI SMALLINT, BI BIGINT, B BIT, F FLOAT, M MONEY, N NUMERIC(9,2), "
      "S VARCHAR(20), X TEXT, DT DATETIME, DA DATE, TI TIME, BL IMAGE, G UNIQUEIDENTIFIER)");
  const QByteArray blob("\x00\x01\xff\x89PNG", 7);
  const QDateTime moment = MakeDateTime(2024, 2, 29, 23, 59, 58, 120);
  std::vector<TDbParam> params{
      {"I", ftUnknown, ptInput, 42},
      {"SI", ftSmallint, ptInput, "7"},
      {"BI", ftUnknown, ptInput, qint64(9007199254740993)},
      {"B", ftUnknown, ptInput, true},
      {"F", ftUnknown, ptInput, 0.1},
      {"M", ftCurrency, ptInput, 1234.5},
      {"N", ftUnknown, ptInput, 3.25},
      {"S", ftUnknown, ptInput, QString::fromUtf8("Müller, José")},
      {"X", ftMemo, ptInput, QString(5000, QChar('x'))},
      {"DT", ftUnknown, ptInput, moment},
      {"DA", ftUnknown, ptInput, QDate(2024, 3, 10)},
      {"TI", ftUnknown, ptInput, QTime(14, 30)},
      {"BL", ftUnknown, ptInput, blob},
      {"G", ftGuid, ptInput, "{6F9619FF-8B86-D011-B42D-00C04FC964FF}"},
  };
  FDb->Execute(
      "INSERT INTO T VALUES (:I, :SI, :BI, :B, :F, :M, :N, :S, :X, :DT, :DA, :TI, :BL, :G)",
      params);

  const TDbResult r = Run("SELECT * FROM T (NOLOCK)");
  ASSERT_EQ(r.Rows.size(), 1u);
  const std::vector<TFieldType> types{ftInteger,  ftSmallint, ftLargeint, ftBoolean, ftFloat,
                                      ftCurrency, ftFloat,    ftString,   ftMemo,    ftDateTime,
                                      ftDate,     ftTime,     ftGraphic,  ftGuid};
  ASSERT_EQ(r.Columns.size(), types.size());
  for (size_t c = 0; c < types.size(); ++c) EXPECT_EQ(r.Columns[c].DataType, types[c]) << c;
  EXPECT_EQ(r.Columns[7].Name, "S");
  EXPECT_EQ(r.Columns[7].Size, 20);

  const std::vector<QVariant> expected{qint64(42),
                                       qint64(7),
                                       qint64(9007199254740993),
                                       true,
                                       0.1,
                                       1234.5,
                                       3.25,
                                       QString::fromUtf8("Müller, José"),
                                       QString(5000, QChar('x')),
                                       moment,
                                       MakeDateTime(2024, 3, 10),
                                       MakeDateTime(1899, 12, 30, 14, 30),
                                       blob,
                                       QString("{6F9619FF-8B86-D011-B42D-00C04FC964FF}")};
  for (size_t c = 0; c < expected.size(); ++c) {
    EXPECT_EQ(r.Rows[0][c].typeId(), expected[c].typeId()) << c;
    EXPECT_EQ(r.Rows[0][c], expected[c]) << c;
  }

  // Stored in the forms the other programs and the T-SQL layer rely on.
  const TDbResult stored = Run("SELECT typeof(B), B, typeof(DT), DT, DA, TI, typeof(BL) FROM T");
  EXPECT_EQ(stored.Rows[0][0], QVariant("integer"));
  EXPECT_EQ(stored.Rows[0][1], QVariant(qint64(1)));
  EXPECT_EQ(stored.Rows[0][2], QVariant("text"));
  EXPECT_EQ(stored.Rows[0][3], QVariant(moment));
  const TDbResult text = Run("SELECT DT || '', DA || '', TI || '' FROM T");
  EXPECT_EQ(text.Rows[0][0], QVariant("2024-02-29 23:59:58.120"));
  EXPECT_EQ(text.Rows[0][1], QVariant("2024-03-10 00:00:00"));
  EXPECT_EQ(text.Rows[0][2], QVariant("1899-12-30 14:30:00"));
  EXPECT_EQ(stored.Rows[0][6], QVariant("blob"));
}

TEST_F(SqliteConnectionTest, NullsComeBackAsNullInEveryColumnType) {
  Run("CREATE TABLE T (I INTEGER, B BIT, F FLOAT, S VARCHAR(5), DT DATETIME, BL BLOB)");
  std::vector<TDbParam> params{
      {"I", ftInteger, ptInput, QVariant()},   {"B", ftBoolean, ptInput, QVariant()},
      {"F", ftUnknown, ptInput, QVariant()},   {"S", ftString, ptInput, QVariant()},
      {"DT", ftDateTime, ptInput, QVariant()}, {"BL", ftBlob, ptInput, QVariant()}};
  FDb->Execute("INSERT INTO T VALUES (:I, :B, :F, :S, :DT, :BL)", params);
  const TDbResult r = Run("SELECT *, I IS NULL AND S IS NULL AND BL IS NULL FROM T");
  ASSERT_EQ(r.Rows.size(), 1u);
  for (size_t c = 0; c < 6; ++c) EXPECT_TRUE(DbValue::IsNull(r.Rows[0][c])) << c;
  EXPECT_EQ(r.Rows[0][6], QVariant(qint64(1)));
}

TEST_F(SqliteConnectionTest, ValuesThatDoNotFitTheDeclaredTypeComeBackAsStored) {
  Run("CREATE TABLE T (I INT, DT DATETIME, B BIT)");
  Run("INSERT INTO T VALUES ('N/A', 'someday', 'maybe')");
  const TDbResult r = Run("SELECT * FROM T");
  EXPECT_EQ(r.Rows[0][0], QVariant("N/A"));
  EXPECT_EQ(r.Rows[0][1], QVariant("someday"));
  EXPECT_EQ(r.Rows[0][2], QVariant("maybe"));
}

TEST_F(SqliteConnectionTest, ExpressionColumnsAreTypedByWhatTheyHold) {
  const TDbResult r =
      Run("SELECT NULL AS E, 1 AS A, 1.5 AS B, 'x' AS C, x'00ff' AS D UNION ALL "
          "SELECT 2, NULL, NULL, NULL, NULL");
  const std::vector<TFieldType> types{ftLargeint, ftLargeint, ftFloat, ftString, ftBlob};
  ASSERT_EQ(r.Columns.size(), types.size());
  for (size_t c = 0; c < types.size(); ++c) EXPECT_EQ(r.Columns[c].DataType, types[c]) << c;
  EXPECT_EQ(r.Columns[0].Name, "E");
}

TEST_F(SqliteConnectionTest, ParametersMatchWithoutRegardToCaseAndMayRepeat) {
  Run("CREATE TABLE T (A INT, B INT)");
  std::vector<TDbParam> params{{"Start", ftUnknown, ptInput, 5}, {"Unused", ftUnknown, ptInput, 1}};
  FDb->Execute("INSERT INTO T VALUES (:START, :start + 1)", params);
  const TDbResult r = Run("SELECT A, B FROM T");
  EXPECT_EQ(r.Rows[0][0], QVariant(qint64(5)));
  EXPECT_EQ(r.Rows[0][1], QVariant(qint64(6)));
}

TEST_F(SqliteConnectionTest, AMissingParameterIsNamed) {
  EXPECT_EQ(DatabaseErrorOf([&] { Run("SELECT :FaciCode, ':not' -- :nor"); }),
            "No value for parameter :FaciCode.");
}

TEST_F(SqliteConnectionTest, BatchRunsEveryStatementAndReturnsTheFirstResultSet) {
  std::vector<TDbParam> params{{"V", ftUnknown, ptInput, 1}};
  const TDbResult r = FDb->Execute(
      "CREATE TABLE A (x INT);\n INSERT INTO A VALUES (:V); INSERT INTO A VALUES (:v + 1);\n"
      "SELECT x FROM A ORDER BY x; SELECT 'second', 'set'; -- trailing comment",
      params);
  ASSERT_EQ(r.Columns.size(), 1u);
  EXPECT_EQ(r.Columns[0].Name, "x");
  ASSERT_EQ(r.Rows.size(), 2u);
  EXPECT_EQ(r.Rows[1][0], QVariant(qint64(2)));
  EXPECT_EQ(r.RowsAffected, 1);  // the last SELECT's one row

  const TDbResult changes = Run("UPDATE A SET x = x + 10; DELETE FROM A WHERE x = 11");
  EXPECT_TRUE(changes.Columns.empty());
  EXPECT_EQ(changes.RowsAffected, 1);
  EXPECT_EQ(Run("UPDATE A SET x = 0 WHERE x < 0").RowsAffected, 0);
  EXPECT_EQ(Run("CREATE TABLE B (y INT)").RowsAffected, 0);
}

TEST_F(SqliteConnectionTest, ConfigurationLookupWithTableHintRuns) {
  Run("CREATE TABLE ConnectLib (ProgramID VARCHAR(20), ConnString VARCHAR(255), UseInitial BIT)");
  Run("INSERT INTO ConnectLib VALUES ('JAIL', 'Provider=SQLite;Data Source=jail.db', 0)");
  const TDbResult r = Run(
      "SELECT ConnString, UseInitial FROM ConnectLib (readuncommitted) WHERE ProgramID = 'JAIL'");
  ASSERT_EQ(r.Rows.size(), 1u);
  EXPECT_EQ(r.Rows[0][0], QVariant("Provider=SQLite;Data Source=jail.db"));
  EXPECT_EQ(r.Rows[0][1], QVariant(false));
}

TEST_F(SqliteConnectionTest, ErrorsCarrySqlitesText) {
  EXPECT_THAT(Utf8(DatabaseErrorOf([&] { Run("SELECT * FROM NoSuchTable"); })),
              HasSubstr("no such table: NoSuchTable"));
  EXPECT_THAT(Utf8(DatabaseErrorOf([&] { Run("SELEC 1"); })), HasSubstr("syntax error"));
  Run("CREATE TABLE U (K INT PRIMARY KEY)");
  Run("INSERT INTO U VALUES (1)");
  EXPECT_THAT(
      Utf8(DatabaseErrorOf([&] { Run("INSERT INTO U VALUES (2); INSERT INTO U VALUES (1)"); })),
      HasSubstr("UNIQUE constraint failed: U.K"));
  // The statement before the failing one of the batch has run.
  EXPECT_EQ(Run("SELECT COUNT(*) FROM U").Rows[0][0], QVariant(qint64(2)));
}

TEST_F(SqliteConnectionTest, TransactionsCommitAndRollBack) {
  Run("CREATE TABLE T (x INT)");
  EXPECT_FALSE(FDb->InTransaction());
  FDb->StartTransaction();
  EXPECT_TRUE(FDb->InTransaction());
  Run("INSERT INTO T VALUES (1)");
  FDb->Rollback();
  EXPECT_FALSE(FDb->InTransaction());
  FDb->StartTransaction();
  Run("INSERT INTO T VALUES (2)");
  FDb->Commit();
  EXPECT_FALSE(FDb->InTransaction());
  const TDbResult r = Run("SELECT x FROM T");
  ASSERT_EQ(r.Rows.size(), 1u);
  EXPECT_EQ(r.Rows[0][0], QVariant(qint64(2)));
  EXPECT_THAT(Utf8(DatabaseErrorOf([&] { FDb->Commit(); })), HasSubstr("no transaction is active"));
}

TEST_F(SqliteConnectionTest, ClosingRollsBackAnOpenTransaction) {
  Run("CREATE TABLE T (x INT)");
  FDb->StartTransaction();
  Run("INSERT INTO T VALUES (1)");
  FDb.reset();
  FDb = TSqliteConnection::Open(FPath);
  EXPECT_EQ(Run("SELECT COUNT(*) FROM T").Rows[0][0], QVariant(qint64(0)));
}

TEST_F(SqliteConnectionTest, IndexColumnsListUniqueIndexesFirstInKeyOrder) {
  Run("CREATE TABLE JAILBOOK (BOOKNO VARCHAR(10), FACICODE VARCHAR(5), LNAME VARCHAR(30), "
      "UNIQUEKEY VARCHAR(22) PRIMARY KEY)");
  Run("CREATE INDEX IX_NAME ON JAILBOOK (LNAME)");
  Run("CREATE UNIQUE INDEX UX_BOOK ON JAILBOOK (FACICODE, BOOKNO DESC)");
  const std::vector<TDbIndexColumn> expected{
      {"UX_BOOK", "FACICODE", false},
      {"UX_BOOK", "BOOKNO", true},
      {"sqlite_autoindex_JAILBOOK_1", "UNIQUEKEY", false},
      {"IX_NAME", "LNAME", false},
  };
  for (const char* table : {"JAILBOOK", "[JAIL].[dbo].[JAILBOOK]", "Jail..jailbook"}) {
    const auto columns = FDb->IndexColumns(table);
    ASSERT_EQ(columns.size(), expected.size()) << table;
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(columns[i].IndexName, expected[i].IndexName) << table << i;
      EXPECT_EQ(columns[i].ColumnName, expected[i].ColumnName) << table << i;
      EXPECT_EQ(columns[i].Descending, expected[i].Descending) << table << i;
    }
  }
  EXPECT_TRUE(FDb->IndexColumns("NoSuchTable").empty());
}

TEST_F(SqliteConnectionTest, ReportsDriverAndDatabaseName) {
  EXPECT_EQ(FDb->DriverName(), "SQLite");
  EXPECT_EQ(FDb->DatabaseName(), "jail");
  EXPECT_EQ(FDb->FileName(), FPath);
}

// Opening: the file must be a writable SQLite database, and a failed open
// leaves it exactly as it was.

class SqliteOpenTest : public SqliteConnectionTest {
 protected:
  void SetUp() override {
    SqliteConnectionTest::SetUp();
    Run("CREATE TABLE T (x INT); INSERT INTO T VALUES (1)");
  }
};

TEST_F(SqliteOpenTest, AMissingFileIsAnErrorAndIsNotCreated) {
  const QString missing = FDir.filePath("nope.db");
  EXPECT_EQ(DatabaseErrorOf([&] { TSqliteConnection::Open(missing); }),
            QString("Database file \"%1\" not found.").arg(missing));
  EXPECT_EQ(DatabaseErrorOf(
                [&] { OpenDbConnection("Provider=SQLite;Data Source=nope.db", {FDir.path()}); }),
            QString("Database file \"%1\" not found.").arg(missing));
  EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(SqliteOpenTest, AFileThatIsNotADatabaseIsAnErrorAndIsLeftAlone) {
  const QString path = FDir.filePath("Keystane.ini");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[DataProvider]\nConnStr=Provider=SQLite;Data Source=jail.db\n"
        "padding to make it look like a page of something............................\n");
  }
  const QByteArray before = FileBytes(path);
  EXPECT_EQ(DatabaseErrorOf([&] { TSqliteConnection::Open(path); }),
            QString("Cannot open database \"%1\": file is not a database").arg(path));
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(StrayFiles({"jail.db", "Keystane.ini"}), QStringList());
}

TEST_F(SqliteOpenTest, AFolderIsNotADatabase) {
  EXPECT_THAT(Utf8(DatabaseErrorOf([&] { TSqliteConnection::Open(FDir.path()); })),
              HasSubstr("it is a folder"));
}

TEST_F(SqliteOpenTest, ALockedDatabaseIsAnErrorAndNothingIsWritten) {
  // Read before the lock is taken: closing any descriptor of the file would
  // drop this process's POSIX locks on it.
  const QByteArray before = FileBytes(FPath);
  FDb->ExecuteNative("BEGIN EXCLUSIVE");
  EXPECT_EQ(DatabaseErrorOf([&] {
              OpenDbConnection("Provider=SQLite;Data Source=jail.db;Busy Timeout=0", {FDir.path()});
            }),
            QString("Cannot open database \"%1\": database is locked").arg(FPath));
  FDb->ExecuteNative("ROLLBACK");
  EXPECT_EQ(FileBytes(FPath), before);
}

TEST_F(SqliteOpenTest, AWriteWhileAnotherConnectionHoldsTheLockFailsClearly) {
  auto other = TSqliteConnection::Open(FPath, TSqliteOpenMode::ReadWrite, 0);
  FDb->StartTransaction();
  Run("INSERT INTO T VALUES (2)");
  std::vector<TDbParam> none;
  EXPECT_EQ(DatabaseErrorOf([&] { other->Execute("INSERT INTO T VALUES (3)", none); }),
            "database is locked");
  FDb->Commit();
  other->Execute("INSERT INTO T VALUES (3)", none);
  EXPECT_EQ(Run("SELECT COUNT(*) FROM T").Rows[0][0], QVariant(qint64(3)));
}

TEST_F(SqliteOpenTest, ReadOnlyModeReadsAndRefusesWrites) {
  FDb.reset();
  const QByteArray before = FileBytes(FPath);
  auto db = OpenDbConnection("Provider=SQLite;Data Source=jail.db;Mode=ReadOnly", {FDir.path()});
  std::vector<TDbParam> none;
  EXPECT_EQ(db->Execute("SELECT x FROM T", none).Rows.size(), 1u);
  EXPECT_THAT(Utf8(DatabaseErrorOf([&] { db->Execute("INSERT INTO T VALUES (2)", none); })),
              HasSubstr("attempt to write a readonly database"));
  db.reset();
  EXPECT_EQ(FileBytes(FPath), before);
}

TEST_F(SqliteOpenTest, AReadOnlyFileIsAnErrorInReadWriteMode) {
  if (geteuid() == 0) GTEST_SKIP() << "running as root: file permissions do not stop root writing";
  FDb.reset();
  ASSERT_TRUE(QFile::setPermissions(FPath, QFile::ReadOwner | QFile::ReadUser));
  const QByteArray before = FileBytes(FPath);
  EXPECT_EQ(DatabaseErrorOf([&] { TSqliteConnection::Open(FPath); }),
            QString("Cannot open database \"%1\": the file is read-only.").arg(FPath));
  EXPECT_EQ(FileBytes(FPath), before);
}

TEST_F(SqliteOpenTest, CreateModeAndCreateSqliteDatabaseMakeNewFilesOnly) {
  auto created = OpenDbConnection("Provider=SQLite;Data Source=sub.db;Mode=Create", {FDir.path()});
  EXPECT_TRUE(QFile::exists(FDir.filePath("sub.db")));
  created.reset();

  const QByteArray before = FileBytes(FPath);
  EXPECT_EQ(DatabaseErrorOf([&] { CreateSqliteDatabase(FPath); }),
            QString("Database file \"%1\" already exists.").arg(FPath));
  EXPECT_EQ(FileBytes(FPath), before);
  // Create mode opens an existing database as it is.
  auto reopened =
      OpenDbConnection("Provider=SQLite;Data Source=jail.db;Mode=Create", {FDir.path()});
  std::vector<TDbParam> none;
  EXPECT_EQ(reopened->Execute("SELECT x FROM T", none).Rows.size(), 1u);

  EXPECT_THAT(Utf8(DatabaseErrorOf([&] { CreateSqliteDatabase(FDir.filePath("no/such/dir.db")); })),
              HasSubstr("the folder does not exist"));
}

// The seams the T-SQL layer and the server routines plug into.

TEST_F(SqliteConnectionTest, ProcedureCallEscapeRunsTheRegisteredRoutine) {
  Run("CREATE TABLE Users (Name VARCHAR(20), Logins INT)");
  Run("INSERT INTO Users VALUES ('ADMIN', 0)");
  RegisterSqliteProcedure("dbo.kssp_TestLogin", [](TSqliteProcedureContext& call) {
    std::vector<TDbParam> p{{"N", ftString, ptInput, call.Arg("UserName")}};
    call.Connection.Execute("UPDATE Users SET Logins = Logins + 1 WHERE Name = :N", p);
    call.SetOutput("Greeting", "Hello " + call.Arg("username").toString());
    call.ReturnValue = qint64(call.Arg(size_t(2)).toLongLong() + 1);
    call.Result.Columns = {TDbColumn{"Name", ftString, 20}};
    call.Result.Rows = {{call.Arg("USERNAME")}};
  });
  std::vector<TDbParam> params{{"RETURN_VALUE", ftInteger, ptResult, QVariant()},
                               {"UserName", ftString, ptInput, "ADMIN"},
                               {"Greeting", ftString, ptOutput, QVariant()}};
  const TDbResult r =
      FDb->Execute("{:RETURN_VALUE = CALL KSSP_TESTLOGIN;1 (:UserName, :Greeting, 41)}", params);
  EXPECT_EQ(params[0].Value, QVariant(qint64(42)));
  EXPECT_EQ(params[1].Value, QVariant("ADMIN"));
  EXPECT_EQ(params[2].Value, QVariant("Hello ADMIN"));
  ASSERT_EQ(r.Rows.size(), 1u);
  EXPECT_EQ(r.Rows[0][0], QVariant("ADMIN"));
  EXPECT_EQ(Run("SELECT Logins FROM Users").Rows[0][0], QVariant(qint64(1)));
}

TEST_F(SqliteConnectionTest, ProcedureErrorsAreClear) {
  std::vector<TDbParam> params{{"RETURN_VALUE", ftInteger, ptResult, QVariant()}};
  EXPECT_EQ(DatabaseErrorOf([&] { FDb->Execute("{:RETURN_VALUE = CALL dbo.kssp_Nope}", params); }),
            "Could not find stored procedure 'kssp_Nope'.");
  RegisterSqliteProcedure("kssp_TestNeedsArg", [](TSqliteProcedureContext& call) {
    call.ReturnValue = call.Arg("Missing");
  });
  EXPECT_EQ(
      DatabaseErrorOf([&] { FDb->Execute("{:RETURN_VALUE = CALL kssp_TestNeedsArg}", params); }),
      "Procedure or function 'kssp_TestNeedsArg' expects parameter 'Missing', which was not "
      "supplied.");
  EXPECT_EQ(DatabaseErrorOf([&] { FDb->Execute("{:RV = CALL kssp_TestNeedsArg}", params); }),
            "No value for parameter :RV.");
}

class RecordingTranslator : public ISqliteStatementTranslator {
 public:
  std::vector<TSqliteStatement> Translate(const QString& sql, sqlite3* db) override {
    Seen << sql;
    LastDb = db;
    // Statements of its own, with parameters in its own order.
    if (sql == "PING :A :B") {
      TSqliteStatement own;
      own.Sql = "SELECT ?2 || ?1";
      own.ParamNames = {"a", "B"};
      return {own};
    }
    return DefaultSqliteStatements(sql);
  }
  QStringList Seen;
  sqlite3* LastDb = nullptr;
};

TEST_F(SqliteConnectionTest, AnInstalledTranslatorTurnsTextIntoStatements) {
  auto translator = std::make_shared<RecordingTranslator>();
  SetSqliteStatementTranslator(translator);
  std::vector<TDbParam> params{{"A", ftUnknown, ptInput, "x"}, {"B", ftUnknown, ptInput, "y"}};
  const TDbResult r = FDb->Execute("PING :A :B", params);
  EXPECT_EQ(r.Rows[0][0], QVariant("yx"));
  EXPECT_EQ(translator->Seen, QStringList{"PING :A :B"});
  EXPECT_EQ(translator->LastDb, FDb->Handle());
  // Transactions and metadata are the driver's own SQL: not translated.
  FDb->StartTransaction();
  FDb->Rollback();
  EXPECT_EQ(translator->Seen.size(), 1);
}

// A translator that hands out prepared statement lists, as the T-SQL layer
// does for DECLARE, SELECT @v = ... and EXEC.
class ScriptedTranslator : public ISqliteStatementTranslator {
 public:
  explicit ScriptedTranslator(std::vector<TSqliteStatement> statements)
      : FStatements(std::move(statements)) {}
  std::vector<TSqliteStatement> Translate(const QString&, sqlite3*) override { return FStatements; }

 private:
  std::vector<TSqliteStatement> FStatements;
};

class SqliteBatchActionsTest : public SqliteConnectionTest {
 protected:
  TDbResult RunScript(std::vector<TSqliteStatement> statements, std::vector<TDbParam>& params) {
    SetSqliteStatementTranslator(std::make_shared<ScriptedTranslator>(std::move(statements)));
    return FDb->Execute("-- text for the translator", params);
  }
};

TEST_F(SqliteBatchActionsTest, VariablesAndProcedureCallsRunInBatchOrder) {
  RegisterSqliteProcedure("kssp_TestDouble", [](TSqliteProcedureContext& call) {
    call.ReturnValue = call.Arg("Value").toLongLong() * 2;
    call.Result.Columns = {TDbColumn{"Doubled", ftLargeint, 0}};
    call.Result.Rows = {{call.ReturnValue}};
  });
  using A = TSqliteStatementAction;
  std::vector<TSqliteStatement> script{
      {"SELECT ?1 + 1", {"@Unset"}, A::Execute, {}, {}, {}, {}},  // null until assigned
      {"SELECT ?1 * 10", {"n"}, A::AssignVariable, "@x", {}, {}, {}},
      {"SELECT 1 WHERE 0", {}, A::AssignVariable, "@X", {}, {}, {}},  // no row: unchanged
      {"SELECT ?1 + 1 AS Value", {"@x"}, A::CallProcedure, {}, "dbo.kssp_TestDouble", "RC", {}},
      {"SELECT 'after'", {}, A::Execute, {}, {}, {}, {}},
  };
  std::vector<TDbParam> params{{"N", ftUnknown, ptInput, 4},
                               {"RC", ftInteger, ptOutput, QVariant()}};
  const TDbResult r = RunScript(script, params);
  // The first result set is the first statement's.
  ASSERT_EQ(r.Rows.size(), 1u);
  EXPECT_TRUE(DbValue::IsNull(r.Rows[0][0]));
  EXPECT_EQ(params[1].Value, QVariant(qint64(82)));

  script.erase(script.begin());
  const TDbResult called = RunScript(script, params);
  ASSERT_EQ(called.Columns.size(), 1u);
  EXPECT_EQ(called.Columns[0].Name, "Doubled");
  EXPECT_EQ(called.Rows[0][0], QVariant(qint64(82)));
}

TEST_F(SqliteBatchActionsTest, ErrorsQuoteTheStatementTheTranslatorNamed) {
  std::vector<TDbParam> none;
  EXPECT_EQ(DatabaseErrorOf([&] {
              RunScript({{"SELECT * FROM Nowhere",
                          {},
                          TSqliteStatementAction::Execute,
                          {},
                          {},
                          {},
                          "SELECT * FROM Nowhere (NOLOCK)"}},
                        none);
            }),
            "no such table: Nowhere\nStatement: SELECT * FROM Nowhere (NOLOCK)");
}

int gClosedHandles = 0;

TEST_F(SqliteConnectionTest, OpenAndCloseHooksSeeEveryConnection) {
  RegisterSqliteOpenHook([](sqlite3* db) {
    sqlite3_create_function(
        db, "th_test_hook_answer", 0, SQLITE_UTF8, nullptr,
        [](sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_int(ctx, 42); }, nullptr,
        nullptr);
  });
  RegisterSqliteCloseHook([](sqlite3*) { ++gClosedHandles; });
  auto db = TSqliteConnection::Open(FPath);
  std::vector<TDbParam> none;
  EXPECT_EQ(db->Execute("SELECT th_test_hook_answer()", none).Rows[0][0], QVariant(qint64(42)));
  const int closedBefore = gClosedHandles;
  db.reset();
  EXPECT_EQ(gClosedHandles, closedBefore + 1);
}

}  // namespace
