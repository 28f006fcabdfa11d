#include "app/ProgramStartup.h"

#include "app/CrashReportSink.h"
#include "app/QtUserPrompts.h"
#include "app/ReportFamilyRegistration.h"
#include "app/StartupModules.h"
#include "app/StartupPrompts.h"
#include "app/StartupSequence.h"
#include "app/StepProgressBar.h"
#include "app/fmJBReportsMain.h"
#include "app/fmJail_Progress.h"
#include "app/fmSplash.h"
#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/ReportSettingsStorage.h"
#include "reports/framework/QtParameterDialogs.h"
#include "security/LoginDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <cstdio>
#include <optional>

namespace {
// Without a display Qt would abort with its own plugin message; say what is
// wrong and what still works instead.
bool DisplayAvailable(int argc, char** argv) {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
      qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
    return true;
  for (int i = 1; i < argc; ++i) {
    const QByteArray arg = argv[i];
    if (arg == "-platform" || arg == "--platform") return true;
  }
  return false;
}

// Nobody can type into a login window off screen: it counts as cancelled, so
// start-up ends through the abort path instead of waiting for ever.
class TNoScreenLoginDialogs : public ILoginDialogs {
 public:
  bool ExecuteLoginDialog(TLoginDialogModel&) override {
    std::fprintf(stderr, "No screen to log in on (platform %s): the login is cancelled.\n",
                 qUtf8Printable(QGuiApplication::platformName()));
    return false;
  }
  bool ExecuteChangePasswordDialog(TChangePasswordModel&) override { return false; }
};

void RestoreDefaultCursor() {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (frmSplash) frmSplash->unsetCursor();
}

// Whatever the main window left alive of the two start-up windows.
void FreeStartupWindows() {
  delete frmJail_Progress.data();
  delete frmSplash.data();
}
}  // namespace

int RunGuiProgram(int& argc, char** argv) {
  if (!DisplayAvailable(argc, argv)) {
    std::fprintf(stderr,
                 "No display found (DISPLAY and WAYLAND_DISPLAY are unset), so the window cannot "
                 "open.\nSee tallyhouse --help for the commands that run without one, or set "
                 "QT_QPA_PLATFORM=offscreen.\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(ApplicationTitle());
  // With a screen the handlers' messages and questions are real dialogs;
  // without one they stay on standard error, answered as dismissed.
  TQtUserPrompts qtPrompts;
  std::optional<TUserPromptsScope> promptsScope;
  if (TGuiStartupPrompts::HasScreen()) promptsScope.emplace(qtPrompts);
  // An error nobody handled gets the crash dialog and a crash log; without a
  // screen nobody could close the dialog, so it stays a message on standard
  // error. Installed before start-up, so the login's lines reach it.
  TCrashReportSink crashReports;
  std::optional<TErrorReportingSinkScope> crashReportScope;
  if (TGuiStartupPrompts::HasScreen()) crashReportScope.emplace(crashReports);
  // Report dialogs are real windows; report pages go to the modal preview
  // (the report output's default); the engine's devices and its settings
  // storage that remembers nothing live until the program ends.
  QtParameterDialogs qtDialogs;
  TParameterDialogsScope dialogsScope(qtDialogs);
  TStandardDeviceRegistration devices;
  TppIniNoneRegistration settingsStorage;
  TNoScreenLoginDialogs noScreenLogin;
  std::optional<TLoginDialogsScope> loginScope;
  if (!TGuiStartupPrompts::HasScreen()) loginScope.emplace(noScreenLogin);

  frmSplash = new TfrmSplash();
  frmSplash->setCursor(Qt::WaitCursor);
  frmSplash->pbarPrimary->setVisible(true);
  frmSplash->lblPrimaryCaption->setVisible(true);
  frmSplash->show();

  TGuiStartupPrompts prompts;
  TStartupSequence sequence(ProgramStartupSlots(), prompts);
  sequence.SetSplashStep([](int iMax, const QString& caption) {
    if (frmSplash) frmSplash->PrimaryStepIt(iMax, caption);
  });
  sequence.SetUserAbortedLogin(ProgramUserAbortedLogin());

  const TStartupOutcome outcome = sequence.Start();
  RestoreDefaultCursor();

  int status = 0;
  switch (outcome) {
    case TStartupOutcome::Failed:
      status = 1;
      break;
    case TStartupOutcome::Aborted:
      break;
    case TStartupOutcome::Running:
      if (frmJail_Progress) {
        frmJail_Progress->setWindowTitle(
            QStringLiteral("Initializing Facility Reports (Can Take A Few Seconds)..."));
        frmJail_Progress->prgJAIL->StepIt();
      }
      if (frmJBReportsMain) frmJBReportsMain->show();
      status = app.exec();
      ReleaseReportFamilies();
      sequence.Shutdown();
      break;
  }
  FreeStartupWindows();
  return status;
}
