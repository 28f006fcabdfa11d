#pragma once

#include "reports/engine/ReportDocument.h"

#include <QImage>
#include <QStringList>

// Pages as PNG pictures.
class TPngDevice {
 public:
  int Dpi = 150;

  QImage RenderPage(const TReportPage& page) const;
  // One file per page. A one-page document goes to fileName itself; longer
  // ones to "<name>_<n>.png" with n counted from 1 and zero-padded so the
  // files sort in page order. Returns the files written; throws
  // EReportDeviceError.
  QStringList Write(const TReportDocument& document, const QString& fileName) const;
  static QStringList FileNames(const QString& fileName, int pageCount);
};
