#include "data/KsSQLDatabase.h"
#include "data/ReportMasterInterface.h"
#include "reports/inmates/RostersByNameFixture.h"
#include "reports/inmates/dmRosterReportChooseDate.h"

namespace {

// The roster of 03/05/2026. ADAMS was out from 22:00 that day to 03:00 the
// next; BAKER stayed in; CARTER was booked that day and is still in; DAVIS
// was booked and released that day; EVANS was released the day before.
// GRANT was out from 22:30 to 01:00, HILL from 09:00 to 11:30, and IVES
// from 10:00 to 20:00 for the weekend (no reason code counts as an absence).
class RosterForSpecificDateTest : public RostersByNameFixture {
 protected:
  void SetUp() override {
    RostersByNameFixture::SetUp();
    AddBooking("JAILBOOK", "B1", "ADAMS", "ANN", {{"BOOKDATE", "2026-02-20 00:00:00"}});
    AddBooking("JAILBOOK", "B2", "BAKER", "BOB", {{"CELLNO", QVariant()}});
    AddBooking("JAILBOOK", "B3", "CARTER", "CY", {{"BOOKDATE", "2026-03-05 00:00:00"}});
    AddBooking("JBHISTO", "B4", "DAVIS", "DI",
               {{"BOOKDATE", "2026-03-05 00:00:00"}, {"RELDATE", "2026-03-05 00:00:00"}});
    AddBooking("JBHISTO", "B5", "EVANS", "ED", {{"RELDATE", "2026-03-04 00:00:00"}});
    AddBooking("JAILBOOK", "B6", "FOX", "FAY", {{"FACICODE", "ANNEX "}, {"FACILITY", "Annex"}});
    AddStay("B1", "2026-02-20 08:00:00", -1, "2026-03-05 22:00:00", 5);
    AddStay("B1", "2026-03-06 03:00:00", 6, QVariant(), QVariant());
    AddStay("B2", "2026-03-01 08:00:00", -1, QVariant(), QVariant());
    for (const char* bookNo : {"B7", "B8", "B10"})
      AddBooking("JAILBOOK", bookNo, QString("ZED") + bookNo, "ZOE",
                 {{"BOOKDATE", "2026-02-20 00:00:00"}});
    AddStay("B7", "2026-02-20 08:00:00", -1, "2026-03-05 22:30:00", 5);
    AddStay("B7", "2026-03-06 01:00:00", 6, QVariant(), QVariant());
    AddStay("B8", "2026-02-20 08:00:00", -1, "2026-03-05 09:00:00", 5);
    AddStay("B8", "2026-03-05 11:30:00", 6, QVariant(), QVariant());
    AddStay("B10", "2026-02-20 08:00:00", -1, "2026-03-05 10:00:00", -4);
    AddStay("B10", "2026-03-05 20:00:00", -3, QVariant(), QVariant());
  }

  void AddStay(const QString& bookNo, const QVariant& in, const QVariant& inReason,
               const QVariant& out, const QVariant& outReason) {
    Insert("CheckInOut", {{"BookNo", bookNo},
                          {"CheckInTime", in},
                          {"CheckInReasonCode", inReason},
                          {"CheckOutTime", out},
                          {"CheckOutReasonCode", outReason}});
  }

  void RunFor(const QString& day) {
    Dialogs.SetAnswer("date", day);
    RunEntry("mniRosterForSpecificDateClick");
  }

