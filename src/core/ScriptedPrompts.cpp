#include "core/ScriptedPrompts.h"

#include "core/StdErrPrompts.h"

#include <algorithm>

namespace {

TPromptKind KindOf(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::mkInformation:
      return TPromptKind::pkInformation;
    case TMessageKind::mkWarning:
      return TPromptKind::pkWarning;
    case TMessageKind::mkError:
      return TPromptKind::pkError;
    case TMessageKind::mkConfirmation:
      return TPromptKind::pkConfirmation;
  }
  return TPromptKind::pkInformation;
}

bool SameCaption(const QString& a, const QString& b) {
  return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

}  // namespace

void TScriptedPrompts::AddAnswer(const QString& question, const QString& answer) {
  FAnswers[question].Queue.append(answer);
}

bool TScriptedPrompts::HasAnswer(const QString& question) const {
  if (FAnswers.contains(question)) return true;
  const QString wanted = question.simplified();
  for (auto it = FAnswers.cbegin(); it != FAnswers.cend(); ++it)
    if (it.key().simplified() == wanted) return true;
  return false;
}

QStringList TScriptedPrompts::Texts() const {
  QStringList texts;
  for (const TRecordedPrompt& prompt : FPrompts) texts.append(prompt.Text);
  return texts;
}

QStringList TScriptedPrompts::Texts(TPromptKind kind) const {
  QStringList texts;
  for (const TRecordedPrompt& prompt : FPrompts)
    if (prompt.Kind == kind) texts.append(prompt.Text);
  return texts;
}

int TScriptedPrompts::Count(TPromptKind kind) const {
  int count = 0;
  for (const TRecordedPrompt& prompt : FPrompts)
    if (prompt.Kind == kind) ++count;
  return count;
}

TRecordedPrompt& TScriptedPrompts::Record(TPromptKind kind, const QString& caption,
                                          const QString& text, QStringList buttons) {
  TRecordedPrompt prompt;
  prompt.Kind = kind;
  prompt.Caption = caption;
  prompt.Text = text;
  prompt.Buttons = std::move(buttons);
  FPrompts.push_back(std::move(prompt));
  return FPrompts.back();
}

QString TScriptedPrompts::TakeAnswer(const QString& text) {
  auto it = FAnswers.find(text);
  if (it == FAnswers.end()) {
    // Texts built with line breaks are easier to script as one line.
    const QString wanted = text.simplified();
    for (it = FAnswers.begin(); it != FAnswers.end(); ++it)
      if (it.key().simplified() == wanted) break;
  }
  if (it == FAnswers.end() || it->Queue.isEmpty())
    throw EScriptedPromptError(
        QStringLiteral("No scripted answer to the question \"%1\".").arg(text));
  TAnswers& answers = *it;
  const QString answer = answers.Queue.at(answers.Next);
  if (answers.Next + 1 < answers.Queue.size()) ++answers.Next;
  return answer;
}

void TScriptedPrompts::BadAnswer(const TRecordedPrompt& prompt, const QString& answer) const {
  throw EScriptedPromptError(
      QStringLiteral("The scripted answer \"%1\" to the question \"%2\" is not one of: %3.")
          .arg(answer, prompt.Text, prompt.Buttons.join(QStringLiteral(", "))));
}

TPromptButton TScriptedPrompts::ShowMessage(const TPromptMessage& message) {
  std::vector<TPromptButton> buttons = message.Buttons;
  if (buttons.empty()) buttons.push_back(TPromptButton::pbOk);
  QStringList names;
  for (TPromptButton button : buttons) names.append(PromptButtonName(button));

  if (FEcho) WritePromptLine(message.Kind, message.Caption, message.Text);
  const std::size_t index = FPrompts.size();
  Record(KindOf(message.Kind), message.Caption, message.Text, names);

  // A box with one button is a message, not a question.
  if (buttons.size() == 1) {
    FPrompts[index].Answer = names.first();
    return buttons.front();
  }
  const QString answer = TakeAnswer(message.Text);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (SameCaption(names.at(static_cast<int>(i)), answer)) {
      FPrompts[index].Answer = names.at(static_cast<int>(i));
      return buttons[i];
    }
  }
  BadAnswer(FPrompts[index], answer);
}

int TScriptedPrompts::ShowChoiceDialog(const QString& caption, const QString& text,
                                       const QStringList& buttons) {
  if (FEcho) WritePromptLine(TMessageKind::mkConfirmation, caption, text);
  const std::size_t index = FPrompts.size();
  Record(TPromptKind::pkChoice, caption, text, buttons);
  const QString answer = TakeAnswer(text);

  bool isNumber = false;
  const int number = answer.trimmed().toInt(&isNumber);
  int chosen = -1;
  if (isNumber && number >= 0 && number <= buttons.size()) {
    chosen = number;
  } else {
    for (int i = 0; i < buttons.size(); ++i)
      if (SameCaption(buttons.at(i), answer)) chosen = i + 1;
  }
  if (chosen < 0) BadAnswer(FPrompts[index], answer);
  FPrompts[index].Answer = chosen == 0 ? QString() : buttons.at(chosen - 1);
  return chosen;
}

