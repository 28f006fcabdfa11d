#include "DataTestDb.h"

#include "core/Exception.h"
#include "data/KsMSAccess.h"

namespace {

class EditTest : public DataTestDb {
 protected:
  void SetUp() override {
    DataTestDb::SetUp();
    q = Query(QStringLiteral("SELECT * FROM JAILBOOK (READUNCOMMITTED) ORDER BY UNIQUEKEY"));
    q->Open();
  }
  std::unique_ptr<TKsMSQuery> q;
};

TEST_F(EditTest, EditWritesOnlyTheChangedFieldsByUniqueKey) {
  q->SetRefreshOptions({});
  ASSERT_TRUE(q->Locate("UNIQUEKEY", "K2"));
  Elsewhere("UPDATE JAILBOOK SET FNAME = 'MARIE' WHERE UNIQUEKEY = 'K2'");
  q->Edit();
  EXPECT_EQ(q->State(), dsEdit);
  q->FieldByName("LNAME").SetAsString("Adams-O'Neil");
  q->FieldByName("AGE").Clear();
  q->Post();
  EXPECT_EQ(q->State(), dsBrowse);
  EXPECT_EQ(Scalar("SELECT LNAME FROM JAILBOOK WHERE UNIQUEKEY = 'K2'").toString(), "Adams-O'Neil");
  EXPECT_FALSE(Scalar("SELECT AGE FROM JAILBOOK WHERE UNIQUEKEY = 'K2'").isValid());
  EXPECT_EQ(Scalar("SELECT FNAME FROM JAILBOOK WHERE UNIQUEKEY = 'K2'").toString(), "MARIE")
      << "an unchanged field must not overwrite another user's change";
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM JAILBOOK WHERE LNAME = 'SMITH'").toInt(), 1);
  EXPECT_EQ(q->FieldByName("LNAME").AsString(), "Adams-O'Neil");
}

TEST_F(EditTest, EditRereadsTheRecordFirst) {
  ASSERT_TRUE(q->Locate("UNIQUEKEY", "K1"));
  Elsewhere("UPDATE JAILBOOK SET AGE = 35 WHERE UNIQUEKEY = 'K1'");
  EXPECT_EQ(q->FieldByName("AGE").AsInteger(), 34);
  q->Edit();
  EXPECT_EQ(q->FieldByName("AGE").AsInteger(), 35);
  q->Cancel();
  EXPECT_EQ(q->FieldByName("AGE").AsInteger(), 35) << "the re-read record stays";
}

TEST_F(EditTest, EditOfARecordDeletedElsewhereFailsAndStaysInBrowse) {
  ASSERT_TRUE(q->Locate("UNIQUEKEY", "K3"));
  Elsewhere("DELETE FROM JAILBOOK WHERE UNIQUEKEY = 'K3'");
  EXPECT_THROW(q->Edit(), EDatabaseError);
  EXPECT_EQ(q->State(), dsBrowse);
}

TEST_F(EditTest, PostOfARecordDeletedElsewhereIsAnErrorNotASilentLoss) {
  q->SetRefreshOptions({});
  ASSERT_TRUE(q->Locate("UNIQUEKEY", "K3"));
  q->Edit();
  q->FieldByName("AGE").SetAsInteger(46);
  Elsewhere("DELETE FROM JAILBOOK WHERE UNIQUEKEY = 'K3'");
  EXPECT_THROW(q->Post(), EDatabaseError);
  EXPECT_EQ(q->State(), dsEdit) << "the edit is kept for the user to cancel";
  q->Cancel();
  EXPECT_EQ(q->FieldByName("AGE").AsInteger(), 45);
}

TEST_F(EditTest, AppendInsertsTheFieldsSetIncludingThoseOfOnNewRecord) {
  q->OnNewRecord = [](TKsCustomDataSet& ds) { ds.FieldByName("UNIQUEKEY").SetAsString("K5"); };
  q->Append();
  EXPECT_EQ(q->State(), dsInsert);
  q->FieldByName("LNAME").SetAsString("GREEN");
  q->FieldByName("BOOKDATE").SetAsDateTime(DbValue::MakeDateTime(2024, 5, 1, 23, 59, 59));
  q->FieldByName("ACTIVE").SetAsBoolean(false);
  q->Post();
  EXPECT_EQ(q->RecordCount(), 5);
  EXPECT_EQ(q->RecNo(), 5);
  EXPECT_EQ(q->FieldByName("LNAME").AsString(), "GREEN");
  EXPECT_EQ(
      Scalar(
          "SELECT LNAME || '|' || BOOKDATE || '|' || ACTIVE FROM JAILBOOK WHERE UNIQUEKEY = 'K5'")
          .toString(),
      "GREEN|2024-05-01 23:59:59|0");
}

TEST_F(EditTest, CancelledInsertWritesNothing) {
  q->Insert();
  q->FieldByName("UNIQUEKEY").SetAsString("K6");
  q->Cancel();
  EXPECT_EQ(q->State(), dsBrowse);
  EXPECT_EQ(q->RecordCount(), 4);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM JAILBOOK").toInt(), 4);
}

TEST_F(EditTest, DeleteRemovesTheRecordHereAndOnTheServer) {
  ASSERT_TRUE(q->Locate("UNIQUEKEY", "K2"));
  q->Delete();
  EXPECT_EQ(q->RecordCount(), 3);
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K3") << "on the record after it";
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM JAILBOOK WHERE UNIQUEKEY = 'K2'").toInt(), 0);
  q->Last();
  q->Delete();
  EXPECT_EQ(q->FieldByName("UNIQUEKEY").AsString(), "K3");
}

TEST_F(EditTest, ScrollingPostsAPendingEdit) {
  q->First();
  q->Edit();
  q->FieldByName("FNAME").SetAsString("JACK");
  q->Next();
  EXPECT_EQ(q->State(), dsBrowse);
  EXPECT_EQ(Scalar("SELECT FNAME FROM JAILBOOK WHERE UNIQUEKEY = 'K1'").toString(), "JACK");
}

TEST_F(EditTest, EditOfAnEmptyDataSetInserts) {
  q->SQL().SetText("SELECT * FROM JAILBOOK WHERE 1 = 2");
  q->Open();
  q->Edit();
  EXPECT_EQ(q->State(), dsInsert);
}

TEST_F(EditTest, WritingOutsideEditOrWithoutUniqueKeyIsRefusedClearly) {
  try {
    q->FieldByName("LNAME").SetAsString("X");
    FAIL() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "qryTest: Dataset not in edit or insert mode");
  }

