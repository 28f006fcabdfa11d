#include "reports/engine/PdfFileDevice.h"

#include "reports/engine/PdfDevice.h"

void TPdfFileDevice::WriteFile(const TReportDocument& document, const QString& path) {
  TPdfDevice pdf;
  pdf.OnPage = [this](int) { return !Cancelled(); };
  pdf.Write(document, path);
}
