// The jail configuration tables of the report program's configuration module.
#include "config/dmJailAdminReportsConfig.h"

#include <QStringList>

void TdtmJailAdminReportsConfig::SetUpJailConfigTables() {
  dbJAIL.SetKsConfigInfo(FKsConfigInfo.Get());
  dbJAIL.SetProgramName(QStringLiteral("JAIL"));
  dbJAIL.SetLoginPrompt(false);
  dbCFG.SetKsConfigInfo(FKsConfigInfo.Get());
  dbCFG.SetProgramName(QStringLiteral("CFG"));
  dbCFG.SetLoginPrompt(false);

  const auto setUp = [this](TKsMSQuery& table, const QStringList& lines) {
    table.SetConnection(&dbJAIL);
    table.SQL().SetLines(lines);
  };
  setUp(tblCFGFACI,
        {QStringLiteral("SELECT"), QStringLiteral("  *"), QStringLiteral("FROM"),
         QStringLiteral("  CFGFACI"), QStringLiteral("ORDER BY"), QStringLiteral("  FACILITYID")});
  setUp(tblCFGCELL, {QStringLiteral("SELECT"), QStringLiteral("  *"), QStringLiteral("FROM"),
                     QStringLiteral("  CFGCELL"), QStringLiteral("ORDER BY"),
                     QStringLiteral("  FACILITYID, DORMCODE")});
  setUp(tblCFGDOORMS,
        {QStringLiteral("SELECT"), QStringLiteral("  *"), QStringLiteral("FROM"),
         QStringLiteral("  CFGDORMS"), QStringLiteral("ORDER BY"), QStringLiteral("  FACILITYID")});
  setUp(tblImateStatus, {QStringLiteral("SELECT"), QStringLiteral("  *"), QStringLiteral("FROM"),
                         QStringLiteral("  CFGINMATESTATUS")});
  setUp(tblCFGMOVE,
        {QStringLiteral("SELECT"), QStringLiteral("  *"), QStringLiteral("FROM"),
         QStringLiteral("  CFGMOVE"), QStringLiteral("WHERE "), QStringLiteral("  IsMovement = 1"),
         QStringLiteral("ORDER BY"), QStringLiteral("  MOVEMENT")});
}
