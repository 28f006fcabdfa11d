#include "EngineTestSupport.h"

#include "reports/engine/DisplayFormat.h"

#include <gtest/gtest.h>

namespace {

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

struct TFormatCase {
  const char* Name;
  QVariant Value;
  QString Format;
  bool BlankWhenZero;
  QString Expected;
};

class DisplayFormatTest : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(DisplayFormatTest, FormatsAsTheProgramPrints) {
  const TFormatCase& c = GetParam();
  EXPECT_EQ(FormatValue(c.Value, c.Format, c.BlankWhenZero, TFormatSettings()), c.Expected)
      << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DisplayFormatTest,
    ::testing::Values(
        TFormatCase{"short date", At(2024, 3, 4, 21, 5), "mm/dd/yyyy", false, "03/04/2024"},
        TFormatCase{"regional short date", At(2024, 3, 14, 21, 5), "ddddd", false, "03/14/2024"},
        TFormatCase{"date and short time", At(2024, 3, 14, 21, 5), "ddddd t", false,
                    "03/14/2024 09:05 PM"},
        TFormatCase{"short time", At(1899, 12, 30, 0, 7), "t", false, "12:07 AM"},
        TFormatCase{"noon", At(1899, 12, 30, 12, 0), "hh:nn AM/PM", false, "12:00 PM"},
        TFormatCase{"long time", At(1899, 12, 30, 13, 2, 9), "tt", false, "01:02:09 PM"},
        TFormatCase{"minutes after an hour", At(2024, 3, 14, 8, 45), "hh:mm", false, "08:45"},
        TFormatCase{"month names", At(2024, 3, 14), "mmm dd, yyyy (dddd)", false,
                    "Mar 14, 2024 (Thursday)"},
        TFormatCase{"long date", At(2024, 3, 14), "dddddd", false, "Mar/14/2024"},
        TFormatCase{"quoted text", At(2024, 3, 14), "'Day' d", false, "Day 14"},
        TFormatCase{"date text from the database", QString("2024-03-14 21:05:00"), "ddddd t", false,
                    "03/14/2024 09:05 PM"},
        TFormatCase{"amount", 1234567.891, "$###,###,##0.00", false, "$1,234,567.89"},
        TFormatCase{"negative amount", -5.0, "$###,###,##0.00", false, "-$5.00"},
        TFormatCase{"zero amount", 0.0, "$###,###,##0.00", false, "$0.00"},
        TFormatCase{"zero amount blank", 0.0, "$###,###,##0.00", true, ""},
        TFormatCase{"integer zero blank", 0, "", true, ""},
        TFormatCase{"grouped", 1234.5, "#,##0.00", false, "1,234.50"},
        TFormatCase{"small grouped", 0.5, "#,##0.00", false, "0.50"},
        TFormatCase{"half rounds away from zero", 2.675, "0.00", false, "2.68"},
        TFormatCase{"negative half", -0.125, "0.00", false, "-0.13"},
        TFormatCase{"rounds to zero without sign", -0.001, "0.00", false, "0.00"},
        TFormatCase{"optional decimals", 3.5, "0.##", false, "3.5"},
        TFormatCase{"negative section", -12.0, "#,##0.00;(#,##0.00)", false, "(12.00)"},
        TFormatCase{"zero section", 0.0, "#,##0.00;-#,##0.00;'none'", false, "none"},
        TFormatCase{"carry into a new digit", 999.996, "#,##0.00", false, "1,000.00"},
        TFormatCase{"no format", 42, "", false, "42"},
        TFormatCase{"double without format", 2.5, "", false, "2.5"},
        TFormatCase{"null", QVariant(), "$#,##0.00", false, ""},
        TFormatCase{"text ignores numeric format", QString("ABC"), "#,##0.00", false, "ABC"}));

TEST(ValueToStringTest, FollowsTheFieldRules) {
  const TFormatSettings s;
  EXPECT_EQ(ValueToString(QVariant(), s), "");
  EXPECT_EQ(ValueToString(true, s), "True");
  EXPECT_EQ(ValueToString(false, s), "False");
  EXPECT_EQ(ValueToString(At(2024, 3, 14), s), "03/14/2024");
  EXPECT_EQ(ValueToString(At(2024, 3, 14, 9, 5, 7), s), "03/14/2024 09:05:07 AM");
  EXPECT_EQ(ValueToString(At(1899, 12, 30, 21, 5), s), "09:05:00 PM");
  EXPECT_EQ(ValueToString(QVariant(qint64(1234567890123)), s), "1234567890123");
  EXPECT_EQ(ValueToString(0.1, s), "0.1");
}

TEST(FormatCurrencyTest, SymbolFirstMinusBeforeTheSymbol) {
  EXPECT_EQ(FormatCurrency(1234.5), "$1,234.50");
  EXPECT_EQ(FormatCurrency(-1234.5), "-$1,234.50");
  EXPECT_EQ(FormatCurrency(0), "$0.00");
  EXPECT_EQ(FormatCurrency(12, 0), "$12");
}

TEST(FormatSettingsTest, ReplacedShortDateFormatApplies) {
  TFormatSettings s;
  s.ShortDateFormat = "dd/mm/yyyy";
  EXPECT_EQ(FormatValue(At(2024, 3, 14), "ddddd", false, s), "14/03/2024");
  EXPECT_EQ(ValueToString(At(2024, 3, 14), s), "14/03/2024");
}

TEST(FormatSettingsTest, TheWorkstationFormatsReachReportPages) {
  TRegionalFormats formats;
  formats.ShortDateFormat = "dd/mm/yyyy";
  formats.ShortTimeFormat = "hh:nn";
  SetRegionalFormats(formats);
  const QString date = FormatValue(At(2024, 3, 14, 21, 5), "ddddd t");
  const QString text = ValueToString(At(2024, 3, 14));
  SetRegionalFormats(TRegionalFormats{});
  EXPECT_EQ(date, "14/03/2024 21:05");
  EXPECT_EQ(text, "14/03/2024");
}

}  // namespace
