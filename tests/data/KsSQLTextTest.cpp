#include "data/KsSQLText.h"

#include <gtest/gtest.h>

namespace {

struct TTextCase {
  const char* Sql;
  const char* Expected;
};

class TableNameTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(TableNameTest, FirstTableAfterTopLevelFrom) {
  EXPECT_EQ(KsSQLText::TableName(QString::fromUtf8(GetParam().Sql)),
            QString::fromUtf8(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, TableNameTest,
    ::testing::Values(
        TTextCase{"Select top 5 [KEY1], [KEY2]\nFrom\n  JailTransLog (ReadUnCommitted)",
                  "JailTransLog"},
        TTextCase{"SELECT [UNIQUEKEY] FROM [JAIL].[dbo].[JAILTRANSLOG]",
                  "[JAIL].[dbo].[JAILTRANSLOG]"},
        TTextCase{"SELECT * FROM Cfg..CfgReports r WHERE 1 = 1", "Cfg..CfgReports"},
        TTextCase{"SELECT (SELECT COUNT(*) FROM JBHISTO) AS N FROM JAILBOOK j", "JAILBOOK"},
        TTextCase{"SELECT 'FROM X' AS A /* FROM Y */ FROM JBCASE", "JBCASE"},
        TTextCase{"SELECT * FROM (SELECT 1 AS A) d", ""}, TTextCase{"SELECT 1", ""}));

struct TOrderCase {
  const char* Sql;
  const char* OrderBy;
  const char* Current;  // GetOrderBy before
  const char* Result;   // SetOrderBy(Sql, OrderBy)
};

class OrderByTest : public ::testing::TestWithParam<TOrderCase> {};

TEST_P(OrderByTest, ReadsAndRewritesTheTrailingClause) {
  const QString sql = QString::fromUtf8(GetParam().Sql);
  EXPECT_EQ(KsSQLText::GetOrderBy(sql), QString::fromUtf8(GetParam().Current));
  EXPECT_EQ(KsSQLText::SetOrderBy(sql, QString::fromUtf8(GetParam().OrderBy)),
            QString::fromUtf8(GetParam().Result));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, OrderByTest,
    ::testing::Values(TOrderCase{"SELECT *\nFROM JAILBOOK", "LNAME, FNAME", "",
                                 "SELECT *\nFROM JAILBOOK\nORDER BY LNAME, FNAME"},
                      TOrderCase{"SELECT * FROM JAILBOOK ORDER BY lname,fname", "BOOKNO DESC",
                                 "lname,fname", "SELECT * FROM JAILBOOK ORDER BY BOOKNO DESC"},
                      TOrderCase{"SELECT *\nFROM JAILBOOK\nORDER BY LNAME", "", "LNAME",
                                 "SELECT *\nFROM JAILBOOK"},
                      // Orders inside subqueries and window functions are not the statement's.
                      TOrderCase{"SELECT ROW_NUMBER() OVER (ORDER BY A) AS N FROM T", "B", "",
                                 "SELECT ROW_NUMBER() OVER (ORDER BY A) AS N FROM T\nORDER BY B"},
                      TOrderCase{"SELECT * FROM T WHERE X = 'ORDER BY Z';", "B", "",
                                 "SELECT * FROM T WHERE X = 'ORDER BY Z'\nORDER BY B;"},
                      // Of a batch, only the last statement is ordered.
                      TOrderCase{"SELECT 1 FROM A ORDER BY X; SELECT * FROM B", "Y", "",
                                 "SELECT 1 FROM A ORDER BY X; SELECT * FROM B\nORDER BY Y"},
                      TOrderCase{"SELECT * FROM T ORDER BY &ORDERBY", "LNAME", "&ORDERBY",
                                 "SELECT * FROM T ORDER BY LNAME"}));

class AddWhereTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(AddWhereTest, AddsTheConditionWithoutChangingTheRest) {
  EXPECT_EQ(KsSQLText::AddWhere(QString::fromUtf8(GetParam().Sql), QStringLiteral("1 = 2")),
            QString::fromUtf8(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, AddWhereTest,
    ::testing::Values(
        TTextCase{"Select top 5 [KEY1]\nFrom\n  JailTransLog (ReadUnCommitted)",
                  "Select top 5 [KEY1]\nFrom\n  JailTransLog (ReadUnCommitted) WHERE 1 = 2"},
        // An OR in the old condition must not escape the new one.
        TTextCase{"SELECT * FROM T WHERE A = 1 OR B = 2 ORDER BY A",
                  "SELECT * FROM T WHERE (A = 1 OR B = 2) AND 1 = 2 ORDER BY A"},
        TTextCase{"SELECT A, COUNT(*) FROM T GROUP BY A",
                  "SELECT A, COUNT(*) FROM T WHERE 1 = 2 GROUP BY A"},
        TTextCase{
            "SELECT * FROM T WHERE A IN (SELECT B FROM U WHERE C = 1) -- note\n",
            "SELECT * FROM T WHERE (A IN (SELECT B FROM U WHERE C = 1)) AND 1 = 2 -- note\n"}));

TEST(KsSQLTextMacros, ExpandsOnlyMacroReferencesOutsideQuotes) {
  const QString sql = QStringLiteral(
      "SELECT * FROM T WHERE 1 = 1 &Where AND X = 'A&Where' AND Y = (A & 4) ORDER BY &ORDERBY");
  EXPECT_EQ(KsSQLText::MacroNames(sql), QStringList({"Where", "ORDERBY"}));
  const QString expanded = KsSQLText::ExpandMacros(sql, [](const QString& name) {
    return name == QLatin1String("Where") ? QStringLiteral("AND F = :F") : QStringLiteral("LNAME");
  });
  EXPECT_EQ(expanded, QStringLiteral("SELECT * FROM T WHERE 1 = 1 AND F = :F AND X = 'A&Where' AND "
                                     "Y = (A & 4) ORDER BY LNAME"));
}

TEST(KsSQLTextNames, QuotesPlainNamesOnly) {
  EXPECT_EQ(KsSQLText::QuoteName(QStringLiteral("MEDVISIT NO")), QStringLiteral("[MEDVISIT NO]"));
  EXPECT_EQ(KsSQLText::QuoteName(QStringLiteral("A]B")), QStringLiteral("[A]]B]"));
  EXPECT_EQ(KsSQLText::QuoteName(QStringLiteral("[JAIL].[dbo].[X]")),
            QStringLiteral("[JAIL].[dbo].[X]"));
  EXPECT_EQ(KsSQLText::FieldListToOrderBy(QStringLiteral("LNAME;FNAME, MNAME;")),
            QStringLiteral("LNAME, FNAME, MNAME"));
}

}  // namespace
