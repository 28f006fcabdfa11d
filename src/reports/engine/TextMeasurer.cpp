#include "reports/engine/TextMeasurer.h"

#include <QTextLayout>
#include <QTextOption>

TTextMeasurer& TTextMeasurer::Instance() {
  static TTextMeasurer measurer;
  return measurer;
}

TTextMeasurer::TTextMeasurer() : FDevice(1, 1, QImage::Format_ARGB32_Premultiplied) {
  const int dotsPerMeter = static_cast<int>(KDpi / 0.0254 + 0.5);
  FDevice.setDotsPerMeterX(dotsPerMeter);
  FDevice.setDotsPerMeterY(dotsPerMeter);
}

TTextMeasurer::TFontInfo& TTextMeasurer::Entry(const QFont& font) {
  // Layouts use a handful of fonts and share QFont objects, so the
  // comparison usually succeeds on the first, shared-data check.
  if (FLast && FLast->Font == font) return *FLast;
  for (auto& info : FFonts) {
    if (info->Font == font) {
      FLast = info.get();
      return *info;
    }
  }
  QFontMetricsF fm(font, &FDevice);
  auto info = std::unique_ptr<TFontInfo>(new TFontInfo{font,
                                                       fm,
                                                       fm.ascent() * KUmPerPx,
                                                       fm.descent() * KUmPerPx,
                                                       fm.height() * KUmPerPx,
                                                       fm.lineSpacing() * KUmPerPx,
                                                       fm.maxWidth() * KUmPerPx,
                                                       {},
                                                       {}});
  info->Advance.fill(-1.0f);
  FFonts.push_back(std::move(info));
  FLast = FFonts.back().get();
  return *FLast;
}

double TTextMeasurer::WidthUm(const QFont& font, const QString& text) {
  if (text.isEmpty()) return 0;
  TFontInfo& info = Entry(font);
  if (const auto it = info.Widths.constFind(text); it != info.Widths.cend()) return *it;
  // Bounded, so a long report of distinct texts cannot grow it without end.
  constexpr qsizetype kMaxCachedWidths = 50000;
  if (info.Widths.size() >= kMaxCachedWidths) info.Widths.clear();
  const double width = info.Metrics.horizontalAdvance(text) * KUmPerPx;
  info.Widths.insert(text, width);
  return width;
}

double TTextMeasurer::RoughWidthUm(const QFont& font, const QString& text) {
  TFontInfo& info = Entry(font);
  double px = 0;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u >= 256) {
      px += info.MaxCharUm / KUmPerPx;
      continue;
    }
    float& advance = info.Advance[u];
    if (advance < 0) advance = static_cast<float>(info.Metrics.horizontalAdvance(c));
    px += advance;
  }
  return px * KUmPerPx;
}

std::vector<TTextMeasurer::TLine> TTextMeasurer::Wrap(const QFont& font, const QString& text,
                                                      double widthUm) {
  std::vector<TLine> lines;
  const TFontInfo& info = Info(font);
  QString normalized = text;
  normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  normalized.replace(QChar::LineSeparator, QLatin1Char('\n'));
  normalized.replace(QLatin1Char('\t'), QLatin1String("    "));
  const QStringList paragraphs = normalized.split(QLatin1Char('\n'));
  const double widthPx = std::max(1.0, widthUm / KUmPerPx);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  for (const QString& paragraph : paragraphs) {
    if (paragraph.isEmpty()) {
      lines.push_back({QString(), 0});
      continue;
    }
    const double whole = info.Metrics.horizontalAdvance(paragraph);
    if (whole <= widthPx) {
      lines.push_back({paragraph, whole * KUmPerPx});
      continue;
    }
    QTextLayout layout(paragraph, font, &FDevice);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(widthPx);
      QString part = paragraph.mid(line.textStart(), line.textLength());
      while (part.endsWith(QLatin1Char(' '))) part.chop(1);
      lines.push_back({part, line.naturalTextWidth() * KUmPerPx});
    }
    layout.endLayout();
  }
  return lines;
}

QString TTextMeasurer::Fit(const QFont& font, const QString& text, double widthUm) {
  if (WidthUm(font, text) <= widthUm) return text;
  const QFontMetricsF& fm = Info(font).Metrics;
  const double widthPx = widthUm / KUmPerPx;
  // Binary search on the number of characters kept.
  int lo = 0;
  int hi = text.size();
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (fm.horizontalAdvance(text.left(mid)) <= widthPx)
      lo = mid;
    else
      hi = mid - 1;
  }
  return text.left(lo);
}
