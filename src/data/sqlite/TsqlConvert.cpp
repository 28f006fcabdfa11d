#include "data/sqlite/TsqlFunctionGroups.h"

#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlValue.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// CAST(x AS type) -> ts_cast(x, 'type') and CONVERT(type, x[, style]) ->
// ts_convert('type', x[, style]). The translator writes the type as
// "datetime", "date", "time", "varchar(n)", "varchar", "char(n)", "int",
// "bit", "float", "money", "decimal(s)", "binary" or "variant".

namespace {

using namespace TsqlValue;

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString Pad(int value, int width, QChar fill = u'0') {
  return QString::number(value).rightJustified(width, fill);
}

// A date-time as CONVERT writes it in a style; empty when the style is unknown.
QString FormatDateTime(int64_t ms, int style) {
  const TsqlDateTime::TParts p = TsqlDateTime::ToParts(ms);
  const QString yyyy = Pad(p.Year, 4), yy = Pad(p.Year % 100, 2);
  const QString mm = Pad(p.Month, 2), dd = Pad(p.Day, 2);
  const QString mon = QString::fromLatin1(kMonths[p.Month - 1]);
  const QString hms = Pad(p.Hour, 2) + u':' + Pad(p.Minute, 2) + u':' + Pad(p.Second, 2);
  const int hour12 = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
  const QString ampm = p.Hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
  const QString msec = Pad(p.Millisecond, 3);
  switch (style) {
    case 0:
    case 100:
      return mon + u' ' + Pad(p.Day, 2, u' ') + u' ' + yyyy + u' ' + Pad(hour12, 2, u' ') + u':' +
             Pad(p.Minute, 2) + ampm;
    case 1:
      return mm + u'/' + dd + u'/' + yy;
    case 101:
      return mm + u'/' + dd + u'/' + yyyy;
    case 2:
      return yy + u'.' + mm + u'.' + dd;
    case 102:
      return yyyy + u'.' + mm + u'.' + dd;
    case 3:
      return dd + u'/' + mm + u'/' + yy;
    case 103:
      return dd + u'/' + mm + u'/' + yyyy;
    case 4:
      return dd + u'.' + mm + u'.' + yy;
    case 104:
      return dd + u'.' + mm + u'.' + yyyy;
    case 5:
      return dd + u'-' + mm + u'-' + yy;
    case 105:
      return dd + u'-' + mm + u'-' + yyyy;
    case 6:
      return dd + u' ' + mon + u' ' + yy;
    case 106:
      return dd + u' ' + mon + u' ' + yyyy;
    case 7:
      return mon + u' ' + dd + QStringLiteral(", ") + yy;
    case 107:
      return mon + u' ' + dd + QStringLiteral(", ") + yyyy;
    case 8:
    case 108:
    case 24:
      return hms;
    case 9:
    case 109:
      return mon + u' ' + Pad(p.Day, 2, u' ') + u' ' + yyyy + u' ' + Pad(hour12, 2, u' ') + u':' +
             Pad(p.Minute, 2) + u':' + Pad(p.Second, 2) + u':' + msec + ampm;
    case 10:
      return mm + u'-' + dd + u'-' + yy;
    case 110:
      return mm + u'-' + dd + u'-' + yyyy;
    case 11:
      return yy + u'/' + mm + u'/' + dd;
    case 111:
      return yyyy + u'/' + mm + u'/' + dd;
    case 12:
      return yy + mm + dd;
    case 112:
      return yyyy + mm + dd;
    case 13:
    case 113:
      return dd + u' ' + mon + u' ' + yyyy + u' ' + hms + u':' + msec;
    case 14:
    case 114:
      return hms + u':' + msec;
    case 20:
    case 120:
      return yyyy + u'-' + mm + u'-' + dd + u' ' + hms;
    case 21:
    case 25:
    case 121:
      return yyyy + u'-' + mm + u'-' + dd + u' ' + hms + u'.' + msec;
    case 22:
      return mm + u'/' + dd + u'/' + yy + u' ' + Pad(hour12, 2, u' ') + u':' + Pad(p.Minute, 2) +
             u':' + Pad(p.Second, 2) + u' ' + ampm;
    case 23:
      return yyyy + u'-' + mm + u'-' + dd;
    case 126:
    case 127:
      return yyyy + u'-' + mm + u'-' + dd + u'T' + hms + (p.Millisecond ? u'.' + msec : QString());
    default:
      return QString();
  }
}

// "dd/mm/yyyy" styles read day and month the other way round.
bool DayFirstStyle(int style) {
  return style == 3 || style == 103 || style == 4 || style == 104 || style == 5 || style == 105 ||
         style == 6 || style == 106 || style == 13 || style == 113;
}

QString SwapDayAndMonth(const QString& text) {
  int first = -1, second = -1;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == u'/' || text[i] == u'.' || text[i] == u'-') {
      if (first < 0)
        first = i;
      else {
        second = i;
        break;
      }
    }
  }
  if (first < 0 || second < 0) return text;
  return text.mid(first + 1, second - first - 1) + text[first] + text.left(first) +
         text.mid(second);
}

