#include "data/sqlite/SqliteColumnTypes.h"

#include <QByteArray>
#include <QDateTime>

#include <sqlite3.h>

#include <cmath>

namespace {

int DeclaredSize(const QString& upper) {
  const qsizetype open = upper.indexOf(QLatin1Char('('));
  if (open < 0) return 0;
  const qsizetype close = upper.indexOf(QLatin1Char(')'), open);
  if (close < 0) return 0;
  bool ok = false;
  const int size =
      upper.mid(open + 1, close - open - 1).section(QLatin1Char(','), 0, 0).trimmed().toInt(&ok);
  return ok ? size : 0;
}

TFieldType FieldTypeOfDecl(const QString& upper) {
  auto has = [&](const char* part) { return upper.contains(QLatin1String(part)); };
  // Order matters: "DATETIME" is tested before "DATE" and "TIME",
  // "SMALLINT" before "INT", "NVARCHAR" before "CHAR".
  if (has("BLOB") || has("IMAGE")) return has("IMAGE") ? ftGraphic : ftBlob;
  if (has("BINARY")) return ftBlob;
  if (has("DATETIME") || has("TIMESTAMP")) return ftDateTime;
  if (has("DATE")) return ftDate;
  if (has("TIME")) return ftTime;
  if (has("BIT") || has("BOOL")) return ftBoolean;
  if (has("BIGINT")) return ftLargeint;
  if (has("SMALLINT") || has("TINYINT")) return ftSmallint;
  if (has("INT")) return ftInteger;
  if (has("UNIQUEIDENTIFIER") || has("GUID")) return ftGuid;
  if (has("NTEXT") || upper == QLatin1String("TEXT") || has("CLOB") || has("MEMO")) return ftMemo;
  if (has("NCHAR") || has("NVARCHAR")) return ftWideString;
  if (has("CHAR") || has("TEXT") || has("STRING")) return ftString;
  if (has("MONEY")) return ftCurrency;
  if (has("REAL") || has("FLOA") || has("DOUB") || has("NUMERIC") || has("DECIMAL")) return ftFloat;
  return ftUnknown;
}

QVariant RawValue(sqlite3_stmt* stmt, int col) {
  switch (sqlite3_column_type(stmt, col)) {
    case SQLITE_INTEGER:
      return QVariant(qint64(sqlite3_column_int64(stmt, col)));
    case SQLITE_FLOAT:
      return QVariant(sqlite3_column_double(stmt, col));
    case SQLITE_TEXT: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
      return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, col)));
    }
    case SQLITE_BLOB: {
      const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, col));
      return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, col)));
    }
    default:
      return QVariant();
  }
}

}  // namespace

TDbColumn SqliteDeclaredColumn(const QString& name, const char* declaredType) {
  TDbColumn column;
  column.Name = name;
  if (!declaredType) return column;
  const QString upper = QString::fromUtf8(declaredType).trimmed().toUpper();
  column.DataType = FieldTypeOfDecl(upper);
  if (DbValue::KindOf(column.DataType) == DbValue::TKind::Text) column.Size = DeclaredSize(upper);
  return column;
}

QVariant SqliteColumnValue(sqlite3_stmt* stmt, int col, TFieldType declared) {
  const QVariant raw = RawValue(stmt, col);
  if (!raw.isValid()) return raw;
  const int storage = sqlite3_column_type(stmt, col);
  switch (DbValue::KindOf(declared)) {
    case DbValue::TKind::DateTime:
      if (storage == SQLITE_TEXT) {
        const QDateTime dt = DbValue::CanonicalToDateTime(raw.toString());
        if (dt.isValid()) return dt;
      }
      return raw;
    case DbValue::TKind::Boolean:
      if (storage == SQLITE_INTEGER) return QVariant(raw.toLongLong() != 0);
      if (storage == SQLITE_FLOAT) return QVariant(raw.toDouble() != 0.0);
      if (storage == SQLITE_TEXT) {
        const QString t = raw.toString().trimmed().toLower();
        if (t == QLatin1String("1") || t == QLatin1String("true")) return QVariant(true);
        if (t == QLatin1String("0") || t == QLatin1String("false")) return QVariant(false);
      }
      return raw;
    case DbValue::TKind::Integer:
      if (storage == SQLITE_FLOAT) {
        const double d = raw.toDouble();
        if (std::trunc(d) == d && std::abs(d) < 9.2e18) return QVariant(qint64(d));
      } else if (storage == SQLITE_TEXT) {
        bool ok = false;
        const qint64 i = raw.toString().trimmed().toLongLong(&ok);
        if (ok) return QVariant(i);
      }
      return raw;
    case DbValue::TKind::Double:
      if (storage == SQLITE_INTEGER) return QVariant(double(raw.toLongLong()));
      if (storage == SQLITE_TEXT) {
        bool ok = false;
        const double d = raw.toString().trimmed().toDouble(&ok);
        if (ok) return QVariant(d);
      }
      return raw;
    case DbValue::TKind::Blob:
      if (storage == SQLITE_TEXT) return QVariant(raw.toString().toUtf8());
      return raw;
    case DbValue::TKind::Text:
      // Numbers in a text column stay numbers: SQLite's affinity already
      // turned what was written as text into text.
    case DbValue::TKind::Null:
      return raw;
  }
  return raw;
}
