#include "data/sqlite/TsqlFunctionGroups.h"

#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlValue.h"

#include <limits>

// T-SQL's + and - over SQLite's storage classes. Date-times are text in the
// canonical form; T-SQL converts the other operand to the type of higher
// precedence (datetime > number > text):
//   date + date    the right one counted from 1900-01-01 (JustTheDate(d) +
//                  JustTheTime(t) is the moment)
//   date +- number days
//   number + text  the text converted to a number (an error when it is none)
//   text + text    concatenation
//   NULL with anything gives NULL.

namespace {

using namespace TsqlValue;

bool IsBlankText(sqlite3_value* v) {
  return sqlite3_value_type(v) == SQLITE_TEXT && Text(v).trimmed().isEmpty();
}

// Text met by a date-time: T-SQL converts it to a date-time; blank text is
// 1900-01-01.
bool TextAsDateTime(sqlite3_value* v, int64_t& ms) {
  if (IsBlankText(v)) {
    ms = 0;
    return true;
  }
  return sqlite3_value_type(v) == SQLITE_TEXT && DateTime(v, ms);
}

// A number operand, converting text the way T-SQL does.
bool NumberOf(sqlite3_context* ctx, sqlite3_value* v, bool& isInteger, int64_t& i, double& d) {
  if (sqlite3_value_type(v) == SQLITE_INTEGER) {
    isInteger = true;
    i = sqlite3_value_int64(v);
    d = double(i);
    return true;
  }
  if (sqlite3_value_type(v) == SQLITE_FLOAT) {
    isInteger = false;
    d = sqlite3_value_double(v);
    return true;
  }
  const QString text = Text(v);
  if (ParseNumber(text, isInteger, i, d)) return true;
  Error(ctx,
        QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.")
            .arg(text));
  return false;
}

void NumericResult(sqlite3_context* ctx, sqlite3_value* a, sqlite3_value* b, bool add) {
  bool ia = false, ib = false;
  int64_t xa = 0, xb = 0;
  double da = 0, db = 0;
  if (!NumberOf(ctx, a, ia, xa, da) || !NumberOf(ctx, b, ib, xb, db)) return;
  if (ia && ib) {
    int64_t r = 0;
    const bool overflow =
        add ? __builtin_add_overflow(xa, xb, &r) : __builtin_sub_overflow(xa, xb, &r);
    if (!overflow) {
      sqlite3_result_int64(ctx, r);
      return;
    }
  }
  sqlite3_result_double(ctx, add ? da + db : da - db);
}

void Add(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_value* a = argv[0];
  sqlite3_value* b = argv[1];
  if (IsNull(a) || IsNull(b)) {
    sqlite3_result_null(ctx);
    return;
  }
  int64_t ma = 0, mb = 0;
  const bool dateA = CanonicalDateTime(a, ma);
  const bool dateB = CanonicalDateTime(b, mb);
  if (dateA || dateB) {
    if (dateA && dateB) return ResultDateTime(ctx, ma + mb);
    sqlite3_value* other = dateA ? b : a;
    const int64_t base = dateA ? ma : mb;
    if (IsNumber(other))
      return ResultDateTime(ctx, base + TsqlDateTime::FromDays(sqlite3_value_double(other)));
    int64_t otherMs = 0;
    if (sqlite3_value_subtype(other) != kTextSubtype && TextAsDateTime(other, otherMs))
      return ResultDateTime(ctx, base + otherMs);
    // Text that is no date: the date-time looking operand was a string after all.
  }
  const int ta = sqlite3_value_type(a), tb = sqlite3_value_type(b);
  if (ta == SQLITE_BLOB && tb == SQLITE_BLOB) {
    QByteArray joined(static_cast<const char*>(sqlite3_value_blob(a)), sqlite3_value_bytes(a));
    joined.append(static_cast<const char*>(sqlite3_value_blob(b)), sqlite3_value_bytes(b));
    sqlite3_result_blob(ctx, joined.constData(), int(joined.size()), SQLITE_TRANSIENT);
    return;
  }
  if (IsNumber(a) || IsNumber(b)) return NumericResult(ctx, a, b, true);
  // Both text: concatenate the UTF-8 bytes.
  const int na = sqlite3_value_bytes(a), nb = sqlite3_value_bytes(b);
  const auto* sa = reinterpret_cast<const char*>(sqlite3_value_text(a));
  const auto* sb = reinterpret_cast<const char*>(sqlite3_value_text(b));
  QByteArray joined;
  joined.reserve(na + nb);
  joined.append(sa, na);
  joined.append(sb, nb);
  sqlite3_result_text(ctx, joined.constData(), int(joined.size()), SQLITE_TRANSIENT);
  sqlite3_result_subtype(ctx, kTextSubtype);
}

void Subtract(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_value* a = argv[0];
  sqlite3_value* b = argv[1];
  if (IsNull(a) || IsNull(b)) {
    sqlite3_result_null(ctx);
    return;
  }
  int64_t ma = 0, mb = 0;
  const bool dateA = CanonicalDateTime(a, ma);
  const bool dateB = CanonicalDateTime(b, mb);
  if (dateA || dateB) {
    if (!dateA) {
      if (IsNumber(a)) {
        ma = TsqlDateTime::FromDays(sqlite3_value_double(a));
      } else if (!TextAsDateTime(a, ma)) {
        Error(ctx,
              QStringLiteral(
                  "Conversion failed when converting date and/or time from character string."));
        return;
      }
    }
    if (!dateB) {
      if (IsNumber(b)) {
        mb = TsqlDateTime::FromDays(sqlite3_value_double(b));
      } else if (!TextAsDateTime(b, mb)) {
        Error(ctx,
              QStringLiteral(
                  "Conversion failed when converting date and/or time from character string."));
        return;
      }
    }
    return ResultDateTime(ctx, ma - mb);
  }
  NumericResult(ctx, a, b, false);
}

}  // namespace

void RegisterTsqlArithmetic(sqlite3* db) {
  Register(db, "ts_add", 2, Add, true, SQLITE_SUBTYPE | kResultSubtype);
  Register(db, "ts_sub", 2, Subtract, true, SQLITE_SUBTYPE | kResultSubtype);
}
