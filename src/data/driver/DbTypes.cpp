#include "data/driver/DbTypes.h"

#include "core/Exception.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <optional>

namespace {

// Reads exactly `count` digits at `pos`, advancing it; nullopt when short.
std::optional<int> ReadDigits(const QString& text, qsizetype& pos, int count) {
  if (pos + count > text.size()) return std::nullopt;
  int value = 0;
  for (int i = 0; i < count; ++i) {
    const QChar c = text.at(pos + i);
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - '0');
  }
  pos += count;
  return value;
}

bool ReadChar(const QString& text, qsizetype& pos, char expected) {
  if (pos >= text.size() || text.at(pos) != QLatin1Char(expected)) return false;
  ++pos;
  return true;
}

QString ParamLabel(const TDbParam& param) {
  return QStringLiteral(":") + param.Name;
}

[[noreturn]] void ThrowBadValue(const TDbParam& param, const char* kindName) {
  throw EDatabaseError(
      QStringLiteral("Parameter %1: the value \"%2\" is not %3.")
          .arg(ParamLabel(param), param.Value.toString(), QString::fromLatin1(kindName)));
}

QDateTime DateOnly(const QDate& date) {
  return QDateTime(date, QTime(0, 0), Qt::UTC);
}

// The suite stores a time of day on 30 December 1899.
QDateTime TimeOnly(const QTime& time) {
  return QDateTime(QDate(1899, 12, 30), time, Qt::UTC);
}

QString NormalisedName(const QString& name) {
  QString n = name.trimmed();
  if (n.startsWith(QLatin1Char(':')) || n.startsWith(QLatin1Char('@'))) n.remove(0, 1);
  return n;
}

template <typename Params, typename Result>
Result FindIn(Params& params, const QString& name) {
  const QString wanted = NormalisedName(name);
  for (auto& p : params)
    if (NormalisedName(p.Name).compare(wanted, Qt::CaseInsensitive) == 0) return &p;
  return nullptr;
}

}  // namespace

