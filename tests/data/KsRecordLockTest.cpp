#include "core/RegionalFormats.h"
#include "data/KsMSAccess.h"
#include "data/KsRecordLock.h"
#include "data/KsSQLDatabase.h"
#include "data/KsWorkstation.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteStatementTranslator.h"
#include "data/sqlite/SqliteTempdb.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

// The statements one connection sends to the database file, as SQLite runs them.
class TStatementLog {
 public:
  void Attach(TKsSQLDatabase& db) {
    auto* sqlite = dynamic_cast<TSqliteConnection*>(&db.DbConnection());
    ASSERT_NE(sqlite, nullptr);
    sqlite3_trace_v2(sqlite->Handle(), SQLITE_TRACE_STMT, &TStatementLog::Trace, this);
  }
  int Count(const QString& start) const {
    int n = 0;
    for (const QString& s : FStatements)
      if (s.trimmed().startsWith(start, Qt::CaseInsensitive)) ++n;
    return n;
  }
  int Creates() const { return Count(QStringLiteral("CREATE TABLE [##LOCK-")); }
  int Drops() const { return Count(QStringLiteral("DROP TABLE")); }

 private:
  static int Trace(unsigned, void* self, void*, void* sql) {
    static_cast<TStatementLog*>(self)->FStatements
        << QString::fromUtf8(static_cast<const char*>(sql));
    return 0;
  }
  QStringList FStatements;
};

// Two workstations on one real database file: this one (FDb) and another
// (FOther), each with its own connection, as two programs of the suite.
class RecordLockTest : public testing::Test {
 protected:
  void SetUp() override {
    FPrevious = SqliteStatementTranslator();
    SetSqliteStatementTranslator(TempdbTranslator());
    ASSERT_TRUE(FDir.isValid());
    FPath = FDir.filePath(QStringLiteral("jail.db"));
    auto create = CreateSqliteDatabase(FPath);
    for (const char* sql : {
             "CREATE TABLE JAILBOOK (UNIQUEKEY VARCHAR(22), BOOKNO VARCHAR(10), LNAME VARCHAR(30))",
             "INSERT INTO JAILBOOK VALUES ('K1', 'B001', 'SMITH')",
             "INSERT INTO JAILBOOK VALUES ('K2', 'B002', 'JONES')",
             "CREATE TABLE JBNOTES (NOTE VARCHAR(10))",
             "INSERT INTO JBNOTES VALUES ('first')",
         }) {
      std::vector<TDbParam> none;
      create->Execute(QString::fromUtf8(sql), none);
    }
    const QString connect = QStringLiteral("Provider=SQLite;Data Source=%1").arg(FPath);
    FDb.SetConnectString(connect);
    FOther.SetConnectString(connect);
    q = Bookings(FDb);
    FLog.Attach(FDb);
  }
  void TearDown() override {
    q.reset();
    FDb.Close();
    FOther.Close();
    SetSqliteStatementTranslator(FPrevious);
  }

  static std::shared_ptr<ISqliteStatementTranslator> TempdbTranslator() {
    return SqliteTempdbStatementTranslator();
  }

  static std::unique_ptr<TKsMSQuery> Bookings(TKsSQLDatabase& db, const QString& key = "K1") {
    auto query = db.CreateDataSet(QStringLiteral("qryBookings"));
    query->SQL().SetText(
        QStringLiteral("SELECT * FROM JAILBOOK (READUNCOMMITTED) ORDER BY UNIQUEKEY"));
    query->Open();
    EXPECT_TRUE(query->Locate(QStringLiteral("UNIQUEKEY"), key));
    return query;
  }

  // Whether the other workstation could lock the record now.
  bool OtherCanLock(const QString& key = "K1") {
    auto other = Bookings(FOther, key);
    try {
      other->Edit();
    } catch (const EKsDBLockError&) {
      return false;
    }
    other->Cancel();
    return true;
  }

  // Lock tables of anyone still in the file.
  int LockTablesLeft() const {
    auto raw = TSqliteConnection::Open(FPath);
    return raw
        ->ExecuteNative(QStringLiteral(
            "SELECT COUNT(*) FROM sqlite_schema WHERE type = 'table' AND name LIKE '##LOCK-%'"))
        .Rows[0][0]
        .toInt();
  }

