#include "reports/inmates/InmateCountLayout.h"

#include "core/RegionalFormats.h"
#include "data/KsDataSet.h"
#include "data/dmJailAdminReports.h"
#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/ReportRun.h"

#include <array>

namespace {

// The grid: booking date, number booked, then males, females and unknown.
struct TGridColumn {
  double X;
  double W;
};
constexpr std::array<TGridColumn, 5> kGrid = {
    {{40, 36}, {76, 30}, {106, 20}, {126, 20}, {146, 20}}};
constexpr double kGridRowMm = 5;

// One ruled line of the grid; its cells' labels, left to right.
std::array<TReportLabel*, 5> AddGridRow(TBandBuilder band, const QFont& font) {
  std::array<TReportLabel*, 5> cells{};
  for (size_t i = 0; i < kGrid.size(); ++i) {
    band.Shape().At(kGrid[i].X, 0, kGrid[i].W, kGridRowMm);
    cells[i] = band.Label(QString()).Font(font).AutoSize(false).Center().At(
        kGrid[i].X + 0.5, 0.8, kGrid[i].W - 1, kGridRowMm - 1.2);
  }
  band.Height(kGridRowMm);
  return cells;
}

QString ValueText(const TReportVariable* variable) {
  return variable->Value().toString();
}

void ShowValue(TReportLabel* label, const TReportVariable* variable) {
  label->OnGetText = [variable](QString& text) { text = ValueText(variable); };
}

bool IsMale(const QString& sex) {
  return sex == QLatin1String("M");
}
bool IsFemale(const QString& sex) {
  return sex == QLatin1String("F");
}
// Any other code, or none.
bool IsUnknown(const QString& sex) {
  return !IsMale(sex) && !IsFemale(sex);
}

}  // namespace

TInmateCountLayout::TInmateCountLayout(TKsCustomDataSet& rows, const QString& title,
                                       const TDateTimeRangeModel& range)
    : FRange(range),
      dtsqryGeneric(rows),
      ppJailBook2(QStringLiteral("ppJailBook2"), &dtsqryGeneric) {
  TLayoutBuilder b(rptInmateCount);
  b.Letter().Portrait().Margins(6.35).TwoPass().Pipeline(&ppJailBook2).Title(title);
  TGroupBuilder date = b.Group(QStringLiteral("BOOKDATE"));
  date.KeepTogether();
  FDateGroup = date.Group();
  BuildTallies();
  BuildTitle(title, rows.RecordCount());
  BuildGrid();
  TBandBuilder footer = b.PageFooter(8);
  AddStandardPageFooter(footer, ReportSession().xsJBUserName);
}

TReportVariable* TInmateCountLayout::Tally(const QString& name, bool (*counts)(const QString&),
                                           bool perDate) {
  TBandBuilder detail(rptInmateCount.DetailBand(), &ppJailBook2);
  TReportVariable* tally = detail.Variable(name).Visible(false).At(0, 0, 1, 1);
  tally->OnCalc = [this, counts](QVariant& value) {
    if (counts(ppJailBook2.GetFieldAsString(QStringLiteral("SEX")).trimmed()))
      value = value.toLongLong() + 1;
  };
  if (perDate) {
    tally->ResetType = TVariableReset::Group;
    tally->ResetGroup = FDateGroup;
  }
  return tally;
}

void TInmateCountLayout::BuildTallies() {
  // No line per booking: the detail band only counts.
  rptInmateCount.DetailBand()->Height = 0;
  TBandBuilder detail(rptInmateCount.DetailBand(), &ppJailBook2);
  FDateCount = detail.Count(QStringLiteral("varDateCount")).Visible(false).At(0, 0, 1, 1);
  FDateCount->ResetType = TVariableReset::Group;
  FDateCount->ResetGroup = FDateGroup;
  FRunCount = detail.Count(QStringLiteral("varRunCount")).Visible(false).At(0, 0, 1, 1);
  ppvarMaleCount = Tally(QStringLiteral("ppvarMaleCount"), IsMale, true);
  ppvarFemaleCount = Tally(QStringLiteral("ppvarFemaleCount"), IsFemale, true);
  ppvarUnknownCount = Tally(QStringLiteral("ppvarUnknownCount"), IsUnknown, true);
  ppVarMaleCountTOtal = Tally(QStringLiteral("ppVarMaleCountTOtal"), IsMale, false);
  ppVarFemaleCountTotal = Tally(QStringLiteral("ppVarFemaleCountTotal"), IsFemale, false);
  ppvarUnknownCountTotal = Tally(QStringLiteral("ppvarUnknownCountTotal"), IsUnknown, false);
}

