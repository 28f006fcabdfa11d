#pragma once

#include "core/Exception.h"

#include <QDateTime>
#include <QString>

class TKsSQLDatabase;

// The record is being edited elsewhere: its lock could not be granted. The
// holder's details are those of the lock table's row, when it could be read.
class EKsDBLockError : public EDatabaseError {
 public:
  using EDatabaseError::EDatabaseError;

  QString DatabaseName;
  QString TableName;
  QString UniqueKey;
  QString ComputerName;
  QString UserName;
  QString ProgramName;
  QDateTime TimeLocked;
};

// The row a lock table holds: who locked the record, and when.
struct TKsLockHolder {
  QString DatabaseName;
  QString TableName;
  QString UniqueKey;
  QString ComputerName;
  QString UserName;
  QString ProgramName;
  QDateTime TimeLocked;

  // This workstation, user and program, now.
  static TKsLockHolder Current(const QString& databaseName, const QString& tableName,
                               const QString& uniqueKey);
};

// Pessimistic record locks shared by every program of the suite: a lock is a
// global temporary table in tempdb named after the database, the table and
// the record's UniqueKey. The server refuses a second table of that name and
// drops it when the owning connection ends, so a crashed program leaves no
// lock behind.
namespace KsRecordLock {

// "[tempdb].[dbo].[##LOCK-<database>.<table>.<key>]".
QString LockTableName(const QString& databaseName, const QString& tableName,
                      const QString& uniqueKey);

// Creates the lock table and writes the holder's row. A lock that cannot be
// created belongs to someone else: EKsDBLockError with the holder's lines.
// When the row cannot be written the table is dropped again and that error
// passes on.
void Take(TKsSQLDatabase& connection, const QString& lockTableName, const TKsLockHolder& holder);

// Drops the lock table; a lock that is gone already is no error.
void Release(TKsSQLDatabase& connection, const QString& lockTableName) noexcept;

}  // namespace KsRecordLock
