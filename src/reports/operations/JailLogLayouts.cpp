#include "reports/operations/JailLogLayouts.h"

#include "reports/engine/ReportSubReport.h"
#include "reports/engine/ReportText.h"
#include "reports/framework/ReportRowTexts.h"

using JailLogStatements::TLogOrder;

namespace {

constexpr double kLineMm = kLogLineMm;

void SetUpPage(TLayoutBuilder& b, TReportPipeline* rows, const QString& title) {
  b.Letter().Portrait().Margins(6.35, 6.35, 6.35, 19.05).TwoPass().Pipeline(rows).Title(title);
}

// Groups print whole on a page where they fit.
TGroupBuilder Group(TLayoutBuilder& b, const char* field, TReportPipeline* rows = nullptr) {
  TGroupBuilder group = b.Group(QString::fromLatin1(field), rows);
  group.KeepTogether();
  return group;
}

void AddDormGroup(TLayoutBuilder& b, TReportPipeline* rows) {
  TBandBuilder header = Group(b, "DOORMSCODE").Header(6);
  header.Rule(0.5, TLineStyle::Solid, 0.75, 0, b.PrintableWidthMm());
  AddLogLine(header, rows, {TLogItem::liDorm}, 1.5);
}

void AddHeaderGroup(TLayoutBuilder& b, TReportPipeline* rows, const char* field,
                    const TLogLine& line) {
  TBandBuilder header = Group(b, field).Header(kLineMm + 1);
  AddLogLine(header, rows, line, 0.5);
}

// "Jail Log No:" and the number, from y.
void AddLogNumber(TBandBuilder& band, TReportPipeline* rows, double yMm) {
  band.Label(QStringLiteral("Jail Log No:"))
      .Font(LogCaptionFont())
      .AutoSize(false)
      .At(0, yMm, 20, kLineMm);
  band.DBText(QStringLiteral("JAILLOGNO"), rows)
      .Font(LogValueFont())
      .AutoSize(false)
      .At(21, yMm, 24, kLineMm);
}

// The message an empty plain run prints in place of entries.
void AddNothingFound(TLayoutBuilder& b, TReportPipeline* rows) {
  TBandBuilder summary = b.Summary(6).PrintWhen([rows] { return rows->Rows().empty(); });
  summary.Label(QStringLiteral("No log entries were found within the specified date/time range."))
      .Font(Arial(9, fsBold))
      .AutoSize(false)
      .Center()
      .At(0, 1, b.PrintableWidthMm(), 4.5);
}

// One group per booking: "Book No:" with the number of `numbers`' row and
// "Inmate Name:" with the name of `names`' row; the caller adds the mark at
// kMarkMm.
constexpr double kMarkMm = 160;
TBandBuilder AddBookingGroup(TLayoutBuilder& b, TReportPipeline* numbers, TReportPipeline* names) {
  TBandBuilder header = Group(b, "BOOKNO").Header(kLineMm + 2);
  header.Rule(0.5, TLineStyle::Solid, 0.75, 0, b.PrintableWidthMm());
  header.Label(QStringLiteral("Book No:"))
      .Font(LogCaptionFont())
      .AutoSize(false)
      .At(0, 1.5, 15, kLineMm);
  header.DBText(QStringLiteral("BOOKNO"), numbers)
      .Font(LogValueFont())
      .AutoSize(false)
      .At(16, 1.5, 26, kLineMm);
  header.Label(QStringLiteral("Inmate Name:"))
      .Font(LogCaptionFont())
      .AutoSize(false)
      .At(44, 1.5, 21, kLineMm);
  header.Label(QString())
      .Font(LogValueFont())
      .AutoSize(false)
      .At(66, 1.5, kMarkMm - 68, kLineMm)
      .OnGetText([names](QString& text) {
        text = names->CurrentRow() < 0 ? QString() : ReportRowTexts::InmateName(*names);
      });
  return header;
}

std::vector<TLogLine> DetailLines(TLogOrder order) {
  using I = TLogItem;
  switch (order) {
    case TLogOrder::loLogCode:
      return {{I::liTime, I::liUsername, I::liOfficer, I::liPersonnelNo, I::liPriority}};
    case TLogOrder::loOfficer:
      return {{I::liTime, I::liLogCode, I::liPriority}};
    case TLogOrder::loLogNo:
      return {{I::liDate, I::liTime, I::liUsername, I::liOfficer, I::liPriority},
              {I::liLogCode, I::liPersonnelNo}};
    case TLogOrder::loDateTime:
      break;
  }
  return {{I::liTime, I::liUsername, I::liOfficer, I::liPriority},
          {I::liLogCode, I::liPersonnelNo}};
}

// The lines of an entry read by booking: when, who, what and where.
std::vector<TLogLine> BookingEntryLines() {
  using I = TLogItem;
  return {{I::liDate, I::liTime, I::liUsername, I::liOfficer, I::liPersonnelNo},
          {I::liLogCode, I::liDorm, I::liPriority}};
}

}  // namespace

void TJailLogLayout::SetTitle(const QString& title) {
  Report.Title = title;
  if (Title) Title->Caption = title;
  if (Header) Header->Caption = title;
}

void TJailLogLayout::ShowLinkedInmates(bool show) {
  if (Links) Links->Visible = show;
  if (Inmates) Inmates->Visible = show;
}

