#include "cli/DemoTableWriter.h"

#include "core/Exception.h"
#include "data/driver/DbTypes.h"

#include <QDateTime>

#include <sqlite3.h>

namespace {

QStringList TableColumns(sqlite3* db, const QString& table) {
  QStringList columns;
  sqlite3_stmt* stmt = nullptr;
  const QByteArray sql =
      QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table).toUtf8();
  if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK) {
    while (sqlite3_step(stmt) == SQLITE_ROW)
      columns << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
  }
  sqlite3_finalize(stmt);
  return columns;
}

QString Quoted(const QString& name) {
  return QLatin1Char('"') + name + QLatin1Char('"');
}

}  // namespace

TDemoTableWriter::TDemoTableWriter(sqlite3* db, const QString& table, const QStringList& columns)
    : FDb(db), FTable(table) {
  const QStringList names = columns.isEmpty() ? TableColumns(db, table) : columns;
  if (names.isEmpty()) Fail(QStringLiteral("the table has no columns"));
  QStringList quoted, markers;
  for (int i = 0; i < names.size(); ++i) {
    FIndex.insert(names[i].toUpper(), i);
    quoted << Quoted(names[i]);
    markers << QStringLiteral("?%1").arg(i + 1);
  }
  const QByteArray sql =
      QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
          .arg(Quoted(table), quoted.join(QLatin1Char(',')), markers.join(QLatin1Char(',')))
          .toUtf8();
  if (sqlite3_prepare_v3(db, sql.constData(), -1, SQLITE_PREPARE_PERSISTENT, &FStatement,
                         nullptr) != SQLITE_OK)
    Fail(QString::fromUtf8(sqlite3_errmsg(db)));
  FRow.resize(size_t(names.size()));
}

TDemoTableWriter::~TDemoTableWriter() {
  sqlite3_finalize(FStatement);
}

TDemoTableWriter& TDemoTableWriter::Set(const QString& column, const QVariant& value) {
  const auto it = FIndex.constFind(column.toUpper());
  if (it == FIndex.constEnd()) Fail(QStringLiteral("no column ") + column);
  FRow[size_t(it.value())] = value;
  return *this;
}

void TDemoTableWriter::Insert() {
  for (size_t i = 0; i < FRow.size(); ++i) {
    const QVariant& value = FRow[i];
    const int index = int(i) + 1;
    int rc = SQLITE_OK;
    switch (DbValue::KindOf(value)) {
      case DbValue::TKind::Null:
        rc = sqlite3_bind_null(FStatement, index);
        break;
      case DbValue::TKind::Integer:
        rc = sqlite3_bind_int64(FStatement, index, value.toLongLong());
        break;
      case DbValue::TKind::Boolean:
        rc = sqlite3_bind_int(FStatement, index, value.toBool() ? 1 : 0);
        break;
      case DbValue::TKind::Double:
        rc = sqlite3_bind_double(FStatement, index, value.toDouble());
        break;
      case DbValue::TKind::DateTime: {
        const QByteArray text = DbValue::DateTimeToCanonical(value.toDateTime()).toUtf8();
        rc = sqlite3_bind_text(FStatement, index, text.constData(), int(text.size()),
                               SQLITE_TRANSIENT);
        break;
      }
      case DbValue::TKind::Text: {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(FStatement, index, text.constData(), int(text.size()),
                               SQLITE_TRANSIENT);
        break;
      }
      case DbValue::TKind::Blob: {
        const QByteArray data = value.toByteArray();
        rc = sqlite3_bind_blob(FStatement, index, data.constData(), int(data.size()),
                               SQLITE_TRANSIENT);
        break;
      }
    }
    if (rc != SQLITE_OK) Fail(QString::fromUtf8(sqlite3_errmsg(FDb)));
  }
  if (sqlite3_step(FStatement) != SQLITE_DONE) {
    const QString error = QString::fromUtf8(sqlite3_errmsg(FDb));
    sqlite3_reset(FStatement);
    Fail(error);
  }
  sqlite3_reset(FStatement);
  ++FRows;
  std::fill(FRow.begin(), FRow.end(), QVariant());
}

void TDemoTableWriter::Fail(const QString& what) const {
  throw EDatabaseError(QStringLiteral("Demo data for %1: %2").arg(FTable, what));
}
