#pragma once

#include <QString>

// The SQL texts of the jail log reports, written once for all eleven entries.
// Range bounds are the quoted literals GetSQLTimeStamp makes; everything
// else a statement compares with is a named parameter, except in the dorm
// booking-number statement, whose values are pasted as quoted strings.
namespace JailLogStatements {

// What the log rows are ordered (and grouped) by.
enum class TLogOrder { loDateTime, loLogCode, loOfficer, loLogNo };

// Which log entries a run reads.
struct TLogSelection {
  TLogOrder Order = TLogOrder::loDateTime;
  bool Dorm = false;        // the dorm range applies
  bool Linked = false;      // the linked inmates are attached
  bool Supervisor = false;  // the supervisor log (dorm date/time order only)
};

// Whether the selection reads its window through the DATE/DATE2/TIME/TIME2
// parameters (strict at both ends) rather than between the two literals.
bool UsesParameterWindow(const TLogSelection& selection);

// The log rows: FACICODE (and DOORMSCODE, DOORMSCODE2 for the dorm range,
// DATE, DATE2, TIME, TIME2 for the parameter window) are parameters. `start`
// and `end` are the range literals, unused by the parameter window.
QString LogEntries(const TLogSelection& selection, bool sameDay, const QString& start,
                   const QString& end);

// The cross-reference rows of every existing log entry, by entry.
QString LinkedBookings(bool readUncommitted = true);
// The facility's bookings, active and released, that any entry links to
// (FACICODE).
QString LinkedInmates(bool dormEntry);

// The booking-number report for a window: its cross-reference rows, the
// bookings of the facility they name (FACICODE), and the log entries of the
// facility they name (FACICODE).
QString WindowLinks(const QString& start, const QString& end);
QString WindowBookings(const QString& start, const QString& end);
QString WindowEntries(const QString& start, const QString& end);

// The values of the dorm booking-number statement, as the dialog gave them.
struct TDormBookingRange {
  QString Facility;
  QString DormStart, DormEnd;
  QString DateStart, DateEnd;
  QString TimeStart, TimeEnd;
};

// Bookings joined to the log entries they are linked to, within the dorm
// range and the window, one booking after the other.
QString DormBookings(const TDormBookingRange& range);

}  // namespace JailLogStatements
