#include "security/ScriptedLoginDialogs.h"

#include "core/ScriptedPrompts.h"
#include "security/ChangePasswordModel.h"
#include "security/LoginDialogModel.h"

namespace {

// The next answer of a queue; a Cancel when the queue is empty and that is
// allowed.
template <class T>
T Take(std::deque<T>& AQueue, bool ACancelWhenExhausted, const QString& ADialog) {
  if (AQueue.empty()) {
    if (!ACancelWhenExhausted)
      throw EScriptedPromptError(QStringLiteral("No answer was given for the %1.").arg(ADialog));
    T cancel;
    cancel.Cancel = true;
    return cancel;
  }
  T answer = AQueue.front();
  AQueue.pop_front();
  return answer;
}

}  // namespace

void TScriptedLoginDialogs::AddLogin(const QString& AUserName, const QString& APassword,
                                     bool AChangePasswordAfterLogin) {
  FLogins.push_back(TLoginAnswer{false, AUserName, APassword, AChangePasswordAfterLogin});
}

void TScriptedLoginDialogs::AddLoginCancel() {
  FLogins.push_back(TLoginAnswer{true, {}, {}, false});
}

void TScriptedLoginDialogs::AddPasswordChange(const QString& ANewPassword,
                                              const QString& AConfirmPassword,
                                              const QString& AOldPassword) {
  FPasswords.push_back(
      TPasswordAnswer{false, AOldPassword, ANewPassword,
                      AConfirmPassword.isNull() ? ANewPassword : AConfirmPassword});
}

void TScriptedLoginDialogs::AddPasswordCancel() {
  FPasswords.push_back(TPasswordAnswer{true, {}, {}, {}});
}

bool TScriptedLoginDialogs::ExecuteLoginDialog(TLoginDialogModel& AModel) {
  FShownLogins.push_back({AModel.Caption, AModel.AllowChangePassword});
  const auto answer = Take(FLogins, FCancelWhenExhausted,
                           QStringLiteral("login dialog \"%1\"").arg(AModel.Caption));
  if (answer.Cancel) return false;
  AModel.SetUserName(answer.UserName);
  AModel.SetPassword(answer.Password);
  // A box that is not offered cannot be ticked.
  AModel.ChangePasswordAfterLogin = AModel.AllowChangePassword && answer.ChangePasswordAfterLogin;
  return true;
}

bool TScriptedLoginDialogs::ExecuteChangePasswordDialog(TChangePasswordModel& AModel) {
  FShownPasswords.push_back(
      {AModel.UserName(), AModel.RequireOldPassword(), AModel.MessageVisible(), AModel.Message()});
  AModel.Show();
  for (;;) {
    const auto answer = Take(FPasswords, FCancelWhenExhausted,
                             QStringLiteral("password dialog of %1").arg(AModel.UserName()));
    if (answer.Cancel) return false;
    AModel.SetOldPassword(answer.OldPassword);
    AModel.SetNewPassword(answer.NewPassword);
    AModel.SetConfirmPassword(answer.ConfirmPassword);
    ++FShownPasswords.back().Attempts;
    if (AModel.Ok()) {
      FShownPasswords.back().Changed = true;
      return true;
    }
  }
}
