#include "CountsTestSupport.h"

#include "reports/framework/ReportRun.h"

namespace {

const QString kNoRecords = QStringLiteral("No records match the selected date and time.");

const char* const kAllEntries[] = {"Active4Click",
                                   "Inactive1Click",
                                   "BothActiveInactive1Click",
                                   "ActAsOfInmateCountClick",
                                   "InactAsOfInmateCountClick",
                                   "AsOfBothInmateCountClick"};

// Bookings of MAIN around the range 03/01/2024 08:00 AM - 03/02/2024 11:59 PM.
class InmateCountTest : public CountsFixture {
 protected:
  void SetUp() override {
    CountsFixture::SetUp();
    AddBooking("JAILBOOK", "A1", "M", "2024-03-01", "08:00:00", "MAIN  ", "ADAMS");  // start minute
    AddBooking("JAILBOOK", "A2", "F", "2024-03-01", "07:59:00", "MAIN  ", "BAKER");  // before it
    AddBooking("JAILBOOK", "A3", "F", "2024-03-02", "23:59:30", "MAIN  ", "CLARK");  // end minute
    AddBooking("JAILBOOK", "A4", "M", "2024-03-03", "00:00:00", "MAIN  ", "DAVIS");  // after it
    AddBooking("JAILBOOK", "A5", "X", "2024-03-02", "10:00:00", "MAIN  ", "EVANS");
    AddBooking("JAILBOOK", "A6", QString(), "2024-03-02", "11:00:00", "MAIN  ", "FOX");
    AddBooking("JAILBOOK", "A9", "M", "2024-03-01", "09:00:00", "ANNEX ", "GRAY");
    AddBooking("JBHISTO", "H1", "M", "2024-03-01", "09:00:00", "MAIN  ", "ADAMS");
    AddBooking("JBHISTO", "H2", "F", "2024-03-02", "12:00:00", "MAIN  ", "HILL");
  }

  void AnswerRange() {
    Dialogs.SetAnswer("from", "03/01/2024 08:00 AM");
    Dialogs.SetAnswer("to", "03/02/2024 11:59 PM");
  }
  void AnswerAsOf() {
    Dialogs.SetAnswer("date", "03/02/2024");
    Dialogs.SetAnswer("time", "10:00 AM");
  }

  // The `n` texts that follow `first` on the pages, for each time it occurs.
  static QStringList Row(const QStringList& texts, const QString& first, int n) {
    const qsizetype at = texts.indexOf(first);
    return at < 0 ? QStringList() : texts.mid(at + 1, n);
  }

  // The statement that read the as-of rows (the "both" one opens with a
  // parenthesis), and the parameters it was run with.
  qsizetype AsOfStatement() const {
    for (qsizetype i = 0; i < Statements.size(); ++i)
      if (Statements[i].contains(":BOOKTIME")) return i;
    return -1;
  }
  QHash<QString, QVariant> AsOfParams() const {
    QHash<QString, QVariant> params;
    const qsizetype at = AsOfStatement();
    if (at >= 0)
      for (const TDbParam& p : StatementParams[size_t(at)])
        params.insert(p.Name.toUpper(), p.Value);
    return params;
  }
};

TEST_F(InmateCountTest, RangeCountsTallyEachBookingDateBySex) {
  struct Case {
    const char* Handler;
    const char* Title;
    QString Booked;
    QStringList FirstDay, SecondDay;  // number booked, M, F, U
    QStringList Totals;
  } cases[] = {
      {"Active4Click",
       "Active Inmate Count By Booking Date/Time",
       "4",
       {"1", "1", "0", "0"},
       {"3", "0", "1", "2"},
       {"4", "1", "1", "2"}},
      {"Inactive1Click",
       "Inactive Inmate Count By Booking Date/Time",
       "2",
       {"1", "1", "0", "0"},
       {"1", "0", "1", "0"},
       {"2", "1", "1", "0"}},
      {"BothActiveInactive1Click",
       "Active/Inactive Inmate Count By Booking Date/Time",
       "6",
       {"2", "2", "0", "0"},
       {"4", "0", "2", "2"},
       {"6", "2", "2", "2"}},
  };
  AnswerRange();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Handler);
    Output.Documents.clear();
    RunEntry(c.Handler);
    ASSERT_EQ(Output.Documents.size(), 1u);
    const QStringList texts = Output.AllTexts();
    EXPECT_TRUE(texts.contains(c.Title));
    EXPECT_EQ(After(texts, "Total Inmates Booked:"), QStringList{c.Booked});
    EXPECT_EQ(Row(texts, "Booking Date", 4), QStringList({"# Booked", "M", "F", "U"}));
    EXPECT_EQ(Row(texts, "03/01/2024", 4), c.FirstDay);
    EXPECT_EQ(Row(texts, "03/02/2024", 4), c.SecondDay);
    EXPECT_EQ(Row(texts, "Total:", 4), c.Totals);
    // The title band shows the run's totals too.
    EXPECT_EQ(After(texts, "Total Males:"), QStringList{c.Totals[1]});
    EXPECT_EQ(After(texts, "Total Females:"), QStringList{c.Totals[2]});
    EXPECT_EQ(After(texts, "Total Unknown:"), QStringList{c.Totals[3]});
    EXPECT_EQ(After(texts, "From:"), QStringList{"03/01/2024 08:00:00 AM"});
    EXPECT_EQ(After(texts, "To:"), QStringList{"03/02/2024 11:59:00 PM"});
  }
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(LogRows().size(), 3);
  EXPECT_EQ(LogRows().first(),
            "17|JAILBOOK|DEMO|Jail Reports Module|Inmate Reports, Inmate "
            "Count, Specify Range of Date/Time Report");
  EXPECT_FALSE(ReportSession().qryGeneric.Active());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

