#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Date-time arithmetic of the T-SQL layer. A moment is a count of
// milliseconds from 1 January 1900 00:00 (SQL Server's day zero), so a
// number of days converts to a date-time the way T-SQL converts it. The
// embedded database stores the canonical text "YYYY-MM-DD HH:MM:SS" with
// ".fff" only when the milliseconds are not zero.
namespace TsqlDateTime {

constexpr int64_t kMsPerDay = 86400000;

struct TParts {
  int Year = 1900, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// Which texts a parse accepts.
enum class TParseMode {
  // Texts the program writes where they meet date-time values: ISO
  // ("yyyy-mm-dd[( |T)hh:nn[:ss[.fff]]]") and "m/d/yyyy" or "m-d-yyyy" with
  // an optional "h:nn[:ss[.fff]] [AM|PM]".
  Comparison,
  // Everything CAST/CONVERT and the date functions take: the above plus
  // two-digit years, "yyyymmdd", a time alone (on 1 January 1900) and month
  // names ("Mar 5 2015 2:07PM", "5 March 2015").
  Conversion,
};

int64_t DaysFromCivil(int year, int month, int day);  // days from 1900-01-01
void CivilFromDays(int64_t days, int& year, int& month, int& day);
int DaysInMonth(int year, int month);
bool IsValid(const TParts& p);

int64_t FromParts(const TParts& p);
TParts ToParts(int64_t ms);

// Strict check of the canonical stored form, fast enough to run per row.
bool ParseCanonical(const char* text, int length, int64_t& ms);
bool Parse(const char* text, int length, TParseMode mode, int64_t& ms);
bool Parse(const QString& text, TParseMode mode, int64_t& ms);

// Canonical text into a buffer of at least 24 bytes; returns the length.
int FormatCanonical(int64_t ms, char* buffer);
QString ToCanonical(int64_t ms);

// Days (with fraction) from 1900-01-01 and back, as T-SQL converts numbers.
double ToDays(int64_t ms);
int64_t FromDays(double days);

}  // namespace TsqlDateTime
