#include "data/KsVariant.h"

#include "core/Exception.h"

#include <QLocale>

#include <cmath>

namespace {

// Day 0 of the suite's serial date-times, where a bare time of day lives.
const QDate kSerialEpoch(1899, 12, 30);

QString DefaultDateTimeText(const QDateTime& dt, TFieldType type) {
  const QString date = dt.date().toString(QStringLiteral("MM/dd/yyyy"));
  const QString time = QLocale::c().toString(dt.time(), QStringLiteral("h:mm:ss AP"));
  if (type == ftDate) return date;
  if (type == ftTime) return time;
  return dt.time() == QTime(0, 0) ? date : date + QLatin1Char(' ') + time;
}

KsVariant::TDateTimeTextFormatter& Formatter() {
  static KsVariant::TDateTimeTextFormatter formatter = DefaultDateTimeText;
  return formatter;
}

int TypeId(const QVariant& v) {
  return v.metaType().id();
}

bool IsIntegral(const QVariant& v) {
  switch (TypeId(v)) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      return true;
    default:
      return false;
  }
}

bool IsNumeric(const QVariant& v) {
  return IsIntegral(v) || TypeId(v) == QMetaType::Double || TypeId(v) == QMetaType::Float ||
         TypeId(v) == QMetaType::Bool;
}

[[noreturn]] void Invalid(const QVariant& v, const char* kind, const QString& what) {
  throw EDatabaseError(QStringLiteral("'%1' is not a valid %2 for %3")
                           .arg(KsVariant::ToString(v), QLatin1String(kind), what));
}

}  // namespace

