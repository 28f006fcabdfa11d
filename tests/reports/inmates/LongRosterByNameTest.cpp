#include "reports/inmates/RostersByNameFixture.h"

namespace {

// ADAMS has an open case with two charges and a closed one with one;
// BAKER has no case; CARTER has a sealed closed case.
class LongRosterByNameTest : public RostersByNameFixture {
 protected:
  void SetUp() override {
    RostersByNameFixture::SetUp();
    AddBooking("JAILBOOK", "B1", "ADAMS", "ANN", {{"HIGHOBSERVATION", 1}});
    AddBooking("JAILBOOK", "B2", "BAKER", "BOB");
    AddBooking("JAILBOOK", "B3", "CARTER", "CY");
    AddCase("B1", "C1", true,
            {{"COURTCASENUM", "CC-OPEN"},
             {"BONDLEO", 1},
             {"BONDLEOAUTH", "SGT HILL"},
             {"BONDLEOAMOUNT", 1500},
             {"RetainPrivateAttorney", 1},
             {"AttorneyName", "J. LAWYER"}});
    AddCharge("B1", "C1", "1", "BURGLARY", 100);
    AddCharge("B1", "C1", "2", "TRESPASS", 50);
    AddCase("B1", "C2", false,
            {{"COURTCASENUM", "CC-CLOSED"},
             {"BONDJUD", 1},
             {"BONJUDNAME", "JUDGE ROY"},
             {"BONDJUDGEAMOUNT", 250},
             {"GivesUpAttorney", 1}});
    AddCharge("B1", "C2", "1", "PETIT THEFT", 25);
    AddCase("B3", "C3", false, {{"COURTCASENUM", "CC-SEALED"}, {"SEAL", 1}});
    AddCharge("B3", "C3", "1", "SEALED OFFENSE", 500);
  }

  void AddCase(const QString& bookNo, const QString& caseNo, bool active, const TRow& extra) {
    TRow row = {{"BOOKNO", bookNo},
                {"CASENO", caseNo},
                {"ACTIVE", active ? 1 : 0},
                {"AGENCY", "CCSO"},
                {"AGENCYNAME", "CLAY SHERIFF"}};
    row.insert(row.end(), extra.begin(), extra.end());
    Insert("JBCASE", row);
  }

  void AddCharge(const QString& bookNo, const QString& caseNo, const QString& chargeNo,
                 const QString& description, double bond) {
    Insert("JBCHARGE", {{"BOOKNO", bookNo},
                        {"CASENO", caseNo},
                        {"CHARGENO", chargeNo},
                        {"FSDESC", description},
                        {"BONDCHARGEAMOUNT", bond}});
  }

  // Runs the active roster; `cases` answers the case question unless the
  // test has queued its answers already.
  void RunActive(const QString& cases, const QString& checkedOut = "Yes") {
    PickFacilities("MAIN");
    if (!Prompts.HasAnswer("Which Cases you want to print ?"))
      Prompts.AddAnswer("Which Cases you want to print ?", cases);
    AnswerCheckedOut(checkedOut);
    RunEntry("LongReport1Click");
  }
};

TEST_F(LongRosterByNameTest, TheCaseFilterKeepsEveryInmatesBookingLines) {
  struct Case {
    const char* Choice;
    const char* Filter;
    QStringList Printed;
    QStringList Left;
    const char* Count;
  } cases[] = {
      {" All ", "", {"BURGLARY", "PETIT THEFT", "SEALED OFFENSE"}, {}, "2"},
      {" Open ",
       " AND C.Active = 1 ",
       {"BURGLARY", "TRESPASS"},
       {"PETIT THEFT", "SEALED OFFENSE"},
       "1"},
      {" Closed ", " AND C.Active = 0 ", {"PETIT THEFT", "SEALED OFFENSE"}, {"BURGLARY"}, "2"},
  };
  // Scripted answers are taken in the order given.
  for (const Case& c : cases) Prompts.AddAnswer("Which Cases you want to print ?", c.Choice);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Choice);
    Output.Documents.clear();
    Statements.clear();
    RunActive(c.Choice);
    ASSERT_EQ(Output.Documents.size(), 1u);
    const QStringList texts = Output.AllTexts();
    for (const char* name : {"ADAMS, ANN Q", "BAKER, BOB Q", "CARTER, CY Q"})
      EXPECT_TRUE(texts.contains(name)) << name;
    for (const QString& text : c.Printed) EXPECT_TRUE(texts.contains(text)) << text.toStdString();
    for (const QString& text : c.Left) EXPECT_FALSE(texts.contains(text)) << text.toStdString();
    EXPECT_EQ(TextAfter("Total Inmates: "), c.Count) << "inmates with such cases";
    ASSERT_EQ(ReportSelects().size(), 2);
    if (*c.Filter) {
      EXPECT_TRUE(ReportSelects().at(0).contains(QString(c.Filter) + " ) sq on"));
      EXPECT_TRUE(ReportSelects().at(1).contains(c.Filter));
    }
  }
  EXPECT_EQ(LogRows().size(), 3);
  EXPECT_EQ(LogRows().first(),
            "17|JBCASE|DEMO|Jail Reports Module|Inmate Reports, By Name, Long (Cases/Charges) "
            "Report ");
}

