#include "security/fmLoginDialog.h"

#include "security/LoginDialogModel.h"
#include "security/LoginDialogs.h"
#include "security/UpperCaseValidator.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

bool IsEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

TfrmLoginDialog::TfrmLoginDialog(TLoginDialogModel& AModel, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), FModel(AModel) {
  setObjectName(QStringLiteral("frmLoginDialog"));
  setWindowTitle(AModel.Caption);

  imgLogin = new QLabel(this);
  imgLogin->setObjectName(QStringLiteral("imgLogin"));
  imgLogin->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(48, 48));
  imgLogin->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  edtUserName = new QLineEdit(this);
  edtUserName->setObjectName(QStringLiteral("edtUserName"));
  edtUserName->setValidator(new TUpperCaseValidator(edtUserName));
  lblUserName = new QLabel(QStringLiteral("&User Name:"), this);
  lblUserName->setBuddy(edtUserName);

  edtPassword = new QLineEdit(this);
  edtPassword->setObjectName(QStringLiteral("edtPassword"));
  edtPassword->setEchoMode(QLineEdit::Password);
  edtPassword->setValidator(new TUpperCaseValidator(edtPassword));
  lblPassword = new QLabel(QStringLiteral("&Password:"), this);
  lblPassword->setBuddy(edtPassword);

  pnlChangePassword = new QFrame(this);
  pnlChangePassword->setObjectName(QStringLiteral("pnlChangePassword"));
  chkChangePassword =
      new QCheckBox(QStringLiteral("&Change password after login"), pnlChangePassword);
  chkChangePassword->setObjectName(QStringLiteral("chkChangePassword"));
  auto* panelLayout = new QHBoxLayout(pnlChangePassword);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(chkChangePassword);
  pnlChangePassword->setVisible(AModel.AllowChangePassword);

  btnLogin = new QPushButton(QStringLiteral("&Login"), this);
  btnLogin->setObjectName(QStringLiteral("btnLogin"));
  btnLogin->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));

  auto* fields = new QGridLayout;
  fields->addWidget(lblUserName, 0, 0);
  fields->addWidget(edtUserName, 0, 1);
  fields->addWidget(lblPassword, 1, 0);
  fields->addWidget(edtPassword, 1, 1);
  fields->addWidget(pnlChangePassword, 2, 1);
  edtUserName->setMinimumWidth(180);

  auto* body = new QHBoxLayout;
  body->addWidget(imgLogin);
  body->addLayout(fields);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnLogin);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addLayout(buttons);
  // Not resizable: the window keeps the size its contents need.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  edtUserName->setText(AModel.UserName());
  edtPassword->setText(AModel.Password());
  chkChangePassword->setChecked(AModel.ChangePasswordAfterLogin);

  for (QWidget* w : {static_cast<QWidget*>(edtUserName), static_cast<QWidget*>(edtPassword),
                     static_cast<QWidget*>(chkChangePassword)})
    w->installEventFilter(this);
  connect(btnLogin, &QPushButton::clicked, this, &TfrmLoginDialog::btnLoginClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmLoginDialog::~TfrmLoginDialog() {
  EnableMainWindow();
}

void TfrmLoginDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* main = qobject_cast<QMainWindow*>(top);
    if (main && main->isVisible() && main->isEnabled()) {
      main->setEnabled(false);
      FDisabledMainWindow = main;
      break;
    }
  }
  edtUserName->setFocus();
}

void TfrmLoginDialog::done(int result) {
  EnableMainWindow();
  QDialog::done(result);
}

void TfrmLoginDialog::EnableMainWindow() {
  if (FDisabledMainWindow) FDisabledMainWindow->setEnabled(true);
  FDisabledMainWindow.clear();
}

bool TfrmLoginDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (watched == edtUserName && IsEnter(key)) {
    edtPassword->setFocus();
    return true;
  }
  if ((watched == edtPassword || watched == chkChangePassword) && IsEnter(key)) {
    btnLogin->click();
    return true;
  }
  if (watched == edtPassword && key->key() == Qt::Key_Escape) {
    btnCancel->click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmLoginDialog::btnLoginClick() {
  FModel.SetUserName(edtUserName->text());
  FModel.SetPassword(edtPassword->text());
  FModel.ChangePasswordAfterLogin =
      pnlChangePassword->isVisibleTo(this) && chkChangePassword->isChecked();
  accept();
}

bool ShowLoginDialog(const QString& Caption, bool AllowChangePassword, QString& UserName,
                     bool& RequestChangePassword, QString& Password) {
  TLoginDialogModel model;
  model.Caption = Caption;
  model.AllowChangePassword = AllowChangePassword;
  const bool pressedLogin = LoginDialogs().ExecuteLoginDialog(model);
  UserName = model.UserName();
  Password = model.Password();
  RequestChangePassword = AllowChangePassword && model.ChangePasswordAfterLogin;
  return pressedLogin;
}
