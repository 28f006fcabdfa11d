#include "reports/engine/Report.h"

#include "reports/engine/ReportSubReport.h"
#include "reports/engine/ReportVariable.h"

TReport::TReport(QString name) : Name(std::move(name)) {}

TReport::~TReport() = default;

int TReport::PageWidthUm() const {
  const QSizeF mm = PageSize.size(QPageSize::Millimeter);
  const double w = Orientation == QPageLayout::Portrait ? mm.width() : mm.height();
  return Um::FromMm(w);
}

int TReport::PageHeightUm() const {
  const QSizeF mm = PageSize.size(QPageSize::Millimeter);
  const double h = Orientation == QPageLayout::Portrait ? mm.height() : mm.width();
  return Um::FromMm(h);
}

TReportBand* TReport::AddBand(TBandType type) {
  auto& slot = FBands[static_cast<size_t>(type)];
  if (!slot) slot = std::make_unique<TReportBand>(type, this);
  return slot.get();
}

TReportBand* TReport::Band(TBandType type) const {
  return FBands[static_cast<size_t>(type)].get();
}

TReportGroup* TReport::AddGroup(const QString& breakName, TReportPipeline* pipeline) {
  FGroups.push_back(std::make_unique<TReportGroup>(this));
  FGroups.back()->BreakName = breakName;
  FGroups.back()->Pipeline = pipeline;
  return FGroups.back().get();
}

TReportComponent* TReport::FindComponent(const QString& name) const {
  for (const auto& band : FBands)
    if (band)
      if (TReportComponent* c = band->Find(name)) return c;
  for (const auto& group : FGroups) {
    if (TReportComponent* c = group->Header()->Find(name)) return c;
    if (TReportComponent* c = group->Footer()->Find(name)) return c;
  }
  return nullptr;
}

void TReport::RegisterComponent(TReportComponent* component) {
  if (auto* variable = dynamic_cast<TReportVariable*>(component)) FVariables.push_back(variable);
  if (auto* sub = dynamic_cast<TReportSubReport*>(component)) {
    FChildren.push_back(&sub->Child());
    sub->Child().FParent = this;
  }
}

void TReport::SetState(TGenerationState* state) {
  FState = state;
  for (TReport* child : FChildren) child->SetState(state);
}
