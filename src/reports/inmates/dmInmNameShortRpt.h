#pragma once

#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/framework/DataSetSource.h"
#include "reports/framework/ReportDataModule.h"

class TReportLabel;

// The one-line-per-inmate roster in name order, of active or released
// bookings, for the facilities the user picks.
class TdtmInmNameShortRpt : public TReportDataModule {
 public:
  TdtmInmNameShortRpt();
  ~TdtmInmNameShortRpt() override;

  // Asks for the facilities and whether checked-out inmates count, then
  // prints the roster or says that nothing was found.
  void PrintRosterByNameShort();

  // Released bookings (JBHISTO) instead of current ones (JAILBOOK).
  bool xbInActive = false;

  TKsMSQuery qryInmates{QStringLiteral("qryInmates")};

 private:
  void BuildInmRoster();
  QString RosterTitle() const;

  TDataSetSource FInmatesSource{qryInmates};
  TReportPipeline ppInmates{QStringLiteral("ppInmates"), &FInmatesSource};

 public:
  TReport rptInmRoster{QStringLiteral("rptInmRoster")};

 private:
  TReportLabel* FTitle = nullptr;
};
