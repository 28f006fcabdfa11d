#include "security/LoginDialogs.h"

#include "security/QtLoginDialogs.h"

namespace {

ILoginDialogs* gInstalled = nullptr;

}  // namespace

ILoginDialogs& LoginDialogs() {
  static TQtLoginDialogs qtDialogs;
  return gInstalled ? *gInstalled : qtDialogs;
}

void SetLoginDialogs(ILoginDialogs* ADialogs) {
  gInstalled = ADialogs;
}

TLoginDialogsScope::TLoginDialogsScope(ILoginDialogs& ADialogs) : FPrevious(gInstalled) {
  gInstalled = &ADialogs;
}

TLoginDialogsScope::~TLoginDialogsScope() {
  gInstalled = FPrevious;
}
