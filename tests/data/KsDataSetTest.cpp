#include "DataTestDb.h"

#include "core/Exception.h"
#include "data/KsMSAccess.h"

#include <QDateTime>

namespace {

using ParamsTest = DataTestDb;

// Each typed setter's value goes to the server as that type and comes back
// unchanged through a column of the matching type.
TEST_F(ParamsTest, EveryTypeRoundTripsThroughTheTable) {
  const QDateTime booked = DbValue::MakeDateTime(2024, 3, 31, 2, 30, 15, 250);
  const QByteArray photo("\x00\x01\xFF JPEG", 9);
  const QString tricky = QStringLiteral("O'Brien -- ; DROP TABLE JAILBOOK; \"x\"");

  auto ins = Query(QStringLiteral(
      "INSERT INTO JAILBOOK (UNIQUEKEY, BOOKNO, LNAME, AGE, BAIL, BOOKDATE, ACTIVE, PHOTO, NOTES) "
      "VALUES (:KEY, :BOOKNO, :LNAME, :AGE, :BAIL, :BOOKDATE, :ACTIVE, :PHOTO, :NOTES)"));
  ins->ParamByName("KEY").SetAsString("K9");
  ins->ParamByName("BOOKNO").SetAsString("B009");
  ins->ParamByName("LNAME").SetAsString(tricky);
  ins->ParamByName("AGE").SetAsInteger(19);
  ins->ParamByName("BAIL").SetAsFloat(1250.75);
  ins->ParamByName("BOOKDATE").SetAsDateTime(booked);
  ins->ParamByName("ACTIVE").SetAsBoolean(true);
  ins->ParamByName("PHOTO").SetAsBlob(photo);
  ins->ParamByName("NOTES").SetAsMemo("line 1\nline 2");
  ins->ExecSQL();
  EXPECT_EQ(ins->RowsAffected(), 1);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM JAILBOOK").toInt(), 5) << "the table survived the text";

  auto q = Query(QStringLiteral("SELECT * FROM JAILBOOK WHERE UNIQUEKEY = :KEY"));
  q->ParamByName("key").SetAsString("K9");
  q->Open();
  ASSERT_EQ(q->RecordCount(), 1);
  EXPECT_EQ(q->FieldByName("LNAME").AsString(), tricky);
  EXPECT_EQ(q->FieldByName("AGE").AsInteger(), 19);
  EXPECT_DOUBLE_EQ(q->FieldByName("BAIL").AsFloat(), 1250.75);
  EXPECT_EQ(q->FieldByName("BOOKDATE").AsDateTime(), booked);
  EXPECT_TRUE(q->FieldByName("ACTIVE").AsBoolean());
  EXPECT_EQ(q->FieldByName("PHOTO").AsBlob(), photo);
  EXPECT_EQ(q->FieldByName("NOTES").AsString(), QStringLiteral("line 1\nline 2"));
  EXPECT_EQ(q->FieldByName("BOOKDATE").DataType(), ftDateTime);
}

TEST_F(ParamsTest, ClearedParameterIsBoundAsNull) {
  auto q = Query(QStringLiteral("SELECT COUNT(*) AS N FROM JAILBOOK WHERE AGE IS :AGE"));
  q->ParamByName("AGE").SetAsInteger(34);
  q->ParamByName("AGE").Clear();
  EXPECT_TRUE(q->ParamByName("AGE").IsNull());
  EXPECT_EQ(q->ParamByName("AGE").DataType(), ftInteger) << "Clear keeps the type";
  q->Open();
  EXPECT_EQ(q->FieldByName("N").AsInteger(), 1);  // K4 has no age
}

TEST_F(ParamsTest, RepeatedParameterIsOneParameterWhateverItsCase) {
  auto q = Query(QStringLiteral(
      "SELECT UNIQUEKEY FROM JAILBOOK WHERE LNAME = :NAME OR FNAME = :name OR BOOKNO = :Name"));
  ASSERT_EQ(q->ParamCount(), 1);
  q->ParamByName("NAME").SetAsString("ANN");
  q->Open();
  ASSERT_EQ(q->RecordCount(), 1);
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K4");
}

// The way the report handlers rebuild a shared query: close, un-prepare,
// clear, create the parameter, add the text line by line, set, open.
TEST_F(ParamsTest, CreatedParameterSurvivesTheLinesAddedAfterIt) {
  auto q = Query(QStringLiteral("SELECT * FROM JAILBOOK WHERE LNAME = :OLDPARAM"));
  q->ParamByName("OLDPARAM").SetAsString("SMITH");
  q->Close();
  q->UnPrepare();
  q->SQL().Clear();
  EXPECT_EQ(q->ParamCount(), 0) << "clearing the SQL drops the old parameters";
  q->Params().CreateParam(ftString, "FACICODE", ptInput);
  q->SQL().Add("SELECT UNIQUEKEY FROM JAILBOOK");
  EXPECT_NE(q->FindParam("FACICODE"), nullptr) << "not yet named by the text, still there";
  q->SQL().Add("WHERE BOOKNO = :FACICODE");
  q->SQL().Add("  AND AGE > :MINAGE");
  ASSERT_EQ(q->ParamCount(), 2);
  EXPECT_EQ(q->Params()[0].Name(), "FACICODE");
  EXPECT_EQ(q->ParamByName("FACICODE").DataType(), ftString);
  q->ParamByName("FACICODE").SetValue(QStringLiteral("B001"));
  q->ParamByName("MINAGE").SetValue(30);
  q->Open();
  ASSERT_EQ(q->RecordCount(), 1);
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K1");
}

TEST_F(ParamsTest, ChangingTheSqlKeepsValuesOfParametersItStillNames) {
  auto q = Query(QStringLiteral("SELECT * FROM JAILBOOK WHERE LNAME = :LNAME"));
  q->ParamByName("LNAME").SetAsString("JONES");
  q->Open();
  q->SQL().SetText("SELECT UNIQUEKEY FROM JAILBOOK WHERE LNAME = :LNAME ORDER BY 1");
  EXPECT_FALSE(q->Active()) << "a new statement closes the dataset";
  EXPECT_EQ(q->ParamByName("LNAME").AsString(), "JONES");
  q->Open();
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K3");
}

TEST_F(ParamsTest, UnknownParameterNamesTheParameterAndTheDataSet) {
  auto q = Query(QStringLiteral("SELECT * FROM JAILBOOK"), "qryGeneric");
  try {
    q->ParamByName("FACICODE");
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "qryGeneric: Parameter 'FACICODE' not found");
  }
}

