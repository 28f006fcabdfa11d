#pragma once

#include "reports/engine/ReportPipeline.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/DataSetSource.h"
#include "reports/operations/JailLogLayouts.h"

#include <QString>

class TDateTimeRangeModel;
class TReportLabel;

// The holder of the jail log layouts: its pipelines over the session's
// scratch queries, its agency block and its ten layouts. One is made for
// each run and freed with it, so nothing a run set (titles, shown
// sub-reports, master links) carries over to the next.
class TfrmJailLogReports2 {
 public:
  // The layouts read the window and dorm range from `range` while pages are
  // made; it must outlive the holder.
  TfrmJailLogReports2(const TDateTimeRangeModel& range, const QString& userName);
  TfrmJailLogReports2(const TfrmJailLogReports2&) = delete;
  TfrmJailLogReports2& operator=(const TfrmJailLogReports2&) = delete;

  // The log entries in qryGeneric; for the linked inmates, their links in
  // qryGeneric2 and the bookings in qryGeneric3, each following the row
  // above it.
  void UseEntryQueries();
  // The links in qryGeneric lead; the bookings in qryGeneric2 and the log
  // entries in qryGeneric3 follow each link.
  void UseBookingQueries();

  // The entry layout of an order, with or without the dorm range.
  TJailLogLayout& EntryLayout(JailLogStatements::TLogOrder order, bool dorm);

  TDataSetSource dtsqryGeneric;
  TDataSetSource dtsqryGeneric2;
  TDataSetSource dtsQryGeneric3;
  TReportPipeline dbpJailLog{QStringLiteral("dbpJailLog")};
  TReportPipeline ppJailLogRef{QStringLiteral("ppJailLogRef")};
  TReportPipeline dbpJailBook{QStringLiteral("dbpJailBook")};
  TReportPipeline dbpGeneric{QStringLiteral("dbpGeneric")};

  TJailLogLayout rptJailLogDate{QStringLiteral("rptJailLogDate")};
  TJailLogLayout rptJailLogCode{QStringLiteral("rptJailLogCode")};
  TJailLogLayout rptByOfficer{QStringLiteral("rptByOfficer")};
  TJailLogLayout rptByLogNo{QStringLiteral("rptByLogNo")};
  TJailLogLayout rptByBookNo{QStringLiteral("rptByBookNo")};
  TJailLogLayout rptJLDormDateByDate{QStringLiteral("rptJLDormDateByDate")};
  TJailLogLayout rptJLDormDateByLogCode{QStringLiteral("rptJLDormDateByLogCode")};
  TJailLogLayout rptJLDormDateByOfficer{QStringLiteral("rptJLDormDateByOfficer")};
  TJailLogLayout rptJLDormDateByLogNo{QStringLiteral("rptJLDormDateByLogNo")};
  TJailLogLayout rptJLDormDateByBookNo{QStringLiteral("rptJLDormDateByBookNo")};

  // The facility line of rptByBookNo.
  TReportLabel* pplblFacility = nullptr;

 private:
  TAgencyBlock FAgency;
};