QString NumberText(sqlite3_value* v) {
  if (sqlite3_value_type(v) == SQLITE_INTEGER) return QString::number(sqlite3_value_int64(v));
  const double d = sqlite3_value_double(v);
  if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
    return QString::number(qint64(d));
  return QString::number(d, 'g', 15);
}

// The length in "varchar(30)" / "char(10)"; -1 when none.
int TypeLength(const char* typeName) {
  const char* open = std::strchr(typeName, '(');
  return open ? std::atoi(open + 1) : -1;
}

void ToText(sqlite3_context* ctx, sqlite3_value* v, const char* typeName, int style,
            bool hasStyle) {
  QString text;
  int64_t ms = 0;
  if (IsNumber(v)) {
    text = NumberText(v);
  } else if (sqlite3_value_type(v) == SQLITE_BLOB) {
    text =
        QString::fromUtf8(static_cast<const char*>(sqlite3_value_blob(v)), sqlite3_value_bytes(v));
  } else if (CanonicalDateTime(v, ms)) {
    // A date-time column: written in the style (the default is style 0).
    text = FormatDateTime(ms, hasStyle ? style : 0);
    if (text.isNull()) {
      Error(ctx, QStringLiteral("%1 is not a valid style number when converting from datetime to a "
                                "character string.")
                     .arg(style));
      return;
    }
  } else {
    text = Text(v);
  }
  const int length = TypeLength(typeName);
  if (length >= 0) {
    if (text.size() > length) text.truncate(length);
    if (std::strncmp(typeName, "char", 4) == 0) text = text.leftJustified(length, u' ');
  }
  ResultString(ctx, text);
}

void ToDateTime(sqlite3_context* ctx, sqlite3_value* v, const char* typeName, int style,
                bool hasStyle) {
  int64_t ms = 0;
  bool ok = false;
  if (sqlite3_value_type(v) == SQLITE_TEXT && hasStyle && DayFirstStyle(style))
    ok = TsqlDateTime::Parse(SwapDayAndMonth(Text(v)), TsqlDateTime::TParseMode::Conversion, ms);
  else
    ok = DateTime(v, ms);
  if (!ok) {
    Error(ctx, QStringLiteral(
                   "Conversion failed when converting date and/or time from character string."));
    return;
  }
  const int64_t day = ms >= 0 ? ms / TsqlDateTime::kMsPerDay
                              : -((-ms + TsqlDateTime::kMsPerDay - 1) / TsqlDateTime::kMsPerDay);
  if (std::strcmp(typeName, "date") == 0) ms = day * TsqlDateTime::kMsPerDay;
  if (std::strcmp(typeName, "time") == 0) ms -= day * TsqlDateTime::kMsPerDay;
  ResultDateTime(ctx, ms);
}

// Number of a value for int/float/money/decimal/bit; false with an error set.
bool NumberValue(sqlite3_context* ctx, sqlite3_value* v, const char* target, bool& isInteger,
                 int64_t& integer, double& real) {
  int64_t ms = 0;
  if (sqlite3_value_type(v) == SQLITE_INTEGER) {
    isInteger = true;
    integer = sqlite3_value_int64(v);
    real = double(integer);
    return true;
  }
  if (sqlite3_value_type(v) == SQLITE_FLOAT) {
    isInteger = false;
    real = sqlite3_value_double(v);
    return true;
  }
  if (CanonicalDateTime(v, ms)) {
    isInteger = false;
    real = TsqlDateTime::ToDays(ms);
    return true;
  }
  const QString text = Text(v);
  // CAST('' AS int) is 0 in T-SQL.
  if (text.trimmed().isEmpty() && std::strcmp(target, "int") == 0) {
    isInteger = true;
    integer = 0;
    real = 0;
    return true;
  }
  if (ParseNumber(text, isInteger, integer, real)) return true;
  Error(ctx,
        QStringLiteral("Conversion failed when converting the varchar value '%1' to data type %2.")
            .arg(text, QString::fromLatin1(target)));
  return false;
}

