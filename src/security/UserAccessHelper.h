#pragma once

#include <QHash>
#include <QString>

class TKsSQLDatabase;

// Answers the two questions behind every access level: the personnel number
// of a login name (employee database, table Users) and the level stored for
// a personnel number, suite, module and section (user-access database,
// table AccessV4). Callers pass values already trimmed and upper-cased.
class TUserAccessHelper {
 public:
  TUserAccessHelper(TKsSQLDatabase* AEmpMastConnection, TKsSQLDatabase* AUserAccessConnection);
  virtual ~TUserAccessHelper() = default;
  TUserAccessHelper(const TUserAccessHelper&) = delete;
  TUserAccessHelper& operator=(const TUserAccessHelper&) = delete;

  // Trimmed and upper-cased; empty for an empty name or an unknown user.
  virtual QString GetLoginPerNo(const QString& ALoginName);
  // Trimmed and upper-cased; "XX" for an empty personnel number or when
  // nothing is stored.
  virtual QString GetAccessLevelByPerNo(const QString& APerNo, const QString& ASuite,
                                        const QString& AModule, const QString& ASection);

 protected:
  TKsSQLDatabase* FEmpMastConnection;
  TKsSQLDatabase* FUserAccessConnection;
};

// The same answers, kept for the life of the helper: a level changed in the
// database counts only after the program restarts. An unknown login name is
// not kept, so a user added meanwhile is found on the next question.
class TUserAccessCachingHelper : public TUserAccessHelper {
 public:
  using TUserAccessHelper::TUserAccessHelper;

  QString GetLoginPerNo(const QString& ALoginName) override;
  QString GetAccessLevelByPerNo(const QString& APerNo, const QString& ASuite,
                                const QString& AModule, const QString& ASection) override;

  // Personnel number, suite, module and section joined with the file
  // separator (character 28), which none of them can contain.
  static QString AccessLevelKey(const QString& APerNo, const QString& ASuite,
                                const QString& AModule, const QString& ASection);

 private:
  QHash<QString, QString> FUserNamePerNoCache;
  QHash<QString, QString> FPerNoAccessLevelCache;
};
