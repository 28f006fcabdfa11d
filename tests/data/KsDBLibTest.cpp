#include "DataTestDb.h"

#include "core/Exception.h"
#include "data/KsCursorHook.h"
#include "data/KsDBLib.h"
#include "data/KsMSAccess.h"

namespace {

class RecordingCursor : public IKsCursorHook {
 public:
  void BeginBusy() override { Log << "busy"; }
  void EndBusy() override { Log << "restore"; }
  QStringList Log;
};

class DBLibTest : public DataTestDb {
 protected:
  void SetUp() override {
    DataTestDb::SetUp();
    SetKsCursorHook(&FCursor);
  }
  void TearDown() override {
    SetKsCursorHook(nullptr);
    SetKsDBLibShowHourGlass(true);
    DataTestDb::TearDown();
  }
  // A query that counts its opens.
  std::unique_ptr<TKsMSQuery> CountingQuery(const QString& sql, int* opens) {
    auto q = Query(sql);
    q->AfterOpen = [opens](TKsCustomDataSet&) { ++*opens; };
    return q;
  }
  RecordingCursor FCursor;
};

TEST_F(DBLibTest, OpenWithParamsSetsOneOrSeveralParametersAndOpens) {
  auto q = Query("SELECT UNIQUEKEY FROM JAILBOOK WHERE LNAME = :LNAME");
  OpenWithParams(q.get(), "LNAME", "JONES");
  ASSERT_TRUE(q->Active());
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K3");

  // Re-running closes first, so the new values count.
  auto r = Query("SELECT UNIQUEKEY FROM JAILBOOK WHERE ACTIVE = :ACTIVE AND AGE > :AGE");
  OpenWithParams(r.get(), "ACTIVE, AGE", QVariantList{true, 30});
  EXPECT_EQ(r->RecordCount(), 1);
  OpenWithParams(r.get(), "ACTIVE;AGE", QVariantList{true, 20});
  EXPECT_EQ(r->RecordCount(), 2);
  EXPECT_EQ(FCursor.Log, QStringList({"busy", "restore", "busy", "restore", "busy", "restore"}));
}

TEST_F(DBLibTest, OpenDataSetsWithParamsOpensEachInTurn) {
  auto a = Query("SELECT COUNT(*) FROM JAILBOOK WHERE AGE >= :AGE", "qryA");
  auto b = Query("SELECT MAX(AGE) FROM JAILBOOK WHERE AGE < :AGE", "qryB");
  OpenDataSetsWithParams({a.get(), b.get()}, "AGE", 34);
  EXPECT_EQ(a->Fields()[0].AsInteger(), 2);
  EXPECT_EQ(b->Fields()[0].AsInteger(), 28);
}

TEST_F(DBLibTest, ErrorsCarryTheDataSetNameAndTheCursorIsRestored) {
  auto bad = Query("SELECT * FROM NOSUCHTABLE WHERE X = :X", "qryBad");
  try {
    OpenWithParams(bad.get(), "X", 1);
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().endsWith("\nDataSet: qryBad")) << e.what();
    EXPECT_GT(e.Message().size(), QString("\nDataSet: qryBad").size()) << "the server's text stays";
  }
  EXPECT_EQ(FCursor.Log, QStringList({"busy", "restore"}));

  auto good = Query("SELECT * FROM JAILBOOK", "qryGood");
  try {
    OpenDataSetsWithParams({good.get(), bad.get()}, "NOSUCH", 1);
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "qryGood: Parameter 'NOSUCH' not found\nDataSet: qryGood");
  }
  try {
    OpenWithParams(good.get(), "A;B", QVariantList{1});
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().endsWith("\nDataSet: qryGood")) << e.what();
  }
}

TEST_F(DBLibTest, HourglassStaysOffWhenTheFlagIsCleared) {
  SetKsDBLibShowHourGlass(false);
  auto q = Query("SELECT * FROM JAILBOOK");
  RequeryKeepPosition(q.get());
  EXPECT_TRUE(FCursor.Log.isEmpty());
}

