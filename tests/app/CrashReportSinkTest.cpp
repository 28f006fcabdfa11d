#include "app/CrashReportSink.h"

#include "app/HandlerGuard.h"
#include "app/fmCrashReport.h"
#include "core/Exception.h"

#include "ModalHelper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(CrashReportSink, AnUnhandledHandlerErrorShowsTheDialogAndWritesTheLog) {
  QTemporaryDir config;
  QTemporaryDir logs;
  TCrashReportSink sink(config.path(), logs.path());
  TErrorReportingSinkScope scope(sink);
  // The login got as far as the user name and agency, not the custom lines.
  ErrorReportingSink().PublishUserName("DEMO");
  ErrorReportingSink().PublishAgencyName("CLAY COUNTY SHERIFF");

  QString shown;
  WithNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<TfrmCrashReport*>(modal);
    ASSERT_NE(dialog, nullptr);
    shown = dialog->lblMessage->text();
    dialog->btnOK->click();
  });
  RunGuardedHandler([] { throw EDatabaseError("DataSet: qryGeneric no such table: JAILBOOK"); });

  EXPECT_EQ(shown, "DataSet: qryGeneric no such table: JAILBOOK");
  ASSERT_FALSE(sink.LastLogFile().isEmpty());
  EXPECT_EQ(QFileInfo(sink.LastLogFile()).absolutePath(), QDir(logs.path()).absolutePath());
  const QString log = ReadText(sink.LastLogFile());
  EXPECT_TRUE(log.contains("Exception: EDatabaseError")) << log.toStdString();
  EXPECT_TRUE(log.contains("KSUserName=DEMO\nKSAgencyName=CLAY COUNTY SHERIFF"))
      << log.toStdString();
}

TEST(CrashReportSink, TheFullCustomLinesWinOverTheSeparateOnes) {
  QTemporaryDir config;
  QTemporaryDir logs;
  TCrashReportSink sink(config.path(), logs.path());
  TErrorReportingSinkScope scope(sink);
  TErrorReportingCustomFields fields;
  fields.PerNo = "100";
  fields.UserName = "DEMO";
  fields.AgencyAbbrev = "CCSO";
  ErrorReportingSink().PublishUserName("OTHER");
  ErrorReportingSink().PublishCustomFields(fields);

  WithNextModal([](QWidget* modal) { modal->close(); });
  RunGuardedHandler([] { throw std::runtime_error("boom"); });

  const QString log = ReadText(sink.LastLogFile());
  EXPECT_TRUE(log.contains("KSPerNo=100\nKSUserName=DEMO\nKSAgencyAbbrev=CCSO"))
      << log.toStdString();
  EXPECT_TRUE(log.contains("Exception: std::runtime_error")) << log.toStdString();
}

}  // namespace
