#include "config/dmCharges.h"

#include "core/ScriptedPrompts.h"
#include "data/sqlite/SqliteTempdb.h"
#include "fixtures/SuiteTestDatabase.h"

#include <memory>

namespace {

// Charges 100 (two UCR codes, one NIBRS code, one category) and 200 (one UCR
// code), and an inactive charge the table leaves out.
class ChargesTest : public testing::Test {
 protected:
  void SetUp() override {
    InstallSqliteTempdb();
    Suite.Exec(
        QStringLiteral("INSERT INTO FSS_AFIS (ChargeNum, FSN, ACL, FSDESC, INACTIVE) VALUES "
                       "(100, '316.193', 'M', 'DUI', 0), (200, '812.014', 'F', 'GRAND THEFT', 0), "
                       "(300, '000.000', 'M', 'REPEALED', 1)"));
    Suite.Exec(QStringLiteral(
        "INSERT INTO CfgUcrNibrsChoices (Code, Description, TypeID, UniqueKey) VALUES "
        "('90D', 'Driving Under the Influence', 1, 'C-UCR-90D'), "
        "('90Z', 'All Other Offenses', 1, 'C-UCR-90Z'), "
        "('23H', 'All Other Larceny', 2, 'C-NIBRS-23H'), "
        "('23C', 'Shoplifting', 1, 'C-UCR-23C')"));
    Suite.Exec(QStringLiteral(
        "INSERT INTO FssUcrNibrsXref (ChargeNum, FK_Choice, TypeID, UniqueKey) VALUES "
        "(100, 'C-UCR-90Z', 1, 'X1'), (100, 'C-UCR-90D', 1, 'X2'), "
        "(100, 'C-NIBRS-23H', 2, 'X3'), (200, 'C-UCR-23C', 1, 'X4')"));
    Suite.Exec(QStringLiteral(
        "INSERT INTO CfgChoices (GroupID, ChoiceID, LongDescr) VALUES ('CHGCAT', '7', 'Traffic')"));
    Suite.Exec(QStringLiteral(
        "INSERT INTO FSS_Category (ChargeNum, ChoiceID, UniqueKey) VALUES (100, 7, 'G1')"));
  }

