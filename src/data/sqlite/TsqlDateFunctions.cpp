#include "data/sqlite/TsqlFunctionGroups.h"

#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlValue.h"

#include <QDateTime>

#include <algorithm>
#include <cstring>

// Date functions with T-SQL semantics over canonical date-time text. The
// translator passes date parts by their full names ("day", "minute"...).

namespace {

using namespace TsqlValue;
using TsqlDateTime::kMsPerDay;

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

enum class TPart {
  Year,
  Quarter,
  Month,
  DayOfYear,
  Day,
  Week,
  Weekday,
  Hour,
  Minute,
  Second,
  Millisecond,
  Bad
};

TPart PartOf(sqlite3_value* v) {
  const char* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  if (!p) return TPart::Bad;
  struct TName {
    const char* Name;
    TPart Part;
  };
  static const TName names[] = {
      {"year", TPart::Year},       {"yy", TPart::Year},
      {"yyyy", TPart::Year},       {"quarter", TPart::Quarter},
      {"qq", TPart::Quarter},      {"q", TPart::Quarter},
      {"month", TPart::Month},     {"mm", TPart::Month},
      {"m", TPart::Month},         {"dayofyear", TPart::DayOfYear},
      {"dy", TPart::DayOfYear},    {"y", TPart::DayOfYear},
      {"day", TPart::Day},         {"dd", TPart::Day},
      {"d", TPart::Day},           {"week", TPart::Week},
      {"wk", TPart::Week},         {"ww", TPart::Week},
      {"weekday", TPart::Weekday}, {"dw", TPart::Weekday},
      {"w", TPart::Weekday},       {"hour", TPart::Hour},
      {"hh", TPart::Hour},         {"minute", TPart::Minute},
      {"mi", TPart::Minute},       {"n", TPart::Minute},
      {"second", TPart::Second},   {"ss", TPart::Second},
      {"s", TPart::Second},        {"millisecond", TPart::Millisecond},
      {"ms", TPart::Millisecond},
  };
  for (const TName& n : names)
    if (strcasecmp(n.Name, p) == 0) return n.Part;
  return TPart::Bad;
}

void BadPart(sqlite3_context* ctx, sqlite3_value* v) {
  Error(ctx, QStringLiteral("'%1' is not a recognized datepart option.").arg(Text(v)));
}

void BadDate(sqlite3_context* ctx) {
  Error(ctx, QStringLiteral(
                 "Conversion failed when converting date and/or time from character string."));
}

// Reads a date-time argument: false with the result set (NULL or an error)
// when there is none.
bool DateArg(sqlite3_context* ctx, sqlite3_value* v, int64_t& ms) {
  if (IsNull(v)) {
    sqlite3_result_null(ctx);
    return false;
  }
  if (DateTime(v, ms)) return true;
  BadDate(ctx);
  return false;
}

int64_t DayNumber(int64_t ms) {
  return FloorDiv(ms, kMsPerDay);
}

// 1900-01-01 was a Monday; weeks start on Sunday.
int SundayIndex(int64_t day) {
  return int(((day + 1) % 7 + 7) % 7);
}  // 0 Sunday .. 6 Saturday

int64_t MonthIndex(const TsqlDateTime::TParts& p) {
  return int64_t(p.Year) * 12 + (p.Month - 1);
}

// ts_date(x): date texts of the forms the program writes become canonical;
// any other value passes unchanged.
void CanonicalDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  int64_t ms = 0;
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && !CanonicalDateTime(argv[0], ms) &&
      TsqlDateTime::Parse(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                          sqlite3_value_bytes(argv[0]), TsqlDateTime::TParseMode::Comparison, ms)) {
    ResultDateTime(ctx, ms);
    return;
  }
  sqlite3_result_value(ctx, argv[0]);
}

void Now(sqlite3_context* ctx, const QDateTime& now) {
  TsqlDateTime::TParts p;
  const QDate d = now.date();
  const QTime t = now.time();
  p.Year = d.year();
  p.Month = d.month();
  p.Day = d.day();
  p.Hour = t.hour();
  p.Minute = t.minute();
  p.Second = t.second();
  p.Millisecond = t.msec();
  ResultDateTime(ctx, TsqlDateTime::FromParts(p));
}

void GetDate(sqlite3_context* ctx, int, sqlite3_value**) {
  Now(ctx, QDateTime::currentDateTime());
}
void GetUtcDate(sqlite3_context* ctx, int, sqlite3_value**) {
  Now(ctx, QDateTime::currentDateTimeUtc());
}

