#include "SecurityTestDb.h"

#include "security/JailPermissions.h"

namespace {

const QString kCaption = QStringLiteral("Dira Zivurirova Zodera");
const QString kInvalid = QStringLiteral("Invalid user name or password.");
const QString kExpired = QStringLiteral("Your password has expired and must be changed.");

class LoginTest : public SecurityTestDb {
 protected:
  void SetUp() override {
    SecurityTestDb::SetUp();
    Access = NewAccess();
    // The tests run without a Windows account unless they give one.
    Access->SetWindowsUserNameSource([] { return QString(); });
    Access->AddAfterLoginEvent([this] { Events << "first:" + Access->UserName(); });
    Access->AddAfterLoginEvent([this] { Events << "second"; });
  }

  QString Login(bool APrimary = true) { return Access->Login(kCaption, APrimary); }

  bool PasswordIs(const QString& AUser, const QString& APassword) {
    return Access->CheckUserPassWord(AUser, APassword);
  }

  std::unique_ptr<TdtmAccess> Access;
  QStringList Events;
};

TEST_F(LoginTest, RightPasswordLogsInAndPublishesTheUser) {
  Dialogs.AddLogin("DEMO", "DEMO2024");
  EXPECT_EQ(Login(), "DEMO");

  ASSERT_EQ(Dialogs.ShownLoginDialogs().size(), 1u);
  EXPECT_EQ(Dialogs.ShownLoginDialogs()[0].Caption, "Norvale Login: Dira Zivurirova Zodera");
  EXPECT_TRUE(Dialogs.ShownLoginDialogs()[0].AllowChangePassword);
  EXPECT_TRUE(Prompts.Prompts().empty());

  EXPECT_EQ(Access->UserName(), "DEMO");
  EXPECT_EQ(Access->Password(), "DEMO2024");
  EXPECT_FALSE(Access->LoginSessionKey().isEmpty());
  EXPECT_EQ(OpenSessions(), 1);
  EXPECT_TRUE(Access->CanViewJuvenileInfo());
  EXPECT_EQ(Access->xsAgencyAbbrev, "CCSO");
  EXPECT_EQ(Access->Telephone(), "555-0100");
  EXPECT_EQ(Events, QStringList({"first:DEMO", "second"}));

  EXPECT_EQ(Reporting.UserName(), "DEMO");
  EXPECT_EQ(Reporting.AgencyName(), "CLAY COUNTY SHERIFF");
  const TErrorReportingCustomFields& f = Reporting.CustomFields();
  EXPECT_EQ(f.PerNo, "100");
  EXPECT_EQ(f.UserName, "DEMO");
  EXPECT_EQ(f.FullName, "SMITH, JANE");
  EXPECT_EQ(f.AgencyAbbrev, "CCSO");
  EXPECT_EQ(f.AgencyState, "MO");

  // The server recorded who logged in with what.
  EXPECT_EQ(Scalar("SELECT ModuleName || ' ' || ModuleVersion FROM LoginHistory").toString(),
            Access->ModuleName() + " " + Access->ModuleVersion());
}

TEST_F(LoginTest, AUserWithoutAgencyGetsTheSuitesPrimaryAgency) {
  Dialogs.AddLogin("CLERK", "CLERK2024");
  EXPECT_EQ(Login(), "CLERK");
  EXPECT_EQ(Access->xsAgencyAbbrev, "CCJ");
  EXPECT_EQ(Reporting.CustomFields().AgencyState, "KS");
  EXPECT_FALSE(Access->CanViewJuvenileInfo());
  EXPECT_EQ(Access->Telephone(), QString());
}

TEST_F(LoginTest, ThreeWrongPasswordsShowTheTimedMessageThreeTimesAndTheDialogFourTimes) {
  Dialogs.AddLogin("DEMO", "WRONG1");
  Dialogs.AddLogin("DEMO", "WRONG2");
  Dialogs.AddLogin("DEMO", "WRONG3");
  Dialogs.AddLogin("DEMO", "DEMO2024");
  EXPECT_EQ(Login(), "DEMO");
  EXPECT_EQ(Dialogs.ShownLoginDialogs().size(), 4u);
  ASSERT_EQ(Prompts.Count(TPromptKind::pkTimed), 3);
  for (const TRecordedPrompt& p : Prompts.Prompts()) {
    EXPECT_EQ(p.Caption, "Invalid Login Attempt");
    EXPECT_EQ(p.Text, kInvalid);
  }
  EXPECT_EQ(Prompts.Prompts().size(), 3u);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LoginHistory WHERE Success = 0").toLongLong(), 3);
}

TEST_F(LoginTest, CancelLeavesNobodyLoggedIn) {
  Dialogs.AddLogin("DEMO", "WRONG1");
  Dialogs.AddLoginCancel();
  EXPECT_EQ(Login(), QString());
  EXPECT_EQ(Access->UserName(), QString());
  EXPECT_EQ(Prompts.Count(TPromptKind::pkTimed), 1);
  EXPECT_TRUE(Events.isEmpty());
  EXPECT_EQ(OpenSessions(), 0);
  EXPECT_EQ(Reporting.UserName(), QString());
}

TEST_F(LoginTest, TextsAreSentInCapitalsAndTheUserNameCutToTheColumn) {
  AddUser("ABCDEFGHIJKLMNOPQRST", "500", "LONGNAME1");
  Dialogs.AddLogin("demo", "demo2024");
  EXPECT_EQ(Login(), "DEMO");
  Dialogs.AddLogin("abcdefghijklmnopqrstuvwxyz", "longname1");
  EXPECT_EQ(Login(), "ABCDEFGHIJKLMNOPQRST");
  // An empty name is the server's to refuse; the dialog comes back.
  Dialogs.AddLogin("", "DEMO2024");
  Dialogs.AddLoginCancel();
  EXPECT_EQ(Login(), QString());
  EXPECT_EQ(Texts(TPromptKind::pkTimed), QStringList({"Please enter your user name."}));
}

TEST_F(LoginTest, QuotesInTheTypedTextsAreData) {
  Dialogs.AddLogin("X' OR '1'='1", "X' OR '1'='1");
  Dialogs.AddLoginCancel();
  EXPECT_EQ(Login(), QString());
  EXPECT_EQ(Texts(TPromptKind::pkTimed), QStringList({kInvalid}));
  EXPECT_EQ(Texts(TPromptKind::pkError), QStringList());
}

TEST_F(LoginTest, AnExpiredPasswordMustBeChangedBeforeTheLoginCounts) {
  Dialogs.AddLogin("EXPIRED", "OLDPASS1");
  Dialogs.AddPasswordChange("NEWPASS22");
  EXPECT_EQ(Login(), "EXPIRED");

  ASSERT_EQ(Dialogs.ShownPasswordDialogs().size(), 1u);
  const auto& shown = Dialogs.ShownPasswordDialogs()[0];
  EXPECT_EQ(shown.UserName, "EXPIRED");
  EXPECT_FALSE(shown.RequireOldPassword);
  EXPECT_TRUE(shown.MessageVisible);
  EXPECT_EQ(shown.Message, kExpired);
  EXPECT_TRUE(PasswordIs("EXPIRED", "NEWPASS22"));
  EXPECT_FALSE(PasswordIs("EXPIRED", "OLDPASS1"));
  EXPECT_EQ(Scalar("SELECT PwdChangeNow FROM Users WHERE UserName = 'EXPIRED'").toLongLong(), 0);
  EXPECT_EQ(Access->Password(), "NEWPASS22");
  EXPECT_EQ(OpenSessions(), 1);

  // Changed now, so the next login goes straight in.
  Dialogs.AddLogin("EXPIRED", "NEWPASS22");
  EXPECT_EQ(Login(), "EXPIRED");
  EXPECT_EQ(Dialogs.ShownPasswordDialogs().size(), 1u);
}

TEST_F(LoginTest, CancellingTheChangeOfAnExpiredPasswordLogsNobodyIn) {
  Dialogs.AddLogin("EXPIRED", "OLDPASS1");
  Dialogs.AddPasswordCancel();
  EXPECT_EQ(Login(), QString());
  EXPECT_EQ(Dialogs.ShownLoginDialogs().size(), 1u);
  EXPECT_EQ(Access->UserName(), QString());
  EXPECT_TRUE(Events.isEmpty());
  EXPECT_TRUE(PasswordIs("EXPIRED", "OLDPASS1"));
  // The session the server opened for the half-done login is closed again.
  EXPECT_EQ(OpenSessions(), 0);
}

TEST_F(LoginTest, ChangeAfterLoginMeetsTheServersRuleUntilAPasswordPasses) {
  Dialogs.AddLogin("DEMO", "DEMO2024", true);
  Dialogs.AddPasswordChange("SHORT1");
  Dialogs.AddPasswordChange("GOODPASS1", "GOODPASS2");
  Dialogs.AddPasswordChange("DEMO2024");
  Dialogs.AddPasswordChange("GOODPASS1");
  EXPECT_EQ(Login(), "DEMO");

  ASSERT_EQ(Dialogs.ShownPasswordDialogs().size(), 1u);
  const auto& shown = Dialogs.ShownPasswordDialogs()[0];
  EXPECT_FALSE(shown.MessageVisible);
  EXPECT_FALSE(shown.RequireOldPassword);
  EXPECT_EQ(shown.Attempts, 4);
  EXPECT_EQ(Texts(TPromptKind::pkWarning),
            QStringList({"The password must be at least 8 characters long.",
                         "The passwords you typed do not match. Type the same \n"
                         "password in both text boxes.",
                         "The password must not contain the user name."}));
  EXPECT_TRUE(PasswordIs("DEMO", "GOODPASS1"));
}

TEST_F(LoginTest, ACancelledChangeAfterLoginLogsNobodyIn) {
  Dialogs.AddLogin("DEMO", "DEMO2024", true);
  Dialogs.AddPasswordChange("SHORT1");
  Dialogs.AddPasswordCancel();
  EXPECT_EQ(Login(), QString());
  EXPECT_EQ(Dialogs.ShownPasswordDialogs()[0].Attempts, 1);
  EXPECT_TRUE(PasswordIs("DEMO", "DEMO2024"));
  EXPECT_EQ(Access->UserName(), QString());
  EXPECT_EQ(OpenSessions(), 0);
}

TEST_F(LoginTest, AnUnreachableDatabaseShowsTheErrorAndLogsNobodyIn) {
  Exec(
      "UPDATE ConnectLib SET ConnString = 'Provider=SQLite;Data Source=gone.db' "
      "WHERE ProgramID = 'EmpMast'");
  Dialogs.AddLogin("DEMO", "DEMO2024");
  EXPECT_EQ(Login(), QString());
  ASSERT_EQ(Prompts.Count(TPromptKind::pkError), 1);
  EXPECT_TRUE(Texts(TPromptKind::pkError)[0].contains("gone.db"))
      << Texts(TPromptKind::pkError)[0].toStdString();
  EXPECT_TRUE(Dialogs.ShownLoginDialogs().empty());
  EXPECT_EQ(Access->UserName(), QString());
  EXPECT_TRUE(Events.isEmpty());
}

TEST_F(LoginTest, AFailureAfterTheServerAcceptedLogsTheUserOutAgain) {
  // The user-access database is gone: the login itself passes, reading
  // the user's levels afterwards fails.
  Exec(
      "UPDATE ConnectLib SET ConnString = 'Provider=SQLite;Data Source=gone.db' "
      "WHERE ProgramID = 'UserAccess'");
  Dialogs.AddLogin("DEMO", "DEMO2024");
  EXPECT_EQ(Login(), QString());
  EXPECT_EQ(Prompts.Count(TPromptKind::pkError), 1);
  EXPECT_EQ(Access->UserName(), QString());
  EXPECT_EQ(OpenSessions(), 0);
}

TEST_F(LoginTest, WindowsAccountLogsInWithoutADialog) {
  WriteIni("UseWindowsAuthentication=1\r\n");
  Access = NewAccess();
  Access->SetWindowsUserNameSource([] { return QStringLiteral("jdoe"); });
  Access->AddAfterLoginEvent([this] { Events << "after:" + Access->UserName(); });
  EXPECT_EQ(Login(), "WINUSER");
  EXPECT_TRUE(Dialogs.ShownLoginDialogs().empty());
  EXPECT_EQ(Access->UserName(), "WINUSER");
  EXPECT_EQ(Access->Password(), QString());
  EXPECT_EQ(Access->LoginSessionKey(), QString());
  EXPECT_EQ(Events, QStringList({"after:WINUSER"}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LoginHistory WHERE UserName = 'WINUSER' "
                   "AND PrimaryLogin = 0 AND Success = 1")
                .toLongLong(),
            1);
  EXPECT_EQ(OpenSessions(), 0);
}

TEST_F(LoginTest, WindowsAccountIsIgnoredUnlessBothSettingsAllowIt) {
  struct TCase {
    QByteArray Ini;
    int UserFlag;
  } cases[] = {{"UseWindowsAuthentication=0\r\n", 1}, {"UseWindowsAuthentication=1\r\n", 0}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Ini.toStdString());
    WriteIni(c.Ini);
    Exec("UPDATE Users SET UseWindowsAuthentication = ?1 WHERE UserName = 'WINUSER'", {c.UserFlag});
    Access = NewAccess();
    Access->SetWindowsUserNameSource([] { return QStringLiteral("jdoe"); });
    Dialogs.AddLoginCancel();
    EXPECT_EQ(Login(), QString());
  }
  EXPECT_EQ(Dialogs.ShownLoginDialogs().size(), 2u);
}

