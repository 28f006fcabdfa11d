#include "reports/engine/LayoutBuilder.h"

QFont MakeFont(const QString& family, double points, int styles) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(styles & fsBold);
  font.setItalic(styles & fsItalic);
  font.setUnderline(styles & fsUnderline);
  return font;
}

QFont Arial(double points, int styles) {
  return MakeFont(QStringLiteral("Arial"), points, styles);
}

QFont TimesNewRoman(double points, int styles) {
  return MakeFont(QStringLiteral("Times New Roman"), points, styles);
}

// --- Band ------------------------------------------------------------------

TBandBuilder::TBandBuilder(TReportBand* band, TReportPipeline* pipeline)
    : FBand(band), FPipeline(pipeline) {}

TBandBuilder& TBandBuilder::Height(double mm) {
  FBand->Height = Um::FromMm(mm);
  return *this;
}

TBandBuilder& TBandBuilder::Stretch(bool on) {
  FBand->Stretch = on;
  return *this;
}

TBandBuilder& TBandBuilder::PrintOnFirstPage(bool on) {
  FBand->PrintOnFirstPage = on;
  return *this;
}

TBandBuilder& TBandBuilder::PrintOnLastPage(bool on) {
  FBand->PrintOnLastPage = on;
  return *this;
}

TBandBuilder& TBandBuilder::Save(bool on) {
  FBand->Save = on;
  return *this;
}

TBandBuilder& TBandBuilder::BeforePrint(std::function<void()> handler) {
  FBand->BeforePrint = std::move(handler);
  return *this;
}

TBandBuilder& TBandBuilder::PrintWhen(std::function<bool()> handler) {
  FBand->PrintWhen = std::move(handler);
  return *this;
}

TBandBuilder& TBandBuilder::Font(const QFont& font) {
  FFont = font;
  return *this;
}

TBandBuilder& TBandBuilder::Pipeline(TReportPipeline* pipeline) {
  FPipeline = pipeline;
  return *this;
}

TItem<TReportLabel> TBandBuilder::Label(const QString& caption) {
  return Text(std::make_unique<TReportLabel>(QString(), caption));
}

TItem<TReportDBText> TBandBuilder::DBText(const QString& field, TReportPipeline* pipeline) {
  auto c = std::make_unique<TReportDBText>(field);
  c->Field.Pipeline = Pipe(pipeline);
  c->Field.DataField = field;
  return Text(std::move(c));
}

TItem<TReportMemo> TBandBuilder::Memo(const QString& field, TReportPipeline* pipeline) {
  auto c = std::make_unique<TReportMemo>(field);
  if (!field.isEmpty()) {
    c->Field.Pipeline = Pipe(pipeline);
    c->Field.DataField = field;
  }
  return Text(std::move(c));
}

TItem<TReportRichText> TBandBuilder::RichText(const QString& field, TReportPipeline* pipeline) {
  auto c = std::make_unique<TReportRichText>(field);
  if (!field.isEmpty()) {
    c->Field.Pipeline = Pipe(pipeline);
    c->Field.DataField = field;
  }
  c->Font = FFont;
  return TItem<TReportRichText>(FBand->Add(std::move(c)));
}

TItem<TReportVariable> TBandBuilder::Variable(const QString& name) {
  return Text(std::make_unique<TReportVariable>(name));
}

TItem<TReportVariable> TBandBuilder::Sum(const QString& name, const QString& field,
                                         TReportPipeline* pipeline) {
  auto c = std::make_unique<TReportVariable>(name);
  c->CalcType = TVariableCalc::Sum;
  c->Field.Pipeline = Pipe(pipeline);
  c->Field.DataField = field;
  c->InitialValue = 0.0;
  return Text(std::move(c));
}

TItem<TReportVariable> TBandBuilder::Count(const QString& name) {
  auto c = std::make_unique<TReportVariable>(name);
  c->CalcType = TVariableCalc::Count;
  return Text(std::move(c));
}

