#include "reports/framework/ReportRun.h"

#include "core/UserPrompts.h"
#include "data/KsDataSet.h"
#include "data/dmJailAdminReports.h"
#include "data/utJailDateTimeLib.h"
#include "reports/engine/ReportGenerator.h"
#include "reports/framework/QueryParamBinding.h"
#include "reports/framework/ReportOutput.h"

namespace {

const QString kMainForm = QStringLiteral("TfrmJBReportsMain.");

void ReportFailure(const QString& entryName, TRunErrorStyle style, const QString& message) {
  switch (style) {
    case TRunErrorStyle::rsWarning:
      UserPrompts().ShowWarning(message);
      break;
    case TRunErrorStyle::rsErrorOnMainForm:
      UserPrompts().ShowError(message + QStringLiteral(" on ") + kMainForm + entryName);
      break;
    case TRunErrorStyle::rsLoggedWarning:
      LogHandlerError(QStringLiteral("N/A"),
                      message + QStringLiteral(" / procedure : ") + kMainForm + entryName, 0);
      UserPrompts().ShowWarning(message + QStringLiteral(" / procedure: ") + kMainForm + entryName);
      break;
    case TRunErrorStyle::rsPropagate:
      break;
  }
}

}  // namespace

TdtmJailAdminReports& ReportSession() {
  if (!dtmJailAdminReports)
    throw EReportRunError(QStringLiteral("The session module is not created."));
  return *dtmJailAdminReports;
}

QString SessionFacility() {
  return ReportSession().xsFacilityID.trimmed();
}

void RunReportEntry(const QString& entryName, TRunErrorStyle style,
                    const std::function<void()>& body, const std::function<void()>& onFailure) {
  if (style == TRunErrorStyle::rsPropagate) {
    THourglass hourglass;
    body();
    return;
  }
  try {
    THourglass hourglass;
    body();
  } catch (const std::exception& e) {
    if (onFailure) onFailure();
    ReportFailure(entryName, style, ExceptionMessage(e));
  }
}

TRunQuery::TRunQuery(TKsCustomDataSet& query) : FQuery(query) {
  ResetScratchQuery(FQuery);
}

TRunQuery::~TRunQuery() {
  try {
    FQuery.Close();
    FQuery.UnPrepare();
  } catch (...) {
    // Closing a fetched result cannot fail in a way the user could act on.
  }
}

TRunQuery& TRunQuery::Add(const QString& line) {
  FQuery.SQL().Add(line);
  return *this;
}

TRunQuery& TRunQuery::BindString(const QString& name, const QString& value) {
  BindStringParam(FQuery, name, value);
  return *this;
}

bool TRunQuery::Open() {
  FQuery.Prepare();
  FQuery.Open();
  return !FQuery.IsEmpty();
}

void WriteSessionReportLog(const TReportLogRow& row) {
  ReportSession().WriteJailReportsTransLog(row.Key1, row.Key2, etPrint, row.Table, row.Note,
                                           row.Key3);
}

bool PrintWhenRows(const TKsCustomDataSet& rows, const std::function<void()>& writeLog,
                   const std::function<void()>& print, const QString& noDataMessage) {
  if (rows.IsEmpty()) {
    if (!noDataMessage.isEmpty()) UserPrompts().ShowInformation(noDataMessage);
    return false;
  }
  if (writeLog) writeLog();
  print();
  return true;
}

void PrintReport(TReport& layout) {
  std::shared_ptr<TReportDocument> document;
  {
    THourglass hourglass;
    document = TReportGenerator(layout).Generate();
  }
  if (document) ReportOutput().Deliver(*document);
}
