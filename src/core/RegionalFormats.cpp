#include "core/RegionalFormats.h"

#include <algorithm>
#include <cmath>

namespace {

TRegionalFormats& Current() {
  static TRegionalFormats formats;
  return formats;
}

const char* const kShortDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
const char* const kShortMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

// Qt counts Monday = 1 .. Sunday = 7; the suite counts Sunday = 1 .. Saturday = 7.
int SundayFirst(const QDate& date) {
  return date.dayOfWeek() % 7 + 1;
}

QString Number(int value, int digits) {
  return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

bool StartsWithNoCase(const QString& text, int at, QLatin1String word) {
  return QStringView(text).mid(at).startsWith(word, Qt::CaseInsensitive);
}

// Formats are nested through ddddd, dddddd, t, tt and c; the limit keeps a
// format that names itself from recursing for ever.
constexpr int kMaxNesting = 3;

void AppendFormat(QString& out, const QString& format, const QDateTime& value,
                  const TRegionalFormats& formats, int depth) {
  if (depth > kMaxNesting) return;
  const QDate date = value.date();
  const QTime time = value.time();
  const int n = format.size();
  QChar lastToken = QLatin1Char(' ');
  bool use12Hour = false;
  int i = 0;

  // Number of repeats of the character at i (case-insensitive); moves i past them.
  auto takeCount = [&](QChar token) {
    int count = 0;
    while (i < n && format.at(i).toUpper() == token) {
      ++count;
      ++i;
    }
    return count;
  };

  while (i < n) {
    const QChar startChar = format.at(i);
    QChar token = startChar.toUpper();
    const bool letter = token >= QLatin1Char('A') && token <= QLatin1Char('Z');
    if (letter) {
      if (token == QLatin1Char('M') && lastToken == QLatin1Char('H')) token = QLatin1Char('N');
      lastToken = token;
    }
    switch (token.unicode()) {
      case 'Y': {
        const int count = takeCount(QLatin1Char('Y'));
        out += count <= 2 ? Number(date.year() % 100, 2) : Number(date.year(), 4);
        break;
      }
      case 'M': {
        const int count = takeCount(QLatin1Char('M'));
        if (count <= 2)
          out += Number(date.month(), count);
        else if (count == 3)
          out += ShortMonthName(date.month());
        else
          out += LongMonthName(date.month());
        break;
      }
      case 'D': {
        const int count = takeCount(QLatin1Char('D'));
        if (count <= 2)
          out += Number(date.day(), count);
        else if (count == 3)
          out += ShortDayName(SundayFirst(date));
        else if (count == 4)
          out += LongDayName(SundayFirst(date));
        else if (count == 5)
          AppendFormat(out, formats.ShortDateFormat, value, formats, depth + 1);
        else
          AppendFormat(out, formats.LongDateFormat, value, formats, depth + 1);
        break;
      }
      case 'H': {
        const int count = takeCount(QLatin1Char('H'));
        // A 12-hour clock when an AM/PM marker follows before the next hour.
        bool twelve = false;
        bool quoted = false;
        for (int p = i; p < n; ++p) {
          const QChar c = format.at(p);
          if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A'))) {
            twelve = StartsWithNoCase(format, p, QLatin1String("AM/PM")) ||
                     StartsWithNoCase(format, p, QLatin1String("A/P")) ||
                     StartsWithNoCase(format, p, QLatin1String("AMPM"));
            break;
          }
          if (c == QLatin1Char('h') || c == QLatin1Char('H')) break;
          if (c == QLatin1Char('\'') || c == QLatin1Char('"')) quoted = !quoted;
        }
        int hour = time.hour();
        if (twelve || use12Hour) {
          if (hour == 0)
            hour = 12;
          else if (hour > 12)
            hour -= 12;
        }
        out += Number(hour, std::min(count, 2));
        break;
      }
      case 'N': {
        // Either n/nn or an m/mm that follows an hour.
        const QChar letterRun = startChar.toUpper();
        const int count = takeCount(letterRun);
        out += Number(time.minute(), std::min(count, 2));
        break;
      }
      case 'S': {
        const int count = takeCount(QLatin1Char('S'));
        out += Number(time.second(), std::min(count, 2));
        break;
      }
      case 'Z': {
        const int count = takeCount(QLatin1Char('Z'));
        out += Number(time.msec(), std::min(count, 3));
        break;
      }
      case 'T': {
        const int count = takeCount(QLatin1Char('T'));
        AppendFormat(out, count == 1 ? formats.ShortTimeFormat : formats.LongTimeFormat, value,
                     formats, depth + 1);
        break;
      }
      case 'C': {
        takeCount(QLatin1Char('C'));
        AppendFormat(out, formats.ShortDateFormat, value, formats, depth + 1);
        if (time.hour() != 0 || time.minute() != 0 || time.second() != 0) {
          out += QLatin1Char(' ');
          AppendFormat(out, formats.LongTimeFormat, value, formats, depth + 1);
        }
        break;
      }
      case 'A': {
        const bool pm = time.hour() >= 12;
        if (StartsWithNoCase(format, i, QLatin1String("AM/PM"))) {
          // The marker keeps the letter case it is written in.
          out += format.mid(pm ? i + 3 : i, 2);
          i += 5;
          use12Hour = true;
        } else if (StartsWithNoCase(format, i, QLatin1String("A/P"))) {
          out += format.at(pm ? i + 2 : i);
          i += 3;
        } else if (StartsWithNoCase(format, i, QLatin1String("AMPM"))) {
          out += pm ? formats.TimePMString : formats.TimeAMString;
          i += 4;
        } else if (StartsWithNoCase(format, i, QLatin1String("AAAA"))) {
          out += LongDayName(SundayFirst(date));
          i += 4;
        } else if (StartsWithNoCase(format, i, QLatin1String("AAA"))) {
          out += ShortDayName(SundayFirst(date));
          i += 3;
        } else {
          out += startChar;
          ++i;
        }
        break;
      }
      case '/':
        out += formats.DateSeparator;
        ++i;
        break;
      case ':':
        out += formats.TimeSeparator;
        ++i;
        break;
      case '\'':
      case '"': {
        const int close = format.indexOf(startChar, i + 1);
        const int end = close < 0 ? n : close;
        out += format.mid(i + 1, end - i - 1);
        i = close < 0 ? n : close + 1;
        break;
      }
      default:
        out += startChar;
        ++i;
        break;
    }
  }
}

// A cursor over typed text for the date and time readers.
struct TScanner {
  const QString& Text;
  int Pos = 0;

