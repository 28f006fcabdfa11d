#include "reports/engine/ReportBand.h"

#include "reports/engine/Report.h"

TReportComponent* TReportBand::Find(const QString& name) const {
  for (const auto& c : FComponents)
    if (c->Name.compare(name, Qt::CaseInsensitive) == 0) return c.get();
  return nullptr;
}

void TReportBand::Adopt(std::unique_ptr<TReportComponent> component) {
  component->FBand = this;
  component->FIndex = static_cast<int>(FComponents.size());
  FComponents.push_back(std::move(component));
  if (FReport) FReport->RegisterComponent(FComponents.back().get());
}
