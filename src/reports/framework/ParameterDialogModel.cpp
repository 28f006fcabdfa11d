#include "reports/framework/ParameterDialogModel.h"

#include "core/UserPrompts.h"

bool TParameterDialogModel::Accept() {
  const QString problem = Validate();
  if (!problem.isEmpty()) {
    UserPrompts().ShowWarning(problem);
    return false;
  }
  StoreResults();
  return true;
}
