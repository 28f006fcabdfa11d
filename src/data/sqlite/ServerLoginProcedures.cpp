#include "data/sqlite/ServerLoginProcedures.h"

#include "data/driver/DbTypes.h"
#include "data/sqlite/ServerLoginPasswords.h"
#include "data/sqlite/ServerLoginStore.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteProcedures.h"

namespace {

// A bit parameter as the caller may send it: bool, number or text.
bool IsTrue(const QVariant& value) {
  if (DbValue::IsNull(value)) return false;
  switch (DbValue::KindOf(value)) {
    case DbValue::TKind::Boolean:
      return value.toBool();
    case DbValue::TKind::Integer:
    case DbValue::TKind::Double:
      return value.toDouble() != 0;
    default: {
      const QString text = value.toString().trimmed();
      return text == QLatin1String("1") ||
             text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    }
  }
}

QString TextArg(const TSqliteProcedureContext& call, const char* name) {
  const QVariant& value = call.Arg(QString::fromLatin1(name));
  return DbValue::IsNull(value) ? QString() : value.toString();
}

QVariant KeyOrNull(const QString& key) {
  return key.isEmpty() ? QVariant() : QVariant(key);
}

const QString kInvalidLogin = QStringLiteral("Invalid user name or password.");
const QString kNoUserName = QStringLiteral("Please enter your user name.");

}  // namespace

void KsspLogin(TSqliteProcedureContext& call) {
  TServerLoginStore store(call.Connection.Handle());
  const QString userName = TextArg(call, "UserName").trimmed();
  const QString password = TextArg(call, "Password");
  const bool primary = IsTrue(call.Arg(QStringLiteral("PrimaryLogin")));
  const QString moduleName = TextArg(call, "ModuleName");
  const QString moduleVersion = TextArg(call, "ModuleVersion");

  call.SetOutput(QStringLiteral("PasswordExpired"), false);
  call.SetOutput(QStringLiteral("ErrorMessage"), QString());
  call.SetOutput(QStringLiteral("LoginSessionKey"), QVariant());

  const auto user = userName.isEmpty() ? std::nullopt : store.FindUser(userName);
  if (!user || !ServerLoginVerifyPassword(user->EncryptedPassword, password)) {
    const QString message = userName.isEmpty() ? kNoUserName : kInvalidLogin;
    store.WriteHistory({userName, false, primary, moduleName, moduleVersion, {}, message});
    call.SetOutput(QStringLiteral("ErrorMessage"), message);
    call.ReturnValue = false;
    return;
  }

  const bool expired = ServerPasswordExpired(user->PwdChangeNow, user->PwdLastChanged,
                                             store.Policy(), TServerLoginStore::Now());
  TServerLoginStore::TSavepoint unit(store);
  const QString key =
      primary ? store.OpenSession(user->UserName, moduleName, moduleVersion) : QString();
  store.WriteHistory({user->UserName, true, primary, moduleName, moduleVersion, key,
                      expired ? QStringLiteral("Password expired") : QString()});
  unit.Release();

  call.SetOutput(QStringLiteral("PasswordExpired"), expired);
  call.SetOutput(QStringLiteral("LoginSessionKey"), KeyOrNull(key));
  call.ReturnValue = true;
}

void KsspLogout(TSqliteProcedureContext& call) {
  TServerLoginStore store(call.Connection.Handle());
  call.ReturnValue = store.CloseSession(TextArg(call, "LoginSessionKey").trimmed());
}

void KsspWriteLoginHistory(TSqliteProcedureContext& call) {
  TServerLoginStore store(call.Connection.Handle());
  const QString userName = TextArg(call, "UserName").trimmed();
  const bool success = IsTrue(call.Arg(QStringLiteral("Success")));
  const bool primary = IsTrue(call.Arg(QStringLiteral("PrimaryLogin")));
  const QString moduleName = TextArg(call, "ModuleName");
  const QString moduleVersion = TextArg(call, "ModuleVersion");

  TServerLoginStore::TSavepoint unit(store);
  const QString key = success && primary && !userName.isEmpty()
                          ? store.OpenSession(userName, moduleName, moduleVersion)
                          : QString();
  store.WriteHistory({userName, success, primary, moduleName, moduleVersion, key, {}});
  unit.Release();

  call.SetOutput(QStringLiteral("LoginSessionKey"), KeyOrNull(key));
  call.ReturnValue = true;
}

void KsspCheckPasswordStrength(TSqliteProcedureContext& call) {
  TServerLoginStore store(call.Connection.Handle());
  const QString userName = TextArg(call, "UserName").trimmed();
  const QString password = TextArg(call, "Password");
  const TServerPasswordPolicy policy = store.Policy();
  const QString error = ServerPasswordRuleError(
      userName, password, policy, store.RecentPasswordHashes(userName, policy.HistoryDepth));
  call.SetOutput(QStringLiteral("ErrorMessage"), error);
  call.ReturnValue = error.isEmpty();
}
