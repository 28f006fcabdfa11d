// The monthly state DOC return built by spks_jbDocSummary.

#include "ServerRoutinesTestDb.h"

#include "core/Exception.h"

#include <QHash>

namespace {

const char* const kCall =
    "{:RETURN_VALUE = CALL JAIL.dbo.spks_jbDocSummary;1(:RptBeginingDate, :RptEndingDate, "
    ":Agency, :FacilityIds)}";

const char* const kSummary =
    "SELECT [PrtLineNo],[Agency],[Case_Level_Type],[Status], [StatusDesc],[Adult],[Juvenile],"
    "[Sex],[ScanDate],[UniqueKey], "
    "[Day1],[Day2],[Day3],[Day4],[Day5],[Day6],[Day7],[Day8],[Day9],[Day10],[Day11],[Day12],"
    "[Day13],[Day14],[Day15], "
    "[Day16],[Day17],[Day18],[Day19],[Day20],[Day21],[Day22],[Day23],[Day24],[Day25],[Day26],"
    "[Day27],[Day28],[Day29] ,[Day30], [Day31],[StatusTotal],[StatusAvg] FROM [JBDOCSUMMARY] "
    "ORDER BY Adult desc, juvenile,sex DESC ,case_level_type,prtlineno";

constexpr int kFirstDay = 10;  // column of Day1

class ServerDocSummaryTest : public ServerRoutinesTestDb {
 protected:
  void SetUp() override {
    ServerRoutinesTestDb::SetUp();
    Exec(
        "INSERT INTO CFGCASST (CASE_STATUS_CODE, CASE_STATUS_DESC, [LEVEL], CASE_LEVEL_TYPE) "
        "VALUES ('SFYR', 'SENTENCED FELONY OVER 1 YEAR', 1, 1), ('SF', 'SENTENCED FELONY', 2, "
        "1), ('FVOP', 'FELONY VIOLATION OF PROBATION', 3, 1), ('PSIF', 'PRE-SENTENCE FELONY', "
        "4, 1), ('FA', 'FELONY AWAITING TRIAL', 5, 1), ('SM', 'SENTENCED MISDEMEANOR', 6, 2), "
        "('HOLD', 'HOLD FOR OTHER AGENCY', 11, 3)");
    const char* const columns =
        "(BOOKNO, FACICODE, SEX, JUVENILE, ADULT, BOOKDATE, BOOKTIME, RELDATE, RELTIME) ";
    Exec(QStringLiteral("INSERT INTO JAILBOOK ") + columns +
         "VALUES ('A', 'MAIN', 'M', 0, 1, '2015-02-01 00:00:00', NULL, NULL, NULL), "
         // booked during the 10th: counted from the 11th
         "('B', 'MAIN', 'F', 0, 1, '2015-03-10 00:00:00', '1899-12-30 08:00:00', NULL, NULL), "
         "('D', 'MAIN', 'U', 0, 1, '2015-02-01 00:00:00', NULL, NULL, NULL), "
         "('E', 'MAIN', 'F', 1, 0, '2015-02-01 00:00:00', NULL, NULL, NULL), "
         "('F', 'WEST', 'M', 0, 1, '2015-02-01 00:00:00', NULL, NULL, NULL)");
    // released during the 5th
    Exec(QStringLiteral("INSERT INTO JBHISTO ") + columns +
         "VALUES ('C', 'MAIN', 'M', 1, 0, '2015-02-01 00:00:00', NULL, '2015-03-05 00:00:00', "
         "'1899-12-30 10:00:00')");
    Exec(
        "INSERT INTO JBCASE (BOOKNO, CASENO, STATUS) VALUES ('A', '1', 'FA'), ('A', '2', 'SF'), "
        "('B', '1', 'FA'), ('C', '1', 'PSIF'), ('D', '1', 'TRAF'), ('E', '1', 'HOLD'), "
        "('F', '1', 'SF')");
  }

