#include "reports/framework/ReportDataModule.h"

#include "data/dmJailAdminReports.h"
#include "reports/framework/ReportRun.h"

TReportDataModule::TReportDataModule() {
  dbJAIL.SetKsConfigInfo(FKsConfigInfo.Get());
  dbJAIL.SetProgramName(QStringLiteral("JAIL"));
  dbJAIL.SetLoginPrompt(false);
  qryJailTransLog.SetConnection(&dbJAIL);
  qryJailTransLog.SQL().SetLines({QStringLiteral("SELECT * FROM JAILTRANSLOG")});
}

TReportDataModule::~TReportDataModule() = default;

void TReportDataModule::TakeSession() {
  TdtmJailAdminReports& session = ReportSession();
  xsJBUserName = session.xsJBUserName;
  xsFacilityID = session.xsFacilityID;
}

void TReportDataModule::WriteReportsTransLog(const QString& Key1, const QString& Key2,
                                             TksTransEventType Event, const QString& EventTable,
                                             const QString& Note2, const QString& Key3) {
  WriteReportsTransLogEntry(&qryJailTransLog, xsJBUserName, Key1, Key2, Event, EventTable, Note2,
                            Key3);
}

TAgencyBlock& TReportDataModule::Agency() {
  if (!FAgency) FAgency = std::make_unique<TAgencyBlock>();
  return *FAgency;
}
