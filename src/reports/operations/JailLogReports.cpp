#include "reports/operations/JailLogReports.h"

#include "core/RegionalFormats.h"
#include "core/UserPrompts.h"
#include "data/dmJailAdminReports.h"
#include "data/utJailDateTimeLib.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/DialogListProvider.h"
#include "reports/framework/ParameterDialogs.h"
#include "reports/framework/QueryParamBinding.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/framework/ReportRun.h"
#include "reports/operations/JailLogStatements.h"
#include "reports/operations/fmJailLogReports2.h"

using namespace JailLogStatements;

namespace {

const QString kShowInmates = QStringLiteral("Do you want to show the inmates on this report?");
const QString kNoEntriesInRange =
    QStringLiteral("No log entries were found within the specified date/time range.");
const QString kNoLinkedInmates = QStringLiteral("No inmates with jail log numbers were found.");
const QString kNoLogNumbers = QStringLiteral("No jail log numbers were found.");
const QString kNoEntries = QStringLiteral("No log entries were found.");

struct TJailLogEntry {
  const char* Handler;
  TLogOrder Order;
  bool ByBooking;  // bookings lead, their entries follow
  bool Dorm;
  bool Supervisor;
  const char* Note;
};

// The log-number and booking-number entries always show the linked inmates;
// the others ask.
bool AsksForInmates(const TJailLogEntry& entry) {
  return !entry.ByBooking && entry.Order != TLogOrder::loLogNo;
}

QString EntryTitle(const TJailLogEntry& entry, bool linked) {
  QString title;
  switch (entry.Order) {
    case TLogOrder::loLogCode:
      title = QStringLiteral("Jail Log Report By Log Code");
      break;
    case TLogOrder::loOfficer:
      title = QStringLiteral("Jail Log Report By Officer");
      break;
    case TLogOrder::loLogNo:
      return QStringLiteral("Jail Log Report By Inmate VereRir No");
    case TLogOrder::loDateTime:
      title = QStringLiteral("Jail Log Report By Date/Time");
      break;
  }
  if (linked) title += QStringLiteral(" With Linked Inmates");
  return entry.Supervisor ? QStringLiteral("Supervisor ") + title : title;
}

void LogRun(const TJailLogEntry& entry) {
  WriteSessionReportLog({QStringLiteral("JBLOG"), QString::fromLatin1(entry.Note)});
}

// The window, and for the dorm entries the dorms of the facility's log.
bool AskRange(TDateTimeRangeModel& dialog, bool dorm) {
  if (dorm) {
    dialog.ShowDateTimeAndDormOnly();
    dialog.Caption = QStringLiteral("Select a Date/Time and Dorm Range");
    dialog.PopulateLogDormComboBox();
  } else {
    dialog.ShowDateAndTimeOnly();
    dialog.Caption = QStringLiteral("Select a Date/Time Range");
  }
  return ParameterDialogs().ShowDateTimeRange(dialog);
}

void BindParameterWindow(TKsCustomDataSet& query, const TDateTimeRangeModel& dialog) {
  BindDateTimeParam(query, QStringLiteral("DATE"), StrToDateTime(dialog.xsDateStart));
  BindDateTimeParam(query, QStringLiteral("DATE2"), StrToDateTime(dialog.xsDateEnd));
  // Times of day are stored on 30 December 1899; compare on that day.
  BindDateTimeParam(query, QStringLiteral("TIME"),
                    StrToDateTime(QStringLiteral("12/30/1899 ") + dialog.xsTimeStart));
  BindDateTimeParam(query, QStringLiteral("TIME2"),
                    StrToDateTime(QStringLiteral("12/30/1899 ") + dialog.xsTimeEnd));
}

void PrintEntries(const TJailLogEntry& entry, const TDateTimeRangeModel& dialog, bool linked) {
  const TLogSelection selection{entry.Order, entry.Dorm, linked, entry.Supervisor};
  const bool parameterWindow = UsesParameterWindow(selection);
  QString start, end;
  if (!parameterWindow && !dialog.SqlRange(start, end)) return;

  TdtmJailAdminReports& session = ReportSession();
  TRunQuery entries(session.qryGeneric);
  TRunQuery links(session.qryGeneric2);
  TRunQuery inmates(session.qryGeneric3);
  entries.Add(LogEntries(selection, dialog.xsDateStart == dialog.xsDateEnd, start, end));
  entries.BindString(QStringLiteral("FACICODE"), SessionFacility());
  if (entry.Dorm)
    entries.BindString(QStringLiteral("DOORMSCODE"), dialog.xsDormStart.trimmed())
        .BindString(QStringLiteral("DOORMSCODE2"), dialog.xsDormEnd.trimmed());
  if (parameterWindow) BindParameterWindow(*entries, dialog);
  // Without inmates an empty window previews as an empty report.
  const bool found = entries.Open();
  if (linked) {
    if (!found) return UserPrompts().ShowInformation(kNoEntriesInRange);
    // The links are read whole; each printed entry picks its own.
    if (!links.Add(LinkedBookings(!(entry.Dorm && entry.Order == TLogOrder::loLogNo))).Open())
      return UserPrompts().ShowInformation(kNoLinkedInmates);
    inmates.Add(LinkedInmates(entry.Dorm))
        .BindString(QStringLiteral("FACICODE"), SessionFacility());
    inmates.Open();
  }

  TfrmJailLogReports2 frm(dialog, session.xsJBUserName);
  frm.UseEntryQueries();
  TJailLogLayout& layout = frm.EntryLayout(entry.Order, entry.Dorm);
  if (linked) layout.ShowLinkedInmates(true);
  layout.SetTitle(EntryTitle(entry, linked));
  LogRun(entry);
  PrintReport(layout.Report);
}

void PrintBookings(const TJailLogEntry& entry, const TDateTimeRangeModel& dialog) {
  QString start, end;
  if (!dialog.SqlRange(start, end)) return;

  TdtmJailAdminReports& session = ReportSession();
  TRunQuery links(session.qryGeneric);
  TRunQuery bookings(session.qryGeneric2);
  TRunQuery entries(session.qryGeneric3);
  if (!links.Add(WindowLinks(start, end)).Open())
    return UserPrompts().ShowInformation(kNoLinkedInmates);
  if (!bookings.Add(WindowBookings(start, end))
           .BindString(QStringLiteral("FACICODE"), SessionFacility())
           .Open())
    return UserPrompts().ShowInformation(kNoLogNumbers);
  if (!entries.Add(WindowEntries(start, end))
           .BindString(QStringLiteral("FACICODE"), SessionFacility())
           .Open())
    return UserPrompts().ShowInformation(kNoEntries);

  TfrmJailLogReports2 frm(dialog, session.xsJBUserName);
  frm.UseBookingQueries();
  frm.pplblFacility->Caption = session.xsFacilityDesc;
  LogRun(entry);
  PrintReport(frm.rptByBookNo.Report);
}

void PrintDormBookings(const TJailLogEntry& entry, const TDateTimeRangeModel& dialog) {
  TdtmJailAdminReports& session = ReportSession();
  TDormBookingRange range;
  range.Facility = session.xsFacilityID;
  range.DormStart = dialog.xsDormStart;
  range.DormEnd = dialog.xsDormEnd;
  range.DateStart = dialog.xsDateStart;
  range.DateEnd = dialog.xsDateEnd;
  range.TimeStart = dialog.xsTimeStart;
  range.TimeEnd = dialog.xsTimeEnd;
  TRunQuery rows(session.qryGeneric);
  rows.Add(DormBookings(range));
  // The statement carries its values, so it runs as it stands.
  rows->Open();
  if (rows->IsEmpty()) return UserPrompts().ShowInformation(kNoLogNumbers);

  TfrmJailLogReports2 frm(dialog, session.xsJBUserName);
  LogRun(entry);
  PrintReport(frm.rptJLDormDateByBookNo.Report);
}

void RunEntry(const TJailLogEntry& entry) {
  TdtmJailAdminReports& session = ReportSession();
  TDialogListQueries lists(&session.dbJail, session.xsFacilityID);
  TDateTimeRangeModel dialog(&lists, session.xsFacilityDesc);
  if (!AskRange(dialog, entry.Dorm)) return;
  const bool linked =
      AsksForInmates(entry) ? UserPrompts().ConfirmYes(kShowInmates) : !entry.ByBooking;
  RunReportEntry(QString::fromLatin1(entry.Handler), TRunErrorStyle::rsWarning, [&] {
    if (!entry.ByBooking)
      PrintEntries(entry, dialog, linked);
    else if (entry.Dorm)
      PrintDormBookings(entry, dialog);
    else
      PrintBookings(entry, dialog);
  });
}

constexpr TJailLogEntry kEntries[] = {
    {"btnSpecAllClick", TLogOrder::loDateTime, false, false, false,
     "Log Reports, Specify Date/Time, Order By Date/Time"},
    {"SpecifyDateByLogCodeClick", TLogOrder::loLogCode, false, false, false,
     "Log Reports, Specify Date/Time, Order By Log Code"},
    {"SpecifyDateByOfficerClick", TLogOrder::loOfficer, false, false, false,
     "Log Reports, Specify Date/Time, Order By Officer"},
    {"JailLogNo1Click", TLogOrder::loLogNo, false, false, false,
     "Log Reports, Specify Date/Time, Order By Inmate, JailLogNo"},
    {"SpecifyDateByBookNoClick", TLogOrder::loLogNo, true, false, false,
     "Log Reports, Specify Date/Time, Order By Inmate, BookNo"},
    {"DormDateByDateClick", TLogOrder::loDateTime, false, true, false,
     "Log Reports, Specify Dorm and Date/Time, Order By Date/Time"},
    {"DormDateByLogCodeClick", TLogOrder::loLogCode, false, true, false,
     "Log Reports, Specify Dorm and Date/Time, Order By Log Code"},
    {"SpecifyDormDateByOfficerClick", TLogOrder::loOfficer, false, true, false,
     "Log Reports, Specify Dorm and Date/Time, Order By Officer"},
    {"SpecifyDormDateByJailLogNoClick", TLogOrder::loLogNo, false, true, false,
     "Log Reports, Specify Dorm and Date/Time, Order By Inmate, JailLogNo"},
    {"SpecifyDormDateByBookNoClick", TLogOrder::loLogNo, true, true, false,
     "Log Reports, Specify Dorm and Date/Time, Order By Inmate, BookNo"},
    // The supervisor log is the dorm date/time report over supervisor entries.
    {"Sup1Click", TLogOrder::loDateTime, false, true, true,
     "Log Reports, Specify Dorm and Date/Time, Order By Date/Time"},
};

}  // namespace

void RegisterOperationsJailLogHandlers(TReportCatalogue& catalogue) {
  for (const TJailLogEntry& entry : kEntries)
    catalogue.RegisterHandler(QString::fromLatin1(entry.Handler),
                              [&entry](const TReportCatalogueEntry&) { RunEntry(entry); });
}
