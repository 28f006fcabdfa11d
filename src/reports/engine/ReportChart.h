#pragma once

#include "reports/engine/ReportComponent.h"

#include <functional>

class QChart;

// A chart drawn into its box as a picture. The handler fills a fresh chart
// (series, axes, title, legend) each time the band prints.
class TReportChart : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;
  std::function<void(QChart& chart)> OnBuildChart;
  int Dpi = 300;  // resolution of the picture

  // The chart as a picture of the box's size.
  QImage RenderImage(const QSize& sizeUm);
  void Render(TRenderContext& ctx, const QRect& box) override;
};
