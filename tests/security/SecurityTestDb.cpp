#include "SecurityTestDb.h"

#include "data/sqlite/EmbeddedSchema.h"
#include "data/sqlite/ServerLoginPasswords.h"

#include <QDir>
#include <QFile>

void SecurityTestDb::SetUp() {
  ASSERT_TRUE(Dir.isValid());
  const QString root = QDir(Dir.path()).canonicalPath();
  QDir().mkpath(root + "/Keystane.App");
  CfgFolder = root + "/Keystane.Cfg";
  QDir().mkpath(CfgFolder);
  DbPath = CfgFolder + "/suite.db";
  WriteIni();

  FDb = CreateSqliteDatabase(DbPath);
  // A fixture needs no crash safety; skipping the disk flushes keeps it quick.
  FDb->ExecuteNative("PRAGMA synchronous = OFF");
  FDb->StartTransaction();
  ApplyEmbeddedSchema(*FDb);
  for (const char* sql : {
           "INSERT INTO ConnectLib (ProgramID, ConnString) VALUES "
           "('EmpMast', 'Provider=SQLite;Data Source=suite.db'), "
           "('UserAccess', 'Provider=SQLite;Data Source=suite.db'), "
           "('Cfg', 'Provider=SQLite;Data Source=suite.db')",
           "INSERT INTO EMPMAST (PERNO, NAME, PRIMARYAGENCY, OFFICE_NO) VALUES "
           "('100', 'SMITH, JANE', 'CCSO', '555-0100'), ('200', 'JONES, BOB', '', NULL)",
           "INSERT INTO CFGAGNCY (ORG_ABBREV, ORG, ORG_STATEA, [PRIMARY]) VALUES "
           "('CCSO', 'CLAY COUNTY SHERIFF', 'MO', 0), ('CCJ', 'CLAY COUNTY JAIL', 'KS', 1)",
       })
    FDb->ExecuteNative(QString::fromUtf8(sql));

  AddUser("DEMO", "100", "DEMO2024");
  AddUser("CLERK", "200", "CLERK2024");
  AddUser("EXPIRED", "300", "OLDPASS1", true);
  AddUser("WINUSER", "400", "WINPASS1");
  Exec(
      "UPDATE Users SET WindowsUserName = 'jdoe', UseWindowsAuthentication = 1 "
      "WHERE UserName = 'WINUSER'");
  SetLevel("100", "JAIL", "JAILADMIN", "RUN", "FA");
  SetLevel("100", "RMS", "ALL_APPS", "VIEWJUV", "FA");
  SetLevel("100", "JAIL", "JAILBOOK", "VIEW_SEALED", "FA");
  SetLevel("200", "JAIL", "JAILADMIN", "RUN", "FA");
  SetLevel("200", "RMS", "ALL_APPS", "VIEWJUV", "XX");
  SetLevel("200", "JAIL", "JAILBOOK", "VIEW_SEALED", "RO");
  FDb->Commit();

  Config = std::make_unique<TKsConfigInfo>(nullptr, Environment());
  FPromptsScope = std::make_unique<TUserPromptsScope>(Prompts);
  FDialogsScope = std::make_unique<TLoginDialogsScope>(Dialogs);
  SetErrorReportingSink(&Reporting);
}

void SecurityTestDb::TearDown() {
  SetErrorReportingSink(nullptr);
  FDialogsScope.reset();
  FPromptsScope.reset();
  FDb.reset();
}

TConfigSearchEnvironment SecurityTestDb::Environment() const {
  TConfigSearchEnvironment environment;
  environment.ProgramFolder = QDir(Dir.path()).canonicalPath() + "/Keystane.App/";
  environment.CurrentFolder = environment.ProgramFolder;
  environment.Mounts = [] { return std::vector<TMountEntry>(); };
  environment.FindFile = &FindFileIgnoringCase;
  return environment;
}

void SecurityTestDb::WriteIni(const QByteArray& AUserAccessSection) {
  QFile file(CfgFolder + "/Keystane.ini");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("[DataProvider]\r\nConnStr=Provider=SQLite;Data Source=suite.db\r\n[UserAccess]\r\n" +
             AUserAccessSection);
}

std::unique_ptr<TdtmAccess> SecurityTestDb::NewAccess() {
  return std::make_unique<TdtmAccess>(Config.get());
}

void SecurityTestDb::Exec(const QString& ASql, const std::vector<QVariant>& AValues) {
  FDb->ExecuteNative(ASql, AValues);
}

QVariant SecurityTestDb::Scalar(const QString& ASql, const std::vector<QVariant>& AValues) {
  const TDbResult r = FDb->ExecuteNative(ASql, AValues);
  return r.Rows.empty() ? QVariant() : r.Rows[0][0];
}

void SecurityTestDb::AddUser(const QString& AName, const QString& APerNo, const QString& APassword,
                             bool AChangeNow) {
  Exec(
      "INSERT INTO Users (UserName, PerNo, EncryptedPassword, PwdLastChanged, PwdChangeNow) "
      "VALUES (?1, ?2, ?3, strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'), ?4)",
      {AName, APerNo, ServerLoginHashPassword(APassword), AChangeNow ? 1 : 0});
}

void SecurityTestDb::SetLevel(const QString& APerNo, const QString& ASuite, const QString& AModule,
                              const QString& ASection, const QString& ALevel) {
  Exec(
      "INSERT OR REPLACE INTO AccessV4 (PerNo, Suite, Module, Section, Level) "
      "VALUES (?1, ?2, ?3, ?4, ?5)",
      {APerNo, ASuite, AModule, ASection, ALevel});
}

qint64 SecurityTestDb::OpenSessions() {
  return Scalar("SELECT COUNT(*) FROM LoginSessions WHERE LogoutTime IS NULL").toLongLong();
}
