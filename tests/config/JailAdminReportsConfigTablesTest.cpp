#include "config/dmJailAdminReportsConfig.h"

#include "core/RegionalFormats.h"
#include "core/ScriptedPrompts.h"
#include "fixtures/SuiteTestDatabase.h"

namespace {

class JailAdminReportsConfigTablesTest : public testing::Test {
 protected:
  void TearDown() override { SetRegionalFormats(TRegionalFormats{}); }

  static QStringList Column(TKsCustomDataSet& table, const char* field) {
    QStringList values;
    if (!table.Active()) table.Open();
    for (table.First(); !table.Eof(); table.Next())
      values << table.FieldByName(QString::fromLatin1(field)).AsString();
    return values;
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
};

TEST_F(JailAdminReportsConfigTablesTest, TablesReadTheJailConfigurationInTheirOrder) {
  Suite.Exec(
      QStringLiteral("INSERT INTO CFGFACI (FACILITYID, FACILITYDESC) VALUES "
                     "('MAIN', 'Main Jail'), ('ANNEX', 'North Annex')"));
  Suite.Exec(
      QStringLiteral("INSERT INTO CFGDORMS (FACILITYID, DormCode) VALUES "
                     "('MAIN', 'A'), ('ANNEX', 'B')"));
  Suite.Exec(
      QStringLiteral("INSERT INTO CFGCELL (CellKey, FACILITYID, DORMCODE, CellNo) VALUES "
                     "('K1', 'MAIN', 'B', '2'), ('K2', 'MAIN', 'A', '1'), "
                     "('K3', 'ANNEX', 'C', '9')"));
  Suite.Exec(
      QStringLiteral("INSERT INTO CFGMOVE (MOVEMENT, IsMovement) VALUES "
                     "('HOSPITAL', 1), ('COURT', 1), ('YARD', 0)"));
  Suite.Exec(
      QStringLiteral("INSERT INTO CFGINMATESTATUS (INMATESTATUS, INMATESTATUSDESC) "
                     "VALUES ('S', 'Sentenced')"));
  TdtmJailAdminReportsConfig config;
  EXPECT_EQ(Column(config.tblCFGFACI, "FACILITYID"), QStringList({"ANNEX", "MAIN"}));
  EXPECT_EQ(Column(config.tblCFGDOORMS, "FACILITYID"), QStringList({"ANNEX", "MAIN"}));
  EXPECT_EQ(Column(config.tblCFGCELL, "CellKey"), QStringList({"K3", "K2", "K1"}));
  EXPECT_EQ(Column(config.tblCFGMOVE, "MOVEMENT"), QStringList({"COURT", "HOSPITAL"}))
      << "destinations only";
  EXPECT_EQ(Column(config.tblImateStatus, "INMATESTATUSDESC"), QStringList({"Sentenced"}));
  EXPECT_EQ(config.dbJAIL.ProgramName(), QStringLiteral("JAIL"));
  EXPECT_EQ(config.dbCFG.ProgramName(), QStringLiteral("CFG"));
}

}  // namespace
