#include "data/sqlite/ServerDailyPopulation.h"

#include "data/sqlite/ServerCustody.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteProcedures.h"
#include "data/sqlite/TsqlDateTime.h"

#include <algorithm>
#include <cmath>

namespace {

using TsqlDateTime::kMsPerDay;

// Inmate-milliseconds of one day, by column.
struct TDayTotals {
  double Male = 0, Female = 0, Unknown = 0, Juvenile = 0;
};

qint64 Average(double heldMs, int64_t spanMs) {
  return spanMs > 0 ? qint64(std::llround(heldMs / double(spanMs))) : 0;
}

}  // namespace

void KsspUpdateDailyPopulation(TSqliteProcedureContext& call) {
  const QString facility = call.Arg(size_t(0)).toString().trimmed();
  const int64_t first = ServerCustody::DayArgument(call, 1, "StartDate");
  const int64_t last = ServerCustody::DayArgument(call, 2, "StopDate");
  const int64_t now = ServerCustody::Now();

  TDbResult& result = call.Result;
  result.Columns = {{QStringLiteral("Date"), ftDateTime, 0},
                    {QStringLiteral("FaciCode"), ftString, 10},
                    {QStringLiteral("Completed"), ftBoolean, 0},
                    {QStringLiteral("AverageMale"), ftInteger, 0},
                    {QStringLiteral("AverageFemale"), ftInteger, 0},
                    {QStringLiteral("AverageUnknown"), ftInteger, 0},
                    {QStringLiteral("AverageJuvenile"), ftInteger, 0},
                    {QStringLiteral("AverageTotal"), ftInteger, 0}};
  call.ReturnValue = 0;
  if (last < first) return;

  const int64_t days = (last - first) / kMsPerDay + 1;
  // Nothing is counted beyond now.
  const int64_t end = std::min(last + kMsPerDay, std::max(now, first));
  std::vector<TDayTotals> totals(static_cast<size_t>(days));
  for (const ServerCustody::TPeriod& p :
       ServerCustody::LoadPeriods(call.Connection.Handle(), {facility}, first, end)) {
    const int64_t from = std::max(p.Booked, first);
    const int64_t to = std::min(p.Released, end);
    for (int64_t day = ServerCustody::DayStart(from); day < to; day += kMsPerDay) {
      const double held = double(std::min(to, day + kMsPerDay) - std::max(from, day));
      TDayTotals& t = totals[size_t((day - first) / kMsPerDay)];
      (p.Sex == QLatin1String("M")   ? t.Male
       : p.Sex == QLatin1String("F") ? t.Female
                                     : t.Unknown) += held;
      if (p.Juvenile) t.Juvenile += held;
    }
  }

  for (int64_t d = 0; d < days; ++d) {
    const int64_t day = first + d * kMsPerDay;
    const int64_t span = std::clamp<int64_t>(now - day, 0, kMsPerDay);
    const TDayTotals& t = totals[size_t(d)];
    result.Rows.push_back({ServerCustody::ToDateTime(day), facility, now >= day + kMsPerDay,
                           Average(t.Male, span), Average(t.Female, span), Average(t.Unknown, span),
                           Average(t.Juvenile, span),
                           Average(t.Male + t.Female + t.Unknown, span)});
  }
}
