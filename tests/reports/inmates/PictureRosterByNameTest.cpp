#include "reports/inmates/RostersByNameFixture.h"

namespace {

// Bookings around the range 03/01/2026 08:00 AM to 03/02/2026 05:00 PM.
class PictureRosterByNameTest : public RostersByNameFixture {
 protected:
  void SetUp() override {
    RostersByNameFixture::SetUp();
    AddBooking("JAILBOOK", "B1", "ADAMS", "ANN",
               {{"BOOKTIME", "1899-12-30 09:00:00"},
                {"INMPICTURE", PhotoJpeg()},
                {"HOLD", 1},
                {"TRUSTYSTATUS", "KITCHEN"},
                {"CLASSCODE", "MAX"},
                {"RELDEMANDAGNCYDESC", "STATE PRISON"}});
    AddBooking("JAILBOOK", "B2", "BAKER", "BOB",
               {{"BOOKDATE", "2026-03-02 00:00:00"}, {"BOOKTIME", "1899-12-30 10:00:00"}});
    AddBooking("JAILBOOK", "B3", "CARTER", "CY", {{"BOOKDATE", "2026-03-03 00:00:00"}});
    AddBooking("JAILBOOK", "B4", "DAVIS", "DI",
               {{"BOOKTIME", "1899-12-30 11:00:00"}, {"NAMERELEAS", 1}});
    AddBooking(
        "JAILBOOK", "B5", "EVANS", "ED",
        {{"FACICODE", "ANNEX "}, {"FACILITY", "Annex"}, {"BOOKTIME", "1899-12-30 12:00:00"}});
    AddBooking("JAILBOOK", "B6", "FOX", "FAY", {{"BOOKTIME", "1899-12-30 07:59:00"}});
    Dialogs.SetAnswer("from", "03/01/2026 08:00 AM");
    Dialogs.SetAnswer("to", "03/02/2026 05:00 PM");
  }

