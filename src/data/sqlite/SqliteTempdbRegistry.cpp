#include "data/sqlite/SqliteTempdbRegistry.h"

#include "core/Exception.h"

#include <sqlite3.h>

#include <memory>

namespace {

const char* const kRegistry = "tempdb_GlobalTempTables";

struct TFinalize {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using TStmt = std::unique_ptr<sqlite3_stmt, TFinalize>;

[[noreturn]] void Fail(sqlite3* db) {
  throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

TStmt Prepare(sqlite3* db, const QString& sql, const QStringList& args) {
  sqlite3_stmt* raw = nullptr;
  const QByteArray utf8 = sql.toUtf8();
  if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &raw, nullptr) != SQLITE_OK)
    Fail(db);
  TStmt stmt(raw);
  for (int i = 0; i < args.size(); ++i) {
    const QByteArray value = args[i].toUtf8();
    sqlite3_bind_text(stmt.get(), i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
  }
  return stmt;
}

// The text columns of every row.
std::vector<QStringList> Query(sqlite3* db, const QString& sql, const QStringList& args = {}) {
  TStmt stmt = Prepare(db, sql, args);
  std::vector<QStringList> rows;
  int rc;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    QStringList row;
    for (int c = 0; c < sqlite3_column_count(stmt.get()); ++c)
      row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), c)));
    rows.push_back(row);
  }
  if (rc != SQLITE_DONE) Fail(db);
  return rows;
}

// An identifier SQLite reads back exactly, whatever it holds.
QString QuoteIdentifier(const QString& name) {
  return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
         QLatin1Char('"');
}

bool RegistryExists(sqlite3* db) {
  return !Query(db,
                QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?1"),
                {QString::fromLatin1(kRegistry)})
              .empty();
}

}  // namespace

namespace SqliteTempdbRegistry {

void Exec(sqlite3* db, const QString& sql, const QStringList& args) {
  TStmt stmt = Prepare(db, sql, args);
  int rc;
  while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) Fail(db);
}

void Ensure(sqlite3* db) {
  Exec(db, QStringLiteral("CREATE TABLE IF NOT EXISTS %1 ("
                          "TableName TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, "
                          "HostName TEXT, ProcessId INTEGER, ProcessStart INTEGER, "
                          "ConnectionId TEXT, Created TEXT DEFAULT CURRENT_TIMESTAMP)")
               .arg(QLatin1String(kRegistry)));
}

bool TableExists(sqlite3* db, const QString& table) {
  // Names compare as SQLite resolves them: without regard to ASCII case.
  return !Query(db,
                QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' "
                               "AND name = ?1 COLLATE NOCASE"),
                {table})
              .empty();
}

void DropTable(sqlite3* db, const QString& table) {
  Exec(db, QStringLiteral("DROP TABLE IF EXISTS ") + QuoteIdentifier(table));
  if (RegistryExists(db))
    Exec(db, QStringLiteral("DELETE FROM %1 WHERE TableName = ?1").arg(QLatin1String(kRegistry)),
         {table});
}

std::optional<TSqliteTempdbOwner> Owner(sqlite3* db, const QString& table) {
  if (!RegistryExists(db)) return std::nullopt;
  const auto rows = Query(db,
                          QStringLiteral("SELECT HostName, ProcessId, ProcessStart, ConnectionId "
                                         "FROM %1 WHERE TableName = ?1")
                              .arg(QLatin1String(kRegistry)),
                          {table});
  if (rows.empty()) return std::nullopt;
  TSqliteTempdbOwner owner;
  owner.HostName = rows[0][0];
  owner.ProcessId = rows[0][1].toLongLong();
  owner.ProcessStart = rows[0][2].toLongLong();
  owner.ConnectionId = rows[0][3];
  return owner;
}

void RecordOwner(sqlite3* db, const QString& table, const TSqliteTempdbOwner& owner) {
  Exec(db,
       QStringLiteral("INSERT OR REPLACE INTO %1 (TableName, HostName, ProcessId, ProcessStart, "
                      "ConnectionId) VALUES (?1, ?2, ?3, ?4, ?5)")
           .arg(QLatin1String(kRegistry)),
       {table, owner.HostName, QString::number(owner.ProcessId),
        QString::number(owner.ProcessStart), owner.ConnectionId});
}

void ForgetDroppedTables(sqlite3* db) {
  if (!RegistryExists(db)) return;
  Exec(db, QStringLiteral("DELETE FROM %1 WHERE TableName NOT IN "
                          "(SELECT name FROM sqlite_schema WHERE type = 'table')")
               .arg(QLatin1String(kRegistry)));
}

QStringList TablesOf(sqlite3* db, const QString& connectionId) {
  if (!RegistryExists(db)) return {};
  QStringList tables;
  for (const QStringList& row :
       Query(db,
             QStringLiteral("SELECT TableName FROM %1 WHERE ConnectionId = ?1 ORDER BY TableName")
                 .arg(QLatin1String(kRegistry)),
             {connectionId}))
    tables << row[0];
  return tables;
}

TWriteScope::TWriteScope(sqlite3* db) : FDb(db), FOwnTransaction(sqlite3_get_autocommit(db) != 0) {
  // Immediate, so that two processes reclaiming the same stale table queue
  // on the busy timeout instead of both seeing it stale.
  Exec(FDb, FOwnTransaction ? QStringLiteral("BEGIN IMMEDIATE")
                            : QStringLiteral("SAVEPOINT tempdb_global_table"));
}

TWriteScope::~TWriteScope() {
  if (FDone) return;
  if (FOwnTransaction) {
    sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
  } else {
    sqlite3_exec(FDb, "ROLLBACK TO tempdb_global_table", nullptr, nullptr, nullptr);
    sqlite3_exec(FDb, "RELEASE tempdb_global_table", nullptr, nullptr, nullptr);
  }
}

void TWriteScope::Commit() {
  Exec(FDb,
       FOwnTransaction ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE tempdb_global_table"));
  FDone = true;
}

}  // namespace SqliteTempdbRegistry
