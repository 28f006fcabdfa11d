#include "data/sqlite/ServerLoginRoutines.h"

#include "data/sqlite/ServerLoginPasswords.h"
#include "data/sqlite/ServerLoginProcedures.h"
#include "data/sqlite/SqliteConnectionHooks.h"
#include "data/sqlite/SqliteProcedures.h"

#include <mutex>

void RegisterEmbeddedLoginRoutines() {
  static std::once_flag once;
  std::call_once(once, [] {
    InitServerLoginCrypto();
    RegisterSqliteProcedure(QStringLiteral("kssp_Login"), KsspLogin);
    RegisterSqliteProcedure(QStringLiteral("kssp_Logout"), KsspLogout);
    RegisterSqliteProcedure(QStringLiteral("kssp_WriteLoginHistory"), KsspWriteLoginHistory);
    RegisterSqliteProcedure(QStringLiteral("kssp_CheckPasswordStrength"),
                            KsspCheckPasswordStrength);
    RegisterSqliteOpenHook(RegisterServerLoginFunctions);
  });
}
