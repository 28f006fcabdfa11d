#pragma once

#include "core/ScriptedPrompts.h"
#include "data/KsSQLDatabase.h"
#include "fixtures/SuiteTestDatabase.h"
#include "reports/framework/DialogListProvider.h"
#include "reports/framework/ScriptedParameterDialogs.h"

#include <gtest/gtest.h>

// A facility "MAIN" with dorms, cells, destinations and billed agencies in a
// real suite database, the scripted prompts and dialogs installed.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSuite.Exec(
        "INSERT INTO JAILBOOK (BOOKNO, LNAME, FNAME, MNAME, NAMERELEAS, POD, FACICODE) VALUES "
        "('B1', 'SMITH', 'JOHN', 'A', 0, 'D2', 'MAIN'), ('B2', 'ADAMS', 'MARY', '', NULL, 'D1', "
        "'MAIN'), ('B3', 'EXPUNGE', 'EXPUNGE', '', 0, 'D1', 'MAIN'), ('B4', 'JONES', 'BOB', '', 0, "
        "NULL, 'MAIN'), ('B5', 'OTHER', 'ONE', '', 0, 'X9', 'WEST')");
    FSuite.Exec(
        "INSERT INTO JBHISTO (BOOKNO, LNAME, FNAME, MNAME, NAMERELEAS, FACICODE) VALUES "
        "('H1', 'OLD', 'TIMER', '', 1, 'MAIN')");
    FSuite.Exec(
        "INSERT INTO JBLOG (JAILLOGNO, DOORMSCODE, FACICODE) VALUES ('1', 'L1', 'MAIN'), ('2', "
        "'L2', "
        "'MAIN'), ('3', NULL, 'MAIN')");
    FSuite.Exec(
        "INSERT INTO CFGCELL (CellKey, FACILITYID, DORMCODE, CellNo) VALUES "
        "('C1', 'MAIN', 'A', '101'), ('C2', 'MAIN', 'A', '102'), ('C3', 'WEST', 'W', '1')");
    FSuite.Exec("INSERT INTO CFGBED (CellKey, BedNo, BedDesc) VALUES ('C2', '1', 'TOP')");
    FSuite.Exec(
        "INSERT INTO CFGMOVE (MOVEMENT, DESCRIPT, IsMovement) VALUES ('COURT ', 'County court', "
        "1), ('HOSP', 'Hospital', 1), ('LOC', 'A location', 0)");
    FSuite.Exec(
        "INSERT INTO CFGAGNCY (UNIQUEKEY, ORG, ORG_ABBREV) VALUES ('AG1', 'Bay County', 'BAY'), "
        "('AG2', 'Ash County', 'ASH')");
    FSuite.Exec(
        "INSERT INTO AgencyBilling (AgencyFKey, ChargeFirstDay, ChargeLastDay, ChargeCheckOut, "
        "ChargeCheckIn, Amount) VALUES ('AG1', 1, 0, 1, 0, 1234.5), ('AG2', 0, 1, 0, 1, 40)");
    FDb.SetConnectString(FSuite.ConnectString());
  }

  TSuiteTestDatabase FSuite;
  TKsSQLDatabase FDb{QStringLiteral("dbJAIL")};
  TDialogListQueries FLists{&FDb, QStringLiteral("MAIN  ")};
  TScriptedPrompts FPrompts;
  TUserPromptsScope FPromptsScope{FPrompts};
  TScriptedParameterDialogs FDialogs;
  TParameterDialogsScope FDialogsScope{FDialogs};
};
