#include "reports/inmates/dmInmNameShortRpt.h"

#include "config/dmJAILCFG.h"
#include "core/UserPrompts.h"
#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/ReportRowTexts.h"
#include "reports/framework/ReportRun.h"

TdtmInmNameShortRpt::TdtmInmNameShortRpt() {
  UseConnection(qryInmates);
  BuildInmRoster();
}

TdtmInmNameShortRpt::~TdtmInmNameShortRpt() = default;

QString TdtmInmNameShortRpt::RosterTitle() const {
  return xbInActive ? QStringLiteral("Inactive Inmate Roster")
                    : QStringLiteral("Active Inmate Roster");
}

void TdtmInmNameShortRpt::PrintRosterByNameShort() {
  THourglass hourglass;
  QString facilities;
  if (dtmJAILCFG) dtmJAILCFG->CreateFacilityString(facilities);
  if (facilities.isEmpty()) return;
  // Asked of both rosters; only the active one has checked-out inmates.
  const bool includeCheckedOut =
      UserPrompts().ConfirmYes(QStringLiteral("Include checked out inmates?"));
  const bool onlyInJail = !xbInActive && !includeCheckedOut;

  TRunQuery q(qryInmates);
  q.Add(QStringLiteral(
      "SELECT j.BOOKNO, j.ECSOID, j.LNAME, FACICODE,  j.FNAME, j.MNAME, j.TITLE, j.CELLNO, "
      "j.CLASSCODEDESC, j.SEX, j.CLASSCODE, j.RACE, j.DOB, J.TRUSTYSTATUS, J.TRUSTY, "
      "j.WORKRELTYPE, dbo.JustTheDate(j.BOOKDATE) as BOOKDATE, j.FACILITY,  "
      "J.RELDEMANDAGNCYDESC, J.HOLD, J.WORKRELEASE, (SELECT COUNT(BOOKNO) "));
  // InmCount counts the rows of the facility that the roster itself lists.
  if (xbInActive) {
    q.Add(QStringLiteral(
        " FROM JBHISTO (READUNCOMMITTED) WHERE (NAMERELEAS = 1) AND FACICODE = J.FACICODE ) As "
        "InmCount "));
    q.Add(QStringLiteral(" FROM JBHISTO j (READUNCOMMITTED) WHERE (j.NAMERELEAS = 1)"));
  } else {
    q.Add(QStringLiteral(" FROM JAILBOOK (READUNCOMMITTED) WHERE "));
    if (onlyInJail) q.Add(QStringLiteral(" (NAMERELEAS = 0 or NAMERELEAS IS NULL) AND "));
    q.Add(QStringLiteral(" FACICODE = J.FACICODE ) As InmCount "));
    q.Add(QStringLiteral(" FROM JAILBOOK j (READUNCOMMITTED) WHERE 1 = 1 "));
    if (onlyInJail) q.Add(QStringLiteral(" AND (j.NAMERELEAS = 0 or j.NAMERELEAS IS NULL) "));
  }
  q.Add(facilities);
  q.Add(QStringLiteral(" ORDER BY FACICODE, LNAME, FNAME, MNAME, TITLE"));
  q.Open();

  const QString title = RosterTitle();
  FTitle->Caption = title;
  PrintWhenRows(
      qryInmates,
      [this] {
        WriteReportsTransLog({}, {}, etPrint, QStringLiteral("JAILBOOK"),
                             QStringLiteral("Inmate Reports, By Name, Short"));
      },
      [this] { PrintReport(rptInmRoster); }, QStringLiteral("No record were found for ") + title);
}

void TdtmInmNameShortRpt::BuildInmRoster() {
  TLayoutBuilder b(rptInmRoster);
  b.Letter().Landscape().Margins(6.35).TwoPass().Pipeline(&ppInmates);

  TBandBuilder header = b.PageHeader(10);
  TAgencyHeaderSettings settings = Agency().HeaderSettings(QString(), &ppInmates);
  settings.TitlePoints = 13;
  settings.FacilityPoints = 11;
  const TAgencyHeader agency = AddAgencyHeader(header, settings);
  FTitle = agency.Title;
  const double y = agency.BottomMm + 0.5;
  const QFont total = Arial(10, fsBold);
  header.Label(QStringLiteral("Total Inmates:")).Font(total).At(0, y, 27, 4.5);
  header.DBText(QStringLiteral("InmCount")).Font(total).At(27, y, 20, 4.5);
  AddColumnCaptions(header, y + 6,
                    {{QStringLiteral("Name"), 0, 52},
                     {QStringLiteral("MNI No"), 53, 18},
                     {QStringLiteral("Booking No"), 72, 22},
                     {QStringLiteral("Cell Assigned"), 95, 34},
                     {QStringLiteral("HOLD"), 130, 8, Qt::AlignHCenter},
                     {QStringLiteral("Demanding Agency"), 139, 44},
                     {QStringLiteral("DOB"), 184, 15},
                     {QStringLiteral("Class\nCode"), 200, 14},
                     {QStringLiteral("Trusty\nStatus"), 215, 24},
                     {QStringLiteral("Work\nRelease"), 240, 10, Qt::AlignHCenter},
                     {QStringLiteral("Booking\nDate"), 251, 15.7}});

  TBandBuilder detail = b.Detail(4.4).Font(Arial(7));
  detail.DBText(QStringLiteral("LNAME"))
      .Font(Arial(7, fsBold | fsItalic))
      .At(0, 0.3, 52, 3.5)
      .OnGetText([this](QString& text) { text = ReportRowTexts::InmateName(ppInmates); });
  detail.DBText(QStringLiteral("ECSOID")).At(53, 0.3, 18, 3.5);
  detail.DBText(QStringLiteral("BOOKNO")).At(72, 0.3, 22, 3.5);
  detail.DBText(QStringLiteral("CELLNO")).At(95, 0.3, 34, 3.5).OnGetText([](QString& text) {
    text = ReportRowTexts::Cell(text);
  });
  detail.CheckBox(QStringLiteral("HOLD")).At(132.5, 0.4, 3, 3);
  detail.DBText(QStringLiteral("RELDEMANDAGNCYDESC")).At(139, 0.3, 44, 3.5);
  detail.DBText(QStringLiteral("DOB")).Format(QStringLiteral("ddddd")).At(184, 0.3, 15, 3.5);
  detail.DBText(QStringLiteral("CLASSCODE")).At(200, 0.3, 14, 3.5);
  detail.DBText(QStringLiteral("TRUSTYSTATUS"))
      .At(215, 0.3, 24, 3.5)
      .OnGetText([this](QString& text) {
        // Only a trusty has a trusty status worth printing.
        text = VariantToBool(ppInmates.GetFieldValue(QStringLiteral("TRUSTY")))
                   ? ReportRowTexts::OrNotApplicable(text)
                   : QString();
      });
  detail.CheckBox(QStringLiteral("WORKRELEASE")).At(243.5, 0.4, 3, 3);
  detail.DBText(QStringLiteral("BOOKDATE")).Format(QStringLiteral("ddddd")).At(251, 0.3, 15.7, 3.5);
  detail.Rule(4.0, TLineStyle::Dotted, 0.5);

  // Each facility on pages of its own, numbered from 1.
  b.Group(QStringLiteral("FACICODE")).NewPage().ResetPageNo();

  TBandBuilder footer = b.PageFooter(8);
  AddStandardPageFooter(footer, QString()).UserName->OnGetText = [this](QString& text) {
    text = xsJBUserName;
  };
}
