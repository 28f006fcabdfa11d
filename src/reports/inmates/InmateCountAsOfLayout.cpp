#include "reports/inmates/InmateCountAsOfLayout.h"

#include "data/KsDataSet.h"
#include "data/dmJailAdminReports.h"
#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/ReportRowTexts.h"
#include "reports/framework/ReportRun.h"

TInmateCountAsOfLayout::TInmateCountAsOfLayout(TKsCustomDataSet& rows, const QString& caption)
    : dtsqryGeneric(rows), ppJailBook2(QStringLiteral("ppJailBook2"), &dtsqryGeneric) {
  TLayoutBuilder b(rptInmateCountAsofDate);
  b.Letter().Portrait().Margins(6.35).TwoPass().Pipeline(&ppJailBook2).Title(caption);
  const double width = b.PrintableWidthMm();

  TAgencyHeaderSettings settings = FAgency.HeaderSettings(caption, &ppJailBook2);
  settings.TitlePoints = 13;
  TBandBuilder title = b.TitleBand(10).Font(Arial(10, fsBold));
  const TAgencyHeader header = AddAgencyHeader(title, settings);
  header.Title->Name = QStringLiteral("pplblAsofCount");
  const double y = header.BottomMm + 1;
  title.Label(QStringLiteral("Total:")).AutoSize(false).At(0, y, 15, 4.5);
  title.Label(QString::number(rows.RecordCount())).AutoSize(false).At(15, y, 30, 4.5);
  title.Height(y + 6);

  TBandBuilder columns = b.ColumnHeader(5);
  AddColumnCaptions(columns, 0.5,
                    {{QStringLiteral("Name"), 0, 70},
                     {QStringLiteral("Booking #"), 72, 35},
                     {QStringLiteral("MNI No"), 109, 35}},
                    Arial(7, fsUnderline));

  TGroupBuilder sex = b.Group(QStringLiteral("SEX"));
  sex.KeepTogether();
  TBandBuilder header2 = sex.Header(5).Font(Arial(7, fsBold | fsUnderline));
  header2.Label(QStringLiteral("Gender")).AutoSize(false).At(0, 0.8, 14, 3.5);
  header2.DBText(QStringLiteral("SEX"))
      .AutoSize(false)
      .At(14, 0.8, 10, 3.5)
      .OnGetText([](QString& text) {
        if (text.trimmed().isEmpty()) text = QStringLiteral("U");
      });
  TBandBuilder footer = sex.Footer(5.5).Font(Arial(7, fsBold));
  footer.Label(QStringLiteral("Total Gender Count:")).AutoSize(false).At(0, 0.8, 30, 3.5);
  TReportVariable* count =
      footer.Count(QStringLiteral("varGenderCount")).AutoSize(false).At(30, 0.8, 20, 3.5);
  count->ResetType = TVariableReset::Group;
  count->ResetGroup = sex.Group();

  TBandBuilder detail = b.Detail(4.2).Font(Arial(7));
  detail.Label(QString()).AutoSize(false).At(0, 0.3, 70, 3.4).OnGetText([this](QString& text) {
    text = ReportRowTexts::InmateName(ppJailBook2);
  });
  detail.DBText(QStringLiteral("BOOKNO")).AutoSize(false).At(72, 0.3, 35, 3.4);
  detail.DBText(QStringLiteral("ECSOID")).AutoSize(false).At(109, 0.3, 35, 3.4);
  detail.Rule(3.9, TLineStyle::Dotted, 0.5, 0, width);

  TBandBuilder page = b.PageFooter(8);
  AddStandardPageFooter(page, ReportSession().xsJBUserName);
}
