#include "reports/engine/PagePainter.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cmath>

namespace {

// Keeps the last font, pen and brush handed to the painter so that a page of
// thousands of texts in a handful of fonts does not rebuild the painter
// state for every command.
class TPaintState {
 public:
  TPaintState(QPainter& painter, qreal scale)
      : FPainter(painter),
        FScale(scale),
        // Design point sizes become device pixels through `scale`, whatever the
        // device's own resolution is.
        FFontFactor(scale * 25400.0 / std::max(1, painter.device()->logicalDpiY())) {}

  QPainter& Painter() { return FPainter; }
  qreal Scale() const { return FScale; }

  QPointF Point(const QPointF& um) const { return QPointF(um.x() * FScale, um.y() * FScale); }
  QRectF Rect(const QRectF& um) const {
    return QRectF(um.x() * FScale, um.y() * FScale, um.width() * FScale, um.height() * FScale);
  }

  void SetFont(const QFont& font) {
    if (FHaveFont && font == FDesignFont) return;
    FDesignFont = font;
    FHaveFont = true;
    // Every attribute is set explicitly: a font whose attributes are not
    // marked as set (rich-text runs taken from a document's default font)
    // would otherwise take the device's default family and style.
    QFont scaled(font.family());
    scaled.setWeight(font.weight());
    scaled.setItalic(font.italic());
    scaled.setUnderline(font.underline());
    scaled.setStrikeOut(font.strikeOut());
    scaled.setStretch(font.stretch());
    scaled.setStyleStrategy(font.styleStrategy());
    const qreal pt = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    scaled.setPointSizeF(pt * FFontFactor);
    FPainter.setFont(scaled);
  }

  void SetTextPen(const QColor& color) {
    if (FPenIsText && FPenColor == color) return;
    FPainter.setPen(QPen(color));
    FPenIsText = true;
    FPenColor = color;
  }

  void SetPen(const TPenInfo& pen) {
    FPenIsText = false;
    if (pen.WidthUm <= 0) {
      FPainter.setPen(Qt::NoPen);
      return;
    }
    QPen qpen(pen.Color);
    qpen.setWidthF(pen.WidthUm * FScale);
    qpen.setCapStyle(Qt::FlatCap);
    switch (pen.Style) {
      case TLineStyle::Dotted:
        qpen.setStyle(Qt::DotLine);
        break;
      case TLineStyle::Dashed:
        qpen.setStyle(Qt::DashLine);
        break;
      case TLineStyle::DashDot:
        qpen.setStyle(Qt::DashDotLine);
        break;
      case TLineStyle::Solid:
      case TLineStyle::Double:
        qpen.setStyle(Qt::SolidLine);
        break;
    }
    FPainter.setPen(qpen);
  }

  void SetBrush(const QBrush& brush) { FPainter.setBrush(brush); }

