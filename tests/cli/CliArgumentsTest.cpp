#include "cli/CliArguments.h"

#include <gtest/gtest.h>

namespace {

TEST(CliArgumentsTest, OptionsFlagsAndPositionals) {
  const TCliArguments args({"--db", "x.db", "SELECT 1", "--translate", "--", "--not-an-option"},
                           {"--db"}, {"--translate"});
  EXPECT_EQ(args.Value("--db"), "x.db");
  EXPECT_TRUE(args.HasFlag("--translate"));
  EXPECT_EQ(args.Positionals(), QStringList({"SELECT 1", "--not-an-option"}));

  const TCliArguments inlineValue({"--seed=7", "f.db"}, {"--seed", "--scale"});
  EXPECT_EQ(inlineValue.CountValue("--seed", 1), 7);
  EXPECT_EQ(inlineValue.CountValue("--scale", 3), 3);
}

TEST(CliArgumentsTest, BadInputIsRefusedWithItsReason) {
  const struct {
    QStringList Args;
    QString Message;
  } cases[] = {
      {{"--bogus"}, "unknown option --bogus"},
      {{"f.db", "--seed"}, "--seed needs a value"},
      {{"--translate=yes"}, "unknown option --translate"},
  };
  for (const auto& c : cases) {
    try {
      TCliArguments(c.Args, {"--seed"}, {"--translate"});
      ADD_FAILURE() << "accepted " << c.Args.join(' ').toStdString();
    } catch (const ECommandLineError& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
  }
  const TCliArguments notANumber({"--seed", "ten"}, {"--seed"});
  EXPECT_THROW(notANumber.CountValue("--seed", 1), ECommandLineError);
  const TCliArguments negative({"--seed", "-1"}, {"--seed"});
  EXPECT_THROW(negative.CountValue("--seed", 1), ECommandLineError);
}

}  // namespace