TEST_F(ParamsTest, TextThatIsNoNumberIsRefusedForAnIntegerParameter) {
  auto q = Query(QStringLiteral("SELECT * FROM JAILBOOK WHERE AGE = :AGE"));
  q->ParamByName("AGE").SetAsInteger(1);
  EXPECT_THROW(q->ParamByName("AGE").SetValue(QStringLiteral("forty")), EDatabaseError);
}

using MacrosTest = DataTestDb;

TEST_F(MacrosTest, MacrosAreSubstitutedAsTextAndMayCarryParameters) {
  auto q = Query(QStringLiteral(
      "SELECT UNIQUEKEY FROM JAILBOOK WHERE &RequirementsMacro &DateMacro ORDER BY &ORDERBY"));
  ASSERT_EQ(q->Macros().Count(), 3);
  q->MacroByName("ORDERBY").SetValue("LNAME DESC");
  q->MacroByName("RequirementsMacro").SetValue("(UNIQUEKEY in (:x0, :x1)) ");
  q->MacroByName("DateMacro").SetValue("");
  ASSERT_NE(q->FindParam("x1"), nullptr) << "parameters inside a macro value are parameters";
  q->ParamByName("x0").SetAsString("K1");
  q->ParamByName("x1").SetAsString("K3");
  EXPECT_EQ(q->FinalSQL(),
            "SELECT UNIQUEKEY FROM JAILBOOK WHERE (UNIQUEKEY in (:x0, :x1))   ORDER BY LNAME DESC");
  q->Open();
  ASSERT_EQ(q->RecordCount(), 2);
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K1");  // SMITH before JONES
  EXPECT_THROW(q->MacroByName("Missing"), EDatabaseError);
}