// DATEDIFF counts the boundaries of the part crossed between the two values.
void DateDiff(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const TPart part = PartOf(argv[0]);
  if (part == TPart::Bad) return BadPart(ctx, argv[0]);
  if (IsNull(argv[1]) || IsNull(argv[2])) return sqlite3_result_null(ctx);
  int64_t a = 0, b = 0;
  if (!DateArg(ctx, argv[1], a) || !DateArg(ctx, argv[2], b)) return;
  const TsqlDateTime::TParts pa = TsqlDateTime::ToParts(a), pb = TsqlDateTime::ToParts(b);
  int64_t diff = 0;
  switch (part) {
    case TPart::Year:
      diff = pb.Year - pa.Year;
      break;
    case TPart::Quarter:
      diff =
          (int64_t(pb.Year) * 4 + (pb.Month - 1) / 3) - (int64_t(pa.Year) * 4 + (pa.Month - 1) / 3);
      break;
    case TPart::Month:
      diff = MonthIndex(pb) - MonthIndex(pa);
      break;
    case TPart::DayOfYear:
    case TPart::Day:
    case TPart::Weekday:
      diff = DayNumber(b) - DayNumber(a);
      break;
    case TPart::Week:
      diff = FloorDiv(DayNumber(b) + 1, 7) - FloorDiv(DayNumber(a) + 1, 7);
      break;
    case TPart::Hour:
      diff = FloorDiv(b, 3600000) - FloorDiv(a, 3600000);
      break;
    case TPart::Minute:
      diff = FloorDiv(b, 60000) - FloorDiv(a, 60000);
      break;
    case TPart::Second:
      diff = FloorDiv(b, 1000) - FloorDiv(a, 1000);
      break;
    case TPart::Millisecond:
      diff = b - a;
      break;
    case TPart::Bad:
      break;
  }
  sqlite3_result_int64(ctx, diff);
}

void DateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const TPart part = PartOf(argv[0]);
  if (part == TPart::Bad) return BadPart(ctx, argv[0]);
  if (IsNull(argv[1]) || IsNull(argv[2])) return sqlite3_result_null(ctx);
  // The number is truncated to an integer, as T-SQL does.
  int64_t n = 0;
  if (IsNumber(argv[1])) {
    n = sqlite3_value_type(argv[1]) == SQLITE_INTEGER ? sqlite3_value_int64(argv[1])
                                                      : int64_t(sqlite3_value_double(argv[1]));
  } else {
    bool isInteger = false;
    double real = 0;
    if (!ParseNumber(Text(argv[1]), isInteger, n, real)) {
      Error(ctx, QStringLiteral(
                     "Conversion failed when converting the varchar value '%1' to data type int.")
                     .arg(Text(argv[1])));
      return;
    }
    if (!isInteger) n = int64_t(real);
  }
  int64_t ms = 0;
  if (!DateArg(ctx, argv[2], ms)) return;
  switch (part) {
    case TPart::Year:
    case TPart::Quarter:
    case TPart::Month: {
      TsqlDateTime::TParts p = TsqlDateTime::ToParts(ms);
      const int64_t months = part == TPart::Year ? n * 12 : part == TPart::Quarter ? n * 3 : n;
      const int64_t index = MonthIndex(p) + months;
      if (index < 12 || index >= 12 * 10000) {
        Error(ctx, QStringLiteral("Adding a value to a 'datetime' column caused an overflow."));
        return;
      }
      p.Year = int(index / 12);
      p.Month = int(index % 12) + 1;
      p.Day = std::min(p.Day, TsqlDateTime::DaysInMonth(p.Year, p.Month));
      return ResultDateTime(ctx, TsqlDateTime::FromParts(p));
    }
    case TPart::DayOfYear:
    case TPart::Day:
    case TPart::Weekday:
      return ResultDateTime(ctx, ms + n * kMsPerDay);
    case TPart::Week:
      return ResultDateTime(ctx, ms + n * 7 * kMsPerDay);
    case TPart::Hour:
      return ResultDateTime(ctx, ms + n * 3600000);
    case TPart::Minute:
      return ResultDateTime(ctx, ms + n * 60000);
    case TPart::Second:
      return ResultDateTime(ctx, ms + n * 1000);
    case TPart::Millisecond:
      return ResultDateTime(ctx, ms + n);
    case TPart::Bad:
      break;
  }
}

int64_t DatePartValue(TPart part, int64_t ms) {
  const TsqlDateTime::TParts p = TsqlDateTime::ToParts(ms);
  const int64_t day = DayNumber(ms);
  switch (part) {
    case TPart::Year:
      return p.Year;
    case TPart::Quarter:
      return (p.Month - 1) / 3 + 1;
    case TPart::Month:
      return p.Month;
    case TPart::DayOfYear:
      return day - TsqlDateTime::DaysFromCivil(p.Year, 1, 1) + 1;
    case TPart::Day:
      return p.Day;
    case TPart::Week: {
      // Week 1 holds 1 January; weeks start on Sunday.
      const int64_t jan1 = TsqlDateTime::DaysFromCivil(p.Year, 1, 1);
      return (day - jan1 + SundayIndex(jan1)) / 7 + 1;
    }
    case TPart::Weekday:
      return SundayIndex(day) + 1;
    case TPart::Hour:
      return p.Hour;
    case TPart::Minute:
      return p.Minute;
    case TPart::Second:
      return p.Second;
    case TPart::Millisecond:
      return p.Millisecond;
    case TPart::Bad:
      break;
  }
  return 0;
}

void DatePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const TPart part = PartOf(argv[0]);
  if (part == TPart::Bad) return BadPart(ctx, argv[0]);
  int64_t ms = 0;
  if (!DateArg(ctx, argv[1], ms)) return;
  sqlite3_result_int64(ctx, DatePartValue(part, ms));
}

void DateName(sqlite3_context* ctx, int, sqlite3_value** argv) {
  static const char* const months[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
  static const char* const days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
  const TPart part = PartOf(argv[0]);
  if (part == TPart::Bad) return BadPart(ctx, argv[0]);
  int64_t ms = 0;
  if (!DateArg(ctx, argv[1], ms)) return;
  const int64_t value = DatePartValue(part, ms);
  if (part == TPart::Month) return ResultString(ctx, QString::fromLatin1(months[value - 1]));
  if (part == TPart::Weekday) return ResultString(ctx, QString::fromLatin1(days[value - 1]));
  ResultString(ctx, QString::number(value));
}

void IsDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  int64_t ms = 0;
  sqlite3_result_int(ctx,
                     sqlite3_value_type(argv[0]) == SQLITE_TEXT && DateTime(argv[0], ms) ? 1 : 0);
}

// Stored values are canonical: the parts of their text make the result
// without converting (the day's 10 characters, or the clock's from 11 on).
// (".000" is not canonical: it goes the long way and loses it.)
const char* CanonicalText(sqlite3_value* v) {
  int64_t ms = 0;
  if (!CanonicalDateTime(v, ms) || (sqlite3_value_bytes(v) == 23 && ms % 1000 == 0)) return nullptr;
  return reinterpret_cast<const char*>(sqlite3_value_text(v));
}

// dbo.JustTheDate(x): midnight of x.
void JustTheDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (const char* text = CanonicalText(argv[0])) {
    char buffer[19];
    std::memcpy(buffer, text, 10);
    std::memcpy(buffer + 10, " 00:00:00", 9);
    sqlite3_result_text(ctx, buffer, 19, SQLITE_TRANSIENT);
    return;
  }
  int64_t ms = 0;
  if (!DateArg(ctx, argv[0], ms)) return;
  ResultDateTime(ctx, DayNumber(ms) * kMsPerDay);
}

// dbo.JustTheTime(x), JustTheTime1900(x): x's time of day on 1900-01-01,
// so that JustTheDate(d) + JustTheTime(t) is the moment.
void JustTheTime(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (const char* text = CanonicalText(argv[0])) {
    const int length = sqlite3_value_bytes(argv[0]);
    char buffer[24];
    std::memcpy(buffer, "1900-01-01", 10);
    std::memcpy(buffer + 10, text + 10, size_t(length - 10));
    sqlite3_result_text(ctx, buffer, length, SQLITE_TRANSIENT);
    return;
  }
  int64_t ms = 0;
  if (!DateArg(ctx, argv[0], ms)) return;
  ResultDateTime(ctx, ms - DayNumber(ms) * kMsPerDay);
}

// ts_moment(d, t): JustTheDate(d) + JustTheTime(t) in one step, the moment
// every date/time window of the reports compares; the translator writes it
// for that sum. As there, a null gives null and a value that is no date an
// error.
void Moment(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char* day = CanonicalText(argv[0]);
  const char* clock = day ? CanonicalText(argv[1]) : nullptr;
  if (clock) {
    const int length = sqlite3_value_bytes(argv[1]);
    char buffer[24];
    std::memcpy(buffer, day, 11);
    std::memcpy(buffer + 11, clock + 11, size_t(length - 11));
    sqlite3_result_text(ctx, buffer, length, SQLITE_TRANSIENT);
    return;
  }
  int64_t date = 0, time = 0;
  const bool hasDate = !IsNull(argv[0]), hasTime = !IsNull(argv[1]);
  if ((hasDate && !DateTime(argv[0], date)) || (hasTime && !DateTime(argv[1], time)))
    return BadDate(ctx);
  if (!hasDate || !hasTime) return sqlite3_result_null(ctx);
  ResultDateTime(ctx, DayNumber(date) * kMsPerDay + (time - DayNumber(time) * kMsPerDay));
}

}  // namespace

void RegisterTsqlDateFunctions(sqlite3* db) {
  Register(db, "ts_date", 1, CanonicalDate);
  Register(db, "ts_getdate", 0, GetDate, false);
  Register(db, "ts_getutcdate", 0, GetUtcDate, false);
  Register(db, "ts_datediff", 3, DateDiff);
  Register(db, "ts_dateadd", 3, DateAdd);
  Register(db, "ts_datepart", 2, DatePart);
  Register(db, "ts_datename", 2, DateName, true, kResultSubtype);
  Register(db, "ts_isdate", 1, IsDate);
  Register(db, "JustTheDate", 1, JustTheDate);
  Register(db, "JustTheTime", 1, JustTheTime);
  Register(db, "JustTheTime1900", 1, JustTheTime);
  Register(db, "ts_moment", 2, Moment);
}
