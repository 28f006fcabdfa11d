#include "cli/DemoJailData.h"

#include "cli/DemoBookingDetails.h"
#include "cli/DemoBookingWriter.h"
#include "cli/DemoBookings.h"
#include "cli/DemoConfigData.h"
#include "cli/DemoContext.h"
#include "cli/DemoCustody.h"
#include "cli/DemoDisciplinary.h"
#include "cli/DemoIncidents.h"
#include "cli/DemoJailLog.h"
#include "cli/DemoMedical.h"
#include "cli/DemoPictures.h"
#include "cli/DemoProperty.h"
#include "cli/DemoStatistics.h"
#include "cli/DemoSuite.h"
#include "cli/DemoVisitors.h"

void FillDemoJail(sqlite3* db, quint64 seed, int scale, const QDate& today) {
  TDemoContext context(db, seed, scale, today);

  // A pool of booking photographs shared out to the people: drawing one per
  // person would cost time and space for nothing a report shows.
  TDemoRandom pictures = context.Random("pictures");
  for (int i = 0; i < 48; ++i) context.Photos.push_back(DemoPortraitJpeg(pictures));
  context.Logo = DemoLogoJpeg();

  WriteDemoHousing(context);
  WriteDemoCodeTables(context);
  BuildDemoStaff(context);
  BuildDemoBookings(context);
  WriteDemoBookings(context);
  WriteDemoCustody(context);
  WriteDemoBookingDetails(context);
  WriteDemoJailLog(context);
  WriteDemoVisitors(context);
  WriteDemoIncidents(context);
  WriteDemoProperty(context);
  WriteDemoDisciplinary(context);
  WriteDemoMedical(context);
  WriteDemoStatistics(context);
  WriteDemoSuite(context);
}
