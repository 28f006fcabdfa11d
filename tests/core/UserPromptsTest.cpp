#include "core/ScriptedPrompts.h"
#include "core/UserPrompts.h"

#include <gtest/gtest.h>

TEST(UserPrompts, DefaultWritesToStandardErrorAndTreatsQuestionsAsDismissed) {
  testing::internal::CaptureStderr();
  UserPrompts().ShowError(QStringLiteral("The date/time selected is not a valid date/time."));
  UserPrompts().ShowWarning(QStringLiteral("Careful"), QStringLiteral("Jail Reports"));
  const bool yes = UserPrompts().ConfirmYes(QStringLiteral("Overwrite the file?"));
  const int choice = UserPrompts().ShowChoiceDialog(
      QStringLiteral("Filter Report"), QStringLiteral("Which?"), {QStringLiteral("A")});
  const std::string err = testing::internal::GetCapturedStderr();

  EXPECT_FALSE(yes);
  EXPECT_EQ(choice, 0);
  EXPECT_NE(err.find("Error: The date/time selected is not a valid date/time.\n"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("Jail Reports: Careful\n"), std::string::npos) << err;
  EXPECT_NE(err.find("Confirm: Overwrite the file?\n"), std::string::npos) << err;
  EXPECT_NE(err.find("Filter Report: Which?\n"), std::string::npos) << err;
}

TEST(UserPrompts, ScopeInstallsAndRestores) {
  IUserPrompts* before = &UserPrompts();
  TScriptedPrompts outer;
  {
    TUserPromptsScope a(outer);
    EXPECT_EQ(&UserPrompts(), &outer);
    TScriptedPrompts inner;
    {
      TUserPromptsScope b(inner);
      UserPrompts().ShowInformation(QStringLiteral("to inner"));
    }
    EXPECT_EQ(&UserPrompts(), &outer);
    EXPECT_EQ(inner.Texts(), QStringList{QStringLiteral("to inner")});
    EXPECT_TRUE(outer.Prompts().empty());
  }
  EXPECT_EQ(&UserPrompts(), before);
}
