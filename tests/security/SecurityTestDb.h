#pragma once

#include "config/ConfigFileSearch.h"
#include "config/KsConfigInfo.h"
#include "core/ScriptedPrompts.h"
#include "data/sqlite/SqliteConnection.h"
#include "security/ErrorReportingSink.h"
#include "security/LoginDialogs.h"
#include "security/ScriptedLoginDialogs.h"
#include "security/dmAccess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

inline void PrintTo(const QString& AText, std::ostream* AOut) {
  *AOut << '"' << AText.toStdString() << '"';
}

// An installed workstation in a temporary folder: Keystane.App beside
// Keystane.Cfg, whose Keystane.ini reaches one real SQLite file that holds
// the configuration, employee and user-access databases, built from the
// embedded schema. Users (password in
// brackets): DEMO [DEMO2024], full access; CLERK [CLERK2024], juvenile
// information restricted; EXPIRED [OLDPASS1], password to be changed now;
// WINUSER, Windows login "jdoe". Prompts, login dialogs and the
// error-reporting facility are scripted for each test.
class SecurityTestDb : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The [UserAccess] section of Keystane.ini.
  void WriteIni(const QByteArray& AUserAccessSection = {});
  // The access module on this workstation.
  std::unique_ptr<TdtmAccess> NewAccess();
  TConfigSearchEnvironment Environment() const;

  // Native SQLite SQL on the fixture's own connection (another workstation).
  void Exec(const QString& ASql, const std::vector<QVariant>& AValues = {});
  QVariant Scalar(const QString& ASql, const std::vector<QVariant>& AValues = {});
  void AddUser(const QString& AName, const QString& APerNo, const QString& APassword,
               bool AChangeNow = false);
  void SetLevel(const QString& APerNo, const QString& ASuite, const QString& AModule,
                const QString& ASection, const QString& ALevel);
  // Sessions the server holds open.
  qint64 OpenSessions();

  QStringList Texts(TPromptKind AKind) const { return Prompts.Texts(AKind); }

  QTemporaryDir Dir;
  QString CfgFolder;
  QString DbPath;
  std::unique_ptr<TKsConfigInfo> Config;
  TScriptedPrompts Prompts;
  TScriptedLoginDialogs Dialogs;
  TDefaultErrorReportingSink Reporting;

 private:
  std::unique_ptr<TSqliteConnection> FDb;
  std::unique_ptr<TUserPromptsScope> FPromptsScope;
  std::unique_ptr<TLoginDialogsScope> FDialogsScope;
};
