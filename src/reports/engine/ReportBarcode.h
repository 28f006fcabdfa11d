#pragma once

#include "reports/engine/BarcodeEncoder.h"
#include "reports/engine/ReportComponent.h"

#include <QFont>

#include <functional>

// A bar code of a field's value (or fixed data), optionally with the value
// printed under it.
class TReportBarcode : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;
  TFieldLink Field;
  QString Data;  // when no field is bound
  TBarcodeType BarcodeType = TBarcodeType::Code128;
  bool PrintHumanReadable = true;
  QFont Font = QFont(QStringLiteral("Arial"), 8);
  QColor Color = Qt::black;
  double ModuleWidthUm = 0;  // 0: fit the box
  std::function<void(QString& data)> OnGetData;

  QString CurrentData() const;
  void Render(TRenderContext& ctx, const QRect& box) override;
};
