#include "data/utJailDateTimeLib.h"

#include "core/Exception.h"
#include "core/RegionalFormats.h"
#include "core/UserPrompts.h"

#include <cmath>

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr qint64 kMSecsPerDay = 86400000;

QString Two(int value) {
  return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The time of day of a day fraction, to the millisecond.
QTime TimeOfDayFromFraction(double fraction) {
  qint64 ms = std::llround(std::fabs(fraction) * static_cast<double>(kMSecsPerDay));
  ms %= kMSecsPerDay;
  return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

}  // namespace

bool GetSQLTimeStamp(const QString& DateText, const QString& TimeText, bool EndOfMinute,
                     QString& Literal) {
  Literal.clear();
  try {
    const QDate date = StrToDate(DateText);
    Literal = QStringLiteral("%1-%2-%3 ")
                  .arg(date.year(), 4, 10, QLatin1Char('0'))
                  .arg(Two(date.month()), Two(date.day()));
    const QTime time = StrToTime(TimeText);
    Literal += Two(time.hour()) + QLatin1Char(':') + Two(time.minute()) +
               (EndOfMinute ? QStringLiteral(":59") : QStringLiteral(":00"));
    Literal = QStringLiteral(" '") + Literal + QStringLiteral("' ");
    return true;
  } catch (const EConvertError&) {
    UserPrompts().ShowError(QStringLiteral("The date/time selected is not a valid date/time."));
  } catch (const std::exception& e) {
    UserPrompts().ShowError(ExceptionMessage(e) + QStringLiteral(" Function: GetSQLTimeStamp"));
  }
  return false;
}

QString GetSQLTimeStamp(const QString& DateText, const QString& TimeText, bool EndOfMinute) {
  QString literal;
  GetSQLTimeStamp(DateText, TimeText, EndOfMinute, literal);
  return literal;
}

void FormatFullName(const QString& First, const QString& Middle, const QString& Last, int Width,
                    const QString& Title, QString& Name) {
  QString name = TrimBoth(Last);
  const QString title = TrimBoth(Title);
  if (!title.isEmpty()) name += QLatin1Char(' ') + title;
  name += QStringLiteral(", ") + TrimBoth(First) + QLatin1Char(' ') + TrimBoth(Middle);
  Name = Width > 0 ? name.leftJustified(Width, QLatin1Char(' '), true) : TrimBoth(name);
}

QString FormatFullName(const QString& First, const QString& Middle, const QString& Last, int Width,
                       const QString& Title) {
  QString name;
  FormatFullName(First, Middle, Last, Width, Title, name);
  return name;
}

QString TrimBoth(const QString& Text) {
  int begin = 0;
  int end = Text.size();
  while (begin < end && Text.at(begin).unicode() <= ' ') ++begin;
  while (end > begin && Text.at(end - 1).unicode() <= ' ') --end;
  return Text.mid(begin, end - begin);
}

void DecodeDuration(double Value, int& Days, int& Hours, int& Minutes) {
  const qint64 total = std::llround(RoundToMinute(Value) * kMinutesPerDay);
  Days = static_cast<int>(total / 1440);
  Hours = static_cast<int>(total % 1440 / 60);
  Minutes = static_cast<int>(total % 60);
}

double RoundToMinute(double Value) {
  // nearbyint rounds an exact half to the even neighbour in the default mode.
  return std::nearbyint(Value * kMinutesPerDay) / kMinutesPerDay;
}

QDateTime RoundToMinute(const QDateTime& Value) {
  if (!Value.isValid()) return Value;
  const QDateTime midnight(Value.date(), QTime(0, 0), Value.timeSpec());
  const qint64 ms = midnight.msecsTo(Value);
  const qint64 minutes = static_cast<qint64>(std::nearbyint(static_cast<double>(ms) / 60000.0));
  return midnight.addSecs(minutes * 60);
}

void DayName(double Value, bool Full, QString& Name, double& TimeOfDay) {
  static const char* const kFull[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
  static const char* const kShort[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  const double whole = std::trunc(Value);
  TimeOfDay = Value - whole;
  if (whole >= 0 && whole <= 6) {
    const int day = static_cast<int>(whole);
    Name = QString::fromLatin1(Full ? kFull[day] : kShort[day]);
  } else {
    Name = QStringLiteral("Unknown");
  }
}

QString WeekTimeToText(double Value) {
  QString name;
  double timeOfDay = 0;
  DayName(Value, false, name, timeOfDay);
  return name + QLatin1Char(' ') +
         FormatDateTime(RegionalFormats().ShortTimeFormat, TimeOfDayFromFraction(timeOfDay));
}

int ShowChoiceDialog(const QString& Caption, const QString& Text, int HighIndex,
                     const QStringList& Buttons) {
  const int count = std::min<int>(std::max(HighIndex + 1, 0), Buttons.size());
  return UserPrompts().ShowChoiceDialog(Caption, Text, Buttons.mid(0, count));
}

int ShowChoiceDialog(const QString& Caption, const QString& Text, const QStringList& Buttons) {
  return ShowChoiceDialog(Caption, Text, Buttons.size() - 1, Buttons);
}

void ShowTimedMessage(const QString& Caption, const QString& Text, int Seconds) {
  UserPrompts().ShowTimedMessage(Caption, Text, Seconds);
}

void LogHandlerError(const QString& Key, const QString& Text, int Code) {
  Q_UNUSED(Key);
  Q_UNUSED(Text);
  Q_UNUSED(Code);
}
