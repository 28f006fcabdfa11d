#include "data/driver/QtPrinters.h"
#include "data/sqlite/TsqlDateTime.h"

#include <gtest/gtest.h>

namespace {

using TsqlDateTime::TParseMode;

struct TParseCase {
  const char* Text;
  TParseMode Mode;
  const char* Canonical;  // nullptr: not a date in this mode
};

std::ostream& operator<<(std::ostream& os, const TParseCase& c) {
  return os << c.Text;
}

constexpr TParseMode kCompare = TParseMode::Comparison;
constexpr TParseMode kConvert = TParseMode::Conversion;

const TParseCase kParseCases[] = {
    {"2015-03-05 14:07:59", kCompare, "2015-03-05 14:07:59"},
    {"2015-03-05 14:07:59.5", kCompare, "2015-03-05 14:07:59.500"},
    {"2015-03-05 14:07:59.000", kCompare, "2015-03-05 14:07:59"},
    {"2015-03-05", kCompare, "2015-03-05 00:00:00"},
    {"2015-03-05T14:07", kCompare, "2015-03-05 14:07:00"},
    {" 3/5/2015 ", kCompare, "2015-03-05 00:00:00"},
    {"03/05/2015 2:07 PM", kCompare, "2015-03-05 14:07:00"},
    {"03/05/2015 12:07:30 am", kCompare, "2015-03-05 00:07:30"},
    {"12/30/1899 02:07PM", kCompare, "1899-12-30 14:07:00"},
    {"03-05-2015", kCompare, "2015-03-05 00:00:00"},
    {"03-05-2015 23:59", kCompare, "2015-03-05 23:59:00"},
    {"02/29/2016", kCompare, "2016-02-29 00:00:00"},
    {"02/29/2015", kCompare, nullptr},
    {"13/01/2015", kCompare, nullptr},
    {"03/05/2015 25:00", kCompare, nullptr},
    {"03/05/2015 13:00 PM", kCompare, nullptr},
    {"03/05/15", kCompare, nullptr},
    {"2015-0001", kCompare, nullptr},
    {"20150305", kCompare, nullptr},
    {"14:07", kCompare, nullptr},
    {"Smith", kCompare, nullptr},
    {"", kCompare, nullptr},
    {"03/05/15", kConvert, "2015-03-05 00:00:00"},
    {"03/05/99", kConvert, "1999-03-05 00:00:00"},
    {"20150305", kConvert, "2015-03-05 00:00:00"},
    {"20150305 14:07", kConvert, "2015-03-05 14:07:00"},
    {"14:07", kConvert, "1900-01-01 14:07:00"},
    {"2PM", kConvert, "1900-01-01 14:00:00"},
    {"Mar  5 2015  2:07PM", kConvert, "2015-03-05 14:07:00"},
    {"March 5, 2015", kConvert, "2015-03-05 00:00:00"},
    {"5 Mar 2015 10:00", kConvert, "2015-03-05 10:00:00"},
    {"2015/03/05", kConvert, "2015-03-05 00:00:00"},
    {"Smarch 5 2015", kConvert, nullptr},
};

class TsqlDateParseTest : public testing::TestWithParam<TParseCase> {};

TEST_P(TsqlDateParseTest, ReadsTheFormsTheProgramWrites) {
  const TParseCase& c = GetParam();
  int64_t ms = 0;
  const bool ok = TsqlDateTime::Parse(QString::fromUtf8(c.Text), c.Mode, ms);
  if (!c.Canonical) {
    EXPECT_FALSE(ok) << TsqlDateTime::ToCanonical(ms).toStdString();
    return;
  }
  ASSERT_TRUE(ok);
  EXPECT_EQ(TsqlDateTime::ToCanonical(ms), QString::fromUtf8(c.Canonical));
}

INSTANTIATE_TEST_SUITE_P(Forms, TsqlDateParseTest, testing::ValuesIn(kParseCases));

TEST(TsqlDateTime, DayZeroIsFirstOfJanuary1900) {
  EXPECT_EQ(TsqlDateTime::DaysFromCivil(1900, 1, 1), 0);
  EXPECT_EQ(TsqlDateTime::DaysFromCivil(1899, 12, 30), -2);
  EXPECT_EQ(TsqlDateTime::ToCanonical(-2 * TsqlDateTime::kMsPerDay + 1), "1899-12-30 00:00:00.001");
  EXPECT_EQ(TsqlDateTime::ToCanonical(TsqlDateTime::FromDays(1.5)), "1900-01-02 12:00:00");
}

TEST(TsqlDateTime, CanonicalTextRoundTripsAcrossTheRange) {
  for (const char* text : {"0001-01-01 00:00:00", "1753-01-01 00:00:00", "1899-12-30 23:59:59.999",
                           "2000-02-29 12:00:00", "9999-12-31 23:59:59.997"}) {
    int64_t ms = 0;
    ASSERT_TRUE(TsqlDateTime::ParseCanonical(text, int(strlen(text)), ms)) << text;
    EXPECT_EQ(TsqlDateTime::ToCanonical(ms), QString::fromLatin1(text));
  }
}

TEST(TsqlDateTime, CanonicalTextSortsChronologically) {
  // The stored form compares as text in the order of the moments.
  const QStringList moments = {"1899-12-30 14:07:00", "2015-03-05 14:07:59",
                               "2015-03-05 14:07:59.500", "2015-03-05 14:08:00"};
  for (int i = 1; i < moments.size(); ++i) EXPECT_LT(moments[i - 1], moments[i]);
}

}  // namespace
