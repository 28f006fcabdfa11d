#include "reports/operations/JailLogLayoutParts.h"

#include "reports/engine/RtfReader.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/ReportRowTexts.h"

namespace {

constexpr double kLineMm = kLogLineMm;
constexpr double kGapMm = 2;

struct TFieldLayout {
  const char* Field;
  double WidthMm;
  const char* Format;
};

// A caption followed by up to two fields.
struct TItemLayout {
  const char* Caption;
  double CaptionMm;
  TFieldLayout Fields[2];
};

const TItemLayout& ItemLayout(TLogItem item) {
  static const TItemLayout kDate{"Date:", 9, {{"DATE", 18, "ddddd"}, {}}};
  static const TItemLayout kTime{"Time:", 9, {{"TIME", 16, "t"}, {}}};
  static const TItemLayout kUsername{"Username:", 17, {{"USERNAME", 28, nullptr}, {}}};
  static const TItemLayout kOfficer{"Officer:", 12, {{"OFFICER", 40, nullptr}, {}}};
  static const TItemLayout kPersonnelNo{"Personnel No:", 21, {{"PERNO", 14, nullptr}, {}}};
  static const TItemLayout kLogCode{
      "Log Code/Description:", 32, {{"LOGCODE", 14, nullptr}, {"CODEDESC", 45, nullptr}}};
  static const TItemLayout kDorm{
      "Dorm:", 9, {{"DOORMSCODE", 14, nullptr}, {"DOORMSDESC", 40, nullptr}}};
  switch (item) {
    case TLogItem::liDate:
      return kDate;
    case TLogItem::liTime:
      return kTime;
    case TLogItem::liUsername:
      return kUsername;
    case TLogItem::liOfficer:
      return kOfficer;
    case TLogItem::liPersonnelNo:
      return kPersonnelNo;
    case TLogItem::liLogCode:
      return kLogCode;
    case TLogItem::liPriority:  // a check box, which AddLogLine places itself
    case TLogItem::liDorm:
      break;
  }
  return kDorm;
}

// The value of one of the dialog's fields, read when the page is made.
std::function<QString()> RangeText(const TDateTimeRangeModel* range,
                                   QString TDateTimeRangeModel::*date,
                                   QString TDateTimeRangeModel::*time) {
  return [range, date, time] {
    if (!range) return QString();
    return time ? range->*date + QLatin1Char(' ') + range->*time : range->*date;
  };
}

}  // namespace

QFont LogCaptionFont() {
  return Arial(8, fsBold);
}

QFont LogValueFont() {
  return Arial(8);
}

TAgencyHeader AddLogTitleBand(TLayoutBuilder& b, const TJailLogLayoutContext& ctx,
                              const QString& title, TReportPipeline* facilityRows, bool dorm,
                              TReportLabel** facilityLabel) {
  TAgencyHeaderSettings settings =
      ctx.Agency->HeaderSettings(title, facilityRows ? facilityRows : ctx.Log);
  settings.TitlePoints = 13;
  settings.RangeFrom =
      RangeText(ctx.Range, &TDateTimeRangeModel::xsDateStart, &TDateTimeRangeModel::xsTimeStart);
  settings.RangeTo =
      RangeText(ctx.Range, &TDateTimeRangeModel::xsDateEnd, &TDateTimeRangeModel::xsTimeEnd);
  TBandBuilder band = b.TitleBand(10);
  TAgencyHeader header = AddAgencyHeader(band, settings);
  if (!facilityRows) {
    // The facility is a label the handler fills, in the place of the field.
    header.Facility->Visible = false;
    TReportLabel* label = band.Label(QString())
                              .Name(QStringLiteral("pplblFacility"))
                              .Font(header.Facility->Font)
                              .AutoSize(false)
                              .Center();
    label->Box = header.Facility->Box;
    if (facilityLabel) *facilityLabel = label;
  }
  if (dorm) {
    // The dorm range goes above the window, which moves down a line.
    const int shift = Um::FromMm(5);
    const QRect from = header.FromCaption->Box;
    const QRect to = header.ToCaption->Box;
    for (TReportComponent* item : std::initializer_list<TReportComponent*>{
             header.FromCaption, header.FromValue, header.ToCaption, header.ToValue,
             header.BottomRule})
      item->Box.translate(0, shift);
    const QFont font = header.FromCaption->Font;
    const auto add = [&](const QString& caption, const QRect& at,
                         QString TDateTimeRangeModel::*field) {
      TItem<TReportLabel> label = band.Label(caption).Font(font).AutoSize(false).Right();
      label->Box = QRect(at.x() - Um::FromMm(10), at.y(), at.width() + Um::FromMm(10), at.height());
      TItem<TReportLabel> value = band.Label(QString()).Font(font).AutoSize(false);
      value->Box = QRect(at.right() + Um::FromMm(1), at.y(), Um::FromMm(40), at.height());
      value->OnGetText = [get = RangeText(ctx.Range, field, nullptr)](QString& text) {
        text = get();
      };
    };
    add(QStringLiteral("From Dorm:"), from, &TDateTimeRangeModel::xsDormStart);
    add(QStringLiteral("To Dorm:"), to, &TDateTimeRangeModel::xsDormEnd);
    header.BottomMm += 5;
    band->Height += shift;
  }
  return header;
}

TReportLabel* AddLogPageHeader(TLayoutBuilder& b, const QString& title) {
  const double width = b.PrintableWidthMm();
  TBandBuilder page = b.PageHeader(8).PrintOnFirstPage(false);
  TReportLabel* label = page.Label(title)
                            .Font(TimesNewRoman(12, fsBold))
                            .AutoSize(false)
                            .Center()
                            .At(0, 0.5, width, 5.5);
  page.Rule(6.5, TLineStyle::Solid, 0.75, 0, width);
  return label;
}

