#include "data/sqlite/EmbeddedDatabaseSupport.h"

#include "data/sqlite/ServerLoginRoutines.h"
#include "data/sqlite/ServerSuiteRoutines.h"
#include "data/sqlite/SqliteTempdb.h"

void InstallEmbeddedDatabaseSupport() {
  InstallSqliteTempdb();
  RegisterEmbeddedLoginRoutines();
  RegisterEmbeddedSuiteRoutines();
}
