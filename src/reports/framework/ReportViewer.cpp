#include "reports/framework/ReportViewer.h"

#include "reports/engine/PagePainter.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

TReportViewer::TReportViewer(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(true);
}

void TReportViewer::SetDocument(const TReportDocument* document) {
  FDocument = document;
  FPageNo = PageCount() > 0 ? 1 : 0;
  UpdateScrollBars();
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  viewport()->update();
  ShowPageStatus();
  emit PageChanged();
}

void TReportViewer::Reset() {
  FDocument = nullptr;
  FPageNo = 0;
  UpdateScrollBars();
  viewport()->update();
  SetStatusText(QString());
  emit PageChanged();
}

void TReportViewer::SetDeadSpace(int pixels) {
  FDeadSpace = std::max(0, pixels);
  UpdateScrollBars();
  viewport()->update();
}

void TReportViewer::SetZoomSetting(TppZoomSetting setting) {
  FZoomSetting = setting;
  UpdateScrollBars();
  viewport()->update();
  emit ZoomChanged();
}

void TReportViewer::SetZoomPercentage(int percent) {
  FZoomPercentage = std::max(1, percent);
  SetZoomSetting(TppZoomSetting::zsPercentage);
}

int TReportViewer::PageCount() const {
  return FDocument ? static_cast<int>(FDocument->Pages.size()) : 0;
}

const TReportPage* TReportViewer::CurrentPage() const {
  if (FPageNo < 1 || FPageNo > PageCount()) return nullptr;
  return &FDocument->Pages[FPageNo - 1];
}

QSizeF TReportViewer::PageSizeAt100() const {
  const TReportPage* page = CurrentPage();
  const int widthUm = page ? page->WidthUm : 215900;
  const int heightUm = page ? page->HeightUm : 279400;
  const double perUm = viewport()->logicalDpiX() / 25400.0;
  return QSizeF(widthUm * perUm, heightUm * perUm);
}

double TReportViewer::ZoomFactor() const {
  const QSizeF page = PageSizeAt100();
  const QSize view = maximumViewportSize();
  const double width = std::max(1, view.width() - 2 * FDeadSpace);
  const double height = std::max(1, view.height() - 2 * FDeadSpace);
  switch (FZoomSetting) {
    case TppZoomSetting::zsWholePage:
      return std::min(width / page.width(), height / page.height());
    case TppZoomSetting::zsPageWidth: {
      // Leave room for the vertical scroll bar the page will need.
      const double factor = width / page.width();
      if (page.height() * factor + 2 * FDeadSpace > view.height())
        return std::max(1.0, width - verticalScrollBar()->sizeHint().width()) / page.width();
      return factor;
    }
    case TppZoomSetting::zs100Percent:
      return 1.0;
    case TppZoomSetting::zsPercentage:
      return FZoomPercentage / 100.0;
  }
  return 1.0;
}

int TReportViewer::CalculatedZoom() const {
  return std::max(1, static_cast<int>(std::lround(ZoomFactor() * 100.0)));
}

QRect TReportViewer::PageRect() const {
  const QSizeF page = PageSizeAt100() * ZoomFactor();
  const QSize size(std::max(1, static_cast<int>(std::lround(page.width()))),
                   std::max(1, static_cast<int>(std::lround(page.height()))));
  // Centred when the view is wider or taller than page and dead space.
  const QSize view = viewport()->size();
  const int x = std::max(FDeadSpace, (view.width() - size.width()) / 2);
  const int y = std::max(FDeadSpace, (view.height() - size.height()) / 2);
  return QRect(QPoint(x - horizontalScrollBar()->value(), y - verticalScrollBar()->value()), size);
}

void TReportViewer::UpdateScrollBars() {
  const QRect page = PageRect();
  const QSize content(page.width() + 2 * FDeadSpace, page.height() + 2 * FDeadSpace);
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(20);
}

void TReportViewer::GotoPage(int pageNo) {
  const int count = PageCount();
  if (count == 0) return;
  const int target = std::clamp(pageNo, 1, count);
  if (target == FPageNo) {
    emit PageChanged();
    return;
  }
  FPageNo = target;
  verticalScrollBar()->setValue(0);
  UpdateScrollBars();
  viewport()->update();
  ShowPageStatus();
  emit PageChanged();
}

void TReportViewer::FirstPage() {
  GotoPage(1);
}
void TReportViewer::PriorPage() {
  GotoPage(FPageNo - 1);
}
void TReportViewer::NextPage() {
  GotoPage(FPageNo + 1);
}
void TReportViewer::LastPage() {
  GotoPage(PageCount());
}

void TReportViewer::SetStatusText(const QString& text) {
  if (text == FStatusText) return;
  FStatusText = text;
  emit StatusChanged(text);
}

void TReportViewer::ShowPageStatus() {
  SetStatusText(PageCount() > 0 ? QStringLiteral("Page %1 of %2").arg(FPageNo).arg(PageCount())
                                : QString());
}

void TReportViewer::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const TReportPage* page = CurrentPage();
  if (!page) return;
  const QRect rect = PageRect();
  painter.fillRect(rect.translated(3, 3), QColor(0, 0, 0, 90));
  painter.fillRect(rect, Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.setClipRect(rect);
  painter.translate(rect.topLeft());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintPage(painter, *page, DeviceScale(*viewport()) * ZoomFactor());
}

void TReportViewer::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  emit ZoomChanged();
}

void TReportViewer::scrollContentsBy(int, int) {
  viewport()->update();
}