namespace KsVariant {

bool IsNull(const QVariant& v) {
  return DbValue::IsNull(v);
}

QDateTime Naive(const QDateTime& dt) {
  if (!dt.isValid() || dt.timeSpec() == Qt::UTC) return dt;
  return QDateTime(dt.date(), dt.time(), Qt::UTC);
}

QString DateTimeText(const QDateTime& dt, TFieldType type) {
  return dt.isValid() ? Formatter()(dt, type) : QString();
}

void SetDateTimeTextFormatter(TDateTimeTextFormatter formatter) {
  Formatter() = formatter ? std::move(formatter) : DefaultDateTimeText;
}

QString ToString(const QVariant& v, TFieldType type) {
  if (IsNull(v)) return QString();
  switch (TypeId(v)) {
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime: {
      QDateTime dt;
      ToDateTime(v, &dt);
      return DateTimeText(dt, type);
    }
    case QMetaType::Bool:
      return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
      return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::QByteArray:
      return QString::fromUtf8(v.toByteArray());
    default:
      return v.toString();
  }
}

bool ToInt64(const QVariant& v, qint64* out) {
  if (IsNull(v)) {
    *out = 0;
    return true;
  }
  if (IsIntegral(v) || TypeId(v) == QMetaType::Bool) {
    *out = v.toLongLong();
    return true;
  }
  if (TypeId(v) == QMetaType::Double || TypeId(v) == QMetaType::Float) {
    *out = std::llround(v.toDouble());
    return true;
  }
  if (TypeId(v) == QMetaType::QString || TypeId(v) == QMetaType::QByteArray) {
    const QString s = ToString(v).trimmed();
    if (s.isEmpty()) {
      *out = 0;
      return true;
    }
    bool ok = false;
    *out = s.toLongLong(&ok);
    return ok;
  }
  return false;
}

bool ToDouble(const QVariant& v, double* out) {
  if (IsNull(v)) {
    *out = 0;
    return true;
  }
  if (IsNumeric(v)) {
    *out = v.toDouble();
    return true;
  }
  if (TypeId(v) == QMetaType::QString || TypeId(v) == QMetaType::QByteArray) {
    const QString s = ToString(v).trimmed();
    if (s.isEmpty()) {
      *out = 0;
      return true;
    }
    bool ok = false;
    *out = QLocale::c().toDouble(s, &ok);
    return ok;
  }
  return false;
}

bool ToBool(const QVariant& v, bool* out) {
  if (IsNull(v)) {
    *out = false;
    return true;
  }
  if (IsNumeric(v)) {
    *out = v.toDouble() != 0;
    return true;
  }
  if (TypeId(v) == QMetaType::QString || TypeId(v) == QMetaType::QByteArray) {
    const QString s = ToString(v).trimmed().toLower();
    if (s.isEmpty() || s == QLatin1String("false") || s == QLatin1String("no") ||
        s == QLatin1String("f") || s == QLatin1String("n")) {
      *out = false;
      return true;
    }
    if (s == QLatin1String("true") || s == QLatin1String("yes") || s == QLatin1String("t") ||
        s == QLatin1String("y")) {
      *out = true;
      return true;
    }
    bool ok = false;
    const double d = QLocale::c().toDouble(s, &ok);
    *out = ok && d != 0;
    return ok;
  }
  return false;
}

bool ToDateTime(const QVariant& v, QDateTime* out) {
  *out = QDateTime();
  if (IsNull(v)) return true;
  switch (TypeId(v)) {
    case QMetaType::QDateTime:
      *out = Naive(v.toDateTime());
      return out->isValid();
    case QMetaType::QDate:
      *out = QDateTime(v.toDate(), QTime(0, 0), Qt::UTC);
      return out->isValid();
    case QMetaType::QTime:
      *out = QDateTime(kSerialEpoch, v.toTime(), Qt::UTC);
      return out->isValid();
    case QMetaType::QString:
    case QMetaType::QByteArray: {
      const QString s = ToString(v).trimmed();
      if (s.isEmpty()) return true;
      *out = DbValue::CanonicalToDateTime(s);
      return out->isValid();
    }
    default:
      break;
  }
  if (IsNumeric(v) && TypeId(v) != QMetaType::Bool) {
    // A serial date-time: days since 30 December 1899, the fraction the time.
    const double serial = v.toDouble();
    const double days = std::floor(serial);
    const qint64 ms = std::llround((serial - days) * 86400000.0);
    *out = QDateTime(kSerialEpoch.addDays(qint64(days)), QTime(0, 0), Qt::UTC).addMSecs(ms);
    return true;
  }
  return false;
}

QByteArray ToBytes(const QVariant& v) {
  if (IsNull(v)) return QByteArray();
  if (TypeId(v) == QMetaType::QByteArray) return v.toByteArray();
  return ToString(v).toUtf8();
}

TFieldType TypeOf(const QVariant& v) {
  if (IsNull(v)) return ftUnknown;
  switch (TypeId(v)) {
    case QMetaType::QString:
      return ftString;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
      return ftInteger;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return ftLargeint;
    case QMetaType::Double:
    case QMetaType::Float:
      return ftFloat;
    case QMetaType::Bool:
      return ftBoolean;
    case QMetaType::QDateTime:
      return ftDateTime;
    case QMetaType::QDate:
      return ftDate;
    case QMetaType::QTime:
      return ftTime;
    case QMetaType::QByteArray:
      return ftBlob;
    default:
      return ftUnknown;
  }
}

QVariant Coerce(const QVariant& v, TFieldType type, const QString& what) {
  if (IsNull(v)) return QVariant();
  switch (type) {
    case ftString:
    case ftWideString:
    case ftMemo:
    case ftGuid:
      if (TypeId(v) == QMetaType::QDateTime)
        return DbValue::DateTimeToCanonical(Naive(v.toDateTime()));
      return ToString(v);
    case ftSmallint:
    case ftInteger:
    case ftLargeint: {
      qint64 i = 0;
      if (!ToInt64(v, &i)) Invalid(v, "integer value", what);
      return QVariant(i);
    }
    case ftFloat:
    case ftCurrency: {
      double d = 0;
      if (!ToDouble(v, &d)) Invalid(v, "floating point value", what);
      return QVariant(d);
    }
    case ftBoolean: {
      bool b = false;
      if (!ToBool(v, &b)) Invalid(v, "boolean value", what);
      return QVariant(b);
    }
    case ftDateTime:
    case ftDate:
    case ftTime: {
      QDateTime dt;
      if (!ToDateTime(v, &dt)) Invalid(v, "date and time", what);
      return dt.isValid() ? QVariant(dt) : QVariant();
    }
    case ftBlob:
    case ftGraphic:
      return QVariant(ToBytes(v));
    case ftUnknown:
      break;
  }
  switch (TypeId(v)) {
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime: {
      QDateTime dt;
      ToDateTime(v, &dt);
      return QVariant(dt);
    }
    default:
      return v;
  }
}

bool Matches(const QVariant& stored, const QVariant& wanted, bool caseInsensitive,
             bool partialKey) {
  const bool storedNull = IsNull(stored);
  const bool wantedNull = IsNull(wanted);
  if (storedNull || wantedNull) return storedNull && wantedNull;
  if (IsNumeric(stored)) {
    double a = 0, b = 0;
    if (ToDouble(stored, &a) && ToDouble(wanted, &b)) return a == b;
  }
  if (TypeId(stored) == QMetaType::QDateTime) {
    QDateTime a, b;
    if (ToDateTime(stored, &a) && ToDateTime(wanted, &b)) return a == b;
  }
  const QString a = ToString(stored);
  const QString b = ToString(wanted);
  const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
  return partialKey ? a.startsWith(b, cs) : a.compare(b, cs) == 0;
}

}  // namespace KsVariant
