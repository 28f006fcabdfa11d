// The translation rules, checked on the SQLite text they produce, the
// errors for constructs without a translation, and the cache.

#include "core/Exception.h"
#include "data/driver/QtPrinters.h"
#include "data/sqlite/TsqlTranslator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using testing::HasSubstr;

struct TRuleCase {
  const char* Rule;
  const char* Tsql;
  const char* Sqlite;  // the translation of the batch's only statement
};

std::ostream& operator<<(std::ostream& os, const TRuleCase& c) {
  return os << c.Rule;
}

const TRuleCase kRuleCases[] = {
    {"HintsDropped", "SELECT a FROM T (READUNCOMMITTED) WHERE a = 1",
     "SELECT a FROM T WHERE a = 1"},
    {"HintBeforeAlias", "SELECT x.a FROM T (NOLOCK) x, U WITH (NOLOCK), V v (READUNCOMMITTED)",
     "SELECT x.a FROM T AS x, U, V AS v"},
    {"HintAfterAliasWithoutBlank", "SELECT C.a FROM JBCASE C(READUNCOMMITTED)",
     "SELECT C.a FROM JBCASE AS C"},
    {"DatabaseQualifiersReduced", "SELECT * FROM Cfg..CfgReports, [JAIL].[dbo].[X], Jail.dbo.Y",
     "SELECT * FROM CfgReports, X, Y"},
    {"FunctionQualifiersReduced", "SELECT cfg.dbo.JustTheTime1900(t), Jail.dbo.fnks_Something(1)",
     "SELECT JustTheTime1900(t), fnks_Something(1)"},
    {"NamesWithBlanksBracketed", "SELECT MV.[MEDVISIT NO], [LEVEL], [ORDER] FROM JBMEDVIS MV",
     "SELECT MV.[MEDVISIT NO], LEVEL, [ORDER] FROM JBMEDVIS AS MV"},
    {"TopBecomesLimit", "SELECT TOP 5 [KEY1] FROM T ORDER BY KEY1",
     "SELECT KEY1 FROM T ORDER BY KEY1 LIMIT 5"},
    {"TopWithParenthesesAndParameter", "SELECT TOP (:n) a FROM T", "SELECT a FROM T LIMIT ?1"},
    {"TopInSubqueryLimitsTheSubquery", "SELECT (SELECT TOP 1 b FROM U ORDER BY b) FROM T",
     "SELECT (SELECT b FROM U ORDER BY b LIMIT 1) FROM T"},
    {"QuotedAlias", "SELECT 'custody level' = CASE WHEN a = 1 THEN 'X' ELSE '' END FROM T",
     "SELECT CASE WHEN a = 1 THEN 'X' ELSE '' END AS [custody level] FROM T"},
    {"DoubleQuotedAliasAndStringAlias", "SELECT \"x\" = 1, 2 AS 'y', 3 z",
     "SELECT 1 AS x, 2 AS y, 3 AS z"},
    {"PlusBecomesTsAdd", "SELECT a + b + 'c' FROM T", "SELECT ts_add(ts_add(a, b), 'c') FROM T"},
    {"MinusBecomesTsSub", "SELECT a - 1 FROM T", "SELECT ts_sub(a, 1) FROM T"},
    {"UnaryMinusStays", "SELECT -a * 2 FROM T", "SELECT -a * 2 FROM T"},
    {"SpacedComparisonOperators", "SELECT 1 FROM T WHERE a < = 1 AND b > = 2 AND c != 3",
     "SELECT 1 FROM T WHERE a <= 1 AND b >= 2 AND c <> 3"},
    {"LikeBecomesTsLike", "SELECT 1 FROM T WHERE a LIKE 'x%' AND b NOT LIKE '[0-9]' ESCAPE '!'",
     "SELECT 1 FROM T WHERE ts_like(a, 'x%') AND NOT ts_like(b, '[0-9]', '!')"},
    {"IsNullBecomesIfnull", "SELECT ISNULL(a, '') FROM T", "SELECT ifnull(a, '') FROM T"},
    {"DatePartsNormalised", "SELECT DATEDIFF(mi, a, b), DATEADD(dd, 1, a), DATEPART(dw, a) FROM T",
     "SELECT ts_datediff('minute', a, b), ts_dateadd('day', 1, a), ts_datepart('weekday', a) FROM "
     "T"},
    {"CastAndConvert",
     "SELECT CAST(a AS varchar(10)), CONVERT(varchar, b, 101), CAST(c AS DateTime) FROM T",
     "SELECT ts_cast(a, 'varchar(10)'), ts_convert('varchar(30)', b, 101), ts_cast(c, 'datetime') "
     "FROM T"},
    {"CollateMapsToTsql", "SELECT a COLLATE SQL_Latin1_General_CP1_CI_AS FROM T",
     "SELECT a COLLATE TSQL FROM T"},
    {"CaseSensitiveCollateMapsToBinary", "SELECT 1 FROM T WHERE a = b COLLATE Latin1_General_CS_AS",
     "SELECT 1 FROM T WHERE a = b COLLATE BINARY"},
    {"ExpressionComparisonGetsTsqlCollation", "SELECT 1 FROM T WHERE LTRIM(a) = ''",
     "SELECT 1 FROM T WHERE ltrim(a) = '' COLLATE TSQL"},
    {"ColumnComparisonKeepsColumnCollation", "SELECT 1 FROM T WHERE a = 'x' AND 2 = b",
     "SELECT 1 FROM T WHERE a = 'x' AND 2 = b"},
    {"ComputedOrderByGetsTsqlCollation", "SELECT a + b AS n FROM T ORDER BY n DESC, a, 1",
     "SELECT ts_add(a, b) AS n FROM T ORDER BY n COLLATE TSQL DESC, a, 1"},
    {"SlashDateLiteralCanonicalised",
     "SELECT 1 FROM T WHERE d >= '3/5/2015' AND t < '12/30/1899 2:07 PM'",
     "SELECT 1 FROM T WHERE d >= '2015-03-05 00:00:00' AND t < '1899-12-30 14:07:00'"},
    {"IsoDateLiteralCanonicalised",
     "SELECT 1 FROM T WHERE d BETWEEN '2015-03-05' AND '2015-03-05 23:59:59'",
     "SELECT 1 FROM T WHERE d BETWEEN '2015-03-05 00:00:00' AND '2015-03-05 23:59:59'"},
    {"OtherLiteralsUntouched", "SELECT 1 FROM T WHERE a = '2015-0001' AND b = '13/45/2015'",
     "SELECT 1 FROM T WHERE a = '2015-0001' AND b = '13/45/2015'"},
    {"ParametersMeetingColumnsGoThroughTsDate",
     "SELECT :p FROM T WHERE a = :p AND :q BETWEEN b AND c",
     "SELECT ?1 FROM T WHERE a = ts_date(?1) AND ts_date(?2) BETWEEN b AND c"},
    {"ParameterNamesIgnoreCase", "SELECT 1 FROM T WHERE a >= :BillingStart AND b < :BILLINGSTART",
     "SELECT 1 FROM T WHERE a >= ts_date(?1) AND b < ts_date(?1)"},
    {"OuterApplyBecomesLeftJoin", "SELECT f.x FROM T t OUTER APPLY fnks_Series(t.bookno) f",
     "SELECT f.x FROM T AS t LEFT JOIN fnks_Series(t.bookno) AS f"},
    {"ApplyOfAViewFunctionJoinsTheView",
     "SELECT f.CheckInTime FROM T t OUTER APPLY fnks_CheckInOutOnSameRow(t.bookno) f "
     "CROSS APPLY dbo.fnks_CheckInOutOnSameRow(t.x) ",
     "SELECT f.CheckInTime FROM T AS t LEFT JOIN (SELECT CheckInOutId, BookNo, CheckOutTime, "
     "CheckOutReasonCode, CheckOutOfficerName, CheckOutOfficerNumber, CheckInTime, "
     "CheckInReasonCode, CheckInOfficerName, CheckInOfficerNumber FROM CheckOutIn) AS f ON "
     "f.BookNo = t.bookno JOIN (SELECT CheckInOutId, BookNo, CheckOutTime, CheckOutReasonCode, "
     "CheckOutOfficerName, CheckOutOfficerNumber, CheckInTime, CheckInReasonCode, "
     "CheckInOfficerName, CheckInOfficerNumber FROM CheckOutIn) AS fnks_CheckInOutOnSameRow ON "
     "fnks_CheckInOutOnSameRow.BookNo = t.x"},
    {"JoinsOfEveryKind",
     "SELECT 1 FROM A a INNER JOIN B b ON b.k = a.k LEFT OUTER JOIN C c ON c.k = a.k RIGHT JOIN D "
     "d ON "
     "d.k = a.k FULL OUTER JOIN E e ON e.k = a.k CROSS JOIN F",
     "SELECT 1 FROM A AS a JOIN B AS b ON b.k = a.k LEFT JOIN C AS c ON c.k = a.k RIGHT JOIN D AS "
     "d ON "
     "d.k = a.k FULL JOIN E AS e ON e.k = a.k CROSS JOIN F"},
    {"RowCountReadsChanges", "SELECT @@ROWCOUNT AS Successful", "SELECT changes() AS Successful"},
    {"ParenthesisedUnionFlattened", "(SELECT a FROM T UNION ALL SELECT a FROM U) ORDER BY a",
     "SELECT a FROM T UNION ALL SELECT a FROM U ORDER BY a"},
    {"UnionOperandWithTopWrapped", "SELECT a FROM T UNION (SELECT TOP 1 a FROM U ORDER BY a)",
     "SELECT a FROM T UNION SELECT * FROM (SELECT a FROM U ORDER BY a LIMIT 1)"},
    {"RightCompoundOperandWrapped",
     "SELECT a FROM T UNION (SELECT a FROM U UNION ALL SELECT a FROM V)",
     "SELECT a FROM T UNION SELECT * FROM (SELECT a FROM U UNION ALL SELECT a FROM V)"},
    {"CompoundOrderByLosesQualifiers", "SELECT j.a FROM T j UNION SELECT h.a FROM U h ORDER BY j.a",
     "SELECT j.a FROM T AS j UNION SELECT h.a FROM U AS h ORDER BY a"},
    {"CompoundOrderedByExpressionWrapped", "SELECT a FROM T UNION SELECT a FROM U ORDER BY LEN(a)",
     "SELECT * FROM (SELECT a FROM T UNION SELECT a FROM U) ORDER BY ts_len(a) COLLATE TSQL"},
    {"DistinctWithParenthesisedColumn", "SELECT DISTINCT(c.STATUS), c.BOOKNO FROM JBCASE c",
     "SELECT DISTINCT c.STATUS, c.BOOKNO FROM JBCASE AS c"},
    {"TempTableWithIdentity",
     "CREATE TABLE #H (Id int IDENTITY(1,1), Name VARCHAR (60) NOT NULL, D DateTime)",
     "CREATE TEMP TABLE [#H] (Id INTEGER PRIMARY KEY, Name VARCHAR(60) COLLATE TSQL NOT NULL, D "
     "DATETIME)"},
    {"GlobalTempTableIsShared",
     "CREATE TABLE [tempdb].[dbo].[##LOCK-JAIL.JBLOG.0123]( DatabaseName VARCHAR(30), TimeLocked "
     "DateTime)",
     "CREATE TABLE [##LOCK-JAIL.JBLOG.0123] (DatabaseName VARCHAR(30) COLLATE TSQL, TimeLocked "
     "DATETIME)"},
    {"SelectIntoTemp", "SELECT a INTO #t FROM T", "CREATE TEMP TABLE [#t] AS SELECT a FROM T"},
    {"CreateIndex", "CREATE UNIQUE NONCLUSTERED INDEX IX_A ON T (a, [MEDVISIT NO] DESC)",
     "CREATE UNIQUE INDEX IX_A ON T (a, [MEDVISIT NO] DESC)"},
    {"CreateView", "CREATE VIEW VedaVavi AS SELECT * FROM JAILBOOK (READUNCOMMITTED)",
     "CREATE VIEW VedaVavi AS SELECT * FROM JAILBOOK"},
    {"DropView", "DROP VIEW dbo.VedaVavi", "DROP VIEW VedaVavi"},
    {"TruncateBecomesDelete", "TRUNCATE TABLE HighestCase", "DELETE FROM HighestCase"},
    {"InsertSelect",
     "INSERT INTO HighestCase (BOOKNO, LEVEL) SELECT c.BOOKNO, s.[LEVEL] FROM JBCASE c "
     "(READUNCOMMITTED)",
     "INSERT INTO HighestCase (BOOKNO, LEVEL) SELECT c.BOOKNO, s.LEVEL FROM JBCASE AS c"},
    {"UpdateFromMovesTheJoinIntoWhere",
     "UPDATE t SET t.a = u.b FROM T t JOIN U u ON u.k = t.k WHERE u.c = 1",
     "UPDATE T AS t SET a = u.b FROM U AS u WHERE u.k = t.k AND u.c = 1"},
    {"DeleteFromJoinByRowid", "DELETE T FROM T JOIN U ON U.k = T.k",
     "DELETE FROM T WHERE rowid IN (SELECT T.rowid FROM T JOIN U ON U.k = T.k)"},
    {"DatePlusTimeIsOneMoment",
     "SELECT a FROM T WHERE dbo.JustTheDate(T.d) + cfg.dbo.JustTheTime1900(T.t) BETWEEN :s AND :e",
     "SELECT a FROM T WHERE ts_moment(T.d, T.t) BETWEEN ts_date(?1) AND ts_date(?2)"},
    {"DateTimeValuesNeedNoCollation",
     "SELECT a FROM T WHERE :d BETWEEN dbo.JustTheDate(T.o) AND dbo.JustTheDate(T.i) AND "
     "GETDATE() > DATEADD(day, 1, :d)",
     "SELECT a FROM T WHERE ts_date(?1) BETWEEN JustTheDate(T.o) AND JustTheDate(T.i) AND "
     "ts_getdate() > ts_dateadd('day', 1, ?1)"},
    {"ExecBecomesCall", "EXEC dbo.kssp_Thing :A, 5", "SELECT ?1 AS A, 5"},
};

