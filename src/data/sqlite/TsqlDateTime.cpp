#include "data/sqlite/TsqlDateTime.h"

#include <cmath>
#include <cstring>

namespace TsqlDateTime {

namespace {

// Days from 1970-01-01 to 1900-01-01.
constexpr int64_t kUnixDaysOf1900 = -25567;

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

class TCursor {
 public:
  TCursor(const char* begin, const char* end) : P(begin), E(end) {}

  bool AtEnd() const { return P >= E; }
  char Peek() const { return P < E ? *P : '\0'; }
  bool Take(char c) {
    if (P < E && *P == c) {
      ++P;
      return true;
    }
    return false;
  }
  void SkipSpaces() {
    while (P < E && IsSpace(*P)) ++P;
  }
  // Reads 1..max digits; count receives how many were read.
  bool Digits(int max, int& value, int& count) {
    value = 0;
    count = 0;
    while (P < E && IsDigit(*P) && count < max) {
      value = value * 10 + (*P - '0');
      ++P;
      ++count;
    }
    return count > 0;
  }
  // A letter word, lower case.
  int Word(char* out, int max) {
    int n = 0;
    while (P < E && ((*P >= 'a' && *P <= 'z') || (*P >= 'A' && *P <= 'Z'))) {
      if (n < max - 1) out[n] = Lower(*P);
      ++n;
      ++P;
    }
    out[n < max ? n : max - 1] = '\0';
    return n;
  }

