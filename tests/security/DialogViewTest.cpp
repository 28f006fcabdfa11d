#include "SecurityTestDb.h"

#include "fixtures/WidgetEvents.h"
#include "security/ChangePasswordModel.h"
#include "security/LoginDialogModel.h"
#include "security/QtLoginDialogs.h"
#include "security/fmChangePasswordDlg.h"
#include "security/fmLoginDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

namespace {

// Typing into a widget, one character at a time, as the keyboard delivers it.
void Type(QWidget* AWidget, const QString& AText) {
  for (const QChar c : AText) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(AWidget, &press);
  }
}

// Runs `AAction` on the dialog once its event loop runs. (The offscreen
// platform activates no window, so focus is read as the dialog's focus
// widget: the child that gets the keys once the window is active.)
template <class TDialog>
void OnceShown(std::function<void(TDialog*)> AAction) {
  QTimer::singleShot(0, [AAction] {
    auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      ADD_FAILURE() << "the dialog was not shown";
      for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(top); d && d->isVisible()) d->reject();
      return;
    }
    AAction(dialog);
  });
}

// The Qt dialogs are in force for these tests, the rest of the fixture stays.
class DialogViewTest : public SecurityTestDb {
 protected:
  void SetUp() override {
    SecurityTestDb::SetUp();
    FQtScope = std::make_unique<TLoginDialogsScope>(FQt);
  }
  void TearDown() override {
    FQtScope.reset();
    SecurityTestDb::TearDown();
  }

 private:
  TQtLoginDialogs FQt;
  std::unique_ptr<TLoginDialogsScope> FQtScope;
};

TEST_F(DialogViewTest, LoginDialogTakesCapitalsAndEnterWalksToLogin) {
  QMainWindow main;
  main.show();
  OnceShown<TfrmLoginDialog>([&main](TfrmLoginDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Norvale Login: Test");
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->lblUserName->text(), "&User Name:");
    EXPECT_EQ(dialog->lblPassword->text(), "&Password:");
    EXPECT_EQ(dialog->chkChangePassword->text(), "&Change password after login");
    EXPECT_EQ(dialog->btnLogin->text(), "&Login");
    EXPECT_EQ(dialog->btnCancel->text(), "Cancel");
    EXPECT_EQ(dialog->edtPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(dialog->pnlChangePassword->isVisible());
    EXPECT_FALSE(main.isEnabled()) << "the main window waits while the dialog is up";

    Type(dialog->edtUserName, "demo");
    WidgetEvents::Key(dialog->edtUserName, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible()) << "Enter in the user name only moves on";
    EXPECT_EQ(dialog->focusWidget(), dialog->edtPassword);
    Type(dialog->edtPassword, "demo2024");
    dialog->chkChangePassword->setChecked(true);
    WidgetEvents::Key(dialog->edtPassword, Qt::Key_Return);
  });
  QString user, password;
  bool change = false;
  EXPECT_TRUE(ShowLoginDialog("Norvale Login: Test", true, user, change, password));
  EXPECT_EQ(user, "DEMO");
  EXPECT_EQ(password, "DEMO2024");
  EXPECT_TRUE(change);
  EXPECT_TRUE(main.isEnabled());
}

TEST_F(DialogViewTest, LoginDialogWithoutTheCheckBoxAndEscCancels) {
  OnceShown<TfrmLoginDialog>([](TfrmLoginDialog* dialog) {
    EXPECT_FALSE(dialog->pnlChangePassword->isVisible());
    Type(dialog->edtUserName, "demo");
    WidgetEvents::Key(dialog->edtPassword, Qt::Key_Escape);
  });
  QString user, password;
  bool change = true;
  EXPECT_FALSE(ShowLoginDialog("Norvale Login: Test", false, user, change, password));
  EXPECT_FALSE(change);
}

TEST_F(DialogViewTest, EnterOnTheCheckBoxLogsIn) {
  OnceShown<TfrmLoginDialog>([](TfrmLoginDialog* dialog) {
    Type(dialog->edtUserName, "clerk");
    WidgetEvents::Key(dialog->chkChangePassword, Qt::Key_Enter);
  });
  QString user, password;
  bool change = false;
  EXPECT_TRUE(ShowLoginDialog("x", true, user, change, password));
  EXPECT_EQ(user, "CLERK");
  EXPECT_FALSE(change);
}

TEST_F(DialogViewTest, PasswordDialogShowsWhatTheCallerAsksFor) {
  const auto access = NewAccess();
  OnceShown<TfrmChangePasswordDlg>([](TfrmChangePasswordDlg* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Change Password");
    EXPECT_TRUE(dialog->pnlMessage->isVisible());
    EXPECT_EQ(dialog->lblMessage->text(), "Your password has expired and must be changed.");
    EXPECT_FALSE(dialog->pnlOldPassword->isVisible());
    EXPECT_EQ(dialog->edtUserName->text(), "DEMO");
    EXPECT_TRUE(dialog->edtUserName->isReadOnly());
    EXPECT_EQ(dialog->focusWidget(), dialog->edtNewPassword);
    for (QLineEdit* edit :
         {dialog->edtOldPassword, dialog->edtNewPassword, dialog->edtConfirmPassword})
      EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    dialog->btnCancel->click();
  });
  EXPECT_FALSE(ShowChangePasswordDialog(
      "demo", false, "Your password has expired and must be changed.", access.get()));
}

TEST_F(DialogViewTest, PasswordDialogStaysOpenUntilTheChangeIsAccepted) {
  const auto access = NewAccess();
  OnceShown<TfrmChangePasswordDlg>([](TfrmChangePasswordDlg* dialog) {
    EXPECT_FALSE(dialog->pnlMessage->isVisible());
    EXPECT_TRUE(dialog->pnlOldPassword->isVisible());
    EXPECT_EQ(dialog->focusWidget(), dialog->edtOldPassword);
    Type(dialog->edtOldPassword, "demo2024");
    WidgetEvents::Key(dialog->edtOldPassword, Qt::Key_Return);
    EXPECT_EQ(dialog->focusWidget(), dialog->edtNewPassword);
    Type(dialog->edtNewPassword, "winter2025");
    WidgetEvents::Key(dialog->edtNewPassword, Qt::Key_Return);
    EXPECT_EQ(dialog->focusWidget(), dialog->edtConfirmPassword);
    Type(dialog->edtConfirmPassword, "winter2026");
    WidgetEvents::Key(dialog->edtConfirmPassword, Qt::Key_Return);

    // Refused: still open, the two new fields empty, the old one kept.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->edtOldPassword->text(), "DEMO2024");
    EXPECT_EQ(dialog->edtNewPassword->text(), QString());
    EXPECT_EQ(dialog->edtConfirmPassword->text(), QString());
    EXPECT_EQ(dialog->focusWidget(), dialog->edtNewPassword);

    Type(dialog->edtNewPassword, "winter2025");
    Type(dialog->edtConfirmPassword, "winter2025");
    dialog->btnOK->click();
  });
  QString newPassword;
  EXPECT_TRUE(ShowChangePasswordDialog("DEMO", true, QString(), access.get(), &newPassword));
  EXPECT_EQ(newPassword, "WINTER2025");
  EXPECT_EQ(Texts(TPromptKind::pkWarning),
            QStringList({"The passwords you typed do not match. Type the same \n"
                         "password in both text boxes."}));
  EXPECT_TRUE(access->CheckUserPassWord("DEMO", "WINTER2025"));
}

}  // namespace
