#pragma once

#include <memory>

class ISqliteStatementTranslator;

// SQL Server's global temporary tables ("##name", also written
// "[tempdb].[dbo].[##name]") on the embedded database, with the server's
// behaviour that record locks rely on:
// - a second CREATE of the same name fails while the first exists;
// - a connection's tables are dropped when it closes;
// - a table whose owning process has died is dropped by the next CREATE of
//   its name, so a crashed program leaves no lock behind.
// Installs the T-SQL layer first and wraps the statement step in force,
// so it is called once at start-up before anything swaps that step (tests
// included); calling it again does nothing.
void InstallSqliteTempdb();

// The statement step InstallSqliteTempdb put in place (installing it first
// if need be), for code that swaps steps for a while and puts it back.
std::shared_ptr<ISqliteStatementTranslator> SqliteTempdbStatementTranslator();
