#include "reports/engine/PngDevice.h"

#include "reports/engine/PagePainter.h"
#include "reports/engine/ReportDeviceError.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

QImage TPngDevice::RenderPage(const TReportPage& page) const {
  const double pxPerUm = Dpi / 25400.0;
  QImage image(std::max(1, static_cast<int>(page.WidthUm * pxPerUm + 0.5)),
               std::max(1, static_cast<int>(page.HeightUm * pxPerUm + 0.5)), QImage::Format_RGB32);
  const int dpm = static_cast<int>(Dpi / 0.0254 + 0.5);
  image.setDotsPerMeterX(dpm);
  image.setDotsPerMeterY(dpm);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  PaintPage(painter, page, DeviceScale(image));
  return image;
}

QStringList TPngDevice::FileNames(const QString& fileName, int pageCount) {
  if (pageCount <= 1) return {fileName};
  const QFileInfo info(fileName);
  const QString suffix = info.suffix().isEmpty() ? QStringLiteral("png") : info.suffix();
  const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
  const int width = static_cast<int>(QString::number(pageCount).size());
  QStringList names;
  for (int i = 1; i <= pageCount; ++i)
    names << QStringLiteral("%1_%2.%3").arg(stem).arg(i, width, 10, QLatin1Char('0')).arg(suffix);
  return names;
}

QStringList TPngDevice::Write(const TReportDocument& document, const QString& fileName) const {
  const QStringList names = FileNames(fileName, static_cast<int>(document.Pages.size()));
  for (size_t i = 0; i < document.Pages.size(); ++i) {
    const QString& name = names[static_cast<int>(i)];
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
      throw EReportDeviceError(
          QStringLiteral("Cannot create the file \"%1\": %2").arg(name, file.errorString()));
    if (!RenderPage(document.Pages[i]).save(&file, "PNG") || !file.commit())
      throw EReportDeviceError(
          QStringLiteral("Cannot write the file \"%1\": %2").arg(name, file.errorString()));
  }
  return names;
}