  void Summarise(const QVariant& first, const QVariant& last, const QString& facilities) {
    QVariant returnValue;
    Call(kCall,
         {Param("RptBeginingDate", first, ftDate), Param("RptEndingDate", last, ftDate),
          Param("Agency", QStringLiteral("MAIN "), ftString),
          Param("FacilityIds", facilities, ftString)},
         &returnValue);
    EXPECT_EQ(returnValue.toInt(), 0);
  }

  void SummariseMarch(const QString& facilities) {
    Summarise(At(2015, 3, 1), DbValue::MakeDateTime(2015, 3, 31, 23, 59, 59, 999), facilities);
  }

  // Rows of the summary by line number.
  QHash<int, std::vector<QVariant>> Lines() {
    QHash<int, std::vector<QVariant>> lines;
    for (auto& row : Run(kSummary).Rows) lines.insert(row[0].toInt(), row);
    return lines;
  }

  // The days of a line with a count, as "day=count".
  static QStringList Days(const std::vector<QVariant>& row) {
    QStringList days;
    for (int d = 1; d <= 31; ++d)
      if (const int n = row[size_t(kFirstDay + d - 1)].toInt())
        days << QStringLiteral("%1=%2").arg(d).arg(n);
    return days;
  }

  static QStringList Range(int from, int to, int count = 1) {
    QStringList days;
    for (int d = from; d <= to; ++d) days << QStringLiteral("%1=%2").arg(d).arg(count);
    return days;
  }
};

const QString kMain =
    QStringLiteral("<?xml version=\"1.0\"?><Facilities><FaciCode>MAIN</FaciCode></Facilities>");

TEST_F(ServerDocSummaryTest, EveryFormLineInTheReportsOrder) {
  SummariseMarch(kMain);
  const TDbResult rows = Run(kSummary);
  ASSERT_EQ(rows.Rows.size(), 50u);
  QStringList lines;
  for (size_t i = 0; i < rows.Rows.size(); ++i) {
    const auto& r = rows.Rows[i];
    EXPECT_EQ(r[0].toInt(), int(i + 1));
    EXPECT_EQ(r[1].toString(), "MAIN");
    EXPECT_EQ(r[8].toDateTime(), At(2015, 3, 1));
    EXPECT_EQ(r[9].toString().size(), 22);
    lines << QStringLiteral("%1 %2%3%4 %5 %6")
                 .arg(r[0].toInt())
                 .arg(r[5].toBool() ? "A" : "-", r[6].toBool() ? "J" : "-", r[7].toString())
                 .arg(r[2].toInt())
                 .arg(r[4].toString());
  }
  // Each block takes its level's statuses in order of seriousness.
  EXPECT_EQ(
      lines.mid(0, 16),
      QStringList({"1 A-M 1 SENTENCED FELONY OVER 1 YEAR", "2 A-M 1 SENTENCED FELONY",
                   "3 A-M 1 FELONY VIOLATION OF PROBATION", "4 A-M 1 PRE-SENTENCE FELONY",
                   "5 A-M 1 FELONY AWAITING TRIAL", "6 A-M 2 SENTENCED MISDEMEANOR", "7 A-M 2 ",
                   "8 A-M 2 ", "9 A-M 2 ", "10 A-M 2 ", "11 A-M 3 HOLD FOR OTHER AGENCY",
                   "12 A-M 3 ", "13 A-M 3 ", "14 A-M 3 ", "15 A-M 3 ", "16 A-M 3 ALL OTHER"}));
  EXPECT_EQ(lines[16], "17 A-F 1 SENTENCED FELONY OVER 1 YEAR");
  EXPECT_EQ(lines[31], "32 A-F 3 ALL OTHER");
  // Four juvenile felony lines for five statuses: the last counts the rest.
  EXPECT_EQ(lines.mid(32, 5),
            QStringList({"33 -JM 1 SENTENCED FELONY OVER 1 YEAR", "34 -JM 1 SENTENCED FELONY",
                         "35 -JM 1 FELONY VIOLATION OF PROBATION", "36 -JM 1 ALL OTHER FELONY",
                         "37 -JM 2 SENTENCED MISDEMEANOR"}));
  EXPECT_EQ(lines[41], "42 -JF 1 SENTENCED FELONY OVER 1 YEAR");
  EXPECT_EQ(lines[49], "50 -JF 2 ");
}

TEST_F(ServerDocSummaryTest, DaysCountTheInmatesHeldAtTheStartOfTheDay) {
  SummariseMarch(kMain);
  const auto lines = Lines();
  // The most serious of A's two cases.
  EXPECT_EQ(Days(lines[2]), Range(1, 31));
  EXPECT_EQ(lines[2][41].toInt(), 31);
  EXPECT_DOUBLE_EQ(lines[2][42].toDouble(), 1.0);
  EXPECT_EQ(Days(lines[21]), Range(11, 31));
  EXPECT_EQ(Days(lines[36]), Range(1, 5));
  // An unconfigured status, and sex "U" under male.
  EXPECT_EQ(Days(lines[16]), Range(1, 31));
  int others = 0;
  for (auto it = lines.constBegin(); it != lines.constEnd(); ++it)
    if (it.key() != 2 && it.key() != 21 && it.key() != 36 && it.key() != 16)
      others += it.value()[41].toInt();
  // Juveniles held on "other" statuses are not on the form, nor WEST's inmates.
  EXPECT_EQ(others, 0);
}

TEST_F(ServerDocSummaryTest, ASnapshotDayIsCountedFromTheSnapshots) {
  Exec(
      "INSERT INTO JBDOCTOTALS (STATUS, STATUSDESC, JUVENILE, ADULT, SEX, SCANDATE, BOOKNO, "
      "CASE_LEVEL_TYPE) VALUES ('SFYR', 'SENTENCED FELONY OVER 1 YEAR', 0, 1, 'M', "
      "'2015-03-20 00:00:00', 'A', 1), ('SF', 'SENTENCED FELONY', 0, 1, 'M', "
      "'2015-03-20 00:00:00', 'F', 1)");
  SummariseMarch(kMain);
  auto lines = Lines();
  EXPECT_EQ(Days(lines[1]), QStringList({"20=1"}));
  QStringList withoutThe20th = Range(1, 19) + Range(21, 31);
  EXPECT_EQ(Days(lines[2]), withoutThe20th);
  EXPECT_EQ(Days(lines[16]), withoutThe20th);

  SummariseMarch(
      QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<Facilities>\r\n  "
                     "<FaciCode>MAIN</FaciCode>\r\n  <FaciCode>WEST</FaciCode>\r\n</Facilities>"));
  lines = Lines();
  EXPECT_EQ(Days(lines[2]), Range(1, 19, 2) + QStringList({"20=1"}) + Range(21, 31, 2));
}

