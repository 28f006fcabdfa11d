#include "reports/inmates/RostersByNameFixture.h"

namespace {

class ShortRosterByNameTest : public RostersByNameFixture {
 protected:
  void SetUp() override {
    RostersByNameFixture::SetUp();
    AddBooking("JAILBOOK", "B1", "ADAMS", "ANN");
    AddBooking("JAILBOOK", "B2", "BAKER", "BOB", {{"NAMERELEAS", QVariant()}});
    AddBooking("JAILBOOK", "B3", "CARTER", "CY", {{"NAMERELEAS", 1}});
    AddBooking("JAILBOOK", "B4", "DAVIS", "DI", {{"FACICODE", "ANNEX "}, {"FACILITY", "Annex"}});
    AddBooking("JBHISTO", "B5", "EVANS", "ED");
  }
};

TEST_F(ShortRosterByNameTest, TheCheckedOutAnswerDecidesTheRowsAndTheirCount) {
  struct Case {
    const char* Handler;
    const char* CheckedOut;
    QStringList Listed;
    QStringList Left;
    const char* Count;
    const char* Title;
  } cases[] = {
      {"ShortReport1Click",
       "No",
       {"ADAMS, ANN Q", "BAKER, BOB Q"},
       {"CARTER, CY Q", "EVANS, ED Q"},
       "2",
       "Active Inmate Roster"},
      {"ShortReport1Click",
       "Yes",
       {"ADAMS, ANN Q", "BAKER, BOB Q", "CARTER, CY Q"},
       {"EVANS, ED Q", "DAVIS, DI Q"},
       "3",
       "Active Inmate Roster"},
      {"ShortReportInactiveClick",
       "No",
       {"EVANS, ED Q"},
       {"ADAMS, ANN Q", "CARTER, CY Q"},
       "1",
       "Inactive Inmate Roster"},
  };
  // Scripted answers are taken in the order given.
  PickFacilities("MAIN");
  for (const Case& c : cases) AnswerCheckedOut(c.CheckedOut);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Handler) + " " + c.CheckedOut);
    Output.Documents.clear();
    Prompts.ClearPrompts();
    RunEntry(c.Handler);

    ASSERT_EQ(Output.Documents.size(), 1u);
    const QStringList texts = Output.AllTexts();
    for (const QString& name : c.Listed) EXPECT_TRUE(texts.contains(name)) << name.toStdString();
    for (const QString& name : c.Left) EXPECT_FALSE(texts.contains(name)) << name.toStdString();
    EXPECT_EQ(TextAfter("Total Inmates:"), c.Count);
    EXPECT_TRUE(texts.contains(c.Title));
    EXPECT_TRUE(texts.contains("CLAY COUNTY SHERIFF"));
    EXPECT_EQ(Prompts.Texts(TPromptKind::pkConfirmation),
              QStringList{"Include checked out inmates?"});
  }
  EXPECT_EQ(LogRows(),
            QStringList(3, "17|JAILBOOK|DEMO|Jail Reports Module|Inmate Reports, By Name, Short"));
}

TEST_F(ShortRosterByNameTest, TheActiveStatementInFull) {
  PickFacilities("MAIN");
  AnswerCheckedOut("No");
  RunEntry("ShortReport1Click");
  ASSERT_EQ(ReportSelects().size(), 1);
  EXPECT_EQ(
      ReportSelects().first(),
      QStringList({"SELECT j.BOOKNO, j.ECSOID, j.LNAME, FACICODE,  j.FNAME, j.MNAME, j.TITLE, "
                   "j.CELLNO, j.CLASSCODEDESC, j.SEX, j.CLASSCODE, j.RACE, j.DOB, J.TRUSTYSTATUS, "
                   "J.TRUSTY, j.WORKRELTYPE, dbo.JustTheDate(j.BOOKDATE) as BOOKDATE, j.FACILITY,  "
                   "J.RELDEMANDAGNCYDESC, J.HOLD, J.WORKRELEASE, (SELECT COUNT(BOOKNO) ",
                   " FROM JAILBOOK (READUNCOMMITTED) WHERE ",
                   " (NAMERELEAS = 0 or NAMERELEAS IS NULL) AND ",
                   " FACICODE = J.FACICODE ) As InmCount ",
                   " FROM JAILBOOK j (READUNCOMMITTED) WHERE 1 = 1 ",
                   " AND (j.NAMERELEAS = 0 or j.NAMERELEAS IS NULL) ", "AND ( FaciCode = 'MAIN')",
                   " ORDER BY FACICODE, LNAME, FNAME, MNAME, TITLE"})
          .join("\n"));
}

