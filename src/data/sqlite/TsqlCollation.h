#pragma once

struct sqlite3;

// SQL Server's default comparison of text: without regard to case, and with
// trailing blanks ignored ('abc' = 'ABC  '). Text columns of the embedded
// schema are declared COLLATE TSQL; the translator adds it where a
// comparison or ORDER BY has no column to take it from.
int TsqlCompareText(const char* a, int lengthA, const char* b, int lengthB);

// Registers the collation "TSQL" on a connection. Throws EDatabaseError.
void RegisterTsqlCollation(sqlite3* db);
