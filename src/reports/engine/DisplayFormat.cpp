#include "reports/engine/DisplayFormat.h"

#include <QLocale>

#include <cmath>

namespace {

const char* const KShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const KLongMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
const char* const KShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const KLongDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

QString Pad2(int v) {
  return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

bool StartsWithCI(const QString& s, int pos, QLatin1String what) {
  return QStringView(s).mid(pos).startsWith(what, Qt::CaseInsensitive);
}

// True when the rest of the pattern asks for a 12-hour clock.
bool HasAmPm(const QString& format, int from) {
  bool inQuote = false;
  QChar quote;
  for (int i = from; i < format.size(); ++i) {
    const QChar c = format[i];
    if (inQuote) {
      if (c == quote) inQuote = false;
      continue;
    }
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
      inQuote = true;
      quote = c;
      continue;
    }
    if (StartsWithCI(format, i, QLatin1String("am/pm")) ||
        StartsWithCI(format, i, QLatin1String("a/p")) ||
        StartsWithCI(format, i, QLatin1String("ampm")))
      return true;
  }
  return false;
}

void AppendDateTime(QString& out, const QString& format, const QDateTime& value,
                    const TFormatSettings& s, int depth) {
  if (depth > 3) return;  // a settings format that names itself
  const QDate date = value.date();
  const QTime time = value.time();
  int i = 0;
  QChar lastToken;  // 'h' after an hour, so that a following m means minutes
  while (i < format.size()) {
    const QChar c = format[i];
    const QChar lc = c.toLower();
    auto run = [&](QChar ch) {
      int n = 0;
      while (i + n < format.size() && format[i + n].toLower() == ch) ++n;
      return n;
    };
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
      const int end = format.indexOf(c, i + 1);
      const int stop = end < 0 ? format.size() : end;
      out += QStringView(format).mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (lc == QLatin1Char('a')) {
      const bool pm = time.hour() >= 12;
      if (StartsWithCI(format, i, QLatin1String("am/pm"))) {
        const QString src = format.mid(i + (pm ? 3 : 0), 2);
        out += src;
        i += 5;
      } else if (StartsWithCI(format, i, QLatin1String("a/p"))) {
        out += format[i + (pm ? 2 : 0)];
        i += 3;
      } else if (StartsWithCI(format, i, QLatin1String("ampm"))) {
        out += pm ? s.TimePMString : s.TimeAMString;
        i += 4;
      } else {
        out += c;
        ++i;
      }
      continue;
    }
    switch (lc.unicode()) {
      case 'c': {
        AppendDateTime(out, s.ShortDateFormat, value, s, depth + 1);
        if (time != QTime(0, 0)) {
          out += QLatin1Char(' ');
          AppendDateTime(out, s.LongTimeFormat, value, s, depth + 1);
        }
        ++i;
        break;
      }
      case 'd': {
        const int n = run(QLatin1Char('d'));
        if (n == 1)
          out += QString::number(date.day());
        else if (n == 2)
          out += Pad2(date.day());
        else if (n == 3)
          out += QLatin1String(KShortDays[date.dayOfWeek() % 7]);
        else if (n == 4)
          out += QLatin1String(KLongDays[date.dayOfWeek() % 7]);
        else if (n == 5)
          AppendDateTime(out, s.ShortDateFormat, value, s, depth + 1);
        else
          AppendDateTime(out, s.LongDateFormat, value, s, depth + 1);
        i += n;
        lastToken = QLatin1Char('d');
        break;
      }
      case 'm': {
        const int n = run(QLatin1Char('m'));
        if (lastToken == QLatin1Char('h') && n <= 2) {
          out += n == 1 ? QString::number(time.minute()) : Pad2(time.minute());
        } else if (n == 1) {
          out += QString::number(date.month());
        } else if (n == 2) {
          out += Pad2(date.month());
        } else if (n == 3) {
          out += QLatin1String(KShortMonths[(date.month() + 11) % 12]);
        } else {
          out += QLatin1String(KLongMonths[(date.month() + 11) % 12]);
        }
        i += n;
        lastToken = QLatin1Char('m');
        break;
      }
      case 'y': {
        const int n = run(QLatin1Char('y'));
        if (n <= 2)
          out += Pad2(date.year() % 100);
        else
          out += QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
        i += n;
        lastToken = QLatin1Char('y');
        break;
      }
      case 'h': {
        const int n = run(QLatin1Char('h'));
        int hour = time.hour();
        if (HasAmPm(format, i)) {
          hour %= 12;
          if (hour == 0) hour = 12;
        }
        out += n == 1 ? QString::number(hour) : Pad2(hour);
        i += n;
        lastToken = QLatin1Char('h');
        break;
      }
      case 'n': {
        const int n = run(QLatin1Char('n'));
        out += n == 1 ? QString::number(time.minute()) : Pad2(time.minute());
        i += n;
        lastToken = QLatin1Char('n');
        break;
      }
      case 's': {
        const int n = run(QLatin1Char('s'));
        out += n == 1 ? QString::number(time.second()) : Pad2(time.second());
        i += n;
        lastToken = QLatin1Char('s');
        break;
      }
      case 'z': {
        const int n = run(QLatin1Char('z'));
        out += n >= 3 ? QString::number(time.msec()).rightJustified(3, QLatin1Char('0'))
                      : QString::number(time.msec());
        i += n;
        lastToken = QLatin1Char('z');
        break;
      }
      case 't': {
        const int n = run(QLatin1Char('t'));
        AppendDateTime(out, n == 1 ? s.ShortTimeFormat : s.LongTimeFormat, value, s, depth + 1);
        i += n;
        lastToken = QLatin1Char('t');
        break;
      }
      case '/':
        out += s.DateSeparator;
        ++i;
        break;
      case ':':
        out += s.TimeSeparator;
        ++i;
        break;
      default:
        out += c;
        ++i;
        break;
    }
  }
}

// One section of a number pattern, reduced to what drives the output.
struct TNumberPattern {
  QString Prefix;
  QString Suffix;
  int MinIntDigits = 0;
  int MinDecimals = 0;
  int MaxDecimals = 0;
  bool Thousands = false;
  bool HasDigits = false;
};

TNumberPattern ParseSection(const QString& section) {
  TNumberPattern p;
  bool seenPoint = false;
  bool seenDigit = false;
  QString literal;  // pending literal text
  for (int i = 0; i < section.size(); ++i) {
    const QChar c = section[i];
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
      const int end = section.indexOf(c, i + 1);
      const int stop = end < 0 ? section.size() : end;
      literal += QStringView(section).mid(i + 1, stop - i - 1);
      i = stop;
      continue;
    }
    if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
      if (!seenDigit) {
        p.Prefix = literal;
        seenDigit = true;
      }
      literal.clear();
      if (seenPoint) {
        ++p.MaxDecimals;
        if (c == QLatin1Char('0')) p.MinDecimals = p.MaxDecimals;
      } else if (c == QLatin1Char('0')) {
        ++p.MinIntDigits;
      }
      continue;
    }
    if (c == QLatin1Char('.') && !seenPoint && seenDigit) {
      seenPoint = true;
      literal.clear();
      continue;
    }
    if (c == QLatin1Char(',') && seenDigit && !seenPoint) {
      p.Thousands = true;
      continue;
    }
    literal += c;
  }
  p.HasDigits = seenDigit;
  if (seenDigit)
    p.Suffix = literal;
  else
    p.Prefix = literal;
  return p;
}

