#include "reports/engine/ReportGenerator.h"

#include "reports/engine/DrawCommandUtil.h"
#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/engine/ReportVariable.h"

#include <algorithm>
#include <unordered_map>

namespace {

// One printed instance of a band: commands with page x and y from the
// band's top, its height, and where a page may break inside it.
struct TBandOutput {
  bool Printed = false;
  int Height = 0;
  std::vector<TDrawCommand> Commands;
  std::vector<int> Breaks;
};

struct TCancelled {};
struct TMeasureLimitReached {};

// Where printed bands go: the pages, a sub-report's stack, or a tally of
// heights while a group is measured for keep-together.
class TBandSink {
 public:
  virtual ~TBandSink() = default;
  virtual void BeforeBand() {}
  virtual void Place(TBandOutput&& out) = 0;
};

class TStackSink : public TBandSink {
 public:
  TStackSink(std::vector<TDrawCommand>& out, std::vector<int>& breaks)
      : FOut(out), FBreaks(breaks) {}
  void Place(TBandOutput&& out) override {
    if (!out.Printed) return;
    if (FHeight > 0) FBreaks.push_back(FHeight);
    for (int b : out.Breaks) FBreaks.push_back(FHeight + b);
    TranslateCommands(out.Commands, 0, FHeight);
    for (TDrawCommand& c : out.Commands) FOut.push_back(std::move(c));
    FHeight += out.Height;
  }
  int Height() const { return FHeight; }

 private:
  std::vector<TDrawCommand>& FOut;
  std::vector<int>& FBreaks;
  int FHeight = 0;
};

class TMeasureSink : public TBandSink {
 public:
  explicit TMeasureSink(int limit) : FLimit(limit) {}
  void Place(TBandOutput&& out) override {
    if (!out.Printed) return;
    FTotal += out.Height;
    if (FTotal > FLimit) throw TMeasureLimitReached();
  }
  int Total() const { return FTotal; }

 private:
  int FLimit;
  int FTotal = 0;
};

bool SameBreakValue(const QVariant& a, const QVariant& b) {
  const bool an = !a.isValid() || a.isNull();
  const bool bn = !b.isValid() || b.isNull();
  if (an || bn) return an == bn;
  return a == b;
}

}  // namespace

// One generation: both passes over the layout tree.
class TGenerationRun : public ISubReportRunner {
 public:
  TGenerationRun(TReport& report, const TGenerationOptions& options, std::atomic<bool>& cancel)
      : FRoot(report), FOptions(options), FCancel(cancel), FPageSink(*this) {}

  std::shared_ptr<TReportDocument> Run();
  int RunChild(TReport& child, bool emitCommands, std::vector<TDrawCommand>& out,
               std::vector<int>& breaks) override;

 private:
  class TPageSink : public TBandSink {
   public:
    explicit TPageSink(TGenerationRun& run) : FRun(run) {}
    void BeforeBand() override { FRun.EnsurePage(); }
    void Place(TBandOutput&& out) override { FRun.PlaceOnPage(std::move(out)); }

   private:
    TGenerationRun& FRun;
  };

  struct TSnapshot {
    TGenerationState State;
    std::vector<QVariant> Variables;
    std::unordered_map<const TReportGroup*, int> Instances;
    std::vector<int> Positions;
  };

  void Collect(TReport& report);
  void RunPass(int pass, bool final);
  void ProcessRows(TReport& rep, size_t level, const std::vector<int>& rows, size_t b, size_t e,
                   TBandSink& sink, int originX);
  void GroupRun(TReport& rep, size_t level, const std::vector<int>& rows, size_t b, size_t e,
                TBandSink& sink, int originX);
  void Detail(TReport& rep, int row, TBandSink& sink, int originX);
  void PrintBand(TReportBand* band, TBandSink& sink, int originX);
  // Commands go to `target` at page height originY when given (straight
  // onto the page), otherwise to the output's own list from y 0.
  TBandOutput RenderBand(TReportBand* band, int originX,
                         std::vector<TDrawCommand>* target = nullptr, int originY = 0);
  int MeasureGroup(TReport& rep, size_t level, const std::vector<int>& rows, size_t b, size_t e,
                   int originX, int limit);
  QVariant BreakValue(TReport& rep, TReportGroup& group, int row);
  void SetRow(TReport& rep, int row);
  void ResetVariables(TReport& rep, TVariableReset scope, const TReportGroup* group = nullptr);
  TSnapshot TakeSnapshot() const;
  void Restore(const TSnapshot& snapshot);
  void CheckCancel() {
    if (FCancel) throw TCancelled();
  }

