#include "reports/operations/fmJailLogReports2.h"

#include "data/dmJailAdminReports.h"
#include "reports/framework/ReportRun.h"

using JailLogStatements::TLogOrder;

TfrmJailLogReports2::TfrmJailLogReports2(const TDateTimeRangeModel& range, const QString& userName)
    : dtsqryGeneric(ReportSession().qryGeneric),
      dtsqryGeneric2(ReportSession().qryGeneric2),
      dtsQryGeneric3(ReportSession().qryGeneric3),
      dbpGeneric(QStringLiteral("dbpGeneric"), &dtsqryGeneric) {
  TJailLogLayoutContext ctx;
  ctx.Log = &dbpJailLog;
  ctx.Refs = &ppJailLogRef;
  ctx.Bookings = &dbpJailBook;
  ctx.Generic = &dbpGeneric;
  ctx.Agency = &FAgency;
  ctx.Range = &range;
  ctx.UserName = userName;

  const QString byDate = QStringLiteral("Jail Log Report By Date/Time");
  const QString byCode = QStringLiteral("Jail Log Report By Log Code");
  const QString byOfficer = QStringLiteral("Jail Log Report By Officer");
  const QString byLogNo = QStringLiteral("Jail Log Report By Inmate VereRir No");
  BuildEntryLayout(rptJailLogDate, ctx, TLogOrder::loDateTime, false, byDate,
                   {"lblReportTitle", "lblReportHeader", "ppSubReport1", "ppSubReport2"});
  BuildEntryLayout(rptJailLogCode, ctx, TLogOrder::loLogCode, false, byCode,
                   {"lblReportTitle1", "lblReportHeader1", "ppSubReport3", "ppSubReport4"});
  BuildEntryLayout(rptByOfficer, ctx, TLogOrder::loOfficer, false, byOfficer,
                   {"lblReportTitle2", "lblReportHeader2", "ppSubReport5", "ppSubReport6"});
  BuildEntryLayout(rptByLogNo, ctx, TLogOrder::loLogNo, false, byLogNo,
                   {"lblTitle", "lblHeader", "ppSubReport7", "ppSubReport8"});
  BuildBookingLayout(rptByBookNo, ctx, &pplblFacility);
  BuildEntryLayout(rptJLDormDateByDate, ctx, TLogOrder::loDateTime, true, byDate,
                   {"lblReportTitle3", "lblReportHeader3", "ppSubReport11", "ppSubReport12"});
  BuildEntryLayout(rptJLDormDateByLogCode, ctx, TLogOrder::loLogCode, true, byCode,
                   {"lblReportTitle4", "lblReportHeader4", "ppSubReport9", "ppSubReport14"});
  BuildEntryLayout(rptJLDormDateByOfficer, ctx, TLogOrder::loOfficer, true, byOfficer,
                   {"lblReportTitle5", "lblReportHeader5", "ppSubReport15", "ppSubReport16"});
  BuildEntryLayout(rptJLDormDateByLogNo, ctx, TLogOrder::loLogNo, true, byLogNo,
                   {"lblTitle", "lblHeader", "ppSubReport10", "ppSubReport13"});
  BuildDormBookingLayout(rptJLDormDateByBookNo, ctx);
}

void TfrmJailLogReports2::UseEntryQueries() {
  dbpJailLog.SetDataSource(&dtsqryGeneric);
  ppJailLogRef.SetDataSource(&dtsqryGeneric2);
  dbpJailBook.SetDataSource(&dtsQryGeneric3);
  dbpJailLog.SetMaster(nullptr, {});
  ppJailLogRef.SetMaster(&dbpJailLog, {{QStringLiteral("JAILOGNO"), QStringLiteral("JAILLOGNO")}});
  dbpJailBook.SetMaster(&ppJailLogRef, {{QStringLiteral("BOOKNO"), QStringLiteral("BOOKNO")}});
}

void TfrmJailLogReports2::UseBookingQueries() {
  ppJailLogRef.SetDataSource(&dtsqryGeneric);
  dbpJailBook.SetDataSource(&dtsqryGeneric2);
  dbpJailLog.SetDataSource(&dtsQryGeneric3);
  ppJailLogRef.SetMaster(nullptr, {});
  dbpJailBook.SetMaster(&ppJailLogRef, {{QStringLiteral("BOOKNO"), QStringLiteral("BOOKNO")}});
  dbpJailLog.SetMaster(&ppJailLogRef, {{QStringLiteral("JAILLOGNO"), QStringLiteral("JAILOGNO")}});
}

TJailLogLayout& TfrmJailLogReports2::EntryLayout(TLogOrder order, bool dorm) {
  switch (order) {
    case TLogOrder::loLogCode:
      return dorm ? rptJLDormDateByLogCode : rptJailLogCode;
    case TLogOrder::loOfficer:
      return dorm ? rptJLDormDateByOfficer : rptByOfficer;
    case TLogOrder::loLogNo:
      return dorm ? rptJLDormDateByLogNo : rptByLogNo;
    case TLogOrder::loDateTime:
      break;
  }
  return dorm ? rptJLDormDateByDate : rptJailLogDate;
}
