#include "ServerLoginTestDb.h"

namespace {

const QString kLoginCall = QStringLiteral(
    "{:RETURN_VALUE = CALL kssp_Login (:UserName, :Password, :PasswordExpired, :ErrorMessage, "
    ":PrimaryLogin, :ModuleName, :ModuleVersion, :LoginSessionKey)}");
const QString kLogoutCall = QStringLiteral("{:RETURN_VALUE = CALL kssp_Logout (:LoginSessionKey)}");
const QString kHistoryCall = QStringLiteral(
    "{:RETURN_VALUE = CALL kssp_WriteLoginHistory (:UserName, :Success, :PrimaryLogin, "
    ":ModuleName, :ModuleVersion, :LoginSessionKey)}");
const QString kStrengthCall = QStringLiteral(
    "{:RETURN_VALUE = CALL kssp_CheckPasswordStrength (:UserName, :Password, :ErrorMessage)}");

TDbParam In(const char* name, const QVariant& value) {
  return TDbParam{QString::fromLatin1(name), ftUnknown, ptInput, value};
}
TDbParam Output(const char* name) {
  return TDbParam{QString::fromLatin1(name), ftUnknown, ptInputOutput, {}};
}

class ServerLoginProceduresTest : public ServerLoginTestDb {
 protected:
  void SetUp() override {
    ServerLoginTestDb::SetUp();
    AddUser(QStringLiteral("DEMO"), QStringLiteral("DEMO2024"));
  }

  std::vector<TDbParam> Login(const QString& user, const QVariant& password, bool primary = true) {
    return Call(kLoginCall, {In("UserName", user), In("Password", password),
                             Output("PasswordExpired"), Output("ErrorMessage"),
                             In("PrimaryLogin", primary), In("ModuleName", "tallyhouse"),
                             In("ModuleVersion", "1.0.0.1"), Output("LoginSessionKey")});
  }

  std::vector<TDbParam> Strength(const QString& user, const QString& password) {
    return Call(kStrengthCall,
                {In("UserName", user), In("Password", password), Output("ErrorMessage")});
  }

  qint64 Count(const char* table) {
    return Scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toLongLong();
  }
};

TEST_F(ServerLoginProceduresTest, RightPasswordOpensASessionAndRecordsTheLogin) {
  const auto p = Login(QStringLiteral("DEMO"), QStringLiteral("DEMO2024"));
  EXPECT_TRUE(Out(p, "RETURN_VALUE").toBool());
  EXPECT_FALSE(Out(p, "PasswordExpired").toBool());
  EXPECT_EQ(Out(p, "ErrorMessage").toString(), QString());
  const QString key = Out(p, "LoginSessionKey").toString();
  ASSERT_FALSE(key.isEmpty());

  const TDbResult session = FDb->ExecuteNative(
      "SELECT UserName, ModuleName, ModuleVersion, LogoutTime FROM LoginSessions "
      "WHERE LoginSessionKey = ?1",
      {key});
  ASSERT_EQ(session.Rows.size(), 1u);
  EXPECT_EQ(session.Rows[0][0].toString(), "DEMO");
  EXPECT_EQ(session.Rows[0][1].toString(), "tallyhouse");
  EXPECT_EQ(session.Rows[0][2].toString(), "1.0.0.1");
  EXPECT_TRUE(DbValue::IsNull(session.Rows[0][3]));

  const TDbResult history = FDb->ExecuteNative(
      "SELECT UserName, Success, PrimaryLogin, LoginSessionKey FROM LoginHistory");
  ASSERT_EQ(history.Rows.size(), 1u);
  EXPECT_EQ(history.Rows[0][1].toLongLong(), 1);
  EXPECT_EQ(history.Rows[0][2].toLongLong(), 1);
  EXPECT_EQ(history.Rows[0][3].toString(), key);
}

TEST_F(ServerLoginProceduresTest, RefusalsNeverSayWhetherTheUserExists) {
  AddUser(QStringLiteral("NOPASS"), QString());
  struct TCase {
    const char* User;
    QVariant Password;
    bool Accepted;
    const char* Message;
  } cases[] = {
      {"DEMO", QStringLiteral("DEMO2024"), true, ""},
      {"demo  ", QStringLiteral("DEMO2024"), true, ""},  // names compare as the column does
      {"DEMO", QStringLiteral("demo2024"), false, "Invalid user name or password."},
      {"DEMO", QStringLiteral("DEMO2024 "), false, "Invalid user name or password."},
      {"DEMO", QVariant(), false, "Invalid user name or password."},
      {"NOBODY", QStringLiteral("DEMO2024"), false, "Invalid user name or password."},
      {"NOPASS", QString(""), false, "Invalid user name or password."},
      {"x' OR '1'='1", QStringLiteral("x' OR '1'='1"), false, "Invalid user name or password."},
      {"", QStringLiteral("DEMO2024"), false, "Please enter your user name."},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.User);
    const auto p = Login(QString::fromUtf8(c.User), c.Password);
    EXPECT_EQ(Out(p, "RETURN_VALUE").toBool(), c.Accepted);
    EXPECT_EQ(Out(p, "ErrorMessage").toString(), QString::fromUtf8(c.Message));
    EXPECT_EQ(DbValue::IsNull(Out(p, "LoginSessionKey")), !c.Accepted);
  }
  EXPECT_EQ(Count("LoginSessions"), 2);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LoginHistory WHERE Success = 0").toLongLong(), 7);
}

