#pragma once

#include "data/KsMSAccess.h"
#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/DataSetSource.h"

#include <QString>

class TDateTimeRangeModel;
class TReportLabel;
class TReportVariable;

// rptHeadCount over the rows of qryHeadCount: inmates grouped adults/
// juveniles, then by governing case status, then by sex, with a count at
// every group end and the running total in the page footer. One is built per
// run, so no counter outlives the run that counted it.
class THeadCountLayout {
 public:
  // `range` is the date-range dialog, read when pages are made; without one
  // the title band's From/To items are hidden.
  THeadCountLayout(TKsCustomDataSet& rows, const QString& title,
                   const TDateTimeRangeModel* range = nullptr);
  THeadCountLayout(const THeadCountLayout&) = delete;
  THeadCountLayout& operator=(const THeadCountLayout&) = delete;

  TReport& Layout() { return rptHeadCount; }

 private:
  void BuildTitle(const QString& title);
  void BuildGroups();
  void BuildDetail();
  void BuildPageFooter();
  // The third line of a row: where the inmate's active tracking row puts
  // them, or the bare caption.
  QString LocationText();

  const TDateTimeRangeModel* FRange;
  TDataSetSource dsHeadCount;
  TReportPipeline ppHeadCount;
  TAgencyBlock FAgency;
  TKsMSQuery qryInmateTracking_Select{QStringLiteral("qryInmateTracking_Select")};
  TReport rptHeadCount{QStringLiteral("rptHeadCount")};

  TReportVariable* varHDAgeCount = nullptr;
  TReportVariable* varHDStatusCount = nullptr;
  TReportVariable* varHDSexCount = nullptr;
  TReportVariable* varHDTotalInmates = nullptr;
  TReportLabel* lblLocation = nullptr;
};
