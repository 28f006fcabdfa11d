#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Small stateless helpers shared by every report: SQL date-time literals for
// range bounds, names in the roster form, durations and weekly schedule points
// kept as day fractions, and two tiny message windows.

// The quoted SQL literal " 'yyyy-mm-dd hh:nn:ss' " (one blank each side) for a
// date and a time typed in the workstation's short formats; seconds are 59 for
// the end of a range and 00 for its start. A text that is no date or time is
// reported to the user, and Literal then holds what was built before it (empty,
// or the unquoted date and a blank), so the caller's query fails in turn.
// Returns false when it reported a failure.
bool GetSQLTimeStamp(const QString& DateText, const QString& TimeText, bool EndOfMinute,
                     QString& Literal);
QString GetSQLTimeStamp(const QString& DateText, const QString& TimeText, bool EndOfMinute);

// "Last[ Title], First Middle"; with Width 0 trimmed, otherwise padded with
// blanks or cut to exactly Width characters.
void FormatFullName(const QString& First, const QString& Middle, const QString& Last, int Width,
                    const QString& Title, QString& Name);
QString FormatFullName(const QString& First, const QString& Middle, const QString& Last,
                       int Width = 0, const QString& Title = {});

// Without leading and trailing blanks (and control characters).
QString TrimBoth(const QString& Text);

// Whole days, hours and minutes of a duration in days, after rounding it to the minute.
void DecodeDuration(double Value, int& Days, int& Hours, int& Minutes);

// To the nearest whole minute, an exact half minute going to the even minute.
double RoundToMinute(double Value);
QDateTime RoundToMinute(const QDateTime& Value);

// A week-time value: whole part the day (0 = Sunday .. 6 = Saturday), fraction
// the time of day. Other day numbers are "Unknown".
void DayName(double Value, bool Full, QString& Name, double& TimeOfDay);
// "Fri 06:00 PM": short day name, a blank, the time in the short time format.
QString WeekTimeToText(double Value);

// The choice dialog over the buttons 0..HighIndex; the first caption is the
// rightmost button. Returns the 1-based number pressed, 0 when dismissed.
int ShowChoiceDialog(const QString& Caption, const QString& Text, int HighIndex,
                     const QStringList& Buttons);
int ShowChoiceDialog(const QString& Caption, const QString& Text, const QStringList& Buttons);

// A message that closes by itself after the given seconds.
void ShowTimedMessage(const QString& Caption, const QString& Text, int Seconds);

// Where report handlers send the errors they catch. It records nothing: the
// handler has already dealt with the error.
void LogHandlerError(const QString& Key, const QString& Text, int Code);
