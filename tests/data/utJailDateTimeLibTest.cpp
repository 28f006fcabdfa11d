#include "data/utJailDateTimeLib.h"

#include "core/RegionalFormats.h"
#include "core/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

const QString kInvalid = QStringLiteral("The date/time selected is not a valid date/time.");

// Messages go to a script, formats are the program's own.
class DateTimeLib : public testing::Test {
 protected:
  void SetUp() override { SetRegionalFormats(TRegionalFormats{}); }
  void TearDown() override { SetRegionalFormats(TRegionalFormats{}); }

  TScriptedPrompts FPrompts;
  TUserPromptsScope FScope{FPrompts};
};

struct TStampCase {
  const char* Date;
  const char* Time;
  bool EndOfMinute;
  const char* Literal;
};

}  // namespace

TEST_F(DateTimeLib, SQLTimeStampReplacesSecondsByTheRangeEnd) {
  const TStampCase cases[] = {
      {"12/31/2014", "11:59:30 PM", true, " '2014-12-31 23:59:59' "},
      {"12/31/2014", "11:59:30 PM", false, " '2014-12-31 23:59:00' "},
      {"3/5/2015", "2:07 PM", true, " '2015-03-05 14:07:59' "},
      {"03/05/2015", "02:07 PM", false, " '2015-03-05 14:07:00' "},
      {"01/01/2015", "12:00 AM", false, " '2015-01-01 00:00:00' "},
      {"02/29/2016", "12:00 PM", true, " '2016-02-29 12:00:59' "},
  };
  for (const TStampCase& c : cases) {
    QString literal;
    EXPECT_TRUE(GetSQLTimeStamp(QString::fromUtf8(c.Date), QString::fromUtf8(c.Time), c.EndOfMinute,
                                literal))
        << c.Date << " " << c.Time;
    EXPECT_EQ(literal, QString::fromUtf8(c.Literal));
  }
  EXPECT_TRUE(FPrompts.Prompts().empty());
}

TEST_F(DateTimeLib, SQLTimeStampOfAnInvalidDateShowsOneMessageAndBuildsNothing) {
  QString literal = QStringLiteral("left over");
  EXPECT_FALSE(
      GetSQLTimeStamp(QStringLiteral("02/30/2015"), QStringLiteral("2:07 PM"), true, literal));
  EXPECT_EQ(literal, QString());
  ASSERT_EQ(FPrompts.Prompts().size(), 1u);
  EXPECT_EQ(FPrompts.Prompts()[0].Kind, TPromptKind::pkError);
  EXPECT_EQ(FPrompts.Prompts()[0].Text, kInvalid);
}

TEST_F(DateTimeLib, SQLTimeStampOfAnInvalidTimeKeepsTheDatePart) {
  QString literal;
  EXPECT_FALSE(
      GetSQLTimeStamp(QStringLiteral("3/5/2015"), QStringLiteral("25:07"), false, literal));
  EXPECT_EQ(literal, QStringLiteral("2015-03-05 "));
  EXPECT_EQ(FPrompts.Texts(), QStringList{kInvalid});
}

TEST_F(DateTimeLib, SQLTimeStampReadsDatesInTheConfiguredOrder) {
  TRegionalFormats formats;
  formats.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
  SetRegionalFormats(formats);
  EXPECT_EQ(GetSQLTimeStamp(QStringLiteral("05/03/2015"), QStringLiteral("2:07 PM"), true),
            QStringLiteral(" '2015-03-05 14:07:59' "));
}

struct TNameCase {
  const char* First;
  const char* Middle;
  const char* Last;
  int Width;
  const char* Title;
  const char* Expected;
};

TEST(FormatFullName, LastNameFirstPaddedOrCutToTheWidth) {
  const TNameCase cases[] = {
      {"JOHN", "", "DOE", 0, "", "DOE, JOHN"},
      {" JOHN ", " ", " DOE ", 0, " ", "DOE, JOHN"},
      {"JOHN", "QUINCY", "DOE", 0, "", "DOE, JOHN QUINCY"},
      {"JOHN", "QUINCY", "DOE", 0, "JR", "DOE JR, JOHN QUINCY"},
      {"JOHN", "", "DOE", 23, "", "DOE, JOHN              "},
      {"JOHN", "", "DOE", 24, "", "DOE, JOHN               "},
      {"JOHN", "Q", "DOE", 23, "JR", "DOE JR, JOHN Q         "},
      {"BARTHOLOMEW", "ALEXANDER", "VANDERSCHMIDT", 23, "III", "VANDERSCHMIDT III, BART"},
      {"BARTHOLOMEW", "ALEXANDER", "VANDERSCHMIDT", 24, "", "VANDERSCHMIDT, BARTHOLOM"},
  };
  for (const TNameCase& c : cases) {
    QString name;
    FormatFullName(QString::fromUtf8(c.First), QString::fromUtf8(c.Middle),
                   QString::fromUtf8(c.Last), c.Width, QString::fromUtf8(c.Title), name);
    EXPECT_EQ(name, QString::fromUtf8(c.Expected)) << c.Last << "/" << c.Width;
    if (c.Width > 0) {
      EXPECT_EQ(name.size(), c.Width);
    }
  }
}

TEST(TrimBoth, RemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(TrimBoth(QStringLiteral(" \t A B \r\n")), QStringLiteral("A B"));
  EXPECT_EQ(TrimBoth(QStringLiteral("   ")), QString());
}

