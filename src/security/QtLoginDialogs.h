#pragma once

#include "security/LoginDialogs.h"

// The login and password dialogs as windows (TfrmLoginDialog,
// TfrmChangePasswordDlg). Needs a widget application.
class TQtLoginDialogs : public ILoginDialogs {
 public:
  bool ExecuteLoginDialog(TLoginDialogModel& AModel) override;
  bool ExecuteChangePasswordDialog(TChangePasswordModel& AModel) override;
};
