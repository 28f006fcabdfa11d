#pragma once

#include "config/ErrorReportingSettings.h"

#include <QString>

#include <exception>

// The error-reporting facility as the security module sees it: after every
// successful login it is told who is logged in and for which agency, so that
// a crash report names them. The window program installs its crash reporter
// here; otherwise the default keeps the published values and shows an error
// through the prompts seam (standard error in a headless run).
class IErrorReportingSink {
 public:
  virtual ~IErrorReportingSink() = default;

  virtual void PublishUserName(const QString& userName) = 0;
  virtual void PublishAgencyName(const QString& agencyName) = 0;
  virtual void PublishCustomFields(const TErrorReportingCustomFields& fields) = 0;
  // The standard error dialog for an error nobody else handles.
  virtual void HandleException(const std::exception& error) = 0;
};

// Keeps what was published; an error becomes an error message.
class TDefaultErrorReportingSink : public IErrorReportingSink {
 public:
  void PublishUserName(const QString& userName) override { FUserName = userName; }
  void PublishAgencyName(const QString& agencyName) override { FAgencyName = agencyName; }
  void PublishCustomFields(const TErrorReportingCustomFields& fields) override { FFields = fields; }
  void HandleException(const std::exception& error) override;

  const QString& UserName() const { return FUserName; }
  const QString& AgencyName() const { return FAgencyName; }
  const TErrorReportingCustomFields& CustomFields() const { return FFields; }

 private:
  QString FUserName;
  QString FAgencyName;
  TErrorReportingCustomFields FFields;
};

// The sink in force (not owned; nullptr restores the default).
IErrorReportingSink& ErrorReportingSink();
void SetErrorReportingSink(IErrorReportingSink* sink);

// Installs a sink for its lifetime and restores the one before it.
class TErrorReportingSinkScope {
 public:
  explicit TErrorReportingSinkScope(IErrorReportingSink& sink);
  ~TErrorReportingSinkScope();
  TErrorReportingSinkScope(const TErrorReportingSinkScope&) = delete;
  TErrorReportingSinkScope& operator=(const TErrorReportingSinkScope&) = delete;

 private:
  IErrorReportingSink* FPrevious;
};
