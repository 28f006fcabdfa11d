#include "reports/engine/ReportRichText.h"

#include "reports/engine/DisplayFormat.h"
#include "reports/engine/RtfReader.h"
#include "reports/engine/TextMeasurer.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace {

constexpr double KPx = TTextMeasurer::KUmPerPx;

void AddRuns(TRichTextLayout& out, const QString& text, int start, const QTextLine& line,
             const QPointF& blockPos, double baseline, const QFont& font, const QColor& color) {
  // Tabs and line separators are positions, not glyphs: split there and
  // place each piece where the layout put it.
  int pieceStart = 0;
  for (int i = 0; i <= text.size(); ++i) {
    const bool end = i == text.size();
    if (!end && text[i] != QLatin1Char('\t') && text[i] != QChar::LineSeparator &&
        text[i] != QChar::ParagraphSeparator)
      continue;
    QString piece = text.mid(pieceStart, i - pieceStart);
    while (piece.endsWith(QLatin1Char(' '))) piece.chop(1);
    if (!piece.trimmed().isEmpty()) {
      const double x = blockPos.x() + line.cursorToX(start + pieceStart);
      out.Runs.push_back({piece, QPointF(x * KPx, baseline * KPx), font, color});
    }
    pieceStart = i + 1;
  }
}

}  // namespace

TRichTextLayout LayoutRichText(const QByteArray& data, const QFont& baseFont, int widthUm) {
  TRichTextLayout out;
  if (data.isEmpty()) return out;
  TTextMeasurer& m = TTextMeasurer::Instance();
  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(m.Device());
  TRtfReader::Read(data, doc, baseFont);
  doc.setDocumentMargin(0);
  doc.setTextWidth(std::max(1.0, widthUm / KPx));
  const QSizeF size = doc.documentLayout()->documentSize();
  out.Height = static_cast<int>(std::ceil(size.height() * KPx));
  out.PlainText = doc.toPlainText();
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (!layout) continue;
    const QPointF blockPos = layout->position();
    for (int li = 0; li < layout->lineCount(); ++li) {
      const QTextLine line = layout->lineAt(li);
      const double top = blockPos.y() + line.y();
      const double baseline = top + line.ascent();
      const int lineStart = line.textStart();
      const int lineEnd = lineStart + line.textLength();
      for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        const int fs = fragment.position() - block.position();
        const int fe = fs + fragment.length();
        const int s = std::max(fs, lineStart);
        const int e = std::min(fe, lineEnd);
        if (s >= e) continue;
        const QTextCharFormat format = fragment.charFormat();
        const QFont font = format.font().resolve(doc.defaultFont());
        const QColor color = format.foreground().style() == Qt::NoBrush
                                 ? QColor(Qt::black)
                                 : format.foreground().color();
        AddRuns(out, fragment.text().mid(s - fs, e - s), s, line, blockPos, baseline, font, color);
      }
      const int bottom = static_cast<int>(std::floor((top + line.height()) * KPx));
      if (bottom > 0 && bottom < out.Height) out.Breaks.push_back(bottom);
    }
  }
  return out;
}

QString TReportRichText::CurrentText() const {
  QString text;
  if (Field.IsBound()) {
    const QVariant value = Field.Value();
    text = value.typeId() == QMetaType::QByteArray ? QString::fromLatin1(value.toByteArray())
                                                   : ValueToString(value);
    // Text that is not RTF was stored as UTF-8.
    if (value.typeId() == QMetaType::QByteArray && !TRtfReader::IsRtf(value.toByteArray()))
      text = QString::fromUtf8(value.toByteArray());
  } else {
    text = RichText;
  }
  if (OnGetText) OnGetText(text);
  return text;
}

namespace {

QByteArray ToBytes(const QString& text) {
  return text.trimmed().startsWith(QLatin1String("{\\rtf")) ? text.toLatin1() : text.toUtf8();
}

}  // namespace

int TReportRichText::Measure(TRenderContext&, std::vector<int>& breaks) {
  FLayout = LayoutRichText(ToBytes(CurrentText()), Font, Box.width());
  FHasLayout = true;
  breaks = FLayout.Breaks;
  return std::max(Box.height(), FLayout.Height);
}

void TReportRichText::Render(TRenderContext& ctx, const QRect& box) {
  if (!FHasLayout) {
    if (!ctx.Emit) {
      if (OnGetText) CurrentText();  // the handler sees every record
      return;
    }
    FLayout = LayoutRichText(ToBytes(CurrentText()), Font, box.width());
  }
  FHasLayout = false;
  if (!ctx.Emit) return;
  TRichTextCommand c;
  c.Box = box;
  c.PlainText = FLayout.PlainText;
  c.Runs = std::move(FLayout.Runs);
  for (TTextRun& run : c.Runs) run.Origin += QPointF(box.x(), box.y());
  c.Save = SaveInfo(ctx, TSaveAlign::Left, true);
  ctx.Out->emplace_back(std::move(c));
}
