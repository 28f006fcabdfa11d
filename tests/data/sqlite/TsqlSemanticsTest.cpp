// T-SQL statements run on a real SQLite handle with the T-SQL library:
// each case is a statement, the small fixture it reads and the rows T-SQL
// gives on SQL Server.

#include "TsqlTestDb.h"

#include "core/Exception.h"
#include "data/driver/QtPrinters.h"
#include "data/sqlite/TsqlTranslator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDateTime>

#include <sqlite3.h>

#include <cstring>

namespace {

using TRows = TTsqlTestDb::TRows;

// Bookings of two facilities; names differ in case and trailing blanks; dates
// and times stored as the suite writes them (time of day on 1899-12-30).
const char* const kBaseFixture = R"(
CREATE TABLE JAILBOOK (BOOKNO TEXT COLLATE TSQL, LNAME TEXT COLLATE TSQL, FNAME TEXT COLLATE TSQL,
  FACICODE TEXT COLLATE TSQL, BOOKDATE DATETIME, BOOKTIME DATETIME, NAMERELEAS INTEGER,
  SSN TEXT COLLATE TSQL, SEX TEXT COLLATE TSQL);
INSERT INTO JAILBOOK VALUES
  ('B1', 'Smith',  'Ann',  '01', '2015-03-05 00:00:00', '1899-12-30 14:07:00', 0,    '123-45-6789', 'F'),
  ('B2', 'smith ', 'Bob',  '01', '2015-03-05 00:00:00', '1899-12-30 14:07:59', 0,    '12345',       'M'),
  ('B3', 'Adams',  'Carl', '02', '2015-03-05 00:00:00', '1899-12-30 14:08:00', 1,    NULL,          'M'),
  ('B4', 'brown',  'Dee',  '01', '2015-03-04 00:00:00', '1899-12-30 23:59:00', NULL, '987654321',   NULL);
CREATE TABLE JBHISTO (BOOKNO TEXT COLLATE TSQL, LNAME TEXT COLLATE TSQL, FNAME TEXT COLLATE TSQL,
  FACICODE TEXT COLLATE TSQL, BOOKDATE DATETIME, BOOKTIME DATETIME, NAMERELEAS INTEGER,
  SSN TEXT COLLATE TSQL, SEX TEXT COLLATE TSQL);
INSERT INTO JBHISTO VALUES
  ('H1', 'Evans', 'Eve', '01', '2014-01-01 00:00:00', '1899-12-30 08:00:00', 1, NULL, 'F');
CREATE TABLE JBCASE (BOOKNO TEXT COLLATE TSQL, CASENO TEXT COLLATE TSQL, STATUS TEXT COLLATE TSQL,
  ACTIVE INTEGER);
INSERT INTO JBCASE VALUES ('B1', 'C1', 'SENT', 1), ('B1', 'C2', 'PEND', 0), ('B2', 'C3', 'PEND', 1);
CREATE TABLE CfgReports (Name TEXT COLLATE TSQL, Title TEXT COLLATE TSQL);
INSERT INTO CfgReports VALUES ('Roster', 'Inmate roster'), ('Log', 'Jail log');
)";

struct TCase {
  const char* Name;
  const char* Fixture;  // extra native SQL after the base fixture
  const char* Tsql;
  QHash<QString, QVariant> Params;
  TRows Expected;
};

std::ostream& operator<<(std::ostream& os, const TCase& c) {
  return os << c.Name;
}

