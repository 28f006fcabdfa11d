#include "cli/HeadlessSession.h"

#include "app/ReportFamilyRegistration.h"
#include "app/StartupModules.h"
#include "app/StartupSequence.h"
#include "app/fmJBReportsMain.h"
#include "reports/framework/ReportCatalogue.h"

#include <QAction>

THeadlessSession::THeadlessSession(const THeadlessLogin& login, IUserPrompts& prompts,
                                   ILoginDialogs& logins, IParameterDialogs& dialogs,
                                   IReportOutput& output, TReportCatalogue& catalogue)
    : FCatalogue(catalogue),
      FPromptsScope(prompts),
      FDialogsScope(dialogs),
      FLoginScope(logins),
      FOutputScope(output) {
  if (!login.Database.isEmpty()) FWorkstation.emplace(login.Database);
  RegisterReportFamilies(FCatalogue);
  const QStringList arguments =
      login.AsUser.isEmpty() ? QStringList() : QStringList{login.AsUser, login.Level};
  // The program's start-up, with the window made from this session's
  // arguments and catalogue rather than the process's.
  std::vector<TStartupSlot> startupSlots = ProgramStartupSlots();
  for (TStartupSlot& slot : startupSlots)
    if (slot.Step == TStartupSequence::StepCount)
      slot = GlobalSlot<TfrmJBReportsMain>(
          slot.GlobalName, slot.Step, frmJBReportsMain,
          [this, arguments] { return new TfrmJBReportsMain(arguments, FCatalogue); });
  FStartup = std::make_unique<TStartupSequence>(std::move(startupSlots), FStartupMessages);
  FStartup->SetUserAbortedLogin(ProgramUserAbortedLogin());
  FRunning = FStartup->Start() == TStartupOutcome::Running;
  if (FRunning) {
    frmJBReportsMain->SetAccessLevel();
    frmJBReportsMain->UpdateActions();
  }
}

THeadlessSession::~THeadlessSession() {
  if (!FRunning) return;
  ReleaseReportFamilies();
  FStartup->Shutdown();
}

bool THeadlessSession::LoggedIn() const {
  return FRunning;
}

bool THeadlessSession::EntryAllowed(const TReportCatalogueEntry& entry) const {
  const QAction* item = frmJBReportsMain->MenuItem(entry.ItemName);
  return !item || item->isEnabled();
}

void THeadlessSession::Run(const TReportCatalogueEntry& entry) {
  FCatalogue.Run(entry);
}
