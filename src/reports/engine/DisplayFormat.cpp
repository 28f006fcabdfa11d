#include "reports/engine/DisplayFormat.h"

#include <QLocale>

#include <cmath>

namespace {

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
  const QString fixed = RoundedDecimalText(absValue, p.MaxDecimals);
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
