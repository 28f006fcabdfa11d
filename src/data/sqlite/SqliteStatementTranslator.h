#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct sqlite3;

// What the connection does with one translated statement.
enum class TSqliteStatementAction {
  Execute,         // run Sql
  AssignVariable,  // run Sql (one column); the first row's value becomes Variable
  CallProcedure,   // run Sql (a SELECT of the arguments; empty when none), then
                   // the registered routine Procedure with those values
};

// SQL ready for sqlite3_prepare: one or more statements whose parameters are
// written "?N", N the 1-based position in ParamNames. A name is a parameter
// of the caller ("NAME" for ":NAME", matched without regard to case) or a
// variable of the batch ("@name", null until assigned).
struct TSqliteStatement {
  QString Sql;
  QStringList ParamNames;
  TSqliteStatementAction Action = TSqliteStatementAction::Execute;
  QString Variable;         // AssignVariable: "@name"
  QString Procedure;        // CallProcedure: routine name; the argument
                            // SELECT's column names name the arguments
  QString ResultParameter;  // CallProcedure: ":NAME"-style parameter name or
                            // "@name" variable receiving the return value
  QString Source;           // the statement as written, quoted in errors
};

// The step "batch text -> statements" of the embedded backend. The default
// only drops T-SQL lock hints and numbers the ":NAME" parameters; the T-SQL
// layer installs a translator of its own in their place.
class ISqliteStatementTranslator {
 public:
  virtual ~ISqliteStatementTranslator() = default;
  // `db` is the connection the statements will run on (for its schema).
  // Throws EDatabaseError for text it cannot translate.
  virtual std::vector<TSqliteStatement> Translate(const QString& sql, sqlite3* db) = 0;
};

// The default step, also for a translator that wants to fall back on it.
std::vector<TSqliteStatement> DefaultSqliteStatements(const QString& sql);

// Process-wide; nullptr restores the default. Connections look it up on
// every Execute, so installing it once at start-up covers all of them.
void SetSqliteStatementTranslator(std::shared_ptr<ISqliteStatementTranslator> translator);
std::shared_ptr<ISqliteStatementTranslator> SqliteStatementTranslator();
