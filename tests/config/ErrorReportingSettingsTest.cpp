#include "config/ErrorReportingSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

TEST(ErrorReportingSettings, WithoutTheFileReportsArePostedOverHttpOnPort80) {
  QTemporaryDir dir;
  for (const QString& folder : {dir.path(), QString()}) {
    const TErrorReportingSettings s = LoadErrorReportingSettings(folder);
    EXPECT_EQ(s.Method, ermHttp);
    EXPECT_EQ(s.WebPort, 80);
    EXPECT_EQ(s.SMTPPort, 25);
    EXPECT_TRUE(s.Subject.startsWith("Technical support from: "));
    EXPECT_EQ(s.Message,
              "An untrapped exception occured, see attached log and screenshot for more details.");
    EXPECT_TRUE(s.FileName.isEmpty());
  }
}

TEST(ErrorReportingSettings, TheFileBesideTheConfigurationIsRead) {
  QTemporaryDir dir;
  Write(dir.filePath("errorreporting.INI"),
        "[ErrorReporting]\r\nMethod=2\r\nEmailDestAddress=support@example.org\r\n"
        "Subject=Crash\r\nSMTPHost=mail.example.org\r\nSMTPPort=587\r\nSMTPUserID=jail\r\n"
        "SMTPPassword=secret\r\nSMTPFrom=jail@example.org\r\n");
  const TErrorReportingSettings s = LoadErrorReportingSettings(dir.path());
  EXPECT_EQ(s.Method, ermSmtpClient);
  EXPECT_EQ(s.EmailDestAddress, "support@example.org");
  EXPECT_EQ(s.Subject, "Crash");
  EXPECT_TRUE(s.Message.startsWith("An untrapped exception")) << "left out: the default";
  EXPECT_EQ(s.SMTPHost, "mail.example.org");
  EXPECT_EQ(s.SMTPPort, 587);
  EXPECT_EQ(s.SMTPUserID, "jail");
  EXPECT_EQ(s.SMTPPassword, "secret");
  EXPECT_EQ(s.SMTPFrom, "jail@example.org");
  EXPECT_FALSE(s.FileName.isEmpty());
}

TEST(ErrorReportingSettings, WebPortDefaultsByMethod) {
  const struct {
    const char* method;
    TErrorReportingMethod expected;
    int port;
  } cases[] = {{"4", ermHttp, 80}, {"5", ermHttps, 443}, {"6", ermFtp, 21},
               {"0", ermNone, 80}, {"9", ermHttp, 80},   {"HTTP", ermHttp, 80}};
  for (const auto& c : cases) {
    QTemporaryDir dir;
    Write(
        dir.filePath("ErrorReporting.ini"),
        QByteArray("[ErrorReporting]\nURL=https://support.example.org/upload\nMethod=") + c.method);
    const TErrorReportingSettings s = LoadErrorReportingSettings(dir.path());
    EXPECT_EQ(s.Method, c.expected) << c.method;
    EXPECT_EQ(s.WebPort, c.port) << c.method;
    EXPECT_EQ(s.URL, "https://support.example.org/upload");
  }
}

TEST(ErrorReportingSettings, CustomLinesAreCutThenTrimmedInTheirOrder) {
  TErrorReportingCustomFields fields;
  fields.PerNo = QStringLiteral("0000012345678901234");
  fields.UserName = QStringLiteral("A VERY LONG USER NAME 123");
  fields.FullName = QStringLiteral("  Doyle, Pat  ");
  fields.AgencyName = QStringLiteral("Harlan County Sheriff's Office");
  fields.AgencyAbbrev = QStringLiteral("HC  SO");
  fields.AgencyState = QStringLiteral("Kentucky");
  EXPECT_EQ(ErrorReportingCustomLines(fields),
            QStringList({"KSPerNo=000001234567890", "KSUserName=A VERY LONG USER NAM",
                         "KSFullName=Doyle, Pat", "KSAgencyName=Harlan County Sheriff's Office",
                         "KSAgencyAbbrev=HC", "KSState=Ke"}));

  TErrorReportingCustomFields partly;
  partly.UserName = QStringLiteral("JDOE");
  partly.AgencyState = QStringLiteral("KY");
  EXPECT_EQ(ErrorReportingCustomLines(partly), QStringList({"KSUserName=JDOE", "KSState=KY"}))
      << "fields without a value yet are left out";
  EXPECT_TRUE(ErrorReportingCustomLines({}).isEmpty());
}

TEST(ErrorReportingSettings, CrashLogHoldsTheErrorAndTheCustomLines) {
  QTemporaryDir dir;
  TCrashReport report;
  report.When = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 250));
  report.Program = QStringLiteral("Tallyhouse 1.0.0.1");
  report.Computer = QStringLiteral("BOOKING-1");
  report.ErrorClass = QStringLiteral("EDatabaseError");
  report.ErrorMessage = QStringLiteral("no such table: JAILBOOK");
  report.CustomLines = QStringList({"KSUserName=JDOE", "KSState=KY"});
  const TErrorReportingSettings settings = LoadErrorReportingSettings(QString());

  const QString path = WriteCrashLog(report, settings, dir.path());
  ASSERT_FALSE(path.isEmpty());
  EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(dir.path()).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  for (const char* expected :
       {"2024-03-05 14:07:09.250", "Tallyhouse 1.0.0.1", "BOOKING-1", "EDatabaseError",
        "no such table: JAILBOOK", "KSUserName=JDOE\nKSState=KY", "Method=4 (HTTP)"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n"
                                                              << text.toStdString();

  // A second crash in the same millisecond does not overwrite the first.
  const QString second = WriteCrashLog(report, settings, dir.path());
  EXPECT_FALSE(second.isEmpty());
  EXPECT_NE(second, path);
  EXPECT_EQ(QFileInfo(second).absolutePath(), QFileInfo(path).absolutePath());
}

TEST(ErrorReportingSettings, CrashLogFallsBackToTheTemporaryFolder) {
  TCrashReport report;
  report.When = QDateTime::currentDateTime();
  report.ErrorMessage = QStringLiteral("boom");
  const QString path =
      WriteCrashLog(report, LoadErrorReportingSettings(QString()), "/nonexistent/folder");
  ASSERT_FALSE(path.isEmpty());
  EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(QDir::tempPath()).absolutePath());
  QFile::remove(path);
}

}  // namespace
