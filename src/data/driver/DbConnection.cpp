#include "data/driver/DbConnection.h"

#include "data/driver/ConnectionString.h"
#include "data/odbc/OdbcConnection.h"
#include "data/sqlite/SqliteConnection.h"

std::unique_ptr<IDbConnection> OpenDbConnection(const QString& connectionString,
                                                const TDbOpenOptions& options) {
  const TDbConnectTarget target = ResolveConnectionString(connectionString, options.BaseFolder);
  if (target.Backend == TDbBackend::Sqlite)
    return TSqliteConnection::Open(target.SqlitePath, target.SqliteMode, target.BusyTimeoutMs);
  return TOdbcConnection::Open(target.OdbcConnectionString, target.DatabaseName);
}
