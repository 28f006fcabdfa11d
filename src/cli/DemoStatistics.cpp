#include "cli/DemoStatistics.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoTableWriter.h"

namespace {

// The booking's most serious configured case status, or nullptr.
const TDemoCaseStatus* Governing(const TDemoBooking& b) {
  const TDemoCaseStatus* best = nullptr;
  for (const TDemoCase& c : b.Cases)
    for (const TDemoCaseStatus& s : DemoCaseStatuses())
      if (c.Status == QLatin1String(s.Code) && (!best || s.Level < best->Level)) best = &s;
  return best;
}

void WriteSnapshots(TDemoContext& context, TDemoRandom& r) {
  TDemoTableWriter w(context.Db(), QStringLiteral("JBDOCTOTALS"));
  const int days = context.Sized(30, 7);
  const QDateTime first = DemoTime::At(context.Today().addDays(-days));
  std::vector<const TDemoBooking*> candidates;
  for (const TDemoBooking& b : context.Bookings)
    if (b.InCustody() || b.Released > first) candidates.push_back(&b);
  for (int d = days; d >= 1; --d) {
    const QDateTime scan = DemoTime::At(context.Today().addDays(-d), 0, 5);
    for (const TDemoBooking* b : candidates) {
      if (b->Booked > scan || (!b->InCustody() && b->Released <= scan)) continue;
      const TDemoCaseStatus* status = Governing(*b);
      if (!status) continue;
      const TDemoPerson& p = context.People[size_t(b->Person)];
      w.Set("STATUS", status->Code)
          .Set("STATUSDESC", status->Desc)
          .Set("JUVENILE", b->Juvenile)
          .Set("ADULT", !b->Juvenile)
          .Set("SEX", p.Sex.isEmpty() ? QVariant() : QVariant(p.Sex))
          .Set("RACE",
               p.Race == QLatin1String("U") && r.Chance(0.5) ? QVariant() : QVariant(p.Race))
          .Set("SCANDATE", DemoTime::DateOf(scan))
          .Set("BOOKNO", b->BookNo)
          .Set("CASE_LEVEL_TYPE", status->LevelType)
          .Set("UNIQUEKEY", r.Key());
      w.Insert();
    }
  }
}

void WriteBilling(TDemoContext& context, TDemoRandom& r) {
  TDemoTableWriter w(context.Db(), QStringLiteral("AgencyBilling"));
  for (const TDemoAgency& a : context.Agencies) {
    if (!a.Billed) continue;
    w.Set("AgencyFKey", a.Key)
        .Set("ChargeFirstDay", a.ChargeFirstDay)
        .Set("ChargeLastDay", a.ChargeLastDay)
        .Set("ChargeCheckOut", a.ChargeCheckOut)
        .Set("ChargeCheckIn", a.ChargeCheckIn)
        .Set("Amount", a.Rate)
        .Set("UniqueKey", r.Key());
    w.Insert();
  }
}

}  // namespace

void WriteDemoStatistics(TDemoContext& context) {
  TDemoRandom r = context.Random("statistics");
  WriteSnapshots(context, r);
  WriteBilling(context, r);
}