TEST_F(ServerLoginProceduresTest, ASecondaryLoginOpensNoSession) {
  const auto p = Login(QStringLiteral("DEMO"), QStringLiteral("DEMO2024"), false);
  EXPECT_TRUE(Out(p, "RETURN_VALUE").toBool());
  EXPECT_TRUE(DbValue::IsNull(Out(p, "LoginSessionKey")));
  EXPECT_EQ(Count("LoginSessions"), 0);
  EXPECT_EQ(Scalar("SELECT PrimaryLogin FROM LoginHistory").toLongLong(), 0);
}

TEST_F(ServerLoginProceduresTest, ExpiredPasswordsAreAcceptedAndFlagged) {
  FDb->ExecuteNative("UPDATE PasswordPolicy SET MaxAgeDays = 90");
  struct TCase {
    const char* User;
    int AgeDays;
    bool ChangeNow;
    bool Expired;
  } cases[] = {
      {"FRESH", 10, false, false},
      {"OLD", 100, false, true},
      {"FORCED", 10, true, true},
      {"NEVERSET", -1, false, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.User);
    AddUser(QString::fromUtf8(c.User), QStringLiteral("SECRET99"), c.AgeDays, c.ChangeNow);
    const auto p = Login(QString::fromUtf8(c.User), QStringLiteral("SECRET99"));
    EXPECT_TRUE(Out(p, "RETURN_VALUE").toBool());
    EXPECT_EQ(Out(p, "PasswordExpired").toBool(), c.Expired);
  }
  // Without an age limit only the flag and a password never set expire it.
  FDb->ExecuteNative("UPDATE PasswordPolicy SET MaxAgeDays = 0");
  EXPECT_FALSE(
      Out(Login(QStringLiteral("OLD"), QStringLiteral("SECRET99")), "PasswordExpired").toBool());
}

TEST_F(ServerLoginProceduresTest, LogoutEndsTheSessionOnce) {
  const QString key =
      Out(Login(QStringLiteral("DEMO"), QStringLiteral("DEMO2024")), "LoginSessionKey").toString();
  EXPECT_TRUE(Out(Call(kLogoutCall, {In("LoginSessionKey", key)}), "RETURN_VALUE").toBool());
  EXPECT_FALSE(DbValue::IsNull(
      Scalar("SELECT LogoutTime FROM LoginSessions WHERE LoginSessionKey = ?1", {key})));
  EXPECT_FALSE(Out(Call(kLogoutCall, {In("LoginSessionKey", key)}), "RETURN_VALUE").toBool());
  EXPECT_FALSE(
      Out(Call(kLogoutCall, {In("LoginSessionKey", QStringLiteral("nope"))}), "RETURN_VALUE")
          .toBool());
  EXPECT_FALSE(
      Out(Call(kLogoutCall, {In("LoginSessionKey", QVariant())}), "RETURN_VALUE").toBool());
}

