// Translation of report T-SQL for the embedded database: the longest
// statement the reports build, translated cold and from the cache, with the
// cost of SQLite preparing the translated text as the baseline of the same
// run; a date-window query run translated against the same query written
// by hand for SQLite; and representative report statements on the demo jail
// at scale 10, run through the connection as the reports run them, each
// against SQLite SQL written by hand for the same rows.
//
// Targets: cached translation under 5 microseconds, cold translation of the
// longest statement under 1 millisecond, translated statements within 1.1
// times the hand-written ones ("x_handwritten").

#include "cli/DemoDatabase.h"
#include "data/sqlite/EmbeddedDatabaseSupport.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/TsqlFunctions.h"
#include "data/sqlite/TsqlTranslator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

// Every booking column, as the dorm/booking-number jail log entry lists it.
const char* const kBookingColumns =
    "[BOOKNO], [ECSOID], [CELLKEY], [OBTS], [OTHER], [LNAME], [FNAME], [MNAME], [TITLE], "
    "[DOB], [RACE], [SEX], [AGE], [HISPANIC], [HEIGHT], [WEIGHT], [HAIR], [EYES], [SSN], "
    "[LOCATION], [FACICODE], [FACILITY], [PHASE], [TOWER], [FLOOR], [POD], [CELLNO], [BED], "
    "[ESCAPERISK], [HIGHPROF], [SUICIDEW], [ISOLATION], [NAMERELEAS], [ALLOWVISIT], "
    "[ALLOWPHONE], [PHONEDATE], [PHONETIME], [TRUSTY], [BOOKDATE], [BOOKTIME], [CASESPEND], "
    "[TOTALSENTDAYS], [DONOTREL], [HOLDEXT], [RELDATE], [RELTIME], [RELSUPNAME], "
    "[RELOFFNAME], [RELOFFNO], [RELCOMMENT], [RELSTATUS], [RELESCAPE], [RELTXR], [RELTXRTO], "
    "[RELEXT], [RELEXTTO], [RELOTH], [RELOTHCOM], [RELCOURTORDER], [RELROR], [RELRORPER], "
    "[RELFUR], [RELCOURTAUTH], [RELFURPER], [RELFURRETD], [RELFURRETT], [RELTIMESERVED], "
    "[SUICIDESCR], [SUICCLASS], [KPFROMCOMMENTS], [KPFROM], [CELLLOCATION], [PROPITEMNO], "
    "[BONDJUDNAME], [BONDLEONAME], [BOOKBY], [RELIGION], [INMPICTURE], [OCCUPATION], "
    "[EMPLOYER], [EMPLOYERPHONE], [MAILINGADDRESS], [PHYSICALADDRESS], [PLACEOFBIRTH], "
    "[DRIVERLICENSENO], [PHONENO], [JUVENILE], [ADULT], [CITIZENSHIP], [SEXOFFENDER], "
    "[VIOLENT], [GENERALPOPULATION], [SPECIALSEGREGATION], [CLOSEOBSERVATION], "
    "[HIGHOBSERVATION], [LOWOBSERVATION], [FEDERAL], [HOLD], [HOUSENO], [CITY], [STATE], "
    "[ZIP], [PHONE], [PHOTOBY], [SEARCHBY], [PRINTBY], [STREET], [OTHERCOUNTY], "
    "[COUNTYNAME], [BONDOUT], [BONDOUTAMOUNT], [POWERNO], [DAYSSERVED], [IMAGE_TYPE], "
    "[CLASSCODE], [CLASSCODEDESC], [LASTUPDDATE], [LASTUPDUSERNAME], [LASTUPDFULLNAME], "
    "[ACCOUNT], [RELCARECENTER], [RELCARECENTERDESC], [INMATESTATUS], [INMATESTATUSDESC], "
    "[TRUSTYSTATUS], [RELDEMANDAGENCY], [RELDEMANDAGNCYDESC], [LASTRECLASSDATE], "
    "[LASTRECLASSTIME], [SID], [FBI_ID], [OCA_ID], [STATE_ID], [WEEKENER], [PRINTS], "
    "[HENRY], [GLBBONDAMOUNT], [GLBBONDJDGAMOUNT], [GLBBONDLEOAMOUNT], [WORKRELEASE], "
    "[WORKRELTYPE], [BOOKEDBYNO], [SEARCHEDBYNO], [PRINTSBYNO], [PHOTOBYNO], [RELSUPNO], "
    "[JURISDICTION], [JURISDICTIONCODE], [WARRANT], [SIGNATURE], [SIGNATURE2], [SIGNATURE3], "
    "[INS], [INSNUMBER], [INSCOUNTRYCODE], [VIC_UPDATE], [DOC], [SexualOffense], "
    "[SexualPredator], [BOOKTIMESTAMP], [CHECKEDIN], [InmateTimeServed], [InmateTimeWorked], "
    "[InmateReleaseTime], [FingerPrintStatus], [GLOBALSENTENCECOMMENTS], [MARITALSTATUS], "
    "[UNIQUEKEY]";

