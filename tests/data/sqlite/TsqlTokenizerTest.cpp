#include "core/Exception.h"
#include "data/driver/QtPrinters.h"
#include "data/sqlite/TsqlError.h"
#include "data/sqlite/TsqlTokenizer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using K = TTsqlTokenKind;

std::vector<std::pair<K, QString>> KindsAndTexts(const QString& text) {
  std::vector<std::pair<K, QString>> out;
  for (const TTsqlToken& t : TTsqlTokenizer::Tokenize(text))
    if (t.Kind != K::End) out.emplace_back(t.Kind, t.Text);
  return out;
}

TEST(TsqlTokenizer, StringsNamesAndNumbers) {
  const auto tokens = KindsAndTexts(
      "'it''s' N'ünï' [MEDVISIT NO] [a]]b] \"Quoted Name\" 12 1.5 .5 2e3 x1 #Temp ##Global");
  const std::vector<std::pair<K, QString>> expected = {
      {K::String, "it's"},
      {K::String, QString::fromUtf8("ünï")},
      {K::QuotedName, "MEDVISIT NO"},
      {K::QuotedName, "a]b"},
      {K::QuotedName, "Quoted Name"},
      {K::Number, "12"},
      {K::Number, "1.5"},
      {K::Number, ".5"},
      {K::Number, "2e3"},
      {K::Word, "x1"},
      {K::Word, "#Temp"},
      {K::Word, "##Global"},
  };
  EXPECT_EQ(tokens, expected);
}

TEST(TsqlTokenizer, VariablesGlobalsAndParameters) {
  const auto tokens = KindsAndTexts("@endTmpDate @@ROWCOUNT :BillingStart :b_2");
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[0], std::make_pair(K::Variable, QString("@endTmpDate")));
  EXPECT_EQ(tokens[1], std::make_pair(K::GlobalVariable, QString("@@ROWCOUNT")));
  EXPECT_EQ(tokens[2], std::make_pair(K::Parameter, QString("BillingStart")));
  EXPECT_EQ(tokens[3], std::make_pair(K::Parameter, QString("b_2")));
}

TEST(TsqlTokenizer, OperatorsIncludingThoseWrittenWithABlank) {
  const auto tokens = KindsAndTexts("a < = b > = c <> d != e !< f <= g < h");
  QStringList ops;
  for (const auto& [kind, text] : tokens)
    if (kind == K::Symbol) ops << text;
  EXPECT_EQ(ops, QStringList({"<=", ">=", "<>", "<>", "!<", "<=", "<"}));
}

TEST(TsqlTokenizer, CommentsAreDropped) {
  const auto tokens = KindsAndTexts(
      "select -- nulls will be handled in code\n a /* block /* nested */ still */ from t -- end");
  QStringList words;
  for (const auto& t : tokens) words << t.second;
  EXPECT_EQ(words, QStringList({"select", "a", "from", "t"}));
}

TEST(TsqlTokenizer, SymbolsInsideStringsStayText) {
  const auto tokens = KindsAndTexts("'-- not a comment; /* nor this */ :NotAParam [x'");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].second, "-- not a comment; /* nor this */ :NotAParam [x");
}

TEST(TsqlTokenizer, PositionsForMessages) {
  const std::vector<TTsqlToken> tokens = TTsqlTokenizer::Tokenize("SELECT a\n  FROM t");
  ASSERT_GE(tokens.size(), 4u);
  EXPECT_EQ(tokens[2].Text, "FROM");
  EXPECT_EQ(tokens[2].Line, 2);
  EXPECT_EQ(tokens[2].Column, 3);
  EXPECT_EQ(tokens[2].Offset, 11);
}

TEST(TsqlTokenizer, UnterminatedTextIsAnError) {
  for (const char* text :
       {"SELECT 'abc", "SELECT [abc", "SELECT \"abc", "SELECT /* abc", "SELECT a ! b"}) {
    try {
      TTsqlTokenizer::Tokenize(QString::fromUtf8(text));
      ADD_FAILURE() << "no error for " << text;
    } catch (const ETsqlError& e) {
      EXPECT_THAT(e.Message().toStdString(), testing::HasSubstr("line 1")) << text;
    }
  }
}

}  // namespace
