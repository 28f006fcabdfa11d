#pragma once

struct sqlite3;

// Registers on a connection everything translated T-SQL relies on: the ts_*
// functions with T-SQL semantics, the suite's date helpers JustTheDate,
// JustTheTime and JustTheTime1900, and the TSQL collation. Throws
// EDatabaseError when SQLite refuses a registration.
void RegisterTsqlLibrary(sqlite3* db);
