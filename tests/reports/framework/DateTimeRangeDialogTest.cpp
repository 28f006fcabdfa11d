#include "DialogTestFixture.h"
#include "reports/framework/DateTimeRangeModel.h"

#include <functional>

namespace {

struct TRangeCase {
  const char* Name;
  std::function<void(TDateTimeRangeModel&)> Setup;
  QString Message;  // empty: accepted
};

void Mode(TDateTimeRangeModel& m, TDateTimeRangeModel::TMode mode) {
  switch (mode) {
    case TDateTimeRangeModel::dmDateOnly:
      m.ShowDateOnly();
      break;
    case TDateTimeRangeModel::dmDateAndTimeOnly:
      m.ShowDateAndTimeOnly();
      break;
    case TDateTimeRangeModel::dmDateTimeAndDormOnly:
      m.ShowDateTimeAndDormOnly();
      break;
    case TDateTimeRangeModel::dmDateTimeAndDestinationOnly:
      m.ShowDateTimeAndDestinationOnly();
      break;
    default:
      break;
  }
}

}  // namespace

TEST_F(DialogTest, DateTimeRangeChecksInOrderWithTheirMessages) {
  using M = TDateTimeRangeModel;
  auto dates = [](M& m) {
    m.DateFrom.SetText("03/05/2015");
    m.DateTo.SetText("03/06/2015");
  };
  auto times = [](M& m) {
    m.TimeFrom.SetText("2:07 PM");
    m.TimeTo.SetText("11:00 PM");
  };
  const std::vector<TRangeCase> cases = {
      {"no dates",
       [&](M& m) {
         Mode(m, M::dmDateAndTimeOnly);
         times(m);
       },
       "Range of days must be entered."},
      {"no times",
       [&](M& m) {
         Mode(m, M::dmDateAndTimeOnly);
         dates(m);
       },
       "Range of times must be entered."},
      {"date only needs no times",
       [&](M& m) {
         Mode(m, M::dmDateOnly);
         dates(m);
       },
       ""},
      {"one date of the pair is enough",
       [&](M& m) {
         Mode(m, M::dmDateOnly);
         m.DateTo.SetText("03/06/2015");
       },
       ""},
      {"one time of the pair is enough",
       [&](M& m) {
         Mode(m, M::dmDateAndTimeOnly);
         dates(m);
         m.TimeTo.SetText("1:00 AM");
       },
       ""},
      {"no dorms",
       [&](M& m) {
         Mode(m, M::dmDateTimeAndDormOnly);
         dates(m);
         times(m);
       },
       "A range of dorms must be entered."},
      {"one dorm is enough",
       [&](M& m) {
         Mode(m, M::dmDateTimeAndDormOnly);
         dates(m);
         times(m);
         m.DormTo = "D2";
       },
       ""},
      {"a dorm not listed",
       [&](M& m) {
         Mode(m, M::dmDateTimeAndDormOnly);
         dates(m);
         times(m);
         m.DormFrom = "X9";
       },
       "'X9' is not one of the dorms listed."},
      {"no destination",
       [&](M& m) {
         Mode(m, M::dmDateTimeAndDestinationOnly);
         dates(m);
         times(m);
       },
       "A destination must be entered."},
      {"blank destination",
       [&](M& m) {
         Mode(m, M::dmDateTimeAndDestinationOnly);
         dates(m);
         times(m);
         m.SetDestination("  ");
       },
       "A destination must be entered."},
      {"no calendar date",
       [&](M& m) {
         Mode(m, M::dmDateOnly);
         m.DateFrom.SetText("02/30/2015");
         m.DateTo.SetText("03/01/2015");
       },
       "'02/30/2015' is not a valid date"},
      {"no clock time",
       [&](M& m) {
         Mode(m, M::dmDateAndTimeOnly);
         dates(m);
         m.TimeFrom.SetText("25:00");
       },
       "'25:00' is not a valid time"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    FPrompts.ClearPrompts();
    TDateTimeRangeModel model(&FLists, "Main Jail");
    c.Setup(model);
    ASSERT_TRUE(model.BeginShow());
    const bool accepted = model.Accept();
    EXPECT_EQ(accepted, c.Message.isEmpty());
    if (c.Message.isEmpty()) {
      EXPECT_TRUE(FPrompts.Prompts().empty());
    } else {
      ASSERT_EQ(FPrompts.Prompts().size(), 1u);
      EXPECT_EQ(FPrompts.Prompts()[0].Kind, TPromptKind::pkWarning);
      EXPECT_EQ(FPrompts.Prompts()[0].Text, c.Message);
    }
  }
}

TEST_F(DialogTest, DateTimeRangeModesHideControlsAndSetHeight) {
  TDateTimeRangeModel m(&FLists);
  m.ShowDateAndTimeOnly();
  EXPECT_EQ(m.Height(), 180);
  EXPECT_TRUE(m.TimesShown());
  EXPECT_FALSE(m.DormsShown() || m.DestinationShown());
  m.ShowDateOnly();
  EXPECT_EQ(m.Height(), 132);
  EXPECT_FALSE(m.TimesShown());
  m.ShowDateTimeAndDormOnly();
  EXPECT_EQ(m.Height(), 225);
  EXPECT_TRUE(m.DormsShown() && !m.DestinationShown());
  m.ShowDateTimeAndDestinationOnly();
  EXPECT_EQ(m.Height(), 225);
  EXPECT_TRUE(m.DestinationShown() && !m.DormsShown());
}

TEST_F(DialogTest, DateTimeRangeResultsFromScriptedAnswers) {
  TDateTimeRangeModel m(&FLists);
  m.ShowDateTimeAndDormOnly();
  FDialogs.SetAnswer("from", "3/5/2015 2:07 PM");
  FDialogs.SetAnswer("to", "03/06/2015 11:30 PM");
  FDialogs.SetAnswer("dorm-from", "D1");
  FDialogs.SetAnswer("dorm-to", "D2");
  ASSERT_TRUE(ParameterDialogs().ShowDateTimeRange(m)) << FDialogs.Refusal().toStdString();
  EXPECT_EQ(m.xsDateStart, "03/05/2015");
  EXPECT_EQ(m.xsDateEnd, "03/06/2015");
  EXPECT_EQ(m.xdDateStart, QDateTime(QDate(2015, 3, 5), QTime(0, 0), Qt::UTC));
  EXPECT_EQ(m.xsTimeStart, "02:07:00 PM");
  EXPECT_EQ(m.xdTimeEnd.time(), QTime(23, 30));
  EXPECT_EQ(m.xsDormStart, "D1");
  EXPECT_EQ(m.xsDormEnd, "D2");
  // Dorms of the active population of this facility only, sorted, no nulls.
  EXPECT_EQ(m.Dorms(), QStringList({"D1", "D2"}));
}

TEST_F(DialogTest, DateTimeRangeShownTwiceKeepsNoOldResults) {
  TDateTimeRangeModel m(&FLists);
  m.ShowDateTimeAndDestinationOnly();
  FDialogs.SetAnswer("from", "03/05/2015 2:07 PM");
  FDialogs.SetAnswer("to", "03/06/2015 2:07 PM");
  FDialogs.SetAnswer("destination", "court");
  ASSERT_TRUE(ParameterDialogs().ShowDateTimeRange(m));
  EXPECT_EQ(m.xsDestToPrint, "COURT");
  // The second showing is refused: nothing of the first may be left behind.
  FDialogs.SetAnswer("destination", "");
  m.Destination.clear();
  EXPECT_FALSE(ParameterDialogs().ShowDateTimeRange(m));
  EXPECT_EQ(FDialogs.Refusal(), "A destination must be entered.");
  for (const QString* s : {&m.xsDateStart, &m.xsDateEnd, &m.xsTimeStart, &m.xsTimeEnd,
                           &m.xsDormStart, &m.xsDormEnd, &m.xsDestToPrint})
    EXPECT_TRUE(s->isEmpty());
  EXPECT_FALSE(m.xdDateStart.isValid());
  EXPECT_FALSE(m.xdTimeEnd.isValid());
}

TEST_F(DialogTest, DormsFromTheLogAreKeptForTheShowing) {
  TDateTimeRangeModel m(&FLists);
  m.ShowDateTimeAndDormOnly();
  ASSERT_TRUE(m.PopulateLogDormComboBox());
  EXPECT_TRUE(m.FDormPopulatedFromLog);
  ASSERT_TRUE(m.BeginShow());
  EXPECT_EQ(m.Dorms(), QStringList({"L1", "L2"}));
}

TEST_F(DialogTest, FacilityWithoutDormsClosesTheRangeDialogAsCancelled) {
  FSuite.Exec("UPDATE JAILBOOK SET POD = NULL");
  TDateTimeRangeModel m(&FLists, "Main Jail");
  m.ShowDateTimeAndDormOnly();
  FDialogs.SetAnswer("from", "03/05/2015 2:07 PM");
  EXPECT_FALSE(ParameterDialogs().ShowDateTimeRange(m));
  EXPECT_EQ(FPrompts.Texts(),
            QStringList({"None of the active inmates on Main Jail have been assigned to dorms."}));
  EXPECT_TRUE(FDialogs.Refusal().isEmpty());
}

TEST_F(DialogTest, DestinationSearchTakesTheTrimmedMovementAndCancelEmpties) {
  TDateTimeRangeModel m(&FLists);
  const auto rows = m.Destinations();
  ASSERT_EQ(rows.size(), 2u);  // locations are not destinations
  m.ApplyDestinationPick(rows, 0);
  EXPECT_EQ(m.Destination, "COURT");
  m.ApplyDestinationPick(rows, -1);
  EXPECT_TRUE(m.Destination.isEmpty());
}

TEST_F(DialogTest, ScriptedAnswerThatIsNoDateGetsTheDialogsMessage) {
  TDateTimeRangeModel m(&FLists);
  m.ShowDateAndTimeOnly();
  FDialogs.SetAnswer("from", "02/30/2015 2:07 PM");
  FDialogs.SetAnswer("to", "03/01/2015 2:07 PM");
  EXPECT_FALSE(ParameterDialogs().ShowDateTimeRange(m));
  EXPECT_EQ(FDialogs.Refusal(), "'02/30/2015' is not a valid date");
  EXPECT_EQ(FPrompts.Texts(TPromptKind::pkWarning), QStringList({FDialogs.Refusal()}));
  EXPECT_TRUE(m.xsDateStart.isEmpty());
}
