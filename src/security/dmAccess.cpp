#include "security/dmAccess.h"
#include "data/KsSQLText.h"

#include "config/KsConfigInfo.h"
#include "config/KsMemIniFile.h"
#include "core/Exception.h"
#include "data/KsDBLib.h"
#include "data/KsWorkstation.h"
#include "data/driver/DbTypes.h"
#include "data/utJailDateTimeLib.h"
#include "security/ErrorReportingSink.h"
#include "security/UserAccessHelper.h"
#include "security/fmChangePasswordDlg.h"
#include "security/fmLoginDialog.h"

#include <vector>

TdtmAccess* dtmAccess = nullptr;

namespace {

const QString kSection = QStringLiteral("UserAccess");
const QString kNoAccess = QStringLiteral("XX");

QString Normalized(const QString& AText) {
  return AText.trimmed().toUpper();
}

// Runs a query whose parameters are already set and returns the first row's
// value of AField, trimmed; empty without a row or such a column.
QString FirstRowValue(TKsCustomDataSet& AQuery, const QString& AField) {
  AQuery.Close();
  AQuery.Open();
  QString value;
  if (!AQuery.IsEmpty())
    if (TField* field = AQuery.FindField(AField); field && !field->IsNull())
      value = field->AsString().trimmed();
  AQuery.Close();
  return value;
}

QString ScalarText(TKsSQLDatabase* AConnection, const QString& ASql,
                   const QVariantList& AParams = {}) {
  QVariant value;
  GetScalarValue(AConnection, ASql, AParams, value);
  return DbValue::IsNull(value) ? QString() : value.toString().trimmed();
}

}  // namespace

TdtmAccess::TdtmAccess() : FOwnConfigInfo(std::make_unique<TKsConfigInfo>()) {
  FConfigInfo = FOwnConfigInfo.get();
  Init();
}

TdtmAccess::TdtmAccess(TKsCustomConfigInfo* AConfigInfo) : FConfigInfo(AConfigInfo) {
  Init();
}

TdtmAccess::~TdtmAccess() {
  try {
    Logout();
  } catch (const std::exception& e) {
    ErrorReportingSink().HandleException(e);
  }
  if (dtmAccess == this) dtmAccess = nullptr;
}

void TdtmAccess::Init() {
  FWindowsUserNameSource = WorkstationUserName;
  FModuleName = RunningProgramFileName();
  FModuleVersion = QStringLiteral(TH_VERSION_STRING);

  dbEmpMast.SetProgramName(QStringLiteral("EmpMast"));
  dbUserAccess.SetProgramName(QStringLiteral("UserAccess"));
  dbCFG.SetProgramName(QStringLiteral("Cfg"));
  for (TKsSQLDatabase* db : {&dbEmpMast, &dbUserAccess, &dbCFG}) {
    db->SetLoginPrompt(false);
    db->SetKsConfigInfo(FConfigInfo);
  }
  PrepareComponents();
  ReadSettings();
  if (FPermissionCaching)
    FUserAccessHelper = std::make_unique<TUserAccessCachingHelper>(&dbEmpMast, &dbUserAccess);
  else
    FUserAccessHelper = std::make_unique<TUserAccessHelper>(&dbEmpMast, &dbUserAccess);
}

void TdtmAccess::ReadSettings() {
  const QString file = FConfigInfo ? FConfigInfo->KeystaneIni() : QString();
  if (file.isEmpty()) return;
  const TKsMemIniFile ini = TKsMemIniFile::Load(file);
  FAllowAllAgencyAccess = ini.ReadBool(kSection, QStringLiteral("AllowAllAgencyAccess"), true);
  FUseWindowsAuthentication =
      ini.ReadBool(kSection, QStringLiteral("UseWindowsAuthentication"), false);
  FPermissionCaching = ini.ReadBool(kSection, QStringLiteral("PermissionCaching"), true);
}

