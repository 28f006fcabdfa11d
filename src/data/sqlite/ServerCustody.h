#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <limits>
#include <vector>

struct sqlite3;
struct TSqliteProcedureContext;

// Who was in custody when, for the population routines. Moments are
// milliseconds from 1 January 1900 (TsqlDateTime), so whole days are
// multiples of TsqlDateTime::kMsPerDay.
namespace ServerCustody {

constexpr int64_t kStillHeld = std::numeric_limits<int64_t>::max();

struct TPeriod {
  QString BookNo;
  int64_t Booked = 0;
  int64_t Released = kStillHeld;
  QString Sex;  // trimmed, upper case
  bool Juvenile = false;

  bool HeldAt(int64_t moment) const { return Booked <= moment && moment < Released; }
};

// The bookings of the facilities (codes compare as the schema's TSQL
// collation has it) in custody at some moment of [from, to), active and
// released alike (the view JailBook_JBHisto_View). A booking is held from
// its booking date at its booking time to its release date at its release
// time, a missing time being midnight; one without a booking date is left
// out. Throws EDatabaseError.
std::vector<TPeriod> LoadPeriods(sqlite3* db, const QStringList& facilities, int64_t from,
                                 int64_t to);

// Midnight of a moment's day.
int64_t DayStart(int64_t moment);
// A procedure argument as a moment: a date-time, or a date text in one of
// the forms the T-SQL layer converts. False for null or anything else.
bool MomentOf(const QVariant& value, int64_t& moment);
QDateTime ToDateTime(int64_t moment);
// Midnight of the day of a procedure's argument (by position); throws
// EDatabaseError naming the procedure and `name` when it is not a date.
int64_t DayArgument(const TSqliteProcedureContext& call, size_t index, const char* name);
// The server's wall-clock time now.
int64_t Now();

}  // namespace ServerCustody
