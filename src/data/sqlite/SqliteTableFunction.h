#pragma once

#include <QByteArray>

#include <vector>

struct sqlite3;

// A table-valued function of the embedded database whose rows are those of
// a native query: "name(a, b)" in a FROM clause (or on the right of a LEFT
// JOIN, as OUTER APPLY translates) runs Sql with a and b bound to ?1, ?2.
// An argument left out is null. The definition must outlive the connection
// (a static object).
struct TSqliteTableFunction {
  QByteArray Name;
  // Result columns as a CREATE TABLE declares them ("CheckOutTime DATETIME",
  // "BookNo VARCHAR(15) COLLATE TSQL"), in the order of Sql's columns.
  std::vector<QByteArray> Columns;
  int Arguments = 0;
  QByteArray Sql;
};

// Registers the function on one connection as an eponymous virtual table;
// throws EDatabaseError when SQLite refuses it.
void RegisterSqliteTableFunction(sqlite3* db, const TSqliteTableFunction& function);