void TdtmAccess::PrepareComponents() {
  for (TKsCustomDataSet* ds : std::initializer_list<TKsCustomDataSet*>{
           &qryCheckPassword, &qryUpdatePassword, &qryFindUserByWindowsUserName, &qryMaxFieldLength,
           &qryUserEmployee, &spLogin, &spLogout, &spWriteLoginHistory, &spCheckPasswordStrength})
    ds->SetConnection(&dbEmpMast);

  qryCheckPassword.SQL().SetText(
      QStringLiteral("SELECT dbo.fnks_CheckPassword (:UserName, :Password) AS Valid"));
  qryUpdatePassword.SQL().SetLines({
      QStringLiteral("UPDATE "),
      QStringLiteral("  Users"),
      QStringLiteral("SET"),
      QStringLiteral("  EncryptedPassword = dbo.fnks_EncryptPassword (:Password),  "),
      QStringLiteral("  PwdLastChanged = GETDATE(),"),
      QStringLiteral("  PwdChangeNow = 0"),
      QStringLiteral("WHERE"),
      QStringLiteral("  UserName = :UserName"),
      QString(),
      QStringLiteral("SELECT @@ROWCOUNT AS Successful"),
  });
  qryFindUserByWindowsUserName.SQL().SetLines({
      QStringLiteral("SELECT"),
      QStringLiteral("  *"),
      QStringLiteral("FROM"),
      QStringLiteral("  Users"),
      QStringLiteral("WHERE"),
      QStringLiteral("  WindowsUserName = :WindowsUserName"),
  });
  qryMaxFieldLength.SQL().SetText(
      QStringLiteral("SELECT COLUMNPROPERTY(OBJECT_ID('USERS'), :Field, 'PRECISION') AS LENGTH"));
  qryUserEmployee.SQL().SetLines({
      QStringLiteral("SELECT"),
      QStringLiteral("  Users.UserName,"),
      QStringLiteral("  EmpMast.*"),
      QStringLiteral("FROM"),
      QStringLiteral("  Users"),
      QStringLiteral("  LEFT JOIN EmpMast ON (Users.PerNo = EmpMast.PerNo)"),
      QStringLiteral("WHERE"),
      QStringLiteral("  UserName = :UserName"),
  });
  for (TKsCustomDataSet* ds : std::initializer_list<TKsCustomDataSet*>{
           &qryCheckPassword, &qryFindUserByWindowsUserName, &qryMaxFieldLength, &qryUserEmployee})
    ds->SetReadOnly(true);

  spLogin.SQL().SetText(QStringLiteral(
      "{:RETURN_VALUE = CALL kssp_Login (:UserName, :Password, :PasswordExpired, :ErrorMessage, "
      ":PrimaryLogin, :ModuleName, :ModuleVersion, :LoginSessionKey)}"));
  spLogout.SQL().SetText(QStringLiteral("{:RETURN_VALUE = CALL kssp_Logout (:LoginSessionKey)}"));
  spWriteLoginHistory.SQL().SetText(QStringLiteral(
      "{:RETURN_VALUE = CALL kssp_WriteLoginHistory (:UserName, :Success, :PrimaryLogin, "
      ":ModuleName, :ModuleVersion, :LoginSessionKey)}"));
  spCheckPasswordStrength.SQL().SetText(QStringLiteral(
      "{:RETURN_VALUE = CALL kssp_CheckPasswordStrength (:UserName, :Password, :ErrorMessage)}"));

  auto output = [](TKsMSStoredProc& sp, const char* name, TFieldType type) {
    TParam& p = sp.ParamByName(QString::fromLatin1(name));
    p.SetParamType(ptInputOutput);
    p.SetDataType(type);
  };
  output(spLogin, "PasswordExpired", ftBoolean);
  output(spLogin, "ErrorMessage", ftString);
  output(spLogin, "LoginSessionKey", ftString);
  output(spWriteLoginHistory, "LoginSessionKey", ftString);
  output(spCheckPasswordStrength, "ErrorMessage", ftString);
}

// --- login side -----------------------------------------------------------

QString TdtmAccess::GetWindowsUserName() const {
  // The suite's tables keep 30 characters of it.
  return FWindowsUserNameSource ? FWindowsUserNameSource().left(30) : QString();
}

void TdtmAccess::SetWindowsUserNameSource(std::function<QString()> ASource) {
  FWindowsUserNameSource = std::move(ASource);
}

void TdtmAccess::AddAfterLoginEvent(TAfterLoginEvent Event) {
  FAfterLoginEvents.push_back(std::move(Event));
}

