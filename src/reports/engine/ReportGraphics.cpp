#include "reports/engine/ReportGraphics.h"

#include "reports/engine/DisplayFormat.h"

void TReportLine::Render(TRenderContext& ctx, const QRect& box) {
  if (!ctx.Emit || Pen.WidthUm <= 0) return;
  // The stroke sits inside the box: a double rule's outer strokes too.
  const int inset = Pen.Style == TLineStyle::Double ? Pen.WidthUm * 3 / 2 : Pen.WidthUm / 2;
  TLineCommand c;
  c.Pen = Pen;
  const int right = box.x() + box.width();
  const int bottom = box.y() + box.height();
  switch (Position) {
    case TLinePosition::Top:
      c.From = QPoint(box.x(), box.y() + inset);
      c.To = QPoint(right, box.y() + inset);
      break;
    case TLinePosition::Bottom:
      c.From = QPoint(box.x(), bottom - inset);
      c.To = QPoint(right, bottom - inset);
      break;
    case TLinePosition::Left:
      c.From = QPoint(box.x() + inset, box.y());
      c.To = QPoint(box.x() + inset, bottom);
      break;
    case TLinePosition::Right:
      c.From = QPoint(right - inset, box.y());
      c.To = QPoint(right - inset, bottom);
      break;
  }
  ctx.Out->emplace_back(c);
}

void TReportShape::Render(TRenderContext& ctx, const QRect& box) {
  if (!ctx.Emit) return;
  TShapeCommand c;
  c.Kind = Kind;
  c.Box = box;
  c.Pen = Pen;
  c.BrushColor = BrushColor;
  c.BrushStyle = BrushStyle;
  c.CornerRadiusUm = CornerRadiusUm;
  ctx.Out->emplace_back(c);
}

bool VariantToBool(const QVariant& value) {
  if (!value.isValid() || value.isNull()) return false;
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  if (IsNumericValue(value)) return value.toDouble() != 0;
  const QString text = value.toString().trimmed().toUpper();
  return text == QLatin1String("T") || text == QLatin1String("TRUE") ||
         text == QLatin1String("Y") || text == QLatin1String("YES") || text == QLatin1String("1");
}

bool TReportCheckBox::IsChecked() const {
  bool checked = Field.IsBound() ? VariantToBool(Field.Value()) : Checked;
  if (OnGetChecked) OnGetChecked(checked);
  return checked;
}

void TReportCheckBox::Render(TRenderContext& ctx, const QRect& box) {
  if (!ctx.Emit) {
    if (OnGetChecked) IsChecked();  // the handler sees every record
    return;
  }
  const bool checked = IsChecked();
  TCheckBoxCommand c;
  c.Box = box;
  c.Checked = checked;
  c.Style = Style;
  c.Color = Color;
  ctx.Out->emplace_back(c);
}
