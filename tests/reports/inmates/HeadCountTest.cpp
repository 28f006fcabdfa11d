#include "CountsTestSupport.h"

#include "reports/framework/ReportRun.h"

#include <QRegularExpression>

namespace {

const QString kNoHeadCount = QStringLiteral(
    "There are no historical statistics to report, please try later. If this \r\nproblem "
    "continues, please contact your supervisor.");

// Inmates of MAIN under the status of their case of lowest level:
//   DAVIS  juvenile flag empty  PRE           -> an "Adults" group of its own
//   EVANS  adult                PRE and HOLD  -> listed under both (same level)
//   BAKER  adult                PRE
//   ADAMS  adult (F)            SENT and PRE  -> SENT only
//   CLARK  juvenile             PRE
// and three who are not counted: FOX (status unknown to CFGCASST), GRAY
// (released), HILL (another facility).
class HeadCountTest : public CountsFixture {
 protected:
  void SetUp() override {
    CountsFixture::SetUp();
    Exec(
        "INSERT INTO CFGCASST (CASE_STATUS_CODE, CASE_STATUS_DESC, [LEVEL]) VALUES "
        "('SENT', 'SENTENCED', 1), ('PRE', 'PRETRIAL', 2), ('HOLD', 'HOLD FOR OTHER', 2)");
    AddInmate("B1", "ADAMS", "ANN", "F", "W", 0, "2024-03-01", "'A-1'", "'KITCHEN'", 1);
    AddInmate("B2", "BAKER", "BOB", "M", "B", 0, "2024-03-05");
    AddInmate("B3", "CLARK", "CY", "M", "W", 1, "2024-03-10");
    AddInmate("B4", "DAVIS", "DAN", "M", "W", QVariant(), "2024-02-20");
    AddInmate("B5", "EVANS", "ED", "M", "W", 0, "2024-03-05");
    AddInmate("B6", "FOX", "FAY", "F", "W", 0, "2024-03-02");
    AddInmate("B7", "GRAY", "GUS", "M", "W", 0, "2024-03-02");
    AddInmate("B8", "HILL", "HAL", "M", "W", 0, "2024-03-02", "NULL", "NULL", 0, "ANNEX ");
    Exec("UPDATE JAILBOOK SET NAMERELEAS = 1 WHERE BOOKNO = 'B7'");
    Exec(
        "INSERT INTO JBCASE (BOOKNO, CASENO, STATUS, STATUSDESC) VALUES "
        "('B1', 'C1', 'SENT', 'SENTENCED'), ('B1', 'C2', 'PRE', 'PRETRIAL'), "
        "('B2', 'C3', 'PRE', 'PRETRIAL'), ('B3', 'C4', 'PRE', 'PRETRIAL'), "
        "('B4', 'C5', 'PRE', 'PRETRIAL'), ('B5', 'C6', 'PRE', 'PRETRIAL'), "
        "('B5', 'C7', 'HOLD', 'HOLD FOR OTHER'), ('B6', 'C8', 'XXX', 'UNKNOWN'), "
        "('B7', 'C9', 'PRE', 'PRETRIAL'), ('B8', 'C10', 'PRE', 'PRETRIAL')");
  }

  void AddInmate(const char* bookNo, const char* last, const char* first, const char* sex,
                 const char* race, const QVariant& juvenile, const char* bookDate,
                 const char* cell = "NULL", const char* trusty = "NULL", int workRelease = 0,
                 const char* facility = "MAIN  ") {
    Exec(QStringLiteral("INSERT INTO JAILBOOK (BOOKNO, ECSOID, LNAME, FNAME, SEX, RACE, AGE, "
                        "JUVENILE, CELLNO, TRUSTYSTATUS, WORKRELEASE, WORKRELTYPE, CLASSCODE, "
                        "CLASSCODEDESC, NAMERELEAS, FACICODE, FACILITY, BOOKDATE, BOOKTIME) "
                        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, 30, ?7, %1, %2, ?8, 'DAY', 'MIN', "
                        "'MINIMUM', 0, ?9, 'Main Jail', ?10, '1899-12-30 08:00:00')")
             .arg(QString::fromLatin1(cell), QString::fromLatin1(trusty)),
         {bookNo, QStringLiteral("M") + bookNo, last, first, sex, race, juvenile, workRelease,
          facility, QString::fromLatin1(bookDate) + QStringLiteral(" 00:00:00")});
  }

