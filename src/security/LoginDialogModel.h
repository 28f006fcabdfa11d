#pragma once

#include <QString>

// User names and passwords of the suite are entered in capitals: the edit
// boxes turn whatever is typed into upper case.
QString LoginEntryText(const QString& ATyped);

// What the login dialog shows and collects. The view and the scripted
// answers both fill it, so both send the same upper-cased texts.
class TLoginDialogModel {
 public:
  QString Caption;
  // The check box "Change password after login" is offered.
  bool AllowChangePassword = false;
  bool ChangePasswordAfterLogin = false;

  const QString& UserName() const { return FUserName; }
  void SetUserName(const QString& AText) { FUserName = LoginEntryText(AText); }
  const QString& Password() const { return FPassword; }
  void SetPassword(const QString& AText) { FPassword = LoginEntryText(AText); }

 private:
  QString FUserName;
  QString FPassword;
};
