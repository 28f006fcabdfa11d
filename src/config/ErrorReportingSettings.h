#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// How crash reports leave the workstation, from ErrorReporting.ini beside
// the suite configuration file (section ErrorReporting). Without the file a
// report is posted over HTTP on port 80.
enum TErrorReportingMethod {
  ermNone = 0,        // nothing is sent
  ermMailClient = 1,  // through the workstation's mail program
  ermSmtpClient = 2,  // mailed through SMTP
  ermSmtpServer = 3,  // mailed through SMTP
  ermHttp = 4,
  ermHttps = 5,
  ermFtp = 6,
};

struct TErrorReportingSettings {
  TErrorReportingMethod Method = ermHttp;
  QString EmailDestAddress;
  QString Subject;
  QString Message;
  QString SMTPFrom;
  QString SMTPHost;
  int SMTPPort = 25;
  QString SMTPUserID;
  QString SMTPPassword;
  QString URL;
  QString WebUser;
  QString WebPassword;
  int WebPort = 80;
  // Where the settings came from; empty when the file was not there.
  QString FileName;
};

QString ErrorReportingIniFileName();  // "ErrorReporting.ini"
// "Technical support from: " and the workstation.
QString DefaultErrorReportingSubject();
// "An untrapped exception occured, see attached log and screenshot for more details."
QString DefaultErrorReportingMessage();
// 443 for HTTPS, 21 for FTP, otherwise 80.
int DefaultWebPort(TErrorReportingMethod AMethod);

// The settings of ErrorReporting.ini in AConfigFolder (matched without
// regard to case), defaults for what it leaves out; all defaults when the
// file is missing or unreadable: a crash must still be reported.
TErrorReportingSettings LoadErrorReportingSettings(const QString& AConfigFolder);

// Who was logged in, as the login publishes it; an empty field has no value
// yet.
struct TErrorReportingCustomFields {
  QString PerNo;
  QString UserName;
  QString FullName;
  QString AgencyName;
  QString AgencyAbbrev;
  QString AgencyState;
};

// The custom lines of every crash report, in their fixed order: KSPerNo (at
// most 15 characters), KSUserName (20), KSFullName (50), KSAgencyName (50),
// KSAgencyAbbrev (4), KSState (2), each "name=value" with the value cut and
// then trimmed. A field without a value is left out.
QStringList ErrorReportingCustomLines(const TErrorReportingCustomFields& AFields);

// What a crash log holds.
struct TCrashReport {
  QDateTime When;   // local time of the crash
  QString Program;  // program name and version
  QString Computer;
  QString ErrorClass;  // the exception's class, when known
  QString ErrorMessage;
  QStringList CustomLines;
};

// The text of the crash log.
QString CrashLogText(const TCrashReport& AReport, const TErrorReportingSettings& ASettings);
// Writes the log as a new file in AFolder (the temporary folder when AFolder
// is empty or cannot be written) and returns its path; empty when no file
// could be written at all.
QString WriteCrashLog(const TCrashReport& AReport, const TErrorReportingSettings& ASettings,
                      const QString& AFolder);
