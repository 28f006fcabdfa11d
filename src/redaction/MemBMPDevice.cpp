#include "redaction/MemBMPDevice.h"

#include "reports/engine/PagePainter.h"

#include <QPainter>

#include <cmath>

int TppMemBMPDevice::ToPixels(int um) {
  return static_cast<int>(std::lround(um * static_cast<double>(kScreenDpi) / 25400.0));
}

int TppMemBMPDevice::ToMicrometres(int pixels) {
  return static_cast<int>(std::lround(pixels * 25400.0 / kScreenDpi));
}

QImage TppMemBMPDevice::RenderPage(const TReportPage& page) {
  QImage image(std::max(1, ToPixels(page.WidthUm)), std::max(1, ToPixels(page.HeightUm)),
               QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(kScreenDpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintPage(painter, page, DeviceScale(image));
  return image;
}

void TppMemBMPDevice::Print(const TReportDocument& document) {
  ClearCancel();
  for (const TReportPage& page : document.Pages) {
    if (Cancelled()) return;
    FPages.push_back(RenderPage(page));
  }
}
