#include "JailLogFixture.h"
#include "reports/framework/ReportRun.h"

namespace {

class JailLogPagesTest : public JailLogFixture {
 protected:
  void SetUp() override {
    JailLogFixture::SetUp();
    Window("03/05/2015 08:00 AM", "03/05/2015 02:07 PM");
  }

  // The states of the printed check boxes, in drawing order.
  std::vector<bool> CheckBoxes() const {
    std::vector<bool> states;
    for (const TReportDocument& document : Output.Documents)
      for (const TReportPage& page : document.Pages)
        for (const TDrawCommand& c : page.Commands)
          if (const auto* box = std::get_if<TCheckBoxCommand>(&c)) states.push_back(box->Checked);
    return states;
  }

  // The texts between the first `from` and the next `to` (or the end).
  QStringList Between(const QString& from, const QString& to) const {
    const QStringList after = TextsAfter(from);
    const int end = after.indexOf(to);
    return end < 0 ? after : after.mid(0, end);
  }
};

TEST_F(JailLogPagesTest, LinkedInmatesFollowTheirEntry) {
  ShowInmates(true);
  RunEntry("btnSpecAllClick");
  ASSERT_EQ(Output.Documents.size(), 1u);
  const QStringList first = Between("L1", "L3");
  EXPECT_EQ(first.filter("Booking No/Inmate Name:").size(), 2);
  const int adams = first.indexOf("ADAMS, ANN Q");
  const int baker = first.indexOf("BAKER, BOB Q");
  ASSERT_GE(adams, 1);
  EXPECT_EQ(first.at(adams - 1), "B1");
  EXPECT_GT(baker, adams);
  EXPECT_EQ(first.at(baker - 1), "B2");
  // L3 is linked only to a booking of the annex: no inmate line.
  EXPECT_TRUE(TextsAfter("L3").filter("Booking No/Inmate Name:").isEmpty());
  EXPECT_FALSE(Output.AllTexts().contains("CROSS, CY Q"));
  // L1's priority, B1 in custody, B2 released, L3 not a priority.
  EXPECT_EQ(CheckBoxes(), (std::vector<bool>{true, true, false, false}));
}

TEST_F(JailLogPagesTest, WithoutInmatesNoInmateLinePrints) {
  ShowInmates(false);
  RunEntry("btnSpecAllClick");
  ASSERT_EQ(Output.Documents.size(), 1u);
  EXPECT_TRUE(Output.AllTexts().filter("Booking No/Inmate Name:").isEmpty());
  EXPECT_EQ(PrintedLogNumbers(), (QStringList{"L1", "L2", "L3"}));
}

TEST_F(JailLogPagesTest, EachRunBuildsItsOwnLayouts) {
  Dorms("A", "B");
  ShowInmates(true);
  ShowInmates(false);
  RunEntry("DormDateByDateClick");
  ASSERT_EQ(Output.Documents.size(), 1u);
  EXPECT_FALSE(Output.AllTexts().filter("Booking No/Inmate Name:").isEmpty());

  Output.Documents.clear();
  Window("03/04/2015 06:00 PM", "03/06/2015 10:00 AM");
  RunEntry("DormDateByDateClick");
  ASSERT_EQ(Output.Documents.size(), 1u);
  EXPECT_EQ(PrintedLogNumbers(), (QStringList{"L1", "L4", "L3"}));
  EXPECT_TRUE(Output.AllTexts().filter("Booking No/Inmate Name:").isEmpty())
      << "the last run's sub-reports are not shown again";
  EXPECT_TRUE(Output.AllTexts().contains("Jail Log Report By Date/Time"));
  EXPECT_FALSE(Output.AllTexts().contains("Jail Log Report By Date/Time With Linked Inmates"));
}

TEST_F(JailLogPagesTest, TheTitleBandShowsTheAgencyFacilityWindowAndDorms) {
  Dorms("A", "B");
  RunEntry("SpecifyDormDateByJailLogNoClick");
  const QStringList page = Output.PageTexts(1);
  for (const char* text :
       {"CLAY COUNTY SHERIFF", "Jail Log Report By Inmate VereRir No", "Main Jail",
        "From Dorm:", "To Dorm:", "From:", "To:", "03/05/2015 08:00:00 AM",
        "03/05/2015 02:07:00 PM", "Printed On:", "User Name:", "DEMO", "Page 1 of 1"})
    EXPECT_TRUE(page.contains(text)) << text;
  EXPECT_EQ(page.at(page.indexOf("From Dorm:") + 1), "A");
  EXPECT_EQ(page.at(page.indexOf("To Dorm:") + 1), "B");
  EXPECT_EQ(Output.CountCommands<TImageCommand>(), 2) << "the logo at both edges";
}

TEST_F(JailLogPagesTest, EntryTextsAndTheirCaptionsForNone) {
  struct Case {
    const char* Handler;
    const char* Empty;  // what L3's NULL entry prints
  } cases[] = {
      {"JailLogNo1Click", "No Comments"},
      {"SpecifyDormDateByOfficerClick", "No Log Entry available."},
      {"SpecifyDormDateByBookNoClick", "No entry is available."},
  };
  Dorms("A", "B");
  ShowInmates(true);  // the officer report's question
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Handler);
    Output.Documents.clear();
    Prompts.ClearPrompts();
    // The booking-number entry's window leaves out the end days' edges.
    if (QString(c.Handler).contains("BookNo")) Window("03/04/2015 08:00 AM", "03/06/2015 08:00 AM");
    RunEntry(c.Handler);
    const QStringList texts = Output.AllTexts();
    EXPECT_TRUE(texts.contains(c.Empty)) << texts.join(" | ").toStdString();
    // The rich text, read (its closing paragraph mark ends the plain text).
    ASSERT_FALSE(texts.filter("Count").isEmpty());
    for (const QString& text : texts.filter("Count"))
      EXPECT_EQ(text.trimmed(), "Count clear, all present.");
  }
}