TEST_F(DBLibTest, EqualOrderByDoesNotRequery) {
  int opens = 0;
  auto q = CountingQuery("SELECT * FROM JAILBOOK ORDER BY lname,fname", &opens);
  q->Open();
  SetQueryOrderBy(q.get(), " LNAME, FNAME ");
  EXPECT_EQ(opens, 1);
  EXPECT_TRUE(q->Active());

  SetQueryOrderBy(q.get(), "BOOKNO DESC");
  EXPECT_EQ(opens, 2) << "an open query is re-opened in the new order";
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K4");
  EXPECT_EQ(q->GetOrderBy(), "BOOKNO DESC");
}

TEST_F(DBLibTest, OrderByOfClosedQueriesChangesWithoutOpening) {
  int opens = 0;
  auto a = CountingQuery("SELECT * FROM JAILBOOK", &opens);
  auto b = CountingQuery("SELECT * FROM JAILBOOK ORDER BY AGE", &opens);
  SetQueryOrderBy({a.get(), b.get()}, "UNIQUEKEY");
  EXPECT_EQ(opens, 0);
  EXPECT_FALSE(a->Active());
  EXPECT_EQ(a->SQL().Text(), "SELECT * FROM JAILBOOK\nORDER BY UNIQUEKEY");
  EXPECT_EQ(b->SQL().Text(), "SELECT * FROM JAILBOOK ORDER BY UNIQUEKEY");
}

TEST_F(DBLibTest, RequeryKeepPositionReturnsToTheSameRecord) {
  int opens = 0;
  auto q = CountingQuery("SELECT * FROM JAILBOOK ORDER BY UNIQUEKEY", &opens);
  q->Open();
  ASSERT_TRUE(q->Locate("UNIQUEKEY", "K3"));
  Elsewhere("UPDATE JAILBOOK SET AGE = 46 WHERE UNIQUEKEY = 'K3'");
  RequeryKeepPosition(q.get(), "SELECT * FROM JAILBOOK ORDER BY BOOKNO DESC");
  EXPECT_EQ(opens, 2);
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K3");
  EXPECT_EQ(q->RecNo(), 2);
  EXPECT_EQ(q->FieldByName("AGE").AsInteger(), 46);

  RequeryKeepPosition(q.get());
  EXPECT_EQ(q->SQL().Text(), "SELECT * FROM JAILBOOK ORDER BY BOOKNO DESC")
      << "no SQL given, none changed";
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K3");
}

TEST_F(DBLibTest, RequeryKeepPositionOfAClosedDataSetOnlyChangesItsSql) {
  int opens = 0;
  auto q = CountingQuery("SELECT * FROM JAILBOOK", &opens);
  RequeryKeepPosition(q.get(), "SELECT LNAME FROM JAILBOOK");
  EXPECT_FALSE(q->Active());
  EXPECT_EQ(opens, 0);
  EXPECT_EQ(q->SQL().Text(), "SELECT LNAME FROM JAILBOOK");
}

TEST_F(DBLibTest, GetScalarValueTakesParametersByPositionAndIgnoresSurplus) {
  QVariant value;
  EXPECT_TRUE(GetScalarValue(&FDb, "SELECT LNAME, FNAME FROM JAILBOOK WHERE UNIQUEKEY = :K",
                             {"K2", "surplus", 7}, value));
  EXPECT_EQ(value.toString(), "adams");

  EXPECT_TRUE(GetScalarValue(&FDb, "SELECT COUNT(*) FROM JAILBOOK WHERE LNAME = :A OR LNAME = :B",
                             {"SMITH"}, value));
  EXPECT_EQ(value.toInt(), 1) << "a parameter without a value is null";

  EXPECT_TRUE(GetScalarValue(&FDb, "SELECT LNAME FROM JAILBOOK WHERE 1 = 2", {}, value));
  EXPECT_FALSE(value.isValid()) << "no row: null";

  value = 99;
  EXPECT_FALSE(GetScalarValue(&FDb, "UPDATE JAILBOOK SET AGE = AGE WHERE 1 = 2", {}, value));
  EXPECT_FALSE(value.isValid()) << "no columns: unassigned";
  EXPECT_EQ(FDb.DataSets().size(), 0u) << "the scratch query is gone";
}

}  // namespace