void Convert(sqlite3_context* ctx, sqlite3_value* v, const char* typeName,
             sqlite3_value* styleArg) {
  if (IsNull(v)) return sqlite3_result_null(ctx);
  const bool hasStyle = styleArg && !IsNull(styleArg);
  const int style = hasStyle ? sqlite3_value_int(styleArg) : 0;
  if (std::strncmp(typeName, "varchar", 7) == 0 || std::strncmp(typeName, "char", 4) == 0)
    return ToText(ctx, v, typeName, style, hasStyle);
  if (std::strcmp(typeName, "datetime") == 0 || std::strcmp(typeName, "date") == 0 ||
      std::strcmp(typeName, "time") == 0)
    return ToDateTime(ctx, v, typeName, style, hasStyle);
  if (std::strcmp(typeName, "binary") == 0) {
    if (sqlite3_value_type(v) == SQLITE_BLOB) return sqlite3_result_value(ctx, v);
    const QByteArray bytes = Text(v).toUtf8();
    sqlite3_result_blob(ctx, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    return;
  }
  if (std::strcmp(typeName, "variant") == 0) return sqlite3_result_value(ctx, v);
  if (std::strcmp(typeName, "bit") == 0) {
    if (sqlite3_value_type(v) == SQLITE_TEXT) {
      const QString t = Text(v).trimmed();
      if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return sqlite3_result_int(ctx, 1);
      if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return sqlite3_result_int(ctx, 0);
    }
    bool isInteger = false;
    int64_t integer = 0;
    double real = 0;
    if (!NumberValue(ctx, v, "bit", isInteger, integer, real)) return;
    sqlite3_result_int(ctx, real != 0 ? 1 : 0);
    return;
  }
  bool isInteger = false;
  int64_t integer = 0;
  double real = 0;
  if (std::strcmp(typeName, "int") == 0) {
    if (!NumberValue(ctx, v, "int", isInteger, integer, real)) return;
    int64_t ms = 0;
    if (CanonicalDateTime(v, ms))  // a date-time rounds to the nearest day
      integer = int64_t(std::floor(real + 0.5));
    else if (!isInteger)
      integer = int64_t(std::trunc(real));
    sqlite3_result_int64(ctx, integer);
    return;
  }
  if (std::strcmp(typeName, "float") == 0) {
    if (!NumberValue(ctx, v, "float", isInteger, integer, real)) return;
    sqlite3_result_double(ctx, real);
    return;
  }
  if (std::strcmp(typeName, "money") == 0 || std::strncmp(typeName, "decimal", 7) == 0) {
    if (!NumberValue(ctx, v, typeName, isInteger, integer, real)) return;
    if (isInteger) return sqlite3_result_int64(ctx, integer);
    const int scale = std::strcmp(typeName, "money") == 0 ? 4 : std::max(0, TypeLength(typeName));
    const double factor = std::pow(10.0, scale);
    const double scaled = real * factor;
    const double rounded =
        std::round(scaled + std::copysign(std::fabs(scaled) * 1e-12, scaled)) / factor;
    if (scale == 0) return sqlite3_result_int64(ctx, int64_t(rounded));
    sqlite3_result_double(ctx, rounded);
    return;
  }
  Error(ctx, QStringLiteral("Unknown conversion target '%1'.").arg(QString::fromLatin1(typeName)));
}

void Cast(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char* typeName = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
  Convert(ctx, argv[0], typeName ? typeName : "", nullptr);
}

void ConvertFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const char* typeName = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  Convert(ctx, argv[1], typeName ? typeName : "", argc > 2 ? argv[2] : nullptr);
}

}  // namespace

void RegisterTsqlConversions(sqlite3* db) {
  Register(db, "ts_cast", 2, Cast, true, SQLITE_SUBTYPE | kResultSubtype);
  Register(db, "ts_convert", 2, ConvertFunction, true, SQLITE_SUBTYPE | kResultSubtype);
  Register(db, "ts_convert", 3, ConvertFunction, true, SQLITE_SUBTYPE | kResultSubtype);
}
