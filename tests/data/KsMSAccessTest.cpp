#include "DataTestDb.h"

#include "core/Exception.h"
#include "data/KsDBLib.h"
#include "data/KsMSAccess.h"
#include "data/KsMSSearchQuery.h"
#include "data/sqlite/SqliteProcedures.h"

#include <functional>

namespace {

TEST(KsMSQueryLoaded, AnyLegacyIndexPropertyMeansConversion) {
  const std::vector<std::function<void(TKsMSQuery&)>> legacy = {
      [](TKsMSQuery& q) { q.IndexDefs().Add("LNAME", "LNAME"); },
      [](TKsMSQuery& q) { q.SetAutoLoadIndexDefs(false); },
      [](TKsMSQuery& q) { q.SetIndexName("LNAME"); },
      [](TKsMSQuery& q) { q.SetTableName("JAILBOOK"); },
  };
  for (size_t i = 0; i < legacy.size(); ++i) {
    TKsMSQuery q("qryOld");
    legacy[i](q);
    try {
      q.Loaded();
      ADD_FAILURE() << "case " << i << " loaded";
    } catch (const EDatabaseError& e) {
      EXPECT_EQ(e.Message(), "TKsMSQuery 'qryOld' must be converted to TKsMSSearchQuery");
    }
  }
  TKsMSQuery plain("qryPlain");
  EXPECT_NO_THROW(plain.Loaded());
  EXPECT_TRUE(plain.RecordLocksMake());
  EXPECT_TRUE(plain.RecordLocksCheck());
  EXPECT_EQ(plain.RefreshOptions(), TRefreshOptions(roBeforeEdit));
  EXPECT_TRUE(plain.Options().TrimVarChar);
  EXPECT_TRUE(plain.Options().QuoteNames);
}

using TableTest = DataTestDb;

TEST_F(TableTest, ReadsTheWholeTableInItsOrderAndWritesBack) {
  TKsMSTable t("tblJailBook");
  t.SetConnection(&FDb);
  t.SetTableName("JAILBOOK");
  t.SetOrderFields("AGE;UNIQUEKEY");
  EXPECT_EQ(t.SQL().Text(), "SELECT * FROM [JAILBOOK]\nORDER BY AGE, UNIQUEKEY");
  t.Open();
  EXPECT_EQ(t.RecordCount(), 4);
  EXPECT_EQ(t.FieldByName("UNIQUEKEY").AsString(), "K4") << "null age first";

  SetTableOrderFields(&t, "BOOKNO");
  EXPECT_TRUE(t.Active()) << "re-opened in the new order";
  EXPECT_EQ(t.FieldByName("UNIQUEKEY").AsString(), "K1");

  t.Edit();
  t.FieldByName("AGE").SetAsInteger(99);
  t.Post();
  t.Append();
  t.FieldByName("UNIQUEKEY").SetAsString("K8");
  t.Post();
  EXPECT_EQ(Scalar("SELECT AGE FROM JAILBOOK WHERE UNIQUEKEY = 'K1'").toInt(), 99);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM JAILBOOK").toInt(), 5);
}

class StoredProcTest : public DataTestDb {
 protected:
  static void SetUpTestSuite() {
    RegisterSqliteProcedure("kssp_TestAdd", [](TSqliteProcedureContext& c) {
      const qint64 total = c.Arg("A").toLongLong() + c.Arg("B").toLongLong();
      c.SetOutput("Total", total);
      c.ReturnValue = total > 0;
    });
    RegisterSqliteProcedure("kssp_TestRows", [](TSqliteProcedureContext& c) {
      c.Result.Columns = {{"Day", ftInteger, 0}, {"FaciCode", ftString, 10}};
      for (int d = 1; d <= c.Arg("Days").toInt(); ++d)
        c.Result.Rows.push_back({d, QStringLiteral("MAIN      ")});
      c.ReturnValue = 0;
    });
  }
};

TEST_F(StoredProcTest, CallBuiltFromTheNameAndParametersReturnsOutputs) {
  TKsMSStoredProc sp("spAdd");
  sp.SetConnection(&FDb);
  sp.SetStoredProcName("kssp_TestAdd");
  sp.Params().CreateParam(ftBoolean, "RETURN_VALUE", ptResult);
  sp.Params().CreateParam(ftInteger, "A", ptInput).SetAsInteger(2);
  sp.Params().CreateParam(ftInteger, "B", ptInput).SetAsInteger(3);
  sp.Params().CreateParam(ftInteger, "Total", ptOutput);
  EXPECT_EQ(sp.CallText(), "{:RETURN_VALUE = CALL kssp_TestAdd (:A, :B, :Total)}");
  sp.ExecProc();
  EXPECT_EQ(sp.ParamByName("Total").AsInteger(), 5);
  EXPECT_TRUE(sp.ParamByName("RETURN_VALUE").AsBoolean());
  EXPECT_EQ(sp.ParamByName("A").AsInteger(), 2) << "inputs are not overwritten";
}

TEST_F(StoredProcTest, CallTextAsTheFormsStoreItMarksTheReturnValue) {
  TKsMSStoredProc sp("spAdd");
  sp.SetConnection(&FDb);
  sp.SQL().SetText("{:RETURN_VALUE = CALL kssp_TestAdd (:A, :B, :Total)}");
  EXPECT_EQ(sp.ParamByName("RETURN_VALUE").ParamType(), ptResult);
  sp.ParamByName("A").SetAsInteger(-4);
  sp.ParamByName("B").SetAsInteger(1);
  sp.ParamByName("Total").SetParamType(ptOutput);
  sp.ExecProc();
  EXPECT_EQ(sp.ParamByName("Total").AsInteger(), -3);
  EXPECT_FALSE(sp.ParamByName("RETURN_VALUE").AsBoolean());
}

TEST_F(StoredProcTest, ProcedureRowsOpenLikeAQuery) {
  TKsMSStoredProc sp("spUpdateDailyPopulation");
  sp.SetConnection(&FDb);
  sp.SQL().SetText("{:RETURN_VALUE = CALL Jail.dbo.kssp_TestRows;1(:Days)}");
  sp.ParamByName("Days").SetAsInteger(3);
  sp.Open();
  EXPECT_EQ(sp.RecordCount(), 3);
  sp.Last();
  EXPECT_EQ(sp.FieldByName("Day").AsInteger(), 3);
  EXPECT_EQ(sp.FieldByName("FaciCode").AsString(), "MAIN");
}

class SearchQueryTest : public DataTestDb {
 protected:
  void SetUp() override {
    DataTestDb::SetUp();
    q.SetConnection(&FDb);
  }
  QString FirstKey() { return q.FieldByName("UNIQUEKEY").AsString(); }
  TKsMSSearchQuery q{QStringLiteral("tblJailBook")};
};

TEST_F(SearchQueryTest, TableNameWritesTheSelectAndLoadsTheIndexes) {
  q.SetTableName("  JAILBOOK ");
  EXPECT_EQ(q.TableName(), "JAILBOOK");
  EXPECT_EQ(q.SQL().Lines(), QStringList({"SELECT *", "FROM JAILBOOK"}));
  const TIndexDef* name = q.IndexDefs().Find("ix_name");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->Fields, "LNAME;FNAME");
  EXPECT_TRUE(name->Options.testFlag(ixCaseInsensitive));
  const TIndexDef* desc = q.IndexDefs().Find("IX_BOOKDESC");
  ASSERT_NE(desc, nullptr);
  EXPECT_EQ(desc->OrderByText(), "BOOKNO DESC");
}

