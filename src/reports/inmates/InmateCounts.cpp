#include "reports/inmates/InmateCounts.h"

#include "core/RegionalFormats.h"
#include "data/dmJailAdminReports.h"
#include "reports/framework/DateTimeEntryModel.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/ParameterDialogs.h"
#include "reports/framework/QueryParamBinding.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/framework/ReportRun.h"
#include "reports/inmates/HeadCountLayout.h"
#include "reports/inmates/InmateCountAsOfLayout.h"
#include "reports/inmates/InmateCountLayout.h"
#include "reports/inmates/InmateCountStatements.h"

namespace {

const QString kNoHeadCount = QStringLiteral(
    "There are no historical statistics to report, please try later. If this \r\nproblem "
    "continues, please contact your supervisor.");
const QString kNoInmateCount = QStringLiteral("No records match the selected date and time.");

void LogRun(const QString& table, const QString& note) {
  WriteSessionReportLog({table, note});
}

// Whatever the head count entry asked, its rows are laid out, logged and
// printed the same way.
void PrintHeadCount(TRunQuery& query, const QString& title, const TDateTimeRangeModel* range,
                    const QString& note) {
  query.Open();
  PrintWhenRows(
      *query, [&] { LogRun(QStringLiteral("JBCASE"), note); },
      [&] {
        THeadCountLayout layout(*query, title, range);
        PrintReport(layout.Layout());
      },
      kNoHeadCount);
}

void HCAsofNowClick() {
  RunReportEntry(QStringLiteral("HCAsofNow"), TRunErrorStyle::rsErrorOnMainForm, [] {
    TRunQuery query(ReportSession().qryHeadCount);
    query.Add(InmateCountStatements::HeadCountAsOfNow(SessionFacility()));
    PrintHeadCount(query, QStringLiteral("Head Count Report As of Now"), nullptr,
                   QStringLiteral("Misc Reports, Head Count, AsOfNow Report"));
  });
}

void HCSpecifyDateClick() {
  TDateTimeRangeModel dialog;
  dialog.ShowDateOnly();
  dialog.Caption = QStringLiteral("Select a Date Range");
  if (!ParameterDialogs().ShowDateTimeRange(dialog)) return;
  RunReportEntry(QStringLiteral("HCSpecifyDate"), TRunErrorStyle::rsErrorOnMainForm, [&] {
    TRunQuery query(ReportSession().qryHeadCount);
    query.Add(InmateCountStatements::HeadCountDateRange());
    BindDateTimeParam(*query, QStringLiteral("DATESTART"), StrToDateTime(dialog.xsDateStart));
    BindDateTimeParam(*query, QStringLiteral("DATEEND"), StrToDateTime(dialog.xsDateEnd));
    // The code as held: the comparison ignores trailing blanks.
    query.BindString(QStringLiteral("FACICODE"), ReportSession().xsFacilityID);
    PrintHeadCount(query, QStringLiteral("Head Count Report"), &dialog,
                   QStringLiteral("Misc Reports, Head Count, Specify Date Report"));
  });
}

QString RangeCountTitle(TBookingSet set) {
  switch (set) {
    case TBookingSet::bsActive:
      return QStringLiteral("Active Inmate Count By Booking Date/Time");
    case TBookingSet::bsInactive:
      return QStringLiteral("Inactive Inmate Count By Booking Date/Time");
    case TBookingSet::bsBoth:
      break;
  }
  return QStringLiteral("Active/Inactive Inmate Count By Booking Date/Time");
}

void RangeCountClick(const QString& entryName, TBookingSet set) {
  TDateTimeRangeModel dialog;
  dialog.ShowDateAndTimeOnly();
  dialog.Caption = QStringLiteral("Select a Date/Time Range");
  if (!ParameterDialogs().ShowDateTimeRange(dialog)) return;
  RunReportEntry(entryName, TRunErrorStyle::rsWarning, [&] {
    TRunQuery query(ReportSession().qryGeneric);
    QString start, end;
    if (!dialog.SqlRange(start, end)) return;
    query.Add(InmateCountStatements::RangeCount(set, SessionFacility(), start, end));
    query.Open();
    PrintWhenRows(
        *query,
        [] {
          LogRun(QStringLiteral("JAILBOOK"),
                 QStringLiteral("Inmate Reports, Inmate Count, Specify Range of Date/Time Report"));
        },
        [&] {
          TInmateCountLayout layout(*query, RangeCountTitle(set), dialog);
          PrintReport(layout.Layout());
        },
        kNoInmateCount);
  });
}

QString AsOfCountCaption(TBookingSet set) {
  switch (set) {
    case TBookingSet::bsActive:
      return QStringLiteral("Active Inmate Count As Of ");
    case TBookingSet::bsInactive:
      return QStringLiteral("Inactive Inmate Count As Of ");
    case TBookingSet::bsBoth:
      break;
  }
  return QStringLiteral("Inmate Count As Of ");
}

void AsOfCountClick(const QString& entryName, TBookingSet set) {
  TAsOfDateTimeModel dialog;
  if (!ParameterDialogs().ShowAsOfDateTime(dialog)) return;
  RunReportEntry(entryName, TRunErrorStyle::rsWarning, [&] {
    TRunQuery query(ReportSession().qryGeneric);
    query.Add(InmateCountStatements::AsOfCount(set));
    query.BindString(QStringLiteral("FACICODE"), SessionFacility());
    BindDateTimeParam(*query, QStringLiteral("BOOKDATE"), StrToDateTime(dialog.xsAsOfDate));
    // Times of day are stored on 30 December 1899; compare on that day.
    BindDateTimeParam(*query, QStringLiteral("BOOKTIME"),
                      StrToDateTime(QStringLiteral("12/30/1899 ") + dialog.xsAsOfTime));
    query.Open();
    PrintWhenRows(
        *query,
        [] {
          LogRun(QStringLiteral("JAILBOOK"),
                 QStringLiteral("Inmate Reports, Inmate Count, As of Date/Time Report"));
        },
        [&] {
          TInmateCountAsOfLayout layout(*query, AsOfCountCaption(set) + dialog.xsAsOfDate +
                                                    QLatin1Char(' ') + dialog.xsAsOfTime +
                                                    QLatin1Char(' '));
          PrintReport(layout.Layout());
        },
        kNoInmateCount);
  });
}

struct TCountEntry {
  const char* Handler;
  TBookingSet Set;
  void (*Run)(const QString& entryName, TBookingSet set);
};

}  // namespace

