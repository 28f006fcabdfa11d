#include "JailLogFixture.h"

#include "reports/framework/ReportRun.h"

namespace {

const QString kDayFrom = QStringLiteral("03/05/2015 08:00 AM");
const QString kDayTo = QStringLiteral("03/05/2015 02:07 PM");
const QString kSpanFrom = QStringLiteral("03/04/2015 06:00 PM");
const QString kSpanTo = QStringLiteral("03/06/2015 10:00 AM");
const QString kNoEntriesInRange =
    QStringLiteral("No log entries were found within the specified date/time range.");

enum TAnswer { kNoQuestion, kNo, kYes };

struct TEntryCase {
  const char* Handler;
  bool Span;  // the three-day window rather than the one day
  const char* DormFrom;
  const char* DormTo;
  TAnswer ShowInmates;
  QStringList LogNumbers;  // as printed, in order
  const char* Title;
  const char* Note;
};

class JailLogReportsTest : public JailLogFixture {
 protected:
  void RunCase(const TEntryCase& c) {
    Window(c.Span ? kSpanFrom : kDayFrom, c.Span ? kSpanTo : kDayTo);
    if (c.DormFrom) Dorms(QString::fromLatin1(c.DormFrom), QString::fromLatin1(c.DormTo));
    RunEntry(QString::fromLatin1(c.Handler));
  }