  // Pages.
  void EnsurePage();
  void OpenPage();
  void ClosePage(bool last);
  void NewPage(bool newPageSet);
  void PlaceOnPage(TBandOutput&& out);
  void PrintOnPage(TReportBand* band, int originX);
  void Append(std::vector<TDrawCommand>& commands, int y);
  bool AtTop() const { return FY == FBodyTop; }
  int DesignHeight(TBandType type) const;
  int FreshBodyHeight() const;

  TReport& FRoot;
  const TGenerationOptions& FOptions;
  std::atomic<bool>& FCancel;
  TPageSink FPageSink;
  TGenerationState FState;
  int FPassCount = 1;
  bool FEmit = false;
  int FDetailCount = 0;
  size_t FLastPageSize = 64;

  std::vector<TReport*> FReports;  // the layout tree
  std::vector<TReportVariable*> FVariables;
  std::vector<TReportPipeline*> FPipelines;
  std::unordered_map<const TReportGroup*, int> FGroupInstances;

  std::shared_ptr<TReportDocument> FDoc;
  TReportPage FPage;
  bool FPageOpen = false;
  bool FNewSetPending = false;
  int FSetIndex = -1;
  std::vector<int> FSetCounts;       // pages per page set in this pass
  std::vector<int> FFirstSetCounts;  // ... and in the counting pass
  int FFirstTotal = 0;
  std::vector<int> FPageSets;  // page set of each emitted page
  struct TPageOpenState {
    int AbsolutePageNo;
    int PageNo;
    int SetIndex;
    bool NewSetPending;
  } FBeforeOpen{};
  // Variable values before the record being printed (see Detail).
  std::vector<QVariant> FValuesBeforeRecord;
  TReport* FRecordReport = nullptr;
  int FY = 0;
  int FBodyTop = 0;
  int FBodyBottom = 0;
};

void TGenerationRun::Collect(TReport& report) {
  FReports.push_back(&report);
  for (TReportVariable* v : report.Variables()) FVariables.push_back(v);
  auto addPipeline = [this](TReportPipeline* p) {
    if (p && std::find(FPipelines.begin(), FPipelines.end(), p) == FPipelines.end())
      FPipelines.push_back(p);
  };
  addPipeline(report.DataPipeline);
  for (const auto& g : report.Groups()) addPipeline(g->Pipeline);
  for (TReport* child : report.Children()) Collect(*child);
}

std::shared_ptr<TReportDocument> TGenerationRun::Run() {
  Collect(FRoot);
  for (TReport* r : FReports) r->SetState(&FState);
  struct TDetach {
    TReport& Root;
    std::vector<TReportPipeline*>& Pipelines;
    ~TDetach() {
      Root.SetState(nullptr);
      for (TReportPipeline* p : Pipelines) p->ClearPosition();
    }
  } detach{FRoot, FPipelines};

  FState.PrintDateTime =
      FOptions.PrintDateTime.isValid() ? FOptions.PrintDateTime : QDateTime::currentDateTime();
  if (FRoot.BeforePrint) FRoot.BeforePrint();
  try {
    FPassCount = FRoot.TwoPass ? 2 : 1;
    if (FRoot.TwoPass) {
      RunPass(1, false);
      FFirstSetCounts = FSetCounts;
      FFirstTotal = FState.AbsolutePageNo;
    }
    RunPass(FPassCount, true);
  } catch (const TCancelled&) {
    return nullptr;
  }
  for (size_t i = 0; i < FDoc->Pages.size(); ++i)
    FDoc->Pages[i].PageCount = FSetCounts[static_cast<size_t>(FPageSets[i])];
  return FDoc;
}

