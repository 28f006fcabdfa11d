#include "reports/engine/ReportSubReport.h"

#include "reports/engine/DrawCommandUtil.h"

TReportSubReport::TReportSubReport(QString name)
    : TReportComponent(std::move(name)), FChild(std::make_unique<TReport>(Name)) {}

TReportSubReport::~TReportSubReport() = default;

int TReportSubReport::Measure(TRenderContext& ctx, std::vector<int>& breaks) {
  FCommands.clear();
  FHeight = ctx.Runner ? ctx.Runner->RunChild(*FChild, ctx.Emit, FCommands, breaks) : 0;
  FMeasured = true;
  return FHeight;
}

void TReportSubReport::Render(TRenderContext& ctx, const QRect& box) {
  if (!FMeasured) {
    std::vector<int> breaks;
    Measure(ctx, breaks);
  }
  FMeasured = false;
  if (!ctx.Emit) {
    FCommands.clear();
    return;
  }
  TranslateCommands(FCommands, box.x(), box.y());
  for (TDrawCommand& c : FCommands) ctx.Out->push_back(std::move(c));
  FCommands.clear();
}
