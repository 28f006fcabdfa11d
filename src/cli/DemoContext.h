#pragma once

#include "cli/DemoModel.h"
#include "cli/DemoRandom.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

struct sqlite3;

// The demo jail being built: the database it goes into, the day it is built
// for, its size, and the model every subject fills in and reads.
class TDemoContext {
 public:
  TDemoContext(sqlite3* db, quint64 seed, int scale, const QDate& today);

  sqlite3* Db() const { return FDb; }
  // Each subject draws from a stream of its own (see TDemoRandom).
  TDemoRandom Random(const char* stream) const { return TDemoRandom(FSeed, stream); }

  // The day the database is built for and the moment the jail stands still
  // at: 06:00 of that day. Nothing happens after it except what is
  // scheduled (moves, appointments, expected releases).
  const QDate& Today() const { return FToday; }
  const QDateTime& Now() const { return FNow; }

  // A count for this scale: `perScale` times the scale, or `atScaleZero`
  // for the small database of scale 0.
  int Sized(int perScale, int atScaleZero) const;
  int Scale() const { return FScale; }

  std::vector<TDemoFacility> Facilities;
  std::vector<TDemoBed> Beds;
  std::vector<TDemoStatute> Statutes;
  std::vector<TDemoEmployee> Officers;
  std::vector<TDemoAgency> Agencies;
  std::vector<TDemoPerson> People;
  std::vector<TDemoBooking> Bookings;  // in booking order
  std::vector<QByteArray> Photos;      // JPEG portraits shared out to people
  QByteArray Logo;                     // the primary agency's logo, JPEG

  QString BedText(const TDemoBed& bed) const;  // the booking's CELLNO
  const TDemoAgency& PrimaryAgency() const;
  QString CountyName() const { return QStringLiteral("COLUMBIA"); }

 private:
  sqlite3* FDb;
  quint64 FSeed;
  int FScale;
  QDate FToday;
  QDateTime FNow;
};

// Date-time values as the suite stores them: naive, carried with Qt::UTC.
namespace DemoTime {
QDateTime At(const QDate& date, int hour = 0, int minute = 0, int second = 0);
// Midnight of the moment's day: the date columns.
QDateTime DateOf(const QDateTime& moment);
// The moment's time of day on 30 December 1899: the time columns.
QDateTime TimeOf(const QDateTime& moment);
// Whole years from `born` to `on`.
int Age(const QDate& born, const QDate& on);
}  // namespace DemoTime
