#pragma once

#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/DataSetSource.h"

#include <QString>

// rptInmateCountAsofDate over the booking rows of qryGeneric: the bookings
// made by a moment, one line each, grouped by sex with a count per group.
// Built per run.
class TInmateCountAsOfLayout {
 public:
  // `caption` is pplblAsofCount's text, the layout's title.
  TInmateCountAsOfLayout(TKsCustomDataSet& rows, const QString& caption);
  TInmateCountAsOfLayout(const TInmateCountAsOfLayout&) = delete;
  TInmateCountAsOfLayout& operator=(const TInmateCountAsOfLayout&) = delete;

  TReport& Layout() { return rptInmateCountAsofDate; }

 private:
  TDataSetSource dtsqryGeneric;
  TReportPipeline ppJailBook2;
  TAgencyBlock FAgency;
  TReport rptInmateCountAsofDate{QStringLiteral("rptInmateCountAsofDate")};
};
