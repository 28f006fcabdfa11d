#pragma once

#include "data/sqlite/TsqlAst.h"

#include <QString>
#include <QStringList>

#include <vector>

// What the connection does with one translated statement.
enum class TTsqlAction {
  Execute,         // run Sql
  AssignVariable,  // run Sql (a one-column SELECT); its first value becomes Variable
  CallProcedure,   // run Sql (a SELECT of the arguments, empty when none), then Procedure
};

// One SQLite statement made from one T-SQL statement.
struct TTsqlTranslatedStatement {
  TTsqlAction Action = TTsqlAction::Execute;
  // SQLite text; parameters and batch variables are the markers ?1..?N.
  QString Sql;
  // Name bound to marker ?i+1: "NAME" for :NAME (match without regard to
  // case), "@name" for a variable of the batch (set by an AssignVariable).
  QStringList ParamNames;
  QString Variable;         // AssignVariable: "@name" as declared
  QString Procedure;        // CallProcedure: the routine's name, qualifiers dropped
  QString ResultParameter;  // CallProcedure: parameter receiving the return value, if any
  bool ReturnsRows = false;
  QString Source;  // the T-SQL statement, for messages
};

// Turns parsed statements into SQLite SQL with T-SQL semantics (the rules
// are listed in TsqlEmitter.cpp). Throws ETsqlError for constructs with no
// translation.
class TTsqlEmitter {
 public:
  // `batch` is the text the statement was parsed from (for messages).
  static std::vector<TTsqlTranslatedStatement> Emit(const TTsqlStatement& statement,
                                                    const QString& batch);
};
