#include "SecurityTestDb.h"

#include "security/ChangePasswordModel.h"
#include "security/fmChangePasswordDlg.h"

namespace {

const QString kMismatch = QStringLiteral(
    "The passwords you typed do not match. Type the same \npassword in both text boxes.");

class ChangePasswordModelTest : public SecurityTestDb {
 protected:
  void SetUp() override {
    SecurityTestDb::SetUp();
    Access = NewAccess();
    Model = std::make_unique<TChangePasswordModel>(*Access);
  }

  bool Ok(const QString& AOld, const QString& ANew, const QString& AConfirm) {
    Model->SetOldPassword(AOld);
    Model->SetNewPassword(ANew);
    Model->SetConfirmPassword(AConfirm);
    return Model->Ok();
  }

  std::unique_ptr<TdtmAccess> Access;
  std::unique_ptr<TChangePasswordModel> Model;
};

TEST_F(ChangePasswordModelTest, EachRefusalWarnsClearsAndMovesTheFocus) {
  Model->SetUserName("demo");
  Model->SetRequireOldPassword(true);
  Model->Show();
  EXPECT_EQ(Model->UserName(), "DEMO");
  EXPECT_EQ(Model->FocusField(), TChangePasswordField::cpfOldPassword);

  struct TCase {
    const char* Old;
    const char* New;
    const char* Confirm;
    QString Warning;
    bool OldKept;
    TChangePasswordField Focus;
  } cases[] = {
      {"WRONG", "WINTER2025", "WINTER2025", "The old password is incorrect.", false,
       TChangePasswordField::cpfOldPassword},
      {"demo2024", "WINTER2025", "WINTER2026", kMismatch, true,
       TChangePasswordField::cpfNewPassword},
      {"DEMO2024", "SHORT1", "short1", "The password must be at least 8 characters long.", true,
       TChangePasswordField::cpfNewPassword},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.New);
    Prompts.ClearPrompts();
    EXPECT_FALSE(Ok(c.Old, c.New, c.Confirm));
    EXPECT_EQ(Texts(TPromptKind::pkWarning), QStringList({c.Warning}));
    EXPECT_EQ(Model->OldPassword(), c.OldKept ? QString(c.Old).toUpper() : QString());
    EXPECT_EQ(Model->NewPassword(), QString());
    EXPECT_EQ(Model->ConfirmPassword(), QString());
    EXPECT_EQ(Model->FocusField(), c.Focus);
    EXPECT_FALSE(Model->Changed());
  }
  Prompts.ClearPrompts();
  EXPECT_TRUE(Ok("demo2024", "winter2025", "WINTER2025"));
  EXPECT_TRUE(Model->Changed());
  EXPECT_TRUE(Prompts.Prompts().empty());
  EXPECT_TRUE(Access->CheckUserPassWord("DEMO", "WINTER2025"));
}

TEST_F(ChangePasswordModelTest, WithoutTheOldPasswordTheFocusStartsOnTheNewOne) {
  Model->SetUserName("DEMO");
  Model->Show();
  EXPECT_EQ(Model->FocusField(), TChangePasswordField::cpfNewPassword);
  EXPECT_TRUE(Ok("ANYTHING", "WINTER2025", "WINTER2025"));
}

TEST_F(ChangePasswordModelTest, UnknownUserIsAnError) {
  try {
    Model->SetUserName("o'hara");
    FAIL() << "no error";
  } catch (const EUserDoesNotExist& e) {
    EXPECT_EQ(e.Message(), "User 'O''HARA' does not exist.");
  }
}

TEST_F(ChangePasswordModelTest, MessagePanelShowsOnlyAGivenMessage) {
  EXPECT_EQ(Model->Message(), "Your password has expired. Please enter a new one.");
  Model->SetMessage(QString());
  EXPECT_FALSE(Model->MessageVisible());
  EXPECT_EQ(Model->Message(), "Your password has expired. Please enter a new one.");
  Model->SetMessage("Please choose a new password.");
  EXPECT_TRUE(Model->MessageVisible());
  EXPECT_EQ(Model->Message(), "Please choose a new password.");
}

TEST_F(ChangePasswordModelTest, EntryRoutineCreatesAnAccessModuleWhenThereIsNone) {
  ASSERT_EQ(dtmAccess, nullptr);
  TScopedConfigSearchEnvironment environment(Environment());
  Dialogs.AddPasswordChange("WINTER2025", QString(), "DEMO2024");
  QString newPassword;
  EXPECT_TRUE(ShowChangePasswordDialog("DEMO", true, QString(), nullptr, &newPassword));
  EXPECT_EQ(newPassword, "WINTER2025");
  EXPECT_TRUE(Dialogs.ShownPasswordDialogs()[0].RequireOldPassword);
  EXPECT_EQ(dtmAccess, nullptr);
  EXPECT_TRUE(Access->CheckUserPassWord("DEMO", "WINTER2025"));
}

TEST_F(ChangePasswordModelTest, EntryRoutineRefusesAnUnknownUserBeforeShowingAnything) {
  EXPECT_THROW(ShowChangePasswordDialog("NOBODY", false, QString(), Access.get()),
               EUserDoesNotExist);
  EXPECT_TRUE(Dialogs.ShownPasswordDialogs().empty());
}

}  // namespace
