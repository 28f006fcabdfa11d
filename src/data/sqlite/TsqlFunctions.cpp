#include "data/sqlite/TsqlFunctions.h"

#include "data/sqlite/TsqlCollation.h"
#include "data/sqlite/TsqlFunctionGroups.h"

void RegisterTsqlLibrary(sqlite3* db) {
  RegisterTsqlCollation(db);
  RegisterTsqlArithmetic(db);
  RegisterTsqlLike(db);
  RegisterTsqlDateFunctions(db);
  RegisterTsqlConversions(db);
  RegisterTsqlStringFunctions(db);
  RegisterTsqlMathFunctions(db);
  RegisterTsqlSchemaFunctions(db);
}
