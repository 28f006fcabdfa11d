#pragma once

#include "data/utTransLog.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class TKsSQLDatabase;

// A row of the facility table CFGFACI.
struct TFacilityRow {
  QString FACILITYID;
  QString FACILITYDESC;
};

// The session values the catalogue window fills at login and on a facility
// change, for every report to read.
struct TJBReportsSession {
  QString xsJBUserName;
  QString xsJBAccessLevel;
  QString xsJBINSIDAccessLevel;
  QString xsJBINFIRMAccessLevel;
  QString xsJBTRANSAccessLevel;
  QString xsJBCLASSIAccessLevel;
  QString xsJBVISITAccessLevel;
  QString xsJBSENTEAccessLevel;
  QString xsJBViewJuvenileInfoAccessLevel;
  QString xsFacilityID;
  QString xsFacilityDesc;
  int xsInmatesOnJail = 0;
  bool xbUserAbortLogin = false;
};

// What the catalogue window asks of the program's data modules: the access
// module for the login and levels, the configuration modules for the
// facilities and settings, the session module for the jail connection, the
// inmate count and the log. The window holds no database code of its own.
class IJBReportsMainModules {
 public:
  virtual ~IJBReportsMainModules() = default;

  // Opens the logo, cell, dorm and inmate-status tables when closed and
  // reloads the employee list without the hidden employees.
  virtual void OpenConfiguration() = 0;

  // The login dialog; the login name, empty when cancelled or refused.
  virtual QString Login(const QString& ACaption) = 0;
  // A user named on the command line, logged in without a password.
  virtual void SetCommandLineUser(const QString& AUserName) = 0;
  virtual QString GetAccessLevel(const QString& AUserName, const QString& ASuite,
                                 const QString& AModule, const QString& ASection) = 0;

  // The facility table in FACILITYID order.
  virtual std::vector<TFacilityRow> Facilities() = 0;
  // The facility dialog dlstSelectFaci over that table: false when
  // cancelled, otherwise the row chosen.
  virtual bool SelectFacility(TFacilityRow& AChosen) = 0;
  // Inmates booked in and not released at the facility.
  virtual int CountInmatesInJail(const QString& AFacilityId) = 0;

  // Booking/DaysUntilNextReclass of the shared settings (default 30).
  virtual int DaysUntilNextReclass() = 0;
  // The trimmed agency name of the master configuration.
  virtual QString AgencyName() = 0;
  // One transaction-log entry for the session's user, as the reports write.
  virtual void WriteTransLog(TksTransEventType AEvent, const QString& ANote) = 0;

  // The date-range dialog: true when confirmed; both dates are written back
  // whatever the answer.
  virtual bool ExecuteDateRangeEntry(const QString& ACaption, const QString& AInstructions,
                                     QDate& AStart, QDate& AEnd) = 0;

  // The configuration database of the session, for the database-driven menus.
  virtual TKsSQLDatabase* ConfigConnection() = 0;
  // The suite configuration file, its connection string and the help folder.
  virtual QString ConfigFile() = 0;
  virtual QString ConnectString() = 0;
  virtual QString HelpFilePath() = 0;

  // The session values, and their publication to the session module after
  // the window changed them.
  virtual TJBReportsSession& Session() = 0;
  virtual void PublishSession() = 0;
};

// The window's requests answered by the process-wide modules (dtmAccess,
// dtmJailAdminReportsConfig, dtmMastCfg, dtmSharedINI). What belongs to the
// session module (the jail and configuration connections, the facility
// dialog, the scratch query of the inmate count and the log dataset) is this
// object's own until that module joins the build.
class TJBReportsMainModules : public IJBReportsMainModules {
 public:
  TJBReportsMainModules();
  ~TJBReportsMainModules() override;

  void OpenConfiguration() override;
  QString Login(const QString& ACaption) override;
  void SetCommandLineUser(const QString& AUserName) override;
  QString GetAccessLevel(const QString& AUserName, const QString& ASuite, const QString& AModule,
                         const QString& ASection) override;
  std::vector<TFacilityRow> Facilities() override;
  bool SelectFacility(TFacilityRow& AChosen) override;
  int CountInmatesInJail(const QString& AFacilityId) override;
  int DaysUntilNextReclass() override;
  QString AgencyName() override;
  void WriteTransLog(TksTransEventType AEvent, const QString& ANote) override;
  bool ExecuteDateRangeEntry(const QString& ACaption, const QString& AInstructions, QDate& AStart,
                             QDate& AEnd) override;
  TKsSQLDatabase* ConfigConnection() override;
  QString ConfigFile() override;
  QString ConnectString() override;
  QString HelpFilePath() override;
  TJBReportsSession& Session() override { return FSession; }
  void PublishSession() override;

  // The employee list without hidden employees.
  static QString EmployeeListSQL();

 private:
  struct TData;
  std::unique_ptr<TData> FData;
  TJBReportsSession FSession;
};
