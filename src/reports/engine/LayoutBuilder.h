#pragma once

#include "reports/engine/Report.h"
#include "reports/engine/ReportBarcode.h"
#include "reports/engine/ReportChart.h"
#include "reports/engine/ReportDBImage.h"
#include "reports/engine/ReportGraphics.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/engine/ReportRichText.h"
#include "reports/engine/ReportSubReport.h"
#include "reports/engine/ReportText.h"
#include "reports/engine/ReportVariable.h"

#include <QFont>

// A fluent way to declare layouts in code. Every position and size given to
// the builder is in millimetres; the model keeps micrometres.
//
//   TLayoutBuilder b(report);
//   b.Letter().Landscape().Margins(6.35).Pipeline(&rows);
//   auto detail = b.Detail(4.2).Font(Arial(7));
//   detail.DBText("BOOKNO").At(40, 0.5, 20, 3.5);
//   detail.Rule(3.9, TLineStyle::Dotted);

enum TFontStyle { fsNone = 0, fsBold = 1, fsItalic = 2, fsUnderline = 4 };

QFont Arial(double points, int styles = fsNone);
QFont TimesNewRoman(double points, int styles = fsNone);
QFont MakeFont(const QString& family, double points, int styles = fsNone);

// Wraps one component for chained settings; converts to the component.
template <typename T>
class TItem {
 public:
  explicit TItem(T* component) : FC(component) {}
  T* operator->() const { return FC; }
  operator T*() const { return FC; }
  T* Get() const { return FC; }

  TItem& At(double xMm, double yMm, double wMm, double hMm) {
    FC->Box = QRect(Um::FromMm(xMm), Um::FromMm(yMm), Um::FromMm(wMm), Um::FromMm(hMm));
    return *this;
  }
  TItem& Name(const QString& name) {
    FC->Name = name;
    return *this;
  }
  TItem& Visible(bool visible) {
    FC->Visible = visible;
    return *this;
  }
  // Text-file saving: width in characters and the order on the line.
  TItem& Save(int length, int order = -1) {
    FC->Save = true;
    FC->SaveLength = length;
    FC->SaveOrder = order;
    return *this;
  }

  TItem& Font(const QFont& font) requires requires(T t) { t.Font; }
  {
    FC->Font = font;
    return *this;
  }
  TItem& Color(const QColor& color) requires requires(T t) { t.Color; }
  {
    FC->Color = color;
    return *this;
  }
  TItem& Align(Qt::Alignment alignment) requires requires(T t) { t.Alignment; }
  {
    FC->Alignment = alignment;
    return *this;
  }
  TItem& Left() requires requires(T t) { t.Alignment; }
  { return Horizontal(Qt::AlignLeft); }
  TItem& Right() requires requires(T t) { t.Alignment; }
  { return Horizontal(Qt::AlignRight); }
  TItem& Center() requires requires(T t) { t.Alignment; }
  { return Horizontal(Qt::AlignHCenter); }
  TItem& Opaque(const QColor& background = Qt::white) requires requires(T t) { t.Background; }
  {
    FC->Background = background;
    return *this;
  }
  TItem& AutoSize(bool on = true) requires requires(T t) { t.AutoSize; }
  {
    FC->AutoSize = on;
    return *this;
  }
  // Word wrap; with stretch the component grows with its text.
  TItem& Wrap(bool stretch = true) requires requires(T t) { t.WordWrap; }
  {
    FC->WordWrap = true;
    FC->Stretch = stretch;
    FC->AutoSize = false;
    return *this;
  }
  TItem& Format(const QString& displayFormat) requires requires(T t) { t.DisplayFormat; }
  {
    FC->DisplayFormat = displayFormat;
    return *this;
  }
  TItem& BlankWhenZero(bool on = true) requires requires(T t) { t.BlankWhenZero; }
  {
    FC->BlankWhenZero = on;
    return *this;
  }
  template <typename F>
  TItem& OnGetText(F handler) requires requires(T t) {
    t.OnGetText;
  }
  {
    FC->OnGetText = std::move(handler);
    return *this;
  }

 private:
  TItem& Horizontal(Qt::Alignment h) requires requires(T t) { t.Alignment; }
  {
    FC->Alignment = (FC->Alignment & ~Qt::AlignHorizontal_Mask) | h;
    return *this;
  }
  T* FC;
};

// Adds components to one band.
class TBandBuilder {
 public:
  TBandBuilder(TReportBand* band, TReportPipeline* pipeline);

  TReportBand* Band() const { return FBand; }
  TReportBand* operator->() const { return FBand; }

