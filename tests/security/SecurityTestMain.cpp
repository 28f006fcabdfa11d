#include "data/sqlite/ServerLoginPasswords.h"
#include "data/sqlite/ServerLoginRoutines.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // What start-up installs: the T-SQL layer and the server's login routines.
  InstallTsqlLayer();
  RegisterEmbeddedLoginRoutines();
  // Fixtures hash many passwords; the cost of a hash is not under test.
  SetServerLoginHashLimits(MinimumServerLoginHashLimits());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
