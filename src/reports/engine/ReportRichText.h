#pragma once

#include "reports/engine/ReportComponent.h"

#include <QFont>

#include <functional>

// Rich text laid out once at the engine's resolution.
struct TRichTextLayout {
  std::vector<TTextRun> Runs;  // relative to the text's top-left corner
  QString PlainText;
  int Height = 0;
  std::vector<int> Breaks;  // between lines
};

// Reads RTF (or plain text) and lays it out `widthUm` wide.
TRichTextLayout LayoutRichText(const QByteArray& data, const QFont& baseFont, int widthUm);

// Rich text from a field (RTF or plain) or fixed; grows with its text.
class TReportRichText : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;
  TFieldLink Field;
  QString RichText;  // when no field is bound
  QFont Font = QFont(QStringLiteral("Arial"), 8);
  bool Stretch = true;
  // Receives the stored text (RTF or plain) and may replace it, e.g. with a
  // caption for an empty entry.
  std::function<void(QString& text)> OnGetText;

  QString CurrentText() const;
  bool Stretches() const override { return Stretch; }
  int Measure(TRenderContext& ctx, std::vector<int>& breaks) override;
  void Render(TRenderContext& ctx, const QRect& box) override;

 private:
  TRichTextLayout FLayout;
  bool FHasLayout = false;
};
