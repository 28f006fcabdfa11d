#pragma once

#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/framework/DataSetSource.h"
#include "reports/framework/ReportDataModule.h"

#include <optional>

// The roster in name order with every case and charge of each inmate, of
// active or released bookings, for the facilities the user picks.
class TdtmInmNameLongRpt : public TReportDataModule {
 public:
  TdtmInmNameLongRpt();
  ~TdtmInmNameLongRpt() override;

  // Current bookings (JAILBOOK).
  void InmateLongRpt();
  // Released bookings (JBHISTO).
  void InmateLongInactiveRpt();

  // The case filter of the run: empty (all), open or closed cases only.
  QString xsCaseActive;
  // The run in progress is of released bookings.
  bool xbInActive = false;

  TKsMSQuery qryInmateLong{QStringLiteral("qryInmateLong")};
  TKsMSQuery qryInmateCount{QStringLiteral("qryInmateCount")};
  TKsMSQuery qryInactiveInmateLong{QStringLiteral("qryInactiveInmateLong")};
  TKsMSQuery qryInactiveInmateCount{QStringLiteral("qryInactiveInmateCount")};

 private:
  void PrintLong(bool inactive);
  // "UserStrings"/"BondByLabel" of the shared settings, read once.
  QString BondByLabel();

  TDataSetSource FInmateLongSource{qryInmateLong};
  TDataSetSource FInmateCountSource{qryInmateCount};
  TDataSetSource FInactiveLongSource{qryInactiveInmateLong};
  TDataSetSource FInactiveCountSource{qryInactiveInmateCount};
  TReportPipeline ppInmateLong{QStringLiteral("ppInmateLong"), &FInmateLongSource};
  TReportPipeline ppInmateCount{QStringLiteral("ppInmateCount"), &FInmateCountSource};
  TReportPipeline ppInactiveInmateLong{QStringLiteral("ppInactiveInmateLong"),
                                       &FInactiveLongSource};
  TReportPipeline ppInactiveInmateCount{QStringLiteral("ppInactiveInmateCount"),
                                        &FInactiveCountSource};
  std::optional<QString> FBondByLabel;
  // Taken when a run starts: whether sealed cases print in full.
  bool FShowsSealedCases = false;

 public:
  TReport rptInmateLong{QStringLiteral("rptInmateLong")};
  TReport rptInactiveInmateLong{QStringLiteral("rptInactiveInmateLong")};
};

// The module of the active run is kept from one run to the next; the
// inactive run frees it afterwards.
extern TdtmInmNameLongRpt* dtmInmNameLongRpt;
// Frees the kept module (program end, or a new database to report on).
void FreeInmNameLongRpt();