void BuildEntryLayout(TJailLogLayout& layout, const TJailLogLayoutContext& ctx, TLogOrder order,
                      bool dorm, const QString& title, const TEntryLayoutNames& names) {
  TReportPipeline* rows = ctx.Log;
  TLayoutBuilder b(layout.Report);
  SetUpPage(b, rows, title);
  layout.Title = AddLogTitleBand(b, ctx, title, rows, dorm).Title;
  layout.Title->Name = QString::fromLatin1(names.Title);
  layout.Header = AddLogPageHeader(b, title);
  layout.Header->Name = QString::fromLatin1(names.Header);

  const double width = b.PrintableWidthMm();
  const QString links = QString::fromLatin1(names.Links);
  const QString inmates = QString::fromLatin1(names.Inmates);
  TLinkedInmates pair;
  AddDormGroup(b, rows);
  if (order == TLogOrder::loLogNo) {
    // The bookings stand beside the entry's number.
    TBandBuilder header = Group(b, "JAILLOGNO").Header(kLineMm + 1);
    header.Rule(0.2, TLineStyle::Dotted, 0.5, 0, width);
    AddLogNumber(header, rows, 0.5);
    pair = AddLinkedInmates(header, ctx, links, inmates, 48, 0.5, width - 48);
    Group(b, "DATE");
  } else {
    if (order == TLogOrder::loLogCode) AddHeaderGroup(b, rows, "LOGCODE", {TLogItem::liLogCode});
    if (order == TLogOrder::loOfficer)
      AddHeaderGroup(b, rows, "OFFICER",
                     {TLogItem::liOfficer, TLogItem::liPersonnelNo, TLogItem::liUsername});
    AddHeaderGroup(b, rows, "DATE", {TLogItem::liDate});
    TBandBuilder timeFooter = Group(b, "TIME").Footer(1.5);
    timeFooter.Rule(0.7, TLineStyle::Solid, 0.5, 0, width);
    // After each entry: its number, then the bookings linked to it.
    TBandBuilder entryFooter = Group(b, "JAILLOGNO").Footer(kLineMm + 1.5);
    AddLogNumber(entryFooter, rows, 0.5);
    pair = AddLinkedInmates(entryFooter, ctx, links, inmates, 0, kLineMm + 0.7, width);
  }
  layout.Links = pair.Links;
  layout.Inmates = pair.Inmates;
  layout.ShowLinkedInmates(order == TLogOrder::loLogNo);

  TBandBuilder detail = b.Detail(kLineMm);
  AddEntryLines(detail, rows, DetailLines(order),
                dorm && order == TLogOrder::loOfficer ? TEmptyEntry::eeNoLogEntry
                                                      : TEmptyEntry::eeNoComments);
  AddNothingFound(b, rows);
  AddLogPageFooter(b, ctx);
}

void BuildBookingLayout(TJailLogLayout& layout, const TJailLogLayoutContext& ctx,
                        TReportLabel** facility) {
  const QString title = QStringLiteral("Jail Log Report By Inmate Booking No");
  TLayoutBuilder b(layout.Report);
  SetUpPage(b, ctx.Refs, title);
  layout.Title = AddLogTitleBand(b, ctx, title, nullptr, false, facility).Title;
  layout.Header = AddLogPageHeader(b, title);
  const double width = b.PrintableWidthMm();

  TBandBuilder header = AddBookingGroup(b, ctx.Refs, ctx.Bookings);
  const TActiveMark mark = AddActiveMark(header, ctx.Bookings, kMarkMm, 1.5);
  // A link to a booking of another facility has no booking here to mark.
  header.BeforePrint([bookings = ctx.Bookings, mark] {
    const bool found = bookings->CurrentRow() >= 0;
    mark.Box->Visible = found;
    mark.Caption->Visible = found;
  });

  // Each link's entry, by entry number and date.
  TBandBuilder detail = b.Detail(0.5);
  TReportSubReport* entries =
      detail.SubReport(ctx.Log).Name(QStringLiteral("ppSubReportEntries")).At(0, 0, width, 0.5);
  TLayoutBuilder child(entries->Child());
  TBandBuilder number = Group(child, "JAILLOGNO", ctx.Log).Header(kLineMm + 1);
  number.Rule(0.2, TLineStyle::Dotted, 0.5, 0, width);
  AddLogNumber(number, ctx.Log, 0.5);
  Group(child, "DATE", ctx.Log);
  TBandBuilder lines = child.Detail(kLineMm).Pipeline(ctx.Log);
  AddEntryLines(lines, ctx.Log, BookingEntryLines(), TEmptyEntry::eeNoComments);
  AddLogPageFooter(b, ctx);
}

void BuildDormBookingLayout(TJailLogLayout& layout, const TJailLogLayoutContext& ctx) {
  const QString title = QStringLiteral("Jail Log Report By Inmate Booking No");
  TReportPipeline* rows = ctx.Generic;
  TLayoutBuilder b(layout.Report);
  SetUpPage(b, rows, title);
  // The facility line is left blank here.
  layout.Title = AddLogTitleBand(b, ctx, title, nullptr, true).Title;
  layout.Header = AddLogPageHeader(b, title);
  const double width = b.PrintableWidthMm();

  TBandBuilder header = AddBookingGroup(b, rows, rows);
  header.Label(QString())
      .Font(LogCaptionFont())
      .AutoSize(false)
      .At(kMarkMm, 1.5, 20, kLineMm)
      .OnGetText([rows](QString& text) {
        text = VariantToBool(rows->GetFieldValue(QStringLiteral("NAMERELEAS")))
                   ? QStringLiteral("Inactive")
                   : QStringLiteral("Active");
      });

  TBandBuilder number = Group(b, "JAILLOGNO").Header(kLineMm + 1);
  number.Rule(0.2, TLineStyle::Dotted, 0.5, 0, width);
  AddLogNumber(number, rows, 0.5);
  Group(b, "DATE");
  TBandBuilder detail = b.Detail(kLineMm);
  AddEntryLines(detail, rows, BookingEntryLines(), TEmptyEntry::eeNoEntry);
  AddLogPageFooter(b, ctx);
}