  void SkipBlanks() {
    while (Pos < Text.size() && Text.at(Pos).isSpace()) ++Pos;
  }
  bool AtEnd() const { return Pos >= Text.size(); }
  // Up to maxDigits digits; the number of digits read is given back.
  bool Number(int maxDigits, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (Pos < Text.size() && digits < maxDigits && Text.at(Pos).isDigit() &&
           Text.at(Pos).unicode() < 128) {
      value = value * 10 + (Text.at(Pos).unicode() - '0');
      ++Pos;
      ++digits;
    }
    return digits > 0 && !(Pos < Text.size() && Text.at(Pos).isDigit());
  }
  bool Char(QChar c) {
    if (Pos < Text.size() && Text.at(Pos) == c) {
      ++Pos;
      return true;
    }
    return false;
  }
  bool Word(const QString& word) {
    if (!word.isEmpty() && QStringView(Text).mid(Pos).startsWith(word, Qt::CaseInsensitive)) {
      Pos += word.size();
      return true;
    }
    return false;
  }
};

enum class TDateOrder { MDY, DMY, YMD };

TDateOrder DateOrder(const QString& format) {
  for (QChar c : format) {
    switch (c.toUpper().unicode()) {
      case 'M':
        return TDateOrder::MDY;
      case 'D':
        return TDateOrder::DMY;
      case 'Y':
        return TDateOrder::YMD;
      default:
        break;
    }
  }
  return TDateOrder::MDY;
}

// A two-digit year is put in the century that keeps it within 50 years of today.
int ExpandYear(int year, int digits) {
  if (digits > 2) return year;
  const int threshold = QDate::currentDate().year() - 50;
  int expanded = year + threshold / 100 * 100;
  if (expanded < threshold) expanded += 100;
  return expanded;
}

bool ScanDate(TScanner& s, QDate& value) {
  const TRegionalFormats& formats = Current();
  s.SkipBlanks();
  int n1 = 0, n2 = 0, n3 = 0, d1 = 0, d2 = 0, d3 = 0;
  if (!s.Number(4, n1, d1) || !s.Char(formats.DateSeparator) || !s.Number(4, n2, d2)) return false;
  const bool hasThird = s.Char(formats.DateSeparator);
  if (hasThird && !s.Number(4, n3, d3)) return false;

  int year = 0, month = 0, day = 0, yearDigits = 4;
  const TDateOrder order = DateOrder(formats.ShortDateFormat);
  if (!hasThird) {
    year = QDate::currentDate().year();
    if (order == TDateOrder::DMY) {
      day = n1;
      month = n2;
    } else {
      month = n1;
      day = n2;
    }
  } else {
    switch (order) {
      case TDateOrder::MDY:
        month = n1, day = n2, year = n3, yearDigits = d3;
        break;
      case TDateOrder::DMY:
        day = n1, month = n2, year = n3, yearDigits = d3;
        break;
      case TDateOrder::YMD:
        year = n1, month = n2, day = n3, yearDigits = d1;
        break;
    }
    year = ExpandYear(year, yearDigits);
  }
  if (year < 1 || !QDate::isValid(year, month, day)) return false;
  value = QDate(year, month, day);
  return true;
}

bool ScanAmPm(TScanner& s, const TRegionalFormats& formats, int& ampm) {
  // Longer markers first so that "AM" is not read as "A".
  const QString markers[][2] = {{formats.TimeAMString, formats.TimePMString},
                                {QStringLiteral("AM"), QStringLiteral("PM")},
                                {QStringLiteral("A"), QStringLiteral("P")}};
  for (const auto& pair : markers) {
    if (s.Word(pair[0])) {
      ampm = 0;
      return true;
    }
    if (s.Word(pair[1])) {
      ampm = 1;
      return true;
    }
  }
  return false;
}

bool ScanTime(TScanner& s, QTime& value) {
  const TRegionalFormats& formats = Current();
  s.SkipBlanks();
  int hour = 0, minute = 0, second = 0, msec = 0, digits = 0;
  if (!s.Number(2, hour, digits)) return false;
  bool hasMinutes = false;
  if (s.Char(formats.TimeSeparator)) {
    if (!s.Number(2, minute, digits)) return false;
    hasMinutes = true;
    if (s.Char(formats.TimeSeparator)) {
      if (!s.Number(2, second, digits)) return false;
      if (s.Char(formats.DecimalSeparator)) {
        if (!s.Number(3, msec, digits)) return false;
        if (digits == 1) msec *= 100;
        if (digits == 2) msec *= 10;
      }
    }
  }
  s.SkipBlanks();
  int ampm = -1;
  ScanAmPm(s, formats, ampm);
  // A bare number is no time; "2 PM" is.
  if (!hasMinutes && ampm < 0) return false;
  if (ampm >= 0) {
    if (hour > 12) return false;
    if (hour == 12) hour = 0;
    if (ampm == 1) hour += 12;
  }
  if (hour > 23 || minute > 59 || second > 59) return false;
  value = QTime(hour, minute, second, msec);
  return value.isValid();
}

void AppendGrouped(QString& out, const QString& digits, QChar separator) {
  const int n = digits.size();
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0 && !separator.isNull()) out += separator;
    out += digits.at(i);
  }
}

}  // namespace

