#pragma once

#include "reports/engine/ReportComponent.h"

#include <functional>

enum class TLinePosition { Top, Bottom, Left, Right };

// A rule along one edge of its box (a double rule needs a box at least three
// pen widths deep).
class TReportLine : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;
  TLinePosition Position = TLinePosition::Top;
  TPenInfo Pen;

  void Render(TRenderContext& ctx, const QRect& box) override;
};

class TReportShape : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;
  TShapeKind Kind = TShapeKind::Rectangle;
  TPenInfo Pen;
  QColor BrushColor = Qt::white;
  Qt::BrushStyle BrushStyle = Qt::NoBrush;
  int CornerRadiusUm = 2000;

  void Render(TRenderContext& ctx, const QRect& box) override;
};

// A printed check box, ticked when its boolean field is true (or as its
// handler says). Null and unknown values are not ticked.
class TReportCheckBox : public TReportComponent {
 public:
  using TReportComponent::TReportComponent;
  TFieldLink Field;
  bool Checked = false;  // when no field is bound
  TCheckStyle Style = TCheckStyle::Tick;
  QColor Color = Qt::black;
  std::function<void(bool& checked)> OnGetChecked;

  bool IsChecked() const;
  void Render(TRenderContext& ctx, const QRect& box) override;
};

// A field value read as a boolean: true, non-zero numbers, and the texts
// "T", "TRUE", "Y", "YES", "1" (any case).
bool VariantToBool(const QVariant& value);
