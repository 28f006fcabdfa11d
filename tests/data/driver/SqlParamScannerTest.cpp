#include "core/Exception.h"
#include "data/driver/QtPrinters.h"
#include "data/driver/SqlCallEscape.h"
#include "data/driver/SqlLexer.h"
#include "data/driver/SqlParamScanner.h"

#include <gtest/gtest.h>

namespace {

struct TScanCase {
  const char* Sql;
  const char* Numbered;  // text with ?N markers
  const char* Question;  // text with ? markers
  QStringList Unique;
  QStringList Occurrences;
};

class SqlParamScan : public testing::TestWithParam<TScanCase> {};

TEST_P(SqlParamScan, ReplacesParametersOutsideQuotesAndComments) {
  const TScanCase& c = GetParam();
  const QString sql = QString::fromUtf8(c.Sql);
  const TSqlParamScan numbered = ScanSqlParams(sql, TSqlMarkerStyle::NumberedQuestion);
  EXPECT_EQ(numbered.Text, QString::fromUtf8(c.Numbered));
  EXPECT_EQ(numbered.UniqueNames, c.Unique);
  EXPECT_EQ(numbered.Occurrences, c.Occurrences);
  EXPECT_EQ(ScanSqlParams(sql, TSqlMarkerStyle::Question).Text, QString::fromUtf8(c.Question));
  EXPECT_EQ(SqlParamNames(sql), c.Unique);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlParamScan,
    testing::Values(TScanCase{"SELECT * FROM T WHERE A = :A AND B=:b_2",
                              "SELECT * FROM T WHERE A = ?1 AND B=?2",
                              "SELECT * FROM T WHERE A = ? AND B=?",
                              {"A", "b_2"},
                              {"A", "b_2"}},
                    // One parameter whatever the case of its name, as on SQL Server.
                    TScanCase{"WHERE X BETWEEN :BillingStart AND :END OR Y = :BILLINGSTART",
                              "WHERE X BETWEEN ?1 AND ?2 OR Y = ?1",
                              "WHERE X BETWEEN ? AND ? OR Y = ?",
                              {"BillingStart", "END"},
                              {"BillingStart", "END", "BILLINGSTART"}},
                    TScanCase{"WHERE T = '10:30' AND N = 'a '':B'' c' AND X = :X",
                              "WHERE T = '10:30' AND N = 'a '':B'' c' AND X = ?1",
                              "WHERE T = '10:30' AND N = 'a '':B'' c' AND X = ?",
                              {"X"},
                              {"X"}},
                    TScanCase{"SELECT [A:B], [x]]:y], \"q:z\" FROM [MEDVISIT NO] WHERE Z=:Z",
                              "SELECT [A:B], [x]]:y], \"q:z\" FROM [MEDVISIT NO] WHERE Z=?1",
                              "SELECT [A:B], [x]]:y], \"q:z\" FROM [MEDVISIT NO] WHERE Z=?",
                              {"Z"},
                              {"Z"}},
                    TScanCase{
                        "-- :NotParam\nSELECT 1 /* :Nor /* :nested */ :this */ WHERE a = :Yes",
                        "-- :NotParam\nSELECT 1 /* :Nor /* :nested */ :this */ WHERE a = ?1",
                        "-- :NotParam\nSELECT 1 /* :Nor /* :nested */ :this */ WHERE a = ?",
                        {"Yes"},
                        {"Yes"}},
                    TScanCase{"SELECT a::b, 12:30, :1 FROM T",
                              "SELECT a::b, 12:30, :1 FROM T",
                              "SELECT a::b, 12:30, :1 FROM T",
                              {},
                              {}},
                    TScanCase{"{:RETURN_VALUE = CALL kssp_Login (:UserName, :Pwd)}",
                              "{?1 = CALL kssp_Login (?2, ?3)}",
                              "{? = CALL kssp_Login (?, ?)}",
                              {"RETURN_VALUE", "UserName", "Pwd"},
                              {"RETURN_VALUE", "UserName", "Pwd"}},
                    TScanCase{"WHERE NAME = 'unterminated :X",
                              "WHERE NAME = 'unterminated :X",
                              "WHERE NAME = 'unterminated :X",
                              {},
                              {}}));

struct THintCase {
  const char* Sql;
  const char* Expected;
};

class SqlTableHints : public testing::TestWithParam<THintCase> {};

TEST_P(SqlTableHints, AreDroppedOnlyWhereTheyAreCode) {
  EXPECT_EQ(RemoveTableHints(QString::fromUtf8(GetParam().Sql)),
            QString::fromUtf8(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlTableHints,
    testing::Values(
        THintCase{"SELECT ConnString, UseInitial FROM ConnectLib (readuncommitted) WHERE "
                  "ProgramID = 'JAIL'",
                  "SELECT ConnString, UseInitial FROM ConnectLib   WHERE ProgramID = 'JAIL'"},
        THintCase{"FROM A WITH (NOLOCK) JOIN B(NOLOCK) ON", "FROM A   JOIN B  ON"},
        THintCase{"FROM A with ( nolock )\nJOIN B", "FROM A  \nJOIN B"},
        THintCase{"FROM JAILBOOK J (READUNCOMMITTED), X (ReadUncommitted) Y",
                  "FROM JAILBOOK J  , X   Y"},
        THintCase{"FROM T (NOLOCK, READPAST)", "FROM T  "},
        THintCase{"FROM T (READUNCOMMITTED)", "FROM T  "},
        // Not hints: in a string, a quoted or bracketed name, a comment; or
        // ordinary parentheses.
        THintCase{"WHERE X = '(NOLOCK)' AND [(NOLOCK)] = \"(NOLOCK)\" -- (NOLOCK)",
                  "WHERE X = '(NOLOCK)' AND [(NOLOCK)] = \"(NOLOCK)\" -- (NOLOCK)"},
        THintCase{"SELECT COUNT(*) FROM T WHERE A IN (1, 2) AND (B) = 1 AND C IN (D)",
                  "SELECT COUNT(*) FROM T WHERE A IN (1, 2) AND (B) = 1 AND C IN (D)"},
        THintCase{"WITH Q AS (SELECT 1 AS NOLOCK) SELECT * FROM Q",
                  "WITH Q AS (SELECT 1 AS NOLOCK) SELECT * FROM Q"}));

struct TNameCase {
  const char* Text;
  QStringList Parts;
};

class SqlQualifiedName : public testing::TestWithParam<TNameCase> {};

TEST_P(SqlQualifiedName, SplitsIntoUnquotedParts) {
  const TNameCase& c = GetParam();
  EXPECT_EQ(SqlNameParts(QString::fromUtf8(c.Text)), c.Parts);
  EXPECT_EQ(SqlObjectName(QString::fromUtf8(c.Text)),
            c.Parts.isEmpty() ? QString() : c.Parts.last());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlQualifiedName,
    testing::Values(TNameCase{"JAILBOOK", {"JAILBOOK"}},
                    TNameCase{"Cfg..CfgReports", {"Cfg", "", "CfgReports"}},
                    TNameCase{"[JAIL].[dbo].[MEDVISIT NO]", {"JAIL", "dbo", "MEDVISIT NO"}},
                    TNameCase{"dbo.kssp_Login;1", {"dbo", "kssp_Login"}},
                    TNameCase{" \"dbo\" . X ", {"dbo", "X"}}, TNameCase{"A B", {}},
                    TNameCase{"A.", {}}, TNameCase{"x;", {}}, TNameCase{"'T'", {}}));

TEST(SqlCallEscape, ReadsReturnParameterNameAndArguments) {
  const auto call = ParseSqlCallEscape(
      " { :RETURN_VALUE = CALL dbo.kssp_Login;1 (:UserName, 'it''s', -3, 2.5, NULL) } ");
  ASSERT_TRUE(call.has_value());
  EXPECT_EQ(call->ReturnParam, "RETURN_VALUE");
  EXPECT_EQ(call->ProcedureName, "dbo.kssp_Login;1");
  ASSERT_EQ(call->Args.size(), 5u);
  EXPECT_EQ(call->Args[0].ParamName, "UserName");
  EXPECT_EQ(call->Args[1].Literal, QVariant("it's"));
  EXPECT_EQ(call->Args[2].Literal, QVariant(qint64(-3)));
  EXPECT_EQ(call->Args[3].Literal, QVariant(2.5));
  EXPECT_TRUE(call->Args[4].ParamName.isEmpty());
  EXPECT_FALSE(call->Args[4].Literal.isValid());
}

TEST(SqlCallEscape, AcceptsCallsWithoutReturnOrArguments) {
  const auto bare = ParseSqlCallEscape("{call kssp_Tick}");
  ASSERT_TRUE(bare.has_value());
  EXPECT_TRUE(bare->ReturnParam.isEmpty());
  EXPECT_EQ(bare->ProcedureName, "kssp_Tick");
  EXPECT_TRUE(bare->Args.empty());
  const auto empty = ParseSqlCallEscape("{CALL [kssp Tick] ()}");
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(SqlObjectName(empty->ProcedureName), "kssp Tick");
}

TEST(SqlCallEscape, OrdinaryStatementsAreNotCalls) {
  EXPECT_FALSE(ParseSqlCallEscape("SELECT '{CALL x}'").has_value());
  EXPECT_FALSE(ParseSqlCallEscape("EXEC kssp_Login :A").has_value());
}

TEST(SqlCallEscape, MalformedCallsAreErrors) {
  for (const char* sql : {"{:R = kssp_X}", "{CALL}", "{CALL x (:A :B)}", "{CALL x (:A}",
                          "{CALL x (:A)} SELECT 1", "{:R CALL x}", "{CALL x (A + 1)}"}) {
    try {
      ParseSqlCallEscape(QString::fromUtf8(sql));
      ADD_FAILURE() << "accepted: " << sql;
    } catch (const EDatabaseError& e) {
      EXPECT_TRUE(e.Message().startsWith("Malformed procedure call (")) << e.what();
      EXPECT_TRUE(e.Message().endsWith(QString::fromUtf8(sql))) << e.what();
    }
  }
}

}  // namespace
