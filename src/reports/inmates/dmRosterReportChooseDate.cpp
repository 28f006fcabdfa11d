#include "reports/inmates/dmRosterReportChooseDate.h"

#include "config/PrimaryAgencyInfoProviderInterface.h"
#include "core/RegionalFormats.h"
#include "core/UserPrompts.h"
#include "data/KsSQLDatabase.h"
#include "data/ReportMasterInterface.h"
#include "data/UserInformationInterface.h"
#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/DateEntryModels.h"
#include "reports/framework/ReportRowTexts.h"
#include "reports/framework/ReportRun.h"

#include <cmath>
#include <memory>

namespace {

// The day runs from its midnight up to the next one, so an absence that
// lasts past midnight counts every minute it lies within the day.
const QStringList kRosterForDate = {
    QStringLiteral("DECLARE @endTmpDate as DateTime = DateAdd(day, 1, :reportDate);"),
    QStringLiteral("DECLARE @startTmpDate as DateTime = DateAdd(second, 1, DateAdd(second, -1, "
                   ":reportDate));"),
    QStringLiteral("with all_inmates as"),
    QStringLiteral("("),
    QStringLiteral("select "),
    QStringLiteral("jb.BOOKNO, jb.LNAME, jb.FNAME, jb.MNAME, jb.BOOKDATE, jb.RELDATE, jb.EcsoId, "),
    QStringLiteral("jb.CellNo, jb.DOB, jb.Race, jb.Sex "),
    QStringLiteral("from JailBook_JBHisto_View jb"),
    QStringLiteral("where "),
    QStringLiteral("("),
    QStringLiteral("(:reportDate between jb.BOOKDATE and jb.RELDATE) OR "),
    QStringLiteral("(jb.RelDate is null and jb.BOOKDATE < :reportDate)"),
    QStringLiteral(") AND"),
    QStringLiteral("jb.FaciCode = :facility"),
    QStringLiteral("),"),
    QStringLiteral("all_inmates_all_checkins as"),
    QStringLiteral("("),
    QStringLiteral(
        "select ai.* , f.CheckInReasonCode, f.CheckOutReasonCode, f.CheckInTime, f.CheckOutTime"),
    QStringLiteral("from all_inmates ai"),
    QStringLiteral("outer apply fnks_CheckInOutOnSameRow(ai.bookno) f"),
    QStringLiteral("where :reportDate between dbo.JustTheDate(f.CheckOutTime) and "
                   "dbo.JustTheDate(f.CheckInTime)"),
    QStringLiteral("and f.CheckInReasonCode > 0 and f.CheckOutReasonCode > 0"),
    QStringLiteral(")"),
    QStringLiteral("select ai.BOOKNO, ai.LNAME, ai.FNAME, ai.MNAME, ai.BOOKDATE, ai.RELDATE, "
                   "ai.EcsoId, "),
    QStringLiteral("ai.CellNo, ai.DOB, ai.Race, ai.Sex,"),
    QStringLiteral("Sum(case when aiac.CheckInTime IS null then 0 else"),
    QStringLiteral("DATEDIFF(mi, "),
    QStringLiteral(
        "(Case when CheckOutTime > @startTmpDate then CheckOutTime else @startTmpDate end),"),
    QStringLiteral(
        "Case when CheckInTime < @endTmpDate then CheckInTime else @endTmpDate end) end) as "
        "outTotal"),
    QStringLiteral(
        "from all_inmates ai left outer join all_inmates_all_checkins aiac on ai.BookNo = "
        "aiac.BookNo"),
    QStringLiteral("group by"),
    QStringLiteral("ai.BOOKNO, ai.LNAME, ai.FNAME, ai.MNAME, ai.BOOKDATE, ai.RELDATE, ai.EcsoId, "),
    QStringLiteral("ai.CellNo, ai.DOB, ai.Race, ai.Sex "),
    QStringLiteral("order by ai.LName, ai.FName, ai.MName, ai.BookNo"),
};

double MinutesOut(const TReportPipeline& rows) {
  return rows.GetFieldValue(QStringLiteral("outTotal")).toDouble();
}

}  // namespace

