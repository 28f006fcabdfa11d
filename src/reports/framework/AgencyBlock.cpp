#include "reports/framework/AgencyBlock.h"

#include "config/dmMastCfg.h"

TAgencyBlock::TAgencyBlock() {
  if (!dtmMastCfg) return;
  TKsCustomDataSet& logos = dtmMastCfg->tblCFGLOGO;
  // Layouts print the agency's logo; the table is opened here when closed,
  // as the holder of the layouts did on creation.
  if (!logos.Active()) logos.Open();
  FLogoSource = std::make_unique<TDataSetSource>(logos);
  FLogoPipeline = std::make_unique<TReportPipeline>(QStringLiteral("ppCFGLOGO"), FLogoSource.get());
  FLogoPipeline->SetRecordRange(TRecordRange::CurrentRecord);
}

QString TAgencyBlock::AgencyName() {
  if (!FAgencyName)
    FAgencyName =
        dtmMastCfg ? dtmMastCfg->GetAgencyInfo(QStringLiteral("NAME")).trimmed() : QString();
  return *FAgencyName;
}

TAgencyHeaderSettings TAgencyBlock::HeaderSettings(const QString& title,
                                                   TReportPipeline* facilityRows) {
  TAgencyHeaderSettings settings;
  settings.AgencyName = AgencyName();
  settings.LogoPipeline = LogoPipeline();
  settings.Title = title;
  settings.FacilityPipeline = facilityRows;
  return settings;
}