QStringList SplitSections(const QString& format) {
  QStringList sections;
  QString current;
  QChar quote;
  for (const QChar c : format) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      current += c;
      continue;
    }
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
      quote = c;
      current += c;
      continue;
    }
    if (c == QLatin1Char(';')) {
      sections << current;
      current.clear();
      continue;
    }
    current += c;
  }
  sections << current;
  return sections;
}

// Digits of |value| under a pattern; half-way values round away from zero.
QString FormatDigits(double absValue, const TNumberPattern& p, const TFormatSettings& s) {
  // Rounding on the decimal text avoids binary artefacts such as 2.675 -> 2.67.
  QString fixed = QString::number(absValue, 'f', std::min(15, p.MaxDecimals + 3));
  {
    const int point = fixed.indexOf(QLatin1Char('.'));
    QString intPart = point < 0 ? fixed : fixed.left(point);
    QString frac = point < 0 ? QString() : fixed.mid(point + 1);
    frac = frac.leftJustified(p.MaxDecimals + 1, QLatin1Char('0'));
    QString keep = intPart + frac.left(p.MaxDecimals);
    const bool roundUp = frac[p.MaxDecimals] >= QLatin1Char('5');
    if (roundUp) {
      int k = keep.size() - 1;
      while (k >= 0) {
        if (keep[k] == QLatin1Char('9')) {
          keep[k] = QLatin1Char('0');
          --k;
        } else {
          keep[k] = QChar(keep[k].unicode() + 1);
          break;
        }
      }
      if (k < 0) keep.prepend(QLatin1Char('1'));
    }
    intPart = keep.left(keep.size() - p.MaxDecimals);
    frac = keep.right(p.MaxDecimals);
    fixed = intPart;
    if (p.MaxDecimals > 0) fixed += QLatin1Char('.') + frac;
  }
  const int point = fixed.indexOf(QLatin1Char('.'));
  QString intPart = point < 0 ? fixed : fixed.left(point);
  QString frac = point < 0 ? QString() : fixed.mid(point + 1);
  // Integer part: drop leading zeros down to the pattern's minimum.
  int lead = 0;
  while (lead < intPart.size() && intPart[lead] == QLatin1Char('0')) ++lead;
  intPart = intPart.mid(lead);
  if (intPart.size() < p.MinIntDigits)
    intPart = intPart.rightJustified(p.MinIntDigits, QLatin1Char('0'));
  if (p.Thousands && intPart.size() > 3) {
    QString grouped;
    const int n = intPart.size();
    for (int i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0) grouped += s.ThousandSeparator;
      grouped += intPart[i];
    }
    intPart = grouped;
  }
  while (frac.size() > p.MinDecimals && frac.endsWith(QLatin1Char('0'))) frac.chop(1);
  QString result = intPart;
  if (!frac.isEmpty()) result += s.DecimalSeparator + frac;
  return result;
}