  QTemporaryDir FDir;
  QString FPath;
  std::shared_ptr<ISqliteStatementTranslator> FPrevious;
  TKsSQLDatabase FDb{QStringLiteral("dbJail")};
  TKsSQLDatabase FOther{QStringLiteral("dbJailElsewhere")};
  std::unique_ptr<TKsMSQuery> q;
  TStatementLog FLog;
};

TEST_F(RecordLockTest, EditTakesTheLockNamedAfterDatabaseTableAndKeyWithTheHoldersRow) {
  const QDateTime before = WorkstationNow().addSecs(-1);
  q->Edit();
  EXPECT_EQ(q->LockTableName(), QStringLiteral("[tempdb].[dbo].[##LOCK-jail.JAILBOOK.K1]"));

  auto holder = FOther.CreateDataSet();
  holder->SQL().SetText(QStringLiteral("SELECT * FROM [tempdb].[dbo].[##LOCK-jail.JAILBOOK.K1]"));
  holder->Open();
  ASSERT_EQ(holder->RecordCount(), 1);
  EXPECT_EQ(holder->FieldByName("DatabaseName").AsString(), QStringLiteral("jail"));
  EXPECT_EQ(holder->FieldByName("TableName").AsString(), QStringLiteral("JAILBOOK"));
  EXPECT_EQ(holder->FieldByName("UniqueKey").AsString(), QStringLiteral("K1"));
  EXPECT_EQ(holder->FieldByName("ComputerName").AsString(), WorkstationComputerName().left(30));
  EXPECT_EQ(holder->FieldByName("UserName").AsString(), WorkstationUserName().left(30));
  EXPECT_EQ(holder->FieldByName("ProgramName").AsString(), RunningProgramFileName().left(30));
  const QDateTime locked = holder->FieldByName("TimeLocked").AsDateTime();
  EXPECT_GE(locked, before);
  EXPECT_LE(locked, WorkstationNow().addSecs(1));
}

TEST_F(RecordLockTest, TheSecondWorkstationIsRefusedWithTheHoldersLines) {
  q->Edit();
  auto other = Bookings(FOther);
  try {
    other->Edit();
    FAIL() << "the lock was granted twice";
  } catch (const EKsDBLockError& e) {
    EXPECT_EQ(e.UserName, WorkstationUserName().left(30));
    EXPECT_EQ(e.ComputerName, WorkstationComputerName().left(30));
    EXPECT_EQ(e.ProgramName, RunningProgramFileName().left(30));
    EXPECT_EQ(e.TableName, QStringLiteral("JAILBOOK"));
    EXPECT_EQ(e.UniqueKey, QStringLiteral("K1"));
    EXPECT_EQ(e.DatabaseName, QStringLiteral("jail"));
    ASSERT_TRUE(e.TimeLocked.isValid());
    EXPECT_EQ(e.Message(),
              QStringLiteral("The requested lock could not be granted.\r\n\r\n"
                             "The record is already being edited.\r\n"
                             "     User Name: %1\r\n"
                             "     Computer Name: %2\r\n"
                             "     Program Name: %3\r\n"
                             "     Time Locked: %4\r\n"
                             "     Table Name: JAILBOOK")
                  .arg(e.UserName, e.ComputerName, e.ProgramName, DateTimeToStr(e.TimeLocked)));
  }
  EXPECT_EQ(other->State(), dsBrowse);
  EXPECT_TRUE(other->LockTableName().isEmpty());
  EXPECT_TRUE(other->IsLocked());
  EXPECT_TRUE(OtherCanLock(QStringLiteral("K2"))) << "other records stay free";

  q->Cancel();
  EXPECT_FALSE(other->IsLocked());
  EXPECT_TRUE(OtherCanLock());
}

