#include "core/RegionalFormats.h"

#include <gtest/gtest.h>

namespace {

// Each test starts from the program's own formats and leaves them so.
class RegionalFormatsTest : public testing::Test {
 protected:
  void SetUp() override { SetRegionalFormats(TRegionalFormats{}); }
  void TearDown() override { SetRegionalFormats(TRegionalFormats{}); }
};

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

struct TFormatCase {
  const char* Format;
  QDateTime Value;
  const char* Expected;
};

}  // namespace

TEST_F(RegionalFormatsTest, FormatsInTheSuitesNotation) {
  const TFormatCase cases[] = {
      {"mm/dd/yyyy", At(2015, 3, 5), "03/05/2015"},
      {"m/d/yy", At(2015, 3, 5), "3/5/15"},
      {"hh:nn AM/PM", At(2015, 3, 5, 14, 7), "02:07 PM"},
      {"hh:nn AM/PM", At(2015, 3, 5, 0, 5), "12:05 AM"},
      {"hh:nn AM/PM", At(2015, 3, 5, 12, 0), "12:00 PM"},
      {"h:nn am/pm", At(2015, 3, 5, 21, 5), "9:05 pm"},
      {"h:nn a/p", At(2015, 3, 5, 9, 5), "9:05 a"},
      {"hh:nn:ss", At(2015, 3, 5, 23, 59, 30), "23:59:30"},
      {"hh:mm", At(2015, 3, 5, 8, 42), "08:42"},  // m after h is minutes
      {"yyyy-mm-dd hh:nn:ss.zzz", At(2014, 12, 31, 23, 59, 59, 7), "2014-12-31 23:59:59.007"},
      {"ddd dddd mmm mmmm", At(2024, 3, 15), "Fri Friday Mar March"},
      {"ddddd t", At(2024, 3, 14, 21, 5), "03/14/2024 09:05 PM"},
      {"dddddd tt", At(2024, 3, 14, 21, 5, 9), "Mar/14/2024 09:05:09 PM"},
      {"c", At(2024, 3, 14), "03/14/2024"},
      {"c", At(2024, 3, 14, 1, 2, 3), "03/14/2024 01:02:03 AM"},
      {"'Printed 'mm/dd \"at\" h", At(2024, 3, 14, 13), "Printed 03/14 at 13"},
      {"ampm", At(2024, 3, 14, 13), "PM"},
  };
  for (const TFormatCase& c : cases)
    EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.Format), c.Value), QString::fromUtf8(c.Expected))
        << c.Format;
  EXPECT_EQ(FormatDateTime(QStringLiteral("mm/dd/yyyy"), QDateTime()), QString())
      << "no date prints as nothing, not as zeros";
  EXPECT_EQ(FormatDateTime(QString(), At(2024, 3, 14, 1, 2, 3)),
            QStringLiteral("03/14/2024 01:02:03 AM"));
}

TEST_F(RegionalFormatsTest, ShortAndLongFormsFollowTheWorkstationFormats) {
  EXPECT_EQ(DateToStr(QDate(2015, 3, 5)), QStringLiteral("03/05/2015"));
  EXPECT_EQ(ShortTimeToStr(QTime(18, 0)), QStringLiteral("06:00 PM"));
  EXPECT_EQ(TimeToStr(QTime(18, 0, 5)), QStringLiteral("06:00:05 PM"));

  TRegionalFormats formats;
  formats.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
  SetRegionalFormats(formats);
  EXPECT_EQ(DateToStr(QDate(2015, 3, 5)), QStringLiteral("05/03/2015"));
  QDate parsed;
  ASSERT_TRUE(TryStrToDate(QStringLiteral("05/03/2015"), parsed));
  EXPECT_EQ(parsed, QDate(2015, 3, 5));
}

TEST_F(RegionalFormatsTest, FormatThatNamesItselfStops) {
  TRegionalFormats formats;
  formats.ShortDateFormat = QStringLiteral("ddddd");
  SetRegionalFormats(formats);
  EXPECT_EQ(DateToStr(QDate(2015, 3, 5)), QString());
}

struct TDateCase {
  const char* Text;
  QDate Expected;  // invalid: not a date
};