class TsqlRuleTest : public testing::TestWithParam<TRuleCase> {};

TEST_P(TsqlRuleTest, Translates) {
  const TRuleCase& c = GetParam();
  TTsqlBatch batch;
  try {
    batch = TTsqlTranslator::TranslateUncached(QString::fromUtf8(c.Tsql));
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
  ASSERT_EQ(batch.Statements.size(), 1u);
  EXPECT_EQ(batch.Statements[0].Sql, QString::fromUtf8(c.Sqlite));
}

INSTANTIATE_TEST_SUITE_P(Rules, TsqlRuleTest, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<TRuleCase>& info) {
                           return info.param.Rule;
                         });

TEST(TsqlTranslator, BatchStatementsWithTheirActions) {
  const TTsqlBatch batch = TTsqlTranslator::TranslateUncached(
      "USE JAIL\n"
      "DECLARE @end as DateTime = DateAdd(second, -1, DateAdd(day, 1, :reportDate)), @n int;\n"
      "SET @n = 3\n"
      "UPDATE Users SET PwdChangeNow = 0 WHERE UserName = :UserName\n"
      "SELECT @@ROWCOUNT AS Successful, @END AS E, @n\n"
      "{:RETURN_VALUE = CALL Jail.dbo.kssp_UpdateDailyPopulation;1(:FaciCode, :StartDate)}");
  ASSERT_EQ(batch.Statements.size(), 6u);
  const auto& s = batch.Statements;

  EXPECT_EQ(s[0].Action, TTsqlAction::AssignVariable);
  EXPECT_EQ(s[0].Variable, "@end");
  EXPECT_EQ(s[0].Sql,
            "SELECT ts_cast(ts_dateadd('second', -1, ts_dateadd('day', 1, ?1)), 'datetime')");
  EXPECT_EQ(s[0].ParamNames, QStringList({"reportDate"}));

  EXPECT_EQ(s[1].Action, TTsqlAction::AssignVariable);
  EXPECT_EQ(s[1].Variable, "@n");
  EXPECT_EQ(s[1].Sql, "SELECT NULL");

  EXPECT_EQ(s[2].Sql, "SELECT ts_cast(3, 'int')");
  EXPECT_EQ(s[2].Variable, "@n");

  EXPECT_EQ(s[3].Action, TTsqlAction::Execute);
  EXPECT_FALSE(s[3].ReturnsRows);
  EXPECT_EQ(s[3].ParamNames, QStringList({"UserName"}));

  EXPECT_TRUE(s[4].ReturnsRows);
  EXPECT_EQ(s[4].Sql, "SELECT changes() AS Successful, ?1 AS E, ?2");
  EXPECT_EQ(s[4].ParamNames, QStringList({"@end", "@n"}));
  EXPECT_THAT(s[4].Source.toStdString(), HasSubstr("SELECT @@ROWCOUNT"));

  EXPECT_EQ(s[5].Action, TTsqlAction::CallProcedure);
  EXPECT_EQ(s[5].Procedure, "kssp_UpdateDailyPopulation");
  EXPECT_EQ(s[5].ResultParameter, "RETURN_VALUE");
  EXPECT_EQ(s[5].Sql, "SELECT ?1 AS FaciCode, ?2 AS StartDate");
}

