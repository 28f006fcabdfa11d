#include "data/sqlite/SqliteTableFunction.h"

#include "core/Exception.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

#include <cstring>
#include <new>

namespace {

struct TTable {
  sqlite3_vtab Base;
  const TSqliteTableFunction* Function;
  sqlite3* Db;
};

struct TCursor {
  sqlite3_vtab_cursor Base;
  sqlite3_stmt* Stmt = nullptr;
  bool Eof = true;
  sqlite3_int64 Row = 0;
  std::vector<sqlite3_value*> Args;  // as given, for the hidden columns

  void FreeArgs() {
    for (sqlite3_value* v : Args) sqlite3_value_free(v);
    Args.clear();
  }
};

const TTable& TableOf(sqlite3_vtab* vtab) {
  return *reinterpret_cast<TTable*>(vtab);
}

TCursor& CursorOf(sqlite3_vtab_cursor* cursor) {
  return *reinterpret_cast<TCursor*>(cursor);
}

int SetError(sqlite3_vtab* vtab, sqlite3* db) {
  sqlite3_free(vtab->zErrMsg);
  vtab->zErrMsg = sqlite3_mprintf("%s", sqlite3_errmsg(db));
  return sqlite3_errcode(db);
}

int Connect(sqlite3* db, void* aux, int, const char* const*, sqlite3_vtab** vtab, char**) {
  const auto* function = static_cast<const TSqliteTableFunction*>(aux);
  QByteArray declaration = "CREATE TABLE x(";
  for (const QByteArray& column : function->Columns) declaration += column + ", ";
  for (int i = 1; i <= function->Arguments; ++i)
    declaration += "argument" + QByteArray::number(i) + " HIDDEN, ";
  declaration.chop(2);
  declaration += ')';
  const int rc = sqlite3_declare_vtab(db, declaration.constData());
  if (rc != SQLITE_OK) return rc;
  auto* table = static_cast<TTable*>(sqlite3_malloc(sizeof(TTable)));
  if (!table) return SQLITE_NOMEM;
  std::memset(table, 0, sizeof(TTable));
  table->Function = function;
  table->Db = db;
  *vtab = &table->Base;
  return SQLITE_OK;
}

int Disconnect(sqlite3_vtab* vtab) {
  sqlite3_free(vtab);
  return SQLITE_OK;
}

// Arguments are equality constraints on the hidden columns; idxNum says
// which were given, in argument order.
int BestIndex(sqlite3_vtab* vtab, sqlite3_index_info* info) {
  const TSqliteTableFunction& function = *TableOf(vtab).Function;
  const int results = int(function.Columns.size());
  std::vector<int> constraintOf(size_t(function.Arguments), -1);
  unsigned unusable = 0;
  for (int i = 0; i < info->nConstraint; ++i) {
    const auto& c = info->aConstraint[i];
    const int argument = c.iColumn - results;
    if (argument < 0 || c.op != SQLITE_INDEX_CONSTRAINT_EQ) continue;
    if (!c.usable) {
      unusable |= 1u << argument;
      continue;
    }
    constraintOf[size_t(argument)] = i;
  }
  int given = 0, next = 1;
  for (int a = 0; a < function.Arguments; ++a) {
    const int i = constraintOf[size_t(a)];
    if (i < 0) continue;
    given |= 1 << a;
    info->aConstraintUsage[i].argvIndex = next++;
    info->aConstraintUsage[i].omit = 1;
  }
  // An argument that refers to a table SQLite has not reached yet: make it
  // try another order.
  if (unusable & ~unsigned(given)) return SQLITE_CONSTRAINT;
  info->idxNum = given;
  const bool all = given == (1 << function.Arguments) - 1;
  info->estimatedCost = all ? 10 : 1e6;
  info->estimatedRows = all ? 10 : 100000;
  return SQLITE_OK;
}

int Open(sqlite3_vtab*, sqlite3_vtab_cursor** cursor) {
  auto* c = new (std::nothrow) TCursor();
  if (!c) return SQLITE_NOMEM;
  std::memset(&c->Base, 0, sizeof(c->Base));
  *cursor = &c->Base;
  return SQLITE_OK;
}

int Close(sqlite3_vtab_cursor* cursor) {
  TCursor* c = &CursorOf(cursor);
  sqlite3_finalize(c->Stmt);
  c->FreeArgs();
  delete c;
  return SQLITE_OK;
}

int Step(sqlite3_vtab_cursor* cursor) {
  TCursor& c = CursorOf(cursor);
  const int rc = sqlite3_step(c.Stmt);
  if (rc == SQLITE_ROW) {
    ++c.Row;
    c.Eof = false;
    return SQLITE_OK;
  }
  c.Eof = true;
  if (rc == SQLITE_DONE) return SQLITE_OK;
  return SetError(cursor->pVtab, TableOf(cursor->pVtab).Db);
}

int Filter(sqlite3_vtab_cursor* cursor, int idxNum, const char*, int argc, sqlite3_value** argv) {
  TCursor& c = CursorOf(cursor);
  const TTable& table = TableOf(cursor->pVtab);
  if (!c.Stmt && sqlite3_prepare_v2(table.Db, table.Function->Sql.constData(), -1, &c.Stmt,
                                    nullptr) != SQLITE_OK)
    return SetError(cursor->pVtab, table.Db);
  sqlite3_reset(c.Stmt);
  sqlite3_clear_bindings(c.Stmt);
  c.FreeArgs();
  c.Args.assign(size_t(table.Function->Arguments), nullptr);
  int given = 0;
  for (int a = 0; a < table.Function->Arguments && given < argc; ++a) {
    if (!(idxNum & (1 << a))) continue;
    sqlite3_value* v = argv[given++];
    c.Args[size_t(a)] = sqlite3_value_dup(v);
    if (sqlite3_bind_value(c.Stmt, a + 1, v) != SQLITE_OK) return SetError(cursor->pVtab, table.Db);
  }
  c.Row = 0;
  return Step(cursor);
}

int Eof(sqlite3_vtab_cursor* cursor) {
  return CursorOf(cursor).Eof ? 1 : 0;
}

int Column(sqlite3_vtab_cursor* cursor, sqlite3_context* ctx, int column) {
  TCursor& c = CursorOf(cursor);
  const int results = int(TableOf(cursor->pVtab).Function->Columns.size());
  if (column < results) {
    sqlite3_result_value(ctx, sqlite3_column_value(c.Stmt, column));
  } else {
    sqlite3_value* argument = c.Args[size_t(column - results)];
    if (argument)
      sqlite3_result_value(ctx, argument);
    else
      sqlite3_result_null(ctx);
  }
  return SQLITE_OK;
}

int Rowid(sqlite3_vtab_cursor* cursor, sqlite3_int64* rowid) {
  *rowid = CursorOf(cursor).Row;
  return SQLITE_OK;
}

const sqlite3_module& Module() {
  static const sqlite3_module module = [] {
    sqlite3_module m{};
    // No xCreate: an eponymous-only table, usable only as a function.
    m.xConnect = Connect;
    m.xBestIndex = BestIndex;
    m.xDisconnect = Disconnect;
    m.xOpen = Open;
    m.xClose = Close;
    m.xFilter = Filter;
    m.xNext = Step;
    m.xEof = Eof;
    m.xColumn = Column;
    m.xRowid = Rowid;
    return m;
  }();
  return module;
}

}  // namespace

void RegisterSqliteTableFunction(sqlite3* db, const TSqliteTableFunction& function) {
  if (sqlite3_create_module_v2(db, function.Name.constData(), &Module(),
                               const_cast<TSqliteTableFunction*>(&function), nullptr) != SQLITE_OK)
    throw EDatabaseError(
        QStringLiteral("Cannot register the function %1: %2")
            .arg(QString::fromUtf8(function.Name), QString::fromUtf8(sqlite3_errmsg(db))));
}
