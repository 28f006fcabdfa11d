#pragma once

#include "core/Exception.h"
#include "core/UserPrompts.h"

#include <QHash>

#include <vector>

// A question the script has no usable answer for.
class EScriptedPromptError : public Exception {
 public:
  using Exception::Exception;
};

enum class TPromptKind {
  pkInformation,
  pkWarning,
  pkError,
  pkConfirmation,
  pkChoice,
  pkDecision,
  pkTimed,
  pkPickList,
};

// What was put before the user, in order.
struct TRecordedPrompt {
  TPromptKind Kind = TPromptKind::pkInformation;
  QString Caption;  // as passed; empty for the standard caption
  QString Text;
  QStringList Buttons;  // the buttons offered, in the order given
  QString Answer;       // the button or choice taken; empty for a plain message
};

// Prompts for tests and headless runs: every message is recorded, and each
// question is answered from answers given beforehand, keyed by the question's
// text. A question without an answer fails loudly instead of guessing.
class TScriptedPrompts : public IUserPrompts {
 public:
  // Answers for the question with this text, used in the order added; the
  // last one keeps answering when the question comes again. Message boxes take
  // a button name ("Yes", "No", "Cancel", "OK"); the choice dialog a caption
  // or its number (0 for dismissed); the decision a choice's caption, "1" or "0".
  void AddAnswer(const QString& question, const QString& answer);
  bool HasAnswer(const QString& question) const;

  // Also writes every message to standard error (headless runs).
  void SetEchoToStdErr(bool echo) { FEcho = echo; }

  const std::vector<TRecordedPrompt>& Prompts() const { return FPrompts; }
  QStringList Texts() const;
  QStringList Texts(TPromptKind kind) const;
  int Count(TPromptKind kind) const;
  void ClearPrompts() { FPrompts.clear(); }

  int HourglassPushes() const { return FPushes; }
  int HourglassPops() const { return FPops; }
  int HourglassDepth() const { return FDepth; }

  TPromptButton ShowMessage(const TPromptMessage& message) override;
  int ShowChoiceDialog(const QString& caption, const QString& text,
                       const QStringList& buttons) override;
  int AskDecision(const QString& caption, const QString& text, const QString& choice1,
                  const QString& choice2) override;
  void ShowTimedMessage(const QString& caption, const QString& text, int seconds) override;
  // Pick lists are answered by the list's caption: "Cancel", or the rows
  // named by their key column (failing that, by any column), several
  // separated by commas in the order they are highlighted; an empty answer
  // is OK with nothing highlighted.
  int PickFromList(const TPickList& list) override;
  bool PickManyFromList(const TPickList& list, std::vector<int>& chosen) override;
  void PushHourglass() override;
  void PopHourglass() override;

 private:
  struct TAnswers {
    QStringList Queue;
    int Next = 0;
  };

  TRecordedPrompt& Record(TPromptKind kind, const QString& caption, const QString& text,
                          QStringList buttons);
  // The next answer for the question; throws when there is none.
  QString TakeAnswer(const QString& text);
  [[noreturn]] void BadAnswer(const TRecordedPrompt& prompt, const QString& answer) const;
  // The rows an answer names, in its order; false for "Cancel".
  bool PickedRows(const TPickList& list, std::size_t promptIndex, const QString& answer,
                  std::vector<int>& rows) const;

  QHash<QString, TAnswers> FAnswers;
  std::vector<TRecordedPrompt> FPrompts;
  bool FEcho = false;
  int FPushes = 0;
  int FPops = 0;
  int FDepth = 0;
};