TEST_F(LoginTest, CommandLineLoginRecordsTheLoginAndHoldsASession) {
  Access->SetUserName("CLERK", true);
  EXPECT_EQ(Access->UserName(), "CLERK");
  EXPECT_EQ(Access->Password(), QString());
  EXPECT_FALSE(Access->LoginSessionKey().isEmpty());
  EXPECT_EQ(OpenSessions(), 1);
  EXPECT_EQ(Events, QStringList({"first:CLERK", "second"}));
  EXPECT_FALSE(Access->CanViewJuvenileInfo());

  // A new primary login ends the first session.
  Access->SetUserName("DEMO", true);
  EXPECT_EQ(OpenSessions(), 1);
  EXPECT_TRUE(Access->CanViewJuvenileInfo());

  // An empty name only logs out.
  Access->SetUserName(QString(), true);
  EXPECT_EQ(Access->UserName(), QString());
  EXPECT_EQ(OpenSessions(), 0);
}

TEST_F(LoginTest, LogoutAndDestructionEndTheSession) {
  Dialogs.AddLogin("DEMO", "DEMO2024");
  ASSERT_EQ(Login(), "DEMO");
  Access->Logout();
  EXPECT_EQ(OpenSessions(), 0);
  EXPECT_EQ(Access->UserName(), QString());
  EXPECT_EQ(Access->LoginSessionKey(), QString());
  EXPECT_EQ(Access->Telephone(), QString());
  EXPECT_FALSE(Access->CanViewJuvenileInfo());

  Dialogs.AddLogin("DEMO", "DEMO2024");
  ASSERT_EQ(Login(), "DEMO");
  EXPECT_EQ(OpenSessions(), 1);
  Access.reset();
  EXPECT_EQ(OpenSessions(), 0);
}

