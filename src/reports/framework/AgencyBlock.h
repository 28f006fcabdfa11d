#pragma once

#include "reports/engine/ReportPipeline.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/DataSetSource.h"

#include <QString>

#include <memory>
#include <optional>

// What every layout's agency block prints: the agency name, asked for once
// and kept, and the logo of the master configuration's current logo row,
// through a pipeline that prints only that row.
class TAgencyBlock {
 public:
  TAgencyBlock();

  // The agency item "NAME", trimmed; read on first use.
  QString AgencyName();
  // Null when the master configuration has no logo table to read.
  TReportPipeline* LogoPipeline() { return FLogoPipeline.get(); }

  // The header of a layout with this title: agency name, logos, and the
  // facility line from the report's own rows when `facilityRows` is given.
  TAgencyHeaderSettings HeaderSettings(const QString& title,
                                       TReportPipeline* facilityRows = nullptr);

 private:
  std::optional<QString> FAgencyName;
  std::unique_ptr<TDataSetSource> FLogoSource;
  std::unique_ptr<TReportPipeline> FLogoPipeline;
};
