#pragma once

struct sqlite3;

// The groups of the T-SQL function library; RegisterTsqlLibrary registers
// them all. Each throws EDatabaseError when SQLite refuses a registration.
void RegisterTsqlArithmetic(sqlite3* db);       // ts_add, ts_sub
void RegisterTsqlLike(sqlite3* db);             // ts_like
void RegisterTsqlDateFunctions(sqlite3* db);    // ts_date, ts_moment, DATEADD & co., JustTheDate...
void RegisterTsqlConversions(sqlite3* db);      // ts_cast, ts_convert
void RegisterTsqlStringFunctions(sqlite3* db);  // LEN, CHARINDEX, SUBSTRING...
void RegisterTsqlMathFunctions(sqlite3* db);    // ROUND, FLOOR, CEILING...
void RegisterTsqlSchemaFunctions(sqlite3* db);  // OBJECT_ID, COLUMNPROPERTY
