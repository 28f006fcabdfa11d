#include "cli/DemoContext.h"

#include "data/driver/DbTypes.h"

#include <QStringList>

#include <algorithm>

TDemoContext::TDemoContext(sqlite3* db, quint64 seed, int scale, const QDate& today)
    : FDb(db),
      FSeed(seed),
      FScale(std::max(scale, 0)),
      FToday(today),
      FNow(DemoTime::At(today, 6, 0)) {}

int TDemoContext::Sized(int perScale, int atScaleZero) const {
  return FScale == 0 ? atScaleZero : perScale * FScale;
}

QString TDemoContext::BedText(const TDemoBed& bed) const {
  const TDemoFacility& facility = Facilities[size_t(bed.Facility)];
  QStringList parts{facility.Id};
  for (const QString& part :
       {bed.Tower, facility.Dorms[size_t(bed.Dorm)].Code, bed.Floor, bed.CellNo, bed.BedDesc})
    if (!part.isEmpty()) parts << part;
  return parts.join(QLatin1Char('*'));
}

const TDemoAgency& TDemoContext::PrimaryAgency() const {
  for (const TDemoAgency& agency : Agencies)
    if (agency.Primary) return agency;
  return Agencies.front();
}

namespace DemoTime {

QDateTime At(const QDate& date, int hour, int minute, int second) {
  return DbValue::MakeDateTime(date.year(), date.month(), date.day(), hour, minute, second);
}

QDateTime DateOf(const QDateTime& moment) {
  return At(moment.date());
}

QDateTime TimeOf(const QDateTime& moment) {
  const QTime t = moment.time();
  return DbValue::MakeDateTime(1899, 12, 30, t.hour(), t.minute(), t.second());
}

int Age(const QDate& born, const QDate& on) {
  int age = on.year() - born.year();
  if (on.month() < born.month() || (on.month() == born.month() && on.day() < born.day())) --age;
  return age;
}

}  // namespace DemoTime