TEST(TsqlTranslator, SemicolonsAndLineBreaksSplitStatementsAlike) {
  const TTsqlBatch a = TTsqlTranslator::TranslateUncached("DELETE FROM A; DELETE FROM B;;");
  const TTsqlBatch b = TTsqlTranslator::TranslateUncached("DELETE FROM A\nDELETE FROM B");
  ASSERT_EQ(a.Statements.size(), 2u);
  ASSERT_EQ(b.Statements.size(), 2u);
  EXPECT_EQ(a.Statements[1].Sql, b.Statements[1].Sql);
}

TEST(TsqlTranslator, DropOfSeveralTablesGivesOneStatementEach) {
  const TTsqlBatch batch =
      TTsqlTranslator::TranslateUncached("DROP TABLE IF EXISTS #a, [tempdb]..#b");
  ASSERT_EQ(batch.Statements.size(), 2u);
  EXPECT_EQ(batch.Statements[0].Sql, "DROP TABLE IF EXISTS [#a]");
  EXPECT_EQ(batch.Statements[1].Sql, "DROP TABLE IF EXISTS [#b]");
}

struct TErrorCase {
  const char* Tsql;
  const char* Construct;  // what the message must name
};

std::ostream& operator<<(std::ostream& os, const TErrorCase& c) {
  return os << c.Tsql;
}