  // The statements that read log rows, links or bookings (not the dorm list).
  QStringList ReportSelects() const {
    QStringList selects;
    for (const QString& sql : Selects())
      if (!sql.startsWith("SELECT DISTINCT DOORMSCODE")) selects << sql;
    return selects;
  }
};

TEST_F(JailLogReportsTest, EveryEntryPrintsItsEntriesTitleAndLogRow) {
  const QString date = QStringLiteral("Log Reports, Specify Date/Time, Order By ");
  const QString dorm = QStringLiteral("Log Reports, Specify Dorm and Date/Time, Order By ");
  const TEntryCase cases[] = {
      {"btnSpecAllClick",
       false,
       nullptr,
       nullptr,
       kYes,
       {"L1", "L3"},
       "Jail Log Report By Date/Time With Linked Inmates",
       "Date/Time"},
      // Without inmates the supervisor entries are not left out.
      {"btnSpecAllClick",
       false,
       nullptr,
       nullptr,
       kNo,
       {"L1", "L2", "L3"},
       "Jail Log Report By Date/Time",
       "Date/Time"},
      {"SpecifyDateByLogCodeClick",
       false,
       nullptr,
       nullptr,
       kYes,
       {"L1", "L2", "L3"},
       "Jail Log Report By Log Code With Linked Inmates",
       "Log Code"},
      // The parameter window leaves out both end minutes.
      {"SpecifyDateByLogCodeClick",
       false,
       nullptr,
       nullptr,
       kNo,
       {"L2"},
       "Jail Log Report By Log Code",
       "Log Code"},
      {"SpecifyDateByOfficerClick",
       false,
       nullptr,
       nullptr,
       kYes,
       {"L2", "L1", "L3"},
       "Jail Log Report By Officer With Linked Inmates",
       "Officer"},
      {"SpecifyDateByOfficerClick",
       true,
       nullptr,
       nullptr,
       kNo,
       {"L2", "L1", "L4", "L3"},
       "Jail Log Report By Officer",
       "Officer"},
      {"JailLogNo1Click",
       false,
       nullptr,
       nullptr,
       kNoQuestion,
       {"L1", "L2", "L3"},
       "Jail Log Report By Inmate VereRir No",
       "Inmate, JailLogNo"},
      {"SpecifyDateByBookNoClick",
       false,
       nullptr,
       nullptr,
       kNoQuestion,
       {"L1", "L1", "L3"},
       "Jail Log Report By Inmate Booking No",
       "Inmate, BookNo"},
      {"DormDateByDateClick",
       false,
       "A",
       "B",
       kYes,
       {"L1", "L3"},
       "Jail Log Report By Date/Time With Linked Inmates",
       "Date/Time"},
      {"DormDateByDateClick",
       true,
       "A",
       "A",
       kNo,
       {"L1", "L4"},
       "Jail Log Report By Date/Time",
       "Date/Time"},
      {"DormDateByLogCodeClick",
       false,
       "A",
       "B",
       kYes,
       {"L1", "L2", "L3"},
       "Jail Log Report By Log Code With Linked Inmates",
       "Log Code"},
      {"SpecifyDormDateByOfficerClick",
       true,
       "B",
       "B",
       kNo,
       {"L3"},
       "Jail Log Report By Officer",
       "Officer"},
      {"SpecifyDormDateByJailLogNoClick",
       false,
       "A",
       "A",
       kNoQuestion,
       {"L1", "L2"},
       "Jail Log Report By Inmate VereRir No",
       "Inmate, JailLogNo"},
      {"SpecifyDormDateByBookNoClick",
       true,
       "A",
       "B",
       kNoQuestion,
       {"L1", "L4", "L1", "L3"},
       "Jail Log Report By Inmate Booking No",
       "Inmate, BookNo"},
      {"Sup1Click",
       false,
       "A",
       "B",
       kYes,
       {"L2"},
       "Supervisor Jail Log Report By Date/Time With Linked Inmates",
       "Date/Time"},
      {"Sup1Click",
       true,
       "A",
       "B",
       kNo,
       {"L2"},
       "Supervisor Jail Log Report By Date/Time",
       "Date/Time"},
  };
  for (const TEntryCase& c : cases)
    if (c.ShowInmates != kNoQuestion) ShowInmates(c.ShowInmates == kYes);
  for (const TEntryCase& c : cases) {
    SCOPED_TRACE(std::string(c.Handler) + (c.ShowInmates == kNo ? " without inmates" : ""));
    Output.Documents.clear();
    Prompts.ClearPrompts();
    Dialogs.ClearAnswers();
    Exec("DELETE FROM JailTransLog");
    RunCase(c);

    ASSERT_EQ(Output.Documents.size(), 1u) << Messages().join('\n').toStdString();
    EXPECT_EQ(PrintedLogNumbers(), c.LogNumbers);
    EXPECT_TRUE(Output.PageTexts(1).contains(QString::fromLatin1(c.Title)));
    EXPECT_EQ(Output.Documents.front().Title, QString::fromLatin1(c.Title));
    EXPECT_EQ(LogRows(), QStringList{QStringLiteral("17|JBLOG|DEMO|Jail Reports Module|") +
                                     (c.DormFrom ? dorm : date) + QString::fromLatin1(c.Note)});
    const QStringList questions =
        c.ShowInmates == kNoQuestion
            ? QStringList()
            : QStringList{QStringLiteral("Do you want to show the inmates on this report?")};
    EXPECT_EQ(Messages(), questions);
    for (TKsCustomDataSet* query :
         {&ReportSession().qryGeneric, &ReportSession().qryGeneric2, &ReportSession().qryGeneric3})
      EXPECT_FALSE(query->Active());
    EXPECT_EQ(Prompts.HourglassDepth(), 0);
  }
}

TEST_F(JailLogReportsTest, TheDateTimeStatementWithInmatesIsTheSuitesText) {
  Window(kDayFrom, kDayTo);
  ShowInmates(true);
  RunEntry("btnSpecAllClick");
  const QStringList selects = ReportSelects();
  ASSERT_EQ(selects.size(), 3);
  EXPECT_EQ(selects[0],
            "SELECT jl.DOORMSCODE,jl.DOORMSDESC,jl.USERNAME,jl.PERNO,jl.FACILITY, "
            "jl.LOGCODE,jl.CODEDESC,jl.TIME,jl.DATE,jl.PRIORITY,jl.JAILLOGNO, "
            "jl.LOGENTRY,jl.OFFICER FROM JBLOG JL (READUNCOMMITTED) WHERE jl.FACICODE = "
            ":FACICODE AND (SupervisorLog = 0)  AND (dbo.JustTheDate(jl.DATE) + "
            "dbo.JustTheTime(jl.TIME) BETWEEN  '2015-03-05 08:00:00'  AND  "
            "'2015-03-05 14:07:59' ) ORDER BY jl.DOORMSCODE,jl.DATE,jl.TIME");
  EXPECT_EQ(selects[1],
            "SELECT jr.BOOKNO,jr.MNINO,jr.JAILOGNO FROM JL_JB_XREF jr (READUNCOMMITTED) WHERE "
            "jr.JAILOGNO IN (SELECT jl.JAILLOGNO FROM JBLOG jl (READUNCOMMITTED) WHERE "
            "jl.JAILLOGNO = jr.JAILOGNO) ORDER BY jr.JAILOGNO,jr.BOOKNO");
  EXPECT_TRUE(
      selects[2].startsWith("SELECT j.BOOKNO,j.ECSOID,j.LNAME, j.FNAME,j.MNAME,j.TITLE,"
                            "j.FACILITY,j.NAMERELEAS FROM JAILBOOK j (READUNCOMMITTED) "
                            "WHERE j.FACICODE = :FACICODE"));
  EXPECT_TRUE(selects[2].contains(" UNION SELECT jh.BOOKNO"));
}

TEST_F(JailLogReportsTest, TheStatementsVaryAsTheEntriesWriteThem) {
  struct Case {
    const char* Handler;
    const char* DormFrom;
    TAnswer ShowInmates;
    QStringList Fragments;
  } cases[] = {
      {"SpecifyDateByOfficerClick",
       nullptr,
       kYes,
       {"jl.FACICODE = :FACICODE AND(dbo.JustTheDate(jl.DATE)",
        " ORDER BY jl.DOORMSCODE,jl.OFFICER,jl.DATE,jl.TIME"}},
      {"SpecifyDateByLogCodeClick",
       nullptr,
       kNo,
       {"jl.FACICODE = :FACICODE AND ((jl.DATE > :DATE AND jl.DATE < :DATE2) OR (jl.DATE = "
        ":DATE AND jl.TIME > :TIME) AND (jl.DATE = :DATE2 AND jl.TIME < :TIME2))",
        " ORDER BY jl.DOORMSCODE,jl.LOGCODE,jl.DATE,jl.TIME"}},
      {"DormDateByLogCodeClick",
       "A",
       kYes,
       {"WHERE DOORMSCODE >= :DOORMSCODE AND DOORMSCODE <= :DOORMSCODE2 AND jl.FACICODE = "
        ":FACICODE AND(dbo.JustTheDate"}},
      {"DormDateByDateClick",
       "A",
       kNo,
       {"jl.FACICODE = :FACICODE AND (SupervisorLog = 0)  AND ((jl.DATE > :DATE"}},
      {"Sup1Click", "A", kYes, {"jl.FACICODE = :FACICODE AND (SupervisorLog = 1)  AND (dbo."}},
      {"SpecifyDormDateByJailLogNoClick",
       "A",
       kNoQuestion,
       {"FROM JL_JB_XREF jr WHERE jr.JAILOGNO IN", "FROM JBHISTO jh WHERE jh.FACICODE",
        " ORDER BY jl.DOORMSCODE,jl.JAILLOGNO,jl.DATE,jl.TIME"}},
  };
  for (const Case& c : cases)
    if (c.ShowInmates != kNoQuestion) ShowInmates(c.ShowInmates == kYes);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Handler);
    Statements.clear();
    Dialogs.ClearAnswers();
    Window(kDayFrom, kDayTo);
    if (c.DormFrom) Dorms("A", "B");
    RunEntry(c.Handler);
    const QString all = ReportSelects().join("\n");
    for (const QString& fragment : c.Fragments)
      EXPECT_TRUE(all.contains(fragment)) << fragment.toStdString() << "\nin\n"
                                          << all.toStdString();
  }
}