void TGenerationRun::RunPass(int pass, bool final) {
  const QDateTime printed = FState.PrintDateTime;
  FState = TGenerationState();
  FState.Pass = pass;
  FState.FinalPass = final;
  FState.PrintDateTime = printed;
  FEmit = final;
  FSetIndex = -1;
  FSetCounts.clear();
  FPageSets.clear();
  FGroupInstances.clear();
  FPageOpen = false;
  FNewSetPending = false;
  FDetailCount = 0;
  for (TReportPipeline* p : FPipelines) p->Reset();
  for (TReportVariable* v : FVariables) v->Reset();
  if (final) {
    FDoc = std::make_shared<TReportDocument>();
    FDoc->Title = FRoot.Title.isEmpty() ? FRoot.Name : FRoot.Title;
    FDoc->PageSize = FRoot.PageSize;
    FDoc->Orientation = FRoot.Orientation;
    FDoc->MarginsMm =
        QMarginsF(FRoot.MarginsUm.left() / 1000.0, FRoot.MarginsUm.top() / 1000.0,
                  FRoot.MarginsUm.right() / 1000.0, FRoot.MarginsUm.bottom() / 1000.0);
  }
  FBodyBottom = FRoot.PageHeightUm() - FRoot.MarginsUm.bottom() -
                DesignHeight(TBandType::PageFooter) - DesignHeight(TBandType::ColumnFooter);

  const int originX = FRoot.MarginsUm.left();
  std::vector<int> rows = FRoot.DataPipeline ? FRoot.DataPipeline->Rows() : std::vector<int>{-1};
  if (!rows.empty()) ProcessRows(FRoot, 0, rows, 0, rows.size(), FPageSink, originX);
  PrintBand(FRoot.Band(TBandType::Summary), FPageSink, originX);
  EnsurePage();  // a report without rows still has its page
  ClosePage(true);
  for (TReportPipeline* p : FPipelines) p->ClearPosition();
}

int TGenerationRun::RunChild(TReport& child, bool emitCommands, std::vector<TDrawCommand>& out,
                             std::vector<int>& breaks) {
  const bool savedEmit = FEmit;
  FEmit = emitCommands;
  TStackSink sink(out, breaks);
  std::vector<int> rows = child.DataPipeline ? child.DataPipeline->Rows() : std::vector<int>{-1};
  if (!rows.empty()) {
    ResetVariables(child, TVariableReset::Report);
    PrintBand(child.Band(TBandType::Title), sink, 0);
    ProcessRows(child, 0, rows, 0, rows.size(), sink, 0);
    PrintBand(child.Band(TBandType::Summary), sink, 0);
  }
  if (child.DataPipeline) child.DataPipeline->ClearPosition();
  FEmit = savedEmit;
  return sink.Height();
}

void TGenerationRun::SetRow(TReport& rep, int row) {
  if (rep.DataPipeline && row >= 0) rep.DataPipeline->SetPosition(row);
}

QVariant TGenerationRun::BreakValue(TReport& rep, TReportGroup& group, int row) {
  SetRow(rep, row);
  if (group.OnGetBreakValue) return group.OnGetBreakValue();
  TReportPipeline* p = group.Pipeline ? group.Pipeline : rep.DataPipeline;
  return p ? p->GetFieldValue(group.BreakName) : QVariant();
}

void TGenerationRun::ProcessRows(TReport& rep, size_t level, const std::vector<int>& rows, size_t b,
                                 size_t e, TBandSink& sink, int originX) {
  const auto& groups = rep.Groups();
  if (level >= groups.size()) {
    for (size_t i = b; i < e; ++i) Detail(rep, rows[i], sink, originX);
    return;
  }
  TReportGroup& group = *groups[level];
  size_t i = b;
  while (i < e) {
    const QVariant value = BreakValue(rep, group, rows[i]);
    size_t j = i + 1;
    while (j < e && SameBreakValue(BreakValue(rep, group, rows[j]), value)) ++j;
    GroupRun(rep, level, rows, i, j, sink, originX);
    i = j;
  }
}

