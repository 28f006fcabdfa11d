#pragma once

#include <QString>

#include <functional>

class TAgencyBlock;
class TReport;
class TReportPipeline;

// What the picture rosters ask of their module while pages are generated.
struct TInmDateRangeContext {
  std::function<QString()> UserName;
  // "From:" and "To:": the range's date and time.
  std::function<QString()> RangeFrom;
  std::function<QString()> RangeTo;
  // "Total Inmates:" of the inactive roster: its number of rows.
  std::function<QString()> RowCount;
};

// Lays out rptInmDateRange: a block per inmate with the photograph and a
// bar code of the booking number, each facility on pages of its own, its
// inmate count read from `counts` (linked to `rows` on FaciCode).
void BuildInmDateRangeLayout(TReport& layout, TReportPipeline& rows, TReportPipeline& counts,
                             TAgencyBlock& agency, TInmDateRangeContext context);
// Lays out rptInacitveInmDateRange: the same blocks grouped by booking date,
// the agency block on the first page only.
void BuildInactiveInmDateRangeLayout(TReport& layout, TReportPipeline& rows, TAgencyBlock& agency,
                                     TInmDateRangeContext context);
