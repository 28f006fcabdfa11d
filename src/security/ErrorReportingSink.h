#pragma once

#include <QString>

#include <exception>

// What the login tells the error-reporting facility: who is logged in and
// for which agency, so that a crash report names them. The values are
// published after every successful login.
struct TErrorReportingUserFields {
  QString PerNo;
  QString UserName;
  QString FullName;
  QString AgencyName;
  QString AgencyAbbrev;
  QString AgencyState;
};

// The error-reporting facility as the security module sees it. The program
// installs the crash reporter here at start-up; until then the default keeps
// the published values and shows an error through the prompts seam.
class IErrorReportingSink {
 public:
  virtual ~IErrorReportingSink() = default;

  virtual void PublishUserName(const QString& userName) = 0;
  virtual void PublishAgencyName(const QString& agencyName) = 0;
  virtual void PublishUserFields(const TErrorReportingUserFields& fields) = 0;
  // The standard error dialog for an error nobody else handles.
  virtual void HandleException(const std::exception& error) = 0;
};

// Keeps what was published; errors become an error message box.
class TDefaultErrorReportingSink : public IErrorReportingSink {
 public:
  void PublishUserName(const QString& userName) override { FUserName = userName; }
  void PublishAgencyName(const QString& agencyName) override { FAgencyName = agencyName; }
  void PublishUserFields(const TErrorReportingUserFields& fields) override { FFields = fields; }
  void HandleException(const std::exception& error) override;

  const QString& UserName() const { return FUserName; }
  const QString& AgencyName() const { return FAgencyName; }
  const TErrorReportingUserFields& UserFields() const { return FFields; }

 private:
  QString FUserName;
  QString FAgencyName;
  TErrorReportingUserFields FFields;
};

// The sink in force (not owned; nullptr restores the default).
IErrorReportingSink& ErrorReportingSink();
void SetErrorReportingSink(IErrorReportingSink* sink);
