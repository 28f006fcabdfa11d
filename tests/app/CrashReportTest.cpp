#include "app/fmCrashReport.h"

#include "ModalHelper.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

TEST(CrashReport, WritesTheLogWithTheCustomLinesAndShowsWhereItIs) {
  QTemporaryDir config;
  QTemporaryDir logs;
  {
    QFile ini(config.filePath("ErrorReporting.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[ErrorReporting]\r\nMethod=5\r\nURL=https://support.example.org/crash\r\n");
  }
  TErrorReportingCustomFields fields;
  fields.UserName = QStringLiteral("JDOE");
  fields.AgencyAbbrev = QStringLiteral("HCSO");

  QString shownLog;
  QString shownMessage;
  WithNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TfrmCrashReport*>(modal);
    ASSERT_NE(dialog, nullptr);
    shownMessage = dialog->lblMessage->text();
    shownLog = dialog->lblLogFile->text();
    EXPECT_TRUE(dialog->memDetails->toPlainText().contains("KSUserName=JDOE\nKSAgencyAbbrev=HCSO"));
    EXPECT_TRUE(dialog->memDetails->isReadOnly());
    dialog->btnOK->click();
  });
  const QString path =
      ShowCrashReport(QStringLiteral("EDatabaseError"), QStringLiteral("Connection lost"), fields,
                      config.path(), logs.path());

  ASSERT_FALSE(path.isEmpty());
  EXPECT_TRUE(path.startsWith(logs.path()));
  EXPECT_EQ(shownMessage, "Connection lost");
  EXPECT_EQ(shownLog, "A crash log was saved to " + path);
  QFile log(path);
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(log.readAll());
  EXPECT_TRUE(text.contains("Message: Connection lost"));
  EXPECT_TRUE(text.contains("KSUserName=JDOE\nKSAgencyAbbrev=HCSO"));
  EXPECT_TRUE(text.contains("URL=https://support.example.org/crash"));
  EXPECT_TRUE(text.contains("Method=5 (HTTPS)"));
}

TEST(CrashReport, SaysSoWhenNoLogCouldBeWritten) {
  TCrashReport report;
  report.ErrorMessage = QStringLiteral("boom");
  TfrmCrashReport dialog(report, QString(), QStringLiteral("log text"));
  EXPECT_EQ(dialog.lblLogFile->text(), "The crash log could not be saved.");
  EXPECT_EQ(dialog.memDetails->toPlainText(), "log text");
  EXPECT_TRUE(dialog.btnOK->isDefault());
}

}  // namespace
