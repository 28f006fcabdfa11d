#pragma once

#include <QString>

#include <vector>

// The suite's table-valued functions whose rows are those of a view for one
// key: f(k) gives "SELECT <columns> FROM <View> WHERE <Key> = k". The
// embedded database registers each as a table function (a virtual table
// running that query, ServerSuiteRoutines.h); the T-SQL translator joins
// the view itself where a statement APPLYs the function, which SQLite plans
// as one query instead of running the function's query once per row.
struct TServerViewFunction {
  QString Name;
  QString View;
  QString Key;
  // The result columns as a CREATE TABLE declares them, in order.
  std::vector<QString> Columns;

  QString ColumnNames() const;  // "a, b, c"
  QString Select() const;       // "SELECT a, b, c FROM View"
};

const std::vector<TServerViewFunction>& ServerViewFunctions();
// By name without regard to case; nullptr when there is none.
const TServerViewFunction* FindServerViewFunction(const QString& name);
