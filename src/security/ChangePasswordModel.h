#pragma once

#include "core/Exception.h"

#include <QString>

class TdtmAccess;

// The password dialog was asked to change the password of a user the
// employee database does not know.
class EUserDoesNotExist : public Exception {
 public:
  using Exception::Exception;
};

enum class TChangePasswordField { cpfOldPassword, cpfNewPassword, cpfConfirmPassword };

// The password dialog without its window: the fields, which field has the
// focus, and what OK does. Warnings go through the prompts seam; the
// password itself is checked and stored only by the server.
class TChangePasswordModel {
 public:
  explicit TChangePasswordModel(TdtmAccess& AAccess);

  // The message panel's text until the caller gives one.
  static QString DefaultMessage();

  // Throws EUserDoesNotExist ("User 'NAME' does not exist.") for an unknown
  // user; the name is kept in capitals.
  void SetUserName(const QString& AUserName);
  const QString& UserName() const { return FUserName; }

  bool RequireOldPassword() const { return FRequireOldPassword; }
  void SetRequireOldPassword(bool AValue) { FRequireOldPassword = AValue; }

  // A non-empty message replaces the default text and shows the panel; an
  // empty one hides it.
  void SetMessage(const QString& AMessage);
  const QString& Message() const { return FMessage; }
  bool MessageVisible() const { return FMessageVisible; }

  const QString& OldPassword() const { return FOldPassword; }
  void SetOldPassword(const QString& AText);
  const QString& NewPassword() const { return FNewPassword; }
  void SetNewPassword(const QString& AText);
  const QString& ConfirmPassword() const { return FConfirmPassword; }
  void SetConfirmPassword(const QString& AText);

  // The dialog is being shown: the three fields empty, the focus on the
  // first password field there is.
  void Show();
  TChangePasswordField FocusField() const { return FFocus; }

  // OK pressed. True when the new password is stored; otherwise the user
  // has been warned, the fields are cleared as the case requires and the
  // dialog stays open.
  bool Ok();
  bool Changed() const { return FChanged; }

 private:
  TChangePasswordField FirstField() const;

  TdtmAccess& FAccess;
  QString FUserName;
  bool FRequireOldPassword = false;
  QString FMessage;
  bool FMessageVisible = false;
  QString FOldPassword;
  QString FNewPassword;
  QString FConfirmPassword;
  TChangePasswordField FFocus = TChangePasswordField::cpfNewPassword;
  bool FChanged = false;
};