QString TdtmAccess::Login(const QString& ADialogCaption, bool APrimaryLogin) {
  QString result;
  try {
    const QString windowsUserName = GetWindowsUserName();
    if (APrimaryLogin) Logout();

    if (APrimaryLogin && FUseWindowsAuthentication && !windowsUserName.isEmpty()) {
      qryFindUserByWindowsUserName.Close();
      qryFindUserByWindowsUserName.ParamByName(QStringLiteral("WindowsUserName"))
          .SetAsString(windowsUserName);
      qryFindUserByWindowsUserName.Open();
      if (!qryFindUserByWindowsUserName.IsEmpty() &&
          qryFindUserByWindowsUserName.FieldByName(QStringLiteral("UseWindowsAuthentication"))
              .AsBoolean())
        result = qryFindUserByWindowsUserName.FieldByName(QStringLiteral("UserName")).AsString();
      qryFindUserByWindowsUserName.Close();
      if (!result.isEmpty()) LoginWithoutPassword(result, false);
    }

    if (result.isEmpty()) result = DialogLogin(ADialogCaption, APrimaryLogin);
    if (!result.isEmpty()) AfterLogin(result);
  } catch (const std::exception& e) {
    result.clear();
    // A primary login logged the previous user out, so a user held now was
    // let in by this call; an empty result must not leave them logged in.
    if (APrimaryLogin && !FUserName.isEmpty()) {
      try {
        Logout();
      } catch (const std::exception&) {
        // The first error is the one to report.
      }
    }
    ErrorReportingSink().HandleException(e);
  }
  return result;
}

QString TdtmAccess::DialogLogin(const QString& ACaption, bool APrimaryLogin) {
  const int maxLength = MaxUserNameLength();
  for (;;) {
    QString userName, password;
    bool changePassword = false;
    if (!ShowLoginDialog(QStringLiteral("Norvale Login: ") + ACaption, true, userName,
                         changePassword, password))
      return QString();
    if (maxLength > 0) userName = userName.left(maxLength);

    spLogin.ParamByName(QStringLiteral("UserName")).SetAsString(userName);
    spLogin.ParamByName(QStringLiteral("Password")).SetAsString(password);
    spLogin.ParamByName(QStringLiteral("PrimaryLogin")).SetAsBoolean(APrimaryLogin);
    spLogin.ParamByName(QStringLiteral("ModuleName")).SetAsString(FModuleName);
    spLogin.ParamByName(QStringLiteral("ModuleVersion")).SetAsString(FModuleVersion);
    for (const char* output : {"PasswordExpired", "ErrorMessage", "LoginSessionKey"})
      spLogin.ParamByName(QString::fromLatin1(output)).Clear();
    spLogin.ExecProc();

    if (!spLogin.ParamByName(QStringLiteral("RETURN_VALUE")).AsBoolean()) {
      // The server decides about lock-outs; the dialog simply comes back.
      ShowTimedMessage(QStringLiteral("Invalid Login Attempt"),
                       spLogin.ParamByName(QStringLiteral("ErrorMessage")).AsString(), 5);
      continue;
    }

    const QString key = spLogin.ParamByName(QStringLiteral("LoginSessionKey")).AsString();
    const bool expired = spLogin.ParamByName(QStringLiteral("PasswordExpired")).AsBoolean();
    bool accepted = true;
    try {
      QString newPassword;
      if (expired)
        accepted = ShowChangePasswordDialog(
            userName, false, QStringLiteral("Your password has expired and must be changed."), this,
            &newPassword);
      else if (changePassword)
        accepted = ShowChangePasswordDialog(userName, false, QString(), this, &newPassword);
      if (!newPassword.isEmpty()) password = newPassword;
    } catch (...) {
      EndServerSession(key);
      throw;
    }
    if (!accepted) {
      EndServerSession(key);
      return QString();
    }
    if (APrimaryLogin) {
      FUserName = userName;
      FPassword = password;
      FLoginSessionKey = key;
    }
    return userName;
  }
}

void TdtmAccess::EndServerSession(const QString& AKey) {
  if (AKey.isEmpty()) return;
  spLogout.ParamByName(QStringLiteral("LoginSessionKey")).SetAsString(AKey);
  spLogout.ExecProc();
}

int TdtmAccess::MaxUserNameLength() {
  qryMaxFieldLength.ParamByName(QStringLiteral("Field")).SetAsString(QStringLiteral("USERNAME"));
  const QString length = FirstRowValue(qryMaxFieldLength, QStringLiteral("Length"));
  return length.toInt();
}