bool IsZeroDigits(const QString& digits) {
  for (const QChar c : digits)
    if (c.isDigit() && c != QLatin1Char('0')) return false;
  return true;
}

QString GeneralFloat(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    return QString::number(static_cast<qint64>(value));
  return QString::number(value, 'g', 15);
}

}  // namespace

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

QString FormatDateTime(const QString& format, const QDateTime& value,
                       const TFormatSettings& settings) {
  if (!value.isValid()) return {};
  QString out;
  AppendDateTime(out, format.isEmpty() ? QStringLiteral("c") : format, value, settings, 0);
  return out;
}

QString FormatFloat(const QString& format, double value, const TFormatSettings& settings) {
  if (std::isnan(value) || std::isinf(value)) return GeneralFloat(value);
  if (format.isEmpty()) return GeneralFloat(value);
  const QStringList sections = SplitSections(format);
  int use = 0;
  bool signInPattern = false;
  if (value < 0 && sections.size() >= 2 && !sections[1].isEmpty()) {
    use = 1;
    signInPattern = true;
  }
  const TNumberPattern first = ParseSection(sections[0]);
  if (sections.size() >= 3 && !sections[2].isEmpty()) {
    const QString digits = FormatDigits(std::fabs(value), first, settings);
    if (IsZeroDigits(digits)) use = 2;
  }
  const TNumberPattern p = use == 0 ? first : ParseSection(sections[use]);
  if (!p.HasDigits) return p.Prefix;
  const QString digits = FormatDigits(std::fabs(value), p, settings);
  QString out = p.Prefix + digits + p.Suffix;
  if (value < 0 && !signInPattern && use != 2 && !IsZeroDigits(digits))
    out.prepend(QLatin1Char('-'));
  return out;
}