void TInmateCountLayout::BuildTitle(const QString& title, int rowCount) {
  TLayoutBuilder b(rptInmateCount);
  TAgencyHeaderSettings settings = FAgency.HeaderSettings(title, &ppJailBook2);
  settings.TitlePoints = 13;
  settings.RangeFrom = [this] {
    return FRange.xsDateStart + QLatin1Char(' ') + FRange.xsTimeStart;
  };
  settings.RangeTo = [this] { return FRange.xsDateEnd + QLatin1Char(' ') + FRange.xsTimeEnd; };
  TBandBuilder band = b.TitleBand(10).Font(Arial(10, fsBold));
  const TAgencyHeader header = AddAgencyHeader(band, settings);
  header.Title->Name = QStringLiteral("pplblTitle");

  double y = header.BottomMm + 1;
  band.Label(QStringLiteral("Total Inmates Booked:")).AutoSize(false).At(40, y, 45, 4.5);
  band.Label(QString::number(rowCount)).AutoSize(false).At(86, y, 30, 4.5);
  y += 5;
  const auto total = [&](const char* caption, double x, const char* name) {
    band.Label(QString::fromLatin1(caption)).AutoSize(false).At(x, y, 30, 4.5);
    return band.Label(QStringLiteral("0"))
        .AutoSize(false)
        .At(x + 30, y, 20, 4.5)
        .Name(QString::fromLatin1(name))
        .Get();
  };
  pplblTitleMale = total("Total Males:", 40, "pplblTitleMale");
  pplblTitleFemale = total("Total Females:", 92, "pplblTitleFemale");
  pplblTitleUnknown = total("Total Unknown:", 144, "pplblTitleUnknown");
  band.Height(y + 6);
}

void TInmateCountLayout::BuildGrid() {
  TLayoutBuilder b(rptInmateCount);
  const auto captions = AddGridRow(b.ColumnHeader(kGridRowMm), Arial(8, fsBold));
  const char* texts[] = {"Booking Date", "# Booked", "M", "F", "U"};
  for (size_t i = 0; i < captions.size(); ++i) captions[i]->Caption = QString::fromLatin1(texts[i]);

  TGroupBuilder date(FDateGroup, &ppJailBook2);
  const auto line = AddGridRow(date.Footer(kGridRowMm), Arial(8));
  line[0]->OnGetText = [this](QString& text) {
    text = FormatDateTime(QStringLiteral("mm/dd/yyyy"),
                          ppJailBook2.GetFieldValue(QStringLiteral("BOOKDATE")).toDateTime());
  };
  ShowValue(line[1], FDateCount);
  ShowValue(line[2], ppvarMaleCount);
  ShowValue(line[3], ppvarFemaleCount);
  ShowValue(line[4], ppvarUnknownCount);

  TBandBuilder columnFooter = b.ColumnFooter(kGridRowMm);
  const auto totals = AddGridRow(columnFooter, Arial(8, fsBold));
  totals[0]->Caption = QStringLiteral("Total:");
  ShowValue(totals[1], FRunCount);
  ShowValue(totals[2], ppVarMaleCountTOtal);
  ShowValue(totals[3], ppVarFemaleCountTotal);
  ShowValue(totals[4], ppvarUnknownCountTotal);
  // The title band prints before any row is counted, so it shows what the
  // column footer last wrote: in the printing pass, the first pass's totals.
  columnFooter.BeforePrint([this] {
    pplblTitleMale->Caption = ValueText(ppVarMaleCountTOtal);
    pplblTitleFemale->Caption = ValueText(ppVarFemaleCountTotal);
    pplblTitleUnknown->Caption = ValueText(ppvarUnknownCountTotal);
  });
}
