#include "data/sqlite/ServerCustody.h"

#include "core/Exception.h"
#include "data/driver/DbTypes.h"
#include "data/sqlite/SqliteProcedures.h"
#include "data/sqlite/SqliteQuery.h"
#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlValue.h"

#include <sqlite3.h>

namespace ServerCustody {

namespace {

using TsqlDateTime::kMsPerDay;

int64_t FromQDateTime(const QDateTime& value) {
  TsqlDateTime::TParts p;
  p.Year = value.date().year();
  p.Month = value.date().month();
  p.Day = value.date().day();
  p.Hour = value.time().hour();
  p.Minute = value.time().minute();
  p.Second = value.time().second();
  p.Millisecond = value.time().msec();
  return TsqlDateTime::FromParts(p);
}

// Day of `date` plus the time of day of `time`; false when `date` is no date.
bool Combine(sqlite3_value* date, sqlite3_value* time, int64_t& moment) {
  int64_t day = 0, clock = 0;
  if (TsqlValue::IsNull(date) || !TsqlValue::DateTime(date, day)) return false;
  moment = DayStart(day);
  if (!TsqlValue::IsNull(time) && TsqlValue::DateTime(time, clock))
    moment += clock - DayStart(clock);
  return true;
}

}  // namespace

int64_t DayStart(int64_t moment) {
  const int64_t day = moment >= 0 ? moment / kMsPerDay : (moment - kMsPerDay + 1) / kMsPerDay;
  return day * kMsPerDay;
}

bool MomentOf(const QVariant& value, int64_t& moment) {
  switch (DbValue::KindOf(value)) {
    case DbValue::TKind::DateTime: {
      const QDateTime d = value.typeId() == QMetaType::QDate
                              ? QDateTime(value.toDate(), QTime(0, 0), Qt::UTC)
                              : value.toDateTime();
      if (!d.isValid()) return false;
      moment = FromQDateTime(d);
      return true;
    }
    case DbValue::TKind::Text:
      return TsqlDateTime::Parse(value.toString().trimmed(), TsqlDateTime::TParseMode::Conversion,
                                 moment);
    default:
      return false;
  }
}

QDateTime ToDateTime(int64_t moment) {
  const TsqlDateTime::TParts p = TsqlDateTime::ToParts(moment);
  return DbValue::MakeDateTime(p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second, p.Millisecond);
}

int64_t DayArgument(const TSqliteProcedureContext& call, size_t index, const char* name) {
  int64_t moment = 0;
  if (!MomentOf(call.Arg(index), moment))
    throw EDatabaseError(QStringLiteral("Procedure or function '%1': %2 must be a date.")
                             .arg(call.ProcedureName, QLatin1String(name)));
  return DayStart(moment);
}

int64_t Now() {
  return FromQDateTime(QDateTime::currentDateTime());
}

std::vector<TPeriod> LoadPeriods(sqlite3* db, const QStringList& facilities, int64_t from,
                                 int64_t to) {
  std::vector<TPeriod> periods;
  if (facilities.isEmpty() || to <= from) return periods;
  // The date columns narrow the rows down (and use their indexes); the
  // moments, with their times, decide.
  QString sql = QStringLiteral(
      "SELECT BOOKNO, BOOKDATE, BOOKTIME, RELDATE, RELTIME, SEX, JUVENILE "
      "FROM JailBook_JBHisto_View WHERE BOOKDATE < ?2 AND (RELDATE IS NULL OR RELDATE >= ?1) "
      "AND FACICODE IN (");
  std::vector<QVariant> values{ToDateTime(DayStart(from)), ToDateTime(to)};
  for (const QString& facility : facilities) {
    if (values.size() > 2) sql += QStringLiteral(", ");
    values.push_back(facility);
    sql += u'?' + QString::number(values.size());
  }
  sql += u')';
  TSqliteQuery query(db, sql, values);
  while (query.Step()) {
    TPeriod p;
    if (!Combine(query.Value(1), query.Value(2), p.Booked)) continue;
    if (!TsqlValue::IsNull(query.Value(3)) && !Combine(query.Value(3), query.Value(4), p.Released))
      p.Released = kStillHeld;
    if (p.Booked >= to || p.Released <= from) continue;
    p.BookNo = query.Text(0).trimmed();
    p.Sex = query.Text(5).trimmed().toUpper();
    p.Juvenile = TsqlValue::IsTrue(query.Value(6));
    periods.push_back(std::move(p));
  }
  return periods;
}

}  // namespace ServerCustody
