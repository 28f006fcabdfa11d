#include "reports/engine/PdfDevice.h"

#include "reports/engine/PagePainter.h"
#include "reports/engine/ReportDeviceError.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

QPageLayout LayoutOf(const TReportDocument& document, const TReportPage& page) {
  // Keep the named paper size when the page has it, so viewers and printers
  // see "Letter" rather than a custom size.
  QPageLayout layout(document.PageSize, document.Orientation, QMarginsF(0, 0, 0, 0));
  const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
  if (std::abs(mm.width() * 1000 - page.WidthUm) > 500 ||
      std::abs(mm.height() * 1000 - page.HeightUm) > 500) {
    layout = QPageLayout(
        QPageSize(QSizeF(page.WidthUm / 1000.0, page.HeightUm / 1000.0), QPageSize::Millimeter),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
  }
  return layout;
}

}  // namespace

bool TPdfDevice::Write(const TReportDocument& document, const QString& fileName) const {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly))
    throw EReportDeviceError(
        QStringLiteral("Cannot create the file \"%1\": %2").arg(fileName, file.errorString()));
  {
    QPdfWriter writer(&file);
    writer.setResolution(Resolution);
    writer.setTitle(document.Title);
    writer.setCreator(QStringLiteral("Tallyhouse"));
    if (!document.Pages.empty()) writer.setPageLayout(LayoutOf(document, document.Pages.front()));
    QPainter painter;
    if (!painter.begin(&writer))
      throw EReportDeviceError(QStringLiteral("Cannot write PDF pages to \"%1\".").arg(fileName));
    const qreal scale = DeviceScale(writer);
    for (size_t i = 0; i < document.Pages.size(); ++i) {
      const TReportPage& page = document.Pages[i];
      if (i > 0) {
        writer.setPageLayout(LayoutOf(document, page));
        writer.newPage();
      }
      PaintPage(painter, page, scale);
      if (OnPage && !OnPage(static_cast<int>(i) + 1)) {
        painter.end();
        file.cancelWriting();
        return false;
      }
    }
    painter.end();
  }
  if (!file.commit())
    throw EReportDeviceError(
        QStringLiteral("Cannot write the file \"%1\": %2").arg(fileName, file.errorString()));
  return true;
}
