#include "ServerLoginTestDb.h"

namespace {

// The statements the access module sends, as written in T-SQL.
const QString kCheckPassword =
    QStringLiteral("SELECT dbo.fnks_CheckPassword (:UserName, :Password) AS Valid");
const QString kUpdatePassword = QStringLiteral(
    "UPDATE \n  Users\nSET\n  EncryptedPassword = dbo.fnks_EncryptPassword (:Password),  \n"
    "  PwdLastChanged = GETDATE(),\n  PwdChangeNow = 0\nWHERE\n  UserName = :UserName\n\n"
    "SELECT @@ROWCOUNT AS Successful");

class ServerLoginFunctionsTest : public ServerLoginTestDb {
 protected:
  void SetUp() override {
    ServerLoginTestDb::SetUp();
    AddUser(QStringLiteral("DEMO"), QStringLiteral("DEMO2024"), 30, true);
  }

  QVariant Run(const QString& tsql, const QString& user, const QVariant& password) {
    std::vector<TDbParam> params{{QStringLiteral("UserName"), ftString, ptInput, user},
                                 {QStringLiteral("Password"), ftString, ptInput, password}};
    const TDbResult r = FDb->Execute(tsql, params);
    return r.Rows.empty() ? QVariant() : r.Rows[0][0];
  }

  bool Valid(const QString& user, const QVariant& password) {
    return Run(kCheckPassword, user, password).toLongLong() == 1;
  }
};

TEST_F(ServerLoginFunctionsTest, CheckPasswordAnswersOnlyForTheRightPair) {
  EXPECT_TRUE(Valid("DEMO", "DEMO2024"));
  EXPECT_TRUE(Valid("demo", "DEMO2024"));
  EXPECT_FALSE(Valid("DEMO", "DEMO2025"));
  EXPECT_FALSE(Valid("DEMO", QVariant()));
  EXPECT_FALSE(Valid("NOBODY", "DEMO2024"));
  EXPECT_FALSE(Valid("DEMO' --", "DEMO2024"));
}

TEST_F(ServerLoginFunctionsTest, EncryptPasswordSaltsEveryHash) {
  const QString a = Scalar("SELECT fnks_EncryptPassword('WINTER2025')").toString();
  const QString b = Scalar("SELECT fnks_EncryptPassword('WINTER2025')").toString();
  EXPECT_TRUE(a.startsWith("$argon2id$")) << a.toStdString();
  EXPECT_NE(a, b);
  EXPECT_FALSE(a.contains("WINTER2025"));
  EXPECT_TRUE(ServerLoginVerifyPassword(a, "WINTER2025"));
  EXPECT_TRUE(ServerLoginVerifyPassword(b, "WINTER2025"));
  EXPECT_TRUE(DbValue::IsNull(Scalar("SELECT fnks_EncryptPassword(NULL)")));
}

TEST_F(ServerLoginFunctionsTest, PasswordUpdateStoresANewHashAndKeepsTheOldOne) {
  const QString before = Scalar("SELECT EncryptedPassword FROM Users").toString();
  EXPECT_EQ(Run(kUpdatePassword, "DEMO", "WINTER2025").toLongLong(), 1);

  EXPECT_TRUE(Valid("DEMO", "WINTER2025"));
  EXPECT_FALSE(Valid("DEMO", "DEMO2024"));
  EXPECT_EQ(Scalar("SELECT PwdChangeNow FROM Users").toLongLong(), 0);
  const QDateTime changed =
      DbValue::CanonicalToDateTime(Scalar("SELECT PwdLastChanged FROM Users").toString());
  EXPECT_LE(std::abs(changed.secsTo(TServerLoginStore::Now())), 60);
  EXPECT_EQ(Scalar("SELECT EncryptedPassword FROM PasswordHistory WHERE UserName = 'DEMO'"),
            QVariant(before));
}

TEST_F(ServerLoginFunctionsTest, PasswordUpdateOfAnUnknownUserChangesNothing) {
  EXPECT_EQ(Run(kUpdatePassword, "NOBODY", "WINTER2025").toLongLong(), 0);
  EXPECT_EQ(Run(kUpdatePassword, "DEMO' OR 1=1 --", "WINTER2025").toLongLong(), 0);
  EXPECT_TRUE(Valid("DEMO", "DEMO2024"));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM PasswordHistory").toLongLong(), 0);
}

}  // namespace

namespace {

TEST(ServerLoginPasswords, ProductionHashesUseTheInteractiveLimits) {
  const TServerLoginHashLimits saved = ServerLoginHashLimits();
  SetServerLoginHashLimits(InteractiveServerLoginHashLimits());
  const QString hash = ServerLoginHashPassword("WINTER2025");
  SetServerLoginHashLimits(saved);
  // 64 MiB and two passes, written into the hash itself.
  EXPECT_TRUE(hash.startsWith("$argon2id$v=19$m=65536,t=2,")) << hash.toStdString();
  EXPECT_TRUE(ServerLoginVerifyPassword(hash, "WINTER2025"));
  EXPECT_FALSE(ServerLoginVerifyPassword(hash, "WINTER2026"));
  EXPECT_FALSE(ServerLoginVerifyPassword("not a hash", "WINTER2025"));
  EXPECT_FALSE(ServerLoginVerifyPassword(QString(), QString()));
}

}  // namespace
