#include "data/sqlite/ServerSuiteFunctionGroups.h"

#include "data/sqlite/ServerViewFunctions.h"
#include "data/sqlite/SqliteQuery.h"
#include "data/sqlite/SqliteTableFunction.h"
#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlValue.h"

#include <sqlite3.h>

#include <algorithm>
#include <vector>

// A booking's absences are the view CheckOutIn: each check-out of the
// booking with the check-in that ended it (none while the inmate is out).
// fnks_CheckInOutOnSameRow(BookNo) gives them as a table
// (ServerViewFunctions.h); fnks_CalcBillingStopForCheckOutDays reads them
// from there too, so both pair check-outs and check-ins alike.

namespace {

using namespace TsqlValue;
using TsqlDateTime::kMsPerDay;

// The check-out that ends the last stay is the release, not an absence.
constexpr int kReleasedReason = -2;

int64_t DayOf(int64_t ms) {
  return ms >= 0 ? ms / kMsPerDay : (ms - kMsPerDay + 1) / kMsPerDay;
}

bool DayArg(sqlite3_value* v, int64_t& day) {
  int64_t ms = 0;
  if (IsNull(v) || !DateTime(v, ms)) return false;
  day = DayOf(ms);
  return true;
}

// fnks_CalcBillingStopForCheckOutDays(BookNo, BillingStart, BillingEnd,
//   PeriodStart, PeriodEnd, Now, ChargeCheckOut, ChargeCheckIn)
// The days of the billed stretch (the later of the period's and the
// billing's start to the earlier of their ends; an open period runs to the
// billing end) on which the inmate was out: from the check-out day to the
// check-in day, or to today while still out. The check-out day is billable
// when the agency charges check-out days, the check-in day when it charges
// check-in days. A day with several absences counts once.
void CalcBillingStopForCheckOutDays(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    int64_t from = 0, to = 0, periodStart = 0, periodEnd = 0, today = 0;
    if (IsNull(argv[0]) || !DayArg(argv[1], from) || !DayArg(argv[2], to))
      return sqlite3_result_int(ctx, 0);
    if (DayArg(argv[3], periodStart)) from = std::max(from, periodStart);
    if (DayArg(argv[4], periodEnd)) to = std::min(to, periodEnd);
    const bool hasToday = DayArg(argv[5], today);
    const bool chargeCheckOut = IsTrue(argv[6]);
    const bool chargeCheckIn = IsTrue(argv[7]);
    if (to < from) return sqlite3_result_int(ctx, 0);

    std::vector<bool> out(size_t(to - from + 1), false);
    TSqliteQuery absences(sqlite3_context_db_handle(ctx),
                          "SELECT CheckOutTime, CheckInTime, CheckOutReasonCode FROM CheckOutIn "
                          "WHERE BookNo = ?1 AND CheckOutTime IS NOT NULL");
    absences.Bind(1, argv[0]);
    while (absences.Step()) {
      if (!absences.IsNull(2) && absences.Int(2) == kReleasedReason) continue;
      int64_t first = 0, last = 0;
      if (!DayArg(absences.Value(0), first)) continue;
      if (chargeCheckOut) ++first;
      if (DayArg(absences.Value(1), last)) {
        if (chargeCheckIn) --last;
      } else {
        last = hasToday ? today : to;  // still out
      }
      for (int64_t day = std::max(first, from); day <= std::min(last, to); ++day)
        out[size_t(day - from)] = true;
    }
    sqlite3_result_int64(ctx, std::count(out.begin(), out.end(), true));
  });
}

}  // namespace

void RegisterServerCheckInOutFunctions(sqlite3* db) {
  static const std::vector<TSqliteTableFunction> tables = [] {
    std::vector<TSqliteTableFunction> list;
    for (const TServerViewFunction& f : ServerViewFunctions()) {
      TSqliteTableFunction t;
      t.Name = f.Name.toUtf8();
      for (const QString& column : f.Columns) t.Columns.push_back(column.toUtf8());
      t.Arguments = 1;
      t.Sql = (f.Select() + QStringLiteral(" WHERE ") + f.Key + QStringLiteral(" = ?1")).toUtf8();
      list.push_back(std::move(t));
    }
    return list;
  }();
  for (const TSqliteTableFunction& table : tables) RegisterSqliteTableFunction(db, table);
  Register(db, "fnks_CalcBillingStopForCheckOutDays", 8, CalcBillingStopForCheckOutDays, false);
}