TEST_F(ServerDocSummaryTest, AMonthWithoutInmatesLeavesTheTableEmpty) {
  SummariseMarch(kMain);
  Summarise(At(2010, 1, 1), At(2010, 1, 31), kMain);
  EXPECT_TRUE(Run(kSummary).Rows.empty());
}

TEST_F(ServerDocSummaryTest, BadArgumentsAreErrorsAndKeepTheLastSummary) {
  SummariseMarch(kMain);
  const struct {
    QVariant First, Last;
    QString Facilities;
    const char* Message;
  } cases[] = {
      {At(2015, 3, 1), At(2015, 4, 1), kMain,
       "Procedure or function 'spks_jbDocSummary': the report period must lie within one "
       "month."},
      {At(2015, 3, 1), At(2015, 3, 31), QStringLiteral("<Facilities><FaciCode>MAIN"),
       "Procedure or function 'spks_jbDocSummary': FacilityIds is not a list of facilities: "},
      {QVariant(), At(2015, 3, 31), kMain,
       "Procedure or function 'spks_jbDocSummary': RptBeginingDate must be a date."},
  };
  for (const auto& c : cases) {
    try {
      Summarise(c.First, c.Last, c.Facilities);
      ADD_FAILURE() << "no error for " << c.Message;
    } catch (const EDatabaseError& e) {
      EXPECT_TRUE(e.Message().startsWith(QLatin1String(c.Message))) << e.Message().toStdString();
    }
  }
  EXPECT_EQ(Run(kSummary).Rows.size(), 50u);
}

}  // namespace
