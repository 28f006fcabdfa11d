#include "reports/inmates/HeadCountLayout.h"

#include "core/RegionalFormats.h"
#include "data/dmJailAdminReports.h"
#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/ReportRowTexts.h"
#include "reports/framework/ReportRun.h"

namespace {

constexpr double kTotalLineMm = 6;

// A count that prints "<caption> <value>" in a group footer, above a rule.
void AddCountFooter(TBandBuilder footer, const QString& caption, const TReportVariable* counter,
                    const QFont& font, TLineStyle rule, double widthMm) {
  footer.Label(caption).Font(font).AutoSize(false).At(0, 0.5, 30, 4.5);
  footer.Label(QString())
      .Font(font)
      .AutoSize(false)
      .At(31, 0.5, 25, 4.5)
      .OnGetText([counter](QString& text) { text = counter->Value().toString(); });
  footer.Rule(5.3, rule, 0.75, 0, widthMm);
  footer.Height(6.2);
}

}  // namespace

THeadCountLayout::THeadCountLayout(TKsCustomDataSet& rows, const QString& title,
                                   const TDateTimeRangeModel* range)
    : FRange(range), dsHeadCount(rows), ppHeadCount(QStringLiteral("ppHeadCount"), &dsHeadCount) {
  qryInmateTracking_Select.SetConnection(&ReportSession().dbJail);
  qryInmateTracking_Select.SQL().SetLines({QStringLiteral(
      "SELECT [MNINo], [BookNo], [CheckInDate], [CheckInTime], [CheckOutDate], "
      "[CheckOutTime], [Location], [NextLocation], [Status], [Exception], [CheckInOfficerNo], "
      "[CheckInOfficerName], [CheckOutOfficerNo], [CheckOutOfficerName], [Comments], "
      "[Active], [UNIQUEKEY] FROM INMATETRACKING (ReadUncommitted) WHERE BOOKNO = "
      ":BookingNumber AND ACTIVE = 1")});

  TLayoutBuilder b(rptHeadCount);
  b.Letter().Portrait().Margins(6.35).TwoPass().Pipeline(&ppHeadCount).Title(title);
  BuildTitle(title);
  BuildDetail();
  BuildGroups();
  BuildPageFooter();
}

void THeadCountLayout::BuildTitle(const QString& title) {
  TLayoutBuilder b(rptHeadCount);
  TAgencyHeaderSettings settings = FAgency.HeaderSettings(title, &ppHeadCount);
  settings.TitlePoints = 14;
  settings.RangeFrom = [this] { return FRange ? FRange->xsDateStart : QString(); };
  settings.RangeTo = [this] { return FRange ? FRange->xsDateEnd : QString(); };
  TBandBuilder band = b.TitleBand(10);
  const TAgencyHeader header = AddAgencyHeader(band, settings);
  header.Title->Name = QStringLiteral("pplblTitle");
  for (TReportLabel* item :
       {header.FromCaption, header.FromValue, header.ToCaption, header.ToValue})
    item->Visible = FRange != nullptr;

  TBandBuilder page = b.PageHeader(7);
  page.Label(QStringLiteral("Head Count Report"))
      .Font(Arial(12, fsBold))
      .AutoSize(false)
      .Center()
      .At(0, 0, b.PrintableWidthMm(), 5.5);
  page.Rule(6, TLineStyle::Solid, 0.75, 0, b.PrintableWidthMm());
}

void THeadCountLayout::BuildDetail() {
  TLayoutBuilder b(rptHeadCount);
  const double width = b.PrintableWidthMm();
  TBandBuilder d = b.Detail(13.2).Font(Arial(8));
  // The counters count rows; the group footers print them.
  const auto counter = [&](const char* name) {
    return d.Count(QString::fromLatin1(name)).Visible(false).At(0, 0, 1, 1).Get();
  };
  varHDAgeCount = counter("varHDAgeCount");
  varHDStatusCount = counter("varHDStatusCount");
  varHDSexCount = counter("varHDSexCount");
  varHDTotalInmates = counter("varHDTotalInmates");

  const auto caption = [&](const char* text, double x, double y, double w) {
    d.Label(QString::fromLatin1(text)).Font(Arial(8, fsBold)).AutoSize(false).At(x, y, w, 3.8);
  };
  const auto field = [&](const char* name, double x, double y, double w) {
    return d.DBText(QString::fromLatin1(name)).AutoSize(false).At(x, y, w, 3.8);
  };
  double y = 0.5;
  caption("Book No:", 0, y, 14);
  field("BOOKNO", 14, y, 24);
  caption("MNI No:", 40, y, 13);
  field("ECSOID", 53, y, 22);
  caption("Name:", 77, y, 10);
  d.Label(QString()).AutoSize(false).At(87, y, 55, 3.8).OnGetText([this](QString& text) {
    text = ReportRowTexts::InmateNameWithoutTitle(ppHeadCount);
  });
  caption("Age:", 143, y, 8);
  field("AGE", 151, y, 8);
  caption("Sex:", 161, y, 8);
  field("SEX", 169, y, 6);
  caption("Race:", 177, y, 9);
  field("RACE", 186, y, 10);

  y = 4.5;
  caption("Cell No:", 0, y, 14);
  field("CELLNO", 14, y, 40).OnGetText([](QString& text) { text = ReportRowTexts::Cell(text); });
  caption("Class:", 56, y, 10);
  field("CLASSCODE", 66, y, 15);
  field("CLASSCODEDESC", 82, y, 45);
  caption("Trusty:", 128, y, 12);
  field("TRUSTYSTATUS", 140, y, 22).OnGetText([](QString& text) {
    text = ReportRowTexts::OrNotApplicable(text);
  });
  d.CheckBox(QStringLiteral("WORKRELEASE")).At(164, y + 0.2, 3.4, 3.4);
  d.Label(QStringLiteral("Work Release")).AutoSize(false).At(168.5, y, 19, 3.8);
  field("WORKRELTYPE", 188, y, width - 188);

  y = 8.5;
  lblLocation = d.Label(QStringLiteral("Location"))
                    .AutoSize(false)
                    .At(0, y, width, 3.8)
                    .Name(QStringLiteral("lblLocation"))
                    .OnGetText([this](QString& text) { text = LocationText(); })
                    .Get();
  d.Rule(12.6, TLineStyle::Dotted, 0.5, 0, width);
}

