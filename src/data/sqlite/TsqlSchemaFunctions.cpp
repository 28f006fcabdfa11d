#include "data/sqlite/TsqlFunctionGroups.h"

#include "data/sqlite/TsqlValue.h"

#include <QRegularExpression>

// OBJECT_ID and COLUMNPROPERTY against the SQLite schema. An object id is
// the rowid of the object's schema row, negative for TEMP (#) objects.

namespace {

using namespace TsqlValue;

struct TStatement {
  explicit TStatement(sqlite3* db, const char* sql) {
    sqlite3_prepare_v2(db, sql, -1, &Handle, nullptr);
  }
  ~TStatement() { sqlite3_finalize(Handle); }
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;
  sqlite3_stmt* Handle = nullptr;
};

// 'tempdb..#x', '[dbo].[Users]', 'JAIL.dbo.JBLOG' -> the object's own name.
QString ObjectName(const QString& written, bool& temp) {
  QString name = written.trimmed();
  const int dot = int(name.lastIndexOf(u'.'));
  if (dot >= 0) {
    temp = name.left(dot).contains(QLatin1String("tempdb"), Qt::CaseInsensitive);
    name = name.mid(dot + 1);
  }
  if (name.startsWith(u'[') && name.endsWith(u']')) name = name.mid(1, name.size() - 2);
  if (name.startsWith(u'#') && !name.startsWith(QLatin1String("##"))) temp = true;
  return name;
}

void ObjectId(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  bool temp = false;
  const QByteArray name = ObjectName(Text(argv[0]), temp).toUtf8();
  sqlite3* db = sqlite3_context_db_handle(ctx);
  TStatement s(db, temp ? "SELECT rowid FROM temp.sqlite_schema WHERE name = ?1 COLLATE NOCASE "
                          "AND type IN ('table', 'view')"
                        : "SELECT rowid FROM main.sqlite_schema WHERE name = ?1 COLLATE NOCASE "
                          "AND type IN ('table', 'view')");
  if (!s.Handle) return sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
  sqlite3_bind_text(s.Handle, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
  if (sqlite3_step(s.Handle) == SQLITE_ROW) {
    const sqlite3_int64 rowid = sqlite3_column_int64(s.Handle, 0);
    sqlite3_result_int64(ctx, temp ? -rowid : rowid);
  } else {
    sqlite3_result_null(ctx);
  }
}

// Length (or precision) and scale of a declared SQLite type as SQL Server
// reports them.
void TypePrecision(const QString& declared, qint64& precision, qint64& scale) {
  static const QRegularExpression shape(
      QStringLiteral(
          "^\\s*([A-Za-z_]+(?: [A-Za-z_]+)*)\\s*(?:\\(\\s*(\\d+|MAX)\\s*(?:,\\s*(\\d+)\\s*)?\\))?"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = shape.match(declared);
  const QString base = m.captured(1).toLower();
  const QString length = m.captured(2);
  scale = m.captured(3).isEmpty() ? 0 : m.captured(3).toLongLong();
  if (!length.isEmpty()) {
    precision =
        length.compare(QLatin1String("max"), Qt::CaseInsensitive) == 0 ? -1 : length.toLongLong();
    return;
  }
  if (base == QLatin1String("int") || base == QLatin1String("integer"))
    precision = 10;
  else if (base == QLatin1String("bigint"))
    precision = 19;
  else if (base == QLatin1String("smallint"))
    precision = 5;
  else if (base == QLatin1String("tinyint"))
    precision = 3;
  else if (base == QLatin1String("bit"))
    precision = 1;
  else if (base.contains(QLatin1String("datetime")))
    precision = 23;
  else if (base == QLatin1String("float") || base == QLatin1String("real"))
    precision = 53;
  else if (base == QLatin1String("money"))
    precision = 19;
  else if (base == QLatin1String("text") || base == QLatin1String("image"))
    precision = 2147483647;
  else if (base == QLatin1String("char") || base == QLatin1String("varchar"))
    precision = 1;
  else
    precision = 0;
}

void ColumnProperty(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0]) || IsNull(argv[1]) || IsNull(argv[2])) return sqlite3_result_null(ctx);
  sqlite3* db = sqlite3_context_db_handle(ctx);
  const sqlite3_int64 id = sqlite3_value_int64(argv[0]);
  const bool temp = id < 0;
  QByteArray table;
  {
    TStatement s(db, temp ? "SELECT name FROM temp.sqlite_schema WHERE rowid = ?1"
                          : "SELECT name FROM main.sqlite_schema WHERE rowid = ?1");
    if (!s.Handle) return sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
    sqlite3_bind_int64(s.Handle, 1, temp ? -id : id);
    if (sqlite3_step(s.Handle) != SQLITE_ROW) return sqlite3_result_null(ctx);
    table = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(s.Handle, 0)));
  }
  const QByteArray column = Text(argv[1]).toUtf8();
  TStatement s(db,
               "SELECT type, \"notnull\", pk, cid FROM pragma_table_info(?1, ?2) "
               "WHERE name = ?3 COLLATE NOCASE");
  if (!s.Handle) return sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
  sqlite3_bind_text(s.Handle, 1, table.constData(), int(table.size()), SQLITE_TRANSIENT);
  sqlite3_bind_text(s.Handle, 2, temp ? "temp" : "main", -1, SQLITE_STATIC);
  sqlite3_bind_text(s.Handle, 3, column.constData(), int(column.size()), SQLITE_TRANSIENT);
  if (sqlite3_step(s.Handle) != SQLITE_ROW) return sqlite3_result_null(ctx);
  const QString type =
      QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.Handle, 0)));
  const bool notNull = sqlite3_column_int(s.Handle, 1) != 0;
  const int pk = sqlite3_column_int(s.Handle, 2);
  const int cid = sqlite3_column_int(s.Handle, 3);
  const bool identity = pk == 1 && type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;

  const QString property = Text(argv[2]).trimmed().toLower();
  qint64 precision = 0, scale = 0;
  TypePrecision(type, precision, scale);
  if (property == QLatin1String("precision"))
    sqlite3_result_int64(ctx, precision);
  else if (property == QLatin1String("scale"))
    sqlite3_result_int64(ctx, scale);
  else if (property == QLatin1String("allowsnull"))
    sqlite3_result_int(ctx, notNull || identity ? 0 : 1);
  else if (property == QLatin1String("isidentity"))
    sqlite3_result_int(ctx, identity ? 1 : 0);
  else if (property == QLatin1String("columnid"))
    sqlite3_result_int(ctx, cid + 1);
  else
    sqlite3_result_null(ctx);
}

}  // namespace

void RegisterTsqlSchemaFunctions(sqlite3* db) {
  Register(db, "ts_object_id", 1, ObjectId, false);
  Register(db, "ts_object_id", 2, ObjectId, false);
  Register(db, "ts_columnproperty", 3, ColumnProperty, false);
}