void TGenerationRun::GroupRun(TReport& rep, size_t level, const std::vector<int>& rows, size_t b,
                              size_t e, TBandSink& sink, int originX) {
  TReportGroup& group = *rep.Groups()[level];
  int& instances = FGroupInstances[&group];
  const bool first = instances == 0;
  ++instances;
  SetRow(rep, rows[b]);
  if (&sink == &FPageSink) {
    if ((group.NewPage || group.ResetPageNo) && !first) NewPage(group.ResetPageNo);
    if (group.KeepTogether) {
      EnsurePage();
      const int fresh = FreshBodyHeight();
      const int left = FBodyBottom - FY;
      const int height = MeasureGroup(rep, level, rows, b, e, originX, fresh);
      // Moving helps only when the group fits on an empty page.
      if (height > left && height <= fresh && !AtTop()) NewPage(false);
      SetRow(rep, rows[b]);
    }
  }
  ResetVariables(rep, TVariableReset::Group, &group);
  PrintBand(group.Header(), sink, originX);
  ProcessRows(rep, level + 1, rows, b, e, sink, originX);
  SetRow(rep, rows[e - 1]);
  PrintBand(group.Footer(), sink, originX);
}

void TGenerationRun::Detail(TReport& rep, int row, TBandSink& sink, int originX) {
  if ((++FDetailCount & 63) == 0) CheckCancel();
  SetRow(rep, row);
  const bool paged = &sink == &FPageSink && !rep.Variables().empty();
  if (paged) {
    // Should this record move to the next page, the footers of this page
    // must show the values without it.
    FValuesBeforeRecord.clear();
    for (const TReportVariable* v : rep.Variables()) FValuesBeforeRecord.push_back(v->Value());
    FRecordReport = &rep;
  }
  for (TReportVariable* v : rep.Variables()) v->Calc();
  PrintBand(rep.Band(TBandType::Detail), sink, originX);
  if (paged) FRecordReport = nullptr;
}

void TGenerationRun::PrintBand(TReportBand* band, TBandSink& sink, int originX) {
  if (!band) return;
  if (&sink == &FPageSink) {
    PrintOnPage(band, originX);
    return;
  }
  sink.BeforeBand();
  sink.Place(RenderBand(band, originX));
}

void TGenerationRun::PrintOnPage(TReportBand* band, int originX) {
  EnsurePage();
  if (!FEmit) {
    PlaceOnPage(RenderBand(band, originX));
    return;
  }
  // Most bands fit where they are: draw them straight onto the page and
  // take them off again only when they must move.
  const size_t start = FPage.Commands.size();
  const int originY = FY;
  TBandOutput out = RenderBand(band, originX, &FPage.Commands, originY);
  if (!out.Printed) return;
  if (FY + out.Height <= FBodyBottom || out.Height <= 0) {
    FY += out.Height;
    return;
  }
  out.Commands.assign(
      std::make_move_iterator(FPage.Commands.begin() + static_cast<std::ptrdiff_t>(start)),
      std::make_move_iterator(FPage.Commands.end()));
  FPage.Commands.erase(FPage.Commands.begin() + static_cast<std::ptrdiff_t>(start),
                       FPage.Commands.end());
  TranslateCommands(out.Commands, 0, -originY);
  PlaceOnPage(std::move(out));
}