TEST_F(InmateCountTest, RangeStatementsPasteTheQuotedFacilityAndTheMinuteBounds) {
  const QString range = QStringLiteral(
      " AND (dbo.JustTheDate(BOOKDATE) + dbo.JustTheTime(BOOKTIME) BETWEEN  '2024-03-01 "
      "08:00:00'  AND  '2024-03-02 23:59:59' )");
  const struct {
    const char* Handler;
    QString Sql;
  } cases[] = {
      {"Active4Click",
       "SELECT BOOKNO,BOOKDATE,SEX,BOOKTIME, FACILITY FROM jailbook "
       "(READUNCOMMITTED) WHERE FACICODE = 'MAIN'" +
           range + " ORDER BY BOOKDATE"},
      {"Inactive1Click",
       "SELECT BOOKNO,BOOKDATE,SEX,BOOKTIME,FACILITY FROM jbhisto "
       "(READUNCOMMITTED) WHERE FACICODE = 'MAIN'" +
           range + " ORDER BY BOOKDATE"},
      {"BothActiveInactive1Click",
       "SELECT BOOKNO,BOOKDATE,SEX,BOOKTIME, FACILITY FROM jailbook (READUNCOMMITTED) WHERE "
       "FACICODE = 'MAIN'" +
           range +
           " UNION ALL SELECT BOOKNO,BOOKDATE,SEX,BOOKTIME,FACILITY FROM jbhisto "
           "(READUNCOMMITTED) WHERE FACICODE = 'MAIN'" +
           range + " ORDER BY BOOKDATE"},
  };
  AnswerRange();
  for (const auto& c : cases) {
    Statements.clear();
    RunEntry(c.Handler);
    EXPECT_EQ(Selects().value(0), c.Sql) << c.Handler;
  }
}

