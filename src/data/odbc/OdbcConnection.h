#pragma once

#include "data/driver/DbConnection.h"
#include "data/odbc/OdbcHandle.h"

#include <QString>

#include <memory>

// The ODBC backend, for the suite's SQL Server through FreeTDS (or any
// ODBC driver). Statements pass to the server as written, with ":NAME"
// parameters turned into "?" markers; the procedure-call escape
// "{:RETURN_VALUE = CALL p (:A)}" thereby becomes "{? = CALL p (?)}".
class TOdbcConnection : public IDbConnection {
 public:
  // `connectionString` is in ODBC form (see ResolveConnectionString);
  // `databaseName` is what DatabaseName() reports, asked of the driver when
  // empty. Throws EDatabaseError with the driver's text.
  static std::unique_ptr<TOdbcConnection> Open(const QString& connectionString,
                                               const QString& databaseName = QString());
  ~TOdbcConnection() override;

  QString DriverName() const override { return QStringLiteral("ODBC"); }
  QString DatabaseName() const override { return FDatabaseName; }
  TDbResult Execute(const QString& sql, std::vector<TDbParam>& params) override;
  std::vector<TDbIndexColumn> IndexColumns(const QString& table) override;
  void StartTransaction() override;
  void Commit() override;
  void Rollback() override;
  bool InTransaction() const override { return FInTransaction; }

 private:
  TOdbcConnection(TOdbcHandle env, TOdbcHandle dbc);
  void EndTransaction(SQLSMALLINT completion);

  TOdbcHandle FEnv;
  TOdbcHandle FDbc;
  QString FDatabaseName;
  bool FInTransaction = false;
};
