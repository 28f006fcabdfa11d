#include "data/sqlite/TsqlValue.h"

#include "core/Exception.h"
#include "data/sqlite/TsqlDateTime.h"

#include <cmath>

namespace TsqlValue {

bool IsNull(sqlite3_value* v) {
  return sqlite3_value_type(v) == SQLITE_NULL;
}

bool IsNumber(sqlite3_value* v) {
  const int t = sqlite3_value_type(v);
  return t == SQLITE_INTEGER || t == SQLITE_FLOAT;
}

QString Text(sqlite3_value* v) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return text ? QString::fromUtf8(text, sqlite3_value_bytes(v)) : QString();
}

bool CanonicalDateTime(sqlite3_value* v, int64_t& ms) {
  if (sqlite3_value_type(v) != SQLITE_TEXT || sqlite3_value_subtype(v) == kTextSubtype)
    return false;
  const int n = sqlite3_value_bytes(v);
  if (n != 19 && n != 23) return false;
  return TsqlDateTime::ParseCanonical(reinterpret_cast<const char*>(sqlite3_value_text(v)), n, ms);
}

bool DateTime(sqlite3_value* v, int64_t& ms) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      ms = TsqlDateTime::FromDays(sqlite3_value_double(v));
      return true;
    case SQLITE_TEXT:
      return TsqlDateTime::Parse(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                 sqlite3_value_bytes(v), TsqlDateTime::TParseMode::Conversion, ms);
    default:
      return false;
  }
}

bool ParseNumber(const QString& text, bool& isInteger, int64_t& integer, double& real) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return false;
  int i = 0;
  if (t[i] == u'+' || t[i] == u'-') ++i;
  int digits = 0;
  bool point = false, exponent = false;
  for (; i < t.size(); ++i) {
    const QChar c = t[i];
    if (c.isDigit() && c.unicode() < 128) {
      ++digits;
    } else if (c == u'.' && !point && !exponent) {
      point = true;
    } else if ((c == u'e' || c == u'E') && digits > 0 && !exponent) {
      exponent = true;
      if (i + 1 < t.size() && (t[i + 1] == u'+' || t[i + 1] == u'-')) ++i;
      if (i + 1 >= t.size()) return false;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  bool ok = false;
  isInteger = !point && !exponent;
  if (isInteger) {
    integer = t.toLongLong(&ok);
    if (ok) {
      real = double(integer);
      return true;
    }
    isInteger = false;
  }
  real = t.toDouble(&ok);
  return ok;
}

void ResultDateTime(sqlite3_context* ctx, int64_t ms) {
  static const int64_t first = TsqlDateTime::DaysFromCivil(1, 1, 1) * TsqlDateTime::kMsPerDay;
  static const int64_t last = TsqlDateTime::DaysFromCivil(10000, 1, 1) * TsqlDateTime::kMsPerDay;
  if (ms < first || ms >= last) {
    sqlite3_result_error(
        ctx, "The conversion of a value to datetime resulted in an out-of-range value.", -1);
    return;
  }
  char buffer[24];
  const int n = TsqlDateTime::FormatCanonical(ms, buffer);
  sqlite3_result_text(ctx, buffer, n, SQLITE_TRANSIENT);
}

void ResultString(sqlite3_context* ctx, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
  sqlite3_result_subtype(ctx, kTextSubtype);
}

void ResultNumber(sqlite3_context* ctx, double value) {
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9.0e15)
    sqlite3_result_int64(ctx, sqlite3_int64(value));
  else
    sqlite3_result_double(ctx, value);
}

void Register(sqlite3* db, const char* name, int args, TFunction function, bool deterministic,
              int extraFlags) {
  int flags = SQLITE_UTF8 | extraFlags;
  if (deterministic) flags |= SQLITE_DETERMINISTIC;
  if (sqlite3_create_function_v2(db, name, args, flags, nullptr, function, nullptr, nullptr,
                                 nullptr) != SQLITE_OK)
    throw EDatabaseError(
        QStringLiteral("Cannot register the function %1: %2")
            .arg(QString::fromLatin1(name), QString::fromUtf8(sqlite3_errmsg(db))));
}

bool IsTrue(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      return sqlite3_value_double(v) != 0;
    case SQLITE_TEXT: {
      const QString text = Text(v).trimmed();
      return text == QLatin1String("1") ||
             text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    }
    default:
      return false;
  }
}

void Error(sqlite3_context* ctx, const QString& message) {
  const QByteArray utf8 = message.toUtf8();
  sqlite3_result_error(ctx, utf8.constData(), int(utf8.size()));
}

}  // namespace TsqlValue
