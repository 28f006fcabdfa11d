#pragma once

#include "config/ErrorReportingSettings.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The error-reporting dialog: what went wrong, where the crash log was
// saved, and the log itself to copy into a support request.
class TfrmCrashReport : public QDialog {
  Q_OBJECT

 public:
  TfrmCrashReport(const TCrashReport& AReport, const QString& ALogFile, const QString& ALogText,
                  QWidget* AParent = nullptr);

  QLabel* lblMessage = nullptr;
  QLabel* lblLogFile = nullptr;
  QPlainTextEdit* memDetails = nullptr;
  QPushButton* btnCopy = nullptr;
  QPushButton* btnOK = nullptr;
};

// Reports an error nobody handled: writes the crash log (in ALogFolder, or
// the temporary folder) with the settings of ErrorReporting.ini in
// AConfigFolder and the custom lines of AFields, then shows the dialog.
// Returns the log's path; empty when it could not be written.
QString ShowCrashReport(const QString& AErrorClass, const QString& AMessage,
                        const TErrorReportingCustomFields& AFields, const QString& AConfigFolder,
                        const QString& ALogFolder, QWidget* AParent = nullptr);
