#include "reports/engine/ReportChart.h"

#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

QImage TReportChart::RenderImage(const QSize& sizeUm) {
  const double pxPerUm = Dpi / 25400.0;
  const QSize px(std::max(1, static_cast<int>(sizeUm.width() * pxPerUm)),
                 std::max(1, static_cast<int>(sizeUm.height() * pxPerUm)));
  // The chart lays itself out in points at screen size, then the scene is
  // scaled onto the picture so that fonts keep their printed size.
  const double logicalScale = Dpi / 96.0;
  const QSizeF logical(px.width() / logicalScale, px.height() / logicalScale);
  QGraphicsScene scene;
  auto* chart = new QChart();
  scene.addItem(chart);
  chart->setGeometry(QRectF(QPointF(0, 0), logical));
  if (OnBuildChart) OnBuildChart(*chart);
  QImage image(px, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    // Painted at the default (screen) resolution so that the chart's fonts
    // scale with the scene, not twice.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(0, 0, px.width(), px.height()), QRectF(QPointF(0, 0), logical));
  }
  image.setDotsPerMeterX(static_cast<int>(Dpi / 0.0254));
  image.setDotsPerMeterY(static_cast<int>(Dpi / 0.0254));
  return image;
}

void TReportChart::Render(TRenderContext& ctx, const QRect& box) {
  if (!ctx.Emit) return;
  TImageCommand c;
  c.Box = box;
  c.Target = QRectF(box);
  c.Image = RenderImage(box.size());
  ctx.Out->emplace_back(std::move(c));
}
