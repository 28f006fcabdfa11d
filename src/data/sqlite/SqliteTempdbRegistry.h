#pragma once

#include "data/sqlite/SqliteTempdbProcess.h"

#include <QString>
#include <QStringList>

#include <optional>

struct sqlite3;

// The record of who created each global temporary table ("##name") of an
// embedded database file, kept in the file itself so that every process
// using the file sees it. All of these run on the given raw connection in
// its current transaction.
namespace SqliteTempdbRegistry {

void Ensure(sqlite3* db);
bool TableExists(sqlite3* db, const QString& table);
// Drops the table (if it is there) and forgets its owner.
void DropTable(sqlite3* db, const QString& table);
// The owner on record; none for a table created outside the registry.
std::optional<TSqliteTempdbOwner> Owner(sqlite3* db, const QString& table);
void RecordOwner(sqlite3* db, const QString& table, const TSqliteTempdbOwner& owner);
// Forgets the owners of tables that are no longer there.
void ForgetDroppedTables(sqlite3* db);
// The tables created by one connection.
QStringList TablesOf(sqlite3* db, const QString& connectionId);

// A unit of work on the raw connection: its own immediate transaction, or a
// savepoint inside the caller's. Undone unless committed.
class TWriteScope {
 public:
  explicit TWriteScope(sqlite3* db);
  ~TWriteScope();
  TWriteScope(const TWriteScope&) = delete;
  TWriteScope& operator=(const TWriteScope&) = delete;
  void Commit();

 private:
  sqlite3* FDb;
  bool FOwnTransaction;
  bool FDone = false;
};

// Runs native SQL with text arguments bound to ?1, ?2...; EDatabaseError
// with SQLite's message on failure.
void Exec(sqlite3* db, const QString& sql, const QStringList& args = {});

}  // namespace SqliteTempdbRegistry
