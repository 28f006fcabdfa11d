#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// The program's regional formats. They are fixed at start-up (and may be
// replaced from the jail configuration file), then every date, time and
// amount that reports print goes through them.
struct TFormatSettings {
  QChar DateSeparator = QLatin1Char('/');
  QChar TimeSeparator = QLatin1Char(':');
  QString ShortDateFormat = QStringLiteral("mm/dd/yyyy");
  QString LongDateFormat = QStringLiteral("mmm/dd/yyyy");
  QString ShortTimeFormat = QStringLiteral("hh:nn AM/PM");
  QString LongTimeFormat = QStringLiteral("hh:nn:ss AM/PM");
  QString TimeAMString = QStringLiteral("AM");
  QString TimePMString = QStringLiteral("PM");
  QString CurrencyString = QStringLiteral("$");
  int CurrencyDecimals = 2;
  QChar ThousandSeparator = QLatin1Char(',');
  QChar DecimalSeparator = QLatin1Char('.');
};

// The process-wide settings (user-interface thread only).
TFormatSettings& FormatSettings();

// Date-time patterns: d dd ddd dddd ddddd (short date) dddddd (long date),
// m mm mmm mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss,
// z zzz, t (short time), tt (long time), c, am/pm, a/p, ampm, / and :
// (the separators), and text in single or double quotes.
QString FormatDateTime(const QString& format, const QDateTime& value,
                       const TFormatSettings& settings = FormatSettings());

// Number patterns: up to three sections (positive;negative;zero), 0 and #
// digit places, one decimal point, a thousands comma, anything else
// literal. A negative value without a negative section gets a leading minus
// before everything, so "$#,##0.00" prints -5 as "-$5.00".
QString FormatFloat(const QString& format, double value,
                    const TFormatSettings& settings = FormatSettings());

// Money in the program's currency format: "$1,234.50", "-$1,234.50".
QString FormatCurrency(double value, int decimals = -1,
                       const TFormatSettings& settings = FormatSettings());

// A field value as text, without a display format: dates in the short date
// format (with the long time when there is a time of day; a time alone on
// 30 December 1899 prints as a time), booleans "True"/"False", numbers in
// full. Null is empty.
QString ValueToString(const QVariant& value, const TFormatSettings& settings = FormatSettings());

// A field value under a component's display format: numbers through
// FormatFloat, date-times through FormatDateTime, other values as text.
// BlankWhenZero prints nothing for a numeric zero.
QString FormatValue(const QVariant& value, const QString& displayFormat, bool blankWhenZero = false,
                    const TFormatSettings& settings = FormatSettings());

// True for the QVariant types the engine treats as numbers.
bool IsNumericValue(const QVariant& value);
// Date-times, dates and times; also text in the canonical database form
// "YYYY-MM-DD[ HH:MM:SS[.fff]]", which is converted.
bool ToDateTimeValue(const QVariant& value, QDateTime& result);
