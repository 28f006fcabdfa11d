#pragma once

#include "core/Exception.h"

#include <QString>

// A T-SQL statement the embedded backend cannot translate: an unknown
// construct, an unbalanced bracket or quote. The message names the construct
// and quotes the statement; nothing of the batch has been executed.
class ETsqlError : public EDatabaseError {
 public:
  using EDatabaseError::EDatabaseError;
};

// Builds the message of a translation failure: what went wrong, where
// (line and column within the batch), and the statement it belongs to.
inline QString TsqlErrorMessage(const QString& what, int line, int column,
                                const QString& statement) {
  QString text = QStringLiteral("T-SQL translation failed: %1").arg(what);
  if (line > 0) text += QStringLiteral(" (line %1, column %2)").arg(line).arg(column);
  QString quoted = statement.simplified();
  if (quoted.size() > 2000) quoted = quoted.left(2000) + QStringLiteral("...");
  if (!quoted.isEmpty()) text += QStringLiteral(" in statement: ") + quoted;
  return text;
}
