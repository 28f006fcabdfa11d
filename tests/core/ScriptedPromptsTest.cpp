#include "core/ScriptedPrompts.h"

#include <gtest/gtest.h>

TEST(ScriptedPrompts, RecordsMessagesWithKindCaptionAndText) {
  TScriptedPrompts prompts;
  prompts.ShowInformation(QStringLiteral("No records found."));
  prompts.ShowError(QStringLiteral("Boom / Procedure: TX.Run"), QStringLiteral("Jail Reports"));
  prompts.ShowTimedMessage(QStringLiteral("Invalid Login Attempt"), QStringLiteral("Bad password"),
                           5);

  ASSERT_EQ(prompts.Prompts().size(), 3u);
  const TRecordedPrompt& info = prompts.Prompts()[0];
  EXPECT_EQ(info.Kind, TPromptKind::pkInformation);
  EXPECT_TRUE(info.Caption.isEmpty());
  EXPECT_EQ(info.Text, QStringLiteral("No records found."));
  EXPECT_EQ(info.Answer, QStringLiteral("OK"));

  const TRecordedPrompt& error = prompts.Prompts()[1];
  EXPECT_EQ(error.Kind, TPromptKind::pkError);
  EXPECT_EQ(error.Caption, QStringLiteral("Jail Reports"));
  EXPECT_EQ(error.Text, QStringLiteral("Boom / Procedure: TX.Run"));

  EXPECT_EQ(prompts.Prompts()[2].Kind, TPromptKind::pkTimed);
  EXPECT_EQ(prompts.Prompts()[2].Caption, QStringLiteral("Invalid Login Attempt"));
  EXPECT_EQ(prompts.Count(TPromptKind::pkError), 1);
  EXPECT_EQ(prompts.Texts(TPromptKind::pkInformation),
            QStringList{QStringLiteral("No records found.")});
}

TEST(ScriptedPrompts, AnswersQuestionsByTheirText) {
  TScriptedPrompts prompts;
  prompts.AddAnswer(QStringLiteral("Are you sure you want to exit?"), QStringLiteral("yes"));
  prompts.AddAnswer(QStringLiteral("Include checked out inmates?"), QStringLiteral("No"));
  prompts.AddAnswer(QStringLiteral("Save changes?"), QStringLiteral("Cancel"));

  EXPECT_TRUE(prompts.ConfirmYes(QStringLiteral("Are you sure you want to exit?")));
  EXPECT_EQ(prompts.AskYesNo(QStringLiteral("Include checked out inmates?")), TPromptButton::pbNo);
  EXPECT_EQ(prompts.AskYesNoCancel(QStringLiteral("Save changes?")), TPromptButton::pbCancel);
  EXPECT_EQ(prompts.Prompts()[0].Kind, TPromptKind::pkConfirmation);
  EXPECT_EQ(prompts.Prompts()[0].Answer, QStringLiteral("Yes"));
  EXPECT_EQ(prompts.Prompts()[2].Buttons,
            (QStringList{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")}));
}

TEST(ScriptedPrompts, AnswersAreUsedInOrderAndTheLastRepeats) {
  TScriptedPrompts prompts;
  const QString question = QStringLiteral("Print another?");
  prompts.AddAnswer(question, QStringLiteral("Yes"));
  prompts.AddAnswer(question, QStringLiteral("No"));
  EXPECT_TRUE(prompts.ConfirmYes(question));
  EXPECT_FALSE(prompts.ConfirmYes(question));
  EXPECT_FALSE(prompts.ConfirmYes(question));
}

TEST(ScriptedPrompts, QuestionWithLineBreaksMatchesAnswerWrittenOnOneLine) {
  TScriptedPrompts prompts;
  prompts.AddAnswer(QStringLiteral("Inmate: [ DOE, JOHN ] Do you want to continue?"),
                    QStringLiteral("Yes"));
  EXPECT_TRUE(
      prompts.ConfirmYes(QStringLiteral("Inmate: [ DOE, JOHN ]\r\n Do you want to continue?")));
}

TEST(ScriptedPrompts, UnansweredQuestionFailsNamingTheQuestion) {
  TScriptedPrompts prompts;
  try {
    prompts.AskYesNo(QStringLiteral("Do you want to show the inmates?"));
    FAIL() << "no exception";
  } catch (const EScriptedPromptError& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("\"Do you want to show the inmates?\"")))
        << e.what();
  }
  // The question was put to the user before it failed.
  ASSERT_EQ(prompts.Prompts().size(), 1u);
  EXPECT_EQ(prompts.Prompts()[0].Text, QStringLiteral("Do you want to show the inmates?"));
}

TEST(ScriptedPrompts, AnswerThatIsNoButtonFailsListingTheButtons) {
  TScriptedPrompts prompts;
  prompts.AddAnswer(QStringLiteral("Continue?"), QStringLiteral("Maybe"));
  try {
    prompts.AskYesNo(QStringLiteral("Continue?"));
    FAIL() << "no exception";
  } catch (const EScriptedPromptError& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("\"Maybe\""))) << e.what();
    EXPECT_TRUE(e.Message().contains(QStringLiteral("Yes, No"))) << e.what();
  }
}