TItem<TReportSystemVariable> TBandBuilder::SystemVariable(TSystemVarType type) {
  return Text(std::make_unique<TReportSystemVariable>(QString(), type));
}

TItem<TReportDBImage> TBandBuilder::Image(const QString& field, TReportPipeline* pipeline) {
  auto c = std::make_unique<TReportDBImage>(field);
  c->Field.Pipeline = Pipe(pipeline);
  c->Field.DataField = field;
  return TItem<TReportDBImage>(FBand->Add(std::move(c)));
}

TItem<TReportDBImage> TBandBuilder::Image(const QImage& picture) {
  auto c = std::make_unique<TReportDBImage>();
  c->Picture = picture;
  return TItem<TReportDBImage>(FBand->Add(std::move(c)));
}

TItem<TReportLine> TBandBuilder::Rule(double yMm, TLineStyle style, double weightPt, double xMm,
                                      double wMm) {
  auto c = std::make_unique<TReportLine>();
  c->Position = TLinePosition::Top;
  c->Pen.Style = style;
  c->Pen.WidthUm = Um::FromPt(weightPt);
  const int width =
      wMm >= 0 ? Um::FromMm(wMm)
               : (FBand->Report() ? FBand->Report()->PrintableWidthUm() - Um::FromMm(xMm) : 0);
  const int depth = style == TLineStyle::Double ? c->Pen.WidthUm * 3 : c->Pen.WidthUm;
  c->Box = QRect(Um::FromMm(xMm), Um::FromMm(yMm), width, std::max(1, depth));
  return TItem<TReportLine>(FBand->Add(std::move(c)));
}

TItem<TReportLine> TBandBuilder::Line(TLinePosition position, TLineStyle style, double weightPt) {
  auto c = std::make_unique<TReportLine>();
  c->Position = position;
  c->Pen.Style = style;
  c->Pen.WidthUm = Um::FromPt(weightPt);
  return TItem<TReportLine>(FBand->Add(std::move(c)));
}

TItem<TReportShape> TBandBuilder::Shape(TShapeKind kind) {
  auto c = std::make_unique<TReportShape>();
  c->Kind = kind;
  return TItem<TReportShape>(FBand->Add(std::move(c)));
}

TItem<TReportCheckBox> TBandBuilder::CheckBox(const QString& field, TReportPipeline* pipeline) {
  auto c = std::make_unique<TReportCheckBox>(field);
  if (!field.isEmpty()) {
    c->Field.Pipeline = Pipe(pipeline);
    c->Field.DataField = field;
  }
  return TItem<TReportCheckBox>(FBand->Add(std::move(c)));
}

TItem<TReportBarcode> TBandBuilder::Barcode(const QString& field, TReportPipeline* pipeline,
                                            TBarcodeType type) {
  auto c = std::make_unique<TReportBarcode>(field);
  c->Field.Pipeline = Pipe(pipeline);
  c->Field.DataField = field;
  c->BarcodeType = type;
  c->Font = FFont;
  return TItem<TReportBarcode>(FBand->Add(std::move(c)));
}

TItem<TReportSubReport> TBandBuilder::SubReport(TReportPipeline* pipeline) {
  auto c = std::make_unique<TReportSubReport>();
  c->Child().DataPipeline = pipeline;
  if (FBand->Report()) {
    c->Child().PageSize = FBand->Report()->PageSize;
    c->Child().Orientation = FBand->Report()->Orientation;
    c->Child().MarginsUm = FBand->Report()->MarginsUm;
  }
  return TItem<TReportSubReport>(FBand->Add(std::move(c)));
}

TItem<TReportChart> TBandBuilder::Chart(std::function<void(QChart&)> build) {
  auto c = std::make_unique<TReportChart>();
  c->OnBuildChart = std::move(build);
  return TItem<TReportChart>(FBand->Add(std::move(c)));
}

// --- Group -----------------------------------------------------------------

TGroupBuilder& TGroupBuilder::KeepTogether(bool on) {
  FGroup->KeepTogether = on;
  return *this;
}