void TdtmAccess::SetUserName(const QString& ACommandLineLoginName, bool APrimaryLogin) {
  if (APrimaryLogin) Logout();
  if (ACommandLineLoginName.isEmpty()) return;
  LoginWithoutPassword(ACommandLineLoginName, APrimaryLogin);
  RecomputeCanViewJuvenileInfo();
  RunAfterLoginEvents();
}

void TdtmAccess::LoginWithoutPassword(const QString& AName, bool APrimaryLogin) {
  spWriteLoginHistory.ParamByName(QStringLiteral("UserName")).SetAsString(AName);
  spWriteLoginHistory.ParamByName(QStringLiteral("Success")).SetAsBoolean(true);
  spWriteLoginHistory.ParamByName(QStringLiteral("PrimaryLogin")).SetAsBoolean(APrimaryLogin);
  spWriteLoginHistory.ParamByName(QStringLiteral("ModuleName")).SetAsString(FModuleName);
  spWriteLoginHistory.ParamByName(QStringLiteral("ModuleVersion")).SetAsString(FModuleVersion);
  spWriteLoginHistory.ParamByName(QStringLiteral("LoginSessionKey")).Clear();
  spWriteLoginHistory.ExecProc();
  if (APrimaryLogin)
    FLoginSessionKey =
        spWriteLoginHistory.ParamByName(QStringLiteral("LoginSessionKey")).AsString();
  FUserName = AName;
  FPassword.clear();
}

void TdtmAccess::AfterLogin(const QString& AName) {
  IErrorReportingSink& reporting = ErrorReportingSink();
  reporting.PublishUserName(AName);
  xsAgencyAbbrev = GetUserPrimaryAgency(AName);
  if (xsAgencyAbbrev.isEmpty()) xsAgencyAbbrev = GetPrimaryAgency();
  const QString agencyName = GetAgencyNameFromAbrev(xsAgencyAbbrev);
  reporting.PublishAgencyName(agencyName);

  TErrorReportingCustomFields fields;
  fields.PerNo = GetLoginPERNO(AName);
  fields.UserName = AName;
  fields.FullName = GetUserLongName(AName);
  fields.AgencyName = agencyName;
  fields.AgencyAbbrev = xsAgencyAbbrev;
  fields.AgencyState = GetPrimaryAgencyState(xsAgencyAbbrev);
  reporting.PublishCustomFields(fields);
  FTelephone = EmployeeValue(AName, QStringLiteral("OFFICE_NO"));

  RecomputeCanViewJuvenileInfo();
  RunAfterLoginEvents();
}

void TdtmAccess::RecomputeCanViewJuvenileInfo() {
  FCanViewJuvenileInfo =
      GetAccessLevel(FUserName, QStringLiteral("RMS"), QStringLiteral("ALL_APPS"),
                     QStringLiteral("VIEWJUV")) == QLatin1String("FA");
}

void TdtmAccess::RunAfterLoginEvents() {
  // A copy: a callback may add another one.
  const std::vector<TAfterLoginEvent> events = FAfterLoginEvents;
  for (const TAfterLoginEvent& event : events)
    if (event) event();
}

void TdtmAccess::Logout() {
  const QString key = FLoginSessionKey;
  // Forgotten first: a server that cannot be reached must not leave the
  // user logged in here.
  FLoginSessionKey.clear();
  FUserName.clear();
  FPassword.clear();
  FTelephone.clear();
  FCanViewJuvenileInfo = false;
  EndServerSession(key);
}

bool TdtmAccess::CheckUserExists(const QString& sLoginName) {
  std::unique_ptr<TKsMSQuery> query = dbEmpMast.CreateDataSet(QStringLiteral("qryUsers"));
  query->SetReadOnly(true);
  query->SQL().SetLines({
      QStringLiteral("SELECT /* 000042-000000 */ UserName, PerNo  FROM USERS (readuncommitted)"),
      QStringLiteral("where USERNAME = ") + KsSQLText::QuotedStr(sLoginName),
  });
  query->Open();
  const bool exists = !query->IsEmpty();
  query->Close();
  return exists;
}

bool TdtmAccess::CheckUserPassWord(const QString& sLoginName, const QString& sPassWord) {
  qryCheckPassword.Close();
  qryCheckPassword.ParamByName(QStringLiteral("UserName")).SetAsString(sLoginName);
  qryCheckPassword.ParamByName(QStringLiteral("Password")).SetAsString(sPassWord);
  qryCheckPassword.Open();
  const bool valid = !qryCheckPassword.IsEmpty() &&
                     qryCheckPassword.FieldByName(QStringLiteral("Valid")).AsBoolean();
  qryCheckPassword.Close();
  return valid;
}