TEST_F(SearchQueryTest, SqlAlreadyReadingTheTableIsKept) {
  q.SQL().SetText("SELECT UNIQUEKEY, LNAME FROM [JAILBOOK] WHERE AGE > 30");
  q.SetTableName("jailbook");
  EXPECT_EQ(q.SQL().Text(), "SELECT UNIQUEKEY, LNAME FROM [JAILBOOK] WHERE AGE > 30");
  EXPECT_FALSE(q.IndexDefs().IsEmpty());
}

TEST_F(SearchQueryTest, IndexNameOrdersTheRowsAndKeepsTheOpenState) {
  q.SetTableName("JAILBOOK");
  q.Open();
  q.SetIndexName("IX_BOOKDESC");
  EXPECT_TRUE(q.Active());
  EXPECT_EQ(FirstKey(), "K4");
  q.IndexDefs().Add("BYNAMEDESC", "\"LNAME\";FNAME", ixDescending);
  q.SetIndexName("BYNAMEDESC");
  EXPECT_EQ(q.GetOrderBy(), "LNAME DESC, FNAME DESC");
  EXPECT_EQ(FirstKey(), "K2");  // "adams" sorts after the capitals
  q.SetIndexName("");
  EXPECT_EQ(q.GetOrderBy(), "");
  EXPECT_TRUE(q.Active());
  q.Close();
  q.SetIndexName("IX_NAME");
  EXPECT_FALSE(q.Active()) << "a closed query stays closed";
}

TEST_F(SearchQueryTest, UnknownIndexNameIsRefusedAndNothingChanges) {
  q.SetTableName("JAILBOOK");
  q.SetIndexName("IX_NAME");
  q.Open();
  try {
    q.SetIndexName("NOSUCHINDEX");
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "IndexName entered is not in IndexDefs.");
  }
  EXPECT_EQ(q.IndexName(), "IX_NAME");
  EXPECT_EQ(q.GetOrderBy(), "LNAME, FNAME");
  EXPECT_TRUE(q.Active());
}

TEST_F(SearchQueryTest, LoadedAppliesTheStoredIndexAndEditsWriteToTheTable) {
  TKsMSSearchQuery s("qryLoadInmatePopulation");
  s.BeginLoad();
  s.SetIndexName("IX_NAME");
  EXPECT_EQ(s.IndexName(), "IX_NAME") << "only stored while loading";
  s.SetConnection(&FDb);
  s.SetTableName("JAILBOOK");
  s.IndexDefs().Clear();
  s.Loaded();
  ASSERT_NE(s.IndexDefs().Find("IX_NAME"), nullptr);
  EXPECT_EQ(s.GetOrderBy(), "LNAME, FNAME");
  s.Open();
  EXPECT_EQ(s.FieldByName("UNIQUEKEY").AsString(), "K4");  // BROWN
  s.Edit();
  s.FieldByName("FNAME").SetAsString("ANNE");
  s.Post();
  EXPECT_EQ(Scalar("SELECT FNAME FROM JAILBOOK WHERE UNIQUEKEY = 'K4'").toString(), "ANNE");
}

}  // namespace
