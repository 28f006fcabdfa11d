#pragma once

#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/framework/DataSetSource.h"
#include "reports/framework/ReportDataModule.h"

// The roster with each inmate's photograph and a bar code of the booking
// number, of the bookings made within a date/time range.
class TdtmInmNameWithPictureRpt : public TReportDataModule {
 public:
  TdtmInmNameWithPictureRpt();
  ~TdtmInmNameWithPictureRpt() override;

  // Current bookings of the facilities picked (all when the picker is
  // cancelled), with the inmate count of each facility.
  void PrintRosterWithPictures();
  // Released bookings; the count is that of the whole roster.
  void PrintInactiveRosterWithPictures();

  // This module's name for the user it prints for.
  QString& xsUserName = xsJBUserName;
  // The booking range, as the range dialog hands it over.
  QString xsDateStart, xsTimeStart, xsDateEnd, xsTimeEnd;

  TKsMSQuery qryInmDateRange{QStringLiteral("qryInmDateRange")};
  TKsMSQuery qryInmDateRangeCount{QStringLiteral("qryInmDateRangeCount")};
  TKsMSQuery qryInactiveInmDateRange{QStringLiteral("qryInactiveInmDateRange")};

 private:
  QString FacilityFilter() const;
  // " AND (<booking moment> BETWEEN <start> AND <end>)".
  QString RangeClause() const;

  TDataSetSource FRowsSource{qryInmDateRange};
  TDataSetSource FCountSource{qryInmDateRangeCount};
  TDataSetSource FInactiveSource{qryInactiveInmDateRange};
  TReportPipeline ppInmDateRange{QStringLiteral("ppInmDateRange"), &FRowsSource};
  TReportPipeline ppInmDateRangeCount{QStringLiteral("ppInmDateRangeCount"), &FCountSource};
  TReportPipeline ppInactiveInmDateRange{QStringLiteral("ppInactiveInmDateRange"),
                                         &FInactiveSource};

 public:
  TReport rptInmDateRange{QStringLiteral("rptInmDateRange")};
  TReport rptInacitveInmDateRange{QStringLiteral("rptInacitveInmDateRange")};
};
