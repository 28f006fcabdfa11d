// A stand-in for the external report library: every procedure the runner
// needs exists, and each call is appended as one line to the file named by
// TH_FAKE_REPORT_LOG, so a test can read what the runner passed.
#include <cstdio>
#include <cstdlib>

namespace {
void Log(const char* AName, const char* AText) {
  const char* file = std::getenv("TH_FAKE_REPORT_LOG");
  if (!file) return;
  if (std::FILE* log = std::fopen(file, "ab")) {
    std::fprintf(log, "%s|%s\n", AName, AText ? AText : "");
    std::fclose(log);
  }
}
}  // namespace

extern "C" {
using TCallback = void (*)(void*, int);

int PassParametersAndShow(void*, TCallback, void*, const char* AReportName,
                          const char* AParameters) {
  Log("PassParametersAndShow", AReportName);
  Log("Parameters", AParameters);
  return 1;
}
void SetShowSummary(int AValue) {
  Log("SetShowSummary", AValue ? "1" : "0");
}
void SetSelectPrinter(int AValue) {
  Log("SetSelectPrinter", AValue ? "1" : "0");
}
void PassParametersAndExport() {}
void GetParametersAndShow() {}
void ShowReport() {}
void DeleteReport() {}
void EditParameters() {}
void SetSubRptParams() {}
void CancelReport() {}
void CancelViewer() {}
void ResizeViewer() {}
void RegisterReportCallback() {}
}
