#pragma once

#include "core/Exception.h"

#include <QDateTime>
#include <QString>

// The workstation's formats: fixed by the program at start-up (optionally
// replaced from JAILCONFIG.ini) and used for every date, time and amount the
// program prints or reads back from text. Format strings use the suite's
// notation: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (minutes after h),
// yy yyyy, h hh, n nn, s ss, z zzz, t tt, c, am/pm a/p ampm, / :, and
// 'quoted' or "quoted" literal text.
struct TRegionalFormats {
  QChar DateSeparator = QLatin1Char('/');
  QChar TimeSeparator = QLatin1Char(':');
  QString ShortDateFormat = QStringLiteral("mm/dd/yyyy");
  QString LongDateFormat = QStringLiteral("mmm/dd/yyyy");
  QString ShortTimeFormat = QStringLiteral("hh:nn AM/PM");
  QString LongTimeFormat = QStringLiteral("hh:nn:ss AM/PM");
  QString TimeAMString = QStringLiteral("AM");
  QString TimePMString = QStringLiteral("PM");
  // Money: symbol before the amount with no blank, minus sign before the symbol.
  QString CurrencyString = QStringLiteral("$");
  int CurrencyDecimals = 2;
  QChar DecimalSeparator = QLatin1Char('.');
  QChar ThousandSeparator = QLatin1Char(',');
};

const TRegionalFormats& RegionalFormats();
// Replaces the process-wide formats; TRegionalFormats{} restores the program's own.
void SetRegionalFormats(const TRegionalFormats& formats);

// A text that is not a date or time in the workstation's formats.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Formatting in the suite's notation, with the workstation's formats or the
// given ones. An empty format is "c"; an invalid value prints as nothing. A
// bare time is formatted on 30 December 1899, the day the suite stores times
// of day on.
QString FormatDateTime(const QString& format, const QDateTime& value);
QString FormatDateTime(const QString& format, const QDateTime& value,
                       const TRegionalFormats& formats);
QString FormatDateTime(const QString& format, const QDate& value);
QString FormatDateTime(const QString& format, const QTime& value);

QString DateToStr(const QDate& value);          // short date
QString TimeToStr(const QTime& value);          // long time
QString ShortTimeToStr(const QTime& value);     // short time
QString DateTimeToStr(const QDateTime& value);  // short date, long time unless midnight

// Reading what a user typed, in the order of the short date format, with the
// date separator; a two-number date is in the current year, two-digit years
// fall within 50 years of today. Calendar-checked: 02/30/2015 is no date.
bool TryStrToDate(const QString& text, QDate& value);
// h:nn[:ss[.zzz]] with an optional AM/PM (or A/P); 24-hour without it.
bool TryStrToTime(const QString& text, QTime& value);
// A date, blanks, then an optional time. The result is a naive date-time (carried as UTC).
bool TryStrToDateTime(const QString& text, QDateTime& value);

// The throwing forms, with the texts "'<text>' is not a valid date" (time,
// date and time).
QDate StrToDate(const QString& text);
QTime StrToTime(const QString& text);
QDateTime StrToDateTime(const QString& text);

// An amount of money: "$1,234.50", "-$1,234.50". Negative decimals take the
// formats' CurrencyDecimals.
QString FormatCurrency(double value, int decimals = -1,
                       const TRegionalFormats& formats = RegionalFormats());

// |value| with exactly `decimals` decimals (none: no point). A half rounds
// away from zero as the number reads in decimal, so 2.675 gives "2.68" even
// though the double lies just below it.
QString RoundedDecimalText(double value, int decimals);

// English day and month names; day 1 = Sunday as in the suite, month 1 = January.
QString ShortDayName(int dayOfWeekSundayFirst);
QString LongDayName(int dayOfWeekSundayFirst);
QString ShortMonthName(int month);
QString LongMonthName(int month);
