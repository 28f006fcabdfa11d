#include "app/StartupPrompts.h"

#include "app/fmSplash.h"
#include "core/Exception.h"
#include "security/ErrorReportingSink.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

bool TGuiStartupPrompts::HasScreen() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void TGuiStartupPrompts::ShowError(const QString& message) {
  if (!HasScreen()) {
    std::fprintf(stderr, "error: %s\n", qUtf8Printable(message));
    return;
  }
  // A modal box must not open behind the splash, which may stay on top.
  if (frmSplash) frmSplash->hide();
  ErrorReportingSink().HandleException(Exception(message));
}

void TGuiStartupPrompts::ShowInformation(const QString& message) {
  if (!HasScreen()) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    return;
  }
  QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(), message);
}
