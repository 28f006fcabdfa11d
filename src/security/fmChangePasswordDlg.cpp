#include "security/fmChangePasswordDlg.h"

#include "security/ChangePasswordModel.h"
#include "security/LoginDialogs.h"
#include "security/UpperCaseValidator.h"
#include "security/dmAccess.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <memory>

namespace {

QLineEdit* PasswordEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setEchoMode(QLineEdit::Password);
  edit->setValidator(new TUpperCaseValidator(edit));
  return edit;
}

}  // namespace

TfrmChangePasswordDlg::TfrmChangePasswordDlg(TChangePasswordModel& AModel, QWidget* parent)
    : QDialog(parent), FModel(AModel) {
  setObjectName(QStringLiteral("frmChangePasswordDlg"));
  setWindowTitle(QStringLiteral("Change Password"));

  pnlMessage = new QFrame(this);
  pnlMessage->setObjectName(QStringLiteral("pnlMessage"));
  pnlMessage->setFrameShape(QFrame::StyledPanel);
  lblMessage = new QLabel(AModel.Message(), pnlMessage);
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setWordWrap(true);
  auto* messageLayout = new QHBoxLayout(pnlMessage);
  messageLayout->addWidget(lblMessage);
  pnlMessage->setVisible(AModel.MessageVisible());

  edtUserName = new QLineEdit(AModel.UserName(), this);
  edtUserName->setObjectName(QStringLiteral("edtUserName"));
  edtUserName->setReadOnly(true);
  edtUserName->setFocusPolicy(Qt::NoFocus);
  lblUserName = new QLabel(QStringLiteral("User Name"), this);

  pnlOldPassword = new QFrame(this);
  pnlOldPassword->setObjectName(QStringLiteral("pnlOldPassword"));
  edtOldPassword = PasswordEdit(pnlOldPassword, "edtOldPassword");
  lblOldPassword = new QLabel(QStringLiteral("&Old Password"), pnlOldPassword);
  lblOldPassword->setBuddy(edtOldPassword);
  auto* oldLayout = new QFormLayout(pnlOldPassword);
  oldLayout->setContentsMargins(0, 0, 0, 0);
  oldLayout->addRow(lblOldPassword, edtOldPassword);
  pnlOldPassword->setVisible(AModel.RequireOldPassword());

  edtNewPassword = PasswordEdit(this, "edtNewPassword");
  lblNewPassword = new QLabel(QStringLiteral("&New Password"), this);
  lblNewPassword->setBuddy(edtNewPassword);
  edtConfirmPassword = PasswordEdit(this, "edtConfirmPassword");
  lblConfirmPassword = new QLabel(QStringLiteral("&Confirm New Password"), this);
  lblConfirmPassword->setBuddy(edtConfirmPassword);

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));

  auto* fields = new QFormLayout;
  fields->addRow(lblUserName, edtUserName);
  fields->addRow(pnlOldPassword);
  fields->addRow(lblNewPassword, edtNewPassword);
  fields->addRow(lblConfirmPassword, edtConfirmPassword);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pnlMessage);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (QLineEdit* edit : {edtOldPassword, edtNewPassword, edtConfirmPassword})
    edit->installEventFilter(this);
  connect(btnOK, &QPushButton::clicked, this, &TfrmChangePasswordDlg::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmChangePasswordDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  FModel.Show();
  ShowModel();
}

QLineEdit* TfrmChangePasswordDlg::PasswordBox(int AField) const {
  switch (static_cast<TChangePasswordField>(AField)) {
    case TChangePasswordField::cpfOldPassword:
      return edtOldPassword;
    case TChangePasswordField::cpfNewPassword:
      return edtNewPassword;
    case TChangePasswordField::cpfConfirmPassword:
      break;
  }
  return edtConfirmPassword;
}

void TfrmChangePasswordDlg::ShowModel() {
  edtOldPassword->setText(FModel.OldPassword());
  edtNewPassword->setText(FModel.NewPassword());
  edtConfirmPassword->setText(FModel.ConfirmPassword());
  PasswordBox(static_cast<int>(FModel.FocusField()))->setFocus();
}

bool TfrmChangePasswordDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == edtOldPassword)
        edtNewPassword->setFocus();
      else if (watched == edtNewPassword)
        edtConfirmPassword->setFocus();
      else
        btnOK->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmChangePasswordDlg::btnOKClick() {
  FModel.SetOldPassword(edtOldPassword->text());
  FModel.SetNewPassword(edtNewPassword->text());
  FModel.SetConfirmPassword(edtConfirmPassword->text());
  if (FModel.Ok())
    accept();
  else
    ShowModel();
}

bool ShowChangePasswordDialog(const QString& UserName, bool RequireOldPassword,
                              const QString& Message, TdtmAccess* AAccess, QString* NewPassword) {
  std::unique_ptr<TdtmAccess> own;
  TdtmAccess* access = AAccess ? AAccess : dtmAccess;
  if (!access) {
    own = std::make_unique<TdtmAccess>();
    access = own.get();
  }
  TChangePasswordModel model(*access);
  model.SetUserName(UserName);
  model.SetRequireOldPassword(RequireOldPassword);
  model.SetMessage(Message);
  const bool changed = LoginDialogs().ExecuteChangePasswordDialog(model) && model.Changed();
  if (changed && NewPassword) *NewPassword = model.NewPassword();
  return changed;
}