TBandOutput TGenerationRun::RenderBand(TReportBand* band, int originX,
                                       std::vector<TDrawCommand>* target, int originY) {
  TBandOutput out;
  if (!band) return out;
  if (band->BeforePrint) band->BeforePrint();
  if (!band->Visible || (band->PrintWhen && !band->PrintWhen())) return out;
  out.Printed = true;
  TRenderContext ctx;
  ctx.Emit = FEmit;
  ctx.Out = target ? target : &out.Commands;
  ctx.Runner = this;
  ctx.SaveBase.Save = band->Save;
  ctx.SaveBase.ReportSaveNo = band->Report() ? band->Report()->SaveNumber : 0;
  ctx.SaveBase.BandSaveNo = band->EffectiveSaveNumber();
  ctx.SaveBase.RowSaveNo = ++FState.RowSaveNo;

  const auto& comps = band->Components();
  bool anyStretch = false;
  for (const auto& c : comps) anyStretch = anyStretch || (c->Visible && c->Stretches());
  if (!anyStretch) {
    for (const auto& c : comps)
      if (c->Visible) c->Render(ctx, c->Box.translated(originX, originY));
    out.Height = band->Height;
  } else {
    // Stretching components grow; whatever lies below one moves down with it.
    const size_t n = comps.size();
    std::vector<int> height(n);
    std::vector<int> shift(n, 0);
    std::vector<std::vector<int>> breaks(n);
    for (size_t i = 0; i < n; ++i) {
      const TReportComponent& c = *comps[i];
      height[i] = c.Box.height();
      if (c.Visible && c.Stretches()) {
        const int h = comps[i]->Measure(ctx, breaks[i]);
        height[i] = band->Stretch ? h : std::min(h, c.Box.height());
      }
    }
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return comps[a]->Box.y() < comps[b]->Box.y(); });
    int extra = 0;
    for (size_t oi = 0; oi < n; ++oi) {
      const size_t i = order[oi];
      const TReportComponent& c = *comps[i];
      if (!c.Visible) continue;
      for (size_t oj = 0; oj < oi; ++oj) {
        const size_t j = order[oj];
        const TReportComponent& s = *comps[j];
        if (s.Visible && s.Stretches() && s.Box.y() + s.Box.height() <= c.Box.y())
          shift[i] = std::max(shift[i], shift[j] + height[j] - s.Box.height());
      }
      extra = std::max(extra, shift[i] + height[i] - c.Box.height());
    }
    out.Height = band->Height + (band->Stretch ? std::max(0, extra) : 0);
    for (size_t i = 0; i < n; ++i) {
      TReportComponent& c = *comps[i];
      if (!c.Visible) continue;
      const int top = c.Box.y() + shift[i];
      c.Render(ctx, QRect(c.Box.x() + originX, top + originY, c.Box.width(), height[i]));
      for (int b : breaks[i]) out.Breaks.push_back(top + b);
    }
  }
  if (band->AfterPrint) band->AfterPrint();
  return out;
}

int TGenerationRun::MeasureGroup(TReport& rep, size_t level, const std::vector<int>& rows, size_t b,
                                 size_t e, int originX, int limit) {
  const TSnapshot snapshot = TakeSnapshot();
  const bool savedEmit = FEmit;
  FEmit = false;
  TMeasureSink sink(limit);
  try {
    GroupRun(rep, level, rows, b, e, sink, originX);
  } catch (const TMeasureLimitReached&) {
  } catch (...) {
    FEmit = savedEmit;
    Restore(snapshot);
    throw;
  }
  FEmit = savedEmit;
  Restore(snapshot);
  return sink.Total() > limit ? limit + 1 : sink.Total();
}

void TGenerationRun::ResetVariables(TReport& rep, TVariableReset scope, const TReportGroup* group) {
  for (TReportVariable* v : rep.Variables())
    if (v->ResetType == scope && (scope != TVariableReset::Group || v->ResetGroup == group))
      v->Reset();
}

TGenerationRun::TSnapshot TGenerationRun::TakeSnapshot() const {
  TSnapshot s;
  s.State = FState;
  s.Variables.reserve(FVariables.size());
  for (const TReportVariable* v : FVariables) s.Variables.push_back(v->Value());
  s.Instances = FGroupInstances;
  for (const TReportPipeline* p : FPipelines) s.Positions.push_back(p->Position());
  return s;
}