TEST_F(MacrosTest, MacroValuesSurviveAnEditOfTheText) {
  auto q = Query(QStringLiteral("SELECT COUNT(*) FROM JAILBOOK WHERE 1 = 1 &Where"));
  q->MacroByName("Where").SetValue("AND ACTIVE = 1");
  q->SQL().Add("");
  EXPECT_EQ(q->MacroByName("Where").Value(), "AND ACTIVE = 1");
  q->Open();
  EXPECT_EQ(q->Fields()[0].AsInteger(), 2);
}

// Rows: K1 SMITH, K2 adams, K3 JONES, K4 BROWN (by UNIQUEKEY).
class NavigationTest : public DataTestDb {
 protected:
  void SetUp() override {
    DataTestDb::SetUp();
    q = Query(QStringLiteral("SELECT * FROM JAILBOOK ORDER BY UNIQUEKEY"));
    q->Open();
  }
  QString Key() const { return q->FieldByName("UNIQUEKEY").AsString(); }
  std::unique_ptr<TKsMSQuery> q;
};

TEST_F(NavigationTest, WalksForwardAndBackWithEofAndBof) {
  EXPECT_TRUE(q->Bof());
  EXPECT_FALSE(q->Eof());
  EXPECT_EQ(q->RecordCount(), 4);
  QStringList seen;
  for (q->First(); !q->Eof(); q->Next()) seen << Key();
  EXPECT_EQ(seen, QStringList({"K1", "K2", "K3", "K4"}));
  EXPECT_EQ(Key(), "K4") << "Next at the end stays on the last record";
  EXPECT_EQ(q->RecNo(), 4);

  seen.clear();
  for (q->Last(); !q->Bof(); q->Prior()) seen << Key();
  EXPECT_EQ(seen, QStringList({"K4", "K3", "K2", "K1"}));

  q->First();
  EXPECT_EQ(q->MoveBy(10), 3);
  EXPECT_TRUE(q->Eof());
  EXPECT_EQ(q->MoveBy(-2), -2);
  EXPECT_EQ(Key(), "K2");
  q->SetRecNo(3);
  EXPECT_EQ(Key(), "K3");
}

TEST_F(NavigationTest, EmptyResultIsBothEofAndBof) {
  q->SQL().SetText("SELECT * FROM JAILBOOK WHERE 1 = 2");
  q->Open();
  EXPECT_TRUE(q->IsEmpty());
  EXPECT_TRUE(q->Eof());
  EXPECT_TRUE(q->Bof());
  EXPECT_EQ(q->RecNo(), 0);
  EXPECT_TRUE(q->FieldByName("LNAME").IsNull());
  q->Next();
  EXPECT_TRUE(q->Eof());
}

TEST_F(NavigationTest, LocateComparesFieldNamesAndOptionallyTextWithoutCase) {
  EXPECT_TRUE(q->Locate("lname", "ADAMS", loCaseInsensitive));
  EXPECT_EQ(Key(), "K2");
  EXPECT_FALSE(q->Locate("LNAME", "ADAMS")) << "case counts unless asked otherwise";
  EXPECT_EQ(Key(), "K2") << "a failed Locate does not move";
  EXPECT_TRUE(q->Locate("LNAME;AGE", QVariantList{"JONES", 45}));
  EXPECT_EQ(Key(), "K3");
  EXPECT_TRUE(q->Locate("BOOKNO", "b00", loCaseInsensitive | loPartialKey));
  EXPECT_EQ(Key(), "K1");
  EXPECT_TRUE(q->Locate("AGE", QVariant()));
  EXPECT_EQ(Key(), "K4");
}

TEST_F(NavigationTest, FieldsReadTheCurrentRecordInEveryForm) {
  q->Locate("UNIQUEKEY", "K1");
  EXPECT_EQ(q->FieldCount(), 10);
  EXPECT_EQ(q->Fields()[2].FieldName(), "LNAME");
  EXPECT_EQ(q->FieldByName("age").AsString(), "34");
  EXPECT_EQ(q->FieldByName("AGE").AsFloat(), 34.0);
  EXPECT_EQ(q->FieldByName("BAIL").AsString(), "500.5");
  EXPECT_EQ(q->FieldByName("ACTIVE").AsString(), "True");
  EXPECT_EQ(q->FieldByName("BOOKDATE").AsString(), "01/05/2024 10:30:00 AM");
  EXPECT_EQ(q->FieldByName("BOOKDATE").AsVariant().toDateTime().timeSpec(), Qt::UTC);
  EXPECT_TRUE(q->FieldByName("PHOTO").IsNull());
  EXPECT_EQ(q->FieldByName("PHOTO").AsString(), "");
  EXPECT_EQ(q->FindField("NOSUCH"), nullptr);
  EXPECT_THROW(q->FieldByName("LNAME").AsInteger(), EDatabaseError);
}

