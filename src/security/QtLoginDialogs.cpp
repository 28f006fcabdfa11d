#include "security/QtLoginDialogs.h"

#include "core/Exception.h"
#include "security/ChangePasswordModel.h"
#include "security/fmChangePasswordDlg.h"
#include "security/fmLoginDialog.h"

#include <QApplication>

namespace {

void RequireWidgets() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
    throw Exception(QStringLiteral("The login dialog cannot be shown without a window system."));
}

}  // namespace

bool TQtLoginDialogs::ExecuteLoginDialog(TLoginDialogModel& AModel) {
  RequireWidgets();
  TfrmLoginDialog dialog(AModel);
  return dialog.exec() == QDialog::Accepted;
}

bool TQtLoginDialogs::ExecuteChangePasswordDialog(TChangePasswordModel& AModel) {
  RequireWidgets();
  TfrmChangePasswordDlg dialog(AModel);
  return dialog.exec() == QDialog::Accepted && AModel.Changed();
}