const TRegionalFormats& RegionalFormats() {
  return Current();
}

void SetRegionalFormats(const TRegionalFormats& formats) {
  Current() = formats;
}

QString FormatDateTime(const QString& format, const QDateTime& value,
                       const TRegionalFormats& formats) {
  if (!value.isValid()) return {};
  QString out;
  AppendFormat(out, format.isEmpty() ? QStringLiteral("c") : format, value, formats, 0);
  return out;
}

QString FormatDateTime(const QString& format, const QDateTime& value) {
  return FormatDateTime(format, value, Current());
}

QString FormatDateTime(const QString& format, const QDate& value) {
  return FormatDateTime(format, QDateTime(value, QTime(0, 0), Qt::UTC));
}

QString FormatDateTime(const QString& format, const QTime& value) {
  return FormatDateTime(format, QDateTime(QDate(1899, 12, 30), value, Qt::UTC));
}

QString DateToStr(const QDate& value) {
  return FormatDateTime(Current().ShortDateFormat, value);
}

QString TimeToStr(const QTime& value) {
  return FormatDateTime(Current().LongTimeFormat, value);
}

QString ShortTimeToStr(const QTime& value) {
  return FormatDateTime(Current().ShortTimeFormat, value);
}

QString DateTimeToStr(const QDateTime& value) {
  return FormatDateTime(QStringLiteral("c"), value);
}