QString FormatCurrency(double value, int decimals, const TFormatSettings& settings) {
  if (decimals < 0) decimals = settings.CurrencyDecimals;
  TNumberPattern p;
  p.MinIntDigits = 1;
  p.MinDecimals = p.MaxDecimals = decimals;
  p.Thousands = true;
  const QString digits = FormatDigits(std::fabs(value), p, settings);
  QString out = settings.CurrencyString + digits;
  if (value < 0 && !IsZeroDigits(digits)) out.prepend(QLatin1Char('-'));
  return out;
}

bool IsNumericValue(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
      return true;
    default:
      return false;
  }
}

bool ToDateTimeValue(const QVariant& value, QDateTime& result) {
  switch (value.typeId()) {
    case QMetaType::QDateTime:
      result = value.toDateTime();
      return result.isValid();
    case QMetaType::QDate:
      result = QDateTime(value.toDate(), QTime(0, 0), Qt::UTC);
      return result.isValid();
    case QMetaType::QTime:
      result = QDateTime(QDate(1899, 12, 30), value.toTime(), Qt::UTC);
      return result.isValid();
    case QMetaType::QString: {
      const QString text = value.toString().trimmed();
      if (text.size() < 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return false;
      QString iso = text;
      if (iso.size() > 10 && iso[10] == QLatin1Char(' ')) iso[10] = QLatin1Char('T');
      result = QDateTime::fromString(iso, Qt::ISODateWithMs);
      if (!result.isValid()) result = QDateTime::fromString(iso, Qt::ISODate);
      if (!result.isValid()) return false;
      result.setTimeSpec(Qt::UTC);
      return true;
    }
    default:
      return false;
  }
}

QString ValueToString(const QVariant& value, const TFormatSettings& settings) {
  if (!value.isValid() || value.isNull()) return {};
  switch (value.typeId()) {
    case QMetaType::QString:
      return value.toString();
    case QMetaType::Bool:
      return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
      return GeneralFloat(value.toDouble());
    case QMetaType::QDate:
      return FormatDateTime(settings.ShortDateFormat,
                            QDateTime(value.toDate(), QTime(0, 0), Qt::UTC), settings);
    case QMetaType::QTime:
      return FormatDateTime(settings.LongTimeFormat,
                            QDateTime(QDate(1899, 12, 30), value.toTime(), Qt::UTC), settings);
    case QMetaType::QDateTime: {
      const QDateTime dt = value.toDateTime();
      if (!dt.isValid()) return {};
      if (dt.date() == QDate(1899, 12, 30))
        return FormatDateTime(settings.LongTimeFormat, dt, settings);
      if (dt.time() == QTime(0, 0)) return FormatDateTime(settings.ShortDateFormat, dt, settings);
      return FormatDateTime(settings.ShortDateFormat, dt, settings) + QLatin1Char(' ') +
             FormatDateTime(settings.LongTimeFormat, dt, settings);
    }
    case QMetaType::QByteArray:
      return QString::fromUtf8(value.toByteArray());
    default:
      return value.toString();
  }
}

QString FormatValue(const QVariant& value, const QString& displayFormat, bool blankWhenZero,
                    const TFormatSettings& settings) {
  if (!value.isValid() || value.isNull()) return {};
  if (IsNumericValue(value)) {
    const double v = value.toDouble();
    if (blankWhenZero && v == 0) return {};
    return displayFormat.isEmpty() ? ValueToString(value, settings)
                                   : FormatFloat(displayFormat, v, settings);
  }
  if (displayFormat.isEmpty()) return ValueToString(value, settings);
  QDateTime dt;
  if (ToDateTimeValue(value, dt)) return FormatDateTime(displayFormat, dt, settings);
  return ValueToString(value, settings);
}