 private:
  QPainter& FPainter;
  qreal FScale;
  qreal FFontFactor;
  QFont FDesignFont;
  bool FHaveFont = false;
  bool FPenIsText = false;
  QColor FPenColor;
};

int DrawFlags(Qt::Alignment alignment, bool wordWrap) {
  int flags = static_cast<int>(alignment);
  if (wordWrap) flags |= Qt::TextWordWrap;
  return flags;
}

void DrawLines(TPaintState& state, const std::vector<TTextLine>& lines) {
  for (const TTextLine& line : lines) state.Painter().drawText(state.Point(line.Origin), line.Text);
}

void Paint(TPaintState& state, const TTextCommand& c) {
  QPainter& p = state.Painter();
  if (c.Background.isValid() && c.Background.alpha() > 0)
    p.fillRect(state.Rect(c.Box), c.Background);
  state.SetFont(c.Font);
  state.SetTextPen(c.Color);
  if (!c.Lines.empty()) {
    DrawLines(state, c.Lines);
  } else if (!c.Text.isEmpty()) {
    p.drawText(state.Rect(c.Box), DrawFlags(c.Alignment, c.WordWrap), c.Text);
  }
}

void Paint(TPaintState& state, const TLineCommand& c) {
  state.SetPen(c.Pen);
  QPainter& p = state.Painter();
  const QPointF a = state.Point(c.From);
  const QPointF b = state.Point(c.To);
  if (c.Pen.Style != TLineStyle::Double) {
    p.drawLine(a, b);
    return;
  }
  // Two strokes either side of the path.
  const QPointF d = b - a;
  const qreal len = std::hypot(d.x(), d.y());
  if (len <= 0) return;
  const QPointF offset(-d.y() / len * c.Pen.WidthUm * state.Scale(),
                       d.x() / len * c.Pen.WidthUm * state.Scale());
  p.drawLine(a + offset, b + offset);
  p.drawLine(a - offset, b - offset);
}

void Paint(TPaintState& state, const TShapeCommand& c) {
  state.SetPen(c.Pen);
  state.SetBrush(c.BrushStyle == Qt::NoBrush ? QBrush(Qt::NoBrush)
                                             : QBrush(c.BrushColor, c.BrushStyle));
  QPainter& p = state.Painter();
  const QRectF r = state.Rect(c.Box);
  switch (c.Kind) {
    case TShapeKind::Rectangle:
      p.drawRect(r);
      break;
    case TShapeKind::RoundRect: {
      const qreal radius = c.CornerRadiusUm * state.Scale();
      p.drawRoundedRect(r, radius, radius);
      break;
    }
    case TShapeKind::Ellipse:
      p.drawEllipse(r);
      break;
  }
  state.SetBrush(Qt::NoBrush);
}

void Paint(TPaintState& state, const TImageCommand& c) {
  if (c.Image.isNull()) return;
  QPainter& p = state.Painter();
  const QRectF target = state.Rect(c.Target);
  const bool clip = !QRectF(c.Box).contains(c.Target);
  if (clip) {
    p.save();
    p.setClipRect(state.Rect(c.Box), Qt::IntersectClip);
  }
  p.drawImage(target, c.Image);
  if (clip) p.restore();
}

void Paint(TPaintState& state, const TCheckBoxCommand& c) {
  TPenInfo pen;
  pen.WidthUm = c.PenWidthUm;
  pen.Color = c.Color;
  state.SetPen(pen);
  state.SetBrush(Qt::NoBrush);
  QPainter& p = state.Painter();
  // The box is a square centred in the component's box.
  const int side = std::min(c.Box.width(), c.Box.height());
  const QRectF sq(c.Box.x() + (c.Box.width() - side) / 2.0,
                  c.Box.y() + (c.Box.height() - side) / 2.0, side, side);
  const QRectF r = state.Rect(sq);
  p.drawRect(r);
  if (!c.Checked) return;
  const qreal w = r.width();
  const qreal h = r.height();
  if (c.Style == TCheckStyle::Cross) {
    p.drawLine(QPointF(r.left() + w * 0.2, r.top() + h * 0.2),
               QPointF(r.right() - w * 0.2, r.bottom() - h * 0.2));
    p.drawLine(QPointF(r.left() + w * 0.2, r.bottom() - h * 0.2),
               QPointF(r.right() - w * 0.2, r.top() + h * 0.2));
  } else {
    const QPointF tick[3] = {QPointF(r.left() + w * 0.2, r.top() + h * 0.55),
                             QPointF(r.left() + w * 0.42, r.bottom() - h * 0.2),
                             QPointF(r.right() - w * 0.18, r.top() + h * 0.22)};
    p.drawPolyline(tick, 3);
  }
}

void Paint(TPaintState& state, const TBarcodeCommand& c) {
  QPainter& p = state.Painter();
  for (const QRectF& bar : c.Bars) p.fillRect(state.Rect(bar), c.Color);
  if (c.HumanText.empty()) return;
  state.SetFont(c.Font);
  state.SetTextPen(c.Color);
  DrawLines(state, c.HumanText);
}

void Paint(TPaintState& state, const TRichTextCommand& c) {
  for (const TTextRun& run : c.Runs) {
    state.SetFont(run.Font);
    state.SetTextPen(run.Color);
    state.Painter().drawText(state.Point(run.Origin), run.Text);
  }
}

}  // namespace

qreal DeviceScale(const QPaintDevice& device) {
  return device.logicalDpiX() / 25400.0;
}

void PaintCommand(QPainter& painter, const TDrawCommand& command, qreal scale) {
  painter.save();
  TPaintState state(painter, scale);
  std::visit([&state](const auto& c) { Paint(state, c); }, command);
  painter.restore();
}

void PaintPage(QPainter& painter, const TReportPage& page, qreal scale) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  TPaintState state(painter, scale);
  for (const TDrawCommand& command : page.Commands)
    std::visit([&state](const auto& c) { Paint(state, c); }, command);
  painter.restore();
}
