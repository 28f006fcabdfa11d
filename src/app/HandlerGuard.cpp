#include "app/HandlerGuard.h"

#include "core/Exception.h"
#include "security/ErrorReportingSink.h"

void RunGuardedHandler(const std::function<void()>& AHandler) {
  try {
    AHandler();
  } catch (const std::exception& e) {
    ErrorReportingSink().HandleException(e);
  } catch (...) {
    ErrorReportingSink().HandleException(Exception(QStringLiteral("Unknown error")));
  }
}