  const char* P;
  const char* E;
};

int MonthFromName(const char* word, int length) {
  static const char* const names[] = {"january",   "february", "march",    "april",
                                      "may",       "june",     "july",     "august",
                                      "september", "october",  "november", "december"};
  if (length < 3) return 0;
  for (int m = 0; m < 12; ++m) {
    const int full = int(std::strlen(names[m]));
    if (length <= full && std::strncmp(word, names[m], size_t(length)) == 0) return m + 1;
  }
  return 0;
}

int ExpandYear(int year, int digits) {
  if (digits != 2) return year;
  return year <= 49 ? 2000 + year : 1900 + year;  // SQL Server's two-digit year cut-off
}

// h[h][:nn[:ss[.fff]]] [AM|PM]; minutes may be left out only before AM/PM.
bool ParseTime(TCursor& c, TParseMode mode, TParts& p) {
  int value = 0, count = 0;
  if (!c.Digits(2, value, count)) return false;
  p.Hour = value;
  bool hasMinutes = false;
  if (c.Take(':')) {
    if (!c.Digits(2, value, count)) return false;
    p.Minute = value;
    hasMinutes = true;
    if (c.Take(':')) {
      if (!c.Digits(2, value, count) || count != 2) return false;
      p.Second = value;
      if (c.Take('.') || (mode == TParseMode::Conversion && c.Take(':'))) {
        int ms = 0, digits = 0;
        while (!c.AtEnd() && IsDigit(c.Peek())) {
          if (digits < 3) ms = ms * 10 + (c.Peek() - '0');
          ++digits;
          ++c.P;
        }
        if (digits == 0) return false;
        for (int d = digits; d < 3; ++d) ms *= 10;
        p.Millisecond = ms;
      }
    }
  }
  c.SkipSpaces();
  char word[4];
  const char* before = c.P;
  const int n = c.Word(word, sizeof word);
  if (n == 2 && (std::strcmp(word, "am") == 0 || std::strcmp(word, "pm") == 0)) {
    if (p.Hour > 12) return false;
    if (word[0] == 'a' && p.Hour == 12) p.Hour = 0;
    if (word[0] == 'p' && p.Hour < 12) p.Hour += 12;
  } else {
    c.P = before;
    if (!hasMinutes) return false;
  }
  if (!hasMinutes && mode != TParseMode::Conversion) return false;
  return true;
}

bool ParseMonthNameDate(TCursor& c, TParts& p) {
  char word[16];
  int value = 0, count = 0;
  if (IsDigit(c.Peek())) {  // 5 March 2015
    if (!c.Digits(2, value, count)) return false;
    p.Day = value;
    c.SkipSpaces();
    const int n = c.Word(word, sizeof word);
    p.Month = MonthFromName(word, n);
    if (p.Month == 0) return false;
  } else {  // Mar 5 2015, March 5, 2015
    const int n = c.Word(word, sizeof word);
    p.Month = MonthFromName(word, n);
    if (p.Month == 0) return false;
    c.SkipSpaces();
    if (!c.Digits(2, value, count)) return false;
    p.Day = value;
    c.Take(',');
  }
  c.SkipSpaces();
  if (!c.Digits(4, value, count) || (count != 4 && count != 2)) return false;
  p.Year = ExpandYear(value, count);
  return true;
}

// "5 March 2015": digits, blanks, a letter.
bool StartsWithDayAndMonthName(TCursor c) {
  int value = 0, count = 0;
  if (!c.Digits(2, value, count) || !IsSpace(c.Peek())) return false;
  c.SkipSpaces();
  const char l = Lower(c.Peek());
  return l >= 'a' && l <= 'z';
}

}  // namespace

int64_t DaysFromCivil(int year, int month, int day) {
  const int64_t y = int64_t(year) - (month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 - kUnixDaysOf1900;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  const int64_t z = days + kUnixDaysOf1900 + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = int(doy - (153 * mp + 2) / 5 + 1);
  month = int(mp < 10 ? mp + 3 : mp - 9);
  year = int(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 29 : 28;
  }
  return days[month - 1];
}

bool IsValid(const TParts& p) {
  return p.Year >= 1 && p.Year <= 9999 && p.Month >= 1 && p.Month <= 12 && p.Day >= 1 &&
         p.Day <= DaysInMonth(p.Year, p.Month) && p.Hour >= 0 && p.Hour <= 23 && p.Minute >= 0 &&
         p.Minute <= 59 && p.Second >= 0 && p.Second <= 59 && p.Millisecond >= 0 &&
         p.Millisecond <= 999;
}

int64_t FromParts(const TParts& p) {
  return DaysFromCivil(p.Year, p.Month, p.Day) * kMsPerDay +
         ((int64_t(p.Hour) * 60 + p.Minute) * 60 + p.Second) * 1000 + p.Millisecond;
}

TParts ToParts(int64_t ms) {
  TParts p;
  const int64_t days = FloorDiv(ms, kMsPerDay);
  int64_t rest = ms - days * kMsPerDay;
  CivilFromDays(days, p.Year, p.Month, p.Day);
  p.Millisecond = int(rest % 1000);
  rest /= 1000;
  p.Second = int(rest % 60);
  rest /= 60;
  p.Minute = int(rest % 60);
  p.Hour = int(rest / 60);
  return p;
}

bool ParseCanonical(const char* s, int n, int64_t& ms) {
  if (n != 19 && n != 23) return false;
  static const char shape[] = "dddd-dd-dd dd:dd:dd.ddd";
  for (int i = 0; i < n; ++i) {
    if (shape[i] == 'd') {
      if (!IsDigit(s[i])) return false;
    } else if (s[i] != shape[i]) {
      return false;
    }
  }
  auto num = [s](int at, int width) {
    int v = 0;
    for (int i = 0; i < width; ++i) v = v * 10 + (s[at + i] - '0');
    return v;
  };
  TParts p;
  p.Year = num(0, 4);
  p.Month = num(5, 2);
  p.Day = num(8, 2);
  p.Hour = num(11, 2);
  p.Minute = num(14, 2);
  p.Second = num(17, 2);
  p.Millisecond = n == 23 ? num(20, 3) : 0;
  if (!IsValid(p)) return false;
  ms = FromParts(p);
  return true;
}

bool Parse(const char* text, int length, TParseMode mode, int64_t& ms) {
  if (ParseCanonical(text, length, ms)) return true;
  const char* b = text;
  const char* e = text + length;
  while (b < e && IsSpace(*b)) ++b;
  while (e > b && IsSpace(e[-1])) --e;
  if (b == e) return false;
  TCursor c(b, e);
  TParts p;
  const bool conversion = mode == TParseMode::Conversion;
  bool iso = false;

  if (!IsDigit(c.Peek()) || (conversion && StartsWithDayAndMonthName(c))) {
    if (!conversion || !ParseMonthNameDate(c, p)) return false;
  } else {
    const TCursor start = c;
    int first = 0, count = 0;
    c.Digits(8, first, count);
    TCursor afterBlanks = c;
    afterBlanks.SkipSpaces();
    const char next = Lower(afterBlanks.Peek());
    if (conversion && count <= 2 && (c.Peek() == ':' || next == 'a' || next == 'p')) {
      // A time alone ("14:07", "2PM"): on 1 January 1900.
      c = start;
      if (!ParseTime(c, mode, p) || !c.AtEnd() || !IsValid(p)) return false;
      ms = FromParts(p);
      return true;
    }
    if (conversion && count == 8 && (c.AtEnd() || IsSpace(c.Peek()) || c.Peek() == 'T')) {
      p.Year = first / 10000;
      p.Month = first / 100 % 100;
      p.Day = first % 100;
      iso = true;
    } else if (count == 4) {  // yyyy-mm-dd
      const char sep = c.Peek();
      if (sep != '-' && !(conversion && (sep == '/' || sep == '.'))) return false;
      c.Take(sep);
      int value = 0, n = 0;
      if (!c.Digits(2, value, n)) return false;
      p.Month = value;
      if (!c.Take(sep) || !c.Digits(2, value, n)) return false;
      p.Day = value;
      p.Year = first;
      iso = true;
    } else if (count <= 2) {  // m/d/yyyy, m-d-yyyy
      const char sep = c.Peek();
      if (sep != '/' && sep != '-' && !(conversion && sep == '.')) return false;
      c.Take(sep);
      int value = 0, n = 0;
      if (!c.Digits(2, value, n)) return false;
      p.Month = first;
      p.Day = value;
      if (!c.Take(sep) || !c.Digits(4, value, n)) return false;
      if (n == 4)
        p.Year = value;
      else if (n == 2 && conversion)
        p.Year = ExpandYear(value, 2);
      else
        return false;
    } else {
      return false;
    }
  }
  if (!c.AtEnd()) {
    if (iso && c.Peek() == 'T') {
      c.Take('T');
    } else {
      if (!IsSpace(c.Peek())) return false;
      c.SkipSpaces();
    }
    if (!ParseTime(c, mode, p) || !c.AtEnd()) return false;
  }
  if (!IsValid(p)) return false;
  ms = FromParts(p);
  return true;
}

bool Parse(const QString& text, TParseMode mode, int64_t& ms) {
  const QByteArray utf8 = text.toUtf8();
  return Parse(utf8.constData(), int(utf8.size()), mode, ms);
}

int FormatCanonical(int64_t ms, char* buffer) {
  const TParts p = ToParts(ms);
  auto put = [&buffer](int at, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
      buffer[at + i] = char('0' + value % 10);
      value /= 10;
    }
  };
  put(0, p.Year, 4);
  buffer[4] = '-';
  put(5, p.Month, 2);
  buffer[7] = '-';
  put(8, p.Day, 2);
  buffer[10] = ' ';
  put(11, p.Hour, 2);
  buffer[13] = ':';
  put(14, p.Minute, 2);
  buffer[16] = ':';
  put(17, p.Second, 2);
  if (p.Millisecond == 0) {
    buffer[19] = '\0';
    return 19;
  }
  buffer[19] = '.';
  put(20, p.Millisecond, 3);
  buffer[23] = '\0';
  return 23;
}

QString ToCanonical(int64_t ms) {
  char buffer[24];
  const int n = FormatCanonical(ms, buffer);
  return QString::fromLatin1(buffer, n);
}

double ToDays(int64_t ms) {
  return double(ms) / double(kMsPerDay);
}

int64_t FromDays(double days) {
  return int64_t(std::llround(days * double(kMsPerDay)));
}

}  // namespace TsqlDateTime