  auto noKey = Query(QStringLiteral("SELECT LNAME FROM JAILBOOK"));
  noKey->Open();
  noKey->Edit();
  noKey->FieldByName("LNAME").SetAsString("X");
  EXPECT_THROW(noKey->Post(), EDatabaseError);
  noKey->Cancel();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM JAILBOOK WHERE LNAME = 'X'").toInt(), 0);

  q->SetReadOnly(true);
  EXPECT_THROW(q->Edit(), EDatabaseError);
  EXPECT_THROW(q->Delete(), EDatabaseError);
}

TEST_F(EditTest, TableNamedInTheSqlIsWrittenEvenWithAJoinAndAnAlias) {
  auto j =
      Query(QStringLiteral("SELECT b.UNIQUEKEY, b.LNAME, o.LNAME AS OTHER FROM JAILBOOK b "
                           "LEFT JOIN JAILBOOK o ON o.UNIQUEKEY = 'K1' WHERE b.UNIQUEKEY = 'K4'"));
  j->Open();
  EXPECT_EQ(j->PSGetTableName(), "JAILBOOK");
  j->Edit();
  j->FieldByName("LNAME").SetAsString("BROWNE");
  j->Post();
  EXPECT_EQ(Scalar("SELECT LNAME FROM JAILBOOK WHERE UNIQUEKEY = 'K4'").toString(), "BROWNE");
}

