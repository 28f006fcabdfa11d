#include "data/sqlite/ServerSuiteFunctionGroups.h"

#include "core/KsUniqueKey.h"
#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlValue.h"

#include <sqlite3.h>

namespace {

using namespace TsqlValue;
using TsqlDateTime::kMsPerDay;

int64_t DayStart(int64_t ms) {
  return (ms >= 0 ? ms / kMsPerDay : (ms - kMsPerDay + 1) / kMsPerDay) * kMsPerDay;
}

// fnks_GetUniqueID(guid): the 22-character UNIQUEKEY of a GUID's text, as the
// program makes its own keys (NEWID() gives the GUID).
void GetUniqueId(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(ctx);
    ResultString(ctx, UniqueKeyFromGuidText(Text(argv[0])));
  });
}

// fnks_CombineDateAndTime(date, time): the date's day at the time of day the
// second argument gives (a time text such as "14:07" or "2:07 PM", or a
// date-time whose day is ignored). Null when the date is null; a null or
// blank time gives midnight.
void CombineDateAndTime(sqlite3_context* ctx, int, sqlite3_value** argv) {
  int64_t date = 0, time = 0;
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  if (!DateTime(argv[0], date))
    return Error(ctx, QStringLiteral("Conversion failed when converting date and/or time from "
                                     "character string."));
  const bool noTime = IsNull(argv[1]) || (sqlite3_value_type(argv[1]) == SQLITE_TEXT &&
                                          Text(argv[1]).trimmed().isEmpty());
  if (!noTime && !DateTime(argv[1], time))
    return Error(ctx, QStringLiteral("Conversion failed when converting date and/or time from "
                                     "character string."));
  ResultDateTime(ctx, DayStart(date) + (noTime ? 0 : time - DayStart(time)));
}

}  // namespace

void RegisterServerValueFunctions(sqlite3* db) {
  Register(db, "fnks_GetUniqueID", 1, GetUniqueId, true, kResultSubtype);
  Register(db, "fnks_CombineDateAndTime", 2, CombineDateAndTime);
}
