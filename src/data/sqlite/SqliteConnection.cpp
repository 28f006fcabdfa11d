#include "data/sqlite/SqliteConnection.h"

#include "core/Exception.h"
#include "data/driver/SqlLexer.h"
#include "data/sqlite/SqliteColumnTypes.h"
#include "data/sqlite/SqliteConnectionHooks.h"
#include "data/sqlite/SqliteProcedures.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

#include <algorithm>

namespace {

const QString kMemory = QStringLiteral(":memory:");

struct TStmtDeleter {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using TStmt = std::unique_ptr<sqlite3_stmt, TStmtDeleter>;

struct TDbDeleter {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using TDbHolder = std::unique_ptr<sqlite3, TDbDeleter>;

[[noreturn]] void ThrowOpenError(const QString& path, const QString& why) {
  throw EDatabaseError(QStringLiteral("Cannot open database \"%1\": %2").arg(path, why));
}

QString ErrorText(sqlite3* db) {
  return QString::fromUtf8(sqlite3_errmsg(db));
}

void Bind(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& value) {
  int rc = SQLITE_OK;
  switch (DbValue::KindOf(value)) {
    case DbValue::TKind::Null:
      rc = sqlite3_bind_null(stmt, index);
      break;
    case DbValue::TKind::Integer:
      rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
      break;
    case DbValue::TKind::Double:
      rc = sqlite3_bind_double(stmt, index, value.toDouble());
      break;
    case DbValue::TKind::Boolean:
      rc = sqlite3_bind_int(stmt, index, value.toBool() ? 1 : 0);
      break;
    case DbValue::TKind::DateTime: {
      TDbParam p;
      p.Value = value;
      p.DataType = ftString;
      const QByteArray text = DbValue::ToBindValue(p).toString().toUtf8();
      rc = sqlite3_bind_text64(stmt, index, text.constData(), text.size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8);
      break;
    }
    case DbValue::TKind::Text: {
      const QByteArray text = value.toString().toUtf8();
      rc = sqlite3_bind_text64(stmt, index, text.constData(), text.size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8);
      break;
    }
    case DbValue::TKind::Blob: {
      const QByteArray data = value.toByteArray();
      rc = sqlite3_bind_blob64(stmt, index, data.constData(), data.size(), SQLITE_TRANSIENT);
      break;
    }
  }
  if (rc != SQLITE_OK) throw EDatabaseError(ErrorText(db));
}

// Expression columns declare no type: the first value that is not null
// tells what the column holds.
void SettleUndeclaredTypes(TDbResult& result) {
  for (size_t c = 0; c < result.Columns.size(); ++c) {
    if (result.Columns[c].DataType != ftUnknown) continue;
    for (const auto& row : result.Rows) {
      const DbValue::TKind kind = DbValue::KindOf(row[c]);
      if (kind == DbValue::TKind::Null) continue;
      result.Columns[c].DataType = DbValue::FieldTypeOf(kind);
      break;
    }
  }
}

}  // namespace

std::unique_ptr<TSqliteConnection> TSqliteConnection::Open(const QString& path,
                                                           TSqliteOpenMode mode,
                                                           int busyTimeoutMs) {
  if (path.isEmpty()) throw EDatabaseError(QStringLiteral("No database file given."));
  if (path != kMemory) {
    const QFileInfo file(path);
    if (file.isDir()) ThrowOpenError(path, QStringLiteral("it is a folder, not a database file."));
    if (!file.exists()) {
      if (mode != TSqliteOpenMode::Create)
        throw EDatabaseError(QStringLiteral("Database file \"%1\" not found.").arg(path));
      if (!file.absoluteDir().exists())
        ThrowOpenError(path, QStringLiteral("the folder does not exist."));
    }
  }

  int flags = SQLITE_OPEN_EXRESCODE;
  switch (mode) {
    case TSqliteOpenMode::ReadOnly:
      flags |= SQLITE_OPEN_READONLY;
      break;
    case TSqliteOpenMode::ReadWrite:
      flags |= SQLITE_OPEN_READWRITE;
      break;
    case TSqliteOpenMode::Create:
      flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
      break;
  }
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
  TDbHolder db(raw);
  if (rc != SQLITE_OK)
    ThrowOpenError(path, raw ? ErrorText(raw) : QString::fromUtf8(sqlite3_errstr(rc)));
  sqlite3_busy_timeout(db.get(), busyTimeoutMs);

  // SQLite reads a file only when first asked to; reading the schema now
  // tells a database from any other file, and a locked one, before anyone
  // relies on the connection. It writes nothing.
  if (sqlite3_exec(db.get(), "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr) !=
      SQLITE_OK)
    ThrowOpenError(path, ErrorText(db.get()));
  if (mode != TSqliteOpenMode::ReadOnly && sqlite3_db_readonly(db.get(), "main") == 1)
    ThrowOpenError(path, QStringLiteral("the file is read-only."));

  RunSqliteOpenHooks(db.get());
  return std::unique_ptr<TSqliteConnection>(new TSqliteConnection(db.release(), path, mode));
}

std::unique_ptr<TSqliteConnection> CreateSqliteDatabase(const QString& path) {
  if (path != kMemory && QFileInfo::exists(path))
    throw EDatabaseError(QStringLiteral("Database file \"%1\" already exists.").arg(path));
  return TSqliteConnection::Open(path, TSqliteOpenMode::Create);
}

TSqliteConnection::TSqliteConnection(sqlite3* db, QString path, TSqliteOpenMode mode)
    : FDb(db), FPath(std::move(path)), FMode(mode) {}

TSqliteConnection::~TSqliteConnection() {
  RunSqliteCloseHooks(FDb);
  // An open transaction is rolled back by the close.
  sqlite3_close_v2(FDb);
}

QString TSqliteConnection::DatabaseName() const {
  if (FPath == kMemory) return QStringLiteral("memory");
  return QFileInfo(FPath).completeBaseName();
}

void TSqliteConnection::ThrowLastError() const {
  throw EDatabaseError(ErrorText(FDb));
}

std::vector<TSqliteStatement> TSqliteConnection::PrepareStatements(const QString& sql) {
  if (auto translator = SqliteStatementTranslator()) return translator->Translate(sql, FDb);
  return DefaultSqliteStatements(sql);
}

// What one Execute carries from statement to statement.
struct TSqliteConnection::TBatchRun {
  std::vector<TDbParam>& Params;
  QHash<QString, QVariant> Variables;  // by upper-cased name, "@" included
  TDbResult Result;
  bool HaveResult = false;

  QVariant Value(const QString& name) const {
    if (name.startsWith(QLatin1Char('@'))) return Variables.value(name.toUpper());
    const TDbParam* param = FindDbParam(Params, name);
    if (!param) throw EDatabaseError(QStringLiteral("No value for parameter :%1.").arg(name));
    return DbValue::ToBindValue(*param);
  }

  void Assign(const QString& name, const QVariant& value) {
    if (name.startsWith(QLatin1Char('@'))) {
      Variables.insert(name.toUpper(), value);
      return;
    }
    TDbParam* param = FindDbParam(Params, name);
    if (!param) throw EDatabaseError(QStringLiteral("No value for parameter :%1.").arg(name));
    param->Value = value;
  }
};

TDbResult TSqliteConnection::Execute(const QString& sql, std::vector<TDbParam>& params) {
  const qsizetype first =
      std::find_if(sql.begin(), sql.end(), [](QChar c) { return !c.isSpace(); }) - sql.begin();
  if (first < sql.size() && sql[first] == QLatin1Char('{')) {
    if (auto call = ParseSqlCallEscape(sql)) return ExecuteCall(*call, params);
  }

  TBatchRun run{params, {}, {}, false};
  for (const TSqliteStatement& statement : PrepareStatements(sql)) {
    try {
      RunStatement(statement, run);
    } catch (EDatabaseError& e) {
      if (!statement.Source.isEmpty())
        e.SetMessage(e.Message() + QStringLiteral("\nStatement: ") + statement.Source.trimmed());
      throw;
    }
  }
  return std::move(run.Result);
}

void TSqliteConnection::RunStatement(const TSqliteStatement& statement, TBatchRun& run) {
  std::vector<QVariant> values;
  values.reserve(statement.ParamNames.size());
  for (const QString& name : statement.ParamNames) values.push_back(run.Value(name));

  switch (statement.Action) {
    case TSqliteStatementAction::Execute:
      RunBatch(statement.Sql, values, run.Result, run.HaveResult);
      return;
    case TSqliteStatementAction::AssignVariable: {
      // As T-SQL's SELECT @v = ...: no row leaves the variable as it was.
      TDbResult selected;
      bool have = false;
      RunBatch(statement.Sql, values, selected, have);
      if (!selected.Rows.empty() && !selected.Rows[0].empty())
        run.Assign(statement.Variable, selected.Rows[0][0]);
      run.Result.RowsAffected = selected.RowsAffected;
      return;
    }
    case TSqliteStatementAction::CallProcedure: {
      std::vector<TDbParam> args;
      if (!statement.Sql.trimmed().isEmpty()) {
        TDbResult selected;
        bool have = false;
        RunBatch(statement.Sql, values, selected, have);
        for (size_t c = 0; c < selected.Columns.size(); ++c)
          args.push_back(TDbParam{selected.Columns[c].Name, ftUnknown, ptInput,
                                  selected.Rows.empty() ? QVariant() : selected.Rows[0][c]});
      }
      QVariant returnValue;
      TDbResult called = CallProcedure(statement.Procedure, args, &returnValue);
      if (!statement.ResultParameter.isEmpty()) run.Assign(statement.ResultParameter, returnValue);
      if (!called.Columns.empty() && !run.HaveResult) {
        run.Result.Columns = std::move(called.Columns);
        run.Result.Rows = std::move(called.Rows);
        run.HaveResult = true;
      }
      run.Result.RowsAffected = called.RowsAffected;
      return;
    }
  }
}

TDbResult TSqliteConnection::ExecuteNative(const QString& sql,
                                           const std::vector<QVariant>& values) {
  TDbResult result;
  bool haveResult = false;
  RunBatch(sql, values, result, haveResult);
  return result;
}

void TSqliteConnection::RunBatch(const QString& sql, const std::vector<QVariant>& values,
                                 TDbResult& result, bool& haveResult) {
  const QByteArray utf8 = sql.toUtf8();
  const char* tail = utf8.constData();
  const char* const end = tail + utf8.size();
  while (tail < end) {
    sqlite3_stmt* raw = nullptr;
    const char* next = nullptr;
    const int prepared = sqlite3_prepare_v2(FDb, tail, int(end - tail), &raw, &next);
    TStmt stmt(raw);
    if (prepared != SQLITE_OK) ThrowLastError();
    const bool advanced = next > tail;
    tail = next;
    if (!stmt) {
      if (!advanced) break;
      continue;  // only blanks or comments
    }

    const int markers = sqlite3_bind_parameter_count(stmt.get());
    for (int i = 1; i <= markers && size_t(i) <= values.size(); ++i)
      Bind(FDb, stmt.get(), i, values[size_t(i - 1)]);

    const int columns = sqlite3_column_count(stmt.get());
    const bool capture = columns > 0 && !haveResult;
    std::vector<TFieldType> declared;
    if (capture) {
      result.Columns.clear();
      result.Rows.clear();
      for (int c = 0; c < columns; ++c) {
        result.Columns.push_back(
            SqliteDeclaredColumn(QString::fromUtf8(sqlite3_column_name(stmt.get(), c)),
                                 sqlite3_column_decltype(stmt.get(), c)));
        declared.push_back(result.Columns.back().DataType);
      }
    }
    const sqlite3_int64 changesBefore = sqlite3_total_changes64(FDb);
    qint64 rows = 0;
    int stepped;
    while ((stepped = sqlite3_step(stmt.get())) == SQLITE_ROW) {
      ++rows;
      if (!capture) continue;
      std::vector<QVariant> row;
      row.reserve(size_t(columns));
      for (int c = 0; c < columns; ++c)
        row.push_back(SqliteColumnValue(stmt.get(), c, declared[size_t(c)]));
      result.Rows.push_back(std::move(row));
    }
    if (stepped != SQLITE_DONE) ThrowLastError();

    if (columns > 0)
      result.RowsAffected = rows;  // as SQL Server counts a SELECT
    else
      result.RowsAffected =
          sqlite3_total_changes64(FDb) != changesBefore ? sqlite3_changes64(FDb) : 0;
    if (capture) {
      SettleUndeclaredTypes(result);
      haveResult = true;
    }
  }
}

TDbResult TSqliteConnection::CallProcedure(const QString& name, std::vector<TDbParam>& args,
                                           QVariant* returnValue) {
  const TSqliteProcedure procedure = FindSqliteProcedure(name);
  QString objectName = SqlObjectName(name);
  if (objectName.isEmpty()) objectName = name.trimmed();
  if (!procedure)
    throw EDatabaseError(QStringLiteral("Could not find stored procedure '%1'.").arg(objectName));
  TSqliteProcedureContext context{*this, objectName, args, QVariant(), TDbResult()};
  procedure(context);
  for (size_t i = 0; i < args.size() && i < context.Args.size(); ++i)
    if (args[i].ParamType != ptInput) args[i].Value = context.Args[i].Value;
  if (returnValue) *returnValue = context.ReturnValue;
  return std::move(context.Result);
}

TDbResult TSqliteConnection::ExecuteCall(const TSqlCallEscape& call,
                                         std::vector<TDbParam>& params) {
  auto require = [&](const QString& name) -> TDbParam& {
    TDbParam* param = FindDbParam(params, name);
    if (!param) throw EDatabaseError(QStringLiteral("No value for parameter :%1.").arg(name));
    return *param;
  };
  std::vector<TDbParam> args;
  for (const TSqlCallArg& arg : call.Args) {
    if (arg.ParamName.isEmpty()) {
      args.push_back(TDbParam{QString(), ftUnknown, ptInput, arg.Literal});
    } else {
      const TDbParam& given = require(arg.ParamName);
      args.push_back(TDbParam{arg.ParamName, given.DataType, given.ParamType, given.Value});
    }
  }
  TDbParam* returnParam = call.ReturnParam.isEmpty() ? nullptr : &require(call.ReturnParam);

  QVariant returnValue;
  TDbResult result = CallProcedure(call.ProcedureName, args, &returnValue);
  for (size_t i = 0; i < call.Args.size(); ++i) {
    if (call.Args[i].ParamName.isEmpty()) continue;
    TDbParam& given = require(call.Args[i].ParamName);
    if (given.ParamType != ptInput) given.Value = args[i].Value;
  }
  if (returnParam) returnParam->Value = returnValue;
  return result;
}

std::vector<TDbIndexColumn> TSqliteConnection::IndexColumns(const QString& table) {
  QString name = SqlObjectName(table);
  if (name.isEmpty()) name = table.trimmed();
  // Unique indexes first, then by name: the order ODBC's SQLStatistics gives
  // for SQL Server, so both backends list indexes alike.
  const TDbResult indexes = ExecuteNative(
      QStringLiteral("SELECT name FROM pragma_index_list(?1) ORDER BY \"unique\" DESC, name"),
      {name});
  std::vector<TDbIndexColumn> columns;
  for (const auto& index : indexes.Rows) {
    const QString indexName = index[0].toString();
    const TDbResult keys =
        ExecuteNative(QStringLiteral("SELECT name, \"desc\" FROM pragma_index_xinfo(?1) "
                                     "WHERE key = 1 AND cid >= 0 ORDER BY seqno"),
                      {indexName});
    for (const auto& key : keys.Rows)
      columns.push_back(TDbIndexColumn{indexName, key[0].toString(), key[1].toLongLong() != 0});
  }
  return columns;
}

void TSqliteConnection::StartTransaction() {
  // IMMEDIATE takes the write lock at once, so two writers queue on the busy
  // timeout instead of one failing half-way when it upgrades its lock.
  ExecuteNative(FMode == TSqliteOpenMode::ReadOnly ? QStringLiteral("BEGIN")
                                                   : QStringLiteral("BEGIN IMMEDIATE"));
}

void TSqliteConnection::Commit() {
  ExecuteNative(QStringLiteral("COMMIT"));
}

void TSqliteConnection::Rollback() {
  ExecuteNative(QStringLiteral("ROLLBACK"));
}

bool TSqliteConnection::InTransaction() const {
  return sqlite3_get_autocommit(FDb) == 0;
}
