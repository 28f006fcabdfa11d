#pragma once

#include "core/UserPrompts.h"

// Prompts of a run with no one to answer: every message is written to
// standard error, and every question is treated as dismissed (No, Cancel,
// no choice), so nothing is done on a guess. The hourglass is ignored.
class TStdErrPrompts : public IUserPrompts {
 public:
  TPromptButton ShowMessage(const TPromptMessage& message) override;
  int ShowChoiceDialog(const QString& caption, const QString& text,
                       const QStringList& buttons) override;
  int AskDecision(const QString& caption, const QString& text, const QString& choice1,
                  const QString& choice2) override;
  void ShowTimedMessage(const QString& caption, const QString& text, int seconds) override;
  int PickFromList(const TPickList& list) override;
  bool PickManyFromList(const TPickList& list, std::vector<int>& chosen) override;
  void PushHourglass() override {}
  void PopHourglass() override {}
};

// One line on standard error: "<caption>: <text>", the kind's standard
// caption when none is given.
void WritePromptLine(TMessageKind kind, const QString& caption, const QString& text);
