#pragma once

#include "data/sqlite/EmbeddedDatabaseSupport.h"
#include "app/fmJBReportsMain.h"
#include "config/dmJailAdminReportsConfig.h"
#include "config/dmMastCfg.h"
#include "config/dmSharedINI.h"
#include "core/ScriptedPrompts.h"
#include "data/dmJailAdminReports.h"
#include "data/sqlite/ServerLoginPasswords.h"
#include "fixtures/SuiteTestDatabase.h"
#include "reports/framework/ReportCatalogue.h"
#include "security/ErrorReportingSink.h"
#include "security/LoginDialogs.h"
#include "security/ScriptedLoginDialogs.h"
#include "security/dmAccess.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

inline void PrintTo(const QString& AText, std::ostream* AOut) {
  *AOut << '"' << AText.toStdString() << '"';
}
inline void PrintTo(const QStringList& ATexts, std::ostream* AOut) {
  *AOut << "{\"" << ATexts.join("\", \"").toStdString() << "\"}";
}

// A workstation with the suite and the modules start-up creates before the
// catalogue window: access, report configuration, shared settings, master
// configuration and the session module, all on one real SQLite file. Users: DEMO [DEMO2024] with
// full access, CLERK [CLERK2024] restricted from juvenile information and
// without classification rights. Facilities MAIN (two inmates in jail) and
// ANNEX (one), both stored with trailing blanks as the suite's char columns
// keep them. Messages, questions and login dialogs are scripted per test.
class JBReportsMainTestDb : public testing::Test {
 public:
  void SetUp() override {
    InstallEmbeddedDatabaseSupport();
    Prompts.ClearPrompts();
    Db.emplace();
    for (const char* sql : {
             "INSERT INTO EMPMAST (PERNO, NAME, LNAME, PRIMARYAGENCY) VALUES "
             "('100', 'SMITH, JANE', 'SMITH', 'CCSO'), ('200', 'JONES, BOB', 'JONES', 'CCSO')",
             "INSERT INTO CFGAGNCY (ORG_ABBREV, ORG, ORG_STATEA, [PRIMARY]) VALUES "
             "('CCSO', '  CLAY COUNTY SHERIFF  ', 'MO', 1)",
             "INSERT INTO CFGFACI (FACILITYID, FACILITYDESC) VALUES "
             "('MAIN  ', 'Main Jail  '), ('ANNEX ', 'Annex  ')",
             "INSERT INTO JBHISTO (BOOKNO, FACICODE, NAMERELEAS) VALUES "
             "('B1', 'MAIN', 1), ('B2', 'MAIN', 1), ('B3', 'MAIN', 0), ('B4', 'ANNEX', 1)",
         })
      Db->Exec(QString::fromUtf8(sql));
    AddUser("DEMO", "100", "DEMO2024");
    AddUser("CLERK", "200", "CLERK2024");
    for (const char* module : {"JAILADMIN", "JAILINSID", "JAILINFIRM", "JAILTRANS", "JAILCLASSI",
                               "JAILVISIT", "JAILSENTE"})
      SetLevel("100", "JAIL", module, "RUN", "FA");
    SetLevel("100", "JAIL", "ALL_APPS", "VIEWJUV", "FA");
    SetLevel("200", "JAIL", "JAILADMIN", "RUN", "RO");
    SetLevel("200", "JAIL", "JAILCLASSI", "RUN", "RO");
    SetLevel("200", "JAIL", "ALL_APPS", "VIEWJUV", "XX");

    // Closing the catalogue would otherwise ask the test's application to quit.
    QApplication::setQuitOnLastWindowClosed(false);
    FPromptsScope.emplace(Prompts);
    FDialogsScope.emplace(Dialogs);
    SetErrorReportingSink(&Reporting);

    dtmAccess = new TdtmAccess();
    dtmJailAdminReportsConfig = new TdtmJailAdminReportsConfig();
    dtmSharedINI = new TdtmSharedINI();
    dtmMastCfg = new TdtmMastCfg();
    dtmJailAdminReports = new TdtmJailAdminReports();
  }

  void TearDown() override {
    Window.reset();
    frmJBReportsMain = nullptr;
    DeleteGlobal(dtmJailAdminReports);
    DeleteGlobal(dtmMastCfg);
    DeleteGlobal(dtmSharedINI);
    DeleteGlobal(dtmJailAdminReportsConfig);
    DeleteGlobal(dtmAccess);
    SetErrorReportingSink(nullptr);
    FDialogsScope.reset();
    FPromptsScope.reset();
    Db.reset();
    QApplication::setQuitOnLastWindowClosed(true);
  }

  template <class T>
  static void DeleteGlobal(T*& AGlobal) {
    std::unique_ptr<T> object(AGlobal);
    AGlobal = nullptr;
  }

  void AddUser(const QString& AName, const QString& APerNo, const QString& APassword) {
    Db->Exec(
        "INSERT INTO Users (UserName, PerNo, EncryptedPassword, PwdLastChanged, PwdChangeNow) "
        "VALUES (?1, ?2, ?3, strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'), 0)",
        {AName, APerNo, ServerLoginHashPassword(APassword)});
  }

  void SetLevel(const QString& APerNo, const QString& ASuite, const QString& AModule,
                const QString& ASection, const QString& ALevel) {
    Db->Exec(
        "INSERT OR REPLACE INTO AccessV4 (PerNo, Suite, Module, Section, Level) "
        "VALUES (?1, ?2, ?3, ?4, ?5)",
        {APerNo, ASuite, AModule, ASection, ALevel});
  }

  void SetSharedIni(const QString& AGroup, const QString& AId, const QString& AValue) {
    Db->Exec(
        "INSERT OR REPLACE INTO SharedINI (VariableGroup, VariableId, VariableValue) "
        "VALUES (?1, ?2, ?3)",
        {AGroup, AId, AValue});
  }

  // The catalogue window, created (login included) with these arguments.
  TfrmJBReportsMain& NewWindow(const QStringList& AArguments = {}) {
    Window = std::make_unique<TfrmJBReportsMain>(AArguments, Catalogue);
    frmJBReportsMain = Window.get();
    return *Window;
  }

  // Logged in as DEMO through the dialog, facility MAIN chosen, shown.
  TfrmJBReportsMain& ShownWindow(const QString& AUser = QStringLiteral("DEMO"),
                                 const QString& APassword = QStringLiteral("DEMO2024")) {
    Dialogs.AddLogin(AUser, APassword);
    Prompts.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("MAIN"));
    TfrmJBReportsMain& window = NewWindow();
    EXPECT_FALSE(window.UserAbortedLogin()) << Prompts.Texts().join('\n').toStdString();
    window.show();
    return window;
  }

  // The transaction-log rows as "EVENT|USER_ID|NOTE2".
  QStringList LogRows() const {
    QStringList rows;
    for (const auto& row :
         Db->Run("SELECT EVENT, USER_ID, NOTE2 FROM JailTransLog ORDER BY EVENT_STAMP, EVENT").Rows)
      rows << QStringList{row[0].toString(), row[1].toString(), row[2].toString()}.join('|');
    return rows;
  }

  std::optional<TSuiteTestDatabase> Db;
  TScriptedPrompts Prompts;
  TScriptedLoginDialogs Dialogs;
  TDefaultErrorReportingSink Reporting;
  TReportCatalogue Catalogue;
  std::unique_ptr<TfrmJBReportsMain> Window;

 private:
  std::optional<TUserPromptsScope> FPromptsScope;
  std::optional<TLoginDialogsScope> FDialogsScope;
};