  void AddTracking(const char* bookNo, int status, int active, const char* location,
                   const char* next) {
    Exec(
        "INSERT INTO INMATETRACKING (BookNo, Status, Active, Location, NextLocation, "
        "CheckInDate, CheckInTime, CheckOutDate, CheckOutTime) VALUES (?1, ?2, ?3, ?4, ?5, "
        "'2024-03-14 00:00:00', '1899-12-30 21:05:00', '2024-03-15 00:00:00', "
        "'1899-12-30 08:30:00')",
        {bookNo, status, active, location, next});
  }

  QStringList Texts() const { return Output.AllTexts(); }
};

TEST_F(HeadCountTest, AsOfNowListsEachInmateUnderTheLowestLevelStatusWithGroupCounts) {
  RunEntry("HCAsofNowClick");

  ASSERT_EQ(Output.Documents.size(), 1u);
  const QStringList texts = Texts();
  // Empty juvenile flag first (its own "Adults" group), then adults, then juveniles.
  EXPECT_EQ(texts.filter(QRegularExpression("^(Adults|Juveniles)$")),
            QStringList({"Adults", "Adults", "Juveniles"}));
  EXPECT_EQ(After(texts, "Book No:"), QStringList({"B4", "B5", "B2", "B5", "B1", "B3"}));
  EXPECT_EQ(After(texts, "Status:"), QStringList({"PRE", "HOLD", "PRE", "SENT", "PRE"}));
  EXPECT_EQ(After(texts, "Gender Count:"), QStringList({"1", "1", "2", "1", "1"}));
  EXPECT_EQ(After(texts, "Status Count:"), QStringList({"1", "1", "2", "1", "1"}));
  EXPECT_EQ(After(texts, "Total Count:"), QStringList({"1", "4", "1"}));
  EXPECT_EQ(After(texts, "Total Inmate Count:"), QStringList{"6"});
  EXPECT_EQ(After(texts, "Name:").first(), "DAVIS, DAN");

  EXPECT_TRUE(texts.contains("Head Count Report As of Now"));
  EXPECT_TRUE(texts.contains("Main Jail"));
  EXPECT_FALSE(texts.contains("From:"));
  EXPECT_FALSE(texts.contains("To:"));
  EXPECT_EQ(LogRows(), QStringList{"17|JBCASE|DEMO|Jail Reports Module|Misc Reports, Head "
                                   "Count, AsOfNow Report"});
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_FALSE(ReportSession().qryHeadCount.Active());
  EXPECT_FALSE(ReportSession().qryHeadCount.Prepared());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

TEST_F(HeadCountTest, AsOfNowRunsTheStatementWithTheTrimmedFacilityQuoted) {
  RunEntry("HCAsofNowClick");
  ASSERT_FALSE(Selects().isEmpty());
  EXPECT_EQ(
      Selects().first(),
      "SELECT DISTINCT(c.STATUS),c.BOOKNO ,c.STATUSDESC,j.SEX,j.RACE, "
      "j.JUVENILE,j.ADULT,j.ECSOID,j.LNAME,j.FNAME,j.MNAME,j.TITLE, "
      "j.CELLNO,j.WORKRELEASE,j.WORKRELTYPE,j.TRUSTYSTATUS, "
      "j.CLASSCODE,j.CLASSCODEDESC,j.AGE,j.FACILITY FROM JBCASE c (READUNCOMMITTED) LEFT OUTER "
      "JOIN CFGCASST s (READUNCOMMITTED) ON s.CASE_STATUS_CODE = c.STATUS LEFT OUTER JOIN "
      "Jailbook j (READUNCOMMITTED) ON c.BOOKNO = j.BOOKNO WHERE (j.NAMERELEAS = 0 OR "
      "j.NAMERELEAS IS NULL) AND j.FACICODE = 'MAIN' AND s.[LEVEL] IN (SELECT "
      "MIN(CFGCASST.[LEVEL]) FROM JBCASE (READUNCOMMITTED) LEFT OUTER JOIN CFGCASST "
      "(READUNCOMMITTED) ON JBCASE.STATUS = CFGCASST.CASE_STATUS_CODE WHERE JBCASE.BOOKNO = "
      "c.BOOKNO) ORDER BY j.JUVENILE,c.STATUS,j.SEX,j.lname,j.fname,j.mname,j.RACE");
}

TEST_F(HeadCountTest, RowsShowTheirPlaceholdersAndTheActiveTrackingLocation) {
  AddTracking("B1", 1, 1, "MEDICAL", "");
  AddTracking("B2", 2, 1, "A POD", "COURT");
  AddTracking("B3", 3, 1, "A POD", "");
  AddTracking("B4", 1, 1, "MEDICAL", "");
  AddTracking("B4", 1, 1, "GYM", "");      // two active rows: no single place
  AddTracking("B5", 1, 0, "MEDICAL", "");  // not active
  RunEntry("HCAsofNowClick");

  const QStringList texts = Texts();
  const QStringList locations = texts.filter(QRegularExpression("^Location"));
  EXPECT_EQ(locations,
            QStringList({"Location", "Location",
                         "Location: Checked Out to \"COURT\" 03/15/2024\" 08:30 AM", "Location",
                         "Location: Checked In at \"MEDICAL\" 03/14/2024\" "
                         "09:05 PM",
                         "Location"}));
  EXPECT_EQ(After(texts, "Cell No:"),
            QStringList({"Cell not assigned.", "Cell not assigned.", "Cell not assigned.",
                         "Cell not assigned.", "A-1", "Cell not assigned."}));
  EXPECT_EQ(After(texts, "Trusty:").at(4), "KITCHEN");
  EXPECT_EQ(After(texts, "Trusty:").at(0), "N/A");
  EXPECT_FALSE(ReportSession().qryHeadCount.Active());
}

TEST_F(HeadCountTest, SpecifyDateRangeCountsBookingsOfBothEndDaysAndShowsTheRange) {
  Dialogs.SetAnswer("from", "03/01/2024");
  Dialogs.SetAnswer("to", "03/05/2024");
  RunEntry("HCSpecifyDateClick");

  ASSERT_EQ(Output.Documents.size(), 1u);
  const QStringList texts = Texts();
  // Within each sex by race only: BAKER (B) before EVANS (W).
  EXPECT_EQ(After(texts, "Book No:"), QStringList({"B5", "B2", "B5", "B1"}));
  EXPECT_EQ(After(texts, "Total Inmate Count:"), QStringList{"4"});
  EXPECT_TRUE(texts.contains("Head Count Report"));
  EXPECT_FALSE(texts.contains("Head Count Report As of Now"));
  EXPECT_EQ(After(texts, "From:"), QStringList{"03/01/2024"});
  EXPECT_EQ(After(texts, "To:"), QStringList{"03/05/2024"});
  EXPECT_EQ(LogRows(), QStringList{"17|JBCASE|DEMO|Jail Reports Module|Misc Reports, Head "
                                   "Count, Specify Date Report"});

  ASSERT_FALSE(Selects().isEmpty());
  EXPECT_TRUE(Selects().first().contains(
      "j.FACICODE = :FACICODE AND BOOKDATE >= :DATESTART AND BOOKDATE <= :DATEEND AND "
      "s.[LEVEL] IN (SELECT MIN(CFGCASST.[LEVEL]) FROM JBCASE LEFT OUTER JOIN CFGCASST "
      "(READUNCOMMITTED) ON JBCASE.STATUS = CFGCASST.CASE_STATUS_CODE WHERE JBCASE.BOOKNO = "
      "c.BOOKNO) ORDER BY j.JUVENILE,c.STATUS,j.SEX,j.RACE"));
  const int select = int(Statements.indexOf(Selects().first()));
  QHash<QString, QVariant> params;
  for (const TDbParam& p : StatementParams[size_t(select)])
    params.insert(p.Name.toUpper(), p.Value);
  EXPECT_EQ(params.value("DATESTART").toDateTime(), QDateTime(QDate(2024, 3, 1), {}, Qt::UTC));
  EXPECT_EQ(params.value("DATEEND").toDateTime(), QDateTime(QDate(2024, 3, 5), {}, Qt::UTC));
  EXPECT_EQ(params.value("FACICODE").toString(), "MAIN  ") << "bound as held";
}

TEST_F(HeadCountTest, TheRunningTotalInThePageFooterCountsTheInmatesListedSoFar) {
  for (int i = 0; i < 45; ++i) {
    const QByteArray bookNo = QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
    AddInmate(bookNo.constData(), "PAGE", bookNo.constData(), "M", "W", 0, "2024-03-03");
    Exec("INSERT INTO JBCASE (BOOKNO, CASENO, STATUS) VALUES (?1, ?1, 'PRE')",
         {QString::fromLatin1(bookNo)});
  }
  RunEntry("HCAsofNowClick");

  ASSERT_GE(Output.PageCount(), 3);
  int listed = 0;
  for (int page = 1; page <= Output.PageCount(); ++page) {
    const QStringList texts = Output.PageTexts(page);
    listed += int(texts.count("Book No:"));
    EXPECT_EQ(After(texts, "Total Inmate Count:"), QStringList{QString::number(listed)})
        << "page " << page;
  }
  EXPECT_EQ(listed, 51);
}

TEST_F(HeadCountTest, NothingToCountShowsTheMessageAndLogsNothing) {
  struct Case {
    const char* Handler;
    const char* From;
  } cases[] = {{"HCAsofNowClick", nullptr}, {"HCSpecifyDateClick", "01/01/2020"}};
  ReportSession().xsFacilityID = "EAST";
  for (const Case& c : cases) {
    Prompts.ClearPrompts();
    Dialogs.ClearAnswers();
    if (c.From) {
      Dialogs.SetAnswer("from", c.From);
      Dialogs.SetAnswer("to", c.From);
    }
    RunEntry(c.Handler);
    EXPECT_EQ(Messages(), QStringList{kNoHeadCount}) << c.Handler;
    EXPECT_EQ(Prompts.Prompts().back().Kind, TPromptKind::pkInformation);
  }
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
}

TEST_F(HeadCountTest, CancellingTheDateRangeDoesNothing) {
  Dialogs.SetAnswer("cancel", "yes");
  RunEntry("HCSpecifyDateClick");
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_TRUE(Selects().isEmpty());
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
}

TEST_F(HeadCountTest, AFacilityCodeWithAQuoteIsMatchedAsData) {
  AddInmate("Q1", "QUINN", "QUE", "M", "W", 0, "2024-03-03", "NULL", "NULL", 0, "O'NEIL");
  Exec("INSERT INTO JBCASE (BOOKNO, CASENO, STATUS) VALUES ('Q1', 'Q1', 'PRE')");
  ReportSession().xsFacilityID = "O'NEIL ";
  Dialogs.SetAnswer("from", "03/01/2024");
  Dialogs.SetAnswer("to", "03/05/2024");
  for (const char* handler : {"HCAsofNowClick", "HCSpecifyDateClick"}) {
    Output.Documents.clear();
    RunEntry(handler);
    EXPECT_TRUE(Messages().isEmpty()) << handler << ": " << Messages().join("|").toStdString();
    EXPECT_EQ(After(Texts(), "Book No:"), QStringList{"Q1"}) << handler;
  }
  EXPECT_TRUE(Selects().first().contains("j.FACICODE = 'O''NEIL' AND"));
}

TEST_F(HeadCountTest, AFailedRunShowsTheErrorAndLeavesNoCountsForTheNextRun) {
  // The location lookup fails while the pages are being made, after the
  // first rows have been counted.
  Exec("ALTER TABLE INMATETRACKING RENAME TO INMATETRACKING_AWAY");
  RunEntry("HCAsofNowClick");
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages().first().endsWith(" on TfrmJBReportsMain.HCAsofNow"))
      << Messages().first().toStdString();
  EXPECT_EQ(Prompts.Prompts().front().Kind, TPromptKind::pkError);
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_FALSE(ReportSession().qryHeadCount.Active());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);

  Exec("ALTER TABLE INMATETRACKING_AWAY RENAME TO INMATETRACKING");
  Prompts.ClearPrompts();
  RunEntry("HCAsofNowClick");
  RunEntry("HCAsofNowClick");
  ASSERT_EQ(Output.Documents.size(), 2u);
  for (int page = 1; page <= 2; ++page) {
    EXPECT_EQ(After(Output.PageTexts(page), "Total Count:"), QStringList({"1", "4", "1"}));
    EXPECT_EQ(After(Output.PageTexts(page), "Total Inmate Count:"), QStringList{"6"});
  }
}

TEST_F(HeadCountTest, ADateThatDoesNotConvertIsReportedAsTheEntrysError) {
  Dialogs.SetAnswer("from", "03/01/2024");  // "To" left empty: the dialog accepts it
  RunEntry("HCSpecifyDateClick");
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages().first().endsWith(" on TfrmJBReportsMain.HCSpecifyDate"))
      << Messages().first().toStdString();
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
}

}  // namespace
