#pragma once

#include "data/driver/DbConnection.h"

#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class TKsCustomConfigInfo;
class TKsCustomDataSet;
class TKsMSQuery;

// The version every component of the shared data-access library reports.
inline QString KsDataAccessVersion() {
  return QStringLiteral("2.1");
}

struct TKsSQLDatabaseOptions {
  // The OLE DB provider the form named ("SQLOLEDB.1" or the provider's
  // enumeration name, both accepted). The looked-up connection string
  // decides what is really used.
  QString Provider;
  // Lock time-out in milliseconds; -1 waits without limit.
  int DefaultLockTimeout = -1;
  // A connection is never opened merely by being loaded; it opens on first use.
  bool KeepDesignConnected = false;
};

// A connection to one logical database that takes its connection string from
// the configuration lookup by program name (ConnectLib) instead of from the
// form. The lookup is repeated on every connect, so a changed ConnectLib row
// counts from the next open on. Datasets attached to the connection are
// closed when it closes.
class TKsSQLDatabase {
 public:
  using TNotifyEvent = std::function<void(TKsSQLDatabase&)>;

  explicit TKsSQLDatabase(const QString& name = QString());
  ~TKsSQLDatabase();
  TKsSQLDatabase(const TKsSQLDatabase&) = delete;
  TKsSQLDatabase& operator=(const TKsSQLDatabase&) = delete;

  const QString& Name() const { return FName; }
  void SetName(const QString& name) { FName = name; }
  QString KsVersion() const { return KsDataAccessVersion(); }

  // The ConnectLib program ID (JAIL, CFG, EmpMast, UserAccess, ...).
  const QString& ProgramName() const { return FProgramName; }
  void SetProgramName(const QString& value);
  // Where connection strings come from; cleared automatically when that
  // object is destroyed.
  TKsCustomConfigInfo* KsConfigInfo() const;
  void SetKsConfigInfo(TKsCustomConfigInfo* value);

  // Changing the string of an open connection closes it.
  const QString& ConnectString() const { return FConnectString; }
  void SetConnectString(const QString& value);
  bool LoginPrompt() const { return FLoginPrompt; }
  void SetLoginPrompt(bool value) { FLoginPrompt = value; }
  TKsSQLDatabaseOptions& Options() { return FOptions; }
  // The logical database: the live connection's name when connected, else
  // the name set here.
  QString Database() const;
  void SetDatabase(const QString& value) { FDatabase = value; }

  bool Connected() const { return FConnection != nullptr; }
  void SetConnected(bool value) { value ? Open() : Close(); }
  void Open();
  // Closes every attached dataset, then the connection (a transaction still
  // open is rolled back by the server).
  void Close();

  // Help and log file of the program, from the configuration lookup; empty
  // without KsConfigInfo.
  QString GetHelpFilePath() const;
  QString GetLogFilePath() const;

  // A new query on this connection.
  std::unique_ptr<TKsMSQuery> CreateDataSet(const QString& name = QString());
  // Runs a statement whose ":NAME" parameters take the values in order of
  // first appearance. Returns the rows affected (-1 when unknown).
  qint64 ExecSQL(const QString& sql, const QVariantList& params = {});
  // Runs one statement or batch on the live connection, opening it first.
  TDbResult Execute(const QString& sql, std::vector<TDbParam>& params);

  // Sees every statement any connection runs, with its parameters, just
  // before it runs: the tests that check what a report ran, and tracing.
  using TStatementObserver =
      std::function<void(const QString& sql, const std::vector<TDbParam>& params)>;
  static void SetStatementObserver(TStatementObserver observer);
  // The live connection, opened on demand.
  IDbConnection& DbConnection();

  void StartTransaction();
  void Commit();
  void Rollback();
  bool InTransaction() const;

  // The datasets currently attached.
  const std::vector<TKsCustomDataSet*>& DataSets() const { return FDataSets; }

  TNotifyEvent BeforeConnect, AfterConnect, BeforeDisconnect, AfterDisconnect;

 protected:
  // Every open: a fresh lookup of the connection string, then the connect.
  virtual void DoConnect();
  void RefreshConnectString();

 private:
  friend class TKsCustomDataSet;
  void RegisterDataSet(TKsCustomDataSet* dataSet);
  void UnregisterDataSet(TKsCustomDataSet* dataSet);
  QString BaseFolder() const;

  QString FName;
  QString FProgramName;
  QPointer<TKsCustomConfigInfo> FKsConfigInfo;
  QString FConnectString;
  bool FLoginPrompt = false;
  TKsSQLDatabaseOptions FOptions;
  QString FDatabase;
  std::unique_ptr<IDbConnection> FConnection;
  std::vector<TKsCustomDataSet*> FDataSets;
};
