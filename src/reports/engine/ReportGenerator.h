#pragma once

#include "reports/engine/ReportDocument.h"

#include <QDateTime>

#include <atomic>
#include <functional>
#include <memory>

class TReport;

struct TGenerationProgress {
  int Pass = 1;
  int PassCount = 1;
  int PagesDone = 0;  // pages finished in this pass
};

struct TGenerationOptions {
  // Called after each finished page; may call TReportGenerator::Cancel.
  std::function<void(const TGenerationProgress&)> OnProgress;
  QDateTime PrintDateTime;  // invalid: the time generation starts
};

// Turns a layout and its pipelines' rows into pages. With TwoPass the first
// pass only counts pages, so "Page N of M" is right on the first page.
class TReportGenerator {
 public:
  explicit TReportGenerator(TReport& report, TGenerationOptions options = {});

  // The document, or null when generation was cancelled. Exceptions thrown
  // by layout handlers pass through.
  std::shared_ptr<TReportDocument> Generate();
  // Stops a running generation at the next page or group of records.
  void Cancel() { FCancel = true; }
  bool WasCancelled() const { return FCancel; }

 private:
  TReport& FReport;
  TGenerationOptions FOptions;
  std::atomic<bool> FCancel{false};
};
