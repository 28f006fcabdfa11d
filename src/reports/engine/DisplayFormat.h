#pragma once

#include "core/RegionalFormats.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

// The engine prints through the program's regional formats: fixed at
// start-up (and replaced from the jail configuration file where it says so),
// so dates, times and amounts on report pages read as everywhere else in the
// program. Date-time patterns are those of FormatDateTime.
using TFormatSettings = TRegionalFormats;

// The process-wide formats (user-interface thread only).
inline const TFormatSettings& FormatSettings() {
  return RegionalFormats();
}

// Number patterns: up to three sections (positive;negative;zero), 0 and #
// digit places, one decimal point, a thousands comma, anything else
// literal. A negative value without a negative section gets a leading minus
// before everything, so "$#,##0.00" prints -5 as "-$5.00".
QString FormatFloat(const QString& format, double value,
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
