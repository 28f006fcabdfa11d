#include "app/StartupModules.h"

#include "app/ReportFamilyRegistration.h"
#include "app/fmJBReportsMain.h"
#include "config/dmCharges.h"
#include "config/dmJAILCFG.h"
#include "config/dmJailAdminReportsConfig.h"
#include "config/dmJailConfigIni.h"
#include "config/dmMastCfg.h"
#include "config/dmSharedINI.h"
#include "data/dmJailAdminReports.h"
#include "data/utTransLog.h"
#include "reports/framework/ReportCatalogue.h"
#include "security/dmAccess.h"

#include <QCoreApplication>

namespace {
// The access module answers for the logged-in user while it exists.
QString AccessLoginPerNo(const QString& login) {
  return dtmAccess ? dtmAccess->GetLoginPERNO(login) : QString();
}

QString AccessUserAgency() {
  if (!dtmAccess || dtmAccess->UserName().isEmpty()) return {};
  return dtmAccess->GetUserPrimaryAgency(dtmAccess->UserName());
}

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
      // Every transaction-log entry carries the personnel number of its
      // user. Ending the login session may fail; that is reported and the
      // shutdown goes on.
      GlobalSlot<TdtmAccess>(
          QStringLiteral("dtmAccess"), 1, dtmAccess, [] { return new TdtmAccess(); },
          [](TdtmAccess&) { SetTransLogPerNoLookup(AccessLoginPerNo); },
          [](TdtmAccess& access) {
            SetTransLogPerNoLookup({});
            access.Logout();
          }),
      GlobalSlot<TdtmJAILCFG>(QStringLiteral("dtmJAILCFG"), 1, dtmJAILCFG,
                              [] { return new TdtmJAILCFG(); }),
      GlobalSlot<TdtmSharedINI>(QStringLiteral("dtmSharedINI"), 1, dtmSharedINI,
                                [] { return new TdtmSharedINI(); }),
      // Report headers name the logged-in user's own agency when there is one.
      GlobalSlot<TdtmMastCfg>(
          QStringLiteral("dtmMastCfg"), 2, dtmMastCfg, [] { return new TdtmMastCfg(); },
          [](TdtmMastCfg& cfg) { cfg.OnGetUserAgency = AccessUserAgency; }),
      GlobalSlot<TdtmCharges>(QStringLiteral("dtmCharges"), 3, dtmCharges,
                              [] { return new TdtmCharges(); }),
      GlobalSlot<TdtmJailAdminReportsConfig>(QStringLiteral("dtmJailAdminReportsConfig"), 4,
                                             dtmJailAdminReportsConfig,
                                             [] { return new TdtmJailAdminReportsConfig(); }),
      GlobalSlot<TdtmJailConfigIni>(QStringLiteral("dtmJailConfigIni"), 5, dtmJailConfigIni,
                                    [] { return new TdtmJailConfigIni(); }),
      // The session module reads the master configuration and the report
      // configuration's facility table, created before it.
      GlobalSlot<TdtmJailAdminReports>(
          QStringLiteral("dtmJailAdminReports"), 6, dtmJailAdminReports,
          [] { return new TdtmJailAdminReports(); },
          [](TdtmJailAdminReports& session) { session.OnGetPersonnelNumber = AccessLoginPerNo; }),
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
                                          QCoreApplication::arguments().mid(1), ReportCatalogue());
                                    }),
  };
}

std::function<bool()> ProgramUserAbortedLogin() {
  // The window sets it in the session module, and keeps it itself for when
  // that module could not be reached.
  return [] {
    return (dtmJailAdminReports && dtmJailAdminReports->xbUserAbortLogin) ||
           (frmJBReportsMain && frmJBReportsMain->UserAbortedLogin());
  };
}
