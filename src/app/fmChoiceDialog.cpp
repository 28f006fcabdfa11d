#include "app/fmChoiceDialog.h"

#include "app/utThemeSupport.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

Qt::WindowFlags MessageWindowFlags() {
  return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

TfrmChoiceDialog::TfrmChoiceDialog(const QString& caption, const QString& text,
                                   const QStringList& buttons, QWidget* parent)
    : QDialog(parent, MessageWindowFlags()) {
  setObjectName(QStringLiteral("frmChoiceDialog"));
  setModal(true);
  setWindowTitle(caption);
  // The sizes are measured in the font the dialog shows, so it is set first.
  setFont(NrvSystemMessageFont());
  resize(450, 185);

  const QFontMetrics metrics(font());
  TChoiceDialogMetrics measured;
  measured.MessageWidth = metrics.horizontalAdvance(text);
  measured.LineHeight = metrics.height();
  measured.ButtonCount = static_cast<int>(buttons.size());
  for (const QString& button : buttons)
    measured.ButtonWidth = std::max(measured.ButtonWidth, metrics.horizontalAdvance(button));
  FLayout = ComputeChoiceDialogLayout(measured);
  setFixedSize(FLayout.Width, FLayout.Height);

  lblMessage = new QLabel(text, this);
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setWordWrap(true);
  lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblMessage->setGeometry(FLayout.Message);

  for (int k = 1; k <= buttons.size(); ++k) {
    auto* button = new QPushButton(buttons.at(k - 1), this);
    button->setObjectName(QStringLiteral("btnChoice%1").arg(k));
    button->setGeometry(FLayout.Buttons[static_cast<std::size_t>(k - 1)]);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, k] { done(k); });
    Buttons.push_back(button);
  }
  // Enter takes the first caption, which the callers make the harmless one.
  if (!Buttons.empty()) Buttons.front()->setDefault(true);
  CentreOnScreen(this);
}