  static QStringList Codes(TKsCustomDataSet& xref) {
    QStringList codes;
    for (xref.First(); !xref.Eof(); xref.Next())
      codes << xref.FieldByName(QStringLiteral("Code")).AsString();
    return codes;
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
};

TEST_F(ChargesTest, CreationOpensTheChoicesAndTheEmptyCrossReferences) {
  TdtmCharges charges;
  EXPECT_TRUE(charges.tblCfgUcrNibrsChoices.Active());
  EXPECT_EQ(charges.tblCfgUcrNibrsChoices.FieldByName(QStringLiteral("Code")).AsString(), "23C")
      << "in Code order";
  EXPECT_TRUE(charges.qryUcrXref.Active());
  EXPECT_TRUE(charges.qryUcrXref.IsEmpty());
  EXPECT_TRUE(charges.qryNibrsXref.Active());
  EXPECT_FALSE(charges.tblFSS_AFIS.Active());
}

TEST_F(ChargesTest, TheCrossReferencesFollowTheChargeTable) {
  TdtmCharges charges;
  charges.tblFSS_AFIS.Open();
  EXPECT_EQ(charges.tblFSS_AFIS.RecordCount(), 2) << "inactive charges are left out";
  EXPECT_EQ(charges.tblFSS_AFIS.FieldByName(QStringLiteral("ChargeNum")).AsInteger(), 100);
  EXPECT_EQ(Codes(charges.qryUcrXref), QStringList({"90D", "90Z"}));
  EXPECT_EQ(Codes(charges.qryNibrsXref), QStringList({"23H"}));
  EXPECT_EQ(Codes(charges.qryUcrNibrsXref), QStringList({"90D", "90Z", "23H"}));
  EXPECT_EQ(charges.tblFSS_Category.FieldByName(QStringLiteral("LongDescr")).AsString(), "Traffic");

  charges.tblFSS_AFIS.Next();
  EXPECT_EQ(Codes(charges.qryUcrXref), QStringList({"23C"}));
  EXPECT_TRUE(charges.qryNibrsXref.IsEmpty());
  EXPECT_TRUE(charges.tblFSS_Category.IsEmpty());
}

// Another screen's charge list, with an after-scroll handler of its own.
class ChargesMasterTest : public ChargesTest {
 protected:
  std::unique_ptr<TKsMSQuery> ChargeList(TdtmCharges& charges, QStringList& seen) {
    auto list = charges.dbCfg.CreateDataSet(QStringLiteral("qryChargeList"));
    list->SQL().SetText(QStringLiteral("SELECT ChargeNum FROM FSS_AFIS ORDER BY ChargeNum DESC"));
    list->AfterScroll = [&seen, &charges](TKsCustomDataSet&) {
      seen << Codes(charges.qryUcrXref).join("+");
    };
    return list;
  }
};

TEST_F(ChargesMasterTest, DetailsFollowBeforeTheMastersOwnHandlerRuns) {
  TdtmCharges charges;
  QStringList seen;
  auto list = ChargeList(charges, seen);
  charges.SetChargesMasterDetail(list.get(), QStringLiteral("ChargeNum"));
  list->Open();  // 300: no codes
  list->Next();  // 200
  list->Next();  // 100
  EXPECT_EQ(seen, QStringList({"", "23C", "90D+90Z"}));
}

TEST_F(ChargesMasterTest, ANewMasterGivesThePreviousOneItsHandlerBack) {
  TdtmCharges charges;
  QStringList seen;
  auto list = ChargeList(charges, seen);
  charges.SetChargesMasterDetail(list.get(), QStringLiteral("ChargeNum"));
  list->Open();

  charges.SetChargesMasterDetail(&charges.tblFSS_AFIS, QStringLiteral("ChargeNum"));
  charges.tblFSS_AFIS.Open();  // 100
  seen.clear();
  list->Next();  // 200, no longer followed
  EXPECT_EQ(seen, QStringList({"90D+90Z"})) << "its own handler still runs";
  EXPECT_EQ(Codes(charges.qryUcrXref), QStringList({"90D", "90Z"}));
}

TEST_F(ChargesTest, ANewCrossReferenceBelongsToTheChargeShownWithItsTypeAndAKey) {
  TdtmCharges charges;
  charges.tblFSS_AFIS.Open();
  charges.tblFSS_AFIS.Next();  // 200

  charges.qryNibrsXref.Append();
  EXPECT_EQ(charges.qryNibrsXref.FieldByName(QStringLiteral("ChargeNum")).AsInteger(), 200);
  EXPECT_EQ(charges.qryNibrsXref.FieldByName(QStringLiteral("TypeID")).AsInteger(), 2);
  EXPECT_EQ(charges.qryNibrsXref.FieldByName(QStringLiteral("UniqueKey")).AsString().size(), 22);
  charges.qryNibrsXref.FieldByName(QStringLiteral("FK_Choice")).SetAsString("C-NIBRS-23H");
  charges.qryNibrsXref.Post();
  EXPECT_EQ(Codes(charges.qryNibrsXref), QStringList({"23H"}))
      << "re-read after the post, with the choice's code";

  charges.qryUcrXref.Append();
  EXPECT_EQ(charges.qryUcrXref.FieldByName(QStringLiteral("TypeID")).AsInteger(), 1);
  charges.qryUcrXref.Cancel();
  EXPECT_EQ(Suite
                .Scalar(QStringLiteral(
                    "SELECT COUNT(*) FROM FssUcrNibrsXref WHERE ChargeNum = 200 AND TypeID = 2"))
                .toInt(),
            1);
}

TEST_F(ChargesTest, ACrossReferenceDeletedIsGoneFromTheList) {
  TdtmCharges charges;
  charges.tblFSS_AFIS.Open();
  ASSERT_TRUE(charges.qryUcrXref.Locate(QStringLiteral("Code"), QStringLiteral("90Z")));
  charges.qryUcrXref.Delete();
  EXPECT_EQ(Codes(charges.qryUcrXref), QStringList({"90D"}));
  EXPECT_EQ(
      Suite.Scalar(QStringLiteral("SELECT COUNT(*) FROM FssUcrNibrsXref WHERE UniqueKey = 'X1'"))
          .toInt(),
      0);
}

}  // namespace
