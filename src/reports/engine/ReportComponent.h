#pragma once

#include "reports/engine/ReportDocument.h"

#include <QDateTime>
#include <QRect>
#include <QString>

#include <vector>

class TReport;
class TReportBand;
class TReportPipeline;

// What the generator knows while it runs; handlers read it through TReport.
struct TGenerationState {
  int Pass = 0;            // 1 counts pages, 2 (or 1 when single-pass) prints them
  bool FinalPass = false;  // draw commands are being kept
  int AbsolutePageNo = 0;
  int PageNo = 0;     // restarts where a group resets page numbers
  int PageCount = 0;  // pages of the current page set (known from the first pass)
  int TotalPages = 0;
  QDateTime PrintDateTime;
  int RowSaveNo = 0;
};

class TReport;

// The generator's side of a sub-report: runs a child layout over its
// pipeline's rows and stacks the printed bands.
class ISubReportRunner {
 public:
  virtual ~ISubReportRunner() = default;
  // Commands are relative to the child's top-left corner. Returns the height.
  virtual int RunChild(TReport& child, bool emitCommands, std::vector<TDrawCommand>& out,
                       std::vector<int>& breaks) = 0;
};

// Passed to components while a band prints.
struct TRenderContext {
  bool Emit = false;  // build draw commands (false while pages are counted or measured)
  std::vector<TDrawCommand>* Out = nullptr;
  TSaveInfo SaveBase;  // report, band and row save numbers of this band instance
  ISubReportRunner* Runner = nullptr;
};

// Anything placed on a band. Geometry in micrometres, relative to the band.
class TReportComponent {
 public:
  explicit TReportComponent(QString name = {}) : Name(std::move(name)) {}
  virtual ~TReportComponent() = default;
  TReportComponent(const TReportComponent&) = delete;
  TReportComponent& operator=(const TReportComponent&) = delete;

  QString Name;
  QRect Box;
  bool Visible = true;
  // Text-file saving: the band must be saved too.
  bool Save = false;
  int SaveOrder = -1;  // -1: the component's position in its band
  int SaveLength = 0;

  TReportBand* Band() const { return FBand; }
  TReport* Report() const;

  // Components whose height depends on the record (memos, rich text,
  // sub-reports, wrapped text) stretch their band; those placed below them
  // move down by the same amount.
  virtual bool Stretches() const { return false; }
  // The height a stretching component needs at the current record, and the
  // positions (from its top) where a page may break inside it. Called just
  // before Render in the same band instance.
  virtual int Measure(TRenderContext& ctx, std::vector<int>& breaks);
  // `box` is in page coordinates horizontally and band coordinates
  // vertically; for a stretching component its height is what Measure gave.
  virtual void Render(TRenderContext& ctx, const QRect& box) = 0;

 protected:
  TSaveInfo SaveInfo(const TRenderContext& ctx, TSaveAlign align, bool memo = false) const;

 private:
  friend class TReportBand;
  TReportBand* FBand = nullptr;
  int FIndex = 0;
};

// Reads one field of a pipeline, caching the field's position.
class TFieldLink {
 public:
  TReportPipeline* Pipeline = nullptr;
  QString DataField;

  bool IsBound() const { return Pipeline && !DataField.isEmpty(); }
  QVariant Value() const;

 private:
  mutable const TReportPipeline* FCachedPipeline = nullptr;
  mutable int FCachedSerial = -1;
  mutable QString FCachedField;
  mutable int FCachedIndex = -1;
};