void TGenerationRun::Restore(const TSnapshot& s) {
  FState = s.State;
  for (size_t i = 0; i < FVariables.size(); ++i) FVariables[i]->SetValue(s.Variables[i]);
  FGroupInstances = s.Instances;
  for (size_t i = 0; i < FPipelines.size(); ++i) FPipelines[i]->SetPosition(s.Positions[i]);
}

// --- Pages -----------------------------------------------------------------

int TGenerationRun::DesignHeight(TBandType type) const {
  const TReportBand* band = FRoot.Band(type);
  return band && band->Visible ? band->Height : 0;
}

int TGenerationRun::FreshBodyHeight() const {
  return FBodyBottom - FRoot.MarginsUm.top() - DesignHeight(TBandType::PageHeader) -
         DesignHeight(TBandType::ColumnHeader);
}

void TGenerationRun::EnsurePage() {
  if (!FPageOpen) OpenPage();
}

void TGenerationRun::OpenPage() {
  FBeforeOpen = {FState.AbsolutePageNo, FState.PageNo, FSetIndex, FNewSetPending};
  FPageOpen = true;
  ++FState.AbsolutePageNo;
  if (FSetIndex < 0 || FNewSetPending) {
    ++FSetIndex;
    FState.PageNo = 1;
    FNewSetPending = false;
  } else {
    ++FState.PageNo;
  }
  if (static_cast<int>(FSetCounts.size()) <= FSetIndex)
    FSetCounts.resize(static_cast<size_t>(FSetIndex) + 1, 0);
  FSetCounts[static_cast<size_t>(FSetIndex)] = FState.PageNo;
  const bool known = FSetIndex < static_cast<int>(FFirstSetCounts.size());
  FState.PageCount = known
                         ? std::max(FFirstSetCounts[static_cast<size_t>(FSetIndex)], FState.PageNo)
                         : FState.PageNo;
  FState.TotalPages = std::max(FFirstTotal, FState.AbsolutePageNo);
  for (TReport* r : FReports) ResetVariables(*r, TVariableReset::Page);

  FPage = TReportPage();
  // Pages of a report are alike: start at the last page's size so that long
  // reports neither copy nor over-allocate their command lists.
  if (FEmit) FPage.Commands.reserve(FLastPageSize + FLastPageSize / 16);
  FPage.WidthUm = FRoot.PageWidthUm();
  FPage.HeightUm = FRoot.PageHeightUm();
  FPage.Orientation = FRoot.Orientation;
  FPage.AbsolutePageNo = FState.AbsolutePageNo;
  FPage.PageNo = FState.PageNo;
  FY = FRoot.MarginsUm.top();
  const int originX = FRoot.MarginsUm.left();
  auto top = [&](TReportBand* band) {
    if (!band) return;
    const TBandOutput out = RenderBand(band, originX, &FPage.Commands, FY);
    if (out.Printed) FY += out.Height;
  };
  TReportBand* header = FRoot.Band(TBandType::PageHeader);
  if (header && (FState.AbsolutePageNo > 1 || header->PrintOnFirstPage)) top(header);
  if (FState.AbsolutePageNo == 1) top(FRoot.Band(TBandType::Title));
  top(FRoot.Band(TBandType::ColumnHeader));
  FBodyTop = FY;
}

void TGenerationRun::ClosePage(bool last) {
  const int originX = FRoot.MarginsUm.left();
  if (TReportBand* columnFooter = FRoot.Band(TBandType::ColumnFooter)) {
    RenderBand(columnFooter, originX, &FPage.Commands, FY);
  }
  TReportBand* footer = FRoot.Band(TBandType::PageFooter);
  if (footer && (FState.AbsolutePageNo > 1 || footer->PrintOnFirstPage) &&
      (!last || footer->PrintOnLastPage)) {
    RenderBand(footer, originX, &FPage.Commands,
               FRoot.PageHeightUm() - FRoot.MarginsUm.bottom() - footer->Height);
  }
  if (FEmit) {
    FLastPageSize = FPage.Commands.size();
    FDoc->Pages.push_back(std::move(FPage));
    FPageSets.push_back(FSetIndex);
  }
  FPage = TReportPage();
  FPageOpen = false;
  if (FOptions.OnProgress) FOptions.OnProgress({FState.Pass, FPassCount, FState.AbsolutePageNo});
  CheckCancel();
}

