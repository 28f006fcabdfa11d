#include "core/ScriptedPrompts.h"
#include "core/StdErrPrompts.h"

#include <gtest/gtest.h>

namespace {

TPickList Facilities() {
  TPickList list;
  list.Caption = QStringLiteral("Select Your Facility");
  list.Columns = {{QStringLiteral("Facility"), 10}, {QStringLiteral("Description"), 45}};
  list.Rows = {{QStringLiteral("ANNEX"), QStringLiteral("North Annex")},
               {QStringLiteral("MAIN"), QStringLiteral("Main Jail")},
               {QStringLiteral("WORK"), QStringLiteral("MAIN Work Release")}};
  return list;
}

struct TPickCase {
  const char* Answer;
  bool Confirmed;
  std::vector<int> Rows;
};

class ScriptedPickManyTest : public testing::TestWithParam<TPickCase> {};

TEST_P(ScriptedPickManyTest, AnswersNameTheRowsInTheOrderHighlighted) {
  const TPickCase& c = GetParam();
  TScriptedPrompts prompts;
  prompts.AddAnswer(QStringLiteral("Select Your Facility"), QString::fromUtf8(c.Answer));
  std::vector<int> chosen{99};
  EXPECT_EQ(prompts.PickManyFromList(Facilities(), chosen), c.Confirmed);
  EXPECT_EQ(chosen, c.Rows);
  ASSERT_EQ(prompts.Count(TPromptKind::pkPickList), 1);
  EXPECT_EQ(prompts.Prompts()[0].Buttons, QStringList({"ANNEX", "MAIN", "WORK"}));
}

INSTANTIATE_TEST_SUITE_P(Answers, ScriptedPickManyTest,
                         testing::Values(TPickCase{"WORK, annex", true, {2, 0}},
                                         // The key column first: "MAIN" is the main jail, not the
                                         // work release centre whose description says MAIN.
                                         TPickCase{"MAIN Work Release,MAIN", true, {2, 1}},
                                         TPickCase{"MAIN, MAIN", true, {1}},
                                         TPickCase{"", true, {}}, TPickCase{"Cancel", false, {}}));

TEST(ScriptedPickList, ASingleChoiceTakesOneRowAndRecordsIt) {
  TScriptedPrompts prompts;
  prompts.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("Main Jail"));
  EXPECT_EQ(prompts.PickFromList(Facilities()), 1);
  EXPECT_EQ(prompts.Prompts()[0].Answer, QStringLiteral("MAIN"));

  TScriptedPrompts cancelled;
  cancelled.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("cancel"));
  EXPECT_EQ(cancelled.PickFromList(Facilities()), -1);
  EXPECT_EQ(cancelled.Prompts()[0].Answer, QStringLiteral("Cancel"));
}

TEST(ScriptedPickList, AnAnswerThatNamesNoRowOrTwoForOneIsAnError) {
  TScriptedPrompts prompts;
  prompts.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("JAIL2"));
  EXPECT_THROW(prompts.PickFromList(Facilities()), EScriptedPromptError);
  std::vector<int> chosen;
  EXPECT_THROW(prompts.PickManyFromList(Facilities(), chosen), EScriptedPromptError);

  TScriptedPrompts two;
  two.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("MAIN, WORK"));
  EXPECT_THROW(two.PickFromList(Facilities()), EScriptedPromptError);

  TScriptedPrompts none;
  EXPECT_THROW(none.PickFromList(Facilities()), EScriptedPromptError) << "no answer at all";
}

TEST(StdErrPickList, NoOneToChooseCancels) {
  TStdErrPrompts prompts;
  EXPECT_EQ(prompts.PickFromList(Facilities()), -1);
  std::vector<int> chosen{1};
  EXPECT_FALSE(prompts.PickManyFromList(Facilities(), chosen));
  EXPECT_TRUE(chosen.empty());
}

}  // namespace
