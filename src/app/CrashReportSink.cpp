#include "app/CrashReportSink.h"

#include "app/fmCrashReport.h"
#include "app/fmSplash.h"
#include "config/KeystaneCfg.h"
#include "core/Exception.h"

#include <QApplication>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

QString ExceptionClassName(const std::exception& error) {
  const char* mangled = typeid(error).name();
  int status = 0;
  const std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  return QString::fromLatin1(status == 0 && name ? name.get() : mangled);
}

TCrashReportSink::TCrashReportSink(QString AConfigFolder, QString ALogFolder)
    : FFoldersKnown(true),
      FConfigFolder(std::move(AConfigFolder)),
      FLogFolder(std::move(ALogFolder)) {}

void TCrashReportSink::FindFolders() {
  if (FFoldersKnown) return;
  FFoldersKnown = true;
  // The error may be that the configuration cannot be found or read; the
  // report is made all the same, with its defaults.
  try {
    const TKeystaneIni ini;
    FConfigFolder = ini.KeystaneIniFolder();
    FLogFolder = ini.LogFilePath();
  } catch (const std::exception&) {
    FConfigFolder.clear();
    FLogFolder.clear();
  }
}

void TCrashReportSink::HandleException(const std::exception& error) {
  FindFolders();
  // A login that failed half-way may have published the user name and the
  // agency, but not the lines built from them.
  TErrorReportingCustomFields fields = CustomFields();
  if (fields.UserName.isEmpty()) fields.UserName = UserName();
  if (fields.AgencyName.isEmpty()) fields.AgencyName = AgencyName();
  // The dialog must not open behind the splash during start-up.
  if (frmSplash) frmSplash->hide();
  FLastLogFile = ShowCrashReport(ExceptionClassName(error), ExceptionMessage(error), fields,
                                 FConfigFolder, FLogFolder, QApplication::activeWindow());
}
