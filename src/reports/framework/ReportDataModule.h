#pragma once

#include "config/DataModuleConfigInfo.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"
#include "data/utTransLog.h"
#include "reports/framework/AgencyBlock.h"

#include <QString>

// What every report data module carries besides its own queries and layout:
// its own jail connection made with the suite's connection settings, its own
// transaction-log query, the user and facility the handler copies in, and
// the agency block its layout heads pages with.
class TReportDataModule {
 public:
  TReportDataModule();
  virtual ~TReportDataModule();
  TReportDataModule(const TReportDataModule&) = delete;
  TReportDataModule& operator=(const TReportDataModule&) = delete;

  // Copies the logged-in user and the facility from the session module.
  void TakeSession();

  // One transaction-log entry for xsJBUserName (note 1 "Jail Reports Module").
  void WriteReportsTransLog(const QString& Key1, const QString& Key2, TksTransEventType Event,
                            const QString& EventTable, const QString& Note2,
                            const QString& Key3 = QString());

  QString xsJBUserName;
  QString xsFacilityID;

 protected:
  // Puts a query of the module on its connection.
  void UseConnection(TKsCustomDataSet& query) { query.SetConnection(&dbJAIL); }
  TAgencyBlock& Agency();

 private:
  TDataModuleConfigInfo FKsConfigInfo;
  std::unique_ptr<TAgencyBlock> FAgency;

 public:
  TKsSQLDatabase dbJAIL{QStringLiteral("dbJAIL")};
  TKsMSQuery qryJailTransLog{QStringLiteral("qryJailTransLog")};
};