void THeadCountLayout::BuildGroups() {
  TLayoutBuilder b(rptHeadCount);
  const double width = b.PrintableWidthMm();

  TGroupBuilder age = b.Group(QStringLiteral("JUVENILE"));
  age.KeepTogether();
  TBandBuilder ageHeader = age.Header(6);
  ageHeader.Label(QString())
      .Font(Arial(10, fsBold))
      .AutoSize(false)
      .At(0, 0.5, 60, 4.5)
      .OnGetText([this](QString& text) {
        // An empty flag counts as an adult.
        text = VariantToBool(ppHeadCount.GetFieldValue(QStringLiteral("JUVENILE")))
                   ? QStringLiteral("Juveniles")
                   : QStringLiteral("Adults");
      });
  ageHeader.Rule(5.3, TLineStyle::Solid, 0.75, 0, width);
  AddCountFooter(age.Footer(6), QStringLiteral("Total Count:"), varHDAgeCount, Arial(10, fsBold),
                 TLineStyle::Solid, width);

  TGroupBuilder status = b.Group(QStringLiteral("STATUS"));
  TBandBuilder statusHeader = status.Header(5.5).Font(Arial(8, fsBold | fsItalic));
  statusHeader.Label(QStringLiteral("Status:")).AutoSize(false).At(0, 0.5, 12, 4);
  statusHeader.DBText(QStringLiteral("STATUS")).AutoSize(false).At(12, 0.5, 14, 4);
  statusHeader.DBText(QStringLiteral("STATUSDESC")).AutoSize(false).At(27, 0.5, 80, 4);
  statusHeader.Rule(4.8, TLineStyle::Solid, 0.5, 0, width);
  AddCountFooter(status.Footer(6), QStringLiteral("Status Count:"), varHDStatusCount,
                 Arial(8, fsBold), TLineStyle::Dashed, width);

  TGroupBuilder sex = b.Group(QStringLiteral("SEX"));
  AddCountFooter(sex.Footer(6), QStringLiteral("Gender Count:"), varHDSexCount, Arial(8, fsBold),
                 TLineStyle::DashDot, width);

  varHDAgeCount->ResetType = TVariableReset::Group;
  varHDAgeCount->ResetGroup = age.Group();
  varHDStatusCount->ResetType = TVariableReset::Group;
  varHDStatusCount->ResetGroup = status.Group();
  varHDSexCount->ResetType = TVariableReset::Group;
  varHDSexCount->ResetGroup = sex.Group();
  // varHDTotalInmates runs on over the whole run.
}

void THeadCountLayout::BuildPageFooter() {
  TLayoutBuilder b(rptHeadCount);
  TBandBuilder footer = b.PageFooter(kTotalLineMm);
  footer.Label(QStringLiteral("Total Inmate Count:"))
      .Font(Arial(10, fsBold))
      .AutoSize(false)
      .At(0, 0.5, 38, 4.5);
  footer.Label(QString())
      .Font(Arial(10, fsBold))
      .AutoSize(false)
      .At(38, 0.5, 30, 4.5)
      .Name(QStringLiteral("lblTotalInmates"))
      .OnGetText([this](QString& text) { text = varHDTotalInmates->Value().toString(); });
  // The standard footer goes below the total line.
  const size_t before = footer->Components().size();
  AddStandardPageFooter(footer, ReportSession().xsJBUserName);
  const auto& components = footer->Components();
  for (size_t i = before; i < components.size(); ++i)
    components[i]->Box.translate(0, Um::FromMm(kTotalLineMm));
  footer->Height += Um::FromMm(kTotalLineMm);
}

QString THeadCountLayout::LocationText() {
  TKsMSQuery& tracking = qryInmateTracking_Select;
  tracking.Close();
  tracking.ParamByName(QStringLiteral("BookingNumber"))
      .SetAsString(ppHeadCount.GetFieldAsString(QStringLiteral("BOOKNO")));
  tracking.Open();
  QString text = QStringLiteral("Location");
  if (tracking.RecordCount() == 1) {
    const auto value = [&](const char* name) -> const TField& {
      return tracking.FieldByName(QString::fromLatin1(name));
    };
    const auto at = [&](const char* place, const char* date, const char* time) {
      const QChar quote = QLatin1Char('"');
      return quote + value(place).AsString() + quote + QLatin1Char(' ') +
             FormatDateTime(QStringLiteral("mm/dd/yyyy"), value(date).AsDateTime()) + quote +
             QLatin1Char(' ') +
             FormatDateTime(QStringLiteral("hh:nn AM/PM"), value(time).AsDateTime());
    };
    switch (value("Status").AsInteger()) {
      case 1:
        text = QStringLiteral("Location: Checked In at ") +
               at("Location", "CheckInDate", "CheckInTime");
        break;
      case 2:
        text = QStringLiteral("Location: Checked Out to ") +
               at("NextLocation", "CheckOutDate", "CheckOutTime");
        break;
      default:
        break;
    }
  }
  tracking.Close();
  return text;
}
