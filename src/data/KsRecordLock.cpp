#include "data/KsRecordLock.h"

#include "core/RegionalFormats.h"
#include "data/KsSQLDatabase.h"
#include "data/KsSQLText.h"
#include "data/KsWorkstation.h"
#include "data/driver/DbTypes.h"

#include <QStringList>

#include <vector>

namespace {

// Column widths of the lock table.
constexpr int kDatabaseNameLength = 30;
constexpr int kTableNameLength = 100;
constexpr int kUniqueKeyLength = 22;
constexpr int kComputerNameLength = 30;
constexpr int kUserNameLength = 30;
constexpr int kProgramNameLength = 30;

// Part of a bracketed name: a "]" inside must be doubled or it ends the name.
QString BracketPart(const QString& text) {
  return QString(text).replace(QStringLiteral("]"), QStringLiteral("]]"));
}

void Run(TKsSQLDatabase& connection, const QString& sql, TDbResult* result = nullptr) {
  std::vector<TDbParam> none;
  TDbResult r = connection.Execute(sql, none);
  if (result) *result = std::move(r);
}

QString CreateStatement(const QString& name) {
  return QStringLiteral("CREATE TABLE ") + name + QStringLiteral("(") +
         QStringLiteral("  DatabaseName VARCHAR(%1),").arg(kDatabaseNameLength) +
         QStringLiteral("  TableName    VARCHAR(%1),").arg(kTableNameLength) +
         QStringLiteral("  UniqueKey    VARCHAR(%1),").arg(kUniqueKeyLength) +
         QStringLiteral("  ComputerName VARCHAR(%1),").arg(kComputerNameLength) +
         QStringLiteral("  UserName     VARCHAR(%1),").arg(kUserNameLength) +
         QStringLiteral("  ProgramName  VARCHAR(%1),").arg(kProgramNameLength) +
         QStringLiteral("  TimeLocked   DateTime") + QStringLiteral(")");
}

QString InsertStatement(const QString& name, const TKsLockHolder& holder) {
  const QStringList values{
      KsSQLText::QuotedStr(holder.DatabaseName.left(kDatabaseNameLength)),
      KsSQLText::QuotedStr(holder.TableName.left(kTableNameLength)),
      KsSQLText::QuotedStr(holder.UniqueKey.left(kUniqueKeyLength)),
      KsSQLText::QuotedStr(holder.ComputerName.left(kComputerNameLength)),
      KsSQLText::QuotedStr(holder.UserName.left(kUserNameLength)),
      KsSQLText::QuotedStr(holder.ProgramName.left(kProgramNameLength)),
      KsSQLText::QuotedStr(DateTimeToStr(holder.TimeLocked)),
  };
  return QStringLiteral("INSERT INTO ") + name +
         QStringLiteral("  (DatabaseName, TableName, UniqueKey, ComputerName, ") +
         QStringLiteral("UserName, ProgramName, TimeLocked) ") + QStringLiteral("VALUES ") +
         QStringLiteral("  (") + values.join(QStringLiteral(", ")) + QStringLiteral(")");
}

QString Column(const TDbResult& result, const char* name) {
  for (size_t c = 0; c < result.Columns.size(); ++c)
    if (result.Columns[c].Name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
      return c < result.Rows[0].size() ? result.Rows[0][c].toString() : QString();
  return {};
}

// The stored time, read back as a date-time whether the server kept it as one
// or as the text it was given.
QDateTime TimeColumn(const TDbResult& result) {
  for (size_t c = 0; c < result.Columns.size(); ++c) {
    if (result.Columns[c].Name.compare(QLatin1String("TimeLocked"), Qt::CaseInsensitive) != 0)
      continue;
    const QVariant value = c < result.Rows[0].size() ? result.Rows[0][c] : QVariant();
    if (value.typeId() == QMetaType::QDateTime) return value.toDateTime();
    QDateTime parsed;
    if (TryStrToDateTime(value.toString(), parsed)) return parsed;
    if (const QDateTime iso = DbValue::CanonicalToDateTime(value.toString()); iso.isValid())
      return iso;
    return {};
  }
  return {};
}

// The refusal, with the holder's lines when the lock table can be read.
EKsDBLockError Refusal(TKsSQLDatabase& connection, const QString& name) {
  EKsDBLockError error(QStringLiteral("The requested lock could not be granted."));
  try {
    TDbResult holder;
    Run(connection, QStringLiteral("SELECT * FROM ") + name, &holder);
    if (holder.Rows.empty()) return error;
    error.DatabaseName = Column(holder, "DatabaseName");
    error.TableName = Column(holder, "TableName");
    error.UniqueKey = Column(holder, "UniqueKey");
    error.ComputerName = Column(holder, "ComputerName");
    error.UserName = Column(holder, "UserName");
    error.ProgramName = Column(holder, "ProgramName");
    error.TimeLocked = TimeColumn(holder);
    const QString timeText =
        error.TimeLocked.isValid() ? DateTimeToStr(error.TimeLocked) : Column(holder, "TimeLocked");
    const QStringList lines{
        error.Message(),
        QString(),
        QStringLiteral("The record is already being edited."),
        QStringLiteral("     User Name: ") + error.UserName,
        QStringLiteral("     Computer Name: ") + error.ComputerName,
        QStringLiteral("     Program Name: ") + error.ProgramName,
        QStringLiteral("     Time Locked: ") + timeText,
        QStringLiteral("     Table Name: ") + error.TableName,
    };
    error.SetMessage(lines.join(QStringLiteral("\r\n")));
  } catch (const std::exception&) {
    // The holder may have let go in the meantime; the first sentence says enough.
  }
  return error;
}

}  // namespace

TKsLockHolder TKsLockHolder::Current(const QString& databaseName, const QString& tableName,
                                     const QString& uniqueKey) {
  TKsLockHolder holder;
  holder.DatabaseName = databaseName;
  holder.TableName = tableName;
  holder.UniqueKey = uniqueKey;
  holder.ComputerName = WorkstationComputerName();
  holder.UserName = WorkstationUserName();
  holder.ProgramName = RunningProgramFileName();
  holder.TimeLocked = WorkstationNow();
  return holder;
}

namespace KsRecordLock {

QString LockTableName(const QString& databaseName, const QString& tableName,
                      const QString& uniqueKey) {
  return QStringLiteral("[tempdb].[dbo].[##LOCK-") + BracketPart(databaseName) + QLatin1Char('.') +
         BracketPart(tableName) + QLatin1Char('.') + BracketPart(uniqueKey) + QLatin1Char(']');
}

void Take(TKsSQLDatabase& connection, const QString& lockTableName, const TKsLockHolder& holder) {
  try {
    Run(connection, CreateStatement(lockTableName));
  } catch (const std::exception&) {
    throw Refusal(connection, lockTableName);
  }
  try {
    Run(connection, InsertStatement(lockTableName, holder));
  } catch (...) {
    Release(connection, lockTableName);
    throw;
  }
}

void Release(TKsSQLDatabase& connection, const QString& lockTableName) noexcept {
  // A closed connection took its locks with it.
  if (!connection.Connected()) return;
  try {
    Run(connection, QStringLiteral("DROP TABLE ") + lockTableName);
  } catch (const std::exception&) {
    // Nothing to undo: the lock is gone either way.
  }
}

}  // namespace KsRecordLock
