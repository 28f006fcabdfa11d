// The function library with T-SQL semantics, called through translated
// T-SQL: each case is an expression and the value SQL Server gives.

#include "TsqlTestDb.h"

#include "core/Exception.h"
#include "data/driver/QtPrinters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

struct TValueCase {
  const char* Expression;
  const char* Expected;
};

std::ostream& operator<<(std::ostream& os, const TValueCase& c) {
  return os << c.Expression;
}

const TValueCase kValueCases[] = {
    // + and - with T-SQL typing
    {"1 + 2", "3"},
    {"1 + '2'", "3"},
    {"'1' + '2'", "12"},
    {"'a' + NULL", "NULL"},
    {"NULL + 1", "NULL"},
    {"1.5 + 1", "2.5"},
    {"CAST('2015-03-05 14:07' AS datetime) + 1", "2015-03-06 14:07:00"},
    {"1 + CAST('2015-03-05' AS datetime)", "2015-03-06 00:00:00"},
    {"CAST('2015-03-05' AS datetime) + 0.5", "2015-03-05 12:00:00"},
    {"CAST('2015-03-05' AS datetime) - 1", "2015-03-04 00:00:00"},
    {"CAST('2015-03-05 06:00' AS datetime) - CAST('2015-03-04' AS datetime)",
     "1900-01-02 06:00:00"},
    {"dbo.JustTheDate('2015-03-05 14:07:33') + dbo.JustTheTime('1899-12-30 09:15:00')",
     "2015-03-05 09:15:00"},
    {"dbo.JustTheDate('2015-03-05 14:07:33.120') + dbo.JustTheTime('1899-12-30 09:15:00.250')",
     "2015-03-05 09:15:00.250"},
    {"dbo.JustTheDate('2015-03-05 14:07:33.120') + dbo.JustTheTime('1899-12-30 09:15:00')",
     "2015-03-05 09:15:00"},
    {"dbo.JustTheDate('03/05/2015') + dbo.JustTheTime('2:30 PM')", "2015-03-05 14:30:00"},
    {"dbo.JustTheDate(NULL) + dbo.JustTheTime('1899-12-30 09:15:00')", "NULL"},
    {"dbo.JustTheDate('2015-03-05') + dbo.JustTheTime(NULL)", "NULL"},
    {"CONVERT(varchar(19), CAST('2015-03-05' AS datetime), 120) + '!'", "2015-03-05 00:00:00!"},
    {"10 - 4 - 3", "3"},
    // The suite's date helpers
    {"dbo.JustTheDate('2015-03-05 14:07:33.250')", "2015-03-05 00:00:00"},
    {"dbo.JustTheDate('03/05/2015 2:07 PM')", "2015-03-05 00:00:00"},
    {"dbo.JustTheTime('1899-12-30 14:07:00')", "1900-01-01 14:07:00"},
    {"cfg.dbo.JustTheTime1900('2015-03-05 23:59:59.500')", "1900-01-01 23:59:59.500"},
    {"dbo.JustTheDate(NULL)", "NULL"},
    {"dbo.JustTheTime('2015-03-05 14:07:33.000')", "1900-01-01 14:07:33"},
    {"dbo.JustTheDate('2015-03-05 14:07:33') + dbo.JustTheTime('1899-12-30 09:15:00.000')",
     "2015-03-05 09:15:00"},
    // DATEADD
    {"DATEADD(day, 1, '2015-02-28')", "2015-03-01 00:00:00"},
    {"DATEADD(dd, -1, '2016-03-01')", "2016-02-29 00:00:00"},
    {"DATEADD(d, 2.9, '2015-01-01')", "2015-01-03 00:00:00"},
    {"DATEADD(mi, 90, '2015-03-05 23:00')", "2015-03-06 00:30:00"},
    {"DATEADD(n, -1, '2015-03-05')", "2015-03-04 23:59:00"},
    {"DATEADD(second, -1, DATEADD(day, 1, '2015-03-05'))", "2015-03-05 23:59:59"},
    {"DATEADD(ss, 30, '2015-03-05 10:00:00')", "2015-03-05 10:00:30"},
    {"DATEADD(s, 1, '2015-12-31 23:59:59')", "2016-01-01 00:00:00"},
    {"DATEADD(hour, 25, '2015-03-05')", "2015-03-06 01:00:00"},
    {"DATEADD(hh, -1, '2015-03-05')", "2015-03-04 23:00:00"},
    {"DATEADD(month, 1, '2015-01-31')", "2015-02-28 00:00:00"},
    {"DATEADD(mm, -2, '2016-04-30 08:00')", "2016-02-29 08:00:00"},
    {"DATEADD(year, 1, '2016-02-29')", "2017-02-28 00:00:00"},
    {"DATEADD(yyyy, -10, '2015-03-05')", "2005-03-05 00:00:00"},
    {"DATEADD(yy, 1, '2015-03-05')", "2016-03-05 00:00:00"},
    {"DATEADD(week, 2, '2015-03-05')", "2015-03-19 00:00:00"},
    {"DATEADD(day, 1, NULL)", "NULL"},
    // DATEDIFF counts boundaries
    {"DATEDIFF(day, '2015-01-01 23:59', '2015-01-02 00:01')", "1"},
    {"DATEDIFF(DD, '2015-01-01', '2015-12-31') + 1", "365"},
    {"DATEDIFF(minute, '2015-01-01 10:00:59', '2015-01-01 10:01:00')", "1"},
    {"DATEDIFF(mi, '2015-03-05 22:00', '2015-03-06 03:00')", "300"},
    {"DATEDIFF(hour, '2015-01-01 10:59', '2015-01-01 11:00')", "1"},
    {"DATEDIFF(second, '2015-01-01 10:00:00.999', '2015-01-01 10:00:01')", "1"},
    {"DATEDIFF(month, '2015-01-31', '2015-02-01')", "1"},
    {"DATEDIFF(year, '2015-12-31', '2016-01-01')", "1"},
    {"DATEDIFF(week, '2015-03-07', '2015-03-08')", "1"},  // Saturday to Sunday
    {"DATEDIFF(week, '2015-03-08', '2015-03-14')", "0"},  // Sunday to Saturday
    {"DATEDIFF(day, NULL, '2015-01-01')", "NULL"},
    // DATEPART and friends
    {"YEAR('2015-03-05')", "2015"},
    {"MONTH('2015-03-05')", "3"},
    {"DAY('2015-03-05 23:59')", "5"},
    {"DATEPART(dw, '2015-03-05')", "5"},  // Thursday, weeks from Sunday
    {"DATEPART(hour, '2015-03-05 14:07')", "14"},
    {"DATEPART(mi, '2015-03-05 14:07')", "7"},
    {"DATEPART(dayofyear, '2016-03-01')", "61"},
    {"DATEPART(week, '2015-01-04')", "2"},
    {"DATEPART(quarter, '2015-08-01')", "3"},
    {"DATENAME(month, '2015-03-05')", "March"},
    {"DATENAME(weekday, '2015-03-05')", "Thursday"},
    // CAST and CONVERT
    {"CAST('12-31-9999' AS datetime)", "9999-12-31 00:00:00"},
    {"CAST('3/5/2015 2:07:09 PM' AS datetime)", "2015-03-05 14:07:09"},
    {"CAST('20150305' AS datetime)", "2015-03-05 00:00:00"},
    {"CAST('Mar  5 2015  2:07PM' AS datetime)", "2015-03-05 14:07:00"},
    {"CAST('14:07' AS datetime)", "1900-01-01 14:07:00"},
    {"CAST(42063 AS datetime)", "2015-03-02 00:00:00"},
    {"CAST('2015-03-05 14:07' AS date)", "2015-03-05 00:00:00"},
    {"CONVERT(varchar(10), CAST('2015-03-05 14:07' AS datetime), 101)", "03/05/2015"},
    {"CONVERT(varchar, CAST('2015-03-05 14:07:09' AS datetime), 108)", "14:07:09"},
    {"CONVERT(varchar(8), CAST('2015-03-05' AS datetime), 112)", "20150305"},
    {"CONVERT(varchar(19), CAST('2015-03-05 14:07:09' AS datetime), 120)", "2015-03-05 14:07:09"},
    {"CONVERT(varchar, CAST('2015-03-05 14:07:09.5' AS datetime), 121)", "2015-03-05 14:07:09.500"},
    {"CONVERT(varchar, CAST('2015-03-05 14:07' AS datetime), 100)", "Mar  5 2015  2:07PM"},
    {"CONVERT(varchar(5), CAST('2015-03-05 14:07' AS datetime), 101)", "03/05"},
    {"CONVERT(datetime, '05/03/2015', 103)", "2015-03-05 00:00:00"},
    {"CONVERT(datetime, '03/05/2015', 101)", "2015-03-05 00:00:00"},
    {"CAST('abc' AS varchar(2))", "ab"},
    {"CAST('ab' AS char(4)) + '|'", "ab  |"},
    {"CAST(12 AS varchar(10)) + 'x'", "12x"},
    {"CAST(' 12 ' AS int) + 1", "13"},
    {"CAST('' AS int)", "0"},
    {"CAST(2.9 AS int)", "2"},
    {"CAST(-2.9 AS int)", "-2"},
    {"CAST('2.5' AS float)", "2.5"},
    {"CAST(1.23456 AS money)", "1.2346"},
    {"CAST(1.25 AS decimal(10, 1))", "1.3"},
    {"CAST(5 AS bit)", "1"},
    {"CAST('false' AS bit)", "0"},
    {"CAST(NULL AS int)", "NULL"},
    {"Convert(image, null)", "NULL"},
    // Strings
    {"LEN('abc  ')", "3"},
    {"LEN('  abc')", "5"},
    {"LEN('')", "0"},
    {"LEN(NULL)", "NULL"},
    {"CHARINDEX('*', 'a*b*c')", "2"},
    {"CHARINDEX('B', 'abcb', 3)", "4"},
    {"CHARINDEX('x', 'abc')", "0"},
    {"SUBSTRING('abcdef', 2, 3)", "bcd"},
    {"SUBSTRING('abcdef', 0, 3)", "ab"},
    {"SUBSTRING('abc', 5, 2)", ""},
    {"SUBSTRING('01*A*1*101*2', 1, LEN(RTRIM('01*A*1*101*2')) - CHARINDEX('*', "
     "REVERSE(RTRIM('01*A*1*101*2'))))",
     "01*A*1*101"},
    {"REVERSE('abc')", "cba"},
    {"CHAR(65) + CHAR(13)", "A\r"},
    {"CHAR(300)", "NULL"},
    {"UPPER('abc') + LOWER('DÉF')", "ABCdéf"},
    {"LTRIM('  a ') + '|' + RTRIM(' a  ') + '|'", "a | a|"},
    {"REPLACE('a-B-b', 'b', 'x')", "a-x-x"},
    {"REPLACE('123-45-6789', '-', '')", "123456789"},
    {"LEFT('abcdef', 2) + RIGHT('abcdef', 2)", "abef"},
    {"SPACE(2) + 'x' + REPLICATE('ab', 2)", "  xabab"},
    {"STR(3.14159, 6, 2)", "  3.14"},
    {"ISNULL(NULL, 'x')", "x"},
    {"ISNULL('', 'x')", ""},
    {"COALESCE(NULL, NULL, 3)", "3"},
    {"NULLIF('a', 'A')", "NULL"},
    {"IIF(1 = 2, 'yes', 'no')", "no"},
    // Numbers
    {"ABS(-3)", "3"},
    {"ROUND(2.675, 2)", "2.68"},
    {"ROUND(-2.5, 0)", "-3"},
    {"ROUND(1234, -2)", "1200"},
    {"ROUND(2.679, 2, 1)", "2.67"},
    {"FLOOR(2.7)", "2"},
    {"FLOOR(-2.5)", "-3"},
    {"CEILING(2.1)", "3"},
    {"7 / 2", "3"},
    {"7 % 4", "3"},
    {"ISNUMERIC('12.5')", "1"},
    {"ISNUMERIC('12a')", "0"},
    {"ISDATE('02/30/2015')", "0"},
    {"ISDATE('02/28/2015')", "1"},
    {"LEN(NEWID())", "36"},
};

