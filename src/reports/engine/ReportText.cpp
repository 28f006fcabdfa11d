#include "reports/engine/ReportText.h"

#include "reports/engine/DisplayFormat.h"
#include "reports/engine/RtfReader.h"

TTextStyle TReportTextComponent::Style() const {
  TTextStyle style;
  style.Font = Font;
  style.Color = Color;
  style.Background = Background;
  style.Alignment = Alignment;
  style.WordWrap = WordWrap;
  style.AutoSize = AutoSize && !WordWrap;
  return style;
}

QString TReportTextComponent::Text() {
  QString text = BaseText();
  if (OnGetText) OnGetText(text);
  return text;
}

int TReportTextComponent::Measure(TRenderContext&, std::vector<int>& breaks) {
  FMeasuredText = Text();
  FHasMeasuredText = true;
  const int height = WrappedTextHeight(Style(), FMeasuredText, Box.width(), &breaks);
  return std::max(Box.height(), height);
}

void TReportTextComponent::Render(TRenderContext& ctx, const QRect& box) {
  QString text;
  if (FHasMeasuredText) {
    text = std::move(FMeasuredText);
    FHasMeasuredText = false;
  } else if (!ctx.Emit && !OnGetText) {
    return;  // nothing to draw and no handler that must see the record
  } else {
    text = Text();
  }
  if (!ctx.Emit) return;
  const TSaveInfo save = SaveInfo(ctx, SaveAlignOf(Alignment), IsMemo());
  // An empty text draws nothing, but a saved one still holds its place in
  // the text file.
  if (text.isEmpty() && !save.Save && !Background.isValid()) return;
  ctx.Out->emplace_back(LayoutText(Style(), text, box, save));
}

QString TReportDBText::BaseText() {
  return FormatValue(Field.Value(), DisplayFormat, BlankWhenZero);
}

QString TReportMemo::BaseText() {
  if (!Field.IsBound()) return Lines;
  const QVariant value = Field.Value();
  if (value.typeId() == QMetaType::QByteArray) return TRtfReader::ToPlainText(value.toByteArray());
  const QString text = ValueToString(value);
  if (text.trimmed().startsWith(QLatin1String("{\\rtf")))
    return TRtfReader::ToPlainText(text.toLatin1());
  return text;
}