TGroupBuilder& TGroupBuilder::NewPage(bool on) {
  FGroup->NewPage = on;
  return *this;
}

TGroupBuilder& TGroupBuilder::ResetPageNo(bool on) {
  FGroup->ResetPageNo = on;
  return *this;
}

TBandBuilder TGroupBuilder::Header(double heightMm) {
  FGroup->Header()->Height = Um::FromMm(heightMm);
  return TBandBuilder(FGroup->Header(), FPipeline);
}

TBandBuilder TGroupBuilder::Footer(double heightMm) {
  FGroup->Footer()->Height = Um::FromMm(heightMm);
  return TBandBuilder(FGroup->Footer(), FPipeline);
}

// --- Report ----------------------------------------------------------------

TLayoutBuilder& TLayoutBuilder::Letter() {
  FReport.PageSize = QPageSize(QPageSize::Letter);
  return *this;
}

TLayoutBuilder& TLayoutBuilder::Legal() {
  FReport.PageSize = QPageSize(QPageSize::Legal);
  return *this;
}

TLayoutBuilder& TLayoutBuilder::Paper(double widthMm, double heightMm) {
  FReport.PageSize = QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter);
  return *this;
}

TLayoutBuilder& TLayoutBuilder::Portrait() {
  FReport.Orientation = QPageLayout::Portrait;
  return *this;
}

TLayoutBuilder& TLayoutBuilder::Landscape() {
  FReport.Orientation = QPageLayout::Landscape;
  return *this;
}

TLayoutBuilder& TLayoutBuilder::Margins(double mm) {
  return Margins(mm, mm, mm, mm);
}

TLayoutBuilder& TLayoutBuilder::Margins(double leftMm, double topMm, double rightMm,
                                        double bottomMm) {
  FReport.MarginsUm =
      QMargins(Um::FromMm(leftMm), Um::FromMm(topMm), Um::FromMm(rightMm), Um::FromMm(bottomMm));
  return *this;
}

TLayoutBuilder& TLayoutBuilder::TwoPass(bool on) {
  FReport.TwoPass = on;
  return *this;
}

TLayoutBuilder& TLayoutBuilder::Pipeline(TReportPipeline* pipeline) {
  FReport.DataPipeline = pipeline;
  return *this;
}

TLayoutBuilder& TLayoutBuilder::Title(const QString& title) {
  FReport.Title = title;
  return *this;
}

TBandBuilder TLayoutBuilder::MakeBand(TBandType type, double heightMm) {
  TReportBand* band = FReport.AddBand(type);
  band->Height = Um::FromMm(heightMm);
  return TBandBuilder(band, FReport.DataPipeline);
}

TBandBuilder TLayoutBuilder::TitleBand(double heightMm) {
  return MakeBand(TBandType::Title, heightMm);
}
TBandBuilder TLayoutBuilder::PageHeader(double heightMm) {
  return MakeBand(TBandType::PageHeader, heightMm);
}
TBandBuilder TLayoutBuilder::ColumnHeader(double heightMm) {
  return MakeBand(TBandType::ColumnHeader, heightMm);
}
TBandBuilder TLayoutBuilder::Detail(double heightMm) {
  return MakeBand(TBandType::Detail, heightMm);
}
TBandBuilder TLayoutBuilder::ColumnFooter(double heightMm) {
  return MakeBand(TBandType::ColumnFooter, heightMm);
}
TBandBuilder TLayoutBuilder::Summary(double heightMm) {
  return MakeBand(TBandType::Summary, heightMm);
}
TBandBuilder TLayoutBuilder::PageFooter(double heightMm) {
  return MakeBand(TBandType::PageFooter, heightMm);
}

TGroupBuilder TLayoutBuilder::Group(const QString& breakField, TReportPipeline* pipeline) {
  return TGroupBuilder(FReport.AddGroup(breakField, pipeline),
                       pipeline ? pipeline : FReport.DataPipeline);
}
