#include "cli/HeadlessSession.h"

#include "app/ReportFamilyRegistration.h"
#include "app/StartupModules.h"
#include "app/fmJBReportsMain.h"
#include "reports/framework/ReportCatalogue.h"

#include <QAction>

// The modules start-up creates before the catalogue window, in its order,
// destroyed in reverse order however the session ends.
class TRunModules {
 public:
  TRunModules() {
    for (const TStartupSlot& slot : ProgramStartupSlots())
      if (slot.Available() && slot.Step < TStartupSequence::StepCount) FSlots.push_back(slot);
    for (const TStartupSlot& slot : FSlots) {
      slot.Create();
      ++FCreated;
    }
  }
  ~TRunModules() {
    for (int i = FCreated - 1; i >= 0; --i) {
      try {
        FSlots[size_t(i)].Destroy();
      } catch (...) {
        // Ending the session must not hide the run's own outcome.
      }
    }
  }
  TRunModules(const TRunModules&) = delete;
  TRunModules& operator=(const TRunModules&) = delete;

 private:
  std::vector<TStartupSlot> FSlots;
  int FCreated = 0;
};

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
  FModules = std::make_unique<TRunModules>();
  const QStringList arguments =
      login.AsUser.isEmpty() ? QStringList() : QStringList{login.AsUser, login.Level};
  FWindow = std::make_unique<TfrmJBReportsMain>(arguments, FCatalogue);
  frmJBReportsMain = FWindow.get();
  if (LoggedIn()) {
    FWindow->SetAccessLevel();
    FWindow->UpdateActions();
  }
}

THeadlessSession::~THeadlessSession() {
  ReleaseReportFamilies();
  frmJBReportsMain = nullptr;
  FWindow.reset();
  FModules.reset();
}

bool THeadlessSession::LoggedIn() const {
  return FWindow && !FWindow->UserAbortedLogin();
}

bool THeadlessSession::EntryAllowed(const TReportCatalogueEntry& entry) const {
  const QAction* item = FWindow->MenuItem(entry.ItemName);
  return !item || item->isEnabled();
}

void THeadlessSession::Run(const TReportCatalogueEntry& entry) {
  FCatalogue.Run(entry);
}
