#include "data/sqlite/ServerLoginStore.h"

#include "data/driver/DbTypes.h"
#include "data/sqlite/SqliteQuery.h"

#include <QUuid>
#include <QVariant>

#include <sqlite3.h>

namespace {

QString Stamp(const QDateTime& value) {
  return DbValue::DateTimeToCanonical(value);
}

QVariant NullIfEmpty(const QString& text) {
  return text.isEmpty() ? QVariant() : QVariant(text);
}

}  // namespace

std::optional<TServerLoginUser> TServerLoginStore::FindUser(const QString& userName) const {
  TSqliteQuery s(FDb,
                 "SELECT UserName, EncryptedPassword, PwdLastChanged, PwdChangeNow FROM Users "
                 "WHERE UserName = ?1",
                 {userName});
  if (!s.Step()) return std::nullopt;
  TServerLoginUser user;
  user.UserName = s.Text(0);
  user.EncryptedPassword = s.IsNull(1) ? QString() : s.Text(1);
  user.PwdLastChanged = s.IsNull(2) ? QDateTime() : DbValue::CanonicalToDateTime(s.Text(2));
  user.PwdChangeNow = !s.IsNull(3) && s.Int(3) != 0;
  return user;
}

TServerPasswordPolicy TServerLoginStore::Policy() const {
  TServerPasswordPolicy policy;
  TSqliteQuery s(FDb, "SELECT MinLength, HistoryDepth, MaxAgeDays FROM PasswordPolicy LIMIT 1", {});
  if (s.Step()) {
    policy.MinLength = int(s.Int(0));
    policy.HistoryDepth = int(s.Int(1));
    policy.MaxAgeDays = int(s.Int(2));
  }
  return policy;
}

QStringList TServerLoginStore::RecentPasswordHashes(const QString& userName, int count) const {
  QStringList hashes;
  if (count <= 0) return hashes;
  if (const auto user = FindUser(userName); user && !user->EncryptedPassword.isEmpty())
    hashes << user->EncryptedPassword;
  TSqliteQuery s(FDb,
                 "SELECT EncryptedPassword FROM PasswordHistory WHERE UserName = ?1 "
                 "ORDER BY PasswordHistoryID DESC LIMIT ?2",
                 {userName, qint64(count)});
  while (hashes.size() < count && s.Step()) hashes << s.Text(0);
  return hashes;
}

QString TServerLoginStore::OpenSession(const QString& userName, const QString& moduleName,
                                       const QString& moduleVersion) {
  const QString key = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
  TSqliteQuery(FDb,
               "INSERT INTO LoginSessions (LoginSessionKey, UserName, ModuleName, ModuleVersion, "
               "LoginTime) VALUES (?1, ?2, ?3, ?4, ?5)",
               {key, userName, NullIfEmpty(moduleName), NullIfEmpty(moduleVersion), Stamp(Now())})
      .Run();
  return key;
}

bool TServerLoginStore::CloseSession(const QString& key) {
  if (key.isEmpty()) return false;
  TSqliteQuery(FDb,
               "UPDATE LoginSessions SET LogoutTime = ?2 "
               "WHERE LoginSessionKey = ?1 AND LogoutTime IS NULL",
               {key, Stamp(Now())})
      .Run();
  return sqlite3_changes(FDb) > 0;
}

void TServerLoginStore::WriteHistory(const TServerLoginHistoryEntry& e) {
  TSqliteQuery(
      FDb,
      "INSERT INTO LoginHistory (LoginTime, UserName, Success, PrimaryLogin, ModuleName, "
      "ModuleVersion, LoginSessionKey, Message) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
      {Stamp(Now()), NullIfEmpty(e.UserName), e.Success, e.PrimaryLogin, NullIfEmpty(e.ModuleName),
       NullIfEmpty(e.ModuleVersion), NullIfEmpty(e.LoginSessionKey), NullIfEmpty(e.Message)})
      .Run();
}

QDateTime TServerLoginStore::Now() {
  const QDateTime local = QDateTime::currentDateTime();
  return QDateTime(local.date(), local.time(), Qt::UTC);
}