TdmRosterReportChooseDate::TdmRosterReportChooseDate(IReportMaster* ReportMaster,
                                                     IUserInformation* UserInfo,
                                                     IPrimaryAgencyInfoProvider* AgencyInfo)
    : FReportMaster(ReportMaster), FUserInfo(UserInfo), FAgencyInfo(AgencyInfo) {
  const TFacilityInformation facility = FReportMaster->GetFacility();
  FFacilityName = facility.FacilityName;
  FFacilityId = facility.FacilityId;
  SetDbConnection(FReportMaster->GetDatabaseConnection());
  if (FUserInfo) FUserName = FUserInfo->GetCurrentUser().UserName;
  BuildRosterForDate();
}

TdmRosterReportChooseDate::~TdmRosterReportChooseDate() = default;

void TdmRosterReportChooseDate::SetDbConnection(TKsSQLDatabase* Connection) {
  if (!Connection || !Connection->Connected())
    throw ERosterReportError(
        QStringLiteral("Invalid arguments.  TdmRosterReportChooseDate.SetDbConnection"));
  qryInmateRosterForDate.SetConnection(Connection);
}

QString TdmRosterReportChooseDate::DayText() const {
  return FormatDateTime(QStringLiteral("ddddd"), FReportDate);
}

bool TdmRosterReportChooseDate::ChooseReportDate() {
  FReportDate =
      ExecuteDateEntry(QStringLiteral("Roster Report for Specific Day"),
                       QStringLiteral("Choose a date for the report:"), QDate::currentDate());
  return FReportDate.isValid();
}

void TdmRosterReportChooseDate::PrintRoster() {
  TRunQuery q(qryInmateRosterForDate);
  for (const QString& line : kRosterForDate) q.Add(line);
  q->ParamByName(QStringLiteral("reportDate"))
      .SetAsDateTime(QDateTime(FReportDate, QTime(0, 0), Qt::UTC));
  q.BindString(QStringLiteral("facility"), FFacilityId);
  q.Open();
  const QImage logo = FAgencyInfo->GetLogoAsJpeg();
  FLeftLogo->Picture = logo;
  FRightLogo->Picture = logo;
  PrintReport(rptInmateRosterForDate);
}

