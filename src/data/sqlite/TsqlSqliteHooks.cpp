#include "data/sqlite/TsqlSqliteHooks.h"

#include "data/sqlite/SqliteConnectionHooks.h"
#include "data/sqlite/SqliteStatementTranslator.h"
#include "data/sqlite/TsqlFunctions.h"
#include "data/sqlite/TsqlTranslator.h"

#include <mutex>

namespace {

TSqliteStatementAction ActionOf(TTsqlAction action) {
  switch (action) {
    case TTsqlAction::AssignVariable:
      return TSqliteStatementAction::AssignVariable;
    case TTsqlAction::CallProcedure:
      return TSqliteStatementAction::CallProcedure;
    case TTsqlAction::Execute:
      break;
  }
  return TSqliteStatementAction::Execute;
}

class TTsqlStatementTranslator : public ISqliteStatementTranslator {
 public:
  std::vector<TSqliteStatement> Translate(const QString& sql, sqlite3*) override {
    const std::shared_ptr<const TTsqlBatch> batch = TTsqlTranslator::Translate(sql);
    std::vector<TSqliteStatement> statements;
    statements.reserve(batch->Statements.size());
    for (const TTsqlTranslatedStatement& t : batch->Statements) {
      TSqliteStatement s;
      s.Sql = t.Sql;
      s.ParamNames = t.ParamNames;
      s.Action = ActionOf(t.Action);
      s.Variable = t.Variable;
      s.Procedure = t.Procedure;
      s.ResultParameter = t.ResultParameter;
      s.Source = t.Source;
      statements.push_back(std::move(s));
    }
    return statements;
  }
};

// Runs when the program starts, before any connection opens.
const bool kInstalled = (InstallTsqlLayer(), true);

}  // namespace

void InstallTsqlLayer() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterSqliteOpenHook([](sqlite3* db) { RegisterTsqlLibrary(db); });
    SetSqliteStatementTranslator(std::make_shared<TTsqlStatementTranslator>());
  });
}
