#pragma once

#include "security/ErrorReportingSink.h"

#include <QString>

// The error-reporting facility of the window program: an error nobody
// handled is written to a crash log, with the lines the login published, and
// shown in the crash-report dialog.
class TCrashReportSink : public TDefaultErrorReportingSink {
 public:
  // ErrorReporting.ini is looked for beside the suite configuration file and
  // logs go to its LogPath; both are found when the first error comes, and
  // without them the defaults and the temporary folder serve.
  TCrashReportSink() = default;
  // Fixed folders instead of the configuration search.
  TCrashReportSink(QString AConfigFolder, QString ALogFolder);

  void HandleException(const std::exception& error) override;

  // The crash log of the last error; empty when none could be written.
  const QString& LastLogFile() const { return FLastLogFile; }

 private:
  void FindFolders();

  bool FFoldersKnown = false;
  QString FConfigFolder;
  QString FLogFolder;
  QString FLastLogFile;
};

// The class name of an exception as the crash log names it ("EDatabaseError").
QString ExceptionClassName(const std::exception& error);
