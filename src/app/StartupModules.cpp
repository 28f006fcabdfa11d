#include "app/StartupModules.h"

#include "app/JBReportsMainModules.h"
#include "app/ReportFamilyRegistration.h"
#include "app/fmJBReportsMain.h"
#include "reports/framework/ReportCatalogue.h"

#include <QCoreApplication>

namespace {
// A slot whose module has not joined the build yet.
TStartupSlot EmptySlot(const char* globalName, int step) {
  TStartupSlot slot;
  slot.GlobalName = QString::fromLatin1(globalName);
  slot.Step = step;
  return slot;
}
}  // namespace

std::vector<TStartupSlot> ProgramStartupSlots() {
  return {
      EmptySlot("dtmAccess", 1),
      EmptySlot("dtmJAILCFG", 1),
      EmptySlot("dtmSharedINI", 1),
      EmptySlot("dtmMastCfg", 2),
      EmptySlot("dtmCharges", 3),
      EmptySlot("dtmJailAdminReportsConfig", 4),
      EmptySlot("dtmJailConfigIni", 5),
      EmptySlot("dtmJailAdminReports", 6),
      // Once created: Connection = dtmJailAdminReports->dbJail, the two table
      // names, and ShowWitnessSignatures from the shared settings.
      EmptySlot("dtmSignatures", 7),
      // The login, the access check and the facility choice run inside its
      // creation; its menus come from the catalogue with every family's
      // handlers in it.
      GlobalSlot<TfrmJBReportsMain>(QStringLiteral("frmJBReportsMain"), 8, frmJBReportsMain,
                                    [] {
                                      RegisterReportFamilies(ReportCatalogue());
                                      return new TfrmJBReportsMain(
                                          std::make_unique<TJBReportsMainModules>(),
                                          QCoreApplication::arguments().mid(1), ReportCatalogue());
                                    }),
  };
}

std::function<bool()> ProgramUserAbortedLogin() {
  // The window keeps the session's abort flag until the session module
  // joins the build.
  return [] { return frmJBReportsMain && frmJBReportsMain->UserAbortedLogin(); };
}