namespace DbValue {

QString DateTimeToCanonical(const QDateTime& value) {
  if (!value.isValid()) return QString();
  // The wall-clock fields as given, whatever the time zone setting: these
  // values are naive.
  const QDate d = value.date();
  const QTime t = value.time();
  QString text = QStringLiteral("%1-%2-%3 %4:%5:%6")
                     .arg(d.year(), 4, 10, QLatin1Char('0'))
                     .arg(d.month(), 2, 10, QLatin1Char('0'))
                     .arg(d.day(), 2, 10, QLatin1Char('0'))
                     .arg(t.hour(), 2, 10, QLatin1Char('0'))
                     .arg(t.minute(), 2, 10, QLatin1Char('0'))
                     .arg(t.second(), 2, 10, QLatin1Char('0'));
  if (t.msec() != 0) text += QStringLiteral(".%1").arg(t.msec(), 3, 10, QLatin1Char('0'));
  return text;
}

QDateTime CanonicalToDateTime(const QString& input) {
  const QString text = input.trimmed();
  qsizetype pos = 0;
  const auto y = ReadDigits(text, pos, 4);
  if (!y || !ReadChar(text, pos, '-')) return {};
  const auto mo = ReadDigits(text, pos, 2);
  if (!mo || !ReadChar(text, pos, '-')) return {};
  const auto d = ReadDigits(text, pos, 2);
  if (!d) return {};
  const QDate date(*y, *mo, *d);
  if (!date.isValid()) return {};
  if (pos == text.size()) return DateOnly(date);

  if (!ReadChar(text, pos, ' ') && !ReadChar(text, pos, 'T')) return {};
  const auto h = ReadDigits(text, pos, 2);
  if (!h || !ReadChar(text, pos, ':')) return {};
  const auto mi = ReadDigits(text, pos, 2);
  if (!mi) return {};
  int s = 0;
  int ms = 0;
  if (ReadChar(text, pos, ':')) {
    const auto sec = ReadDigits(text, pos, 2);
    if (!sec) return {};
    s = *sec;
    if (ReadChar(text, pos, '.')) {
      // Up to seven fraction digits arrive from SQL Server's datetime2; the
      // program works in milliseconds, so the rest are dropped.
      int digits = 0;
      int scale = 100;
      while (pos < text.size() && text.at(pos).isDigit()) {
        if (digits < 3) ms += (text.at(pos).unicode() - '0') * scale;
        scale /= 10;
        ++digits;
        ++pos;
      }
      if (digits == 0) return {};
    }
  }
  if (pos != text.size()) return {};
  const QTime time(*h, *mi, s, ms);
  if (!time.isValid()) return {};
  return QDateTime(date, time, Qt::UTC);
}

QDateTime MakeDateTime(int y, int mo, int d, int h, int mi, int s, int ms) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

bool IsNull(const QVariant& v) {
  return !v.isValid() || v.isNull();
}

TKind KindOf(const QVariant& v) {
  if (IsNull(v)) return TKind::Null;
  switch (v.typeId()) {
    case QMetaType::Bool:
      return TKind::Boolean;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
      return TKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
      return TKind::Double;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime:
      return TKind::DateTime;
    case QMetaType::QByteArray:
      return TKind::Blob;
    default:
      return TKind::Text;
  }
}

TKind KindOf(TFieldType type) {
  switch (type) {
    case ftUnknown:
      return TKind::Null;
    case ftString:
    case ftWideString:
    case ftMemo:
    case ftGuid:
      return TKind::Text;
    case ftSmallint:
    case ftInteger:
    case ftLargeint:
      return TKind::Integer;
    case ftBoolean:
      return TKind::Boolean;
    case ftFloat:
    case ftCurrency:
      return TKind::Double;
    case ftDateTime:
    case ftDate:
    case ftTime:
      return TKind::DateTime;
    case ftBlob:
    case ftGraphic:
      return TKind::Blob;
  }
  return TKind::Null;
}

TFieldType FieldTypeOf(TKind kind) {
  switch (kind) {
    case TKind::Null:
      return ftUnknown;
    case TKind::Integer:
      return ftLargeint;
    case TKind::Double:
      return ftFloat;
    case TKind::Boolean:
      return ftBoolean;
    case TKind::Text:
      return ftString;
    case TKind::DateTime:
      return ftDateTime;
    case TKind::Blob:
      return ftBlob;
  }
  return ftUnknown;
}

QVariant ToBindValue(const TDbParam& param) {
  const QVariant& v = param.Value;
  const TKind valueKind = KindOf(v);
  if (valueKind == TKind::Null) return QVariant();
  const TKind wanted = param.DataType == ftUnknown ? valueKind : KindOf(param.DataType);

  switch (wanted) {
    case TKind::Null:
      return QVariant();
    case TKind::Integer: {
      if (valueKind == TKind::Double) {
        const double d = v.toDouble();
        if (d != static_cast<double>(static_cast<qint64>(d))) ThrowBadValue(param, "an integer");
        return QVariant(static_cast<qint64>(d));
      }
      if (valueKind == TKind::Boolean) return QVariant(qint64(v.toBool() ? 1 : 0));
      if (valueKind == TKind::DateTime || valueKind == TKind::Blob)
        ThrowBadValue(param, "an integer");
      bool ok = false;
      const qint64 i =
          valueKind == TKind::Text ? v.toString().trimmed().toLongLong(&ok) : v.toLongLong(&ok);
      if (!ok) ThrowBadValue(param, "an integer");
      return QVariant(i);
    }
    case TKind::Double: {
      if (valueKind == TKind::DateTime || valueKind == TKind::Blob)
        ThrowBadValue(param, "a number");
      if (valueKind == TKind::Boolean) return QVariant(v.toBool() ? 1.0 : 0.0);
      bool ok = false;
      const double d =
          valueKind == TKind::Text ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
      if (!ok) ThrowBadValue(param, "a number");
      return QVariant(d);
    }
    case TKind::Boolean: {
      if (valueKind == TKind::Boolean) return QVariant(v.toBool());
      if (valueKind == TKind::Integer) return QVariant(v.toLongLong() != 0);
      if (valueKind == TKind::Double) return QVariant(v.toDouble() != 0.0);
      if (valueKind == TKind::Text) {
        const QString t = v.toString().trimmed().toLower();
        if (t == QLatin1String("true") || t == QLatin1String("1")) return QVariant(true);
        if (t == QLatin1String("false") || t == QLatin1String("0")) return QVariant(false);
      }
      ThrowBadValue(param, "a Boolean");
    }
    case TKind::Text:
      if (valueKind == TKind::DateTime) {
        if (v.typeId() == QMetaType::QDate) return DateTimeToCanonical(DateOnly(v.toDate()));
        if (v.typeId() == QMetaType::QTime) return DateTimeToCanonical(TimeOnly(v.toTime()));
        return DateTimeToCanonical(v.toDateTime());
      }
      if (valueKind == TKind::Blob) return QString::fromUtf8(v.toByteArray());
      return QVariant(v.toString());
    case TKind::DateTime: {
      if (v.typeId() == QMetaType::QDate) return DateOnly(v.toDate());
      if (v.typeId() == QMetaType::QTime) return TimeOnly(v.toTime());
      if (v.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = v.toDateTime();
        return QDateTime(dt.date(), dt.time(), Qt::UTC);
      }
      if (valueKind == TKind::Text) {
        const QDateTime dt = CanonicalToDateTime(v.toString());
        if (dt.isValid()) return dt;
      }
      ThrowBadValue(param, "a date-time");
    }
    case TKind::Blob:
      if (valueKind == TKind::Blob) return v;
      if (valueKind == TKind::Text) return v.toString().toUtf8();
      ThrowBadValue(param, "binary data");
  }
  return QVariant();
}

}  // namespace DbValue

TDbParam* FindDbParam(std::vector<TDbParam>& params, const QString& name) {
  return FindIn<std::vector<TDbParam>, TDbParam*>(params, name);
}

const TDbParam* FindDbParam(const std::vector<TDbParam>& params, const QString& name) {
  return FindIn<const std::vector<TDbParam>, const TDbParam*>(params, name);
}
