#pragma once

#include "cli/DemoDatabase.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <QDate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A demo database built once into a temporary folder and opened with the
// T-SQL layer, for the suites that read it. Built for a fixed day (a
// Wednesday) so the tests see the same jail on any day they run.
class TDemoDatabaseFile {
 public:
  static QDate Day() { return QDate(2024, 3, 13); }

  explicit TDemoDatabaseFile(int seed = 7, int scale = 0, const QString& name = "demo.db") {
    InstallTsqlLayer();
    EXPECT_TRUE(FDir.isValid());
    Path = FDir.filePath(name);
    TDemoDatabaseOptions options;
    options.Seed = seed;
    options.Scale = scale;
    options.Today = Day();
    CreateDemoDatabase(Path, options);
    Db = TSqliteConnection::Open(Path);
  }

  // SQLite SQL as written.
  TDbResult Native(const QString& sql, const std::vector<QVariant>& values = {}) {
    return Db->ExecuteNative(sql, values);
  }
  // The single value of a native query.
  QVariant Value(const QString& sql, const std::vector<QVariant>& values = {}) {
    const TDbResult result = Native(sql, values);
    return result.Rows.empty() ? QVariant() : result.Rows[0][0];
  }
  qint64 Count(const QString& sql, const std::vector<QVariant>& values = {}) {
    return Value(sql, values).toLongLong();
  }

  QString Path;
  std::unique_ptr<TSqliteConnection> Db;

 private:
  QTemporaryDir FDir;
};
