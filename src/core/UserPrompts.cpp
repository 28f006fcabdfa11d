#include "core/UserPrompts.h"

#include "core/StdErrPrompts.h"

QString StandardCaption(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::mkInformation:
      return QStringLiteral("Information");
    case TMessageKind::mkWarning:
      return QStringLiteral("Warning");
    case TMessageKind::mkError:
      return QStringLiteral("Error");
    case TMessageKind::mkConfirmation:
      return QStringLiteral("Confirm");
  }
  return {};
}

QString PromptButtonName(TPromptButton button) {
  switch (button) {
    case TPromptButton::pbNone:
      return {};
    case TPromptButton::pbOk:
      return QStringLiteral("OK");
    case TPromptButton::pbYes:
      return QStringLiteral("Yes");
    case TPromptButton::pbNo:
      return QStringLiteral("No");
    case TPromptButton::pbCancel:
      return QStringLiteral("Cancel");
  }
  return {};
}

namespace {

TPromptButton Show(IUserPrompts& prompts, TMessageKind kind, const QString& text,
                   const QString& caption, std::vector<TPromptButton> buttons,
                   TPromptButton defaultButton) {
  TPromptMessage message;
  message.Kind = kind;
  message.Caption = caption;
  message.Text = text;
  message.Buttons = std::move(buttons);
  message.DefaultButton = defaultButton;
  return prompts.ShowMessage(message);
}

IUserPrompts* gInstalled = nullptr;

}  // namespace

void IUserPrompts::ShowInformation(const QString& text, const QString& caption) {
  Show(*this, TMessageKind::mkInformation, text, caption, {TPromptButton::pbOk},
       TPromptButton::pbOk);
}

void IUserPrompts::ShowWarning(const QString& text, const QString& caption) {
  Show(*this, TMessageKind::mkWarning, text, caption, {TPromptButton::pbOk}, TPromptButton::pbOk);
}

void IUserPrompts::ShowError(const QString& text, const QString& caption) {
  Show(*this, TMessageKind::mkError, text, caption, {TPromptButton::pbOk}, TPromptButton::pbOk);
}

TPromptButton IUserPrompts::AskYesNo(const QString& text, const QString& caption,
                                     TPromptButton defaultButton) {
  const TPromptButton answer = Show(*this, TMessageKind::mkConfirmation, text, caption,
                                    {TPromptButton::pbYes, TPromptButton::pbNo}, defaultButton);
  return answer == TPromptButton::pbYes ? TPromptButton::pbYes : TPromptButton::pbNo;
}

bool IUserPrompts::ConfirmYes(const QString& text, const QString& caption,
                              TPromptButton defaultButton) {
  return AskYesNo(text, caption, defaultButton) == TPromptButton::pbYes;
}

TPromptButton IUserPrompts::AskYesNoCancel(const QString& text, const QString& caption,
                                           TPromptButton defaultButton) {
  const TPromptButton answer =
      Show(*this, TMessageKind::mkConfirmation, text, caption,
           {TPromptButton::pbYes, TPromptButton::pbNo, TPromptButton::pbCancel}, defaultButton);
  return answer == TPromptButton::pbNone ? TPromptButton::pbCancel : answer;
}

IUserPrompts& UserPrompts() {
  if (gInstalled) return *gInstalled;
  static TStdErrPrompts fallback;
  return fallback;
}

void SetUserPrompts(IUserPrompts* prompts) {
  gInstalled = prompts;
}

TUserPromptsScope::TUserPromptsScope(IUserPrompts& prompts) : FPrevious(gInstalled) {
  gInstalled = &prompts;
}

TUserPromptsScope::~TUserPromptsScope() {
  gInstalled = FPrevious;
}

THourglass::THourglass() : THourglass(UserPrompts()) {}

THourglass::THourglass(IUserPrompts& prompts) : FPrompts(&prompts) {
  FPrompts->PushHourglass();
}

THourglass::~THourglass() {
  Release();
}

void THourglass::Release() {
  if (!FPrompts) return;
  IUserPrompts* prompts = FPrompts;
  FPrompts = nullptr;
  prompts->PopHourglass();
}
