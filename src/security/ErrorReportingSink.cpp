#include "security/ErrorReportingSink.h"

#include "core/Exception.h"
#include "core/UserPrompts.h"

namespace {

IErrorReportingSink* gSink = nullptr;

}  // namespace

void TDefaultErrorReportingSink::HandleException(const std::exception& error) {
  UserPrompts().ShowError(ExceptionMessage(error));
}

IErrorReportingSink& ErrorReportingSink() {
  static TDefaultErrorReportingSink fallback;
  return gSink ? *gSink : fallback;
}

void SetErrorReportingSink(IErrorReportingSink* sink) {
  gSink = sink;
}

TErrorReportingSinkScope::TErrorReportingSinkScope(IErrorReportingSink& sink) : FPrevious(gSink) {
  gSink = &sink;
}

TErrorReportingSinkScope::~TErrorReportingSinkScope() {
  gSink = FPrevious;
}
