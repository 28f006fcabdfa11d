#include "data/sqlite/ServerLoginStore.h"

#include "core/Exception.h"
#include "data/driver/DbTypes.h"

#include <QUuid>
#include <QVariant>

#include <sqlite3.h>

#include <initializer_list>

namespace {

[[noreturn]] void Fail(sqlite3* db) {
  throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

// One prepared statement with its values bound to ?1, ?2...
class TStatement {
 public:
  TStatement(sqlite3* db, const char* sql, std::initializer_list<QVariant> values) : FDb(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &FStmt, nullptr) != SQLITE_OK) Fail(db);
    int index = 1;
    for (const QVariant& v : values) {
      int rc;
      if (DbValue::IsNull(v)) {
        rc = sqlite3_bind_null(FStmt, index);
      } else if (v.typeId() == QMetaType::Bool || v.typeId() == QMetaType::Int ||
                 v.typeId() == QMetaType::LongLong) {
        rc = sqlite3_bind_int64(FStmt, index, v.toLongLong());
      } else {
        const QByteArray text = v.toString().toUtf8();
        rc = sqlite3_bind_text64(FStmt, index, text.constData(), sqlite3_uint64(text.size()),
                                 SQLITE_TRANSIENT, SQLITE_UTF8);
      }
      if (rc != SQLITE_OK) Fail(db);
      ++index;
    }
  }
  ~TStatement() { sqlite3_finalize(FStmt); }
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;

  // True while there is a row.
  bool Step() {
    const int rc = sqlite3_step(FStmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Fail(FDb);
  }
  void Run() {
    while (Step()) {
    }
  }
  bool IsNull(int column) const { return sqlite3_column_type(FStmt, column) == SQLITE_NULL; }
  QString Text(int column) const {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(FStmt, column)),
                             sqlite3_column_bytes(FStmt, column));
  }
  qint64 Int(int column) const { return sqlite3_column_int64(FStmt, column); }

 private:
  sqlite3* FDb;
  sqlite3_stmt* FStmt = nullptr;
};

QString Stamp(const QDateTime& value) {
  return DbValue::DateTimeToCanonical(value);
}

QVariant NullIfEmpty(const QString& text) {
  return text.isEmpty() ? QVariant() : QVariant(text);
}

}  // namespace

std::optional<TServerLoginUser> TServerLoginStore::FindUser(const QString& userName) const {
  TStatement s(FDb,
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
  TStatement s(FDb, "SELECT MinLength, HistoryDepth, MaxAgeDays FROM PasswordPolicy LIMIT 1", {});
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
  TStatement s(FDb,
               "SELECT EncryptedPassword FROM PasswordHistory WHERE UserName = ?1 "
               "ORDER BY PasswordHistoryID DESC LIMIT ?2",
               {userName, qint64(count)});
  while (hashes.size() < count && s.Step()) hashes << s.Text(0);
  return hashes;
}

QString TServerLoginStore::OpenSession(const QString& userName, const QString& moduleName,
                                       const QString& moduleVersion) {
  const QString key = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
  TStatement(FDb,
             "INSERT INTO LoginSessions (LoginSessionKey, UserName, ModuleName, ModuleVersion, "
             "LoginTime) VALUES (?1, ?2, ?3, ?4, ?5)",
             {key, userName, NullIfEmpty(moduleName), NullIfEmpty(moduleVersion), Stamp(Now())})
      .Run();
  return key;
}

bool TServerLoginStore::CloseSession(const QString& key) {
  if (key.isEmpty()) return false;
  TStatement(FDb,
             "UPDATE LoginSessions SET LogoutTime = ?2 "
             "WHERE LoginSessionKey = ?1 AND LogoutTime IS NULL",
             {key, Stamp(Now())})
      .Run();
  return sqlite3_changes(FDb) > 0;
}

void TServerLoginStore::WriteHistory(const TServerLoginHistoryEntry& e) {
  TStatement(
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

TServerLoginStore::TSavepoint::TSavepoint(TServerLoginStore& store) : FDb(store.FDb) {
  if (sqlite3_exec(FDb, "SAVEPOINT ServerLogin", nullptr, nullptr, nullptr) != SQLITE_OK) Fail(FDb);
}

TServerLoginStore::TSavepoint::~TSavepoint() {
  if (!FOpen) return;
  sqlite3_exec(FDb, "ROLLBACK TO ServerLogin", nullptr, nullptr, nullptr);
  sqlite3_exec(FDb, "RELEASE ServerLogin", nullptr, nullptr, nullptr);
}

void TServerLoginStore::TSavepoint::Release() {
  if (sqlite3_exec(FDb, "RELEASE ServerLogin", nullptr, nullptr, nullptr) != SQLITE_OK) Fail(FDb);
  FOpen = false;
}
