#include "config/ErrorReportingSettings.h"

#include "config/ConfigFileSearch.h"
#include "config/KsMemIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSysInfo>

namespace {

const QString kSection = QStringLiteral("ErrorReporting");

int ReadInteger(const TKsMemIniFile& AIni, const QString& AKey, int ADefault) {
  bool ok = false;
  const int value = AIni.ReadString(kSection, AKey, {}).trimmed().toInt(&ok);
  return ok ? value : ADefault;
}

QString ReadText(const TKsMemIniFile& AIni, const QString& AKey, const QString& ADefault = {}) {
  return AIni.ReadString(kSection, AKey, ADefault);
}

// "name=value" with the value cut to AWidth, then trimmed; nothing for a
// field without a value.
void AddLine(QStringList& ALines, const char* AName, const QString& AValue, int AWidth) {
  if (AValue.isEmpty()) return;
  ALines << QString::fromLatin1(AName) + QLatin1Char('=') + AValue.left(AWidth).trimmed();
}

QString MethodName(TErrorReportingMethod AMethod) {
  switch (AMethod) {
    case ermNone:
      return QStringLiteral("none");
    case ermMailClient:
      return QStringLiteral("mail program");
    case ermSmtpClient:
    case ermSmtpServer:
      return QStringLiteral("SMTP");
    case ermHttp:
      return QStringLiteral("HTTP");
    case ermHttps:
      return QStringLiteral("HTTPS");
    case ermFtp:
      return QStringLiteral("FTP");
  }
  return {};
}

bool WriteFile(const QString& APath, const QByteArray& AText) {
  QSaveFile file(APath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(AText);
  return file.commit();
}

}  // namespace

QString ErrorReportingIniFileName() {
  return QStringLiteral("ErrorReporting.ini");
}

QString DefaultErrorReportingSubject() {
  return QStringLiteral("Technical support from: ") + QSysInfo::machineHostName();
}

QString DefaultErrorReportingMessage() {
  return QStringLiteral(
      "An untrapped exception occured, see attached log and screenshot for more details.");
}

int DefaultWebPort(TErrorReportingMethod AMethod) {
  switch (AMethod) {
    case ermHttps:
      return 443;
    case ermFtp:
      return 21;
    default:
      return 80;
  }
}

TErrorReportingSettings LoadErrorReportingSettings(const QString& AConfigFolder) {
  TErrorReportingSettings settings;
  settings.Subject = DefaultErrorReportingSubject();
  settings.Message = DefaultErrorReportingMessage();
  if (AConfigFolder.isEmpty()) return settings;

  QString folder = AConfigFolder;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  const QString file = FindFileIgnoringCase(folder + ErrorReportingIniFileName());
  if (file.isEmpty()) return settings;
  TKsMemIniFile ini;
  try {
    ini = TKsMemIniFile::Load(file);
  } catch (const std::exception&) {
    return settings;
  }

  settings.FileName = file;
  const int method = ReadInteger(ini, QStringLiteral("Method"), ermHttp);
  settings.Method = method >= ermNone && method <= ermFtp ? TErrorReportingMethod(method) : ermHttp;
  settings.EmailDestAddress = ReadText(ini, QStringLiteral("EmailDestAddress"));
  settings.Subject = ReadText(ini, QStringLiteral("Subject"), settings.Subject);
  settings.Message = ReadText(ini, QStringLiteral("Message"), settings.Message);
  settings.SMTPFrom = ReadText(ini, QStringLiteral("SMTPFrom"));
  settings.SMTPHost = ReadText(ini, QStringLiteral("SMTPHost"));
  settings.SMTPPort = ReadInteger(ini, QStringLiteral("SMTPPort"), 25);
  settings.SMTPUserID = ReadText(ini, QStringLiteral("SMTPUserID"));
  settings.SMTPPassword = ReadText(ini, QStringLiteral("SMTPPassword"));
  settings.URL = ReadText(ini, QStringLiteral("URL"));
  settings.WebUser = ReadText(ini, QStringLiteral("WebUser"));
  settings.WebPassword = ReadText(ini, QStringLiteral("WebPassword"));
  settings.WebPort = ReadInteger(ini, QStringLiteral("WebPort"), DefaultWebPort(settings.Method));
  return settings;
}

QStringList ErrorReportingCustomLines(const TErrorReportingCustomFields& AFields) {
  QStringList lines;
  AddLine(lines, "KSPerNo", AFields.PerNo, 15);
  AddLine(lines, "KSUserName", AFields.UserName, 20);
  AddLine(lines, "KSFullName", AFields.FullName, 50);
  AddLine(lines, "KSAgencyName", AFields.AgencyName, 50);
  AddLine(lines, "KSAgencyAbbrev", AFields.AgencyAbbrev, 4);
  AddLine(lines, "KSState", AFields.AgencyState, 2);
  return lines;
}

QString CrashLogText(const TCrashReport& AReport, const TErrorReportingSettings& ASettings) {
  QStringList text;
  text << ASettings.Subject << ASettings.Message << QString();
  text << QStringLiteral("Date/time: ") +
              AReport.When.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
  text << QStringLiteral("Program: ") + AReport.Program;
  text << QStringLiteral("Computer: ") + AReport.Computer;
  if (!AReport.ErrorClass.isEmpty()) text << QStringLiteral("Exception: ") + AReport.ErrorClass;
  text << QStringLiteral("Message: ") + AReport.ErrorMessage;
  text << QString() << QStringLiteral("[Custom]") << AReport.CustomLines;
  text << QString() << QStringLiteral("[Sending]");
  text << QStringLiteral("Method=%1 (%2)")
              .arg(int(ASettings.Method))
              .arg(MethodName(ASettings.Method));
  if (!ASettings.EmailDestAddress.isEmpty())
    text << QStringLiteral("EmailDestAddress=") + ASettings.EmailDestAddress;
  if (!ASettings.URL.isEmpty()) text << QStringLiteral("URL=") + ASettings.URL;
  text << QString();
  return text.join(QLatin1Char('\n'));
}

QString WriteCrashLog(const TCrashReport& AReport, const TErrorReportingSettings& ASettings,
                      const QString& AFolder) {
  const QByteArray text = CrashLogText(AReport, ASettings).toUtf8();
  const QString stem = QStringLiteral("crash-%1-%2")
                           .arg(AReport.When.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")))
                           .arg(QCoreApplication::applicationPid());
  QStringList folders;
  if (!AFolder.isEmpty()) folders << AFolder;
  folders << QDir::tempPath();
  for (const QString& folder : folders) {
    if (!QFileInfo(folder).isDir()) continue;
    // An earlier log of the same moment is never overwritten.
    for (int n = 0; n < 100; ++n) {
      const QString path = QDir(folder).filePath(
          stem + (n ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".log"));
      if (QFileInfo::exists(path)) continue;
      if (WriteFile(path, text)) return path;
      break;
    }
  }
  return {};
}