TEST_F(JailLogReportsTest, AnEmptyWindowWithInmatesSaysSoAndLogsNothing) {
  Window("03/10/2015 08:00 AM", "03/10/2015 05:00 PM");
  ShowInmates(true);
  RunEntry("btnSpecAllClick");
  EXPECT_EQ(Messages(),
            (QStringList{"Do you want to show the inmates on this report?", kNoEntriesInRange}));
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_EQ(ReportSelects().size(), 1) << "the links are not read";
}

TEST_F(JailLogReportsTest, AnEmptyWindowWithoutInmatesPreviewsAnEmptyReport) {
  Window("03/10/2015 08:00 AM", "03/10/2015 05:00 PM");
  ShowInmates(false);
  RunEntry("SpecifyDateByLogCodeClick");
  ASSERT_EQ(Output.Documents.size(), 1u);
  EXPECT_TRUE(PrintedLogNumbers().isEmpty());
  EXPECT_TRUE(Output.AllTexts().contains(kNoEntriesInRange));
  EXPECT_EQ(LogRows().size(), 1);
}

TEST_F(JailLogReportsTest, NothingFoundEndsTheRunWithItsMessage) {
  struct Case {
    const char* Handler;
    const char* From;
    const char* To;
    const char* Setup;
    const char* Message;
  } cases[] = {
      {"SpecifyDateByBookNoClick", "03/05/2015 11:00 AM", "03/05/2015 01:00 PM", nullptr,
       "No inmates with jail log numbers were found."},
      // L3's only link is a booking of the annex.
      {"SpecifyDateByBookNoClick", "03/05/2015 02:00 PM", "03/05/2015 02:10 PM", nullptr,
       "No jail log numbers were found."},
      // The annex's entry names a booking of this facility.
      {"SpecifyDateByBookNoClick", "03/05/2015 10:00 AM", "03/05/2015 10:01 AM",
       "INSERT INTO JL_JB_XREF (JAILOGNO, BOOKNO, MNINO) VALUES ('L5', 'B1', 'MB1')",
       "No log entries were found."},
      {"SpecifyDormDateByBookNoClick", "03/05/2015 11:00 AM", "03/05/2015 01:00 PM", nullptr,
       "No jail log numbers were found."},
      // No entry of the journal is linked to anyone (last: it drops every link).
      {"JailLogNo1Click", "03/05/2015 08:00 AM", "03/05/2015 02:07 PM", "DELETE FROM JL_JB_XREF",
       "No inmates with jail log numbers were found."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Handler);
    Prompts.ClearPrompts();
    Dialogs.ClearAnswers();
    if (c.Setup) Exec(c.Setup);
    Window(c.From, c.To);
    if (QString::fromLatin1(c.Handler).contains("Dorm")) Dorms("A", "B");
    RunEntry(c.Handler);
    EXPECT_EQ(Messages(), QStringList{c.Message});
    EXPECT_TRUE(Output.Documents.empty());
    EXPECT_TRUE(LogRows().isEmpty());
    EXPECT_FALSE(ReportSession().qryGeneric.Active());
  }
}