TEST_F(LoginTest, ASecondaryLoginLeavesTheSessionUserAlone) {
  Dialogs.AddLogin("DEMO", "DEMO2024");
  ASSERT_EQ(Login(), "DEMO");
  const QString key = Access->LoginSessionKey();
  Dialogs.AddLogin("CLERK", "CLERK2024");
  EXPECT_EQ(Login(false), "CLERK");
  EXPECT_EQ(Access->UserName(), "DEMO");
  EXPECT_EQ(Access->LoginSessionKey(), key);
  EXPECT_EQ(OpenSessions(), 1);
}

TEST_F(LoginTest, PasswordRoutinesAnswerForTheServer) {
  EXPECT_TRUE(Access->CheckUserExists("DEMO"));
  EXPECT_FALSE(Access->CheckUserExists("NOBODY"));
  EXPECT_FALSE(Access->CheckUserExists("O'BRIEN"));
  AddUser("O'BRIEN", "600", "IRISH2024");
  EXPECT_TRUE(Access->CheckUserExists("O'BRIEN"));

  QString message;
  EXPECT_FALSE(Access->CheckPasswordStrength("DEMO", "ABC", message));
  EXPECT_EQ(message, "The password must be at least 8 characters long.");
  message.clear();
  EXPECT_TRUE(Access->CheckPasswordStrength("DEMO", "SUMMER2025", message));
  EXPECT_EQ(message, QString());

  EXPECT_FALSE(Access->UpdateUserPassword("NOBODY", "SUMMER2025", message));
  EXPECT_EQ(message, "Unable to update password.");
  EXPECT_FALSE(Access->UpdateUserPassword("DEMO", "DEMO2024", message));
  EXPECT_EQ(message, "The password must not contain the user name.");
  EXPECT_TRUE(Access->UpdateUserPassword("DEMO", "SUMMER2025", message));
  EXPECT_TRUE(PasswordIs("DEMO", "SUMMER2025"));
}

TEST_F(LoginTest, AgencyLookupsTakeQuotesAsData) {
  EXPECT_EQ(Access->GetAgencyNameFromAbrev("CCJ"), "CLAY COUNTY JAIL");
  EXPECT_EQ(Access->GetAgencyNameFromAbrev("O'X"), QString());
  EXPECT_EQ(Access->GetPrimaryAgencyState("O'X"), QString());
  EXPECT_EQ(Access->GetPrimaryAgencyState(QString()), QString());
  EXPECT_EQ(Access->GetPrimaryAgency(), "CCJ");
  EXPECT_EQ(Access->GetUserPrimaryAgency(QString()), QString());
  EXPECT_EQ(Access->GetUserPrimaryAgency("NOBODY"), QString());
}

TEST_F(LoginTest, WindowsUserNameIsCutToThirtyCharacters) {
  Access->SetWindowsUserNameSource([] { return QString(40, QLatin1Char('w')); });
  EXPECT_EQ(Access->GetWindowsUserName(), QString(30, QLatin1Char('w')));
}

}  // namespace
