#pragma once

#include "core/Exception.h"
#include "data/sqlite/EmbeddedSchema.h"
#include "data/sqlite/ServerLoginPasswords.h"
#include "data/sqlite/ServerLoginRoutines.h"
#include "data/sqlite/ServerLoginStore.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A real database file holding the security tables, on a connection with
// the T-SQL layer and the login routines, and hashes made at the lowest cost
// so that a test can hash many passwords.
class ServerLoginTestDb : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InstallTsqlLayer();
    RegisterEmbeddedLoginRoutines();
    SetServerLoginHashLimits(MinimumServerLoginHashLimits());
  }

  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FDb = CreateSqliteDatabase(FDir.filePath(QStringLiteral("emp.db")));
    // A fixture needs no crash safety; skipping the disk flushes keeps it quick.
    FDb->ExecuteNative(QStringLiteral("PRAGMA synchronous = OFF"));
    for (const TSchemaScript& script : EmbeddedSchemaScripts())
      if (script.Name == QLatin1String("030_security.sql")) FDb->ExecuteNative(script.Sql);
  }

  // A user whose password was set `ageDays` days ago (-1: never).
  void AddUser(const QString& name, const QString& password, int ageDays = 1,
               bool changeNow = false) {
    const QVariant changed = ageDays < 0
                                 ? QVariant()
                                 : QVariant(QDateTime::currentDateTime().addDays(-ageDays).toString(
                                       QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    FDb->ExecuteNative(
        QStringLiteral("INSERT INTO Users (UserName, PerNo, EncryptedPassword, PwdLastChanged, "
                       "PwdChangeNow) VALUES (?1, ?2, ?3, ?4, ?5)"),
        {name, QStringLiteral("P-") + name,
         password.isNull() ? QVariant() : QVariant(ServerLoginHashPassword(password)), changed,
         changeNow ? 1 : 0});
  }

  // A procedure call as the client sends it: `params` by name, outputs
  // and RETURN_VALUE written back.
  std::vector<TDbParam> Call(const QString& callText, std::vector<TDbParam> params) {
    params.push_back(TDbParam{QStringLiteral("RETURN_VALUE"), ftUnknown, ptResult, {}});
    FDb->Execute(callText, params);
    return params;
  }

  static QVariant Out(const std::vector<TDbParam>& params, const QString& name) {
    const TDbParam* p = FindDbParam(params, name);
    EXPECT_NE(p, nullptr) << name.toStdString();
    return p ? p->Value : QVariant();
  }

  QVariant Scalar(const QString& sqliteSql, const std::vector<QVariant>& values = {}) {
    const TDbResult r = FDb->ExecuteNative(sqliteSql, values);
    return r.Rows.empty() ? QVariant() : r.Rows[0][0];
  }

  QTemporaryDir FDir;
  std::unique_ptr<TSqliteConnection> FDb;
};
