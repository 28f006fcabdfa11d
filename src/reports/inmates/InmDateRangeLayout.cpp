#include "reports/inmates/InmDateRangeLayout.h"

#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/ReportRowTexts.h"

namespace {

void Paper(TLayoutBuilder& b, TReportPipeline& rows) {
  b.Letter().Portrait().Margins(6.35).TwoPass().Pipeline(&rows);
}

TAgencyHeaderSettings HeaderSettings(TAgencyBlock& agency, const QString& title,
                                     TReportPipeline& rows, const TInmDateRangeContext& context) {
  TAgencyHeaderSettings settings = agency.HeaderSettings(title, &rows);
  settings.RangeFrom = context.RangeFrom;
  settings.RangeTo = context.RangeTo;
  return settings;
}

// "Booking Date:" and the booking date of the group's first row.
void BookingDateLine(TBandBuilder& band, double y) {
  band.Label(QStringLiteral("Booking Date:")).Font(Arial(8, fsBold)).At(0, y, 22, 4);
  band.DBText(QStringLiteral("BOOKDATE"))
      .Font(Arial(8, fsBold | fsUnderline))
      .Format(QStringLiteral("ddddd"))
      .At(22, y, 25, 4);
}

TItem<TReportDBText> CaptionAndValue(TBandBuilder& band, const QString& caption, double x,
                                     double captionWidth, const QString& field, double y,
                                     double valueWidth,
                                     std::function<void(QString&)> onGetText = {}) {
  band.Label(caption).Font(Arial(7, fsBold)).AutoSize(false).At(x, y, captionWidth, 3.5);
  auto value = band.DBText(field).At(x + captionWidth, y, valueWidth, 3.5);
  if (onGetText) value.OnGetText(std::move(onGetText));
  return value;
}

// One inmate: hold, photograph, name, bar code and booking details.
void InmateDetail(TLayoutBuilder& b, TReportPipeline& rows) {
  TBandBuilder detail = b.Detail(18.8).Font(Arial(7));
  detail.CheckBox(QStringLiteral("HOLD")).At(0.5, 1, 3, 3);
  detail.Label(QStringLiteral("HOLD")).Font(Arial(7, fsBold)).At(4, 1, 9, 3.5);
  TReportDBImage* photo = detail.Image(QStringLiteral("INMPICTURE")).At(13, 0.8, 21, 15.6);
  photo->Stretch = true;
  photo->KeepAspect = true;
  photo->Frame = true;

  detail.Label(QStringLiteral("Name:")).Font(Arial(8, fsBold)).At(37, 0.8, 11, 4);
  detail.DBText(QStringLiteral("LNAME"))
      .Font(Arial(8, fsBold))
      .At(48, 0.8, 98, 4)
      .OnGetText([rows = &rows](QString& text) { text = ReportRowTexts::InmateName(*rows); });
  TReportBarcode* barcode = detail.Barcode(QStringLiteral("BOOKNO")).At(150, 0.5, 52, 8);
  barcode->PrintHumanReadable = false;

  const auto cell = [](QString& text) { text = ReportRowTexts::Cell(text); };
  const auto notApplicable = [](QString& text) { text = ReportRowTexts::OrNotApplicable(text); };
  const auto notAssigned = [](QString& text) { text = ReportRowTexts::OrNotAssigned(text); };
  CaptionAndValue(detail, QStringLiteral("Booking No:"), 37, 18, QStringLiteral("BOOKNO"), 5.5, 38);
  CaptionAndValue(detail, QStringLiteral("MNI No:"), 37, 18, QStringLiteral("ECSOID"), 9.5, 38);
  CaptionAndValue(detail, QStringLiteral("DOB:"), 37, 18, QStringLiteral("DOB"), 13.5, 38)
      .Format(QStringLiteral("ddddd"));
  CaptionAndValue(detail, QStringLiteral("Cell Assigned:"), 95, 22, QStringLiteral("CELLNO"), 5.5,
                  32, cell);
  CaptionAndValue(detail, QStringLiteral("Demanding Agency:"), 95, 25,
                  QStringLiteral("RELDEMANDAGNCYDESC"), 9.5, 82);
  CaptionAndValue(detail, QStringLiteral("Trusty Status:"), 95, 22, QStringLiteral("TRUSTYSTATUS"),
                  13.5, 32, notApplicable);
  CaptionAndValue(detail, QStringLiteral("Classification Code:"), 150, 28,
                  QStringLiteral("CLASSCODE"), 13.5, 24, notAssigned);
  detail.Rule(18.3, TLineStyle::Dotted, 0.5);
}

// Keeps the inmates of one cell of one booking date on one page.
void KeptTogether(TLayoutBuilder& b, const QString& field) {
  b.Group(field).KeepTogether();
}

void PageFooter(TLayoutBuilder& b, const TInmDateRangeContext& context) {
  TBandBuilder footer = b.PageFooter(8);
  AddStandardPageFooter(footer, QString()).UserName->OnGetText =
      [user = context.UserName](QString& text) { text = user(); };
}

}  // namespace