void RegisterInmatesCountsHandlers(TReportCatalogue& catalogue) {
  catalogue.RegisterHandler(QStringLiteral("HCAsofNowClick"),
                            [](const TReportCatalogueEntry&) { HCAsofNowClick(); });
  catalogue.RegisterHandler(QStringLiteral("HCSpecifyDateClick"),
                            [](const TReportCatalogueEntry&) { HCSpecifyDateClick(); });
  // The active, inactive and both entries differ only in the bookings read.
  const TCountEntry entries[] = {
      {"Active4Click", TBookingSet::bsActive, RangeCountClick},
      {"Inactive1Click", TBookingSet::bsInactive, RangeCountClick},
      {"BothActiveInactive1Click", TBookingSet::bsBoth, RangeCountClick},
      {"ActAsOfInmateCountClick", TBookingSet::bsActive, AsOfCountClick},
      {"InactAsOfInmateCountClick", TBookingSet::bsInactive, AsOfCountClick},
      {"AsOfBothInmateCountClick", TBookingSet::bsBoth, AsOfCountClick},
  };
  for (const TCountEntry& entry : entries) {
    const QString name = QString::fromLatin1(entry.Handler);
    catalogue.RegisterHandler(
        name, [name, entry](const TReportCatalogueEntry&) { entry.Run(name, entry.Set); });
  }
}