class TsqlFunctionValueTest : public testing::TestWithParam<TValueCase> {};

TEST_P(TsqlFunctionValueTest, MatchesTsql) {
  TTsqlTestDb db;
  const TValueCase& c = GetParam();
  try {
    EXPECT_EQ(db.Value(QStringLiteral("SELECT %1").arg(QString::fromUtf8(c.Expression))),
              QString::fromUtf8(c.Expected));
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Expressions, TsqlFunctionValueTest, testing::ValuesIn(kValueCases));

// Values T-SQL refuses to convert are errors, not silent zeros or NULLs.
const char* const kErrorCases[] = {
    "CAST('abc' AS int)",
    "1 + 'abc'",
    "CAST('02/30/2015' AS datetime)",
    "DATEADD(day, 1, 'not a date')",
    "DATEDIFF(day, 'x', '2015-01-01')",
    "dbo.JustTheTime('yesterday')",
    "dbo.JustTheDate('yesterday') + dbo.JustTheTime(NULL)",
    "dbo.JustTheDate(NULL) + dbo.JustTheTime('noon-ish')",
    "SUBSTRING('abc', 1, -1)",
    "CONVERT(varchar, CAST('2015-03-05' AS datetime), 999)",
    "DATEADD(year, 9000, '2015-01-01')",
};

class TsqlFunctionErrorTest : public testing::TestWithParam<const char*> {};

TEST_P(TsqlFunctionErrorTest, RaisesAnError) {
  TTsqlTestDb db;
  EXPECT_THROW(db.Run(QStringLiteral("SELECT %1").arg(QString::fromUtf8(GetParam()))),
               EDatabaseError);
}

INSTANTIATE_TEST_SUITE_P(Expressions, TsqlFunctionErrorTest, testing::ValuesIn(kErrorCases));

TEST(TsqlFunctions, GetDateIsTheCurrentMomentInCanonicalForm) {
  TTsqlTestDb db;
  const QString now = db.Value("SELECT GETDATE()");
  EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d(\\.\\d{3})?$")
                  .match(now)
                  .hasMatch())
      << now.toStdString();
  EXPECT_EQ(db.Value("SELECT DATEDIFF(day, GETDATE(), CURRENT_TIMESTAMP)"), "0");
}

