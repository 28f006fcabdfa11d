#include "core/StdErrPrompts.h"

#include <cstdio>

void WritePromptLine(TMessageKind kind, const QString& caption, const QString& text) {
  const QString shown = caption.isEmpty() ? StandardCaption(kind) : caption;
  const QByteArray line = (shown + QStringLiteral(": ") + text + QLatin1Char('\n')).toLocal8Bit();
  std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
  std::fflush(stderr);
}

TPromptButton TStdErrPrompts::ShowMessage(const TPromptMessage& message) {
  WritePromptLine(message.Kind, message.Caption, message.Text);
  const bool question = message.Buttons.size() > 1;
  return question ? TPromptButton::pbNone : TPromptButton::pbOk;
}

int TStdErrPrompts::ShowChoiceDialog(const QString& caption, const QString& text,
                                     const QStringList&) {
  WritePromptLine(TMessageKind::mkConfirmation, caption, text);
  return 0;
}

int TStdErrPrompts::AskDecision(const QString& caption, const QString& text, const QString&,
                                const QString&) {
  WritePromptLine(TMessageKind::mkConfirmation, caption, text);
  return 0;
}

void TStdErrPrompts::ShowTimedMessage(const QString& caption, const QString& text, int) {
  WritePromptLine(TMessageKind::mkInformation, caption, text);
}

int TStdErrPrompts::PickFromList(const TPickList& list) {
  WritePromptLine(TMessageKind::mkConfirmation, list.Caption,
                  QStringLiteral("no one to choose; cancelled"));
  return -1;
}

bool TStdErrPrompts::PickManyFromList(const TPickList& list, std::vector<int>& chosen) {
  chosen.clear();
  WritePromptLine(TMessageKind::mkConfirmation, list.Caption,
                  QStringLiteral("no one to choose; cancelled"));
  return false;
}