TEST_F(InmateCountTest, AsOfCountsListTheBookingsMadeByTheMomentBySex) {
  AddBooking("JAILBOOK", "A7", "M", "2024-03-02", "10:01:00", "MAIN  ", "IVES");  // a minute late
  AddBooking("JAILBOOK", "A8", QString(), "2024-02-01", "10:00:00", "MAIN  ", "JONES");
  struct Case {
    const char* Handler;
    const char* Caption;
    QStringList BookNos;
    QStringList Genders;
    QStringList GenderCounts;
  } cases[] = {
      {"ActAsOfInmateCountClick",
       "Active Inmate Count As Of 03/02/2024 10:00:00 AM ",
       {"A8", "A2", "A1", "A5"},
       {"U", "F", "M", "X"},
       {"1", "1", "1", "1"}},
      {"InactAsOfInmateCountClick",
       "Inactive Inmate Count As Of 03/02/2024 10:00:00 AM ",
       {"H1"},
       {"M"},
       {"1"}},
      // The person booked twice (once released) is listed twice.
      {"AsOfBothInmateCountClick",
       "Inmate Count As Of 03/02/2024 10:00:00 AM ",
       {"A8", "A2", "A1", "H1", "A5"},
       {"U", "F", "M", "X"},
       {"1", "1", "2", "1"}},
  };
  AnswerAsOf();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Handler);
    Output.Documents.clear();
    RunEntry(c.Handler);
    ASSERT_EQ(Output.Documents.size(), 1u);
    const QStringList texts = Output.AllTexts();
    EXPECT_TRUE(texts.contains(c.Caption));
    EXPECT_EQ(After(texts, "Total:"), QStringList{QString::number(c.BookNos.size())});
    EXPECT_EQ(After(texts, "Gender"), c.Genders);
    EXPECT_EQ(After(texts, "Total Gender Count:"), c.GenderCounts);
    QStringList bookNos;
    for (const QString& name : {QStringLiteral("ADAMS, PAT"), QStringLiteral("BAKER, PAT"),
                                QStringLiteral("EVANS, PAT"), QStringLiteral("JONES, PAT")})
      bookNos << After(texts, name);
    bookNos.sort();
    QStringList expected = c.BookNos;
    expected.sort();
    EXPECT_EQ(bookNos, expected);
  }
  EXPECT_EQ(LogRows().size(), 3);
  EXPECT_EQ(LogRows().first(),
            "17|JAILBOOK|DEMO|Jail Reports Module|Inmate Reports, Inmate "
            "Count, As of Date/Time Report");
  EXPECT_FALSE(ReportSession().qryGeneric.Active());
}

TEST_F(InmateCountTest, AsOfStatementsBindTheFacilityTheDateAndTheTimeOnTheStorageDay) {
  const QString where = QStringLiteral(
      " WHERE FACICODE = :FACICODE AND ((BOOKDATE < :BOOKDATE) OR (BOOKDATE = :BOOKDATE AND "
      "BOOKTIME <= :BOOKTIME))");
  const QString groupBy =
      QStringLiteral(" GROUP BY BOOKNO,SEX,LNAME,FNAME,MNAME,TITLE,ECSOID,FACILITY");
  const struct {
    const char* Handler;
    QString Sql;
  } cases[] = {
      {"ActAsOfInmateCountClick",
       "SELECT BOOKNO,SEX,LNAME,FNAME,MNAME,count(*) as number, TITLE,ECSOID,FACILITY FROM "
       "JAILBOOK (READUNCOMMITTED)" +
           where + groupBy + " ORDER BY SEX,LNAME,FNAME"},
      {"InactAsOfInmateCountClick",
       "SELECT BOOKNO,SEX,LNAME,FNAME,MNAME,count(*) as number, TITLE,ECSOID,FACILITY FROM "
       "jbhisto" +
           where + groupBy + " ORDER BY SEX,LNAME,FNAME"},
      {"AsOfBothInmateCountClick",
       "(SELECT DISTINCT (BOOKNO),SEX,LNAME,FNAME,MNAME, TITLE,ECSOID,FACILITY,count(BOOKNO) as "
       "number FROM jailbook WHERE FACICODE = :FACICODE AND ((BOOKDATE < :BOOKDATE) OR "
       "(BOOKDATE = :BOOKDATE AND BOOKTIME <= :BOOKTIME)) GROUP BY "
       "BOOKNO,SEX,LNAME,FNAME,MNAME,TITLE,ECSOID,FACILITY UNION ALL SELECT DISTINCT "
       "(BOOKNO),SEX,LNAME,FNAME,MNAME, TITLE,ECSOID,FACILITY,count(BOOKNO) as number FROM "
       "jbhisto (READUNCOMMITTED) WHERE FACICODE = :FACICODE AND ((BOOKDATE < :BOOKDATE) OR "
       "(BOOKDATE = :BOOKDATE AND BOOKTIME <= :BOOKTIME))GROUP BY "
       "BOOKNO,SEX,LNAME,FNAME,MNAME,TITLE,ECSOID,FACILITY) ORDER BY SEX,LNAME,FNAME,BOOKNO"},
  };
  AnswerAsOf();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Handler);
    Statements.clear();
    StatementParams.clear();
    RunEntry(c.Handler);
    EXPECT_EQ(Statements.value(AsOfStatement()), c.Sql);
    const QHash<QString, QVariant> params = AsOfParams();
    EXPECT_EQ(params.value("FACICODE").toString(), "MAIN");
    EXPECT_EQ(params.value("BOOKDATE").toDateTime(), QDateTime(QDate(2024, 3, 2), {}, Qt::UTC));
    EXPECT_EQ(params.value("BOOKTIME").toDateTime(),
              QDateTime(QDate(1899, 12, 30), QTime(10, 0), Qt::UTC));
  }
}

