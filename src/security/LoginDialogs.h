#pragma once

class TChangePasswordModel;
class TLoginDialogModel;

// How the login and password dialogs reach the user. The window uses the Qt
// dialogs (the default); tests and headless runs install scripted answers,
// which fill the same models and run the same checks.
class ILoginDialogs {
 public:
  virtual ~ILoginDialogs() = default;

  // Shows the login dialog over the model; true when Login was pressed, the
  // model then holding what was entered.
  virtual bool ExecuteLoginDialog(TLoginDialogModel& AModel) = 0;
  // Shows the password dialog over the model (user, message and whether the
  // old password is asked are set); true when the password was changed.
  virtual bool ExecuteChangePasswordDialog(TChangePasswordModel& AModel) = 0;
};

// The dialogs in force: the Qt dialogs unless others are installed.
ILoginDialogs& LoginDialogs();
// Installs dialogs (not owned; nullptr restores the Qt dialogs).
void SetLoginDialogs(ILoginDialogs* ADialogs);

// Installs dialogs for a scope and puts back the previous ones after it.
class TLoginDialogsScope {
 public:
  explicit TLoginDialogsScope(ILoginDialogs& ADialogs);
  ~TLoginDialogsScope();
  TLoginDialogsScope(const TLoginDialogsScope&) = delete;
  TLoginDialogsScope& operator=(const TLoginDialogsScope&) = delete;

 private:
  ILoginDialogs* FPrevious;
};