bool TdtmAccess::CheckPasswordStrength(const QString& LoginName, const QString& NewPassword,
                                       QString& ErrorMessage) {
  spCheckPasswordStrength.ParamByName(QStringLiteral("UserName")).SetAsString(LoginName);
  spCheckPasswordStrength.ParamByName(QStringLiteral("Password")).SetAsString(NewPassword);
  spCheckPasswordStrength.ParamByName(QStringLiteral("ErrorMessage")).Clear();
  spCheckPasswordStrength.ExecProc();
  if (spCheckPasswordStrength.ParamByName(QStringLiteral("RETURN_VALUE")).AsBoolean()) return true;
  ErrorMessage = spCheckPasswordStrength.ParamByName(QStringLiteral("ErrorMessage")).AsString();
  return false;
}

bool TdtmAccess::UpdateUserPassword(const QString& LoginName, const QString& NewPassword,
                                    QString& ErrorMessage) {
  if (!CheckPasswordStrength(LoginName, NewPassword, ErrorMessage)) return false;
  qryUpdatePassword.Close();
  qryUpdatePassword.ParamByName(QStringLiteral("Password")).SetAsString(NewPassword);
  qryUpdatePassword.ParamByName(QStringLiteral("UserName")).SetAsString(LoginName);
  qryUpdatePassword.Open();
  const bool updated = !qryUpdatePassword.IsEmpty() &&
                       qryUpdatePassword.FieldByName(QStringLiteral("Successful")).AsInteger() != 0;
  qryUpdatePassword.Close();
  if (!updated) ErrorMessage = QStringLiteral("Unable to update password.");
  return updated;
}

// --- access side ----------------------------------------------------------

QString TdtmAccess::GetLoginPERNO(const QString& ALoginName) {
  return FUserAccessHelper->GetLoginPerNo(Normalized(ALoginName));
}

QString TdtmAccess::GetAccessLevel(const QString& ALoginName, const QString& ASuite,
                                   const QString& AModule, const QString& ASection) {
  if (ALoginName.isEmpty()) return kNoAccess;
  return GetAccessLevelByPerNo(GetLoginPERNO(ALoginName), ASuite, AModule, ASection);
}

QString TdtmAccess::GetAccessLevelByPerNo(const QString& APerNo, const QString& ASuite,
                                          const QString& AModule, const QString& ASection) {
  return FUserAccessHelper->GetAccessLevelByPerNo(Normalized(APerNo), Normalized(ASuite),
                                                  Normalized(AModule), Normalized(ASection));
}

QString TdtmAccess::EmployeeValue(const QString& sUserName, const QString& AField) {
  if (sUserName.isEmpty()) return QString();
  qryUserEmployee.ParamByName(QStringLiteral("UserName")).SetAsString(sUserName);
  return FirstRowValue(qryUserEmployee, AField);
}

QString TdtmAccess::GetUserPrimaryAgency(const QString& sUserName) {
  return EmployeeValue(sUserName, QStringLiteral("PrimaryAgency"));
}

QString TdtmAccess::GetUserLongName(const QString& sLoginName) {
  return EmployeeValue(sLoginName, QStringLiteral("Name"));
}

QString TdtmAccess::GetPrimaryAgency() {
  return ScalarText(&dbCFG, QStringLiteral("SELECT ORG_ABBREV FROM CFGAGNCY WHERE [PRIMARY] = 1"));
}

QString TdtmAccess::GetAgencyNameFromAbrev(const QString& sAgencyAbrev) {
  // Quoted, so that an abbreviation holding a quote cannot break the statement.
  return ScalarText(&dbCFG, QStringLiteral("SELECT ORG FROM CFGAGNCY WHERE ORG_ABBREV = ") +
                                KsSQLText::QuotedStr(sAgencyAbrev));
}

QString TdtmAccess::GetPrimaryAgencyState(const QString& sAgencyAbbrev) {
  if (sAgencyAbbrev.isEmpty()) return QString();
  return ScalarText(&dbCFG,
                    QStringLiteral("SELECT ORG_STATEA\nFROM CFGAGNCY\nWHERE ORG_ABBREV = "
                                   ":AGCY_ABBREVIATION"),
                    {sAgencyAbbrev});
}
