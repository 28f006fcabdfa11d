#pragma once

#include "reports/engine/Report.h"
#include "reports/operations/JailLogLayoutParts.h"
#include "reports/operations/JailLogStatements.h"

#include <QString>

class TReportLabel;
class TReportSubReport;

// One layout of the jail log holder with the items its handlers set.
struct TJailLogLayout {
  explicit TJailLogLayout(const QString& name) : Report(name) {}

  TReport Report;
  TReportLabel* Title = nullptr;   // title band
  TReportLabel* Header = nullptr;  // page header, from the second page on
  // The linked-inmate sub-reports: links of the entry, and their bookings.
  TReportSubReport* Links = nullptr;
  TReportSubReport* Inmates = nullptr;

  void SetTitle(const QString& title);
  void ShowLinkedInmates(bool show);
};

// Component names of the items a handler sets on an entry layout.
struct TEntryLayoutNames {
  const char* Title;
  const char* Header;
  const char* Links;
  const char* Inmates;
};

// The layouts over the log entries (dbpJailLog), grouped by dorm and by the
// order given. The log-number layouts show the linked inmates beside each
// entry's number; the others after each entry, once the handler shows them.
void BuildEntryLayout(TJailLogLayout& layout, const TJailLogLayoutContext& ctx,
                      JailLogStatements::TLogOrder order, bool dorm, const QString& title,
                      const TEntryLayoutNames& names);

// rptByBookNo: one group per linked booking (ppJailLogRef), the booking's
// entries below it. `facility` receives the facility label.
void BuildBookingLayout(TJailLogLayout& layout, const TJailLogLayoutContext& ctx,
                        TReportLabel** facility);

// rptJLDormDateByBookNo: bookings joined to their entries (dbpGeneric).
void BuildDormBookingLayout(TJailLogLayout& layout, const TJailLogLayoutContext& ctx);
