#pragma once

#include "reports/engine/ReportBand.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class TReportPipeline;

// A group breaks whenever its break field changes from one record to the
// next; its header prints before the first record of each value and its
// footer after the last.
class TReportGroup {
 public:
  explicit TReportGroup(TReport* report)
      : FHeader(TBandType::GroupHeader, report), FFooter(TBandType::GroupFooter, report) {}
  TReportGroup(const TReportGroup&) = delete;
  TReportGroup& operator=(const TReportGroup&) = delete;

  QString BreakName;  // field of Pipeline (the report's pipeline when null)
  TReportPipeline* Pipeline = nullptr;
  std::function<QVariant()> OnGetBreakValue;  // instead of a field, when set
  // The whole group moves to the next page when it does not fit in the
  // space left and would fit on an empty page.
  bool KeepTogether = false;
  bool NewPage = false;      // each value after the first starts a new page
  bool ResetPageNo = false;  // ... and page numbering restarts (implies NewPage)

  TReportBand* Header() { return &FHeader; }
  TReportBand* Footer() { return &FFooter; }

 private:
  TReportBand FHeader;
  TReportBand FFooter;
};