TEST_F(LongRosterByNameTest, CheckedOutInmatesAreLeftOutWhenTheAnswerIsNo) {
  AddBooking("JAILBOOK", "B4", "DAVIS", "DI", {{"NAMERELEAS", 1}});
  RunActive(" All ", "No");
  EXPECT_FALSE(Output.AllTexts().contains("DAVIS, DI Q"));
  EXPECT_TRUE(Output.AllTexts().contains("BAKER, BOB Q"));
  for (const QString& select : ReportSelects())
    EXPECT_TRUE(select.contains("AND (NAMERELEAS = 0 or NAMERELEAS IS NULL)"));
}

TEST_F(LongRosterByNameTest, CaseAndBondTexts) {
  Insert("SharedINI", {{"VariableGroup", "UserStrings"},
                       {"VariableId", "BondByLabel"},
                       {"VariableValue", "DEPUTY"}});
  RunActive(" All ");
  const QStringList texts = Output.AllTexts();
  for (const char* text : {"Bond By DEPUTY", "SGT HILL", "$1,500.00", "J. LAWYER", "JUDGE ROY",
                           "$250.00", "Gives up Attorney", "No Bond", "N/A", "MAXIMUM"})
    EXPECT_TRUE(texts.contains(text)) << text;
  EXPECT_EQ(TextAfter("Charge Bond Totals"), "$175.00") << "ADAMS's charges";
  EXPECT_TRUE(texts.contains("$150.00")) << "the open case's total";
  EXPECT_TRUE(texts.contains("$100.00"));
  EXPECT_EQ(TextAfter("Court Case No:"), "CC-OPEN");
}

TEST_F(LongRosterByNameTest, SealedCasesShowOnlyToUsersWithFullSealedAccess) {
  struct Case {
    const char* User;
    bool SeesSealed;
  } cases[] = {{"DEMO", true}, {"CLERK", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.User);
    Output.Documents.clear();
    LogInAs(c.User);
    RunActive(" Closed ");
    const QStringList texts = Output.AllTexts();
    EXPECT_EQ(texts.contains("SEALED OFFENSE"), c.SeesSealed);
    EXPECT_EQ(texts.contains("CC-SEALED"), c.SeesSealed);
    EXPECT_EQ(texts.contains("$500.00"), c.SeesSealed) << "nor the sealed case's total";
    EXPECT_EQ(texts.contains("Sealed Case"), !c.SeesSealed);
    EXPECT_TRUE(texts.contains("PETIT THEFT"));
    EXPECT_TRUE(texts.contains("CC-CLOSED"));
    if (!c.SeesSealed) {
      const TTextCommand* label = Output.FindText("Sealed Case");
      ASSERT_NE(label, nullptr);
      EXPECT_TRUE(label->Background.isValid()) << "opaque over the case's details";
      EXPECT_TRUE(label->Font.bold());
    }
  }
}

TEST_F(LongRosterByNameTest, TheInactiveRosterReadsReleasedBookingsAndFreesItsModule) {
  AddBooking("JBHISTO", "B7", "GRANT", "GUS");
  AddCase("B7", "C7", false, {{"COURTCASENUM", "CC-OLD"}});
  AddCharge("B7", "C7", "1", "LOITERING", 0);
  PickFacilities("MAIN");
  Prompts.AddAnswer("Which Cases you want to print ?", " All ");
  RunEntry("LongReportInactiveClick");

  const QStringList texts = Output.AllTexts();
  EXPECT_TRUE(texts.contains("GRANT, GUS Q"));
  EXPECT_TRUE(texts.contains("LOITERING"));
  EXPECT_FALSE(texts.contains("ADAMS, ANN Q"));
  EXPECT_TRUE(texts.contains("Inactive Inmate Roster with Cases/Charges"));
  EXPECT_EQ(TextAfter("Total Inmates:  "), "1");
  EXPECT_EQ(Prompts.Count(TPromptKind::pkConfirmation), 0) << "no checked-out question";
  EXPECT_EQ(LogRows(), QStringList{"17|JBCASE|DEMO|Jail Reports Module|Inactive Inmate Reports, "
                                   "By Name, Long (Cases/Charges) Report "});
  EXPECT_EQ(dtmInmNameLongRpt, nullptr);

  RunActive(" All ");
  EXPECT_NE(dtmInmNameLongRpt, nullptr) << "the active roster keeps it";
}

TEST_F(LongRosterByNameTest, NoRowsAndCancelledPicker) {
  // Scripted answers are taken in the order given.
  PickFacilities("ANNEX");
  PickFacilities("Cancel");
  Prompts.AddAnswer("Which Cases you want to print ?", " All ");
  AnswerCheckedOut("Yes");
  RunEntry("LongReport1Click");
  EXPECT_EQ(Prompts.Texts(TPromptKind::pkInformation),
            QStringList{"No record were found for Active Inmates By Name Long"});

  Prompts.ClearPrompts();
  Statements.clear();
  RunEntry("LongReportInactiveClick");
  EXPECT_EQ(Prompts.Count(TPromptKind::pkChoice), 0);
  EXPECT_TRUE(ReportSelects().isEmpty());
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

}  // namespace