void BuildInmDateRangeLayout(TReport& layout, TReportPipeline& rows, TReportPipeline& counts,
                             TAgencyBlock& agency, TInmDateRangeContext context) {
  TLayoutBuilder b(layout);
  Paper(b, rows);
  counts.SetMaster(&rows, {{QStringLiteral("FaciCode"), QStringLiteral("FaciCode")}});

  TBandBuilder header = b.PageHeader(10);
  const TAgencyHeader block = AddAgencyHeader(
      header,
      HeaderSettings(agency, QStringLiteral("Inmate Roster with Date/Time Range"), rows, context));
  const double y = block.BottomMm + 0.5;
  header.Label(QStringLiteral("Total Inmates: ")).Font(Arial(10, fsBold)).At(0, y, 28, 4.5);
  header.DBText(QStringLiteral("InmCount"), &counts).Font(Arial(10, fsBold)).At(28, y, 20, 4.5);
  header.Height(y + 5);

  TGroupBuilder facility = b.Group(QStringLiteral("Facility"));
  facility.NewPage().ResetPageNo();
  TBandBuilder facilityHeader = facility.Header(6);
  facilityHeader.Rule(0.3);
  BookingDateLine(facilityHeader, 1.5);
  facility.Footer(1).Rule(0.3);
  KeptTogether(b, QStringLiteral("BookDate"));
  KeptTogether(b, QStringLiteral("CellNo"));
  InmateDetail(b, rows);
  PageFooter(b, context);
}

void BuildInactiveInmDateRangeLayout(TReport& layout, TReportPipeline& rows, TAgencyBlock& agency,
                                     TInmDateRangeContext context) {
  TLayoutBuilder b(layout);
  Paper(b, rows);
  const QString title = QStringLiteral("Inactive Inmate Roster with Date/Time Range");
  TBandBuilder top = b.TitleBand(10);
  AddAgencyHeader(top, HeaderSettings(agency, title, rows, context));

  TBandBuilder header = b.PageHeader(12);
  header.Label(title)
      .Font(Arial(11, fsBold))
      .AutoSize(false)
      .Center()
      .At(0, 0.5, b.PrintableWidthMm(), 5);
  header.Rule(6);
  header.Label(QStringLiteral("Total Inmates:")).Font(Arial(10, fsBold)).At(0, 7, 28, 4.5);
  header.Label(QString())
      .Font(Arial(10, fsBold))
      .AutoSize(false)
      .At(28, 7, 20, 4.5)
      .OnGetText([count = context.RowCount](QString& text) { text = count(); });

  TGroupBuilder bookDate = b.Group(QStringLiteral("BOOKDATE"));
  bookDate.KeepTogether();
  TBandBuilder dateHeader = bookDate.Header(5.5);
  BookingDateLine(dateHeader, 0.8);
  KeptTogether(b, QStringLiteral("CellNo"));
  InmateDetail(b, rows);
  PageFooter(b, context);
}
