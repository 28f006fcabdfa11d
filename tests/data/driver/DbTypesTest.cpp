#include "core/Exception.h"
#include "data/driver/DbTypes.h"
#include "data/driver/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace {

struct TCanonicalCase {
  const char* Text;
  QDateTime Expected;  // invalid: not a date-time
  const char* Canonical;
};

class CanonicalDateTime : public testing::TestWithParam<TCanonicalCase> {};

TEST_P(CanonicalDateTime, ParsesAndWritesTheCanonicalForm) {
  const TCanonicalCase& c = GetParam();
  const QDateTime parsed = DbValue::CanonicalToDateTime(QString::fromUtf8(c.Text));
  EXPECT_EQ(parsed, c.Expected) << c.Text;
  if (c.Expected.isValid()) {
    EXPECT_EQ(parsed.timeSpec(), Qt::UTC);
    EXPECT_EQ(DbValue::DateTimeToCanonical(parsed), QString::fromUtf8(c.Canonical));
  }
}

using DbValue::MakeDateTime;

INSTANTIATE_TEST_SUITE_P(
    Cases, CanonicalDateTime,
    testing::Values(
        TCanonicalCase{"2024-01-02 03:04:05", MakeDateTime(2024, 1, 2, 3, 4, 5),
                       "2024-01-02 03:04:05"},
        TCanonicalCase{"2024-01-02 03:04:05.120", MakeDateTime(2024, 1, 2, 3, 4, 5, 120),
                       "2024-01-02 03:04:05.120"},
        TCanonicalCase{"2024-01-02 03:04:05.000", MakeDateTime(2024, 1, 2, 3, 4, 5),
                       "2024-01-02 03:04:05"},
        TCanonicalCase{"2024-01-02T03:04:05.1234567", MakeDateTime(2024, 1, 2, 3, 4, 5, 123),
                       "2024-01-02 03:04:05.123"},
        TCanonicalCase{"2024-01-02", MakeDateTime(2024, 1, 2), "2024-01-02 00:00:00"},
        TCanonicalCase{"2024-01-02 23:59", MakeDateTime(2024, 1, 2, 23, 59), "2024-01-02 23:59:00"},
        TCanonicalCase{"1899-12-30 14:30:00", MakeDateTime(1899, 12, 30, 14, 30),
                       "1899-12-30 14:30:00"},
        // A wall-clock time inside a daylight-saving gap stays as written.
        TCanonicalCase{"2024-03-10 02:30:00", MakeDateTime(2024, 3, 10, 2, 30),
                       "2024-03-10 02:30:00"},
        TCanonicalCase{"2024-02-30", QDateTime(), ""},
        TCanonicalCase{"2024-01-02 24:00:00", QDateTime(), ""},
        TCanonicalCase{"01/02/2024", QDateTime(), ""}, TCanonicalCase{"2024-1-2", QDateTime(), ""},
        TCanonicalCase{"2024-01-02 03:04:05 PM", QDateTime(), ""},
        TCanonicalCase{"2024-01-02 03:04:05.", QDateTime(), ""},
        TCanonicalCase{"", QDateTime(), ""}));

TEST(DbValue, NaiveDateTimesKeepTheirWallClockFields) {
  const QDateTime local(QDate(2024, 7, 1), QTime(8, 15), Qt::LocalTime);
  EXPECT_EQ(DbValue::DateTimeToCanonical(local), "2024-07-01 08:15:00");
  EXPECT_EQ(DbValue::DateTimeToCanonical(QDateTime()), QString());
}

struct TBindCase {
  TFieldType DataType;
  QVariant Value;
  QVariant Expected;
};

class BindValue : public testing::TestWithParam<TBindCase> {};