TEST_F(RecordLockTest, TheHoldersTextsArePrintedAsStoredEvenWithQuotes) {
  // A lock of another program, written the way it writes them.
  auto other = FOther.CreateDataSet();
  for (const char* sql : {
           "CREATE TABLE [tempdb].[dbo].[##LOCK-jail.JAILBOOK.K1](  DatabaseName VARCHAR(30),"
           "  TableName    VARCHAR(100),  UniqueKey    VARCHAR(22),  ComputerName VARCHAR(30),"
           "  UserName     VARCHAR(30),  ProgramName  VARCHAR(30),  TimeLocked   DateTime)",
           "INSERT INTO [tempdb].[dbo].[##LOCK-jail.JAILBOOK.K1]  (DatabaseName, TableName, "
           "UniqueKey, ComputerName, UserName, ProgramName, TimeLocked) VALUES  ('jail', "
           "'JAILBOOK', 'K1', 'BOOKING-2', 'O''BRIEN', 'JailBook.exe', '03/07/2024 02:05:09 PM')",
       }) {
    other->SQL().SetText(QString::fromUtf8(sql));
    other->ExecSQL();
  }
  try {
    q->Edit();
    FAIL() << "the lock was granted twice";
  } catch (const EKsDBLockError& e) {
    const QDateTime stamp(QDate(2024, 3, 7), QTime(14, 5, 9), Qt::UTC);
    EXPECT_EQ(e.Message(), QStringLiteral("The requested lock could not be granted.\r\n\r\n"
                                          "The record is already being edited.\r\n"
                                          "     User Name: O'BRIEN\r\n"
                                          "     Computer Name: BOOKING-2\r\n"
                                          "     Program Name: JailBook.exe\r\n"
                                          "     Time Locked: %1\r\n"
                                          "     Table Name: JAILBOOK")
                               .arg(DateTimeToStr(stamp)));
    EXPECT_EQ(DateTimeToStr(stamp), QStringLiteral("03/07/2024 02:05:09 PM"));
    EXPECT_EQ(e.TimeLocked, stamp);
  }
  EXPECT_EQ(q->State(), dsBrowse);
}

// Which statements each way through an edit sends.
struct TLockCase {
  const char* Name;
  std::function<void(TKsMSQuery&)> Act;
  int Creates;
  int Drops;
};

void PrintTo(const TLockCase& c, std::ostream* os) {
  *os << c.Name;
}

class RecordLockOperationTest : public RecordLockTest,
                                public testing::WithParamInterface<TLockCase> {};

TEST_P(RecordLockOperationTest, TakesAndReleasesTheLockWhereTheEditBeginsAndEnds) {
  const TLockCase& c = GetParam();
  c.Act(*q);
  EXPECT_EQ(FLog.Creates(), c.Creates);
  EXPECT_EQ(FLog.Drops(), c.Drops);
  EXPECT_TRUE(q->LockTableName().isEmpty());
  EXPECT_EQ(LockTablesLeft(), 0) << "no lock may be left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Operations, RecordLockOperationTest,
    testing::Values(TLockCase{"PostOfAnEdit",
                              [](TKsMSQuery& ds) {
                                ds.Edit();
                                ds.FieldByName("LNAME").SetAsString("SMYTHE");
                                ds.Post();
                              },
                              1, 1},
                    TLockCase{"CancelOfAnEdit",
                              [](TKsMSQuery& ds) {
                                ds.Edit();
                                ds.Cancel();
                              },
                              1, 1},
                    TLockCase{"PostOfAnInsert",
                              [](TKsMSQuery& ds) {
                                ds.Append();
                                ds.FieldByName("UNIQUEKEY").SetAsString("K9");
                                ds.Post();
                              },
                              0, 0},
                    TLockCase{"Delete", [](TKsMSQuery& ds) { ds.Delete(); }, 1, 1},
                    TLockCase{"CloseDuringAnEdit",
                              [](TKsMSQuery& ds) {
                                ds.Edit();
                                ds.Close();
                              },
                              1, 1},
                    TLockCase{"LocksTurnedOff",
                              [](TKsMSQuery& ds) {
                                ds.SetRecordLocksMake(false);
                                ds.Edit();
                                ds.FieldByName("LNAME").SetAsString("SMYTHE");
                                ds.Post();
                              },
                              0, 0}),
    [](const testing::TestParamInfo<TLockCase>& info) { return std::string(info.param.Name); });

TEST_F(RecordLockTest, ADatasetWithoutUniqueKeyEditsWithoutALock) {
  auto notes = FDb.CreateDataSet(QStringLiteral("qryNotes"));
  notes->SQL().SetText(QStringLiteral("SELECT NOTE FROM JBNOTES"));
  notes->Open();
  notes->Edit();
  EXPECT_EQ(notes->State(), dsEdit);
  EXPECT_TRUE(notes->LockTableName().isEmpty());
  notes->Cancel();
  EXPECT_EQ(FLog.Creates(), 0);
  EXPECT_EQ(FLog.Drops(), 0);
}

