#include "reports/engine/TextLayout.h"

#include "reports/engine/TextMeasurer.h"

#include <cmath>

namespace {

double LineX(Qt::Alignment alignment, const QRect& box, double widthUm) {
  if (alignment & Qt::AlignRight) return box.x() + box.width() - widthUm;
  if (alignment & Qt::AlignHCenter) return box.x() + (box.width() - widthUm) / 2.0;
  return box.x();
}

QString SingleLine(const QString& text) {
  if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
      !text.contains(QLatin1Char('\t')) && !text.contains(QChar::LineSeparator))
    return text;
  QString line = text;
  line.replace(QLatin1String("\r\n"), QLatin1String(" "));
  for (QChar& c : line)
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') ||
        c == QChar::LineSeparator)
      c = QLatin1Char(' ');
  return line;
}

}  // namespace

TSaveAlign SaveAlignOf(Qt::Alignment alignment) {
  if (alignment & Qt::AlignRight) return TSaveAlign::Right;
  if (alignment & Qt::AlignHCenter) return TSaveAlign::Center;
  return TSaveAlign::Left;
}

TTextCommand LayoutText(const TTextStyle& style, const QString& text, const QRect& box,
                        const TSaveInfo& save) {
  TTextMeasurer& m = TTextMeasurer::Instance();
  const TTextMeasurer::TFontInfo& info = m.Info(style.Font);
  TTextCommand c;
  c.Box = box;
  c.Text = text;
  c.Font = style.Font;
  c.Color = style.Color;
  c.Background = style.Background;
  c.Alignment = style.Alignment;
  c.WordWrap = style.WordWrap;
  c.Save = save;
  if (text.isEmpty()) return c;

  if (style.WordWrap) {
    const std::vector<TTextMeasurer::TLine> lines = m.Wrap(style.Font, text, box.width());
    const double spacing = info.LineSpacingUm;
    const double total = spacing * static_cast<double>(lines.size());
    double top = box.y();
    if (total < box.height()) {
      if (style.Alignment & Qt::AlignBottom)
        top = box.y() + box.height() - total;
      else if (style.Alignment & Qt::AlignVCenter)
        top = box.y() + (box.height() - total) / 2.0;
    }
    c.Lines.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].Text.isEmpty()) continue;
      c.Lines.push_back(
          {lines[i].Text, QPointF(LineX(style.Alignment, box, lines[i].WidthUm),
                                  top + spacing * static_cast<double>(i) + info.AscentUm)});
    }
    return c;
  }

  QString line = SingleLine(text);
  const bool leftAligned = !(style.Alignment & (Qt::AlignRight | Qt::AlignHCenter));
  double width = 0;
  // Measuring costs; a left-aligned text that surely fits needs none.
  const bool surelyFits =
      static_cast<double>(line.size()) * info.MaxCharUm <= box.width() ||
      m.RoughWidthUm(style.Font, line) * 1.05 + info.HeightUm * 0.1 <= box.width();
  if (style.AutoSize) {
    width = m.WidthUm(style.Font, line);
    const int w = static_cast<int>(std::ceil(width));
    if (style.Alignment & Qt::AlignRight)
      c.Box.setLeft(box.x() + box.width() - w);
    else if (style.Alignment & Qt::AlignHCenter)
      c.Box.setLeft(box.x() + (box.width() - w) / 2);
    c.Box.setWidth(w);
  } else if (!surelyFits) {
    line = m.Fit(style.Font, line, box.width());
    if (!leftAligned) width = m.WidthUm(style.Font, line);
  } else if (!leftAligned) {
    width = m.WidthUm(style.Font, line);
  }
  double baseline;
  if (style.Alignment & Qt::AlignBottom)
    baseline = box.y() + box.height() - info.DescentUm;
  else if (style.Alignment & Qt::AlignVCenter)
    baseline = box.y() + (box.height() - info.HeightUm) / 2.0 + info.AscentUm;
  else
    baseline = box.y() + info.AscentUm;
  const double x = style.AutoSize ? c.Box.x() : LineX(style.Alignment, box, width);
  c.Lines.push_back({line, QPointF(x, baseline)});
  return c;
}

int WrappedTextHeight(const TTextStyle& style, const QString& text, int widthUm,
                      std::vector<int>* breaks) {
  TTextMeasurer& m = TTextMeasurer::Instance();
  const double spacing = m.Info(style.Font).LineSpacingUm;
  if (text.isEmpty()) return 0;
  const size_t n = m.Wrap(style.Font, text, widthUm).size();
  if (breaks)
    for (size_t i = 1; i < n; ++i)
      breaks->push_back(static_cast<int>(std::floor(spacing * static_cast<double>(i))));
  return static_cast<int>(std::ceil(spacing * static_cast<double>(n)));
}

std::vector<TTextLine> LayoutCaption(const QFont& font, const QString& text, const QRect& box,
                                     Qt::Alignment alignment) {
  if (text.isEmpty()) return {};
  TTextStyle style;
  style.Font = font;
  style.Alignment = alignment;
  return LayoutText(style, text, box, TSaveInfo()).Lines;
}