bool TryStrToDate(const QString& text, QDate& value) {
  TScanner s{text};
  QDate date;
  if (!ScanDate(s, date)) return false;
  s.SkipBlanks();
  if (!s.AtEnd()) return false;
  value = date;
  return true;
}

bool TryStrToTime(const QString& text, QTime& value) {
  TScanner s{text};
  QTime time;
  if (!ScanTime(s, time)) return false;
  s.SkipBlanks();
  if (!s.AtEnd()) return false;
  value = time;
  return true;
}

bool TryStrToDateTime(const QString& text, QDateTime& value) {
  TScanner s{text};
  QDate date;
  if (!ScanDate(s, date)) return false;
  QTime time(0, 0);
  s.SkipBlanks();
  if (!s.AtEnd() && !ScanTime(s, time)) return false;
  s.SkipBlanks();
  if (!s.AtEnd()) return false;
  value = QDateTime(date, time, Qt::UTC);
  return true;
}

QDate StrToDate(const QString& text) {
  QDate value;
  if (!TryStrToDate(text, value))
    throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
  return value;
}

QTime StrToTime(const QString& text) {
  QTime value;
  if (!TryStrToTime(text, value))
    throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(text));
  return value;
}

QDateTime StrToDateTime(const QString& text) {
  QDateTime value;
  if (!TryStrToDateTime(text, value))
    throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
  return value;
}

QString RoundedDecimalText(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 15);
  // Three spare digits settle the half-way case as it reads in decimal.
  const QString text = QString::number(std::fabs(value), 'f', std::min(15, decimals + 3));
  const int point = text.indexOf(QLatin1Char('.'));
  const QString intPart = point < 0 ? text : text.left(point);
  const QString frac =
      (point < 0 ? QString() : text.mid(point + 1)).leftJustified(decimals + 1, QLatin1Char('0'));
  QString keep = intPart + frac.left(decimals);
  if (frac.at(decimals) >= QLatin1Char('5')) {
    int k = keep.size() - 1;
    for (; k >= 0 && keep.at(k) == QLatin1Char('9'); --k) keep[k] = QLatin1Char('0');
    if (k < 0)
      keep.prepend(QLatin1Char('1'));
    else
      keep[k] = QChar(keep.at(k).unicode() + 1);
  }
  if (decimals == 0) return keep;
  return keep.left(keep.size() - decimals) + QLatin1Char('.') + keep.right(decimals);
}

QString FormatCurrency(double value, int decimals, const TRegionalFormats& formats) {
  if (decimals < 0) decimals = std::max(0, formats.CurrencyDecimals);
  QString digits = RoundedDecimalText(value, decimals);
  QString fraction;
  const int point = digits.indexOf(QLatin1Char('.'));
  if (point >= 0) {
    fraction = digits.mid(point + 1);
    digits.truncate(point);
  }
  // An amount that rounds to zero is printed without a sign.
  const auto nonZero = [](QChar c) { return c != QLatin1Char('0'); };
  const bool negative = value < 0 && (std::any_of(digits.begin(), digits.end(), nonZero) ||
                                      std::any_of(fraction.begin(), fraction.end(), nonZero));
  QString out;
  if (negative) out += QLatin1Char('-');
  out += formats.CurrencyString;
  AppendGrouped(out, digits, formats.ThousandSeparator);
  if (!fraction.isEmpty()) out += formats.DecimalSeparator + fraction;
  return out;
}

QString ShortDayName(int day) {
  return day >= 1 && day <= 7 ? QString::fromLatin1(kShortDayNames[day - 1]) : QString();
}

QString LongDayName(int day) {
  return day >= 1 && day <= 7 ? QString::fromLatin1(kLongDayNames[day - 1]) : QString();
}

QString ShortMonthName(int month) {
  return month >= 1 && month <= 12 ? QString::fromLatin1(kShortMonthNames[month - 1]) : QString();
}

QString LongMonthName(int month) {
  return month >= 1 && month <= 12 ? QString::fromLatin1(kLongMonthNames[month - 1]) : QString();
}
