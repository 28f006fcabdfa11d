#include "security/ChangePasswordModel.h"
#include "data/KsSQLText.h"

#include "core/UserPrompts.h"
#include "security/LoginDialogModel.h"
#include "security/dmAccess.h"

TChangePasswordModel::TChangePasswordModel(TdtmAccess& AAccess)
    : FAccess(AAccess), FMessage(DefaultMessage()) {}

QString TChangePasswordModel::DefaultMessage() {
  return QStringLiteral("Your password has expired. Please enter a new one.");
}

void TChangePasswordModel::SetUserName(const QString& AUserName) {
  const QString name = AUserName.toUpper();
  if (!FAccess.CheckUserExists(name))
    throw EUserDoesNotExist(QStringLiteral("User ") + KsSQLText::QuotedStr(name) +
                            QStringLiteral(" does not exist."));
  FUserName = name;
}

void TChangePasswordModel::SetMessage(const QString& AMessage) {
  FMessageVisible = !AMessage.isEmpty();
  if (FMessageVisible) FMessage = AMessage;
}

void TChangePasswordModel::SetOldPassword(const QString& AText) {
  FOldPassword = LoginEntryText(AText);
}

void TChangePasswordModel::SetNewPassword(const QString& AText) {
  FNewPassword = LoginEntryText(AText);
}

void TChangePasswordModel::SetConfirmPassword(const QString& AText) {
  FConfirmPassword = LoginEntryText(AText);
}

TChangePasswordField TChangePasswordModel::FirstField() const {
  return FRequireOldPassword ? TChangePasswordField::cpfOldPassword
                             : TChangePasswordField::cpfNewPassword;
}

void TChangePasswordModel::Show() {
  FOldPassword.clear();
  FNewPassword.clear();
  FConfirmPassword.clear();
  FFocus = FirstField();
}

bool TChangePasswordModel::Ok() {
  if (FRequireOldPassword && !FAccess.CheckUserPassWord(FUserName, FOldPassword)) {
    UserPrompts().ShowWarning(QStringLiteral("The old password is incorrect."));
    Show();
    return false;
  }
  if (FNewPassword != FConfirmPassword) {
    UserPrompts().ShowWarning(
        QStringLiteral("The passwords you typed do not match. Type the same \n"
                       "password in both text boxes."));
  } else {
    QString error;
    if (FAccess.UpdateUserPassword(FUserName, FNewPassword, error)) {
      FChanged = true;
      return true;
    }
    UserPrompts().ShowWarning(error);
  }
  FNewPassword.clear();
  FConfirmPassword.clear();
  FFocus = TChangePasswordField::cpfNewPassword;
  return false;
}
