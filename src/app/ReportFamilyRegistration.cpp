#include "app/ReportFamilyRegistration.h"

#include "reports/framework/ReportCatalogue.h"
#include "reports/inmates/InmateCounts.h"
#include "reports/inmates/RostersByName.h"
#include "reports/inmates/dmInmNameLongRpt.h"
#include "reports/operations/JailLogReports.h"

void RegisterReportFamilies(TReportCatalogue& ACatalogue) {
  RegisterInmatesRostersByNameHandlers(ACatalogue);
  RegisterInmatesCountsHandlers(ACatalogue);
  RegisterOperationsJailLogHandlers(ACatalogue);
}

void ReleaseReportFamilies() {
  FreeInmNameLongRpt();
}
