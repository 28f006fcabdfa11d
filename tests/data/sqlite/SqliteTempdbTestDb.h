#pragma once

#include "core/Exception.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteStatementTranslator.h"
#include "data/sqlite/SqliteTempdb.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A real database file with the global temporary tables of tempdb in force,
// and connections to it that stand for separate sessions.
class SqliteTempdbTestDb : public testing::Test {
 protected:
  void SetUp() override {
    FPrevious = SqliteStatementTranslator();
    SetSqliteStatementTranslator(TempdbTranslator());
    ASSERT_TRUE(FDir.isValid());
    FPath = FDir.filePath(QStringLiteral("jail.db"));
    CreateSqliteDatabase(FPath);
  }
  void TearDown() override { SetSqliteStatementTranslator(FPrevious); }

  static std::shared_ptr<ISqliteStatementTranslator> TempdbTranslator() {
    return SqliteTempdbStatementTranslator();
  }

  std::unique_ptr<TSqliteConnection> Connect() const { return TSqliteConnection::Open(FPath); }

  static TDbResult Run(TSqliteConnection& c, const QString& tsql) {
    std::vector<TDbParam> none;
    return c.Execute(tsql, none);
  }

  static QString CreateLock(const QString& name) {
    return QStringLiteral(
               "CREATE TABLE [tempdb].[dbo].[%1](  UserName     VARCHAR(30),"
               "  TimeLocked   DateTime)")
        .arg(name);
  }
  static QString DropLock(const QString& name) {
    return QStringLiteral("DROP TABLE [tempdb].[dbo].[%1]").arg(name);
  }

  // The message of the database error `action` throws; empty when it succeeds.
  template <typename F>
  static QString ErrorOf(F&& action) {
    try {
      action();
    } catch (const EDatabaseError& e) {
      return e.Message();
    }
    return QString();
  }

  QTemporaryDir FDir;
  QString FPath;
  std::shared_ptr<ISqliteStatementTranslator> FPrevious;
};