const TErrorCase kErrorCases[] = {
    {"SELECT [MEDVISIT NO FROM JBMEDVIS", "unclosed bracket"},
    {"SELECT 'abc FROM T", "unclosed quotation mark"},
    {"SELECT a /* never closed FROM T", "unterminated comment"},
    {"SELECT SOUNDEX(a) FROM T", "function SOUNDEX"},
    {"SELECT ROW_NUMBER() OVER (ORDER BY a) FROM T", "window functions (OVER)"},
    {"MERGE INTO T USING U ON 1 = 1", "statement MERGE"},
    {"SELECT TOP 10 PERCENT a FROM T", "TOP ... PERCENT"},
    {"SELECT a FROM T WHERE b = @undeclared", "must declare the variable @undeclared"},
    {"SELECT a FROM T OUTER APPLY (SELECT TOP 1 b FROM U) x",
     "APPLY of anything but a table-valued function"},
    {"SELECT DATEADD(fortnight, 1, a) FROM T", "date part 'fortnight'"},
    {"SELECT CAST(a AS geography) FROM T", "data type geography"},
    {"SELECT a FROM T WHERE b > ALL (SELECT c FROM U)", "> ALL (subquery)"},
    {"SELECT @@SPID", "@@SPID"},
    {"SELECT a FROM (SELECT 1 AS a)", "a derived table needs an alias"},
    {"SELECT a FROM T WHERE", "unexpected end of the statement"},
    {"SELECT a, FROM T", "unexpected 'FROM'"},
    {"UPDATE t SET a = 1 FROM T t LEFT JOIN U u ON u.k = t.k", "outer join on the target table"},
    {"IF 1 = 1 SELECT 1", "statement IF"},
};