QDateTime Moment(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

const std::vector<TCase>& Cases() {
  static const std::vector<TCase> cases = {
      {"EqualityIgnoresCaseAndTrailingBlanks",
       "",
       "SELECT BOOKNO FROM JAILBOOK (READUNCOMMITTED) WHERE LNAME = 'SMITH' ORDER BY BOOKNO",
       {},
       {{"B1"}, {"B2"}}},
      {"OrderingIgnoresCase",
       "",
       "SELECT LNAME, FNAME FROM JAILBOOK ORDER BY LNAME, FNAME",
       {},
       {{"Adams", "Carl"}, {"brown", "Dee"}, {"Smith", "Ann"}, {"smith ", "Bob"}}},
      {"OrderingOfComputedAliasIgnoresCase",
       "",
       "SELECT LNAME + '' AS N FROM JAILBOOK ORDER BY N, FNAME",
       {},
       {{"Adams"}, {"brown"}, {"Smith"}, {"smith "}}},
      {"ComputedEqualityIgnoresTrailingBlanks",
       "",
       "SELECT BOOKNO FROM JAILBOOK WHERE ISNULL(SSN, '') + '  ' = '12345'",
       {},
       {{"B2"}}},
      {"StringPlusNullIsNull",
       "",
       "SELECT 'a' + NULL, FNAME + ' ' + SSN FROM JAILBOOK WHERE BOOKNO = 'B3'",
       {},
       {{"NULL", "NULL"}}},
      {"DatePlusTimeWindowIncludesBothEnds",
       "",
       "SELECT BOOKNO FROM jailbook (READUNCOMMITTED) WHERE FACICODE IN ('01', '02') AND "
       "(dbo.JustTheDate(BOOKDATE) + dbo.JustTheTime(BOOKTIME) BETWEEN  '2015-03-05 14:07:00' "
       " AND  '2015-03-05 14:07:59' ) ORDER BY BOOKNO",
       {},
       {{"B1"}, {"B2"}}},
      {"DatePlusTimeAcrossMidnight",
       "",
       "SELECT BOOKNO FROM JAILBOOK WHERE dbo.JustTheDate(BOOKDATE) + dbo.JustTheTime(BOOKTIME) "
       "BETWEEN '2015-03-04 23:59:00' AND '2015-03-05 14:07:00' ORDER BY BOOKNO",
       {},
       {{"B1"}, {"B4"}}},
      {"DateDiffCountsBoundaries",
       "",
       "SELECT DATEDIFF(day, '2015-01-01 23:59', '2015-01-02 00:01'), "
       "DATEDIFF(day, '2015-01-01 00:00', '2015-01-01 23:59'), "
       "DATEDIFF(mi, '2015-01-01 10:00:59', '2015-01-01 10:01:00'), "
       "DATEDIFF(minute, '2015-01-01 10:00:00', '2015-01-01 10:00:59'), "
       "DATEDIFF(dd, '2015-01-02', '2015-01-01')",
       {},
       {{"1", "0", "1", "0", "-1"}}},
      {"LikeWithDigitClasses",
       "",
       "SELECT BOOKNO FROM JAILBOOK WHERE SSN LIKE '[0-9][0-9]%' ORDER BY BOOKNO",
       {},
       {{"B1"}, {"B2"}, {"B4"}}},
      {"NotLikeNineDigits",
       "",
       "SELECT BOOKNO, CASE WHEN IsNull(LTrim(RTrim(Replace(SSN,'-',''))),'') NOT LIKE "
       "'[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]' THEN '000000000' ELSE "
       "LTrim(RTrim(Replace(SSN,'-',''))) END AS 'SSN' FROM JAILBOOK ORDER BY BOOKNO",
       {},
       {{"B1", "123456789"}, {"B2", "000000000"}, {"B3", "000000000"}, {"B4", "987654321"}}},
      {"LikeIgnoresCaseAndHandlesNegatedClass",
       "",
       "SELECT BOOKNO FROM JAILBOOK WHERE LNAME LIKE 's%' AND FNAME LIKE '[^a]_%' ORDER BY BOOKNO",
       {},
       {{"B2"}}},
      {"IsNullReplacesNull",
       "",
       "SELECT BOOKNO, ISNULL(NAMERELEAS, 0), ISNULL(SEX, 'U') FROM JAILBOOK WHERE BOOKNO = 'B4'",
       {},
       {{"B4", "0", "U"}}},
      {"TopOneInsideSubquery",
       "",
       "SELECT j.BOOKNO, (SELECT TOP 1 j2.FNAME FROM JAILBOOK j2 (NOLOCK) WHERE j2.FACICODE = "
       "j.FACICODE ORDER BY j2.FNAME DESC) AS LastFirst FROM JAILBOOK j WHERE j.BOOKNO IN ('B1', "
       "'B3') "
       "ORDER BY j.BOOKNO",
       {},
       {{"B1", "Dee"}, {"B3", "Carl"}}},
      {"TopLimitsItsOwnSelect",
       "",
       "SELECT TOP 2 BOOKNO FROM JAILBOOK ORDER BY BOOKNO DESC",
       {},
       {{"B4"}, {"B3"}}},
      {"QuotedAliasEqualsCase",
       "",
       "SELECT BOOKNO, 'Gender' = CASE WHEN SEX = 'M' THEN 'Male' WHEN SEX = 'f' THEN 'Female' "
       "ELSE 'Unknown' END FROM JAILBOOK ORDER BY BOOKNO",
       {},
       {{"B1", "Female"}, {"B2", "Male"}, {"B3", "Male"}, {"B4", "Unknown"}}},
      {"ParenthesisedUnionAllWithOrderBy",
       "",
       "(SELECT BOOKNO, LNAME FROM JAILBOOK WHERE FACICODE = '01' UNION ALL SELECT BOOKNO, LNAME "
       "FROM jbhisto (READUNCOMMITTED) WHERE FACICODE = '01') ORDER BY LNAME, BOOKNO",
       {},
       {{"B4", "brown"}, {"H1", "Evans"}, {"B1", "Smith"}, {"B2", "smith "}}},
      {"ParenthesisedUnionOperandsWithTop",
       "",
       "(SELECT TOP 1 BOOKNO FROM JAILBOOK ORDER BY BOOKNO DESC) UNION (SELECT BOOKNO FROM "
       "JBHISTO) "
       "ORDER BY 1",
       {},
       {{"B4"}, {"H1"}}},
      {"UnionRemovesDuplicatesIgnoringCase",
       "",
       "SELECT COUNT(*) FROM (SELECT LNAME FROM JAILBOOK WHERE BOOKNO IN ('B1', 'B2') UNION "
       "SELECT 'SMITH' FROM JBHISTO) u",
       {},
       {{"1"}}},
      {"DeclareWithDateAdd",
       "",
       "DECLARE @endTmpDate as DateTime = DateAdd(second, -1, DateAdd(day, 1, :reportDate));\n"
       "DECLARE @startTmpDate as DateTime = DateAdd(second, 1, DateAdd(second, -1, :reportDate));\n"
       "SELECT @startTmpDate AS S, @endTmpDate AS E",
       {{"reportDate", Moment(2015, 3, 5)}},
       {{"2015-03-05 00:00:00", "2015-03-05 23:59:59"}}},
      {"DeclaredVariableInWhere",
       "",
       "DECLARE @day datetime\nSET @day = '03/05/2015'\n"
       "SELECT COUNT(*) FROM JAILBOOK WHERE BOOKDATE = @day",
       {},
       {{"3"}}},
      {"RowCountAfterUpdate",
       "",
       "UPDATE JAILBOOK SET SEX = 'X' WHERE FACICODE = '01'\n\nSELECT @@ROWCOUNT AS Successful",
       {},
       {{"3"}}},
      {"DatabaseQualifiersReduced",
       "",
       "SELECT r.Name FROM Cfg..CfgReports r (READUNCOMMITTED) WHERE r.Name = 'roster' UNION ALL "
       "SELECT Title FROM [JAIL].[dbo].[CfgReports] WHERE Name = 'LOG'",
       {},
       {{"Roster"}, {"Jail log"}}},
      {"ParametersStayData",
       "INSERT INTO JAILBOOK (BOOKNO, LNAME) VALUES ('B9', 'O''Brien; -- 100%');",
       "SELECT BOOKNO FROM JAILBOOK WHERE LNAME = :name",
       {{"NAME", QStringLiteral("O'Brien; -- 100%")}},
       {{"B9"}}},
      {"PercentInParameterIsNoWildcardForEquality",
       "",
       "SELECT COUNT(*) FROM JAILBOOK WHERE LNAME = :name OR FNAME = :Name",
       {{"name", QStringLiteral("%")}},
       {{"0"}}},
      {"InjectionAttemptIsJustAValue",
       "",
       "SELECT COUNT(*) FROM JAILBOOK WHERE LNAME = :name",
       {{"name", QStringLiteral("x'; DROP TABLE JAILBOOK; --")}},
       {{"0"}}},
      {"OuterApplyKeepsRowsWithoutFunctionRows",
       "",
       "SELECT j.BOOKNO, f.value FROM JAILBOOK j OUTER APPLY fnks_TestSeries(j.NAMERELEAS) f "
       "ORDER BY j.BOOKNO, f.value",
       {},
       {{"B1", "NULL"}, {"B2", "NULL"}, {"B3", "1"}, {"B4", "NULL"}}},
      {"CrossApplyDropsRowsWithoutFunctionRows",
       "",
       "SELECT j.BOOKNO, f.value FROM JAILBOOK j CROSS APPLY dbo.fnks_TestSeries(2) f "
       "WHERE j.BOOKNO = 'B1' ORDER BY f.value",
       {},
       {{"B1", "1"}, {"B1", "2"}}},
      {"FullOuterJoin",
       "",
       "SELECT j.BOOKNO, c.CASENO FROM JAILBOOK j FULL OUTER JOIN (SELECT * FROM JBCASE WHERE "
       "CASENO <> 'C3' "
       "UNION ALL SELECT 'B7', 'C7', 'X', 0) c ON c.BOOKNO = j.BOOKNO WHERE j.BOOKNO IS NULL OR "
       "j.BOOKNO IN ('B1', 'B2') ORDER BY j.BOOKNO, c.CASENO",
       {},
       {{"NULL", "C7"}, {"B1", "C1"}, {"B1", "C2"}, {"B2", "NULL"}}},
      {"RightOuterJoin",
       "",
       "SELECT c.CASENO, j.LNAME FROM JBCASE c RIGHT OUTER JOIN JAILBOOK j ON j.BOOKNO = c.BOOKNO "
       "WHERE j.FACICODE = '02'",
       {},
       {{"NULL", "Adams"}}},
      {"TempTableWithIdentityNumbersRowsInInsertOrder",
       "",
       "CREATE TABLE #Moves (UniqueKey int IDENTITY, BookNo VARCHAR (15), Name Varchar(50))\n"
       "INSERT INTO #Moves (BookNo, Name) SELECT BOOKNO, LTRIM(RTRIM(LNAME)) + ', ' + FNAME FROM "
       "JAILBOOK ORDER BY LNAME DESC, FNAME DESC\n"
       "SELECT a.UniqueKey, a.Name, b.Name FROM #Moves a LEFT OUTER JOIN #Moves b ON b.UniqueKey = "
       "a.UniqueKey + 1 WHERE a.name = 'SMITH, BOB' OR a.BookNo = 'B3' ORDER BY a.UniqueKey\n"
       "DROP TABLE #Moves",
       {},
       {{"1", "smith, Bob", "Smith, Ann"}, {"4", "Adams, Carl", "NULL"}}},
      {"SlashDateLiteralMeetsStoredDate",
       "",
       "SELECT BOOKNO FROM JAILBOOK WHERE BOOKDATE = '03/05/2015' AND BOOKTIME > '12/30/1899 2:07 "
       "PM' "
       "ORDER BY BOOKNO",
       {},
       {{"B2"}, {"B3"}}},
      {"TextParametersHoldingDatesMeetStoredDates",
       "",
       "SELECT BOOKNO FROM JAILBOOK WHERE BOOKDATE BETWEEN :d1 AND :d2 AND BOOKTIME < = :t "
       "ORDER BY BOOKNO",
       {{"d1", QStringLiteral("3/5/2015")},
        {"d2", QStringLiteral("03-05-2015")},
        {"t", QStringLiteral("12/30/1899 02:07:59 PM")}},
       {{"B1"}, {"B2"}}},
      {"DateTimeParametersCompareAsMoments",
       "",
       "SELECT COUNT(*) FROM JAILBOOK WHERE FACICODE = :FACICODE AND ((BOOKDATE < :BOOKDATE) OR "
       "(BOOKDATE = :BOOKDATE AND BOOKTIME <= :BOOKTIME))",
       {{"FACICODE", QStringLiteral("01")},
        {"BOOKDATE", Moment(2015, 3, 5)},
        {"BOOKTIME", Moment(1899, 12, 30, 14, 7)}},
       {{"2"}}},
      {"UpdateFromJoin",
       "",
       "UPDATE j SET SEX = c.STATUS FROM JAILBOOK j (READUNCOMMITTED) INNER JOIN JBCASE c ON "
       "c.BOOKNO = "
       "j.BOOKNO WHERE c.ACTIVE = 1\n"
       "SELECT BOOKNO, SEX FROM JAILBOOK ORDER BY BOOKNO",
       {},
       {{"B1", "SENT"}, {"B2", "PEND"}, {"B3", "M"}, {"B4", "NULL"}}},
      {"DeleteFromJoin",
       "",
       "DELETE c FROM JBCASE c JOIN JAILBOOK j ON j.BOOKNO = c.BOOKNO WHERE j.LNAME = 'smith'\n"
       "SELECT COUNT(*) FROM JBCASE",
       {},
       {{"0"}}},
      {"TruncateEmptiesTheTable",
       "",
       "TRUNCATE TABLE JBCASE; SELECT COUNT(*) FROM JBCASE",
       {},
       {{"0"}}},
      {"InsertValuesCanonicalisesDateLiterals",
       "",
       "INSERT INTO JBHISTO (BOOKNO, BOOKDATE, BOOKTIME) VALUES ('H2', '03/05/2015', '12/30/1899 "
       "2:07 PM')\n"
       "SELECT BOOKDATE, BOOKTIME FROM JBHISTO WHERE BOOKNO = 'H2'",
       {},
       {{"2015-03-05 00:00:00", "1899-12-30 14:07:00"}}},
      {"DerivedTableGroupByHaving",
       "",
       "SELECT A.FACICODE, Count(distinct c.bookno) AS InmCount FROM JAILBOOK A (READUNCOMMITTED) "
       "inner "
       "JOIN (SELECT BOOKNO, CASENO FROM JBCASE (READUNCOMMITTED) where 1=1 ) C ON A.BOOKNO = "
       "C.BOOKNO "
       "GROUP BY a.FACICODE HAVING COUNT(*) > 1",
       {},
       {{"01", "2"}}},
      {"ExistsAndInSubqueries",
       "",
       "SELECT BOOKNO FROM JAILBOOK j WHERE EXISTS (SELECT 1 FROM JBCASE c WHERE c.BOOKNO = "
       "j.BOOKNO) "
       "AND j.BOOKNO NOT IN (SELECT BOOKNO FROM JBCASE WHERE STATUS = 'pend' AND ACTIVE = 0) "
       "ORDER BY BOOKNO",
       {},
       {{"B2"}}},
      {"CommonTableExpressions",
       "",
       "with cases as (select BOOKNO, count(*) as n from JBCASE group by BOOKNO), "
       "named as (select j.BOOKNO, j.LNAME from JAILBOOK j) "
       "select n.LNAME, c.n from named n left outer join cases c on c.BOOKNO = n.BOOKNO order by "
       "n.BOOKNO",
       {},
       {{"Smith", "2"}, {"smith ", "1"}, {"Adams", "NULL"}, {"brown", "NULL"}}},
      {"CollateClauseComparesWithoutCase",
       "",
       "select distinct LNAME COLLATE sql_latin1_general_cp1_ci_as as N from JAILBOOK where "
       "FACICODE = '01' "
       "order by LNAME COLLATE sql_latin1_general_cp1_ci_as",
       {},
       {{"brown"}, {"Smith"}}},
      {"ConvertedDateConcatenatesAsText",
       "",
       "SELECT CONVERT(varchar(20), BOOKDATE, 120) + ' @ ' + CONVERT(varchar(5), BOOKTIME, 108) "
       "FROM "
       "JAILBOOK WHERE BOOKNO = 'B1'",
       {},
       {{"2015-03-05 00:00:00 @ 14:07"}}},
      {"StatementsWithoutSemicolons",
       "",
       "USE JAIL\nSET NOCOUNT ON\nDECLARE @n int SET @n = 2 SELECT TOP (@n) BOOKNO FROM JAILBOOK "
       "ORDER BY BOOKNO",
       {},
       {{"B1"}, {"B2"}}},
  };
  return cases;
}

// A table-valued function standing in for the suite's routines in APPLY:
// fnks_TestSeries(n) gives the rows 1..n.
struct TSeriesCursor {
  sqlite3_vtab_cursor Base;
  sqlite3_int64 Value = 0, Last = 0;
};

int SeriesConnect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** vtab, char**) {
  const int rc = sqlite3_declare_vtab(db, "CREATE TABLE x(value INTEGER, n HIDDEN)");
  if (rc != SQLITE_OK) return rc;
  *vtab = static_cast<sqlite3_vtab*>(sqlite3_malloc(sizeof(sqlite3_vtab)));
  std::memset(*vtab, 0, sizeof(sqlite3_vtab));
  return SQLITE_OK;
}
int SeriesDisconnect(sqlite3_vtab* vtab) {
  sqlite3_free(vtab);
  return SQLITE_OK;
}
int SeriesBestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
  for (int i = 0; i < info->nConstraint; ++i) {
    if (info->aConstraint[i].iColumn == 1 &&
        info->aConstraint[i].op == SQLITE_INDEX_CONSTRAINT_EQ) {
      if (!info->aConstraint[i].usable) return SQLITE_CONSTRAINT;
      info->aConstraintUsage[i].argvIndex = 1;
      info->aConstraintUsage[i].omit = 1;
      info->idxNum = 1;
    }
  }
  info->estimatedCost = 10;
  return SQLITE_OK;
}
int SeriesOpen(sqlite3_vtab*, sqlite3_vtab_cursor** cursor) {
  *cursor = reinterpret_cast<sqlite3_vtab_cursor*>(new TSeriesCursor());
  return SQLITE_OK;
}
int SeriesClose(sqlite3_vtab_cursor* cursor) {
  delete reinterpret_cast<TSeriesCursor*>(cursor);
  return SQLITE_OK;
}
int SeriesFilter(sqlite3_vtab_cursor* cursor, int idxNum, const char*, int argc,
                 sqlite3_value** argv) {
  auto* c = reinterpret_cast<TSeriesCursor*>(cursor);
  c->Value = 1;
  c->Last = idxNum == 1 && argc > 0 ? sqlite3_value_int64(argv[0]) : 0;
  return SQLITE_OK;
}
int SeriesNext(sqlite3_vtab_cursor* cursor) {
  ++reinterpret_cast<TSeriesCursor*>(cursor)->Value;
  return SQLITE_OK;
}
int SeriesEof(sqlite3_vtab_cursor* cursor) {
  auto* c = reinterpret_cast<TSeriesCursor*>(cursor);
  return c->Value > c->Last;
}
int SeriesColumn(sqlite3_vtab_cursor* cursor, sqlite3_context* ctx, int column) {
  auto* c = reinterpret_cast<TSeriesCursor*>(cursor);
  sqlite3_result_int64(ctx, column == 0 ? c->Value : c->Last);
  return SQLITE_OK;
}
int SeriesRowid(sqlite3_vtab_cursor* cursor, sqlite3_int64* rowid) {
  *rowid = reinterpret_cast<TSeriesCursor*>(cursor)->Value;
  return SQLITE_OK;
}

