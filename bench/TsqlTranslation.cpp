// Translation of report T-SQL for the embedded database: the longest
// statement the reports build, translated cold and from the cache, with the
// cost of SQLite preparing the translated text as the baseline of the same
// run; and a date-window query run translated against the same query written
// by hand for SQLite.
//
// Targets: cached translation under 5 microseconds, cold translation of the
// longest statement under 1 millisecond.

#include "data/sqlite/TsqlFunctions.h"
#include "data/sqlite/TsqlTranslator.h"

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <chrono>

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

}  // namespace

BENCHMARK_MAIN();