TEST_F(RegionalFormatsTest, ReadsDatesStrictly) {
  const TDateCase cases[] = {
      {"03/05/2015", QDate(2015, 3, 5)},
      {"3/5/2015", QDate(2015, 3, 5)},
      {" 12/31/2014 ", QDate(2014, 12, 31)},
      {"3/5/15", QDate(2015, 3, 5)},
      {"02/29/2016", QDate(2016, 2, 29)},
      {"02/30/2015", QDate()},
      {"02/29/2015", QDate()},
      {"13/01/2015", QDate()},
      {"00/10/2015", QDate()},
      {"03-05-2015", QDate()},
      {"03/05/2015 2:07 PM", QDate()},
      {"03/05/20155", QDate()},
      {"", QDate()},
      {"  /  /    ", QDate()},
      {"ab/cd/efgh", QDate()},
  };
  for (const TDateCase& c : cases) {
    QDate value;
    const bool ok = TryStrToDate(QString::fromUtf8(c.Text), value);
    EXPECT_EQ(ok, c.Expected.isValid()) << c.Text;
    if (ok) {
      EXPECT_EQ(value, c.Expected) << c.Text;
    }
  }
}

TEST_F(RegionalFormatsTest, DateWithoutYearIsInTheCurrentYear) {
  QDate value;
  ASSERT_TRUE(TryStrToDate(QStringLiteral("3/5"), value));
  EXPECT_EQ(value, QDate(QDate::currentDate().year(), 3, 5));
}

struct TTimeCase {
  const char* Text;
  QTime Expected;
};

TEST_F(RegionalFormatsTest, ReadsTimes) {
  const TTimeCase cases[] = {
      {"2:07 PM", QTime(14, 7)},
      {"02:07 pm", QTime(14, 7)},
      {"11:59:30 PM", QTime(23, 59, 30)},
      {"12:00 AM", QTime(0, 0)},
      {"12:30 PM", QTime(12, 30)},
      {"14:07", QTime(14, 7)},
      {"9:05:01.5", QTime(9, 5, 1, 500)},
      {"2 PM", QTime(14, 0)},
      {"7:15p", QTime(19, 15)},
      {"13:00 PM", QTime()},
      {"24:00", QTime()},
      {"10:60", QTime()},
      {"14", QTime()},
      {"2:07 XM", QTime()},
      {"", QTime()},
  };
  for (const TTimeCase& c : cases) {
    QTime value;
    const bool ok = TryStrToTime(QString::fromUtf8(c.Text), value);
    EXPECT_EQ(ok, c.Expected.isValid()) << c.Text;
    if (ok) {
      EXPECT_EQ(value, c.Expected) << c.Text;
    }
  }
}

TEST_F(RegionalFormatsTest, ReadsDateAndTimeTogether) {
  EXPECT_EQ(StrToDateTime(QStringLiteral("3/5/2015 2:07 PM")), At(2015, 3, 5, 14, 7));
  EXPECT_EQ(StrToDateTime(QStringLiteral("3/5/2015")), At(2015, 3, 5));
  EXPECT_EQ(StrToDateTime(QStringLiteral("3/5/2015")).timeSpec(), Qt::UTC);
  try {
    StrToDate(QStringLiteral("02/30/2015"));
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("'02/30/2015' is not a valid date"));
  }
  EXPECT_THROW(StrToDateTime(QStringLiteral("3/5/2015 25:00")), EConvertError);
}

TEST_F(RegionalFormatsTest, MoneyHasTheSymbolFirstAndTheMinusBeforeIt) {
  EXPECT_EQ(FormatCurrency(1234.5), QStringLiteral("$1,234.50"));
  EXPECT_EQ(FormatCurrency(-1234.5), QStringLiteral("-$1,234.50"));
  EXPECT_EQ(FormatCurrency(0), QStringLiteral("$0.00"));
  EXPECT_EQ(FormatCurrency(-0.001), QStringLiteral("$0.00"));
  EXPECT_EQ(FormatCurrency(1234567.891), QStringLiteral("$1,234,567.89"));
  EXPECT_EQ(FormatCurrency(999.999), QStringLiteral("$1,000.00"));
  // As the amount reads, not as the double just below it rounds.
  EXPECT_EQ(FormatCurrency(2.675), QStringLiteral("$2.68"));
  EXPECT_EQ(FormatCurrency(-0.125), QStringLiteral("-$0.13"));
  EXPECT_EQ(FormatCurrency(12.5, 0), QStringLiteral("$13"));
}
