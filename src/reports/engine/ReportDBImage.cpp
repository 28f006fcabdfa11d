#include "reports/engine/ReportDBImage.h"

#include "reports/engine/PictureField.h"

QImage TReportDBImage::CurrentPicture() {
  QImage image;
  if (Field.IsBound()) {
    const QVariant value = Field.Value();
    if (value.typeId() == QMetaType::QImage) {
      image = value.value<QImage>();
    } else if (value.typeId() == QMetaType::QByteArray) {
      const QByteArray bytes = value.toByteArray();
      const bool same =
          (bytes.constData() == FLastValue.constData() && bytes.size() == FLastValue.size()) ||
          bytes == FLastValue;
      if (!same) {
        FLastValue = bytes;
        FLastImage = TPictureField::Decode(bytes);
      }
      image = FLastImage;
    }
  } else {
    image = Picture;
  }
  if (OnGetPicture) OnGetPicture(image);
  return image;
}

QRectF TReportDBImage::TargetRect(const QRect& box, const QSize& size, int dpmX, int dpmY) const {
  if (size.isEmpty()) return {};
  double w;
  double h;
  if (Stretch) {
    w = box.width();
    h = box.height();
    if (KeepAspect) {
      const double scale = std::min(w / size.width(), h / size.height());
      w = size.width() * scale;
      h = size.height() * scale;
    }
  } else {
    // Natural size at the picture's own resolution (96 dpi when it has none).
    const double umPerDotX = dpmX > 0 ? 1e6 / dpmX : 25400.0 / 96.0;
    const double umPerDotY = dpmY > 0 ? 1e6 / dpmY : 25400.0 / 96.0;
    w = size.width() * umPerDotX;
    h = size.height() * umPerDotY;
  }
  double x = box.x();
  double y = box.y();
  if (Center) {
    x += (box.width() - w) / 2.0;
    y += (box.height() - h) / 2.0;
  }
  return QRectF(x, y, w, h);
}

void TReportDBImage::Render(TRenderContext& ctx, const QRect& box) {
  if (!ctx.Emit) {
    if (OnGetPicture) CurrentPicture();  // the handler sees every record
    return;
  }
  const QImage image = CurrentPicture();
  if (!image.isNull()) {
    TImageCommand c;
    c.Box = box;
    c.Image = image;
    c.Target = TargetRect(box, image.size(), image.dotsPerMeterX(), image.dotsPerMeterY());
    ctx.Out->emplace_back(std::move(c));
  }
  if (Frame) {
    TShapeCommand frame;
    frame.Box = box;
    frame.Pen = FramePen;
    ctx.Out->emplace_back(frame);
  }
}
