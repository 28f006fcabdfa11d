#pragma once

#include "config/KeystaneCfg.h"
#include "data/driver/DbConnection.h"

#include <QString>
#include <QStringList>

#include <memory>

// Configuration info with per-program lookups: the connection string, help
// file and log file of a logical database ("program") such as JAIL or CFG.
class TKsCustomConfigInfo : public TKeystaneIni {
  Q_OBJECT

 public:
  using TKeystaneIni::TKeystaneIni;

  // Only a form designer asks whether to skip further failed lookups; at run
  // time this stays false.
  bool SkipLookups() const { return FSkipLookups; }
  void SetSkipLookups(bool Value) { FSkipLookups = Value; }

  // Empty when there is no base connection string or no program ID.
  QString GetConnectString(const QString& AProgramID);
  QString GetHelpPath(const QString& AProgramID);
  QString GetLogPath(const QString& AProgramID);

  // Every known program ID, in order.
  virtual void GetProgramList(QStringList& APrograms) = 0;

 protected:
  // Column AFieldName of the program's row: empty without a row, ADefault
  // when the row says to use the configuration file's own value.
  virtual QString LookupProgramValue(const QString& AProgramID, const QString& AFieldName,
                                     const QString& ADefault) = 0;

 private:
  bool FSkipLookups = false;
};

// Looks programs up in the table ConnectLib of the configuration database
// reached by the configuration file's connection string. Nothing is cached:
// every lookup opens and closes its own connection, so a changed row counts
// from the next connect on.
class TKsConfigInfo : public TKsCustomConfigInfo {
  Q_OBJECT

 public:
  using TKsCustomConfigInfo::TKsCustomConfigInfo;

  QString KsVersion() const { return QStringLiteral("2.1"); }

  void GetProgramList(QStringList& APrograms) override;

 protected:
  QString LookupProgramValue(const QString& AProgramID, const QString& AFieldName,
                             const QString& ADefault) override;

 private:
  // The configuration database reached by the overlaid base string.
  std::unique_ptr<IDbConnection> OpenConfigDatabase() const;
};