sqlite3_module SeriesModule() {
  sqlite3_module m{};
  m.xConnect = SeriesConnect;
  m.xBestIndex = SeriesBestIndex;
  m.xDisconnect = SeriesDisconnect;
  m.xOpen = SeriesOpen;
  m.xClose = SeriesClose;
  m.xFilter = SeriesFilter;
  m.xNext = SeriesNext;
  m.xEof = SeriesEof;
  m.xColumn = SeriesColumn;
  m.xRowid = SeriesRowid;
  return m;
}

class TsqlSemanticsTest : public testing::TestWithParam<TCase> {
 protected:
  void SetUp() override {
    static const sqlite3_module module = SeriesModule();
    ASSERT_EQ(sqlite3_create_module(FDb.Handle(), "fnks_TestSeries", &module, nullptr), SQLITE_OK);
    FDb.Exec(QString::fromUtf8(kBaseFixture));
    if (*GetParam().Fixture) FDb.Exec(QString::fromUtf8(GetParam().Fixture));
  }
  TTsqlTestDb FDb;
};

TEST_P(TsqlSemanticsTest, GivesTheRowsOfSqlServer) {
  const TCase& c = GetParam();
  TRows rows;
  try {
    rows = FDb.Run(QString::fromUtf8(c.Tsql), c.Params);
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
  EXPECT_EQ(rows, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Statements, TsqlSemanticsTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<TCase>& info) { return info.param.Name; });

TEST(TsqlSemantics, ParametersDoNotAlterTheDatabase) {
  TTsqlTestDb db;
  db.Exec(QString::fromUtf8(kBaseFixture));
  db.Run("SELECT BOOKNO FROM JAILBOOK WHERE LNAME = :p OR SSN LIKE :p",
         {{"p", QStringLiteral("'; DELETE FROM JAILBOOK; --")}});
  EXPECT_EQ(db.Native("SELECT COUNT(*) FROM JAILBOOK"), TRows({{"4"}}));
}

TEST(TsqlSemantics, AliasNamesTheResultColumn) {
  TTsqlTestDb db;
  db.Exec(QString::fromUtf8(kBaseFixture));
  const auto batch = TTsqlTranslator::Translate(
      "SELECT 'custodylevel' = CASE WHEN SEX = 'M' THEN 'X' END, \"Other\" = 1, DISTINCT_NAME = 2, "
      "(j.BOOKNO), LNAME AS 'Last' FROM JAILBOOK j");
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db.Handle(), batch->Statements[0].Sql.toUtf8().constData(), -1,
                               &stmt, nullptr),
            SQLITE_OK);
  QStringList names;
  for (int c = 0; c < sqlite3_column_count(stmt); ++c)
    names << QString::fromUtf8(sqlite3_column_name(stmt, c));
  sqlite3_finalize(stmt);
  EXPECT_EQ(names, QStringList({"custodylevel", "Other", "DISTINCT_NAME", "BOOKNO", "Last"}));
}

TEST(TsqlSemantics, FailedConversionIsAnError) {
  TTsqlTestDb db;
  db.Exec(QString::fromUtf8(kBaseFixture));
  EXPECT_THROW(db.Run("SELECT CAST(LNAME AS int) FROM JAILBOOK"), EDatabaseError);
  EXPECT_THROW(db.Run("SELECT dbo.JustTheDate(LNAME) FROM JAILBOOK"), EDatabaseError);
}

}  // namespace
