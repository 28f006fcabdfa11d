#pragma once

#include "config/DataModuleConfigInfo.h"
#include "data/KsLookupDialog.h"
#include "data/KsMSAccess.h"
#include "data/KsMSSearchQuery.h"
#include "data/KsSQLDatabase.h"
#include "data/ReportMasterInterface.h"
#include "data/UserInformationInterface.h"
#include "data/utTransLog.h"

#include <QString>

#include <functional>

class TKsCustomConfigInfo;

// The session data module every report reaches: the jail connection, the
// shared scratch queries the reports build their SQL on, the facility
// dialog, and who is logged in with which access levels for which facility.
class TdtmJailAdminReports : public IReportMaster, public IUserInformation {
 public:
  // The personnel number of a login name (the access module's lookup).
  using TPersonnelNumberEvent = std::function<QString(const QString& LoginName)>;

  TdtmJailAdminReports();
  explicit TdtmJailAdminReports(TKsCustomConfigInfo* AConfigInfo);
  ~TdtmJailAdminReports() override;
  TdtmJailAdminReports(const TdtmJailAdminReports&) = delete;
  TdtmJailAdminReports& operator=(const TdtmJailAdminReports&) = delete;

  // --- IReportMaster / IUserInformation -------------------------------------
  TKsSQLDatabase* GetDatabaseConnection() override { return &dbJail; }
  TFacilityInformation GetFacility() override;
  // Empty before the login completes.
  TUserInformation GetCurrentUser() override;

  // One transaction-log entry for the current user.
  void WriteJailReportsTransLog(const QString& Key1, const QString& Key2, TksTransEventType Event,
                                const QString& Event_Table, const QString& Note2,
                                const QString& Key3 = QString());

  // Whole days between booking and release of the current record of stable
  // (today for a release date that is empty), rounded, and positive even
  // when the release date lies before the booking date; 0 while the record
  // is being edited or inserted or has no booking date. dBookDate and
  // dRelDate name the two fields.
  int GetDaysServe(TKsCustomDataSet& stable, const QString& dBookDate, const QString& dRelDate);

  // The after-insert handler of the module's writing tables: a new record
  // of tblAveStay gets its UNIQUEKEY.
  void AllDataSetsAfterInsert(TKsCustomDataSet& DataSet);

  bool ShowWitnessSignatures() const { return FShowWitnessSignatures; }
  void SetShowWitnessSignatures(bool Value) { FShowWitnessSignatures = Value; }

  TKsCustomConfigInfo* KsConfigInfo() const { return FKsConfigInfo.Get(); }

  TPersonnelNumberEvent OnGetPersonnelNumber;

  // --- session ----------------------------------------------------------------
  QString xsJBUserName;
  QString xsJBAccessLevel;
  QString xsJBINSIDAccessLevel;
  QString xsJBINFIRMAccessLevel;
  QString xsJBTRANSAccessLevel;
  QString xsJBCLASSIAccessLevel;
  QString xsJBVISITAccessLevel;
  QString xsJBSENTEAccessLevel;
  QString xsJBViewJuvenileInfoAccessLevel;
  QString xsJBRELAccessLevel;
  QString xsPrintMedicalAccess;
  QString xsFacilityID;
  QString xsFacilityDesc;
  int xsInmatesOnJail = 0;
  bool xbUserAbortLogin = false;

  // --- values report handlers keep between their dialog and their report ---
  QString xsAgencyDesc, xsDOORMSCODE, xsDOORMSDESC, xsCellNORangeStart, xsCellNORangeEnd;
  QString xsCountRangeStartDate, xsCountRangeEndDate, xsAsOfTime, xsCountOrgToPrint;
  QString xsFedRangeStartDate, xsFedRangeEndDate, xsSSNBookingDateStart, xsSSNBookingDateEnd;
  QString xsFelonyFlag, xsTRNType, xsBankAcctNo, xsACCTNO, xsTransNo;
  QString xsActualLocDesc, xsActualLocCode, xsActualIndex, xsInmateName;
  QString xsJBNO, xsJBCASENO, xsJBCHARGENO, xsJBMNINO, xsJBMEDNO, xsJBEVNNO, xsJBMOVENO;
  QString xsVICMNINO, xsVISMNINO, xsPROPITEMNO, xsPROPERTYNO;
  double xsBONJUDAMOUNTTOTAL = 0, xsBONLEOAMOUNTTOTAL = 0, xsBONDAMOUNTSTOTAL = 0;
  double xcFedPaymentRange = 0, xcCountPaymentRange = 0;
  int xsActualLocKey = 0, xiInmatesCount = 0, xiLabelsAmount = 0, xiRowToStart = 0;
  int xiColumnStart = 0, xiTotalBandsPerColumn = 0;
  bool xbAllCells = false, xbIsRelease = false, xbCaseInserted = false, xbChargeInserted = false;
  bool xbViewMode = false, xbNewSuicidalTest = false, xbInsertMode = false, xbPressok = false;

 private:
  void DataModuleCreate();

  TDataModuleConfigInfo FKsConfigInfo;
  bool FShowWitnessSignatures = true;

 public:
  TKsSQLDatabase dbJail{QStringLiteral("dbJail")};
  TKsSQLDatabase dbArrest{QStringLiteral("dbArrest")};
  TKsSQLDatabase dbCFG{QStringLiteral("dbCFG")};

  // The shared scratch queries: every user replaces their SQL and
  // parameters, and closes them again in its clean-up.
  TKsMSQuery qryGeneric{QStringLiteral("qryGeneric")};
  TKsMSQuery qryGeneric2{QStringLiteral("qryGeneric2")};
  TKsMSQuery qryGeneric3{QStringLiteral("qryGeneric3")};
  TKsMSQuery qryGeneric4{QStringLiteral("qryGeneric4")};  // read-only, no record locks
  TKsMSQuery qryGeneric5{QStringLiteral("qryGeneric5")};
  // The head count's rows (the head count layout reads them as dsHeadCount).
  TKsMSQuery qryHeadCount{QStringLiteral("qryHeadCount")};

  TKsMSQuery tblJailTransLog{QStringLiteral("tblJailTransLog")};
  TKsMSSearchQuery tblJailBook{QStringLiteral("tblJailBook")};
  TKsMSSearchQuery tblJailHistory{QStringLiteral("tblJailHistory")};
  TKsMSSearchQuery qryLoadInmatePopulation{QStringLiteral("qryLoadInmatePopulation")};
  TKsMSTable tblAveStay{QStringLiteral("tblAveStay")};

  // The facility dialog over the report configuration's facility table; on
  // OK that table stands on the facility chosen.
  TKsLookupDialog dlstSelectFaci{QStringLiteral("dlstSelectFaci")};
};

extern TdtmJailAdminReports* dtmJailAdminReports;

// Readies a shared scratch query for its next user: closed, un-prepared,
// without SQL and without the parameters (and their values) of the last one.
void ResetScratchQuery(TKsCustomDataSet& query);
