#pragma once

#include "data/utTransLog.h"

#include <QDate>
#include <QString>

#include <vector>

class TKsSQLDatabase;
class TdtmJailAdminReports;

// A row of the facility table CFGFACI.
struct TFacilityRow {
  QString FACILITYID;
  QString FACILITYDESC;
};

// What the catalogue window asks of the program's modules: the access module
// for the login and the levels, the report configuration for the facilities,
// the master configuration and the shared settings, and the session module
// that keeps who is logged in for which facility. A module start-up has not
// created is an error naming it.
class TJBReportsMainModules {
 public:
  // The session module (dtmJailAdminReports).
  TdtmJailAdminReports& Session();
  bool HasSession() const;

  // Opens the logo, cell, dorm and inmate-status tables when closed and
  // reloads the employee list without the hidden employees.
  void OpenConfiguration();

  // The login dialog; the login name, empty when cancelled or refused.
  QString Login(const QString& ACaption);
  // A user named on the command line, logged in without a password.
  void SetCommandLineUser(const QString& AUserName);
  QString GetAccessLevel(const QString& AUserName, const QString& ASuite, const QString& AModule,
                         const QString& ASection);

  // The facility table in FACILITYID order.
  std::vector<TFacilityRow> Facilities();
  // The session's facility dialog dlstSelectFaci: false when cancelled,
  // otherwise the row chosen.
  bool SelectFacility(TFacilityRow& AChosen);
  // Inmates booked in and not released at the facility, counted on the
  // session's scratch query.
  int CountInmatesInJail(const QString& AFacilityId);

  // Booking/DaysUntilNextReclass of the shared settings (default 30); the
  // shared settings module is created when it is missing.
  int DaysUntilNextReclass();
  // The trimmed agency name of the master configuration.
  QString AgencyName();
  // One transaction-log entry for the session's user, with empty keys and
  // table, as the log-in and log-out entries are.
  void WriteTransLog(TksTransEventType AEvent, const QString& ANote);

  // The date-range dialog: true when confirmed.
  bool ExecuteDateRangeEntry(const QString& ACaption, const QString& AInstructions, QDate& AStart,
                             QDate& AEnd);

  // The session's configuration database, for the database-driven menus.
  TKsSQLDatabase* ConfigConnection();
  // The suite configuration file, its connection string and the help folder.
  QString ConfigFile();
  QString ConnectString();
  QString HelpFilePath();

  // The employee list without hidden employees.
  static QString EmployeeListSQL();
};
