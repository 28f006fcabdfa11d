#pragma once

#include <QString>

// The statements of the head count and inmate count entries, kept apart from
// the handlers so each text is written once.

// Which bookings an inmate count reads: in custody (JAILBOOK), released
// (JBHISTO), or both.
enum class TBookingSet { bsActive, bsInactive, bsBoth };

namespace InmateCountStatements {

// Everyone in custody at the facility under the status of their case of
// lowest level; `facility` is pasted quoted.
QString HeadCountAsOfNow(const QString& facility);
// The same for bookings between :DATESTART and :DATEEND, facility :FACICODE.
QString HeadCountDateRange();

// Bookings whose date plus time lies between the two GetSQLTimeStamp
// literals; `facility` is pasted quoted.
QString RangeCount(TBookingSet set, const QString& facility, const QString& start,
                   const QString& end);

// Bookings made at or before :BOOKDATE/:BOOKTIME, facility :FACICODE.
QString AsOfCount(TBookingSet set);

}  // namespace InmateCountStatements
