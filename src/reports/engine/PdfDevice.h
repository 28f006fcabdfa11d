#pragma once

#include "reports/engine/ReportDocument.h"

#include <QString>

#include <functional>

// Writes a document as PDF. The file appears only when it is complete: the
// pages go to a temporary file beside it that is renamed at the end, so a
// cancelled or failed run leaves no partial file (and an older file of the
// same name untouched).
class TPdfDevice {
 public:
  int Resolution = 1200;  // dots per inch of the PDF's user space
  // Called after each page with the number of pages written; returning
  // false cancels.
  std::function<bool(int pagesDone)> OnPage;

  // True when written, false when cancelled; throws EReportDeviceError.
  bool Write(const TReportDocument& document, const QString& fileName) const;
};