TEST_P(BindValue, ConvertsToTheDeclaredKind) {
  const TBindCase& c = GetParam();
  const QVariant bound = DbValue::ToBindValue(TDbParam{"P", c.DataType, ptInput, c.Value});
  EXPECT_EQ(bound.typeId(), c.Expected.typeId());
  EXPECT_EQ(bound, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BindValue,
    testing::Values(
        TBindCase{ftUnknown, QVariant(), QVariant()}, TBindCase{ftInteger, QVariant(), QVariant()},
        TBindCase{ftUnknown, QVariant(7), QVariant(qint64(7))},
        TBindCase{ftUnknown, QVariant(2.5), QVariant(2.5)},
        TBindCase{ftUnknown, QVariant(true), QVariant(true)},
        TBindCase{ftUnknown, QVariant("x"), QVariant(QString("x"))},
        TBindCase{ftUnknown, QVariant(QByteArray("\0\1", 2)), QVariant(QByteArray("\0\1", 2))},
        TBindCase{ftUnknown, QVariant(QDate(2024, 5, 6)), QVariant(MakeDateTime(2024, 5, 6))},
        TBindCase{ftUnknown, QVariant(QTime(14, 30)), QVariant(MakeDateTime(1899, 12, 30, 14, 30))},
        TBindCase{ftInteger, QVariant(" 42 "), QVariant(qint64(42))},
        TBindCase{ftInteger, QVariant(3.0), QVariant(qint64(3))},
        TBindCase{ftFloat, QVariant("1.25"), QVariant(1.25)},
        TBindCase{ftCurrency, QVariant(3), QVariant(3.0)},
        TBindCase{ftBoolean, QVariant(0), QVariant(false)},
        TBindCase{ftBoolean, QVariant("True"), QVariant(true)},
        TBindCase{ftString, QVariant(12), QVariant(QString("12"))},
        TBindCase{ftString, QVariant(MakeDateTime(2024, 1, 2, 3, 4, 5, 6)),
                  QVariant(QString("2024-01-02 03:04:05.006"))},
        TBindCase{ftDateTime, QVariant("2024-01-02 03:04"),
                  QVariant(MakeDateTime(2024, 1, 2, 3, 4))},
        TBindCase{ftDateTime, QVariant(QDateTime(QDate(2024, 3, 10), QTime(2, 30), Qt::LocalTime)),
                  QVariant(MakeDateTime(2024, 3, 10, 2, 30))},
        TBindCase{ftBlob, QVariant("ab"), QVariant(QByteArray("ab"))}));

struct TBadBindCase {
  TFieldType DataType;
  QVariant Value;
  const char* Message;
};

class BindValueRejected : public testing::TestWithParam<TBadBindCase> {};

TEST_P(BindValueRejected, NamesTheParameter) {
  const TBadBindCase& c = GetParam();
  try {
    DbValue::ToBindValue(TDbParam{"FACICODE", c.DataType, ptInput, c.Value});
    FAIL() << "accepted";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), QString::fromUtf8(c.Message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BindValueRejected,
    testing::Values(TBadBindCase{ftInteger, QVariant("abc"),
                                 "Parameter :FACICODE: the value \"abc\" is not an integer."},
                    TBadBindCase{ftInteger, QVariant(2.5),
                                 "Parameter :FACICODE: the value \"2.5\" is not an integer."},
                    TBadBindCase{ftFloat, QVariant("1,5x"),
                                 "Parameter :FACICODE: the value \"1,5x\" is not a number."},
                    TBadBindCase{ftBoolean, QVariant("maybe"),
                                 "Parameter :FACICODE: the value \"maybe\" is not a Boolean."},
                    TBadBindCase{
                        ftDateTime, QVariant("13/45/2024"),
                        "Parameter :FACICODE: the value \"13/45/2024\" is not a date-time."}));

TEST(FindDbParam, MatchesNamesWithoutRegardToCaseOrPrefix) {
  std::vector<TDbParam> params{{"FaciCode", ftString, ptInput, "A"},
                               {"facicode", ftString, ptInput, "B"},
                               {"@UserName", ftString, ptInput, "u"}};
  ASSERT_NE(FindDbParam(params, ":FACICODE"), nullptr);
  EXPECT_EQ(FindDbParam(params, ":FACICODE")->Value, QVariant("A"));
  ASSERT_NE(FindDbParam(params, "username"), nullptr);
  EXPECT_EQ(FindDbParam(params, "Other"), nullptr);
}

}  // namespace
