#pragma once

#include "security/LoginDialogs.h"

#include <QString>

#include <deque>
#include <vector>

// Login and password dialogs answered from answers given beforehand (tests,
// headless runs). The answers fill the same models as the windows and run
// the same checks, so a wrong old password or a refused new one meets the
// same warnings. A dialog with no answer left fails loudly
// (EScriptedPromptError) unless it is told to cancel instead.
class TScriptedLoginDialogs : public ILoginDialogs {
 public:
  // The next login dialog: these texts typed, then Login.
  void AddLogin(const QString& AUserName, const QString& APassword,
                bool AChangePasswordAfterLogin = false);
  // The next login dialog is cancelled.
  void AddLoginCancel();
  // The next attempt in a password dialog: the texts typed, then OK. A null
  // confirmation repeats the new password. A dialog whose attempt is
  // refused takes the next attempt, as a user would try again.
  void AddPasswordChange(const QString& ANewPassword, const QString& AConfirmPassword = QString(),
                         const QString& AOldPassword = QString());
  // The password dialog is cancelled.
  void AddPasswordCancel();
  // Dialogs without an answer are cancelled rather than failing (headless
  // runs that were given one login only).
  void SetCancelWhenExhausted(bool AValue) { FCancelWhenExhausted = AValue; }

  struct TShownLoginDialog {
    QString Caption;
    bool AllowChangePassword = false;
  };
  struct TShownPasswordDialog {
    QString UserName;
    bool RequireOldPassword = false;
    bool MessageVisible = false;
    QString Message;
    int Attempts = 0;  // OK presses
    bool Changed = false;
  };
  const std::vector<TShownLoginDialog>& ShownLoginDialogs() const { return FShownLogins; }
  const std::vector<TShownPasswordDialog>& ShownPasswordDialogs() const { return FShownPasswords; }
  bool AllAnswersUsed() const { return FLogins.empty() && FPasswords.empty(); }

  bool ExecuteLoginDialog(TLoginDialogModel& AModel) override;
  bool ExecuteChangePasswordDialog(TChangePasswordModel& AModel) override;

 private:
  struct TLoginAnswer {
    bool Cancel = false;
    QString UserName;
    QString Password;
    bool ChangePasswordAfterLogin = false;
  };
  struct TPasswordAnswer {
    bool Cancel = false;
    QString OldPassword;
    QString NewPassword;
    QString ConfirmPassword;
  };
  std::deque<TLoginAnswer> FLogins;
  std::deque<TPasswordAnswer> FPasswords;
  std::vector<TShownLoginDialog> FShownLogins;
  std::vector<TShownPasswordDialog> FShownPasswords;
  bool FCancelWhenExhausted = false;
};
