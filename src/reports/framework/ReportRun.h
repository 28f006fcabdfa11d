#pragma once

#include "core/Exception.h"

#include <QString>

#include <functional>

class TKsCustomDataSet;
class TReport;
class TdtmJailAdminReports;

// The sequence every catalogue entry follows, written once: ask, build the
// statement, open it, and with rows write the log row and print; without
// rows say so. The entries state only what is particular to them.

// The session module every run reads (user, facility, scratch queries);
// an EReportRunError when start-up has not created it.
TdtmJailAdminReports& ReportSession();
// The session's facility code, trimmed as the statements use it.
QString SessionFacility();

class EReportRunError : public Exception {
 public:
  using Exception::Exception;
};

// How an entry tells the user about an exception its run let through.
enum class TRunErrorStyle {
  // The message alone, warning icon (most report-form entries).
  rsWarning,
  // The message + " on TfrmJBReportsMain." + the entry's short name, error
  // icon (the head-count entries and their kin).
  rsErrorOnMainForm,
  // Logged with LogHandlerError (key "N/A") as the message +
  // " / procedure : TfrmJBReportsMain." + the entry's name, then shown as the
  // message + " / procedure: TfrmJBReportsMain." + the name, warning icon
  // (report-data-module entries).
  rsLoggedWarning,
  // Not caught here: it reaches the handler guard after the clean-up.
  rsPropagate,
};

// Runs an entry's body under the hourglass with the failure handling of its
// style. `onFailure` runs after a caught exception, before the message, to
// drop what the failed run may have left half-built.
void RunReportEntry(const QString& entryName, TRunErrorStyle style,
                    const std::function<void()>& body, const std::function<void()>& onFailure = {});

// A query readied for one run and left closed and unprepared after it,
// however the run ends: on construction it is closed and stripped of the
// last user's SQL and parameters.
class TRunQuery {
 public:
  explicit TRunQuery(TKsCustomDataSet& query);
  ~TRunQuery();
  TRunQuery(const TRunQuery&) = delete;
  TRunQuery& operator=(const TRunQuery&) = delete;

  TKsCustomDataSet& operator*() const { return FQuery; }
  TKsCustomDataSet* operator->() const { return &FQuery; }

  // Appends one line of SQL text.
  TRunQuery& Add(const QString& line);
  // Creates the string input parameter and sets its value.
  TRunQuery& BindString(const QString& name, const QString& value);
  // Prepares and opens; whether it returned a row.
  bool Open();

 private:
  TKsCustomDataSet& FQuery;
};

// The transaction-log row of a printed report: event etPrint, empty keys
// unless an entry passes its own.
struct TReportLogRow {
  QString Table{};
  QString Note{};
  QString Key1{};
  QString Key2{};
  QString Key3{};
};

// Writes the row with the session module's WriteJailReportsTransLog.
void WriteSessionReportLog(const TReportLogRow& row);

// With rows in `rows`: writes the log row (before the preview opens, so a
// preview closed without printing is still logged) and prints. Without
// rows: shows `noDataMessage` (information icon) when it is not empty.
// Returns whether it printed.
bool PrintWhenRows(const TKsCustomDataSet& rows, const std::function<void()>& writeLog,
                   const std::function<void()>& print, const QString& noDataMessage);

// Generates the layout's pages and hands them to the report output (the
// preview in the window); returns when that is done.
void PrintReport(TReport& layout);
