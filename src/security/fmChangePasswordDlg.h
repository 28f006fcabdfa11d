#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TChangePasswordModel;
class TdtmAccess;

// The window over TChangePasswordModel: the message panel (only with a
// message), the user name (read-only), the old password (only when it is
// required), new password and confirmation, OK and Cancel. All password
// boxes are masked and take capitals. Enter moves from the old to the new
// to the confirmation and then presses OK.
class TfrmChangePasswordDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmChangePasswordDlg(TChangePasswordModel& AModel, QWidget* parent = nullptr);

  QFrame* pnlMessage = nullptr;
  QLabel* lblMessage = nullptr;
  QLabel* lblUserName = nullptr;
  QLineEdit* edtUserName = nullptr;
  QFrame* pnlOldPassword = nullptr;
  QLabel* lblOldPassword = nullptr;
  QLineEdit* edtOldPassword = nullptr;
  QLabel* lblNewPassword = nullptr;
  QLineEdit* edtNewPassword = nullptr;
  QLabel* lblConfirmPassword = nullptr;
  QLineEdit* edtConfirmPassword = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void btnOKClick();
  // The boxes and the focus as the model has them.
  void ShowModel();
  QLineEdit* PasswordBox(int AField) const;

  TChangePasswordModel& FModel;
};

// Changes the password of UserName (an unknown user is an EUserDoesNotExist
// error). The old password is asked only when RequireOldPassword; a
// non-empty Message is shown above the fields. Returns whether the password
// was changed; the new one is put in NewPassword when given. AAccess is the
// access module to work with: by default the program's, or one created for
// the call when there is none.
bool ShowChangePasswordDialog(const QString& UserName, bool RequireOldPassword,
                              const QString& Message, TdtmAccess* AAccess = nullptr,
                              QString* NewPassword = nullptr);
