#include "reports/engine/ReportBarcode.h"

#include "reports/engine/DisplayFormat.h"
#include "reports/engine/TextLayout.h"
#include "reports/engine/TextMeasurer.h"

#include <cmath>

QString TReportBarcode::CurrentData() const {
  QString data = Field.IsBound() ? ValueToString(Field.Value()).trimmed() : Data;
  if (OnGetData) OnGetData(data);
  return data;
}

void TReportBarcode::Render(TRenderContext& ctx, const QRect& box) {
  if (!ctx.Emit) {
    if (OnGetData) CurrentData();  // the handler sees every record
    return;
  }
  const QString data = CurrentData();
  if (data.isEmpty()) return;
  QRect barBox = box;
  QRect textBox;
  if (PrintHumanReadable) {
    const int textHeight =
        static_cast<int>(std::ceil(TTextMeasurer::Instance().Info(Font).HeightUm));
    if (textHeight < box.height()) {
      barBox.setHeight(box.height() - textHeight);
      textBox = QRect(box.x(), barBox.y() + barBox.height(), box.width(), textHeight);
    }
  }
  TBarcodeEncoder::TResult encoded =
      TBarcodeEncoder::Encode(BarcodeType, data, barBox, ModuleWidthUm);
  if (encoded.Bars.empty()) return;
  TBarcodeCommand c;
  c.Box = box;
  c.Data = encoded.Encoded;
  c.Bars = std::move(encoded.Bars);
  c.Font = Font;
  c.Color = Color;
  if (!textBox.isEmpty())
    c.HumanText = LayoutCaption(Font, encoded.Encoded, textBox, Qt::AlignHCenter | Qt::AlignTop);
  ctx.Out->emplace_back(std::move(c));
}
