#pragma once

#include <QString>

// What start-up and shutdown tell the user. The program shows dialogs; tests
// record the texts.
class IStartupPrompts {
 public:
  virtual ~IStartupPrompts() = default;

  // The error-reporting dialog for an exception that escaped start-up or
  // shutdown.
  virtual void ShowError(const QString& message) = 0;
  virtual void ShowInformation(const QString& message) = 0;
};

// Message boxes over the program's windows; an error goes to the
// error-reporting facility. On a platform without a screen (offscreen)
// nobody could answer a modal box, so the text goes to standard error
// instead.
class TGuiStartupPrompts : public IStartupPrompts {
 public:
  void ShowError(const QString& message) override;
  void ShowInformation(const QString& message) override;

  // False on the offscreen and minimal platforms, where nobody could answer
  // a modal window.
  static bool HasScreen();
};
