#include "data/sqlite/ServerSuiteRoutines.h"

#include "data/sqlite/ServerDailyPopulation.h"
#include "data/sqlite/ServerDocSummary.h"
#include "data/sqlite/ServerSuiteFunctionGroups.h"
#include "data/sqlite/SqliteConnectionHooks.h"
#include "data/sqlite/SqliteProcedures.h"

#include <mutex>

void RegisterEmbeddedSuiteRoutines() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterSqliteProcedure(QStringLiteral("kssp_UpdateDailyPopulation"),
                            KsspUpdateDailyPopulation);
    RegisterSqliteProcedure(QStringLiteral("spks_jbDocSummary"), SpksJbDocSummary);
    RegisterSqliteOpenHook(RegisterServerSuiteFunctions);
  });
}

void RegisterServerSuiteFunctions(sqlite3* db) {
  RegisterServerLookupFunctions(db);
  RegisterServerValueFunctions(db);
  RegisterServerCheckInOutFunctions(db);
}
