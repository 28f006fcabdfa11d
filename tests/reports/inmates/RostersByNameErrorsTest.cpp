#include "reports/inmates/RostersByNameFixture.h"

namespace {

// Each entry reports a failed run in its own way; the released bookings'
// table is gone, so every inactive roster fails when it opens.
class RostersByNameErrorsTest : public RostersByNameFixture {
 protected:
  void SetUp() override {
    RostersByNameFixture::SetUp();
    Exec("DROP TABLE JBHISTO");
    PickFacilities("MAIN");
    AnswerCheckedOut("No");
    Prompts.AddAnswer("Which Cases you want to print ?", " All ");
    Dialogs.SetAnswer("from", "03/01/2026 08:00 AM");
    Dialogs.SetAnswer("to", "03/02/2026 05:00 PM");
  }

  // One warning about the missing table, ending as given; nothing printed.
  void ExpectOneWarning(const QString& ending = {}) {
    const QStringList warnings = Prompts.Texts(TPromptKind::pkWarning);
    ASSERT_EQ(warnings.size(), 1) << warnings.join("\n").toStdString();
    EXPECT_TRUE(warnings.first().contains("JBHISTO")) << warnings.first().toStdString();
    EXPECT_TRUE(warnings.first().endsWith(ending)) << warnings.first().toStdString();
    EXPECT_TRUE(Output.Documents.empty());
    EXPECT_TRUE(LogRows().isEmpty());
    EXPECT_EQ(Prompts.HourglassDepth(), 0);
  }
};

TEST_F(RostersByNameErrorsTest, TheShortRosterNamesTheEntry) {
  RunEntry("ShortReportInactiveClick");
  ExpectOneWarning(" / procedure: TfrmJBReportsMain.ShortReportInactiveClick");
}

TEST_F(RostersByNameErrorsTest, TheLongRosterShowsTheMessageAloneAndFreesItsModule) {
  RunEntry("LongReportInactiveClick");
  ExpectOneWarning();
  EXPECT_FALSE(Prompts.Texts(TPromptKind::pkWarning).first().contains("procedure"));
  EXPECT_EQ(dtmInmNameLongRpt, nullptr);
}

TEST_F(RostersByNameErrorsTest, ThePictureRosterLetsTheFailureReachTheProgram) {
  EXPECT_THROW(RunEntry("SpecifyInactiveDateTimeRange1Click"), EDatabaseError);
  EXPECT_EQ(Prompts.Count(TPromptKind::pkWarning), 0);
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

}  // namespace