// The jail log by booking number with a dorm range: a derived table over
// both booking tables with all their columns, hints, two-connector window.
QString LongestStatement() {
  const QString columns = QString::fromLatin1(kBookingColumns);
  return QStringLiteral(
             "SELECT A.LNAME, A.MNAME, A.FNAME, A.TITLE, A.ECSOID, A.BOOKNO,  A.FACILITY, "
             "A.NAMERELEAS,  "
             "B.DOORMSCODE, B.DOORMSDESC, B.USERNAME, B.PERNO, B.LOGCODE,  B.CODEDESC, B.TIME, "
             "B.DATE, "
             "B.OFFICER, B.PRIORITY, B.JAILLOGNO,  B.LOGENTRY,  C.MNINO  FROM  (SELECT ") +
         columns + QStringLiteral(" FROM JAILBOOK UNION ALL SELECT ") + columns +
         QStringLiteral(
             " FROM JBHISTO (READUNCOMMITTED)) A,  JBLOG B(READUNCOMMITTED), JL_JB_XREF C "
             "(READUNCOMMITTED) "
             "WHERE A.BOOKNO = C.BOOKNO AND B.JAILLOGNO = C.JAILOGNO  AND B.FACICODE = '01' AND "
             "B.DOORMSCODE >= 'A' AND B.DOORMSCODE <= 'D' AND ((B.DATE > '03/05/2015' AND B.DATE < "
             "'03/09/2015') OR (B.DATE = '03/05/2015' AND B.TIME > '12/30/1899 2:07 PM') OR "
             "(B.DATE = "
             "'03/09/2015' AND B.TIME < '12/30/1899 11:15 AM')) ORDER BY B.JAILLOGNO, B.DATE, "
             "B.TIME");
}

void TranslateCold(benchmark::State& state) {
  const QString text = LongestStatement();
  for (auto _ : state) benchmark::DoNotOptimize(TTsqlTranslator::TranslateUncached(text));
  state.counters["chars"] = double(text.size());
}
BENCHMARK(TranslateCold)->Unit(benchmark::kMicrosecond);

void TranslateCached(benchmark::State& state) {
  const QString text = LongestStatement();
  TTsqlTranslator::Translate(text);
  for (auto _ : state) benchmark::DoNotOptimize(TTsqlTranslator::Translate(text));
}
BENCHMARK(TranslateCached)->Unit(benchmark::kMicrosecond);

// Baseline: what SQLite spends preparing the translated text of the same statement.
void PrepareTranslated(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  RegisterTsqlLibrary(db);
  const QString columns = QString::fromLatin1(kBookingColumns).remove(u'[').remove(u']');
  const QString table = QStringLiteral(" (") +
                        QString(columns).replace(QLatin1String(","), QLatin1String(" TEXT,")) +
                        QStringLiteral(" TEXT)");
  sqlite3_exec(
      db,
      ("CREATE TABLE JAILBOOK" + table + "; CREATE TABLE JBHISTO" + table +
       "; CREATE TABLE JBLOG (DOORMSCODE, DOORMSDESC, USERNAME, PERNO, LOGCODE, CODEDESC, TIME, "
       "DATE, OFFICER, PRIORITY, JAILLOGNO, LOGENTRY, FACICODE);"
       "CREATE TABLE JL_JB_XREF (JAILOGNO, BOOKNO, MNINO);")
          .toUtf8()
          .constData(),
      nullptr, nullptr, nullptr);
  const QByteArray sql =
      TTsqlTranslator::TranslateUncached(LongestStatement()).Statements[0].Sql.toUtf8();
  for (auto _ : state) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
      state.SkipWithError(sqlite3_errmsg(db));
      break;
    }
    sqlite3_finalize(stmt);
  }
  sqlite3_close(db);
}
BENCHMARK(PrepareTranslated)->Unit(benchmark::kMicrosecond);