TEST_F(JailLogReportsTest, ADormRangeStartingAfterItsEndFindsNothing) {
  // The dialog takes the two dorms as chosen; no entry lies between them.
  Window(kDayFrom, kDayTo);
  Dorms("B", "A");
  ShowInmates(true);
  RunEntry("DormDateByDateClick");
  EXPECT_EQ(Messages().last(), kNoEntriesInRange);
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());

  Prompts.ClearPrompts();
  RunEntry("SpecifyDormDateByBookNoClick");
  EXPECT_EQ(Messages(), QStringList{"No jail log numbers were found."});
}

TEST_F(JailLogReportsTest, TheDormListComesFromTheFacilitysLog) {
  Window(kDayFrom, kDayTo);
  Dorms("C", "C");  // a dorm of no log entry of the facility
  RunEntry("SpecifyDormDateByJailLogNoClick");
  EXPECT_EQ(Messages(), QStringList{"'C' is not one of the dorms listed."});
  EXPECT_TRUE(Output.Documents.empty());

  Prompts.ClearPrompts();
  Exec("DELETE FROM JBLOG WHERE FACICODE = 'MAIN  '");
  RunEntry("SpecifyDormDateByJailLogNoClick");
  EXPECT_EQ(Messages(),
            QStringList{"None of the active inmates on Main Jail have been assigned to dorms."});
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
}