TEST_F(ShortRosterByNameTest, RowTextsOfTheRoster) {
  Exec("UPDATE JAILBOOK SET TRUSTY = 1, TRUSTYSTATUS = 'KITCHEN', CELLNO = '' WHERE BOOKNO = 'B1'");
  Exec("UPDATE JAILBOOK SET TRUSTY = 1, TRUSTYSTATUS = NULL, CELLNO = NULL WHERE BOOKNO = 'B2'");
  Exec("UPDATE JAILBOOK SET TRUSTY = 0, TRUSTYSTATUS = 'LAUNDRY', HOLD = 1 WHERE BOOKNO = 'B3'");
  PickFacilities("MAIN");
  AnswerCheckedOut("Yes");
  RunEntry("ShortReport1Click");

  const QStringList texts = Output.AllTexts();
  EXPECT_TRUE(texts.contains("KITCHEN"));
  EXPECT_TRUE(texts.contains("N/A")) << "a trusty without a status";
  EXPECT_FALSE(texts.contains("LAUNDRY")) << "no longer a trusty";
  EXPECT_EQ(texts.count("Cell not assigned."), 2) << "an empty cell and no cell alike";
  EXPECT_TRUE(texts.contains("03/01/2026")) << "the booking date";
  const TTextCommand* name = Output.FindText("ADAMS, ANN Q");
  ASSERT_NE(name, nullptr);
  EXPECT_TRUE(name->Font.bold());
  EXPECT_TRUE(name->Font.italic());
  int ticked = 0;
  for (const TReportPage& page : Output.Documents.front().Pages)
    for (const TDrawCommand& command : page.Commands)
      if (const auto* box = std::get_if<TCheckBoxCommand>(&command)) ticked += box->Checked;
  EXPECT_EQ(ticked, 1) << "CARTER's hold";
}

TEST_F(ShortRosterByNameTest, EachFacilityStartsItsOwnPagesNumberedFromOne) {
  PickFacilities("MAIN,ANNEX");
  AnswerCheckedOut("Yes");
  RunEntry("ShortReport1Click");
  ASSERT_EQ(Output.PageCount(), 2);
  EXPECT_TRUE(Output.PageTexts(1).contains("Annex"));
  EXPECT_TRUE(Output.PageTexts(1).contains("DAVIS, DI Q"));
  EXPECT_TRUE(Output.PageTexts(2).contains("Main Jail"));
  EXPECT_TRUE(Output.PageTexts(1).contains("Page 1 of 1"));
  EXPECT_TRUE(Output.PageTexts(2).contains("Page 1 of 1"));
  EXPECT_TRUE(ReportSelects().first().contains("AND ( FaciCode = 'MAIN' OR FaciCode = 'ANNEX')"));
}

TEST_F(ShortRosterByNameTest, AFacilityCodeWithAQuoteIsQuotedIntoTheStatement) {
  AddFacility("O'NEIL", "O'Neil Unit");
  AddBooking("JAILBOOK", "B9", "OHARA", "OLA",
             {{"FACICODE", "O'NEIL"}, {"FACILITY", "O'Neil Unit"}});
  PickFacilities("O'NEIL");
  AnswerCheckedOut("No");
  RunEntry("ShortReport1Click");
  EXPECT_TRUE(ReportSelects().first().contains("FaciCode = 'O''NEIL'"));
  EXPECT_TRUE(Output.AllTexts().contains("OHARA, OLA Q"));
  EXPECT_EQ(TextAfter("Total Inmates:"), "1");
}

TEST_F(ShortRosterByNameTest, NoRowsSaysSoAndLogsNothing) {
  PickFacilities("ANNEX");
  AnswerCheckedOut("No");
  RunEntry("ShortReportInactiveClick");
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_EQ(Prompts.Texts(TPromptKind::pkInformation),
            QStringList{"No record were found for Inactive Inmate Roster"});
}

TEST_F(ShortRosterByNameTest, ACancelledFacilityPickerEndsTheRunQuietly) {
  PickFacilities("Cancel");
  RunEntry("ShortReport1Click");
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_TRUE(ReportSelects().isEmpty());
  EXPECT_EQ(Prompts.Count(TPromptKind::pkConfirmation), 0);
  EXPECT_EQ(Prompts.Count(TPromptKind::pkInformation), 0);
  EXPECT_EQ(Prompts.Count(TPromptKind::pkWarning), 0);
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

}  // namespace
