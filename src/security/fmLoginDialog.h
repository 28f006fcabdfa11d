#pragma once

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TLoginDialogModel;

// The login window: user name and password (both in capitals, the password
// masked), a picture, the optional "Change password after login" check box
// on its own panel, Login and Cancel. Not resizable, centred, without border
// icons; the main window, if there is one, is disabled while it is shown.
// Keys: Enter in the user name moves on, Enter in the password or on the
// check box logs in, Esc cancels.
class TfrmLoginDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmLoginDialog(TLoginDialogModel& AModel, QWidget* parent = nullptr);
  ~TfrmLoginDialog() override;

  QLabel* imgLogin = nullptr;
  QLabel* lblUserName = nullptr;
  QLineEdit* edtUserName = nullptr;
  QLabel* lblPassword = nullptr;
  QLineEdit* edtPassword = nullptr;
  QFrame* pnlChangePassword = nullptr;
  QCheckBox* chkChangePassword = nullptr;
  QPushButton* btnLogin = nullptr;
  QPushButton* btnCancel = nullptr;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void btnLoginClick();
  void EnableMainWindow();

  TLoginDialogModel& FModel;
  QPointer<QWidget> FDisabledMainWindow;
};

// Shows the login dialog with the caption; the check box is offered when
// AllowChangePassword. Returns whether Login was pressed; the out values
// hold the entered texts and whether the check box was ticked.
bool ShowLoginDialog(const QString& Caption, bool AllowChangePassword, QString& UserName,
                     bool& RequestChangePassword, QString& Password);