class TsqlErrorTest : public testing::TestWithParam<TErrorCase> {};

TEST_P(TsqlErrorTest, NamesTheConstructAndQuotesTheStatement) {
  const TErrorCase& c = GetParam();
  const QString tsql = QStringLiteral("SELECT 1 FROM Fine;\n") + QString::fromUtf8(c.Tsql);
  try {
    TTsqlTranslator::Translate(tsql);
    FAIL() << "no error";
  } catch (const ETsqlError& e) {
    EXPECT_THAT(e.Message().toStdString(), HasSubstr(c.Construct));
    // The statement that failed is quoted (not the one before it) with its line.
    EXPECT_THAT(e.Message().toStdString(), HasSubstr("line 2"));
    EXPECT_THAT(e.Message().toStdString(),
                HasSubstr(QString::fromUtf8(c.Tsql).left(8).toStdString()));
  }
}

INSTANTIATE_TEST_SUITE_P(Constructs, TsqlErrorTest, testing::ValuesIn(kErrorCases));

TEST(TsqlTranslator, ErrorIsADatabaseError) {
  EXPECT_THROW(TTsqlTranslator::Translate("SELECT SOUNDEX(a)"), EDatabaseError);
}

TEST(TsqlTranslatorCache, SameTextIsTranslatedOnce) {
  TTsqlTranslator::ClearCache();
  const QString text = QStringLiteral("SELECT a FROM T WHERE b = :B");
  const auto first = TTsqlTranslator::Translate(text);
  const auto second = TTsqlTranslator::Translate(QString(text));  // equal text, other string
  EXPECT_EQ(first.get(), second.get());
  EXPECT_EQ(TTsqlTranslator::CacheSize(), 1);
  EXPECT_NE(TTsqlTranslator::Translate(text + u' ').get(), first.get());
  EXPECT_EQ(TTsqlTranslator::CacheSize(), 2);
}

TEST(TsqlTranslatorCache, FailuresAreNotCached) {
  TTsqlTranslator::ClearCache();
  EXPECT_THROW(TTsqlTranslator::Translate("SELECT SOUNDEX(a)"), ETsqlError);
  EXPECT_THROW(TTsqlTranslator::Translate("SELECT SOUNDEX(a)"), ETsqlError);
  EXPECT_EQ(TTsqlTranslator::CacheSize(), 0);
}

TEST(TsqlTranslatorCache, SafeFromSeveralThreads) {
  TTsqlTranslator::ClearCache();
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &mismatches] {
      for (int i = 0; i < 200; ++i) {
        const QString text = QStringLiteral("SELECT a + %1 FROM T WHERE b = :B").arg(i % 50);
        const auto batch = TTsqlTranslator::Translate(text);
        if (batch->Statements.size() != 1 ||
            batch->Statements[0].Sql !=
                QStringLiteral("SELECT ts_add(a, %1) FROM T WHERE b = ts_date(?1)").arg(i % 50))
          ++mismatches;
      }
      Q_UNUSED(t);
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(mismatches.load(), 0);
  EXPECT_EQ(TTsqlTranslator::CacheSize(), 50);
}

}  // namespace
