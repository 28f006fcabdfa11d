#include "data/sqlite/TsqlFunctionGroups.h"

#include "data/sqlite/TsqlValue.h"

#include <algorithm>
#include <cmath>

// Numeric functions keeping T-SQL's result types: an integer argument gives
// an integer, a floating-point one a floating-point result.

namespace {

using namespace TsqlValue;

// The argument as a number; false with the result set when it is NULL or no number.
bool NumberArg(sqlite3_context* ctx, sqlite3_value* v, bool& isInteger, int64_t& integer,
               double& real) {
  if (IsNull(v)) {
    sqlite3_result_null(ctx);
    return false;
  }
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
  if (ParseNumber(Text(v), isInteger, integer, real)) return true;
  Error(ctx, QStringLiteral("Error converting data type varchar to numeric."));
  return false;
}

// ROUND(x, n [, truncate]): half away from zero; n may be negative.
void Round(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  bool isInteger = false;
  int64_t integer = 0;
  double x = 0;
  if (!NumberArg(ctx, argv[0], isInteger, integer, x)) return;
  if (IsNull(argv[1])) return sqlite3_result_null(ctx);
  const int n = sqlite3_value_int(argv[1]);
  const bool truncate = argc > 2 && !IsNull(argv[2]) && sqlite3_value_int(argv[2]) != 0;
  const double factor = std::pow(10.0, n);
  // T-SQL rounds the decimal the program wrote: 2.675 is 2.675, not the
  // double 2.67499999...; a nudge of a few units in the last place restores it.
  double scaled = x * factor;
  scaled += std::copysign(std::fabs(scaled) * 1e-12, scaled);
  const double rounded = (truncate ? std::trunc(scaled) : std::round(scaled)) / factor;
  if (isInteger)
    sqlite3_result_int64(ctx, int64_t(rounded));
  else
    sqlite3_result_double(ctx, rounded);
}

void FloorOrCeiling(sqlite3_context* ctx, sqlite3_value* v, bool floor) {
  bool isInteger = false;
  int64_t integer = 0;
  double x = 0;
  if (!NumberArg(ctx, v, isInteger, integer, x)) return;
  if (isInteger) return sqlite3_result_int64(ctx, integer);
  sqlite3_result_double(ctx, floor ? std::floor(x) : std::ceil(x));
}

void Floor(sqlite3_context* ctx, int, sqlite3_value** argv) {
  FloorOrCeiling(ctx, argv[0], true);
}
void Ceiling(sqlite3_context* ctx, int, sqlite3_value** argv) {
  FloorOrCeiling(ctx, argv[0], false);
}

void Sign(sqlite3_context* ctx, int, sqlite3_value** argv) {
  bool isInteger = false;
  int64_t integer = 0;
  double x = 0;
  if (!NumberArg(ctx, argv[0], isInteger, integer, x)) return;
  const int sign = x > 0 ? 1 : x < 0 ? -1 : 0;
  if (isInteger)
    sqlite3_result_int(ctx, sign);
  else
    sqlite3_result_double(ctx, sign);
}

void Power(sqlite3_context* ctx, int, sqlite3_value** argv) {
  bool ia = false, ib = false;
  int64_t a = 0, b = 0;
  double x = 0, y = 0;
  if (!NumberArg(ctx, argv[0], ia, a, x) || !NumberArg(ctx, argv[1], ib, b, y)) return;
  const double r = std::pow(x, y);
  if (ia && std::fabs(r) < 9.0e15)
    sqlite3_result_int64(ctx, int64_t(std::trunc(r)));
  else
    sqlite3_result_double(ctx, r);
}

void Sqrt(sqlite3_context* ctx, int, sqlite3_value** argv) {
  bool isInteger = false;
  int64_t integer = 0;
  double x = 0;
  if (!NumberArg(ctx, argv[0], isInteger, integer, x)) return;
  if (x < 0) {
    Error(ctx, QStringLiteral("An invalid floating point operation occurred."));
    return;
  }
  sqlite3_result_double(ctx, std::sqrt(x));
}

}  // namespace

void RegisterTsqlMathFunctions(sqlite3* db) {
  Register(db, "ts_round", 2, Round);
  Register(db, "ts_round", 3, Round);
  Register(db, "ts_floor", 1, Floor);
  Register(db, "ts_ceiling", 1, Ceiling);
  Register(db, "ts_sign", 1, Sign);
  Register(db, "ts_power", 2, Power);
  Register(db, "ts_sqrt", 1, Sqrt);
}