  TBandBuilder& Height(double mm);
  TBandBuilder& Stretch(bool on = true);
  TBandBuilder& PrintOnFirstPage(bool on);
  TBandBuilder& PrintOnLastPage(bool on);
  TBandBuilder& Save(bool on = true);
  TBandBuilder& BeforePrint(std::function<void()> handler);
  TBandBuilder& PrintWhen(std::function<bool()> handler);
  // Font and pipeline of the components added after this call.
  TBandBuilder& Font(const QFont& font);
  TBandBuilder& Pipeline(TReportPipeline* pipeline);

  TItem<TReportLabel> Label(const QString& caption);
  TItem<TReportDBText> DBText(const QString& field, TReportPipeline* pipeline = nullptr);
  TItem<TReportMemo> Memo(const QString& field = {}, TReportPipeline* pipeline = nullptr);
  TItem<TReportRichText> RichText(const QString& field = {}, TReportPipeline* pipeline = nullptr);
  TItem<TReportVariable> Variable(const QString& name);
  TItem<TReportVariable> Sum(const QString& name, const QString& field,
                             TReportPipeline* pipeline = nullptr);
  TItem<TReportVariable> Count(const QString& name);
  TItem<TReportSystemVariable> SystemVariable(TSystemVarType type);
  TItem<TReportDBImage> Image(const QString& field, TReportPipeline* pipeline = nullptr);
  TItem<TReportDBImage> Image(const QImage& picture);
  // A rule across the band (or from x, w wide) whose top is at y.
  TItem<TReportLine> Rule(double yMm, TLineStyle style = TLineStyle::Solid, double weightPt = 0.75,
                          double xMm = 0, double wMm = -1);
  TItem<TReportLine> Line(TLinePosition position, TLineStyle style = TLineStyle::Solid,
                          double weightPt = 0.75);
  TItem<TReportShape> Shape(TShapeKind kind = TShapeKind::Rectangle);
  TItem<TReportCheckBox> CheckBox(const QString& field, TReportPipeline* pipeline = nullptr);
  TItem<TReportBarcode> Barcode(const QString& field, TReportPipeline* pipeline = nullptr,
                                TBarcodeType type = TBarcodeType::Code128);
  TItem<TReportSubReport> SubReport(TReportPipeline* pipeline);
  TItem<TReportChart> Chart(std::function<void(QChart&)> build);

 private:
  template <typename T>
  TItem<T> Text(std::unique_ptr<T> c) {
    c->Font = FFont;
    return TItem<T>(FBand->Add(std::move(c)));
  }
  TReportPipeline* Pipe(TReportPipeline* given) const { return given ? given : FPipeline; }

  TReportBand* FBand;
  TReportPipeline* FPipeline;
  QFont FFont = Arial(8);
};

class TGroupBuilder {
 public:
  TGroupBuilder(TReportGroup* group, TReportPipeline* pipeline)
      : FGroup(group), FPipeline(pipeline) {}
  TReportGroup* Group() const { return FGroup; }
  TGroupBuilder& KeepTogether(bool on = true);
  TGroupBuilder& NewPage(bool on = true);
  TGroupBuilder& ResetPageNo(bool on = true);
  TBandBuilder Header(double heightMm);
  TBandBuilder Footer(double heightMm);

 private:
  TReportGroup* FGroup;
  TReportPipeline* FPipeline;
};

class TLayoutBuilder {
 public:
  explicit TLayoutBuilder(TReport& report) : FReport(report) {}
  TReport& Report() const { return FReport; }

  TLayoutBuilder& Letter();
  TLayoutBuilder& Legal();
  TLayoutBuilder& Paper(double widthMm, double heightMm);
  TLayoutBuilder& Portrait();
  TLayoutBuilder& Landscape();
  TLayoutBuilder& Margins(double mm);
  TLayoutBuilder& Margins(double leftMm, double topMm, double rightMm, double bottomMm);
  TLayoutBuilder& TwoPass(bool on = true);
  TLayoutBuilder& Pipeline(TReportPipeline* pipeline);
  TLayoutBuilder& Title(const QString& title);

  // Width between the margins, millimetres.
  double PrintableWidthMm() const { return FReport.PrintableWidthUm() / 1000.0; }

  TBandBuilder TitleBand(double heightMm);
  TBandBuilder PageHeader(double heightMm);
  TBandBuilder ColumnHeader(double heightMm);
  TBandBuilder Detail(double heightMm);
  TBandBuilder ColumnFooter(double heightMm);
  TBandBuilder Summary(double heightMm);
  TBandBuilder PageFooter(double heightMm);
  TGroupBuilder Group(const QString& breakField, TReportPipeline* pipeline = nullptr);

 private:
  TBandBuilder MakeBand(TBandType type, double heightMm);
  TReport& FReport;
};
