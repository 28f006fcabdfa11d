#include "reports/framework/ParameterDialogs.h"

#include "reports/framework/ScriptedParameterDialogs.h"

namespace {

IParameterDialogs* gInstalled = nullptr;

IParameterDialogs& DefaultDialogs() {
  static TScriptedParameterDialogs dialogs;
  return dialogs;
}

}  // namespace

IParameterDialogs& ParameterDialogs() {
  return gInstalled ? *gInstalled : DefaultDialogs();
}

void SetParameterDialogs(IParameterDialogs* dialogs) {
  gInstalled = dialogs;
}

TParameterDialogsScope::TParameterDialogsScope(IParameterDialogs& dialogs) : FPrevious(gInstalled) {
  gInstalled = &dialogs;
}

TParameterDialogsScope::~TParameterDialogsScope() {
  gInstalled = FPrevious;
}