  int Count(const std::function<bool(const TDrawCommand&)>& test) const {
    int n = 0;
    for (const TReportDocument& document : Output.Documents)
      for (const TReportPage& page : document.Pages)
        for (const TDrawCommand& command : page.Commands) n += test(command) ? 1 : 0;
    return n;
  }
};

TEST_F(PictureRosterByNameTest, TheActiveRosterOfTheRangeWithPhotosAndBarCodes) {
  PickFacilities("MAIN");
  AnswerCheckedOut("No");
  RunEntry("SpecifyDateTimeRange1Click");

  ASSERT_EQ(Output.Documents.size(), 1u);
  const QStringList texts = Output.AllTexts();
  EXPECT_TRUE(texts.contains("ADAMS, ANN Q"));
  EXPECT_TRUE(texts.contains("BAKER, BOB Q"));
  for (const char* left : {"CARTER, CY Q", "DAVIS, DI Q", "EVANS, ED Q", "FOX, FAY Q"})
    EXPECT_FALSE(texts.contains(left)) << left;
  EXPECT_TRUE(texts.contains("Inmate Roster with Date/Time Range"));
  EXPECT_EQ(TextAfter("Total Inmates: "), "2");
  EXPECT_EQ(TextAfter("From:"), "03/01/2026 08:00:00 AM");
  EXPECT_EQ(TextAfter("To:"), "03/02/2026 05:00:00 PM");
  EXPECT_EQ(TextAfter("Booking Date:"), "03/01/2026");
  EXPECT_EQ(TextAfter("Trusty Status:"), "KITCHEN");
  EXPECT_EQ(TextAfter("Demanding Agency:"), "STATE PRISON");
  EXPECT_EQ(TextAfter("Classification Code:"), "MAX");

  // Both bookings carry a bar code of the booking number and no text under it.
  std::vector<QString> codes;
  for (const TReportPage& page : Output.Documents.front().Pages)
    for (const TDrawCommand& command : page.Commands)
      if (const auto* code = std::get_if<TBarcodeCommand>(&command)) {
        codes.push_back(code->Data);
        EXPECT_FALSE(code->Bars.empty());
        EXPECT_TRUE(code->HumanText.empty());
      }
  EXPECT_EQ(codes, (std::vector<QString>{"B1", "B2"}));
  EXPECT_EQ(Output.CountCommands<TImageCommand>(), 3) << "two logos and ADAMS's photograph";

  EXPECT_EQ(LogRows(), QStringList{"17|JAILBOOK|DEMO|Jail Reports Module|Inmate Reports, By Name, "
                                   "Specify Date/Time Range with Picture"});
  ASSERT_EQ(ReportSelects().size(), 2);
  EXPECT_TRUE(ReportSelects().at(0).contains(
      "AND (dbo.JustTheDate(BOOKDATE) + dbo.JustTheTime(BOOKTIME) BETWEEN  '2026-03-01 08:00:00'  "
      "AND  '2026-03-02 17:00:59' ) ORDER BY FACICODE, BOOKDATE,LNAME,FNAME,MNAME"));
  EXPECT_TRUE(ReportSelects().at(1).endsWith("GROUP BY FACICODE"));
}

TEST_F(PictureRosterByNameTest, AnInmateWithoutAPhotoPrintsTheRestOfHisBlock) {
  PickFacilities("MAIN");
  AnswerCheckedOut("No");
  RunEntry("SpecifyDateTimeRange1Click");
  const QStringList texts = Output.AllTexts();
  const int baker = texts.indexOf("BAKER, BOB Q");
  ASSERT_GE(baker, 0);
  const QStringList block = texts.mid(baker, 16);
  for (const char* text : {"B2", "MB2", "Cell Assigned:", "A-10", "N/A", "Not assigned."})
    EXPECT_TRUE(block.contains(text)) << text;
}

TEST_F(PictureRosterByNameTest, CheckedOutInmatesAndACancelledPickerWidenTheRoster) {
  PickFacilities("Cancel");
  AnswerCheckedOut("Yes");
  RunEntry("SpecifyDateTimeRange1Click");
  const QStringList texts = Output.AllTexts();
  for (const char* listed : {"ADAMS, ANN Q", "BAKER, BOB Q", "DAVIS, DI Q", "EVANS, ED Q"})
    EXPECT_TRUE(texts.contains(listed)) << listed;
  ASSERT_EQ(Output.PageCount(), 2) << "one facility per page";
  EXPECT_TRUE(Output.PageTexts(1).contains("Annex"));
  EXPECT_EQ(Output.PageTexts(1).at(Output.PageTexts(1).indexOf("Total Inmates: ") + 1), "1");
  EXPECT_EQ(Output.PageTexts(2).at(Output.PageTexts(2).indexOf("Total Inmates: ") + 1), "3");
  EXPECT_FALSE(ReportSelects().at(0).contains("FaciCode ="));
}

TEST_F(PictureRosterByNameTest, TheInactiveRosterCountsItsRows) {
  AddBooking("JBHISTO", "H1", "GRANT", "GUS", {{"INMPICTURE", PhotoJpeg()}});
  AddBooking("JBHISTO", "H2", "HILL", "HAL", {{"BOOKDATE", "2026-03-02 00:00:00"}});
  AddBooking("JBHISTO", "H3", "IVES", "IDA", {{"BOOKDATE", "2026-02-27 00:00:00"}});
  PickFacilities("MAIN");
  RunEntry("SpecifyInactiveDateTimeRange1Click");

  const QStringList texts = Output.AllTexts();
  EXPECT_TRUE(texts.contains("GRANT, GUS Q"));
  EXPECT_TRUE(texts.contains("HILL, HAL Q"));
  EXPECT_FALSE(texts.contains("IVES, IDA Q"));
  EXPECT_FALSE(texts.contains("ADAMS, ANN Q"));
  EXPECT_EQ(texts.count("Inactive Inmate Roster with Date/Time Range"), 2)
      << "the title band and the page header";
  EXPECT_EQ(TextAfter("Total Inmates:"), "2");
  EXPECT_EQ(texts.count("Booking Date:"), 2) << "one per booking date";
  EXPECT_EQ(Prompts.Count(TPromptKind::pkConfirmation), 0);
  EXPECT_EQ(LogRows(), QStringList{"17|JAILBOOK|DEMO|Jail Reports Module|Inactive Inmate Reports, "
                                   "By Name, Specify Date/Time Range with Picture"});
}

TEST_F(PictureRosterByNameTest, NothingFoundOrCancelledShowsNothing) {
  struct Case {
    const char* Name;
    std::function<void()> Arrange;
  } cases[] = {
      {"empty range",
       [this] {
         Dialogs.SetAnswer("from", "01/01/2020 08:00 AM");
         Dialogs.SetAnswer("to", "01/02/2020 08:00 AM");
         PickFacilities("MAIN");
         AnswerCheckedOut("Yes");
       }},
      {"dialog cancelled", [this] { Dialogs.SetAnswer("cancel", "yes"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Prompts.ClearPrompts();
    c.Arrange();
    RunEntry("SpecifyDateTimeRange1Click");
    EXPECT_TRUE(Output.Documents.empty());
    EXPECT_TRUE(LogRows().isEmpty());
    EXPECT_EQ(Prompts.Count(TPromptKind::pkInformation), 0);
    EXPECT_EQ(Prompts.Count(TPromptKind::pkWarning), 0);
    EXPECT_EQ(Prompts.HourglassDepth(), 0);
  }
  EXPECT_EQ(Prompts.Count(TPromptKind::pkPickList), 0) << "the cancelled dialog asks nothing more";
}

}  // namespace
