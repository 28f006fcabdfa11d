#include "app/ReportFamilyRegistration.h"

#include "reports/framework/ReportCatalogue.h"

void RegisterReportFamilies(TReportCatalogue& ACatalogue) {
  // No report family has joined the build yet; each adds its call here.
  (void)ACatalogue;
}