  // The hours column of the row that starts with `name`.
  QString HoursOf(const QString& name) const {
    for (const TReportDocument& document : Output.Documents)
      for (const TReportPage& page : document.Pages) {
        const TTextCommand* row = nullptr;
        for (const TDrawCommand& command : page.Commands)
          if (const auto* text = std::get_if<TTextCommand>(&command)) {
            if (text->Text == name) row = text;
            if (row && text->Box.y() == row->Box.y() && text->Box.x() > Um::FromMm(220))
              return text->Text;
          }
        if (row) return QString();
      }
    return QStringLiteral("<not listed>");
  }
};

TEST_F(RosterForSpecificDateTest, TheDaysInmatesWithTheHoursTheyWereOut) {
  RunFor("03/05/2026");
  ASSERT_EQ(Output.Documents.size(), 1u);
  const QStringList texts = Output.AllTexts();
  for (const char* listed : {"ADAMS, ANN Q", "BAKER, BOB Q", "DAVIS, DI Q"})
    EXPECT_TRUE(texts.contains(listed)) << listed;
  EXPECT_FALSE(texts.contains("CARTER, CY Q")) << "booked that day and still in";
  EXPECT_FALSE(texts.contains("EVANS, ED Q")) << "released the day before";
  EXPECT_FALSE(texts.contains("FOX, FAY Q")) << "another facility";
  EXPECT_EQ(HoursOf("ADAMS, ANN Q"), "2") << "22:00 to midnight";
  EXPECT_EQ(HoursOf("BAKER, BOB Q"), "");
  EXPECT_EQ(HoursOf("ZEDB7, ZOE Q"), "2") << "1.5 hours, to the even 2";
  EXPECT_EQ(HoursOf("ZEDB8, ZOE Q"), "2") << "2.5 hours, to the even 2";
  EXPECT_EQ(HoursOf("ZEDB10, ZOE Q"), "") << "a weekend leave";
  EXPECT_EQ(TextAfter("Total Inmates:"), "6");
  EXPECT_TRUE(texts.contains("Inmate Roster Report for 03/05/2026"));
  EXPECT_TRUE(texts.contains("Total Hours Checked Out\nFor [03/05/2026]"));
  EXPECT_TRUE(texts.contains("Main Jail"));
  EXPECT_TRUE(texts.contains("Cell not assigned."));
  EXPECT_EQ(Output.CountCommands<TImageCommand>(), 2) << "the logo at both sides";

  const TTextCommand* out = Output.FindText("ADAMS, ANN Q");
  const TTextCommand* in = Output.FindText("BAKER, BOB Q");
  ASSERT_TRUE(out && in);
  EXPECT_TRUE(out->Font.bold() && out->Font.italic());
  EXPECT_FALSE(in->Font.bold() || in->Font.italic());
  const TTextCommand* weekend = Output.FindText("ZEDB10, ZOE Q");
  ASSERT_NE(weekend, nullptr);
  EXPECT_FALSE(weekend->Font.italic());

  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_EQ(Prompts.Count(TPromptKind::pkInformation), 0);
  ASSERT_EQ(ReportSelects().size(), 1);
  EXPECT_TRUE(
      ReportSelects().first().contains("outer apply fnks_CheckInOutOnSameRow(ai.bookno) f"));
  EXPECT_TRUE(ReportSelects().first().contains("jb.FaciCode = :facility"));
}

TEST_F(RosterForSpecificDateTest, TheNextDayCountsTheHoursUntilTheReturn) {
  RunFor("03/06/2026");
  EXPECT_EQ(HoursOf("ADAMS, ANN Q"), "3");
  EXPECT_TRUE(Output.AllTexts().contains("CARTER, CY Q"));
  EXPECT_FALSE(Output.AllTexts().contains("DAVIS, DI Q"));
}

TEST_F(RosterForSpecificDateTest, AnEmptyDayStillPrintsItsPage) {
  RunFor("01/01/2020");
  ASSERT_EQ(Output.PageCount(), 1);
  EXPECT_EQ(TextAfter("Total Inmates:"), "0");
  EXPECT_EQ(Prompts.Count(TPromptKind::pkInformation), 0);
}

TEST_F(RosterForSpecificDateTest, TheFacilityIsBoundNotPasted) {
  AddFacility("O'NEIL", "O'Neil Unit");
  AddBooking("JAILBOOK", "B9", "OHARA", "OLA", {{"FACICODE", "O'NEIL"}});
  dtmJailAdminReports->xsFacilityID = "O'NEIL";
  dtmJailAdminReports->xsFacilityDesc = "O'Neil Unit";
  RunFor("03/05/2026");
  EXPECT_TRUE(Output.AllTexts().contains("OHARA, OLA Q"));
  EXPECT_TRUE(Output.AllTexts().contains("O'Neil Unit"));
  EXPECT_FALSE(Output.AllTexts().contains("ADAMS, ANN Q"));
}

TEST_F(RosterForSpecificDateTest, ACancelledDayEndsTheEntry) {
  Dialogs.SetAnswer("cancel", "yes");
  RunEntry("mniRosterForSpecificDateClick");
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(ReportSelects().isEmpty());
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

// A report master whose connection was never opened.
class TClosedMaster : public IReportMaster {
 public:
  TKsSQLDatabase* GetDatabaseConnection() override { return &Db; }
  TFacilityInformation GetFacility() override { return {"Main Jail", "MAIN"}; }
  TKsSQLDatabase Db{QStringLiteral("dbClosed")};
};

TEST_F(RosterForSpecificDateTest, MissingOrClosedArgumentsAreRefused) {
  TClosedMaster closed;
  struct Case {
    const char* Name;
    IReportMaster* Master;
    IPrimaryAgencyInfoProvider* Agency;
    const char* Message;
  } cases[] = {
      {"no master", nullptr, dtmMastCfg, "Invalid arguments. RunChooseDateRosterReport"},
      {"no agency", dtmJailAdminReports, nullptr, "Invalid arguments. RunChooseDateRosterReport"},
      {"closed connection", &closed, dtmMastCfg,
       "Invalid arguments.  TdmRosterReportChooseDate.SetDbConnection"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      RunChooseDateRosterReport(c.Master, dtmJailAdminReports, c.Agency);
      ADD_FAILURE() << "accepted";
    } catch (const ERosterReportError& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
  }
  EXPECT_TRUE(Output.Documents.empty());
}

}  // namespace
