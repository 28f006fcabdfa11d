#pragma once

#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

// The ODBC procedure-call escape the stored-procedure datasets write:
//   {:RETURN_VALUE = CALL kssp_Name (:A, :B)}
//   {CALL kssp_Name}
struct TSqlCallArg {
  QString ParamName;  // without the colon; empty for a literal
  QVariant Literal;   // a number, a string or null when ParamName is empty
};

struct TSqlCallEscape {
  QString ReturnParam;    // empty when the call has no "? =" part
  QString ProcedureName;  // as written, qualifiers included
  std::vector<TSqlCallArg> Args;
};

// nullopt when the text is not a call escape at all; EDatabaseError when it
// starts like one but is malformed.
std::optional<TSqlCallEscape> ParseSqlCallEscape(const QString& sql);
