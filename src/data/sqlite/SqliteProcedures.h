#pragma once

#include "data/driver/DbTypes.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class TSqliteConnection;

// What a server routine of the embedded backend receives when a dataset
// calls it through "{:RETURN_VALUE = CALL name (:A, :B)}".
struct TSqliteProcedureContext {
  TSqliteConnection& Connection;
  QString ProcedureName;  // without qualifiers
  // The call's arguments in order: Name as the call wrote it (empty for a
  // literal), ParamType and Value from the caller. A procedure writes its
  // outputs into Value; they go back to the caller's output parameters.
  std::vector<TDbParam> Args;
  // Goes back into the call's return parameter (":RETURN_VALUE").
  QVariant ReturnValue;
  // A result set, for procedures that select rows.
  TDbResult Result;

  // Argument by name (without regard to case, ':' or '@' ignored) or by
  // position; EDatabaseError naming the procedure when it is missing.
  const QVariant& Arg(const QString& name) const;
  const QVariant& Arg(size_t index) const;
  void SetOutput(const QString& name, const QVariant& value);
};

using TSqliteProcedure = std::function<void(TSqliteProcedureContext&)>;

// Process-wide registry; names compare without regard to case and without
// qualifiers ("dbo.kssp_X" and "kssp_x" are one). A second registration of
// a name replaces the first.
void RegisterSqliteProcedure(const QString& name, TSqliteProcedure procedure);
// Empty function when none is registered under that name.
TSqliteProcedure FindSqliteProcedure(const QString& name);
