#include "app/QtUserPrompts.h"

#include "app/fmChoiceDialog.h"
#include "app/fmLookupList.h"
#include "app/fmMakeADecision.h"
#include "app/fmTimedMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconOf(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::mkInformation:
      return QMessageBox::Information;
    case TMessageKind::mkWarning:
      return QMessageBox::Warning;
    case TMessageKind::mkError:
      return QMessageBox::Critical;
    case TMessageKind::mkConfirmation:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton StandardButtonOf(TPromptButton button) {
  switch (button) {
    case TPromptButton::pbOk:
      return QMessageBox::Ok;
    case TPromptButton::pbYes:
      return QMessageBox::Yes;
    case TPromptButton::pbNo:
      return QMessageBox::No;
    case TPromptButton::pbCancel:
      return QMessageBox::Cancel;
    case TPromptButton::pbNone:
      break;
  }
  return QMessageBox::NoButton;
}

TPromptButton PromptButtonOf(int standardButton) {
  switch (standardButton) {
    case QMessageBox::Ok:
      return TPromptButton::pbOk;
    case QMessageBox::Yes:
      return TPromptButton::pbYes;
    case QMessageBox::No:
      return TPromptButton::pbNo;
    case QMessageBox::Cancel:
      return TPromptButton::pbCancel;
    default:
      return TPromptButton::pbNone;
  }
}

}  // namespace

TQtUserPrompts::~TQtUserPrompts() {
  while (FDepth > 0) PopHourglass();
}

TPromptButton TQtUserPrompts::ShowMessage(const TPromptMessage& message) {
  const QString caption =
      message.Caption.isEmpty() ? StandardCaption(message.Kind) : message.Caption;
  QMessageBox box(IconOf(message.Kind), caption, message.Text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  std::vector<TPromptButton> buttons = message.Buttons;
  if (buttons.empty()) buttons.push_back(TPromptButton::pbOk);
  for (TPromptButton button : buttons) box.addButton(StandardButtonOf(button));
  const TPromptButton preferred =
      message.DefaultButton == TPromptButton::pbNone ? buttons.front() : message.DefaultButton;
  box.setDefaultButton(StandardButtonOf(preferred));
  const int pressed = box.exec();
  return PromptButtonOf(pressed);
}

int TQtUserPrompts::ShowChoiceDialog(const QString& caption, const QString& text,
                                     const QStringList& buttons) {
  TfrmChoiceDialog dialog(caption, text, buttons, QApplication::activeWindow());
  return dialog.exec();
}

int TQtUserPrompts::AskDecision(const QString& caption, const QString& text, const QString& choice1,
                                const QString& choice2) {
  return ::AskDecision(caption, text, choice1, choice2);
}

void TQtUserPrompts::ShowTimedMessage(const QString& caption, const QString& text, int seconds) {
  TfrmTimedMessage window(caption, text);
  window.ShowFor(seconds);
}

int TQtUserPrompts::PickFromList(const TPickList& list) {
  TfrmLookupList dialog(list, false, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return -1;
  return dialog.CurrentRow();
}

bool TQtUserPrompts::PickManyFromList(const TPickList& list, std::vector<int>& chosen) {
  TfrmLookupList dialog(list, true, QApplication::activeWindow());
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  chosen = confirmed ? dialog.ChosenRows() : std::vector<int>();
  return confirmed;
}

void TQtUserPrompts::PushHourglass() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ++FDepth;
}

void TQtUserPrompts::PopHourglass() {
  // A pop without its push must not take away someone else's cursor.
  if (FDepth == 0) return;
  --FDepth;
  QApplication::restoreOverrideCursor();
}
