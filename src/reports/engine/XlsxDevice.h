#pragma once

#include "reports/engine/OutputDevice.h"

// Writes the texts marked to be saved as a spreadsheet: one worksheet row per
// line of the text file, one cell per field, as plain text so that codes with
// leading zeros keep them.
class TXlsxFileDevice : public TFileOutputDevice {
 public:
  QString DeviceName() const override { return QStringLiteral("XLSXFile"); }
  QString Description() const override { return QStringLiteral("Excel Workbook"); }
  QString DefaultExt() const override { return QStringLiteral("xlsx"); }
  QString FileFilter() const override { return QStringLiteral("Excel workbooks|*.xlsx"); }

 protected:
  void WriteFile(const TReportDocument& document, const QString& path) override;
};
