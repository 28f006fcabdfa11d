#pragma once

#include "reports/engine/OutputDevice.h"

#include <QImage>

#include <vector>

// Renders every page of a document to a bitmap at screen resolution and
// appends it to a list in memory instead of writing files: the page images
// the redactor shows and prints.
class TppMemBMPDevice : public TOutputDevice {
 public:
  // Screen resolution of the page bitmaps, dots per inch. Fixed, so that a
  // rectangle drawn on a page means the same place on every machine.
  static constexpr int kScreenDpi = 96;

  explicit TppMemBMPDevice(std::vector<QImage>& pages) : FPages(pages) {}

  QString DeviceName() const override { return QStringLiteral("MemBMP"); }
  QString Description() const override { return QStringLiteral("Page Bitmaps"); }

  void Print(const TReportDocument& document) override;

  // One page as a white bitmap with the page drawn on it at 1:1.
  static QImage RenderPage(const TReportPage& page);
  // Micrometres to bitmap pixels and back.
  static int ToPixels(int um);
  static int ToMicrometres(int pixels);

 private:
  std::vector<QImage>& FPages;
};
