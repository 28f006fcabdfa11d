#pragma once

#include "data/driver/ConnectionString.h"
#include "data/driver/DbConnection.h"
#include "data/driver/SqlCallEscape.h"
#include "data/sqlite/SqliteStatementTranslator.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

struct sqlite3;

// The embedded backend: one SQLite database file through the C API.
//
// Statement text goes through the installed statement translator (see
// SqliteStatementTranslator.h; by default lock hints dropped and ":NAME"
// parameters numbered), then every statement of the batch runs in turn,
// with the batch's variables and EXEC calls handled here. The
// procedure-call escape "{:RETURN_VALUE = CALL name (:A)}" runs a server
// routine registered with RegisterSqliteProcedure, in C++.
class TSqliteConnection : public IDbConnection {
 public:
  // Opens a database file; a relative path is taken as is (the caller
  // resolves it against the configuration folder). A missing file is an
  // error except in Create mode, so a mistyped path never leaves an empty
  // database behind; a file that is not a database, is locked, or (in
  // ReadWrite mode) cannot be written is an error, and nothing is written.
  static std::unique_ptr<TSqliteConnection> Open(const QString& path,
                                                 TSqliteOpenMode mode = TSqliteOpenMode::ReadWrite,
                                                 int busyTimeoutMs = 10000);
  ~TSqliteConnection() override;

  TSqliteConnection(const TSqliteConnection&) = delete;
  TSqliteConnection& operator=(const TSqliteConnection&) = delete;

  QString DriverName() const override { return QStringLiteral("SQLite"); }
  QString DatabaseName() const override;
  TDbResult Execute(const QString& sql, std::vector<TDbParam>& params) override;
  std::vector<TDbIndexColumn> IndexColumns(const QString& table) override;
  void StartTransaction() override;
  void Commit() override;
  void Rollback() override;
  bool InTransaction() const override;

  sqlite3* Handle() const { return FDb; }
  const QString& FileName() const { return FPath; }

  // SQLite SQL run as written, without translation; values bind to ?1, ?2...
  // For the driver's own metadata and for the T-SQL layer's helpers.
  TDbResult ExecuteNative(const QString& sql, const std::vector<QVariant>& values = {});

  // Runs a registered server routine: `args` in call order, outputs written
  // back into those whose ParamType is not ptInput; the routine's return
  // value into `returnValue` when given. The routine runs in the caller's
  // transaction state, as a stored procedure does.
  TDbResult CallProcedure(const QString& name, std::vector<TDbParam>& args,
                          QVariant* returnValue = nullptr);

 private:
  TSqliteConnection(sqlite3* db, QString path, TSqliteOpenMode mode);

  // The one step from batch text to statements ready for sqlite3_prepare;
  // the installed translator replaces the default here.
  std::vector<TSqliteStatement> PrepareStatements(const QString& sql);
  // Prepares and runs every statement of `sql`, binding `values` to ?1...;
  // keeps the first result set with columns in `result`.
  void RunBatch(const QString& sql, const std::vector<QVariant>& values, TDbResult& result,
                bool& haveResult);
  struct TBatchRun;
  void RunStatement(const TSqliteStatement& statement, TBatchRun& run);
  TDbResult ExecuteCall(const TSqlCallEscape& call, std::vector<TDbParam>& params);
  [[noreturn]] void ThrowLastError() const;

  sqlite3* FDb;
  QString FPath;
  TSqliteOpenMode FMode;
};

// Creates a new, empty database file and opens it; fails when the file is
// already there, so an existing database is never mistaken for a new one.
std::unique_ptr<TSqliteConnection> CreateSqliteDatabase(const QString& path);