int TScriptedPrompts::AskDecision(const QString& caption, const QString& text,
                                  const QString& choice1, const QString& choice2) {
  if (FEcho) WritePromptLine(TMessageKind::mkConfirmation, caption, text);
  const std::size_t index = FPrompts.size();
  Record(TPromptKind::pkDecision, caption, text, {choice1, choice2});
  const QString answer = TakeAnswer(text);

  int chosen = -1;
  if (answer.trimmed() == QLatin1String("1") || SameCaption(answer, choice1))
    chosen = 1;
  else if (answer.trimmed() == QLatin1String("0") || SameCaption(answer, choice2))
    chosen = 0;
  if (chosen < 0) BadAnswer(FPrompts[index], answer);
  FPrompts[index].Answer = chosen == 1 ? choice1 : choice2;
  return chosen;
}

void TScriptedPrompts::ShowTimedMessage(const QString& caption, const QString& text, int) {
  if (FEcho) WritePromptLine(TMessageKind::mkInformation, caption, text);
  Record(TPromptKind::pkTimed, caption, text, {});
}

bool TScriptedPrompts::PickedRows(const TPickList& list, std::size_t promptIndex,
                                  const QString& answer, std::vector<int>& rows) const {
  rows.clear();
  if (SameCaption(answer, PromptButtonName(TPromptButton::pbCancel))) return false;
  auto rowNamed = [&list](const QString& name) {
    const auto matches = [&name](const QString& cell) { return SameCaption(cell, name); };
    for (std::size_t r = 0; r < list.Rows.size(); ++r)
      if (list.KeyColumn < list.Rows[r].size() && matches(list.Rows[r].at(list.KeyColumn)))
        return int(r);
    for (std::size_t r = 0; r < list.Rows.size(); ++r)
      for (const QString& cell : list.Rows[r])
        if (matches(cell)) return int(r);
    return -1;
  };
  for (const QString& part : answer.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    if (part.trimmed().isEmpty()) continue;
    const int row = rowNamed(part);
    if (row < 0) BadAnswer(FPrompts[promptIndex], answer);
    if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
  }
  return true;
}

namespace {

QStringList KeysOf(const TPickList& list) {
  QStringList keys;
  for (const QStringList& row : list.Rows)
    keys.append(list.KeyColumn < row.size() ? row.at(list.KeyColumn).trimmed() : QString());
  return keys;
}

QString ChosenKeys(const TPickList& list, const std::vector<int>& rows) {
  const QStringList keys = KeysOf(list);
  QStringList chosen;
  for (int row : rows) chosen.append(keys.at(row));
  return chosen.join(QStringLiteral(", "));
}

}  // namespace

int TScriptedPrompts::PickFromList(const TPickList& list) {
  if (FEcho) WritePromptLine(TMessageKind::mkConfirmation, list.Caption, list.Caption);
  const std::size_t index = FPrompts.size();
  Record(TPromptKind::pkPickList, list.Caption, list.Caption, KeysOf(list));
  const QString answer = TakeAnswer(list.Caption);
  std::vector<int> rows;
  if (!PickedRows(list, index, answer, rows)) {
    FPrompts[index].Answer = PromptButtonName(TPromptButton::pbCancel);
    return -1;
  }
  if (rows.size() != 1) BadAnswer(FPrompts[index], answer);
  FPrompts[index].Answer = ChosenKeys(list, rows);
  return rows.front();
}

bool TScriptedPrompts::PickManyFromList(const TPickList& list, std::vector<int>& chosen) {
  if (FEcho) WritePromptLine(TMessageKind::mkConfirmation, list.Caption, list.Caption);
  const std::size_t index = FPrompts.size();
  Record(TPromptKind::pkPickList, list.Caption, list.Caption, KeysOf(list));
  const QString answer = TakeAnswer(list.Caption);
  if (!PickedRows(list, index, answer, chosen)) {
    FPrompts[index].Answer = PromptButtonName(TPromptButton::pbCancel);
    return false;
  }
  FPrompts[index].Answer = ChosenKeys(list, chosen);
  return true;
}

void TScriptedPrompts::PushHourglass() {
  ++FPushes;
  ++FDepth;
}

void TScriptedPrompts::PopHourglass() {
  ++FPops;
  if (FDepth > 0) --FDepth;
}