TEST_F(RecordLockTest, AFailedDeleteStillReleasesTheLock) {
  auto raw = TSqliteConnection::Open(FPath);
  raw->ExecuteNative(
      QStringLiteral("CREATE TRIGGER JAILBOOK_KEEP BEFORE DELETE ON JAILBOOK BEGIN "
                     "SELECT RAISE(ABORT, 'bookings are never deleted'); END"));
  EXPECT_THROW(q->Delete(), EDatabaseError);
  EXPECT_EQ(FLog.Creates(), 1);
  EXPECT_EQ(FLog.Drops(), 1);
  EXPECT_TRUE(q->LockTableName().isEmpty());
  EXPECT_EQ(q->RecordCount(), 2);
  EXPECT_TRUE(OtherCanLock());
}

TEST_F(RecordLockTest, ADeleteOfARecordLockedElsewhereIsRefusedAndDeletesNothing) {
  auto other = Bookings(FOther);
  other->Edit();
  EXPECT_THROW(q->Delete(), EKsDBLockError);
  EXPECT_EQ(q->RecordCount(), 2);
  other->Cancel();
  auto count = FOther.CreateDataSet();
  count->SQL().SetText(QStringLiteral("SELECT COUNT(*) AS N FROM JAILBOOK"));
  count->Open();
  EXPECT_EQ(count->FieldByName("N").AsInteger(), 2);
}

TEST_F(RecordLockTest, KeysAndHoldersWithQuotesAndBracketsStayData) {
  EXPECT_EQ(KsRecordLock::LockTableName("jail", "JAILBOOK", "K']1"),
            QStringLiteral("[tempdb].[dbo].[##LOCK-jail.JAILBOOK.K']]1]"));
  auto raw = TSqliteConnection::Open(FPath);
  raw->ExecuteNative(QStringLiteral("INSERT INTO JAILBOOK VALUES ('K'']1', 'B003', 'ODD')"));
  auto odd = Bookings(FDb, QStringLiteral("K']1"));
  odd->Edit();
  EXPECT_FALSE(OtherCanLock(QStringLiteral("K']1")));
  odd->Cancel();
  EXPECT_EQ(LockTablesLeft(), 0);

  TKsLockHolder holder = TKsLockHolder::Current("jail", "JAILBOOK", "K2");
  holder.UserName = QStringLiteral("O'Brien'); DROP TABLE JAILBOOK; --");
  const QString name = KsRecordLock::LockTableName("jail", "JAILBOOK", "K2");
  KsRecordLock::Take(FDb, name, holder);
  try {
    KsRecordLock::Take(FOther, name, TKsLockHolder::Current("jail", "JAILBOOK", "K2"));
    FAIL() << "the lock was granted twice";
  } catch (const EKsDBLockError& e) {
    EXPECT_EQ(e.UserName, holder.UserName.left(30));
  }
  KsRecordLock::Release(FDb, name);
  EXPECT_EQ(LockTablesLeft(), 0);
  EXPECT_EQ(raw->ExecuteNative(QStringLiteral("SELECT COUNT(*) FROM JAILBOOK")).Rows[0][0].toInt(),
            3);
}

TEST_F(RecordLockTest, IsLockedCountsOwnEditsAndOthersLocksButNotAClosedDataset) {
  EXPECT_FALSE(q->IsLocked());
  EXPECT_EQ(q->State(), dsBrowse) << "the test edit was cancelled";
  q->Edit();
  EXPECT_TRUE(q->IsLocked());
  q->Cancel();
  auto other = Bookings(FOther);
  other->Edit();
  EXPECT_TRUE(q->IsLocked());
  q->Close();
  EXPECT_FALSE(q->IsLocked());
}

TEST_F(RecordLockTest, ClosingTheConnectionEndsItsLocks) {
  q->Edit();
  EXPECT_FALSE(OtherCanLock());
  FDb.Close();
  EXPECT_TRUE(OtherCanLock());
}

}  // namespace