TEST_F(ServerLoginProceduresTest, LoginHistoryOpensASessionOnlyForAPrimaryLogin) {
  const auto primary =
      Call(kHistoryCall, {In("UserName", "DEMO"), In("Success", true), In("PrimaryLogin", true),
                          In("ModuleName", "tallyhouse"), In("ModuleVersion", "1.0.0.1"),
                          Output("LoginSessionKey")});
  EXPECT_TRUE(Out(primary, "RETURN_VALUE").toBool());
  EXPECT_FALSE(Out(primary, "LoginSessionKey").toString().isEmpty());

  const auto windows =
      Call(kHistoryCall, {In("UserName", "DEMO"), In("Success", true), In("PrimaryLogin", false),
                          In("ModuleName", "tallyhouse"), In("ModuleVersion", "1.0.0.1"),
                          Output("LoginSessionKey")});
  EXPECT_TRUE(DbValue::IsNull(Out(windows, "LoginSessionKey")));

  EXPECT_EQ(Count("LoginSessions"), 1);
  EXPECT_EQ(Count("LoginHistory"), 2);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LoginHistory WHERE PrimaryLogin = 0 AND Success = 1 "
                   "AND LoginSessionKey IS NULL")
                .toLongLong(),
            1);
}

TEST_F(ServerLoginProceduresTest, StrengthRule) {
  // CLERK's passwords, oldest first; the last is the current one.
  AddUser(QStringLiteral("CLERK"), QStringLiteral("AUTUMN2020"));
  for (const char* next : {"WINTER2021", "SPRING2022", "SUMMER2023", "AUTUMN2024", "WINTER2025"})
    FDb->ExecuteNative(
        "UPDATE Users SET EncryptedPassword = fnks_EncryptPassword(?1) "
        "WHERE UserName = 'CLERK'",
        {QString::fromLatin1(next)});
  struct TCase {
    const char* Password;
    const char* Message;
  } cases[] = {
      {"ABC123", "The password must be at least 8 characters long."},
      {"ABCDEFGH", "The password must contain both letters and digits."},
      {"12345678", "The password must contain both letters and digits."},
      {"XCLERK1234", "The password must not contain the user name."},
      {"xclerk1234", "The password must not contain the user name."},
      {"WINTER2025", "The password must not be one of the last 5 passwords used."},
      {"WINTER2021", "The password must not be one of the last 5 passwords used."},
      {"AUTUMN2020", ""},  // six passwords ago
      {"SPRING2026", ""},
      {"ÉTÉ-2026-X", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Password);
    const auto p = Strength(QStringLiteral("CLERK"), QString::fromUtf8(c.Password));
    EXPECT_EQ(Out(p, "RETURN_VALUE").toBool(), *c.Message == 0);
    EXPECT_EQ(Out(p, "ErrorMessage").toString(), QString::fromUtf8(c.Message));
  }
  // A user the server does not know meets the same rule, without history.
  EXPECT_TRUE(Out(Strength(QStringLiteral("NEWBIE"), QStringLiteral("WINTER2025")), "RETURN_VALUE")
                  .toBool());
}

TEST_F(ServerLoginProceduresTest, StrengthFollowsThePolicyRow) {
  AddUser(QStringLiteral("CLERK"), QStringLiteral("SPRING2025"));
  FDb->ExecuteNative("UPDATE PasswordPolicy SET MinLength = 12");
  EXPECT_EQ(Out(Strength("CLERK", "WINTER2025"), "ErrorMessage").toString(),
            "The password must be at least 12 characters long.");
  FDb->ExecuteNative("UPDATE PasswordPolicy SET MinLength = 8, HistoryDepth = 0");
  EXPECT_TRUE(Out(Strength("CLERK", "SPRING2025"), "RETURN_VALUE").toBool());
  FDb->ExecuteNative("UPDATE PasswordPolicy SET HistoryDepth = 1");
  EXPECT_EQ(Out(Strength("CLERK", "SPRING2025"), "ErrorMessage").toString(),
            "The new password must differ from the current one.");
}

}  // namespace
