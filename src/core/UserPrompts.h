#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The one way handlers and modules talk to the user. The window installs an
// implementation with real dialogs; tests and headless runs install scripted
// answers; before either, messages go to standard error. Nothing outside the
// implementations calls a dialog or message box directly.

enum class TMessageKind { mkInformation, mkWarning, mkError, mkConfirmation };

// The buttons of a message box and the answer it gives. pbNone is the answer
// of a box that was dismissed without pressing a button.
enum class TPromptButton { pbNone, pbOk, pbYes, pbNo, pbCancel };

// One message box: the texts are shown exactly as given. An empty caption
// stands for the kind's standard caption ("Information", "Warning", "Error",
// "Confirm").
struct TPromptMessage {
  TMessageKind Kind = TMessageKind::mkInformation;
  QString Caption;
  QString Text;
  std::vector<TPromptButton> Buttons;                   // in display order; empty means OK alone
  TPromptButton DefaultButton = TPromptButton::pbNone;  // pbNone: the first button
};

// A list the user picks rows from: the facility picker and the other lookup
// dialogs over a table. Each row holds the texts of the shown columns in
// column order.
struct TPickListColumn {
  QString Title;
  int Width = 10;  // in characters
};

struct TPickList {
  QString Caption;
  std::vector<TPickListColumn> Columns;
  std::vector<QStringList> Rows;
  // The column that names a row (scripted answers) and that the search box
  // searches.
  int KeyColumn = 0;
  // The row highlighted when a single-choice list opens.
  int Current = 0;
  // What the user types into the search box is taken in capitals.
  bool UpperCaseSearch = true;
  // Height limit of the window in pixels; 0 for none.
  int MaxHeight = 0;
};

QString StandardCaption(TMessageKind kind);
QString PromptButtonName(TPromptButton button);  // "OK", "Yes", "No", "Cancel", "" for none

class IUserPrompts {
 public:
  virtual ~IUserPrompts() = default;

  // Shows a message box and returns the button pressed.
  virtual TPromptButton ShowMessage(const TPromptMessage& message) = 0;

  // The choice dialog: one button per caption, the first caption the rightmost
  // button. Returns the 1-based number of the caption pressed, 0 when dismissed.
  virtual int ShowChoiceDialog(const QString& caption, const QString& text,
                               const QStringList& buttons) = 0;

  // The two-way decision: 1 for the first choice, 0 for the second or Esc.
  virtual int AskDecision(const QString& caption, const QString& text, const QString& choice1,
                          const QString& choice2) = 0;

  // A message that stays up for the given seconds, then closes by itself.
  virtual void ShowTimedMessage(const QString& caption, const QString& text, int seconds) = 0;

  // A single choice from the list: the 0-based row chosen, -1 when cancelled.
  virtual int PickFromList(const TPickList& list) = 0;
  // Several rows of the list. False when cancelled; otherwise `chosen` holds
  // the rows highlighted, in the order the user highlighted them (empty when
  // OK was pressed with none highlighted).
  virtual bool PickManyFromList(const TPickList& list, std::vector<int>& chosen) = 0;

  // The hourglass cursor; pushes nest, each push is undone by one pop.
  virtual void PushHourglass() = 0;
  virtual void PopHourglass() = 0;

  // Shorthands over ShowMessage.
  void ShowInformation(const QString& text, const QString& caption = {});
  void ShowWarning(const QString& text, const QString& caption = {});
  void ShowError(const QString& text, const QString& caption = {});
  // Yes/No confirmation; returns pbYes or pbNo (pbNo also when dismissed).
  TPromptButton AskYesNo(const QString& text, const QString& caption = {},
                         TPromptButton defaultButton = TPromptButton::pbYes);
  bool ConfirmYes(const QString& text, const QString& caption = {},
                  TPromptButton defaultButton = TPromptButton::pbYes);
  // Yes/No/Cancel confirmation; a dismissed box answers pbCancel.
  TPromptButton AskYesNoCancel(const QString& text, const QString& caption = {},
                               TPromptButton defaultButton = TPromptButton::pbYes);
};

// The prompts in force. Before anything is installed this is a
// non-interactive implementation that writes to standard error.
IUserPrompts& UserPrompts();
// Installs prompts (not owned; nullptr restores the standard-error default).
void SetUserPrompts(IUserPrompts* prompts);

// Installs prompts for a scope and puts back the previous ones after it.
class TUserPromptsScope {
 public:
  explicit TUserPromptsScope(IUserPrompts& prompts);
  ~TUserPromptsScope();
  TUserPromptsScope(const TUserPromptsScope&) = delete;
  TUserPromptsScope& operator=(const TUserPromptsScope&) = delete;

 private:
  IUserPrompts* FPrevious;
};

// Hourglass for the lifetime of the guard, restored on every way out.
class THourglass {
 public:
  THourglass();
  explicit THourglass(IUserPrompts& prompts);
  ~THourglass();
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;

  // Restores the cursor early; the destructor then does nothing.
  void Release();

 private:
  IUserPrompts* FPrompts;
};
