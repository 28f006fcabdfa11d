#pragma once

#include "core/UserPrompts.h"

// The prompts of the window: real message boxes and dialogs, and the
// hourglass as the application's override cursor.
class TQtUserPrompts : public IUserPrompts {
 public:
  ~TQtUserPrompts() override;

  TPromptButton ShowMessage(const TPromptMessage& message) override;
  int ShowChoiceDialog(const QString& caption, const QString& text,
                       const QStringList& buttons) override;
  int AskDecision(const QString& caption, const QString& text, const QString& choice1,
                  const QString& choice2) override;
  void ShowTimedMessage(const QString& caption, const QString& text, int seconds) override;
  int PickFromList(const TPickList& list) override;
  bool PickManyFromList(const TPickList& list, std::vector<int>& chosen) override;
  void PushHourglass() override;
  void PopHourglass() override;

  int HourglassDepth() const { return FDepth; }

 private:
  int FDepth = 0;
};
