#pragma once

#include "app/StartupPrompts.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// The program's title as the application object carries it.
QString ApplicationTitle();

// One process-wide singleton of start-up: the global that holds it, the
// splash step during which it is created, and how to create and destroy it.
// A slot whose module is not part of the build has no Create and is skipped.
struct TStartupSlot {
  QString GlobalName;
  int Step = 0;                   // 1..TStartupSequence::StepCount
  std::function<void()> Create;   // creates the object and sets the global
  std::function<bool()> Exists;   // the global is set
  std::function<void()> Destroy;  // clears the global, then destroys the object

  bool Available() const { return static_cast<bool>(Create); }
};

// A slot over a global pointer (raw or QPointer) to a T. `make` creates the
// object; `setUp` runs on it once the global holds it, so a failing set-up
// still leaves the object to the orderly destruction. `close` is the part of
// the teardown that may fail (ending a login session, say): destructors must
// not throw, so it runs first and the object is destroyed whatever it throws.
template <class T, class TGlobal>
TStartupSlot GlobalSlot(QString globalName, int step, TGlobal& global, std::function<T*()> make,
                        std::function<void(T&)> setUp = {}, std::function<void(T&)> close = {}) {
  TStartupSlot slot;
  slot.GlobalName = std::move(globalName);
  slot.Step = step;
  slot.Create = [&global, make, setUp] {
    global = make();
    if (setUp) setUp(*static_cast<T*>(global));
  };
  slot.Exists = [&global] { return static_cast<T*>(global) != nullptr; };
  slot.Destroy = [&global, close] {
    std::unique_ptr<T> object(static_cast<T*>(global));
    global = nullptr;
    if (close) close(*object);
  };
  return slot;
}

enum class TStartupOutcome {
  Running,  // everything created; the message loop may run
  Aborted,  // the login was cancelled or refused; everything destroyed again
  Failed,   // creation failed; the error was shown and everything destroyed
};

// Creates the singletons in their fixed order with a splash step before each
// group, and destroys them again in reverse order on abort, failure or at
// the normal end.
class TStartupSequence {
 public:
  static constexpr int StepCount = 8;
  // The splash divides by one more than the steps taken, so the bar ends at
  // 88 and never shows 100 before the main window is up.
  static constexpr int SplashDivisor = 9;

  using TSplashStep = std::function<void(int iMax, const QString& caption)>;

  TStartupSequence(std::vector<TStartupSlot> startupSlots, IStartupPrompts& prompts);

  // Caption of splash step 1..StepCount.
  static QString StepCaption(int step);

  void SetSplashStep(TSplashStep splashStep) { FSplashStep = std::move(splashStep); }
  // Reports the session's abort flag once the main window has been created.
  void SetUserAbortedLogin(std::function<bool()> aborted) {
    FUserAbortedLogin = std::move(aborted);
  }

  TStartupOutcome Start();
  // The normal end: destroys what exists, last created first. A failing
  // destructor is reported and the shutdown goes on.
  void Shutdown();

  bool IsCreated(const QString& globalName) const;
  const std::vector<TStartupSlot>& Slots() const { return FSlots; }

 private:
  void DestroyAll(bool showErrors);

  std::vector<TStartupSlot> FSlots;
  IStartupPrompts& FPrompts;
  TSplashStep FSplashStep;
  std::function<bool()> FUserAbortedLogin;
};
