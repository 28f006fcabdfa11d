#include "app/StartupSequence.h"

#include "core/Exception.h"

#include <QtGlobal>

QString ApplicationTitle() {
  return QStringLiteral("Ruzi Zavod Odezide");
}

TStartupSequence::TStartupSequence(std::vector<TStartupSlot> startupSlots, IStartupPrompts& prompts)
    : FSlots(std::move(startupSlots)), FPrompts(prompts) {}

QString TStartupSequence::StepCaption(int step) {
  switch (step) {
    case 1:
      return QStringLiteral("Opening Access and Charges");
    case 2:
      return QStringLiteral("Opening Master Configuration");
    case 3:
    case 4:
    case 5:
    case 6:
      return QStringLiteral("Loading Required Files");
    case 7:
      return QStringLiteral("Signature Reports");
    case 8:
      return QStringLiteral("Initializing ") + ApplicationTitle();
    default:
      return {};
  }
}

TStartupOutcome TStartupSequence::Start() {
  QString error;
  try {
    for (int step = 1; step <= StepCount; ++step) {
      if (FSplashStep) FSplashStep(SplashDivisor, StepCaption(step));
      for (const TStartupSlot& slot : FSlots)
        if (slot.Step == step && slot.Available()) slot.Create();
    }
  } catch (const std::exception& e) {
    error = ExceptionMessage(e);
  } catch (...) {
    error = QStringLiteral("An unexpected error stopped the program while it was starting.");
  }
  if (!error.isNull()) {
    FPrompts.ShowError(error);
    // The one dialog above is all the user sees; later failures while
    // tearing down are only logged.
    DestroyAll(false);
    return TStartupOutcome::Failed;
  }
  if (FUserAbortedLogin && FUserAbortedLogin()) {
    DestroyAll(true);
    return TStartupOutcome::Aborted;
  }
  return TStartupOutcome::Running;
}

void TStartupSequence::Shutdown() {
  DestroyAll(true);
}

bool TStartupSequence::IsCreated(const QString& globalName) const {
  for (const TStartupSlot& slot : FSlots)
    if (slot.GlobalName == globalName) return slot.Exists && slot.Exists();
  return false;
}

void TStartupSequence::DestroyAll(bool showErrors) {
  for (auto it = FSlots.rbegin(); it != FSlots.rend(); ++it) {
    if (!it->Exists || !it->Exists() || !it->Destroy) continue;
    QString error;
    try {
      it->Destroy();
    } catch (const std::exception& e) {
      error = ExceptionMessage(e);
    } catch (...) {
      error = QStringLiteral("An unexpected error occurred while closing ") + it->GlobalName + '.';
    }
    if (error.isNull()) continue;
    if (showErrors)
      FPrompts.ShowError(error);
    else
      qWarning("%s", qUtf8Printable(error));
  }
}
