#include "data/sqlite/TsqlFunctionGroups.h"

#include "data/sqlite/TsqlCollation.h"
#include "data/sqlite/TsqlValue.h"

#include <QUuid>

#include <algorithm>

#include <cmath>

// String functions with T-SQL semantics: positions count from 1, searches
// ignore case (the suite's collation is case-insensitive), any NULL argument
// gives NULL.

namespace {

using namespace TsqlValue;

bool AnyNull(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i) {
    if (IsNull(argv[i])) {
      sqlite3_result_null(ctx);
      return true;
    }
  }
  return false;
}

// An integer argument (lengths, positions, counts).
bool IntArg(sqlite3_context* ctx, sqlite3_value* v, int64_t& out) {
  if (IsNumber(v)) {
    out = sqlite3_value_type(v) == SQLITE_INTEGER ? sqlite3_value_int64(v)
                                                  : int64_t(std::trunc(sqlite3_value_double(v)));
    return true;
  }
  bool isInteger = false;
  double real = 0;
  if (ParseNumber(Text(v), isInteger, out, real)) {
    if (!isInteger) out = int64_t(std::trunc(real));
    return true;
  }
  Error(ctx,
        QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.")
            .arg(Text(v)));
  return false;
}

QString WithoutTrailingBlanks(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == u' ') --n;
  return s.left(n);
}

void Len(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  sqlite3_result_int64(ctx, WithoutTrailingBlanks(Text(argv[0])).size());
}

void DataLength(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  if (sqlite3_value_type(argv[0]) == SQLITE_BLOB)
    return sqlite3_result_int(ctx, sqlite3_value_bytes(argv[0]));
  sqlite3_result_int64(ctx, Text(argv[0]).size());
}

// CHARINDEX(find, in [, start])
void CharIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  const QString find = Text(argv[0]);
  const QString in = Text(argv[1]);
  int64_t start = 1;
  if (argc > 2 && !IntArg(ctx, argv[2], start)) return;
  if (start < 1) start = 1;
  if (find.isEmpty() || start > in.size()) return sqlite3_result_int(ctx, 0);
  sqlite3_result_int64(ctx, in.indexOf(find, start - 1, Qt::CaseInsensitive) + 1);
}

// SUBSTRING(s, start, length): the characters from start to start+length-1
// that lie within the string; start may be below 1.
void Substring(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  int64_t start = 0, length = 0;
  if (!IntArg(ctx, argv[1], start) || !IntArg(ctx, argv[2], length)) return;
  if (length < 0) {
    Error(ctx, QStringLiteral("Invalid length parameter passed to the substring function."));
    return;
  }
  const QString s = Text(argv[0]);
  const int64_t first = std::max<int64_t>(start, 1);
  const int64_t last = std::min<int64_t>(start + length - 1, s.size());
  ResultString(ctx, last < first ? QString() : s.mid(first - 1, last - first + 1));
}

void LeftOrRight(sqlite3_context* ctx, int argc, sqlite3_value** argv, bool left) {
  if (AnyNull(ctx, argc, argv)) return;
  int64_t n = 0;
  if (!IntArg(ctx, argv[1], n)) return;
  if (n < 0) {
    Error(ctx, QStringLiteral("Invalid length parameter passed to the %1 function.")
                   .arg(left ? QStringLiteral("left") : QStringLiteral("right")));
    return;
  }
  const QString s = Text(argv[0]);
  ResultString(ctx, left ? s.left(n) : s.right(n));
}

void Left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  LeftOrRight(ctx, argc, argv, true);
}
void Right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  LeftOrRight(ctx, argc, argv, false);
}

void Reverse(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  QString s = Text(argv[0]);
  std::reverse(s.begin(), s.end());
  ResultString(ctx, s);
}

// CHAR(n): the character of code n of the Windows code page (Latin-1 here,
// which agrees on everything the program writes); NULL outside 0..255.
void Char(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  int64_t n = 0;
  if (!IntArg(ctx, argv[0], n)) return;
  if (n < 0 || n > 255) return sqlite3_result_null(ctx);
  ResultString(ctx, QString(QChar(ushort(n))));
}

void Ascii(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  const QString s = Text(argv[0]);
  if (s.isEmpty()) return sqlite3_result_null(ctx);
  sqlite3_result_int(ctx, s[0].unicode());
}

void Upper(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  ResultString(ctx, Text(argv[0]).toUpper());
}

void Lower(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  ResultString(ctx, Text(argv[0]).toLower());
}

void Replace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  QString s = Text(argv[0]);
  const QString find = Text(argv[1]);
  if (!find.isEmpty()) s.replace(find, Text(argv[2]), Qt::CaseInsensitive);
  ResultString(ctx, s);
}

void Replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  int64_t n = 0;
  if (!IntArg(ctx, argv[1], n)) return;
  if (n < 0) return sqlite3_result_null(ctx);
  ResultString(ctx, Text(argv[0]).repeated(qsizetype(std::min<int64_t>(n, 1 << 24))));
}

