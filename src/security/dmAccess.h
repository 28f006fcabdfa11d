#pragma once

#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TKsConfigInfo;
class TKsCustomConfigInfo;
class TUserAccessHelper;

// The access module: who is logged in, and what that user may do.
//
// Login side: the login dialog loop against the server procedure
// kssp_Login, Windows-account and command-line logins, log-out and the
// password routines. The program never compares a password; it hands user
// name and password to the server and acts on the answer.
//
// Access side: the user's levels per suite, module and section, through a
// helper that caches the answers unless PermissionCaching is off, and the
// user's agency.
class TdtmAccess {
 public:
  using TAfterLoginEvent = std::function<void()>;

  // Finds the suite configuration file by the usual search and owns its
  // configuration info.
  TdtmAccess();
  // Looks connection strings and settings up through `AConfigInfo` (not
  // owned; must outlive the module).
  explicit TdtmAccess(TKsCustomConfigInfo* AConfigInfo);
  // Logs out; an error there goes to the error-reporting facility.
  ~TdtmAccess();
  TdtmAccess(const TdtmAccess&) = delete;
  TdtmAccess& operator=(const TdtmAccess&) = delete;

  // --- login side ---------------------------------------------------------
  // The login name, empty when nobody logged in (cancelled, refused after a
  // cancelled password change, or an error, which the error-reporting
  // facility has shown).
  QString Login(const QString& ADialogCaption, bool APrimaryLogin);
  // Logs a user in without a password (command line, Windows account).
  void SetUserName(const QString& ACommandLineLoginName, bool APrimaryLogin);
  // Ends the server session, if one is held, and forgets the user.
  void Logout();
  bool CheckUserExists(const QString& sLoginName);
  bool CheckUserPassWord(const QString& sLoginName, const QString& sPassWord);
  // The server's verdict on a new password; its message when it refuses.
  bool CheckPasswordStrength(const QString& LoginName, const QString& NewPassword,
                             QString& ErrorMessage);
  // Stores a new password once the server accepts it.
  bool UpdateUserPassword(const QString& LoginName, const QString& NewPassword,
                          QString& ErrorMessage);
  // The process's login name, at most 30 characters.
  QString GetWindowsUserName() const;
  void AddAfterLoginEvent(TAfterLoginEvent Event);

  const QString& UserName() const { return FUserName; }
  const QString& Password() const { return FPassword; }
  const QString& LoginSessionKey() const { return FLoginSessionKey; }
  const QString& Telephone() const { return FTelephone; }
  bool CanViewJuvenileInfo() const { return FCanViewJuvenileInfo; }
  QString xsAgencyAbbrev;

  // --- access side --------------------------------------------------------
  QString GetLoginPERNO(const QString& ALoginName);
  QString GetAccessLevel(const QString& ALoginName, const QString& ASuite, const QString& AModule,
                         const QString& ASection);
  QString GetAccessLevelByPerNo(const QString& APerNo, const QString& ASuite,
                                const QString& AModule, const QString& ASection);
  QString GetUserPrimaryAgency(const QString& sUserName);
  QString GetPrimaryAgency();
  QString GetAgencyNameFromAbrev(const QString& sAgencyAbrev);
  QString GetPrimaryAgencyState(const QString& sAgencyAbbrev);
  QString GetUserLongName(const QString& sLoginName);

  // --- settings (section UserAccess of the configuration file) -----------
  bool AllowAllAgencyAccess() const { return FAllowAllAgencyAccess; }
  bool UseWindowsAuthentication() const { return FUseWindowsAuthentication; }
  bool PermissionCaching() const { return FPermissionCaching; }
  TUserAccessHelper& UserAccessHelper() { return *FUserAccessHelper; }

  // What kssp_Login is told about the program: its file name and version.
  const QString& ModuleName() const { return FModuleName; }
  const QString& ModuleVersion() const { return FModuleVersion; }

  // Where the process's login name comes from (tests stand in another).
  void SetWindowsUserNameSource(std::function<QString()> ASource);

  TKsCustomConfigInfo* KsConfigInfo() const { return FConfigInfo; }

  TKsSQLDatabase dbEmpMast{QStringLiteral("dbEmpMast")};
  TKsSQLDatabase dbUserAccess{QStringLiteral("dbUserAccess")};
  TKsSQLDatabase dbCFG{QStringLiteral("dbCFG")};

  TKsMSQuery qryCheckPassword{QStringLiteral("qryCheckPassword")};
  TKsMSQuery qryUpdatePassword{QStringLiteral("qryUpdatePassword")};
  TKsMSQuery qryFindUserByWindowsUserName{QStringLiteral("qryFindUserByWindowsUserName")};
  TKsMSQuery qryMaxFieldLength{QStringLiteral("qryMaxFieldLength")};
  TKsMSQuery qryUserEmployee{QStringLiteral("qryUserEmployee")};
  TKsMSStoredProc spLogin{QStringLiteral("spLogin")};
  TKsMSStoredProc spLogout{QStringLiteral("spLogout")};
  TKsMSStoredProc spWriteLoginHistory{QStringLiteral("spWriteLoginHistory")};
  TKsMSStoredProc spCheckPasswordStrength{QStringLiteral("spCheckPasswordStrength")};

 private:
  void Init();
  void ReadSettings();
  void PrepareComponents();

  // The dialog loop of Login; the login name or empty.
  QString DialogLogin(const QString& ACaption, bool APrimaryLogin);
  // The server's login history and session for a login without password.
  void LoginWithoutPassword(const QString& AName, bool APrimaryLogin);
  // Publishes the user and agency, recomputes the juvenile permission and
  // runs the after-login callbacks.
  void AfterLogin(const QString& AName);
  void RecomputeCanViewJuvenileInfo();
  void RunAfterLoginEvents();
  // Ends a session the server opened for a login that did not complete.
  void EndServerSession(const QString& AKey);
  // Length of Users.UserName; 0 when the server does not say.
  int MaxUserNameLength();
  // A column of the user's employee record, trimmed; empty without one.
  QString EmployeeValue(const QString& sUserName, const QString& AField);

  std::unique_ptr<TKsConfigInfo> FOwnConfigInfo;
  TKsCustomConfigInfo* FConfigInfo = nullptr;
  std::unique_ptr<TUserAccessHelper> FUserAccessHelper;
  std::function<QString()> FWindowsUserNameSource;

  QString FUserName;
  QString FPassword;
  QString FLoginSessionKey;
  QString FTelephone;
  bool FCanViewJuvenileInfo = false;
  std::vector<TAfterLoginEvent> FAfterLoginEvents;

  bool FAllowAllAgencyAccess = true;
  bool FUseWindowsAuthentication = false;
  bool FPermissionCaching = true;

  QString FModuleName;
  QString FModuleVersion;
};

// The process-wide access module; set by start-up, cleared before it is
// destroyed.
extern TdtmAccess* dtmAccess;