void TdmRosterReportChooseDate::BuildRosterForDate() {
  TLayoutBuilder b(rptInmateRosterForDate);
  b.Letter().Landscape().Margins(6.35).TwoPass().Pipeline(&ppInmateRosterForDate);
  const double width = b.PrintableWidthMm();

  TBandBuilder header = b.PageHeader(34);
  header.Rule(0.3);
  FLeftLogo = header.Image(QImage()).At(0, 1.5, 27, 19);
  FRightLogo = header.Image(QImage()).At(width - 27, 1.5, 27, 19);
  header.Label(FFacilityName)
      .Font(Arial(11, fsBold))
      .AutoSize(false)
      .Center()
      .At(0, 2, width, 5)
      .Name(QStringLiteral("lblFacilityName"));
  header.Label(QStringLiteral("Inmate Roster Report for "))
      .Font(TimesNewRoman(13, fsBold))
      .AutoSize(false)
      .Center()
      .At(29, 8, width - 58, 6)
      .Name(QStringLiteral("lblTitle"))
      .OnGetText([this](QString& text) { text += DayText(); });
  header
      .Label(QStringLiteral(
          "(*Note: Inmates in Bold/Italic were checked out for some portion of the day)"))
      .Font(TimesNewRoman(8, fsItalic))
      .AutoSize(false)
      .Center()
      .At(29, 15, width - 58, 4);
  header.Label(QStringLiteral("Total Inmates:")).Font(Arial(10, fsBold)).At(0, 21.5, 27, 4.5);
  header.Label(QString())
      .Font(Arial(10, fsBold))
      .AutoSize(false)
      .At(27, 21.5, 20, 4.5)
      .OnGetText(
          [this](QString& text) { text = QString::number(qryInmateRosterForDate.RecordCount()); });
  header.Rule(26.5);
  const std::vector<TReportLabel*> captions = AddColumnCaptions(
      header, 27.3,
      {{QStringLiteral("Name"), 0, 55},
       {QStringLiteral("MNI No"), 56, 20},
       {QStringLiteral("Booking No"), 77, 25},
       {QStringLiteral("Cell Assigned"), 103, 38},
       {QStringLiteral("Race"), 142, 10},
       {QStringLiteral("Sex"), 153, 10},
       {QStringLiteral("DOB"), 164, 18},
       {QStringLiteral("Release\nDate"), 183, 18},
       {QStringLiteral("Booking\nDate"), 202, 18},
       {QStringLiteral("Total Hours Checked Out\nFor ["), 221, width - 221, Qt::AlignHCenter}},
      Arial(8, fsBold), 3.6);
  captions.back()->OnGetText = [this](QString& text) { text += DayText() + QLatin1Char(']'); };

  TBandBuilder detail = b.Detail(4.6).Font(Arial(8));
  FName =
      detail.DBText(QStringLiteral("LNAME")).At(0, 0.3, 55, 3.8).OnGetText([this](QString& text) {
        text = ReportRowTexts::InmateNameWithoutTitle(ppInmateRosterForDate);
      });
  detail.DBText(QStringLiteral("EcsoId")).At(56, 0.3, 20, 3.8);
  detail.DBText(QStringLiteral("BOOKNO")).At(77, 0.3, 25, 3.8);
  detail.DBText(QStringLiteral("CellNo")).At(103, 0.3, 38, 3.8).OnGetText([](QString& text) {
    text = ReportRowTexts::Cell(text);
  });
  detail.DBText(QStringLiteral("Race")).At(142, 0.3, 10, 3.8);
  detail.DBText(QStringLiteral("Sex")).At(153, 0.3, 10, 3.8);
  for (const auto& [field, x] :
       {std::pair<const char*, double>{"DOB", 164}, {"RELDATE", 183}, {"BOOKDATE", 202}})
    detail.DBText(QString::fromLatin1(field)).Format(QStringLiteral("ddddd")).At(x, 0.3, 18, 3.8);
  detail.DBText(QStringLiteral("outTotal"))
      .Center()
      .At(221, 0.3, width - 221, 3.8)
      .Name(QStringLiteral("dbHoursOut"))
      .OnGetText([this](QString& text) {
        // Whole hours, an exact half going to the even hour.
        const double hours = std::nearbyint(MinutesOut(ppInmateRosterForDate) / 60.0);
        text = hours == 0 ? QString() : QString::number(hours, 'f', 0);
      });
  detail.Rule(4.2, TLineStyle::Dotted, 0.5);
  detail.BeforePrint([this] {
    FName->Font = Arial(8, MinutesOut(ppInmateRosterForDate) > 0 ? fsBold | fsItalic : fsNone);
  });

  TBandBuilder footer = b.PageFooter(8);
  AddStandardPageFooter(footer, FUserName);
}

void RunChooseDateRosterReport(IReportMaster* ReportMaster, IUserInformation* UserInfo,
                               IPrimaryAgencyInfoProvider* AgencyInfo) {
  if (!ReportMaster || !AgencyInfo)
    throw ERosterReportError(QStringLiteral("Invalid arguments. RunChooseDateRosterReport"));
  auto module = std::make_unique<TdmRosterReportChooseDate>(ReportMaster, UserInfo, AgencyInfo);
  if (!module->ChooseReportDate()) return;
  THourglass hourglass;
  module->PrintRoster();
}