TEST_F(NavigationTest, FieldByNameErrorNamesFieldAndDataSet) {
  q->SetName("qryInmates");
  try {
    q->FieldByName("CELLNO");
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "qryInmates: Field 'CELLNO' not found");
  }
}

TEST_F(NavigationTest, TrailingBlanksOfTextAreTrimmedUnlessTurnedOff) {
  q->Locate("UNIQUEKEY", "K3");
  EXPECT_EQ(q->FieldByName("FNAME").AsString(), "BOB");
  q->Close();
  q->Options().TrimVarChar = false;
  q->Open();
  q->Locate("UNIQUEKEY", "K3");
  EXPECT_EQ(q->FieldByName("FNAME").AsString(), "BOB  ");
}

TEST_F(NavigationTest, EventsFireAroundOpenScrollAndClose) {
  q->Close();
  QStringList log;
  q->BeforeOpen = [&](TKsCustomDataSet&) { log << "BeforeOpen"; };
  q->AfterOpen = [&](TKsCustomDataSet& ds) {
    log << QStringLiteral("AfterOpen %1").arg(ds.RecordCount());
  };
  q->AfterScroll = [&](TKsCustomDataSet& ds) {
    log << QStringLiteral("AfterScroll %1").arg(ds.RecNo());
  };
  q->BeforeClose = [&](TKsCustomDataSet&) { log << "BeforeClose"; };
  q->AfterClose = [&](TKsCustomDataSet&) { log << "AfterClose"; };
  q->Open();
  q->Next();
  q->Close();
  EXPECT_EQ(log, QStringList({"BeforeOpen", "AfterOpen 4", "AfterScroll 1", "AfterScroll 2",
                              "BeforeClose", "AfterClose"}));
}

TEST_F(NavigationTest, FilterShowsOnlyMatchingRecords) {
  q->SetFilter("ACTIVE = TRUE AND (LNAME = 'SMITH' OR LNAME = 'ADAMS')");
  q->SetFilterOptions(foCaseInsensitive);
  q->SetFiltered(true);
  EXPECT_EQ(q->RecordCount(), 2);
  EXPECT_EQ(Key(), "K1");
  q->SetFilter("AGE IS NULL");
  EXPECT_EQ(q->RecordCount(), 1);
  EXPECT_EQ(Key(), "K4");
  q->SetFiltered(false);
  EXPECT_EQ(q->RecordCount(), 4);
  EXPECT_THROW(q->SetFilter("LNAME = = 'X'"), EDatabaseError);
}

TEST_F(NavigationTest, RefreshSeesNewRowsAndStaysOnTheSameRecord) {
  int opens = 0;
  q->AfterOpen = [&](TKsCustomDataSet&) { ++opens; };
  q->Locate("UNIQUEKEY", "K3");
  Elsewhere("INSERT INTO JAILBOOK (UNIQUEKEY, LNAME) VALUES ('K0', 'FIRST')");
  q->Refresh();
  EXPECT_EQ(q->RecordCount(), 5);
  EXPECT_EQ(Key(), "K3");
  EXPECT_EQ(q->RecNo(), 4);
  EXPECT_EQ(opens, 0) << "a refresh is no re-open";
}

TEST_F(NavigationTest, ClosedDataSetRefusesNavigationWithAClearMessage) {
  q->Close();
  EXPECT_EQ(q->RecordCount(), 0);
  try {
    q->Next();
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "qryTest: Cannot perform this operation on a closed dataset");
  }
}

TEST_F(NavigationTest, InvalidSqlLeavesTheDataSetClosed) {
  q->SQL().SetText("SELECT * FROM NOSUCHTABLE");
  EXPECT_THROW(q->Open(), EDatabaseError);
  EXPECT_FALSE(q->Active());
}

}  // namespace