TEST_F(JailLogReportsTest, ACancelledDialogDoesNothing) {
  Dialogs.SetAnswer("cancel", "yes");
  for (const TReportCatalogueEntry* entry : Catalogue.EntriesOfButton("VereRir")) {
    SCOPED_TRACE(entry->HandlerName.toStdString());
    RunEntry(entry->HandlerName);
  }
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_TRUE(ReportSelects().isEmpty());
}

TEST_F(JailLogReportsTest, TheWholeEndMinuteIsInTheLiteralWindowOnly) {
  // L1 is stamped at the start minute, L3 half a minute into the end minute.
  Window(kDayFrom, kDayTo);
  RunEntry("JailLogNo1Click");
  EXPECT_EQ(PrintedLogNumbers(), (QStringList{"L1", "L2", "L3"}));

  Output.Documents.clear();
  ShowInmates(false);
  RunEntry("SpecifyDateByOfficerClick");
  EXPECT_EQ(PrintedLogNumbers(), QStringList{"L2"}) << "both bounds are strict here";
}

TEST_F(JailLogReportsTest, AnUnreadableBoundIsReportedOnce) {
  // One date of a pair may be left empty; the window then has no start.
  Dialogs.SetAnswer("to", kDayTo);
  RunEntry("JailLogNo1Click");
  EXPECT_EQ(Messages(), QStringList{"The date/time selected is not a valid date/time."});
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_TRUE(ReportSelects().isEmpty());
}

TEST_F(JailLogReportsTest, AFacilityCodeWithAQuoteIsData) {
  ReportSession().xsFacilityID = QStringLiteral("O'NEAL ");
  ReportSession().xsFacilityDesc = QStringLiteral("O'Neal Unit");
  AddEntry("N1", "2015-03-05", "09:00:00", "A", "HC", "Head count", "SMITH", "100",
           QStringLiteral("Quiet."), false, false, QStringLiteral("O'NEAL"));
  AddBooking("JAILBOOK", "N-B1", "DOYLE", "DAN", "O'NEAL", 0);
  Link("N1", "N-B1");

  Window(kSpanFrom, kSpanTo);
  Dorms("A", "A");
  RunEntry("SpecifyDormDateByBookNoClick");  // the values are pasted into this one
  ASSERT_EQ(Output.Documents.size(), 1u) << Messages().join('\n').toStdString();
  EXPECT_EQ(PrintedLogNumbers(), QStringList{"N1"});
  EXPECT_TRUE(ReportSelects().last().contains("B.FACICODE = 'O''NEAL' AND"));

  Output.Documents.clear();
  ShowInmates(true);
  RunEntry("DormDateByDateClick");  // bound
  ASSERT_EQ(Output.Documents.size(), 1u);
  EXPECT_EQ(PrintedLogNumbers(), QStringList{"N1"});
  EXPECT_TRUE(Output.AllTexts().contains("DOYLE, DAN Q"));
  EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM JBLOG").toInt(), 6);
}

TEST_F(JailLogReportsTest, AFailedRunIsShownAsAWarningAndLeavesTheQueriesClosed) {
  Exec("DROP TABLE JL_JB_XREF");
  Window(kDayFrom, kDayTo);
  RunEntry("JailLogNo1Click");
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_EQ(Prompts.Prompts().front().Kind, TPromptKind::pkWarning);
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  for (TKsCustomDataSet* query :
       {&ReportSession().qryGeneric, &ReportSession().qryGeneric2, &ReportSession().qryGeneric3})
    EXPECT_FALSE(query->Active());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

}  // namespace