// A booking-window count over N bookings: the report's T-SQL, translated,
// against SQLite SQL written by hand for the same rows. The counter
// "x_handwritten" is the ratio of the two, measured in the same run.
sqlite3* BookingsDatabase(int rows) {
  sqlite3* db = nullptr;
  sqlite3_open(":memory:", &db);
  RegisterTsqlLibrary(db);
  sqlite3_exec(db,
               "CREATE TABLE JAILBOOK (BOOKNO TEXT COLLATE TSQL, FACICODE TEXT COLLATE TSQL, "
               "BOOKDATE DATETIME, BOOKTIME DATETIME);",
               nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO JAILBOOK VALUES (?1, '01', ?2, ?3)", -1, &insert, nullptr);
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  for (int i = 0; i < rows; ++i) {
    const QByteArray book = QByteArray::number(i);
    const QByteArray date = QStringLiteral("2015-%1-%2 00:00:00")
                                .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                .toLatin1();
    const QByteArray time = QStringLiteral("1899-12-30 %1:%2:00")
                                .arg(i % 24, 2, 10, QLatin1Char('0'))
                                .arg(i % 60, 2, 10, QLatin1Char('0'))
                                .toLatin1();
    sqlite3_bind_text(insert, 1, book.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, date.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 3, time.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_finalize(insert);
  return db;
}

double RunCount(sqlite3* db, const QByteArray& sql) {
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
  double count = 0;
  if (sqlite3_step(stmt) == SQLITE_ROW) count = sqlite3_column_double(stmt, 0);
  sqlite3_finalize(stmt);
  return count;
}

void QueryTranslated(benchmark::State& state) {
  sqlite3* db = BookingsDatabase(int(state.range(0)));
  const QByteArray translated =
      TTsqlTranslator::TranslateUncached(
          "SELECT COUNT(*) FROM jailbook (READUNCOMMITTED) WHERE FACICODE = '01' AND "
          "(dbo.JustTheDate(BOOKDATE) + dbo.JustTheTime(BOOKTIME) BETWEEN  '2015-03-05 14:07:00'  "
          "AND  "
          "'2015-09-05 14:07:59' )")
          .Statements[0]
          .Sql.toUtf8();
  const QByteArray handwritten =
      "SELECT COUNT(*) FROM jailbook WHERE FACICODE = '01' AND "
      "substr(BOOKDATE, 1, 10) || substr(BOOKTIME, 11) BETWEEN '2015-03-05 14:07:00' AND "
      "'2015-09-05 14:07:59'";
  if (RunCount(db, translated) != RunCount(db, handwritten))
    state.SkipWithError("the two queries disagree");

  using Clock = std::chrono::steady_clock;
  const auto baselineStart = Clock::now();
  constexpr int kBaselineRuns = 5;
  for (int i = 0; i < kBaselineRuns; ++i) benchmark::DoNotOptimize(RunCount(db, handwritten));
  const double baseline =
      std::chrono::duration<double>(Clock::now() - baselineStart).count() / kBaselineRuns;

  const auto start = Clock::now();
  for (auto _ : state) benchmark::DoNotOptimize(RunCount(db, translated));
  const double perRun =
      std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
  state.counters["x_handwritten"] = perRun / baseline;
  sqlite3_close(db);
}
BENCHMARK(QueryTranslated)->Arg(5000)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- demo jail

// The demo jail at scale 10, built once per run for a fixed day.
TSqliteConnection& DemoJail() {
  static QTemporaryDir dir;
  static std::unique_ptr<TSqliteConnection> db = [] {
    const QString file = dir.filePath(QStringLiteral("demo.db"));
    TDemoDatabaseOptions options;
    options.Scale = 10;
    options.Today = QDate(2024, 3, 13);
    CreateDemoDatabase(file, options);
    return TSqliteConnection::Open(file);
  }();
  return *db;
}

QString CellText(const QVariant& v) {
  if (v.isNull()) return QStringLiteral("NULL");
  if (v.typeId() == QMetaType::QDateTime) return DbValue::DateTimeToCanonical(v.toDateTime());
  if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 12);
  return v.toString();
}

bool SameRows(const TDbResult& a, const TDbResult& b) {
  if (a.Rows.size() != b.Rows.size()) return false;
  for (size_t r = 0; r < a.Rows.size(); ++r) {
    if (a.Rows[r].size() != b.Rows[r].size()) return false;
    for (size_t c = 0; c < a.Rows[r].size(); ++c)
      if (CellText(a.Rows[r][c]) != CellText(b.Rows[r][c])) return false;
  }
  return true;
}

// A report's statement as the report sends it, and the same rows asked for
// in SQLite's own SQL.
struct TReportStatement {
  QString Tsql;
  std::vector<TDbParam> Params;
  QString Sqlite;
  std::vector<QVariant> Values;
};

TDbParam Param(const char* name, const QVariant& value, TFieldType type) {
  return TDbParam{QString::fromLatin1(name), type, ptInput, value};
}

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return DbValue::MakeDateTime(y, mo, d, h, mi, s, ms);
}

// Jail log by date/time range (a week of one facility's log).
TReportStatement JailLogWeek() {
  return {
      QStringLiteral("SELECT jl.DOORMSCODE,jl.DOORMSDESC,jl.USERNAME,jl.PERNO,jl.FACILITY, "
                     "jl.LOGCODE,jl.CODEDESC,jl.TIME,jl.DATE,jl.PRIORITY,jl.JAILLOGNO, "
                     "jl.LOGENTRY,jl.OFFICER FROM JBLOG JL (READUNCOMMITTED) WHERE jl.FACICODE = "
                     ":FACICODE AND (SupervisorLog = 0)  AND (dbo.JustTheDate(jl.DATE) + "
                     "dbo.JustTheTime(jl.TIME) BETWEEN  '2024-03-01 00:00:00'  AND  '2024-03-07 "
                     "23:59:59' ) ORDER BY jl.DOORMSCODE,jl.DATE,jl.TIME"),
      {Param("FACICODE", QStringLiteral("MAIN"), ftString)},
      QStringLiteral(
          "SELECT DOORMSCODE, DOORMSDESC, USERNAME, PERNO, FACILITY, LOGCODE, CODEDESC, "
          "TIME, DATE, PRIORITY, JAILLOGNO, LOGENTRY, OFFICER FROM JBLOG WHERE FACICODE = "
          "?1 AND SupervisorLog = 0 AND substr(DATE, 1, 11) || substr(TIME, 12) BETWEEN "
          "'2024-03-01 00:00:00' AND '2024-03-07 23:59:59' ORDER BY DOORMSCODE, DATE, TIME"),
      {QStringLiteral("MAIN")}};
}

// Active short roster by name, with the facility's count per row.
TReportStatement ActiveRosterShort() {
  return {QStringLiteral(
              "SELECT j.BOOKNO, j.ECSOID, j.LNAME, FACICODE,  j.FNAME, j.MNAME, j.TITLE, "
              "j.CELLNO, j.CLASSCODEDESC, j.SEX, j.CLASSCODE, j.RACE, j.DOB, J.TRUSTYSTATUS, "
              "J.TRUSTY, j.WORKRELTYPE, dbo.JustTheDate(j.BOOKDATE) as BOOKDATE, j.FACILITY,  "
              "J.RELDEMANDAGNCYDESC, J.HOLD, J.WORKRELEASE, (SELECT COUNT(BOOKNO)  FROM "
              "JAILBOOK (READUNCOMMITTED) WHERE  (NAMERELEAS = 0 or NAMERELEAS IS NULL) AND  "
              "FACICODE = J.FACICODE ) As InmCount  FROM JAILBOOK j (READUNCOMMITTED) WHERE 1 = "
              "1  AND (j.NAMERELEAS = 0 or j.NAMERELEAS IS NULL)  AND (FACICODE = 'MAIN') "
              " ORDER BY FACICODE, LNAME, FNAME, MNAME, TITLE"),
          {},
          QStringLiteral(
              "SELECT j.BOOKNO, j.ECSOID, j.LNAME, FACICODE, j.FNAME, j.MNAME, j.TITLE, j.CELLNO, "
              "j.CLASSCODEDESC, j.SEX, j.CLASSCODE, j.RACE, j.DOB, j.TRUSTYSTATUS, j.TRUSTY, "
              "j.WORKRELTYPE, substr(j.BOOKDATE, 1, 10) || ' 00:00:00' AS BOOKDATE, j.FACILITY, "
              "j.RELDEMANDAGNCYDESC, j.HOLD, j.WORKRELEASE, (SELECT COUNT(BOOKNO) FROM JAILBOOK "
              "WHERE (NAMERELEAS = 0 OR NAMERELEAS IS NULL) AND FACICODE = j.FACICODE) AS "
              "InmCount FROM JAILBOOK j WHERE (j.NAMERELEAS = 0 OR j.NAMERELEAS IS NULL) AND "
              "FACICODE = 'MAIN' ORDER BY FACICODE, LNAME, FNAME, MNAME, TITLE"),
          {}};
}

// Roster for a specific date: every booking held that day with its minutes
// checked out, through the absences table function.
TReportStatement RosterForDate() {
  return {QStringLiteral(
              "DECLARE @endTmpDate as DateTime = DateAdd(second, -1, DateAdd(day, 1, "
              ":reportDate));\n"
              "DECLARE @startTmpDate as DateTime = DateAdd(second, 1, DateAdd(second, -1, "
              ":reportDate));\n"
              "with all_inmates as\n(\nselect \n"
              "jb.BOOKNO, jb.LNAME, jb.FNAME, jb.MNAME, jb.BOOKDATE, jb.RELDATE, jb.EcsoId, \n"
              "jb.CellNo, jb.DOB, jb.Race, jb.Sex \nfrom JailBook_JBHisto_View jb\nwhere \n(\n"
              "(:reportDate between jb.BOOKDATE and jb.RELDATE) OR \n"
              "(jb.RelDate is null and jb.BOOKDATE < :reportDate)\n) AND\n"
              "jb.FaciCode = :facility\n),\nall_inmates_all_checkins as\n(\n"
              "select ai.* , f.CheckInReasonCode, f.CheckOutReasonCode, f.CheckInTime, "
              "f.CheckOutTime\nfrom all_inmates ai\n"
              "outer apply fnks_CheckInOutOnSameRow(ai.bookno) f\n"
              "where :reportDate between dbo.JustTheDate(f.CheckOutTime) and "
              "dbo.JustTheDate(f.CheckInTime)\n"
              "and f.CheckInReasonCode > 0 and f.CheckOutReasonCode > 0\n)\n"
              "select ai.BOOKNO, ai.LNAME, ai.FNAME, ai.MNAME, ai.BOOKDATE, ai.RELDATE, ai.EcsoId, "
              "\nai.CellNo, ai.DOB, ai.Race, ai.Sex,\n"
              "Sum(case when aiac.CheckInTime IS null then 0 else\nDATEDIFF(mi, \n"
              "(Case when CheckOutTime > @startTmpDate then CheckOutTime else @startTmpDate "
              "end),\n"
              "Case when CheckInTime < @endTmpDate then CheckInTime else @endTmpDate end) end) as "
              "outTotal\n"
              "from all_inmates ai left outer join all_inmates_all_checkins aiac on ai.BookNo = "
              "aiac.BookNo\ngroup by\n"
              "ai.BOOKNO, ai.LNAME, ai.FNAME, ai.MNAME, ai.BOOKDATE, ai.RELDATE, ai.EcsoId, \n"
              "ai.CellNo, ai.DOB, ai.Race, ai.Sex \n"
              "order by ai.LName, ai.FName, ai.MName, ai.BookNo"),
          {Param("reportDate", At(2024, 3, 5), ftDateTime),
           Param("facility", QStringLiteral("MAIN"), ftString)},
          QStringLiteral(
              "WITH all_inmates AS (SELECT BOOKNO, LNAME, FNAME, MNAME, BOOKDATE, RELDATE, ECSOID, "
              "CELLNO, DOB, RACE, SEX FROM JailBook_JBHisto_View WHERE (?1 BETWEEN BOOKDATE AND "
              "RELDATE OR (RELDATE IS NULL AND BOOKDATE < ?1)) AND FACICODE = ?2), "
              "checkins AS (SELECT ai.BOOKNO, f.CheckOutTime, f.CheckInTime FROM all_inmates ai "
              "JOIN CheckOutIn f ON f.BookNo = ai.BOOKNO WHERE ?1 BETWEEN "
              "substr(f.CheckOutTime, 1, 10) || ' 00:00:00' AND substr(f.CheckInTime, 1, 10) || "
              "' 00:00:00' AND f.CheckInReasonCode > 0 AND f.CheckOutReasonCode > 0) "
              "SELECT ai.BOOKNO, ai.LNAME, ai.FNAME, ai.MNAME, ai.BOOKDATE, ai.RELDATE, "
              "ai.ECSOID, ai.CELLNO, ai.DOB, ai.RACE, ai.SEX, "
              "SUM(CASE WHEN c.CheckInTime IS NULL THEN 0 ELSE "
              "CAST(strftime('%s', min(c.CheckInTime, ?3)) AS INTEGER) / 60 - "
              "CAST(strftime('%s', max(c.CheckOutTime, ?1)) AS INTEGER) / 60 END) AS outTotal "
              "FROM all_inmates ai LEFT JOIN checkins c ON c.BOOKNO = ai.BOOKNO "
              "GROUP BY ai.BOOKNO, ai.LNAME, ai.FNAME, ai.MNAME, ai.BOOKDATE, ai.RELDATE, "
              "ai.ECSOID, ai.CELLNO, ai.DOB, ai.RACE, ai.SEX "
              "ORDER BY ai.LNAME, ai.FNAME, ai.MNAME, ai.BOOKNO"),
          {QStringLiteral("2024-03-05 00:00:00"), QStringLiteral("MAIN"),
           QStringLiteral("2024-03-05 23:59:59")}};
}

// Check-in/out log of a month by check-out time, with both reason texts.
TReportStatement CheckOutsOfAMonth() {
  return {
      QStringLiteral("SELECT J.BookNo, J.LName, J.FName, J.MName, J.Facility, C.CheckInOutId, "
                     "C.CheckInTime, C.CheckInReasonCode, C.CheckInOfficerName, "
                     "C.CheckInOfficerNumber, C.CheckOutTime, C.CheckOutReasonCode, "
                     "C.CheckOutOfficerName, C.CheckOutOfficerNumber, RI.CheckInOutReasonString AS "
                     "CheckInReason, RO.CheckInOutReasonString AS CheckOutReason FROM VedaVavi J "
                     "(READUNCOMMITTED) JOIN CheckInOut C (READUNCOMMITTED) ON J.BookNo = C.BookNo "
                     "LEFT OUTER JOIN CfgCheckInOutReasons RI (READUNCOMMITTED) ON "
                     "RI.CheckInOutReasonCode = C.CheckInReasonCode LEFT OUTER JOIN "
                     "CfgCheckInOutReasons RO (READUNCOMMITTED) ON RO.CheckInOutReasonCode = "
                     "C.CheckOutReasonCode WHERE J.Facicode = :Facicode AND "
                     "dbo.justTheDate(C.CheckOutTime) + dbo.justTheTime(C.CheckOutTime) BETWEEN "
                     ":RangeStart AND :RangeEnd ORDER BY J.LName, J.FName, J.MName, J.BookNo, "
                     "C.CheckInTime"),
      {Param("Facicode", QStringLiteral("MAIN"), ftString),
       Param("RangeStart", At(2024, 2, 1), ftDateTime),
       Param("RangeEnd", At(2024, 2, 29, 23, 59, 59, 999), ftDateTime)},
      QStringLiteral(
          "SELECT J.BookNo, J.LName, J.FName, J.MName, J.Facility, C.CheckInOutId, "
          "C.CheckInTime, C.CheckInReasonCode, C.CheckInOfficerName, "
          "C.CheckInOfficerNumber, C.CheckOutTime, C.CheckOutReasonCode, "
          "C.CheckOutOfficerName, C.CheckOutOfficerNumber, RI.CheckInOutReasonString AS "
          "CheckInReason, RO.CheckInOutReasonString AS CheckOutReason FROM JAILBOOK J JOIN "
          "CheckInOut C ON J.BookNo = C.BookNo LEFT JOIN CfgCheckInOutReasons RI ON "
          "RI.CheckInOutReasonCode = C.CheckInReasonCode LEFT JOIN CfgCheckInOutReasons RO "
          "ON RO.CheckInOutReasonCode = C.CheckOutReasonCode WHERE J.FACICODE = ?1 AND "
          "C.CheckOutTime BETWEEN ?2 AND ?3 ORDER BY J.LName, J.FName, J.MName, J.BookNo, "
          "C.CheckInTime"),
      {QStringLiteral("MAIN"), QStringLiteral("2024-02-01 00:00:00"),
       QStringLiteral("2024-02-29 23:59:59.999")}};
}

// Released bookings of a year by race: the statistics' two-connector window
// on the separate date and time columns.
TReportStatement ReleasesByRace() {
  return {QStringLiteral(
              "SELECT RACE, COUNT(*) AS Total FROM JBHISTO (READUNCOMMITTED) WHERE FACICODE = "
              "'MAIN' AND ((RELDATE > '01/01/2023' AND RELDATE < '12/31/2023') OR (RELDATE = "
              "'01/01/2023' AND RELTIME >= '12/30/1899 12:00 AM') OR (RELDATE = '12/31/2023' AND "
              "RELTIME <= '12/30/1899 11:59 PM')) GROUP BY RACE ORDER BY RACE"),
          {},
          QStringLiteral(
              "SELECT RACE, COUNT(*) AS Total FROM JBHISTO WHERE FACICODE = 'MAIN' AND ((RELDATE "
              "> '2023-01-01 00:00:00' AND RELDATE < '2023-12-31 00:00:00') OR (RELDATE = "
              "'2023-01-01 00:00:00' AND RELTIME >= '1899-12-30 00:00:00') OR (RELDATE = "
              "'2023-12-31 00:00:00' AND RELTIME <= '1899-12-30 23:59:00')) GROUP BY RACE ORDER "
              "BY RACE"),
          {}};
}

void ReportStatement(benchmark::State& state, const std::function<TReportStatement()>& make) {
  TSqliteConnection& db = DemoJail();
  const TReportStatement s = make();
  auto translated = [&] {
    std::vector<TDbParam> params = s.Params;
    return db.Execute(s.Tsql, params);
  };
  auto handwritten = [&] { return db.ExecuteNative(s.Sqlite, s.Values); };
  TDbResult a, b;
  try {
    a = translated();
    b = handwritten();
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return;
  }
  if (!SameRows(a, b)) {
    state.SkipWithError("the two statements disagree");
    return;
  }

  // The two run in turn, so that whatever else the machine does weighs on
  // both alike; the benchmark's time is the translated statement's.
  using Clock = std::chrono::steady_clock;
  double translatedSeconds = 0, handwrittenSeconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(translated());
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(handwritten());
    const auto t2 = Clock::now();
    const double seconds = std::chrono::duration<double>(t1 - t0).count();
    translatedSeconds += seconds;
    handwrittenSeconds += std::chrono::duration<double>(t2 - t1).count();
    state.SetIterationTime(seconds);
  }
  state.counters["rows"] = double(a.Rows.size());
  state.counters["x_handwritten"] = translatedSeconds / handwrittenSeconds;
}
BENCHMARK_CAPTURE(ReportStatement, JailLogWeek, JailLogWeek)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportStatement, ActiveRosterShort, ActiveRosterShort)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportStatement, RosterForDate, RosterForDate)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportStatement, CheckOutsOfAMonth, CheckOutsOfAMonth)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportStatement, ReleasesByRace, ReleasesByRace)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  InstallEmbeddedDatabaseSupport();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
