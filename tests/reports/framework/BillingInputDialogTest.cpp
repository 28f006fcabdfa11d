#include "DialogTestFixture.h"
#include "reports/framework/PrintCountRangeModel.h"

TEST_F(DialogTest, BillingInputOpensOnThePreviousMonthWithPrintDisabled) {
  TPrintCountRangeModel m(&FLists, false, false, false, QDate(2015, 3, 18));
  EXPECT_EQ(m.FromDate.DateTime(), QDateTime(QDate(2015, 2, 1), QTime(0, 0), Qt::UTC));
  EXPECT_EQ(m.ToDate.DateTime(), QDateTime(QDate(2015, 2, 28), QTime(23, 59, 59), Qt::UTC));
  EXPECT_FALSE(m.PrintEnabled());
  EXPECT_EQ(m.OptionsCaption, "<<No Agency Selected>>");
  ASSERT_EQ(m.Agencies().size(), 2u);
  EXPECT_EQ(m.Agencies()[0].Org, "Ash County");  // ordered by organisation

  m.ChooseAgency(1);
  EXPECT_TRUE(m.PrintEnabled());
  EXPECT_EQ(m.Agency, "BAY COUNTY");
  EXPECT_EQ(m.OptionsCaption, "Billing Options for BAY");
  EXPECT_TRUE(m.ChargeFirstDay);
  EXPECT_FALSE(m.ChargeLastDay);
  EXPECT_TRUE(m.ChargeCheckOut);
  EXPECT_EQ(m.AmountText, "1,234.50");
}

TEST_F(DialogTest, BillingInputJanuaryGoesBackToDecember) {
  TPrintCountRangeModel m(&FLists, false, false, false, QDate(2016, 1, 5));
  EXPECT_EQ(m.FromDate.Date(), QDate(2015, 12, 1));
  EXPECT_EQ(m.ToDate.Date(), QDate(2015, 12, 31));
}

TEST_F(DialogTest, BillingInputChecks) {
  struct TCase {
    const char* From;
    const char* To;
    bool Agency;
    QString Message;
  };
  const std::vector<TCase> cases = {
      {"", "03/31/2015", true, "From and To Date must be entered"},
      {"04/01/2015", "03/31/2015", true, "To Date must be on or after From Date."},
      {"03/01/2015", "03/31/2015", false, "An agency must be selected."},
      {"03/01/2015", "03/31/2015", true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.From);
    FPrompts.ClearPrompts();
    TPrintCountRangeModel m(&FLists);
    m.FromDate.SetText(c.From);
    m.ToDate.SetText(c.To);
    if (c.Agency) m.ChooseAgency(0);
    EXPECT_EQ(m.Accept(), c.Message.isEmpty());
    EXPECT_EQ(FPrompts.Texts(TPromptKind::pkWarning).join('|'), c.Message);
  }
}

TEST_F(DialogTest, ExecuteBillingReportInputGivesTheSettings) {
  FDialogs.SetAnswer("from", "03/01/2015");
  FDialogs.SetAnswer("to", "03/31/2015");
  FDialogs.SetAnswer("agency", "ash county");
  const auto settings = ExecuteBillingReportInput(&FLists);
  ASSERT_TRUE(settings.has_value());
  EXPECT_EQ(settings->StartDate, QDateTime(QDate(2015, 3, 1), QTime(0, 0), Qt::UTC));
  EXPECT_EQ(settings->EndDate, QDateTime(QDate(2015, 3, 31), QTime(23, 59, 59), Qt::UTC));
  EXPECT_EQ(settings->JurisdictionKey, "AG2");
  EXPECT_EQ(settings->JurisdictionName, "ASH COUNTY");

  FDialogs.SetAnswer("agency", "Nowhere");
  EXPECT_FALSE(ExecuteBillingReportInput(&FLists).has_value());
  EXPECT_EQ(FDialogs.Refusal(), "'Nowhere' is not an agency with billing settings.");
}
