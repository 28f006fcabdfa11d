#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QString>

#include <array>
#include <memory>
#include <vector>

// Measures text once, at a fixed resolution, for every device: a report
// laid out here breaks its lines and sizes its bands the same on the
// screen, on paper and in a PDF. Font metrics are cached per font.
// User-interface thread only.
class TTextMeasurer {
 public:
  static constexpr int KDpi = 1200;
  static constexpr double KUmPerPx = 25400.0 / KDpi;

  struct TFontInfo {
    QFont Font;
    QFontMetricsF Metrics;
    double AscentUm;
    double DescentUm;
    double HeightUm;
    double LineSpacingUm;
    double MaxCharUm;
    std::array<float, 256> Advance;  // per Latin-1 character, px; < 0 until measured
    // Exact widths of texts measured before: reports print the same
    // captions, codes and numbers on every row.
    QHash<QString, double> Widths;
  };

  // One broken line of a wrapped text.
  struct TLine {
    QString Text;
    double WidthUm;
  };

  static TTextMeasurer& Instance();

  // The fixed-resolution device, for laying out rich text.
  QPaintDevice* Device() { return &FDevice; }

  const TFontInfo& Info(const QFont& font) { return Entry(font); }
  double WidthUm(const QFont& font, const QString& text);
  // A quick width that is never much less than the true one (sum of the
  // characters' advances, before kerning), to skip exact measuring of texts
  // that plainly fit.
  double RoughWidthUm(const QFont& font, const QString& text);
  // Breaks text at its line feeds and, where it is wider than widthUm, at
  // word boundaries (or anywhere in a word longer than the line).
  std::vector<TLine> Wrap(const QFont& font, const QString& text, double widthUm);
  // The longest start of text that fits widthUm (the rest is cut off).
  QString Fit(const QFont& font, const QString& text, double widthUm);

 private:
  TTextMeasurer();
  TFontInfo& Entry(const QFont& font);
  QImage FDevice;
  std::vector<std::unique_ptr<TFontInfo>> FFonts;
  TFontInfo* FLast = nullptr;
};