void Space(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  int64_t n = 0;
  if (!IntArg(ctx, argv[0], n)) return;
  if (n < 0) return sqlite3_result_null(ctx);
  ResultString(ctx, QString(qsizetype(std::min<int64_t>(n, 1 << 24)), u' '));
}

// STR(number [, length [, decimals]]): right-aligned, '*' when it does not fit.
void Str(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (AnyNull(ctx, argc, argv)) return;
  int64_t length = 10, decimals = 0;
  if (argc > 1 && !IntArg(ctx, argv[1], length)) return;
  if (argc > 2 && !IntArg(ctx, argv[2], decimals)) return;
  decimals = std::clamp<int64_t>(decimals, 0, 16);
  bool isInteger = false;
  int64_t integer = 0;
  double value = sqlite3_value_double(argv[0]);
  if (!IsNumber(argv[0]) && !ParseNumber(Text(argv[0]), isInteger, integer, value)) {
    Error(ctx, QStringLiteral("Error converting data type varchar to float."));
    return;
  }
  QString text = QString::number(value, 'f', int(decimals));
  if (text.size() > length && decimals > 0)
    text =
        QString::number(value, 'f', int(std::max<int64_t>(0, decimals - (text.size() - length))));
  if (text.size() > length) text = QString(qsizetype(std::max<int64_t>(length, 0)), u'*');
  ResultString(ctx, text.rightJustified(qsizetype(length), u' '));
}

void IsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNumber(argv[0])) return sqlite3_result_int(ctx, 1);
  bool isInteger = false;
  int64_t integer = 0;
  double real = 0;
  sqlite3_result_int(ctx, sqlite3_value_type(argv[0]) == SQLITE_TEXT &&
                                  ParseNumber(Text(argv[0]), isInteger, integer, real)
                              ? 1
                              : 0);
}

// NULLIF(a, b): NULL when a equals b as T-SQL compares them (text without
// regard to case and trailing blanks), else a.
void NullIf(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_value* a = argv[0];
  sqlite3_value* b = argv[1];
  bool equal = false;
  if (!IsNull(a) && !IsNull(b)) {
    if (IsNumber(a) && IsNumber(b)) {
      equal = sqlite3_value_double(a) == sqlite3_value_double(b);
    } else if (IsNumber(a) || IsNumber(b)) {
      bool isInteger = false;
      int64_t integer = 0;
      double real = 0;
      sqlite3_value* text = IsNumber(a) ? b : a;
      sqlite3_value* number = IsNumber(a) ? a : b;
      equal =
          ParseNumber(Text(text), isInteger, integer, real) && real == sqlite3_value_double(number);
    } else {
      const auto* ta = reinterpret_cast<const char*>(sqlite3_value_text(a));
      const int na = sqlite3_value_bytes(a);
      const auto* tb = reinterpret_cast<const char*>(sqlite3_value_text(b));
      equal = TsqlCompareText(ta, na, tb, sqlite3_value_bytes(b)) == 0;
    }
  }
  if (equal)
    sqlite3_result_null(ctx);
  else
    sqlite3_result_value(ctx, a);
}

void NewId(sqlite3_context* ctx, int, sqlite3_value**) {
  ResultString(ctx, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
}

}  // namespace

void RegisterTsqlStringFunctions(sqlite3* db) {
  Register(db, "ts_len", 1, Len);
  Register(db, "ts_datalength", 1, DataLength);
  Register(db, "ts_charindex", 2, CharIndex);
  Register(db, "ts_charindex", 3, CharIndex);
  Register(db, "ts_substring", 3, Substring, true, kResultSubtype);
  Register(db, "ts_left", 2, Left, true, kResultSubtype);
  Register(db, "ts_right", 2, Right, true, kResultSubtype);
  Register(db, "ts_reverse", 1, Reverse, true, kResultSubtype);
  Register(db, "ts_char", 1, Char, true, kResultSubtype);
  Register(db, "ts_ascii", 1, Ascii);
  Register(db, "ts_upper", 1, Upper, true, kResultSubtype);
  Register(db, "ts_lower", 1, Lower, true, kResultSubtype);
  Register(db, "ts_replace", 3, Replace, true, kResultSubtype);
  Register(db, "ts_replicate", 2, Replicate, true, kResultSubtype);
  Register(db, "ts_space", 1, Space, true, kResultSubtype);
  Register(db, "ts_str", 1, Str, true, kResultSubtype);
  Register(db, "ts_str", 2, Str, true, kResultSubtype);
  Register(db, "ts_str", 3, Str, true, kResultSubtype);
  Register(db, "ts_isnumeric", 1, IsNumeric);
  Register(db, "ts_nullif", 2, NullIf, true, SQLITE_SUBTYPE | kResultSubtype);
  Register(db, "ts_newid", 0, NewId, false, kResultSubtype);
}