void TGenerationRun::NewPage(bool newPageSet) {
  if (!FPageOpen) {
    FNewSetPending = FNewSetPending || newPageSet;
    return;
  }
  if (AtTop()) {
    if (!newPageSet || FState.AbsolutePageNo == 1) return;
    // Nothing printed on this page yet but its header, which carries the old
    // page number: make it again as the first page of the new set.
    FState.AbsolutePageNo = FBeforeOpen.AbsolutePageNo;
    FState.PageNo = FBeforeOpen.PageNo;
    FSetIndex = FBeforeOpen.SetIndex;
    if (FSetIndex >= 0 && static_cast<size_t>(FSetIndex) < FSetCounts.size())
      FSetCounts[static_cast<size_t>(FSetIndex)] = FState.PageNo;
    FSetCounts.resize(static_cast<size_t>(FSetIndex + 1));
    FPage = TReportPage();
    FPageOpen = false;
    FNewSetPending = true;
    return;
  }
  ClosePage(false);
  FNewSetPending = FNewSetPending || newPageSet;
}

void TGenerationRun::Append(std::vector<TDrawCommand>& commands, int y) {
  if (!FEmit) return;
  TranslateCommands(commands, 0, y);
  if (FPage.Commands.empty()) {
    FPage.Commands = std::move(commands);
    return;
  }
  FPage.Commands.insert(FPage.Commands.end(), std::make_move_iterator(commands.begin()),
                        std::make_move_iterator(commands.end()));
}

void TGenerationRun::PlaceOnPage(TBandOutput&& out) {
  if (!out.Printed) return;
  EnsurePage();
  if (FY + out.Height <= FBodyBottom || out.Height <= 0) {
    Append(out.Commands, FY);
    FY += out.Height;
    return;
  }
  if (!AtTop() && out.Height <= FreshBodyHeight()) {
    if (FRecordReport) {
      // Close the page as it was before this record.
      std::vector<QVariant> after;
      const auto& vars = FRecordReport->Variables();
      for (size_t i = 0; i < vars.size(); ++i) {
        after.push_back(vars[i]->Value());
        vars[i]->SetValue(FValuesBeforeRecord[i]);
      }
      NewPage(false);
      for (size_t i = 0; i < vars.size(); ++i) vars[i]->SetValue(after[i]);
    } else {
      NewPage(false);
    }
    EnsurePage();
    Append(out.Commands, FY);
    FY += out.Height;
    return;
  }
  // Taller than what is left even of an empty page: print what fits, at a
  // line or band boundary where there is one, and carry on overleaf.
  while (FY + out.Height > FBodyBottom) {
    const int avail = FBodyBottom - FY;
    int cut = 0;
    for (int b : out.Breaks)
      if (b > 0 && b <= avail) cut = std::max(cut, b);
    if (cut == 0) {
      if (!AtTop()) {
        NewPage(false);
        EnsurePage();
        continue;
      }
      cut = avail > 0 ? avail : out.Height;  // no boundary fits: cut at the page end
    }
    std::vector<TDrawCommand> below;
    if (FEmit) SplitCommands(out.Commands, cut, below);
    Append(out.Commands, FY);
    FY += cut;
    out.Commands = std::move(below);
    out.Height -= cut;
    std::vector<int> rest;
    for (int b : out.Breaks)
      if (b > cut) rest.push_back(b - cut);
    out.Breaks = std::move(rest);
    if (out.Height <= 0) return;
    NewPage(false);
    EnsurePage();
  }
  Append(out.Commands, FY);
  FY += out.Height;
}

TReportGenerator::TReportGenerator(TReport& report, TGenerationOptions options)
    : FReport(report), FOptions(std::move(options)) {}

std::shared_ptr<TReportDocument> TReportGenerator::Generate() {
  FCancel = false;
  TGenerationRun run(FReport, FOptions, FCancel);
  return run.Run();
}
