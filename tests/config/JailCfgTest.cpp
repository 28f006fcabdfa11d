#include "config/dmJAILCFG.h"

#include "core/RegionalFormats.h"
#include "core/ScriptedPrompts.h"
#include "fixtures/SuiteTestDatabase.h"

#include <gmock/gmock.h>

#include <ostream>

namespace {

using testing::EndsWith;

class JailCfgTest : public testing::Test {
 protected:
  void SetUp() override {
    // Out of FACILITYID order on purpose: the dialog lists them in that order.
    AddFacility("MAIN", "Main Jail");
    AddFacility("ANNEX", "North Annex");
    AddFacility("WORK", "Work Release Center");
    AddFacility("O'NEIL", "O'Neil Juvenile Unit");
    for (const char* facility : {"MAIN", "MAIN", "ANNEX", "WORK", "O'NEIL"})
      Suite.Exec(QStringLiteral("INSERT INTO JAILBOOK (BOOKNO, FACICODE) VALUES (?1, ?2)"),
                 {QStringLiteral("B%1").arg(++FBooking), QString::fromUtf8(facility)});
  }
  void TearDown() override { SetRegionalFormats(TRegionalFormats{}); }

  void AddFacility(const char* id, const char* description) {
    Suite.Exec(QStringLiteral("INSERT INTO CFGFACI (FACILITYID, FACILITYDESC) VALUES (?1, ?2)"),
               {QString::fromUtf8(id), QString::fromUtf8(description)});
  }

  // Bookings a report would select with the condition.
  int BookingsOf(TdtmJAILCFG& module, const QString& condition) {
    auto count = module.dbJail.CreateDataSet();
    count->SQL().SetText(
        QStringLiteral("SELECT COUNT(*) AS N FROM JAILBOOK (READUNCOMMITTED) WHERE 1 = 1 ") +
        condition);
    count->Open();
    return count->FieldByName(QStringLiteral("N")).AsInteger();
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
  int FBooking = 0;
};

struct TFacilityCase {
  const char* Name;
  const char* Answer;  // the facilities highlighted, in order; "Cancel"
  const char* Condition;
  int Bookings;  // -1: no report runs
};

void PrintTo(const TFacilityCase& c, std::ostream* os) {
  *os << c.Name;
}

class CreateFacilityStringTest : public JailCfgTest,
                                 public testing::WithParamInterface<TFacilityCase> {};

TEST_P(CreateFacilityStringTest, GivesTheConditionOnFaciCodeInTheOrderChosen) {
  const TFacilityCase& c = GetParam();
  Prompts.AddAnswer(QStringLiteral("Select Your Facility"), QString::fromUtf8(c.Answer));
  TdtmJAILCFG module;
  QString condition = QStringLiteral("left over");
  module.CreateFacilityString(condition);
  EXPECT_EQ(condition, QString::fromUtf8(c.Condition));
  EXPECT_EQ(Prompts.Count(TPromptKind::pkPickList), 1);
  EXPECT_EQ(Prompts.Prompts()[0].Buttons, QStringList({"ANNEX", "MAIN", "O'NEIL", "WORK"}))
      << "listed by FACILITYID";
  if (c.Bookings >= 0) {
    EXPECT_EQ(BookingsOf(module, condition), c.Bookings);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, CreateFacilityStringTest,
    testing::Values(
        TFacilityCase{"One", "MAIN", "AND ( FaciCode = 'MAIN')", 2},
        TFacilityCase{"ThreeInTheOrderPicked", "WORK, ANNEX, MAIN",
                      "AND ( FaciCode = 'WORK' OR FaciCode = 'ANNEX' OR FaciCode = 'MAIN')", 4},
        TFacilityCase{"ByDescription", "North Annex", "AND ( FaciCode = 'ANNEX')", 1},
        TFacilityCase{"NoneHighlightedTakesTheFirst", "", "AND ( FaciCode = 'ANNEX')", 1},
        TFacilityCase{"QuoteInTheCode", "O'NEIL", "AND ( FaciCode = 'O''NEIL')", 1},
        TFacilityCase{"Cancelled", "Cancel", "", -1}),
    [](const testing::TestParamInfo<TFacilityCase>& info) { return std::string(info.param.Name); });

TEST_F(JailCfgTest, WithNoFacilityConfiguredThereIsNoCondition) {
  Suite.Exec(QStringLiteral("DELETE FROM CFGFACI"));
  Prompts.AddAnswer(QStringLiteral("Select Your Facility"), QString());
  TdtmJAILCFG module;
  QString condition;
  module.CreateFacilityString(condition);
  EXPECT_EQ(condition, QString()) << "\"AND ()\" would break every statement";
}

TEST_F(JailCfgTest, AFailureIsShownAsAWarningNamingTheProcedure) {
  Suite.Exec(QStringLiteral("DROP TABLE CFGFACI"));
  TdtmJAILCFG module;
  QString condition;
  module.CreateFacilityString(condition);
  EXPECT_EQ(condition, QString());
  ASSERT_EQ(Prompts.Count(TPromptKind::pkWarning), 1);
  EXPECT_THAT(Prompts.Texts(TPromptKind::pkWarning)[0].toStdString(),
              EndsWith(" Error On Procedure: TdtmJAILCFG.CreateFacilityString"));
}

TEST_F(JailCfgTest, JailConfigFormatsAreReadAndApplied) {
  TSuiteTestDatabase::WriteFile(
      Suite.ConfigFolder + QStringLiteral("JAILCONFIG.ini"),
      "[SYSTEM]\r\nKSShortDateFormat=dd/mm/yyyy\r\nKSLongTimeFormat=\r\n");
  TdtmJAILCFG module;
  EXPECT_EQ(module.xsKSShortDateFormat, QStringLiteral("dd/mm/yyyy"));
  EXPECT_EQ(module.xsKSLongTimeFormat, QString());
  EXPECT_EQ(RegionalFormats().ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
  EXPECT_EQ(RegionalFormats().LongTimeFormat, TRegionalFormats{}.LongTimeFormat)
      << "an empty value keeps the format in force";
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(JailCfgTest, ACreationErrorIsShownAndCreationGoesOn) {
  TSuiteTestDatabase::WriteFile(Suite.ConfigFolder + QStringLiteral("JAILCONFIG.ini"),
                                "[SYSTEM]\r\nX=" + QByteArray(40000, 'x'));
  TdtmJAILCFG module;
  ASSERT_EQ(Prompts.Count(TPromptKind::pkError), 1);
  EXPECT_THAT(Prompts.Texts(TPromptKind::pkError)[0].toStdString(),
              EndsWith("\tOn: TdtmJAILCFG.DataModuleCreate"));
  module.tblCfgLabelPrinters.Open();
  EXPECT_TRUE(module.tblCfgLabelPrinters.Active()) << "the module is usable";
}

TEST_F(JailCfgTest, LabelPrintersAreReadInDescriptionOrder) {
  Suite.Exec(
      QStringLiteral("INSERT INTO CfgLabelPrinters (Description, PageWidth, PageHeight) VALUES "
                     "('Zebra wristbands', 11, 1), ('Avery 5160', 8.5, 11)"));
  TdtmJAILCFG module;
  module.tblCfgLabelPrinters.Open();
  EXPECT_EQ(module.tblCfgLabelPrinters.FieldByName(QStringLiteral("Description")).AsString(),
            QStringLiteral("Avery 5160"));
  EXPECT_DOUBLE_EQ(module.tblCfgLabelPrinters.FieldByName(QStringLiteral("PageWidth")).AsFloat(),
                   8.5);
}

}  // namespace
