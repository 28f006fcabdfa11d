#include "data/sqlite/SqliteQuery.h"

#include "core/Exception.h"
#include "data/driver/DbTypes.h"

#include <QDateTime>

#include <sqlite3.h>

TSqliteQuery::TSqliteQuery(sqlite3* db, const char* sql, std::initializer_list<QVariant> values)
    : FDb(db) {
  Prepare(QByteArray(sql));
  int index = 1;
  for (const QVariant& v : values) Bind(index++, v);
}

TSqliteQuery::TSqliteQuery(sqlite3* db, const QString& sql, const std::vector<QVariant>& values)
    : FDb(db) {
  Prepare(sql.toUtf8());
  for (size_t i = 0; i < values.size(); ++i) Bind(int(i + 1), values[i]);
}

TSqliteQuery::~TSqliteQuery() {
  sqlite3_finalize(FStmt);
}

void TSqliteQuery::Prepare(const QByteArray& sql) {
  if (sqlite3_prepare_v2(FDb, sql.constData(), int(sql.size()), &FStmt, nullptr) != SQLITE_OK)
    Fail();
}

void TSqliteQuery::Fail() const {
  throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(FDb)));
}

void TSqliteQuery::Bind(int index, const QVariant& value) {
  int rc = SQLITE_OK;
  switch (DbValue::KindOf(value)) {
    case DbValue::TKind::Null:
      rc = sqlite3_bind_null(FStmt, index);
      break;
    case DbValue::TKind::Integer:
    case DbValue::TKind::Boolean:
      rc = sqlite3_bind_int64(FStmt, index, value.toLongLong());
      break;
    case DbValue::TKind::Double:
      rc = sqlite3_bind_double(FStmt, index, value.toDouble());
      break;
    case DbValue::TKind::Blob: {
      const QByteArray data = value.toByteArray();
      rc = sqlite3_bind_blob64(FStmt, index, data.constData(), sqlite3_uint64(data.size()),
                               SQLITE_TRANSIENT);
      break;
    }
    case DbValue::TKind::DateTime:
    case DbValue::TKind::Text: {
      const QString text = DbValue::KindOf(value) == DbValue::TKind::DateTime
                               ? DbValue::DateTimeToCanonical(value.toDateTime())
                               : value.toString();
      const QByteArray utf8 = text.toUtf8();
      rc = sqlite3_bind_text64(FStmt, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                               SQLITE_TRANSIENT, SQLITE_UTF8);
      break;
    }
  }
  if (rc != SQLITE_OK) Fail();
}

void TSqliteQuery::Bind(int index, sqlite3_value* value) {
  if (sqlite3_bind_value(FStmt, index, value) != SQLITE_OK) Fail();
}

void TSqliteQuery::Reset() {
  sqlite3_reset(FStmt);
}

bool TSqliteQuery::Step() {
  const int rc = sqlite3_step(FStmt);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  Fail();
}

void TSqliteQuery::Run() {
  while (Step()) {
  }
}

bool TSqliteQuery::IsNull(int column) const {
  return sqlite3_column_type(FStmt, column) == SQLITE_NULL;
}

QString TSqliteQuery::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(FStmt, column));
  return text ? QString::fromUtf8(text, sqlite3_column_bytes(FStmt, column)) : QString();
}

qint64 TSqliteQuery::Int(int column) const {
  return sqlite3_column_int64(FStmt, column);
}

double TSqliteQuery::Double(int column) const {
  return sqlite3_column_double(FStmt, column);
}

sqlite3_value* TSqliteQuery::Value(int column) const {
  return sqlite3_column_value(FStmt, column);
}

TSqliteSavepoint::TSqliteSavepoint(sqlite3* db, const char* name) : FDb(db), FName(name) {
  if (sqlite3_exec(FDb, ("SAVEPOINT " + FName).constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
    throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(FDb)));
}

TSqliteSavepoint::~TSqliteSavepoint() {
  if (!FOpen) return;
  sqlite3_exec(FDb, ("ROLLBACK TO " + FName).constData(), nullptr, nullptr, nullptr);
  sqlite3_exec(FDb, ("RELEASE " + FName).constData(), nullptr, nullptr, nullptr);
}

void TSqliteSavepoint::Release() {
  if (sqlite3_exec(FDb, ("RELEASE " + FName).constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
    throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(FDb)));
  FOpen = false;
}
