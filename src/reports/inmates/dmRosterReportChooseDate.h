#pragma once

#include "core/Exception.h"
#include "data/KsMSAccess.h"
#include "reports/engine/Report.h"
#include "reports/engine/ReportPipeline.h"
#include "reports/framework/DataSetSource.h"

#include <QDate>
#include <QString>

class IPrimaryAgencyInfoProvider;
class IReportMaster;
class IUserInformation;
class TKsSQLDatabase;
class TReportDBImage;
class TReportDBText;
class TReportLabel;

// A report module handed what it needs that it cannot work without.
class ERosterReportError : public Exception {
 public:
  using Exception::Exception;
};

// Everyone who was in the facility on one day, active or released since,
// with the hours each was checked out that day. It reaches the session
// through the interfaces it is handed, not through the session's global.
class TdmRosterReportChooseDate {
 public:
  // Takes the facility, the agency provider and the report master's
  // connection, and caches the user's name.
  TdmRosterReportChooseDate(IReportMaster* ReportMaster, IUserInformation* UserInfo,
                            IPrimaryAgencyInfoProvider* AgencyInfo);
  ~TdmRosterReportChooseDate();
  TdmRosterReportChooseDate(const TdmRosterReportChooseDate&) = delete;
  TdmRosterReportChooseDate& operator=(const TdmRosterReportChooseDate&) = delete;

  // Asks for the day; false when the user cancels.
  bool ChooseReportDate();
  // Prints the roster of the chosen day, empty or not.
  void PrintRoster();

  const QDate& ReportDate() const { return FReportDate; }

  TKsMSQuery qryInmateRosterForDate{QStringLiteral("qryInmateRosterForDate")};

 private:
  void SetDbConnection(TKsSQLDatabase* Connection);
  void BuildRosterForDate();
  QString DayText() const;

  IReportMaster* FReportMaster;
  IUserInformation* FUserInfo;
  IPrimaryAgencyInfoProvider* FAgencyInfo;
  QString FFacilityName;
  QString FFacilityId;
  QString FUserName;
  QDate FReportDate;

  TDataSetSource FRosterSource{qryInmateRosterForDate};
  TReportPipeline ppInmateRosterForDate{QStringLiteral("ppInmateRosterForDate"), &FRosterSource};

 public:
  TReport rptInmateRosterForDate{QStringLiteral("rptInmateRosterForDate")};

 private:
  TReportDBImage* FLeftLogo = nullptr;
  TReportDBImage* FRightLogo = nullptr;
  TReportDBText* FName = nullptr;
};

// Asks for a day and prints its roster for the report master's facility.
// The master and the agency provider are required.
void RunChooseDateRosterReport(IReportMaster* ReportMaster, IUserInformation* UserInfo,
                               IPrimaryAgencyInfoProvider* AgencyInfo);
