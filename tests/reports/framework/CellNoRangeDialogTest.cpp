#include "DialogTestFixture.h"
#include "reports/framework/CellNoRangeModel.h"

TEST_F(DialogTest, CellListOfTheFacilityWithBedDescriptions) {
  TCellNoRangeModel m(&FLists);
  m.xsFacilityID = "MAIN ";
  ASSERT_TRUE(m.BeginShow());
  ASSERT_EQ(m.Cells().size(), 2u);
  EXPECT_EQ(m.Cells()[0].CellDescription, "MAIN*A*101");
  EXPECT_EQ(m.Cells()[1].CellDescription, "MAIN*A*102*TOP");
  EXPECT_EQ(m.Cells()[1].CellKey, "C2");
}

TEST_F(DialogTest, CellRangeChecks) {
  struct TCase {
    const char* From;
    const char* To;
    QString Message;
  };
  const std::vector<TCase> cases = {
      {"MAIN*A*101", "", "From and To Cell must be entered."},
      {"", "", "From and To Cell must be entered."},
      {"MAIN*A*101", "WEST*W*1", "'WEST*W*1' is not one of the cells listed."},
      {"MAIN*A*101", "MAIN*A*102*TOP", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.From);
    FPrompts.ClearPrompts();
    TCellNoRangeModel m(&FLists);
    ASSERT_TRUE(m.BeginShow());
    m.CellFrom = c.From;
    m.CellTo = c.To;
    EXPECT_EQ(m.Accept(), c.Message.isEmpty());
    EXPECT_EQ(m.xbPressok, c.Message.isEmpty());
    EXPECT_EQ(FPrompts.Texts(TPromptKind::pkWarning).join('|'), c.Message);
  }
}

TEST_F(DialogTest, PrintAllCellsEmptiesTheRangeAndIsAccepted) {
  TCellNoRangeModel m(&FLists);
  FDialogs.SetAnswer("cells", "MAIN*A*101..MAIN*A*102*TOP");
  ASSERT_TRUE(ParameterDialogs().ShowCellNoRange(m));
  EXPECT_EQ(m.xsCellNORangeStart, "MAIN*A*101");
  EXPECT_EQ(m.xsCellNORangeEnd, "MAIN*A*102*TOP");
  EXPECT_FALSE(m.xbAllCells);

  FDialogs.SetAnswer("all-cells", "yes");
  ASSERT_TRUE(ParameterDialogs().ShowCellNoRange(m));
  EXPECT_TRUE(m.xbAllCells);
  EXPECT_TRUE(m.xbPressok);
  EXPECT_TRUE(m.xsCellNORangeStart.isEmpty());
  EXPECT_TRUE(m.xsCellNORangeEnd.isEmpty());
  EXPECT_FALSE(m.BoxesEnabled());
}

TEST_F(DialogTest, CellRangeCancelClearsPressOk) {
  TCellNoRangeModel m(&FLists);
  FDialogs.SetAnswer("all-cells", "yes");
  ASSERT_TRUE(ParameterDialogs().ShowCellNoRange(m));
  FDialogs.SetAnswer("cancel", "yes");
  EXPECT_FALSE(ParameterDialogs().ShowCellNoRange(m));
  EXPECT_FALSE(m.xbPressok);
  EXPECT_FALSE(m.xbAllCells);
}
