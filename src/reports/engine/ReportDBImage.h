#pragma once

#include "reports/engine/ReportComponent.h"

#include <QImage>

#include <functional>

// A picture from a blob field (decoded by its first bytes) or a fixed
// image, stretched, kept in proportion and centred in its box as set.
class TReportDBImage : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;
  TFieldLink Field;
  QImage Picture;  // when no field is bound
  bool Stretch = true;
  bool KeepAspect = true;
  bool Center = true;
  bool Frame = false;
  TPenInfo FramePen;
  std::function<void(QImage& picture)> OnGetPicture;

  // Where a picture of `size` pixels at `dotsPerMeter` lands in `box`.
  QRectF TargetRect(const QRect& box, const QSize& size, int dotsPerMeterX,
                    int dotsPerMeterY) const;
  void Render(TRenderContext& ctx, const QRect& box) override;

 private:
  QImage CurrentPicture();
  // Pages repeat the same logo: decoding it once also lets the PDF writer
  // store it once.
  QByteArray FLastValue;
  QImage FLastImage;
};