TEST(TsqlFunctions, ColumnPropertyReadsTheDeclaredLength) {
  TTsqlTestDb db;
  db.Exec("CREATE TABLE Users (UserName VARCHAR(30) NOT NULL, PerNo INTEGER, Stamp DATETIME)");
  EXPECT_EQ(db.Value("SELECT COLUMNPROPERTY(OBJECT_ID('USERS'), :Field, 'PRECISION') AS LENGTH",
                     {{"Field", QStringLiteral("USERNAME")}}),
            "30");
  EXPECT_EQ(db.Value("SELECT COLUMNPROPERTY(OBJECT_ID('dbo.Users'), 'UserName', 'AllowsNull')"),
            "0");
  EXPECT_EQ(db.Value("SELECT COLUMNPROPERTY(OBJECT_ID('Users'), 'Missing', 'PRECISION')"), "NULL");
  EXPECT_EQ(db.Value("SELECT OBJECT_ID('NoSuchTable')"), "NULL");
  db.Run("CREATE TABLE #Scratch (Name VARCHAR(12))");
  EXPECT_EQ(db.Value("SELECT COLUMNPROPERTY(OBJECT_ID('tempdb..#Scratch'), 'Name', 'PRECISION')"),
            "12");
}

TEST(TsqlFunctions, CollationIgnoresCaseAndTrailingBlanksOnly) {
  TTsqlTestDb db;
  EXPECT_EQ(
      db.Native("SELECT 'abc' = 'ABC  ' COLLATE TSQL, 'abc' = ' abc' COLLATE TSQL, "
                "'Émile' = 'émile' COLLATE TSQL, 'a' < 'B' COLLATE TSQL, 'b_' < 'ba' COLLATE TSQL"),
      TTsqlTestDb::TRows({{"1", "0", "1", "1", "1"}}));
}

}  // namespace
