#pragma once

#include "reports/engine/OutputDevice.h"

// The PDF writer as a registered file device, the default save type.
class TPdfFileDevice : public TFileOutputDevice {
 public:
  static QString Name() { return QStringLiteral("PDFFile"); }
  QString DeviceName() const override { return Name(); }
  QString Description() const override { return QStringLiteral("PDF File"); }
  QString DefaultExt() const override { return QStringLiteral("pdf"); }
  QString FileFilter() const override { return QStringLiteral("PDF files|*.pdf"); }

 protected:
  void WriteFile(const TReportDocument& document, const QString& path) override;
};