struct TDurationCase {
  double Value;
  int Days, Hours, Minutes;
};

TEST(DecodeDuration, RoundsToTheMinuteFirst) {
  const TDurationCase cases[] = {
      {2.99999, 3, 0, 0},      {3.0 + 4.0 / 24 + 15.0 / 1440, 3, 4, 15},
      {0.0, 0, 0, 0},          {1.5, 1, 12, 0},
      {29.5 / 1440, 0, 0, 30},  // 29.5 minutes: half goes to the even minute
      {30.5 / 1440, 0, 0, 30},
  };
  for (const TDurationCase& c : cases) {
    int d = -1, h = -1, m = -1;
    DecodeDuration(c.Value, d, h, m);
    EXPECT_EQ(QStringLiteral("%1d %2h %3m").arg(d).arg(h).arg(m).toStdString(),
              QStringLiteral("%1d %2h %3m").arg(c.Days).arg(c.Hours).arg(c.Minutes).toStdString())
        << c.Value;
  }
}

TEST(RoundToMinute, DateTimesRoundHalfToEven) {
  const auto at = [](int h, int mi, int s, int ms = 0) {
    return QDateTime(QDate(2015, 3, 5), QTime(h, mi, s, ms), Qt::UTC);
  };
  EXPECT_EQ(RoundToMinute(at(14, 7, 29, 999)), at(14, 7, 0));
  EXPECT_EQ(RoundToMinute(at(14, 7, 30)), at(14, 8, 0));  // 7 is odd: up to 8
  EXPECT_EQ(RoundToMinute(at(14, 8, 30)), at(14, 8, 0));  // 8 is even: stays
  EXPECT_EQ(RoundToMinute(at(23, 59, 45)), QDateTime(QDate(2015, 3, 6), QTime(0, 0), Qt::UTC));
  EXPECT_EQ(RoundToMinute(at(23, 59, 45)).timeSpec(), Qt::UTC);
}

struct TWeekCase {
  double Value;
  const char* Short;
  const char* Full;
  const char* Text;
};

TEST_F(DateTimeLib, WeekTimesNameTheDayAndPrintTheShortTime) {
  const TWeekCase cases[] = {
      {0.0, "Sun", "Sunday", "Sun 12:00 AM"},
      {1.5, "Mon", "Monday", "Mon 12:00 PM"},
      {5.75, "Fri", "Friday", "Fri 06:00 PM"},
      {6.999999, "Sat", "Saturday", "Sat 11:59 PM"},
      {7.0, "Unknown", "Unknown", "Unknown 12:00 AM"},
      {7.75, "Unknown", "Unknown", "Unknown 06:00 PM"},
      {-1.25, "Unknown", "Unknown", "Unknown 06:00 AM"},
  };
  for (const TWeekCase& c : cases) {
    QString name;
    double timeOfDay = -1;
    DayName(c.Value, false, name, timeOfDay);
    EXPECT_EQ(name, QString::fromUtf8(c.Short)) << c.Value;
    DayName(c.Value, true, name, timeOfDay);
    EXPECT_EQ(name, QString::fromUtf8(c.Full)) << c.Value;
    EXPECT_EQ(WeekTimeToText(c.Value), QString::fromUtf8(c.Text)) << c.Value;
  }
  double timeOfDay = 0;
  QString name;
  DayName(5.75, true, name, timeOfDay);
  EXPECT_DOUBLE_EQ(timeOfDay, 0.75);
}

TEST_F(DateTimeLib, WeekTimeFollowsAnHourWithoutLeadingZeroFormat) {
  TRegionalFormats formats;
  formats.ShortTimeFormat = QStringLiteral("h:nn AM/PM");
  SetRegionalFormats(formats);
  EXPECT_EQ(WeekTimeToText(5.75), QStringLiteral("Fri 6:00 PM"));
  EXPECT_EQ(WeekTimeToText(7.75), QStringLiteral("Unknown 6:00 PM"));
}

TEST_F(DateTimeLib, ChoiceAndTimedMessageGoThroughThePrompts) {
  FPrompts.AddAnswer(QStringLiteral("Which Cases you want to print ?"), QStringLiteral(" All "));
  const QStringList buttons{QStringLiteral(" All "), QStringLiteral(" Open "),
                            QStringLiteral(" Closed ")};
  EXPECT_EQ(ShowChoiceDialog(QStringLiteral("Filter Report"),
                             QStringLiteral("Which Cases you want to print ?"), 2, buttons),
            1);
  // Only the buttons up to HighIndex are offered.
  FPrompts.AddAnswer(QStringLiteral("Two only"), QStringLiteral("2"));
  EXPECT_EQ(
      ShowChoiceDialog(QStringLiteral("Filter Report"), QStringLiteral("Two only"), 1, buttons), 2);
  EXPECT_EQ(FPrompts.Prompts()[1].Buttons.size(), 2);

  ShowTimedMessage(QStringLiteral("Invalid Login Attempt"), QStringLiteral("Login failed."), 5);
  ASSERT_EQ(FPrompts.Prompts().size(), 3u);
  EXPECT_EQ(FPrompts.Prompts()[2].Kind, TPromptKind::pkTimed);
  EXPECT_EQ(FPrompts.Prompts()[2].Caption, QStringLiteral("Invalid Login Attempt"));

  LogHandlerError(QStringLiteral("N/A"), QStringLiteral("x / procedure : T.Y"), 0);
  EXPECT_EQ(FPrompts.Prompts().size(), 3u);
}