TEST_F(JailLogPagesTest, AnEmptyRichTextIsNoComments) {
  Exec("UPDATE JBLOG SET LOGENTRY = '{\\rtf1\\ansi {\\b }\\par}' WHERE JAILLOGNO = 'L2'");
  RunEntry("JailLogNo1Click");
  EXPECT_EQ(Output.AllTexts().filter("No Comments").size(), 2);  // L2 and L3
}

TEST_F(JailLogPagesTest, AMalformedEntryPrintsWhatCanBeRead) {
  AddEntry("L6", "2015-03-05", "13:00:00", "A", "HC", "Head count", "SMITH", "100",
           QStringLiteral("{\\rtf1\\ansi\\deff0 Door {\\b jammed at\\'9"));
  Link("L6", "B1");
  RunEntry("JailLogNo1Click");
  ASSERT_EQ(Output.Documents.size(), 1u);
  EXPECT_EQ(PrintedLogNumbers(), (QStringList{"L1", "L2", "L6", "L3"}));
  const QStringList texts = Output.AllTexts().filter("Door");
  ASSERT_EQ(texts.size(), 1);
  EXPECT_TRUE(texts.first().startsWith("Door jammed at")) << texts.first().toStdString();
}

TEST_F(JailLogPagesTest, BookingReportsPrintOneGroupPerBooking) {
  Window("03/04/2015 06:00 PM", "03/06/2015 10:00 AM");
  Dorms("A", "B");
  for (const char* handler : {"SpecifyDateByBookNoClick", "SpecifyDormDateByBookNoClick"}) {
    SCOPED_TRACE(handler);
    Output.Documents.clear();
    RunEntry(handler);
    ASSERT_EQ(Output.Documents.size(), 1u);
    const QStringList texts = Output.AllTexts();
    EXPECT_EQ(texts.filter("Book No:").size(), 3);
    // B1's entries, L1 and L4, under its one group.
    const QStringList b1 = Between("ADAMS, ANN Q", "Book No:");
    EXPECT_TRUE(b1.contains("L1"));
    EXPECT_TRUE(b1.contains("L4"));
    EXPECT_TRUE(Between("BAKER, BOB Q", "Book No:").contains("L1"));
  }
  // The dorm report names the state; the other ticks a box.
  const QStringList texts = Output.AllTexts();
  EXPECT_EQ(texts.at(texts.indexOf("ADAMS, ANN Q") + 1), "Active");
  EXPECT_EQ(texts.at(texts.indexOf("BAKER, BOB Q") + 1), "Inactive");
}

TEST_F(JailLogPagesTest, ALinkToAnotherFacilitysBookingNamesNoOne) {
  // L3 is linked only to B3, a booking of the annex.
  Window("03/05/2015 02:00 PM", "03/05/2015 02:10 PM");
  Link("L3", "B1");
  RunEntry("SpecifyDateByBookNoClick");
  ASSERT_EQ(Output.Documents.size(), 1u);
  const QStringList b3 = Between("B3", "Jail Log No:");
  EXPECT_EQ(b3, QStringList{"Inmate Name:"});
  EXPECT_EQ(CheckBoxes(), (std::vector<bool>{true, false, false}))
      << "B1's mark and L3's priority under each booking, no mark for B3";
}

TEST_F(JailLogPagesTest, TheBookingReportNamesTheSessionsFacility) {
  ReportSession().xsFacilityDesc = QStringLiteral("Main Jail (North)");
  RunEntry("SpecifyDateByBookNoClick");
  EXPECT_TRUE(Output.PageTexts(1).contains("Main Jail (North)"));
}

TEST_F(JailLogPagesTest, LaterPagesRepeatTheTitleAtTheTop) {
  for (int i = 0; i < 60; ++i)
    AddEntry(QStringLiteral("X%1").arg(i, 2, 10, QLatin1Char('0')), "2015-03-05", "09:00:00", "A",
             "HC", "Head count", "SMITH", "100", QStringLiteral("Routine round."));
  ShowInmates(false);
  RunEntry("SpecifyDateByLogCodeClick");
  ASSERT_GT(Output.PageCount(), 1);
  EXPECT_EQ(Output.PageTexts(1).filter("Jail Log Report By Log Code").size(), 1);
  EXPECT_EQ(Output.PageTexts(2).filter("Jail Log Report By Log Code").size(), 1);
  EXPECT_FALSE(Output.PageTexts(2).contains("CLAY COUNTY SHERIFF"));
}

}  // namespace