// How a log row is written through a dataset that is closed: an empty copy
// ("1 = 2") of the same statement on the same connection takes the row.
TEST_F(EditTest, RowAppendedThroughAnEmptyCopyOfAClosedDataSet) {
  auto log = Query("SELECT [UNIQUEKEY], [LNAME], [BOOKDATE]\nFROM\n  JAILBOOK (READUNCOMMITTED)");
  TKsMSQuery copy("qryCopy");
  copy.SetConnection(log->Connection());
  copy.SQL().Assign(log->SQL());
  copy.AddWhere("1 = 2");
  copy.Open();
  EXPECT_TRUE(copy.IsEmpty());
  copy.Append();
  copy.FieldByName("UNIQUEKEY").SetAsString("K10");
  copy.FieldByName("LNAME").SetAsString("LOGGED");
  copy.Post();
  EXPECT_FALSE(log->Active());
  EXPECT_EQ(Scalar("SELECT LNAME FROM JAILBOOK WHERE UNIQUEKEY = 'K10'").toString(), "LOGGED");
}

// Records the lock hook calls; can refuse the lock like another holder would.
class LockLoggingQuery : public TKsMSQuery {
 public:
  using TKsMSQuery::TKsMSQuery;
  QStringList Log;
  bool Refuse = false;

 protected:
  void TakeRecordLock() override {
    Log << QStringLiteral("take %1").arg(FieldByName("UNIQUEKEY").AsString());
    if (Refuse) throw EDatabaseError("The requested lock could not be granted.");
  }
  void ReleaseRecordLock() override { Log << (Active() ? "release" : "release after close"); }
};

class LockHookTest : public DataTestDb {
 protected:
  void SetUp() override {
    DataTestDb::SetUp();
    q.SetConnection(&FDb);
    q.SQL().SetText("SELECT * FROM JAILBOOK ORDER BY UNIQUEKEY");
    q.Open();
    q.Log.clear();
  }
  LockLoggingQuery q{QStringLiteral("tblLocked")};
};

TEST_F(LockHookTest, EditTakesAndPostOrCancelReleases) {
  q.Edit();
  q.FieldByName("AGE").SetAsInteger(40);
  q.Post();
  q.Next();
  q.Edit();
  q.Cancel();
  EXPECT_EQ(q.Log, QStringList({"take K1", "release", "take K2", "release"}));
}

TEST_F(LockHookTest, PostingAnInsertReleasesNothing) {
  q.Append();
  q.FieldByName("UNIQUEKEY").SetAsString("K7");
  q.Post();
  EXPECT_TRUE(q.Log.isEmpty()) << q.Log.join(", ").toStdString();
}

TEST_F(LockHookTest, DeleteReleasesWhetherOrNotItSucceeded) {
  q.Delete();
  EXPECT_EQ(q.Log, QStringList({"take K1", "release"}));

  q.Log.clear();
  Elsewhere(
      "CREATE TRIGGER NoDelete BEFORE DELETE ON JAILBOOK BEGIN SELECT RAISE(ABORT, 'kept'); END");
  EXPECT_THROW(q.Delete(), EDatabaseError);
  EXPECT_EQ(q.Log, QStringList({"take K2", "release"}));
  EXPECT_EQ(q.RecordCount(), 3) << "the record stays when the server refused";
}

TEST_F(LockHookTest, FailedEditReleasesTheLockItTook) {
  Elsewhere("DELETE FROM JAILBOOK WHERE UNIQUEKEY = 'K1'");
  EXPECT_THROW(q.Edit(), EDatabaseError);
  EXPECT_EQ(q.Log, QStringList({"take K1", "release"}));
}

TEST_F(LockHookTest, RefusedLockKeepsBrowseAndIsLockedSaysSo) {
  q.Refuse = true;
  EXPECT_THROW(q.Edit(), EDatabaseError);
  EXPECT_EQ(q.State(), dsBrowse);
  EXPECT_TRUE(q.IsLocked());
  q.Refuse = false;
  EXPECT_FALSE(q.IsLocked());
  EXPECT_EQ(q.State(), dsBrowse) << "the trial edit is cancelled";
  q.SetRecordLocksMake(false);
  q.Refuse = true;
  EXPECT_FALSE(q.IsLocked());
}

TEST_F(LockHookTest, CloseReleasesAfterClosing) {
  q.Edit();
  q.Close();
  EXPECT_EQ(q.Log, QStringList({"take K1", "release after close"}));
}

}  // namespace
