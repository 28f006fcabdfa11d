#pragma once

#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"
#include "data/driver/DbConnection.h"
#include "data/sqlite/SqliteStatementTranslator.h"
#include "data/sqlite/SqliteTempdb.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// SQLite's own statement step, but the statements on lock tables
// ("[tempdb].[dbo].[##LOCK-...]") go to the tempdb layer that keeps them.
class TPlainSqliteWithLockTables : public ISqliteStatementTranslator {
 public:
  std::vector<TSqliteStatement> Translate(const QString& sql, sqlite3* db) override {
    if (sql.contains(QLatin1String("##LOCK-")))
      return SqliteTempdbStatementTranslator()->Translate(sql, db);
    return DefaultSqliteStatements(sql);
  }
};

// A real SQLite file holding a small booking table, and a connection
// component on it.
class DataTestDb : public ::testing::Test {
 protected:
  void SetUp() override {
    // The fixture and its checks are SQLite's own SQL: they run with the
    // plain statement step whatever translation the process has installed,
    // except the record locks' statements, which need the lock tables.
    SqliteTempdbStatementTranslator();  // installed before it is swapped out
    FInstalled = SqliteStatementTranslator();
    SetSqliteStatementTranslator(std::make_shared<TPlainSqliteWithLockTables>());
    ASSERT_TRUE(FDir.isValid());
    FPath = FDir.filePath(QStringLiteral("jail.db"));
    auto create =
        OpenDbConnection(QStringLiteral("Provider=SQLite;Data Source=%1;Mode=Create").arg(FPath));
    // One commit for the whole fixture: file syncs are what the tests wait for.
    create->StartTransaction();
    for (const char* sql : {
             "CREATE TABLE JAILBOOK (UNIQUEKEY VARCHAR(22) NOT NULL PRIMARY KEY, "
             "BOOKNO VARCHAR(10), LNAME VARCHAR(30), FNAME VARCHAR(30), AGE INT, BAIL MONEY, "
             "BOOKDATE DATETIME, ACTIVE BIT, PHOTO IMAGE, NOTES TEXT)",
             "CREATE INDEX IX_NAME ON JAILBOOK (LNAME, FNAME)",
             "CREATE INDEX IX_BOOKDESC ON JAILBOOK (BOOKNO DESC)",
             "INSERT INTO JAILBOOK (UNIQUEKEY, BOOKNO, LNAME, FNAME, AGE, BAIL, BOOKDATE, ACTIVE) "
             "VALUES ('K1', 'B001', 'SMITH', 'JOHN', 34, 500.5, '2024-01-05 10:30:00', 1)",
             "INSERT INTO JAILBOOK (UNIQUEKEY, BOOKNO, LNAME, FNAME, AGE, BAIL, BOOKDATE, ACTIVE) "
             "VALUES ('K2', 'B002', 'adams', 'mary', 28, 0, '2024-02-10 08:00:00', 1)",
             "INSERT INTO JAILBOOK (UNIQUEKEY, BOOKNO, LNAME, FNAME, AGE, ACTIVE) "
             "VALUES ('K3', 'B003', 'JONES', 'BOB  ', 45, 0)",
             "INSERT INTO JAILBOOK (UNIQUEKEY, BOOKNO, LNAME, FNAME) "
             "VALUES ('K4', 'B004', 'BROWN', 'ANN')",
         }) {
      std::vector<TDbParam> none;
      create->Execute(QString::fromUtf8(sql), none);
    }
    create->Commit();
    FDb.SetConnectString(ConnectString());
  }

  void TearDown() override { SetSqliteStatementTranslator(FInstalled); }

  QString ConnectString() const {
    return QStringLiteral("Provider=SQLite;Data Source=%1").arg(FPath);
  }

  std::unique_ptr<TKsMSQuery> Query(const QString& sql,
                                    const QString& name = QStringLiteral("qryTest")) {
    auto q = FDb.CreateDataSet(name);
    q->SQL().SetText(sql);
    return q;
  }

  static void RunSql(IDbConnection& c, const QString& sql, std::vector<TDbParam> params = {}) {
    c.Execute(sql, params);
  }

  // Another workstation's change, on a connection of its own.
  void Elsewhere(const QString& sql) {
    auto other = OpenDbConnection(ConnectString());
    RunSql(*other, sql);
  }

  // What another workstation would read.
  QVariant Scalar(const QString& sql) {
    auto other = OpenDbConnection(ConnectString());
    std::vector<TDbParam> none;
    const TDbResult r = other->Execute(sql, none);
    return r.Rows.empty() ? QVariant() : r.Rows[0][0];
  }

  QTemporaryDir FDir;
  QString FPath;
  std::shared_ptr<ISqliteStatementTranslator> FInstalled;
  TKsSQLDatabase FDb{QStringLiteral("dbJail")};
};
