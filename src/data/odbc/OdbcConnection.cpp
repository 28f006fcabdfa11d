#include "data/odbc/OdbcConnection.h"

#include "core/Exception.h"
#include "data/driver/SqlCallEscape.h"
#include "data/driver/SqlLexer.h"
#include "data/driver/SqlParamScanner.h"
#include "data/odbc/OdbcParameters.h"
#include "data/odbc/OdbcResultReader.h"

#include <QByteArray>
#include <QStringList>

#include <array>

namespace {

QByteArray Utf8(const QString& text) {
  return text.toUtf8();
}

SQLCHAR* Chars(QByteArray& bytes) {
  return reinterpret_cast<SQLCHAR*>(bytes.data());
}

// Catalog, schema and table of a possibly qualified name; empty parts are
// left to the driver's defaults.
struct TTableName {
  QByteArray Catalog, Schema, Table;
};

TTableName SplitTableName(const QString& table) {
  QStringList parts = SqlNameParts(table);
  if (parts.isEmpty()) parts << table.trimmed();
  TTableName name;
  name.Table = Utf8(parts.takeLast());
  if (!parts.isEmpty()) name.Schema = Utf8(parts.takeLast());
  if (!parts.isEmpty()) name.Catalog = Utf8(parts.takeLast());
  return name;
}

SQLCHAR* OrNull(QByteArray& part) {
  return part.isEmpty() ? nullptr : Chars(part);
}

}  // namespace

std::unique_ptr<TOdbcConnection> TOdbcConnection::Open(const QString& connectionString,
                                                       const QString& databaseName) {
  TOdbcHandle env(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
  env.Check(SQLSetEnvAttr(env.Get(), SQL_ATTR_ODBC_VERSION,
                          reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0));
  TOdbcHandle dbc(SQL_HANDLE_DBC, env.Get());
  QByteArray text = Utf8(connectionString);
  SQLSMALLINT outLength = 0;
  const SQLRETURN rc = SQLDriverConnect(dbc.Get(), nullptr, Chars(text), SQL_NTS, nullptr, 0,
                                        &outLength, SQL_DRIVER_NOPROMPT);
  // The message leaves the connection string out: it holds the password.
  dbc.Check(rc, QStringLiteral("Cannot connect to the database"));

  std::unique_ptr<TOdbcConnection> connection(new TOdbcConnection(std::move(env), std::move(dbc)));
  connection->FDatabaseName = databaseName;
  if (databaseName.isEmpty()) {
    std::array<char, 256> name{};
    SQLSMALLINT length = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(connection->FDbc.Get(), SQL_DATABASE_NAME, name.data(),
                                 SQLSMALLINT(name.size()), &length)))
      connection->FDatabaseName = QString::fromUtf8(name.data());
  }
  return connection;
}

TOdbcConnection::TOdbcConnection(TOdbcHandle env, TOdbcHandle dbc)
    : FEnv(std::move(env)), FDbc(std::move(dbc)) {}

TOdbcConnection::~TOdbcConnection() {
  if (FInTransaction) SQLEndTran(SQL_HANDLE_DBC, FDbc.Get(), SQL_ROLLBACK);
  SQLDisconnect(FDbc.Get());
}

TDbResult TOdbcConnection::Execute(const QString& sql, std::vector<TDbParam>& params) {
  QString returnParam;
  if (sql.trimmed().startsWith(QLatin1Char('{'))) {
    if (auto call = ParseSqlCallEscape(sql)) returnParam = call->ReturnParam;
  }
  const TSqlParamScan scan = ScanSqlParams(sql, TSqlMarkerStyle::Question);

  TOdbcHandle stmt(SQL_HANDLE_STMT, FDbc.Get());
  TOdbcParameters parameters;
  parameters.Bind(stmt, scan, params, returnParam);
  // Each text runs once, so direct execution: no separate prepare round trip.
  QByteArray text = Utf8(scan.Text);
  SQLRETURN rc = SQLExecDirect(stmt.Get(), Chars(text), SQL_NTS);
  if (rc != SQL_NO_DATA) stmt.Check(rc);  // NO_DATA: a change that touched no row

  TDbResult result;
  bool haveResult = false;
  while (true) {
    SQLSMALLINT columns = 0;
    stmt.Check(SQLNumResultCols(stmt.Get(), &columns));
    if (columns > 0 && !haveResult) {
      OdbcReadResult(stmt, result);
      haveResult = true;
    } else if (columns > 0) {
      result.RowsAffected = -1;  // a later result set, skipped unread
    } else {
      SQLLEN count = -1;
      stmt.Check(SQLRowCount(stmt.Get(), &count));
      result.RowsAffected = count;
    }
    rc = SQLMoreResults(stmt.Get());
    if (rc == SQL_NO_DATA) break;
    stmt.Check(rc);
  }
  // Output parameters arrive after the last result.
  parameters.ReadOutputs();
  return result;
}

std::vector<TDbIndexColumn> TOdbcConnection::IndexColumns(const QString& table) {
  TTableName name = SplitTableName(table);
  TOdbcHandle stmt(SQL_HANDLE_STMT, FDbc.Get());
  stmt.Check(SQLStatistics(stmt.Get(), OrNull(name.Catalog), SQL_NTS, OrNull(name.Schema), SQL_NTS,
                           Chars(name.Table), SQL_NTS, SQL_INDEX_ALL, SQL_QUICK));
  TDbResult rows;
  OdbcReadResult(stmt, rows);
  // Columns of SQLStatistics: 6 INDEX_NAME, 7 TYPE, 9 COLUMN_NAME, 10 ASC_OR_DESC.
  std::vector<TDbIndexColumn> columns;
  for (const auto& row : rows.Rows) {
    if (row.size() < 10 || DbValue::IsNull(row[5]) || row[6].toLongLong() == SQL_TABLE_STAT)
      continue;
    columns.push_back(TDbIndexColumn{row[5].toString(), row[8].toString(),
                                     row[9].toString().trimmed().toUpper() == QLatin1String("D")});
  }
  return columns;
}

void TOdbcConnection::StartTransaction() {
  if (FInTransaction) throw EDatabaseError(QStringLiteral("A transaction is already active."));
  FDbc.Check(SQLSetConnectAttr(FDbc.Get(), SQL_ATTR_AUTOCOMMIT,
                               reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), SQL_IS_UINTEGER));
  FInTransaction = true;
}

void TOdbcConnection::Commit() {
  EndTransaction(SQL_COMMIT);
}

void TOdbcConnection::Rollback() {
  EndTransaction(SQL_ROLLBACK);
}

void TOdbcConnection::EndTransaction(SQLSMALLINT completion) {
  if (!FInTransaction) throw EDatabaseError(QStringLiteral("No transaction is active."));
  const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, FDbc.Get(), completion);
  // Back to auto-commit whatever the outcome, so a failed commit does not
  // leave every later statement inside a transaction nobody ends.
  FInTransaction = false;
  SQLSetConnectAttr(FDbc.Get(), SQL_ATTR_AUTOCOMMIT,
                    reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), SQL_IS_UINTEGER);
  FDbc.Check(rc);
}
