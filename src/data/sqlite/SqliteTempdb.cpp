#include "data/sqlite/SqliteTempdb.h"

#include "core/Exception.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteConnectionHooks.h"
#include "data/sqlite/SqliteProcedures.h"
#include "data/sqlite/SqliteStatementTranslator.h"
#include "data/sqlite/SqliteTempdbRegistry.h"
#include "data/sqlite/TsqlParser.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <sqlite3.h>

#include <mutex>
#include <optional>

namespace {

const QString kCreateProcedure = QStringLiteral("tempdb_CreateGlobalTable");
const QString kDropProcedure = QStringLiteral("tempdb_DropGlobalTable");

bool IsGlobalTempName(const QString& name) {
  return name.startsWith(QLatin1String("##"));
}

QString Literal(const QString& text) {
  return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
         QLatin1Char('\'');
}

// A statement that hands the translated CREATE or DROP to one of the
// routines below, which run it together with the owner bookkeeping.
TSqliteStatement RoutineCall(const TSqliteStatement& original, const QString& procedure,
                             const QString& table) {
  TSqliteStatement call;
  call.Action = TSqliteStatementAction::CallProcedure;
  call.Procedure = procedure;
  call.Sql = QStringLiteral("SELECT %1 AS TableName, %2 AS Statement")
                 .arg(Literal(table), Literal(original.Sql));
  call.Source = original.Source;
  return call;
}

// The global temporary table a CREATE TABLE or DROP TABLE statement names;
// nothing for any other statement.
struct TGlobalTarget {
  bool Create = false;
  QString Table;
};

std::optional<TGlobalTarget> GlobalTarget(const TSqliteStatement& s) {
  if (s.Action != TSqliteStatementAction::Execute || !s.Source.contains(QLatin1String("##")))
    return std::nullopt;
  std::vector<TTsqlStatementPtr> parsed;
  try {
    parsed = TTsqlParser(s.Source).ParseBatch();
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (parsed.size() != 1) return std::nullopt;
  const TTsqlStatement& statement = *parsed.front();
  if (statement.Kind == TTsqlStatementKind::CreateTable && IsGlobalTempName(statement.Table))
    return TGlobalTarget{true, statement.Table};
  if (statement.Kind == TTsqlStatementKind::DropTable)
    for (const QString& table : statement.Tables)
      if (IsGlobalTempName(table)) return TGlobalTarget{false, table};
  return std::nullopt;
}

class TTempdbTranslator : public ISqliteStatementTranslator {
 public:
  explicit TTempdbTranslator(std::shared_ptr<ISqliteStatementTranslator> inner)
      : FInner(std::move(inner)) {}

  std::vector<TSqliteStatement> Translate(const QString& sql, sqlite3* db) override {
    std::vector<TSqliteStatement> statements =
        FInner ? FInner->Translate(sql, db) : DefaultSqliteStatements(sql);
    if (!sql.contains(QLatin1String("##"))) return statements;
    for (TSqliteStatement& s : statements) {
      const std::optional<TGlobalTarget> target = GlobalTarget(s);
      if (!target) continue;
      s = RoutineCall(s, target->Create ? kCreateProcedure : kDropProcedure, target->Table);
    }
    return statements;
  }

 private:
  std::shared_ptr<ISqliteStatementTranslator> FInner;
};

void CreateGlobalTable(TSqliteProcedureContext& context) {
  sqlite3* db = context.Connection.Handle();
  const QString table = context.Arg(QStringLiteral("TableName")).toString();
  SqliteTempdbRegistry::TWriteScope scope(db);
  SqliteTempdbRegistry::Ensure(db);
  if (SqliteTempdbRegistry::TableExists(db, table)) {
    const auto owner = SqliteTempdbRegistry::Owner(db, table);
    if (owner && TempdbOwnerIsGone(*owner)) SqliteTempdbRegistry::DropTable(db, table);
  }
  if (SqliteTempdbRegistry::TableExists(db, table))
    throw EDatabaseError(
        QStringLiteral("There is already an object named '%1' in the database.").arg(table));
  SqliteTempdbRegistry::Exec(db, context.Arg(QStringLiteral("Statement")).toString());
  SqliteTempdbRegistry::RecordOwner(db, table, CurrentTempdbOwner(TempdbConnectionId(db)));
  scope.Commit();
}

void DropGlobalTable(TSqliteProcedureContext& context) {
  sqlite3* db = context.Connection.Handle();
  SqliteTempdbRegistry::TWriteScope scope(db);
  SqliteTempdbRegistry::Exec(db, context.Arg(QStringLiteral("Statement")).toString());
  SqliteTempdbRegistry::ForgetDroppedTables(db);
  scope.Commit();
}

// A closing connection takes its global temporary tables with it.
void DropTablesOfClosingConnection(sqlite3* db) {
  const QString id = FindTempdbConnectionId(db);
  if (id.isEmpty()) return;
  struct TForget {
    sqlite3* Db;
    ~TForget() { ForgetTempdbConnection(Db); }
  } forget{db};
  // The close would roll back an open transaction anyway; doing it first
  // keeps the drops below from being rolled back with it.
  if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  SqliteTempdbRegistry::TWriteScope scope(db);
  for (const QString& table : SqliteTempdbRegistry::TablesOf(db, id))
    SqliteTempdbRegistry::DropTable(db, table);
  scope.Commit();
}

std::shared_ptr<ISqliteStatementTranslator>& InstalledTranslator() {
  static std::shared_ptr<ISqliteStatementTranslator> translator;
  return translator;
}

}  // namespace

void InstallSqliteTempdb() {
  static std::once_flag once;
  std::call_once(once, [] {
    InstallTsqlLayer();
    InstalledTranslator() = std::make_shared<TTempdbTranslator>(SqliteStatementTranslator());
    SetSqliteStatementTranslator(InstalledTranslator());
    RegisterSqliteProcedure(kCreateProcedure, &CreateGlobalTable);
    RegisterSqliteProcedure(kDropProcedure, &DropGlobalTable);
    RegisterSqliteCloseHook(&DropTablesOfClosingConnection);
  });
}

std::shared_ptr<ISqliteStatementTranslator> SqliteTempdbStatementTranslator() {
  InstallSqliteTempdb();
  return InstalledTranslator();
}