void AddLogPageFooter(TLayoutBuilder& b, const TJailLogLayoutContext& ctx) {
  TBandBuilder footer = b.PageFooter(8);
  AddStandardPageFooter(footer, ctx.UserName);
}

double AddLogLine(TBandBuilder& band, TReportPipeline* rows, const TLogLine& line, double yMm) {
  double x = 0;
  for (TLogItem item : line) {
    if (item == TLogItem::liPriority) {
      band.CheckBox(QStringLiteral("PRIORITY"), rows).At(x, yMm + 0.3, 3.2, 3.2);
      band.Label(QStringLiteral("Priority"))
          .Font(LogCaptionFont())
          .AutoSize(false)
          .At(x + 4, yMm, 12, kLineMm);
      x += 16 + kGapMm;
      continue;
    }
    const TItemLayout& settings = ItemLayout(item);
    band.Label(QString::fromLatin1(settings.Caption))
        .Font(LogCaptionFont())
        .AutoSize(false)
        .At(x, yMm, settings.CaptionMm, kLineMm);
    x += settings.CaptionMm;
    for (const TFieldLayout& field : settings.Fields) {
      if (!field.Field) continue;
      TItem<TReportDBText> text = band.DBText(QString::fromLatin1(field.Field), rows)
                                      .Font(LogValueFont())
                                      .AutoSize(false)
                                      .At(x, yMm, field.WidthMm, kLineMm);
      if (field.Format) text.Format(QString::fromLatin1(field.Format));
      x += field.WidthMm + 1;
    }
    x += kGapMm;
  }
  return kLineMm;
}

QString EntryText(const TReportPipeline& rows, const QString& stored, TEmptyEntry empty) {
  const bool null = rows.IsFieldNull(QStringLiteral("LOGENTRY"));
  switch (empty) {
    case TEmptyEntry::eeNoLogEntry:
      return null ? QStringLiteral("No Log Entry available.") : stored;
    case TEmptyEntry::eeNoEntry:
      return null ? QStringLiteral("No entry is available.") : stored;
    case TEmptyEntry::eeNoComments:
      break;
  }
  // Rich text that holds nothing to read is an empty entry too.
  if (null || TRtfReader::ToPlainText(stored.toUtf8()).trimmed().isEmpty())
    return QStringLiteral("No Comments");
  return stored;
}

void AddEntryLines(TBandBuilder& band, TReportPipeline* rows, const std::vector<TLogLine>& lines,
                   TEmptyEntry empty) {
  const double width = band.Band()->Report()->PrintableWidthUm() / 1000.0;
  double y = 0.5;
  for (const TLogLine& line : lines) y += AddLogLine(band, rows, line, y);
  band.Label(QStringLiteral("Entry:")).Font(LogCaptionFont()).AutoSize(false).At(0, y, 11, kLineMm);
  band.RichText(QStringLiteral("LOGENTRY"), rows)
      .Font(LogValueFont())
      .At(12, y, width - 12, kLineMm)
      .OnGetText([rows, empty](QString& text) { text = EntryText(*rows, text, empty); });
  band.Height(y + kLineMm + 0.5);
}

TActiveMark AddActiveMark(TBandBuilder& band, TReportPipeline* bookings, double xMm, double yMm) {
  TActiveMark mark;
  mark.Box = band.CheckBox(QStringLiteral("NAMERELEAS"), bookings).At(xMm, yMm + 0.3, 3.2, 3.2);
  // Ticked for a booking not released; an unknown flag counts as in custody.
  mark.Box->OnGetChecked = [](bool& released) { released = !released; };
  mark.Caption = band.Label(QStringLiteral("Active"))
                     .Font(LogCaptionFont())
                     .AutoSize(false)
                     .At(xMm + 4, yMm, 12, kLineMm);
  return mark;
}

TLinkedInmates AddLinkedInmates(TBandBuilder& band, const TJailLogLayoutContext& ctx,
                                const QString& linksName, const QString& inmatesName, double xMm,
                                double yMm, double widthMm) {
  TLinkedInmates pair;
  pair.Links = band.SubReport(ctx.Refs).Name(linksName).At(xMm, yMm, widthMm, 0.5);
  TLayoutBuilder links(pair.Links->Child());
  TBandBuilder linkRow = links.Detail(0.5);
  pair.Inmates = linkRow.SubReport(ctx.Bookings).Name(inmatesName).At(0, 0, widthMm, 0.5);

  TLayoutBuilder inmates(pair.Inmates->Child());
  TBandBuilder row = inmates.Detail(kLineMm + 0.5);
  row.Label(QStringLiteral("Booking No/Inmate Name:"))
      .Font(LogCaptionFont())
      .AutoSize(false)
      .At(0, 0.25, 38, kLineMm);
  row.DBText(QStringLiteral("BOOKNO"), ctx.Bookings)
      .Font(LogValueFont())
      .AutoSize(false)
      .At(39, 0.25, 24, kLineMm);
  TReportPipeline* bookings = ctx.Bookings;
  row.Label(QString())
      .Font(LogValueFont())
      .AutoSize(false)
      .At(64, 0.25, std::max(20.0, widthMm - 64 - 18), kLineMm)
      .OnGetText([bookings](QString& text) { text = ReportRowTexts::InmateName(*bookings); });
  AddActiveMark(row, ctx.Bookings, widthMm - 17, 0.25);
  return pair;
}
