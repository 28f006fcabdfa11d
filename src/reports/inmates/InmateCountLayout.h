#pragma once

#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/DataSetSource.h"

#include <QString>

class TDateTimeRangeModel;
class TReportLabel;
class TReportVariable;

// rptInmateCount over the booking rows of qryGeneric: one grid line per
// booking date with the bookings of the date by sex, the run's totals in the
// column footer and, from the first pass, in the title band. Built per run.
class TInmateCountLayout {
 public:
  // `range` is the date/time-range dialog, read when pages are made.
  TInmateCountLayout(TKsCustomDataSet& rows, const QString& title,
                     const TDateTimeRangeModel& range);
  TInmateCountLayout(const TInmateCountLayout&) = delete;
  TInmateCountLayout& operator=(const TInmateCountLayout&) = delete;

  TReport& Layout() { return rptInmateCount; }

 private:
  void BuildTitle(const QString& title, int rowCount);
  void BuildTallies();
  void BuildGrid();
  // A tally of the rows whose sex `counts` accepts.
  TReportVariable* Tally(const QString& name, bool (*counts)(const QString& sex), bool perDate);

  const TDateTimeRangeModel& FRange;
  TDataSetSource dtsqryGeneric;
  TReportPipeline ppJailBook2;
  TAgencyBlock FAgency;
  TReport rptInmateCount{QStringLiteral("rptInmateCount")};
  TReportGroup* FDateGroup = nullptr;

  TReportVariable* FDateCount = nullptr;
  TReportVariable* FRunCount = nullptr;
  TReportVariable* ppvarMaleCount = nullptr;
  TReportVariable* ppvarFemaleCount = nullptr;
  TReportVariable* ppvarUnknownCount = nullptr;
  TReportVariable* ppVarMaleCountTOtal = nullptr;
  TReportVariable* ppVarFemaleCountTotal = nullptr;
  TReportVariable* ppvarUnknownCountTotal = nullptr;
  TReportLabel* pplblTitleMale = nullptr;
  TReportLabel* pplblTitleFemale = nullptr;
  TReportLabel* pplblTitleUnknown = nullptr;
};
