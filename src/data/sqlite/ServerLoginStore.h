#pragma once

#include "data/sqlite/ServerLoginPolicy.h"
#include "data/sqlite/SqliteQuery.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

struct sqlite3;

// A row of Users as the login routines see it.
struct TServerLoginUser {
  QString UserName;           // as stored
  QString EncryptedPassword;  // empty when none is set
  QDateTime PwdLastChanged;   // invalid when null
  bool PwdChangeNow = false;
};

// One row of LoginHistory.
struct TServerLoginHistoryEntry {
  QString UserName;
  bool Success = false;
  bool PrimaryLogin = false;
  QString ModuleName;
  QString ModuleVersion;
  QString LoginSessionKey;  // empty: none
  QString Message;
};

// The tables of the embedded login routines, read and written on the
// connection the routine runs on. Failures throw EDatabaseError.
class TServerLoginStore {
 public:
  explicit TServerLoginStore(sqlite3* db) : FDb(db) {}

  // User names compare as the column's TSQL collation has it: without regard
  // to case and trailing blanks.
  std::optional<TServerLoginUser> FindUser(const QString& userName) const;
  // The row of PasswordPolicy; the defaults when the table is empty.
  TServerPasswordPolicy Policy() const;
  // The user's current hash followed by earlier ones, newest first, at most
  // `count` in all.
  QStringList RecentPasswordHashes(const QString& userName, int count) const;

  // A new session of the user; returns its key.
  QString OpenSession(const QString& userName, const QString& moduleName,
                      const QString& moduleVersion);
  // Ends an open session; false when the key names none.
  bool CloseSession(const QString& key);
  void WriteHistory(const TServerLoginHistoryEntry& entry);

  // The wall-clock time the routines stamp rows with (naive, as stored).
  static QDateTime Now();

  // Writes of one routine as a unit, nested inside the caller's transaction
  // when there is one. Rolled back unless Release is called.
  class TSavepoint : public TSqliteSavepoint {
   public:
    explicit TSavepoint(TServerLoginStore& store) : TSqliteSavepoint(store.FDb, "ServerLogin") {}
  };

 private:
  sqlite3* FDb;
};