TEST_F(InmateCountTest, NothingFoundShowsTheMessageAndLogsNothing) {
  Dialogs.SetAnswer("from", "03/01/2020 08:00 AM");
  Dialogs.SetAnswer("to", "03/02/2020 11:59 PM");
  Dialogs.SetAnswer("date", "01/01/2020");
  Dialogs.SetAnswer("time", "10:00 AM");
  for (const char* handler : kAllEntries) {
    Prompts.ClearPrompts();
    RunEntry(handler);
    EXPECT_EQ(Messages(), QStringList{kNoRecords}) << handler;
    EXPECT_EQ(Prompts.Prompts().back().Kind, TPromptKind::pkInformation);
  }
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
}

TEST_F(InmateCountTest, CancellingTheDialogDoesNothing) {
  Dialogs.SetAnswer("cancel", "yes");
  for (const char* handler : kAllEntries) RunEntry(handler);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_TRUE(Selects().isEmpty());
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
}

TEST_F(InmateCountTest, AFacilityCodeWithAQuoteIsMatchedAsData) {
  AddBooking("JAILBOOK", "Q1", "M", "2024-03-01", "09:00:00", "O'NEIL", "QUINN");
  AddBooking("JBHISTO", "Q2", "F", "2024-03-01", "09:30:00", "O'NEIL", "QUINN");
  ReportSession().xsFacilityID = "O'NEIL ";
  AnswerRange();
  AnswerAsOf();
  for (const char* handler : kAllEntries) {
    Output.Documents.clear();
    RunEntry(handler);
    EXPECT_TRUE(Messages().isEmpty()) << handler << ": " << Messages().join("|").toStdString();
    ASSERT_EQ(Output.Documents.size(), 1u) << handler;
  }
  EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM JAILBOOK").toInt(), 8);
}

TEST_F(InmateCountTest, RunningAnEntryTwiceGivesTheSameTotals) {
  AnswerRange();
  RunEntry("BothActiveInactive1Click");
  RunEntry("BothActiveInactive1Click");
  ASSERT_EQ(Output.PageCount(), 2);
  for (int page = 1; page <= 2; ++page) {
    EXPECT_EQ(Row(Output.PageTexts(page), "Total:", 4), QStringList({"6", "2", "2", "2"}));
    EXPECT_EQ(After(Output.PageTexts(page), "Total Males:"), QStringList{"2"});
  }
}

TEST_F(InmateCountTest, AFailureIsShownAsAWarningWithItsMessageAlone) {
  Exec("ALTER TABLE JBHISTO RENAME TO JBHISTO_AWAY");
  AnswerRange();
  AnswerAsOf();
  for (const char* handler : {"Inactive1Click", "InactAsOfInmateCountClick"}) {
    Prompts.ClearPrompts();
    RunEntry(handler);
    ASSERT_EQ(Messages().size(), 1) << handler;
    EXPECT_EQ(Prompts.Prompts().front().Kind, TPromptKind::pkWarning);
    EXPECT_FALSE(Messages().first().contains("TfrmJBReportsMain"));
    EXPECT_FALSE(ReportSession().qryGeneric.Active());
  }
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

TEST_F(InmateCountTest, ARangeBoundThatDoesNotConvertIsReportedOnceAndNothingRuns) {
  Dialogs.SetAnswer("from", "03/01/2024");  // no start time: the dialog accepts one of two
  Dialogs.SetAnswer("to", "03/02/2024 11:59 PM");
  RunEntry("Active4Click");
  EXPECT_EQ(Messages(), QStringList{"The date/time selected is not a valid date/time."});
  EXPECT_TRUE(Selects().isEmpty());
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
}

}  // namespace
