#pragma once

#include <QString>

#include <functional>

class TAgencyBlock;
class TReport;
class TReportPipeline;

// What the roster with cases and charges asks of its module while pages
// are generated.
struct TInmateLongContext {
  std::function<QString()> UserName;
  // The word after "Bond By " on the LEO bond check box.
  std::function<QString()> BondByLabel;
  // Whether the user may see the details and charges of sealed cases.
  std::function<bool()> ShowsSealedCases;
};

// Lays out rptInmateLong (or, inactive, rptInactiveInmateLong): one booking
// block per inmate with its cases and their charges, the facilities on
// pages of their own. `rows` walks the booking/case/charge rows; `counts`
// holds the inmate count per facility and is linked to `rows` here.
void BuildInmateLongLayout(TReport& layout, TReportPipeline& rows, TReportPipeline& counts,
                           TAgencyBlock& agency, bool inactive, TInmateLongContext context);
