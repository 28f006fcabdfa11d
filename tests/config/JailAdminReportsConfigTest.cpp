#include "config/dmJailAdminReportsConfig.h"

#include "config/KsConfigInfo.h"
#include "config/dmJailAdminReportsConfigFormats.h"
#include "config/dmJailConfigIni.h"
#include "core/RegionalFormats.h"
#include "core/ScriptedPrompts.h"
#include "fixtures/SuiteTestDatabase.h"

namespace {

// The formats are process-wide: every test leaves the program's own behind.
class JailAdminReportsConfigTest : public testing::Test {
 protected:
  void SetUp() override {
    TRegionalFormats workstation;
    workstation.ShortDateFormat = QStringLiteral("yyyy-mm-dd");
    workstation.DateSeparator = QLatin1Char('-');
    workstation.CurrencyString = QStringLiteral("EUR");
    SetRegionalFormats(workstation);
  }
  void TearDown() override { SetRegionalFormats(TRegionalFormats{}); }

  void WriteJailConfig(const QString& name, const QByteArray& text) {
    TSuiteTestDatabase::WriteFile(Suite.ConfigFolder + name, text);
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
};

TEST_F(JailAdminReportsConfigTest, WithoutJailConfigTheProgramsFormatsApply) {
  TdtmJailAdminReportsConfig config;
  const TRegionalFormats& f = RegionalFormats();
  EXPECT_EQ(f.DateSeparator, QLatin1Char('/'));
  EXPECT_EQ(f.ShortDateFormat, "mm/dd/yyyy");
  EXPECT_EQ(f.LongDateFormat, "mmm/dd/yyyy");
  EXPECT_EQ(f.ShortTimeFormat, "hh:nn AM/PM");
  EXPECT_EQ(f.LongTimeFormat, "hh:nn:ss AM/PM");
  EXPECT_EQ(f.CurrencyString, "EUR") << "only the date and time formats are the module's";
  EXPECT_EQ(DateToStr(QDate(2014, 12, 31)), "12/31/2014");
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(JailAdminReportsConfigTest, NonEmptyValuesOfJailConfigReplaceTheFormats) {
  WriteJailConfig("jailconfig.INI",
                  "[SYSTEM]\r\nKSShortDateFormat=dd/mm/yyyy\r\nKSLongDateFormat=\r\n"
                  "KSShortTimeFormat=hh:nn\r\n");
  TdtmJailAdminReportsConfig config;
  const TRegionalFormats& f = RegionalFormats();
  EXPECT_EQ(f.ShortDateFormat, "dd/mm/yyyy");
  EXPECT_EQ(f.LongDateFormat, "mmm/dd/yyyy") << "an empty value keeps the program's";
  EXPECT_EQ(f.ShortTimeFormat, "hh:nn");
  EXPECT_EQ(f.LongTimeFormat, "hh:nn:ss AM/PM");
  EXPECT_EQ(f.DateSeparator, QLatin1Char('/'));
  EXPECT_EQ(DateToStr(QDate(2014, 12, 31)), "31/12/2014");
  EXPECT_EQ(ShortTimeToStr(QTime(23, 59)), "23:59");
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(JailAdminReportsConfigTest, AnUnreadableJailConfigIsReportedAndTheProgramsFormatsStay) {
  WriteJailConfig("JAILCONFIG.ini",
                  "[SYSTEM]\r\nKSShortDateFormat=dd/mm/yyyy\r\nX=" + QByteArray(40000, 'x'));
  TdtmJailAdminReportsConfig config;
  EXPECT_EQ(RegionalFormats().ShortDateFormat, "mm/dd/yyyy");
  ASSERT_EQ(Prompts.Count(TPromptKind::pkWarning), 1);
  EXPECT_TRUE(Prompts.Texts(TPromptKind::pkWarning)[0].contains("JAILCONFIG.ini"))
      << Prompts.Texts().join("\n").toStdString();
}

TEST_F(JailAdminReportsConfigTest, JailSettingsModuleCarriesOnlyItsConfigInfo) {
  TdtmJailConfigIni module;
  ASSERT_NE(module.KsConfigInfo(), nullptr);
  EXPECT_EQ(module.KsConfigInfo()->KeystaneIniFolder(), Suite.ConfigFolder);
}

}  // namespace
