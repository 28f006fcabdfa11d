#pragma once

#include "app/StartupPrompts.h"
#include "cli/RunWorkstation.h"
#include "core/UserPrompts.h"
#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/ReportSettingsStorage.h"
#include "reports/framework/ParameterDialogs.h"
#include "reports/framework/ReportOutput.h"
#include "security/LoginDialogs.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class TReportCatalogue;
struct TReportCatalogueEntry;
class TStartupSequence;

// Who logs in for a headless session, and on which database.
struct THeadlessLogin {
  QString Database;  // empty: the configured installation
  // The suite's command-line user and level (no password); empty when the
  // login dialog is answered instead.
  QString AsUser;
  QString Level;
};

// The program as the catalogue window has it after start-up, without a
// screen: the program's own start-up sequence (modules in their order, then
// the catalogue window with its login and facility choice, answered by the
// given prompts and login dialogs), the report devices, and report dialogs
// and output as given. Command-line runs and benchmarks run catalogue
// entries in it.
class THeadlessSession {
 public:
  THeadlessSession(const THeadlessLogin& login, IUserPrompts& prompts, ILoginDialogs& logins,
                   IParameterDialogs& dialogs, IReportOutput& output, TReportCatalogue& catalogue);
  ~THeadlessSession();
  THeadlessSession(const THeadlessSession&) = delete;
  THeadlessSession& operator=(const THeadlessSession&) = delete;

  // False when the login or the facility choice did not complete.
  bool LoggedIn() const;
  // Whether the window would let this user click the entry.
  bool EntryAllowed(const TReportCatalogueEntry& entry) const;
  void Run(const TReportCatalogueEntry& entry);

 private:
  TReportCatalogue& FCatalogue;
  std::optional<TRunWorkstation> FWorkstation;
  TUserPromptsScope FPromptsScope;
  TParameterDialogsScope FDialogsScope;
  TLoginDialogsScope FLoginScope;
  TReportOutputScope FOutputScope;
  TStandardDeviceRegistration FDevices;
  TppIniNoneRegistration FSettingsStorage;
  // Start-up's messages go to the session's prompts.
  class TStartupMessages : public IStartupPrompts {
   public:
    void ShowError(const QString& message) override { UserPrompts().ShowError(message); }
    void ShowInformation(const QString& message) override {
      UserPrompts().ShowInformation(message);
    }
  } FStartupMessages;
  std::unique_ptr<TStartupSequence> FStartup;
  bool FRunning = false;
};
