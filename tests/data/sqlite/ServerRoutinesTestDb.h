#pragma once

#include "data/sqlite/EmbeddedSchema.h"
#include "data/sqlite/ServerSuiteRoutines.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A real database file with the whole schema, on a connection with the
// T-SQL layer and the suite's server routines, as the program opens it.
class ServerRoutinesTestDb : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InstallTsqlLayer();
    RegisterEmbeddedSuiteRoutines();
  }

  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FDb = CreateSqliteDatabase(FDir.filePath(QStringLiteral("jail.db")));
    // A fixture needs no crash safety; skipping the disk flushes keeps it quick.
    FDb->ExecuteNative(QStringLiteral("PRAGMA synchronous = OFF"));
    FDb->StartTransaction();
    ApplyEmbeddedSchema(*FDb);
    FDb->Commit();
  }

  // Fixture rows in native SQLite SQL.
  void Exec(const QString& sqliteSql, const std::vector<QVariant>& values = {}) {
    FDb->ExecuteNative(sqliteSql, values);
  }

  // T-SQL as a report sends it, through the translator; parameters by name.
  TDbResult Run(const QString& tsql, std::vector<TDbParam> params = {}) {
    return FDb->Execute(tsql, params);
  }

  // Values of the first column, as text (NULL written "NULL").
  QStringList Column(const TDbResult& result, size_t column = 0) {
    QStringList values;
    for (const auto& row : result.Rows)
      values << (row[column].isNull() ? QStringLiteral("NULL") : row[column].toString());
    return values;
  }

  QVariant Value(const QString& tsql, std::vector<TDbParam> params = {}) {
    const TDbResult r = Run(tsql, std::move(params));
    EXPECT_EQ(r.Rows.size(), 1u) << tsql.toStdString();
    return r.Rows.empty() ? QVariant() : r.Rows[0][0];
  }

  // A procedure call as the client sends it; RETURN_VALUE written back into
  // `returnValue` when given.
  TDbResult Call(const QString& callText, std::vector<TDbParam> params,
                 QVariant* returnValue = nullptr) {
    params.push_back(TDbParam{QStringLiteral("RETURN_VALUE"), ftInteger, ptResult, {}});
    TDbResult result = FDb->Execute(callText, params);
    if (returnValue) *returnValue = params.back().Value;
    return result;
  }

  static TDbParam Param(const char* name, const QVariant& value, TFieldType type = ftUnknown) {
    return TDbParam{QString::fromLatin1(name), type, ptInput, value};
  }

  static QDateTime At(int y, int mo, int d, int h = 0, int mi = 0) {
    return DbValue::MakeDateTime(y, mo, d, h, mi);
  }

  QTemporaryDir FDir;
  std::unique_ptr<TSqliteConnection> FDb;
};