struct TChoiceCase {
  const char* Answer;
  int Expected;
};

class ScriptedChoice : public testing::TestWithParam<TChoiceCase> {};

TEST_P(ScriptedChoice, TakesCaptionOrNumber) {
  TScriptedPrompts prompts;
  const QString text = QStringLiteral("Which Cases you want to print ?");
  prompts.AddAnswer(text, QString::fromUtf8(GetParam().Answer));
  const QStringList buttons{QStringLiteral(" All "), QStringLiteral(" Open "),
                            QStringLiteral(" Closed ")};
  EXPECT_EQ(prompts.ShowChoiceDialog(QStringLiteral("Filter Report"), text, buttons),
            GetParam().Expected);
  EXPECT_EQ(prompts.Prompts()[0].Kind, TPromptKind::pkChoice);
  EXPECT_EQ(prompts.Prompts()[0].Buttons, buttons);
}

INSTANTIATE_TEST_SUITE_P(Answers, ScriptedChoice,
                         testing::Values(TChoiceCase{"All", 1}, TChoiceCase{" closed ", 3},
                                         TChoiceCase{"2", 2}, TChoiceCase{"0", 0}));

TEST(ScriptedPrompts, ChoiceOutsideTheButtonsFails) {
  TScriptedPrompts prompts;
  prompts.AddAnswer(QStringLiteral("Pick"), QStringLiteral("4"));
  EXPECT_THROW(prompts.ShowChoiceDialog({}, QStringLiteral("Pick"),
                                        {QStringLiteral("A"), QStringLiteral("B")}),
               EScriptedPromptError);
}

TEST(ScriptedPrompts, DecisionTakesCaptionOrDigit) {
  TScriptedPrompts prompts;
  const QString text = QStringLiteral(
      "Do you want to print labels for all active inmates or for one specific inmate?");
  prompts.AddAnswer(text, QStringLiteral("All Inmates"));
  prompts.AddAnswer(text, QStringLiteral("1"));
  const QString caption = QStringLiteral("What do you want to do?");
  EXPECT_EQ(prompts.AskDecision(caption, text, QStringLiteral("Selected One"),
                                QStringLiteral("All Inmates")),
            0);
  EXPECT_EQ(prompts.AskDecision(caption, text, QStringLiteral("Selected One"),
                                QStringLiteral("All Inmates")),
            1);
  EXPECT_EQ(prompts.Prompts()[1].Answer, QStringLiteral("Selected One"));
}

TEST(ScriptedPrompts, HourglassGuardPopsOnEveryWayOut) {
  TScriptedPrompts prompts;
  TUserPromptsScope scope(prompts);
  try {
    THourglass outer;
    THourglass inner;
    EXPECT_EQ(prompts.HourglassDepth(), 2);
    throw std::runtime_error("query failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(prompts.HourglassPushes(), 2);
  EXPECT_EQ(prompts.HourglassPops(), 2);
  EXPECT_EQ(prompts.HourglassDepth(), 0);

  THourglass released;
  released.Release();
  EXPECT_EQ(prompts.HourglassPops(), 3);
}
