#pragma once

#include <QString>

#include <sqlite3.h>

#include <cstdint>
#include <exception>

// Helpers shared by the T-SQL function library for reading arguments and
// writing results with T-SQL typing.
namespace TsqlValue {

// Subtype a function puts on text it produced as a string (CAST/CONVERT to
// varchar, concatenation), so that "CONVERT(varchar, d, 120) + ' '" stays a
// concatenation although its text looks like a date-time.
constexpr unsigned int kTextSubtype = 'T';

#ifdef SQLITE_RESULT_SUBTYPE
constexpr int kResultSubtype = SQLITE_RESULT_SUBTYPE;
#else
constexpr int kResultSubtype = 0;
#endif

bool IsNull(sqlite3_value* v);
bool IsNumber(sqlite3_value* v);
QString Text(sqlite3_value* v);

// A date-time in the stored canonical form (not text marked as a string).
bool CanonicalDateTime(sqlite3_value* v, int64_t& ms);
// Any date-time value: canonical or other date text, or a number of days
// from 1900-01-01.
bool DateTime(sqlite3_value* v, int64_t& ms);

// T-SQL's conversion of text to a number: blanks around, sign, digits,
// decimal point, exponent.
bool ParseNumber(const QString& text, bool& isInteger, int64_t& integer, double& real);

void ResultDateTime(sqlite3_context* ctx, int64_t ms);
void ResultString(sqlite3_context* ctx, const QString& text);  // marked as a string
void ResultNumber(sqlite3_context* ctx, double value);         // integer when whole

// Registers a scalar function; throws EDatabaseError.
using TFunction = void (*)(sqlite3_context*, int, sqlite3_value**);
void Register(sqlite3* db, const char* name, int args, TFunction function,
              bool deterministic = true, int extraFlags = 0);

// sqlite3_result_error with a QString.
void Error(sqlite3_context* ctx, const QString& message);

// A bit argument as callers send it: a number (not 0 is true) or the texts
// "1" and "true"; null and anything else are false.
bool IsTrue(sqlite3_value* v);

// Runs a function's body; an exception goes back to SQLite as the
// statement's error.
template <class F>
void Guarded(sqlite3_context* ctx, F&& body) {
  try {
    body();
  } catch (const std::exception& e) {
    sqlite3_result_error(ctx, e.what(), -1);
  }
}

}  // namespace TsqlValue
