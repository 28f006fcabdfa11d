#pragma once

#include <functional>

struct sqlite3;

// Called with the raw handle of every embedded connection right after it
// opens (where the T-SQL function library, the TSQL collation and the
// server routines get registered), and right before it closes (where a
// connection's lock tables are removed). Process-wide, in registration
// order; a hook that throws makes the open fail.
using TSqliteConnectionHook = std::function<void(sqlite3*)>;

void RegisterSqliteOpenHook(TSqliteConnectionHook hook);
void RegisterSqliteCloseHook(TSqliteConnectionHook hook);

// Used by the connection itself.
void RunSqliteOpenHooks(sqlite3* db);
// Runs while a connection goes away, so a hook's failure cannot propagate:
// it is written to the log instead.
void RunSqliteCloseHooks(sqlite3* db) noexcept;
