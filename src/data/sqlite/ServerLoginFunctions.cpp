#include "data/sqlite/ServerLoginPasswords.h"
#include "data/sqlite/ServerLoginRoutines.h"
#include "data/sqlite/ServerLoginStore.h"
#include "data/sqlite/TsqlValue.h"

#include <sqlite3.h>

namespace {

using namespace TsqlValue;

void CheckPassword(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_int(ctx, 0);
    const TServerLoginStore store(sqlite3_context_db_handle(ctx));
    const auto user = store.FindUser(Text(argv[0]).trimmed());
    sqlite3_result_int(
        ctx, user && ServerLoginVerifyPassword(user->EncryptedPassword, Text(argv[1])) ? 1 : 0);
  });
}

void EncryptPassword(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(ctx);
    const QByteArray hash = ServerLoginHashPassword(Text(argv[0])).toUtf8();
    sqlite3_result_text(ctx, hash.constData(), int(hash.size()), SQLITE_TRANSIENT);
  });
}

}  // namespace

void RegisterServerLoginFunctions(sqlite3* db) {
  // Neither is deterministic: one reads a table, the other salts at random.
  Register(db, "fnks_CheckPassword", 2, CheckPassword, false);
  Register(db, "fnks_EncryptPassword", 1, EncryptPassword, false);
}
