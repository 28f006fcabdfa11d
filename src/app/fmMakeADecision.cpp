#include "app/fmMakeADecision.h"

#include "app/fmChoiceDialog.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kWidth = 493;
constexpr int kHeight = 98;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 12;

}  // namespace

TfrmMakeADecision::TfrmMakeADecision(QWidget* parent)
    : TNrvThemeForm(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmMakeADecision"));
  setWindowTitle(QStringLiteral("Make A Decision"));
  setFixedSize(kWidth, kHeight);

  lblMessage = new QLabel(this);
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setWordWrap(true);
  lblMessage->setAlignment(Qt::AlignCenter);
  lblMessage->setGeometry(8, 8, kWidth - 16, 46);

  const int left = (kWidth - 2 * kButtonWidth - kButtonGap) / 2;
  const int top = kHeight - kButtonHeight - 10;
  btnDecision1 = new QPushButton(QStringLiteral("Decision 1"), this);
  btnDecision1->setObjectName(QStringLiteral("btnDecision1"));
  btnDecision1->setGeometry(left, top, kButtonWidth, kButtonHeight);
  btnDecision2 = new QPushButton(QStringLiteral("Decision 2"), this);
  btnDecision2->setObjectName(QStringLiteral("btnDecision2"));
  btnDecision2->setGeometry(left + kButtonWidth + kButtonGap, top, kButtonWidth, kButtonHeight);

  connect(btnDecision1, &QPushButton::clicked, this, [this] { done(1); });
  connect(btnDecision2, &QPushButton::clicked, this, [this] { done(0); });
  CentreOnScreen(this);
}

int AskDecision(const QString& Caption, const QString& Message, const QString& Choice1,
                const QString& Choice2) {
  TfrmMakeADecision dialog;
  dialog.setWindowTitle(Caption);
  dialog.lblMessage->setText(Message);
  dialog.btnDecision1->setText(Choice1);
  dialog.btnDecision2->setText(Choice2);
  // Esc rejects, which is 0 like the second button.
  return dialog.exec() == 1 ? 1 : 0;
}
