#pragma once

#include "reports/engine/Report.h"
#include "reports/engine/ReportComponent.h"

#include <memory>

// A child layout printed inside a band: its title, groups, detail and
// summary bands are stacked in the component's place for the rows of its
// own pipeline (usually a detail pipeline linked to the parent's). Its page
// bands are not used. The band grows with it and may break between its
// bands.
class TReportSubReport : public TReportComponent {
 public:
  explicit TReportSubReport(QString name = {});
  ~TReportSubReport() override;

  TReport& Child() { return *FChild; }
  const TReport& Child() const { return *FChild; }

  bool Stretches() const override { return true; }
  int Measure(TRenderContext& ctx, std::vector<int>& breaks) override;
  void Render(TRenderContext& ctx, const QRect& box) override;

 private:
  std::unique_ptr<TReport> FChild;
  std::vector<TDrawCommand> FCommands;
  int FHeight = 0;
  bool FMeasured = false;
};
