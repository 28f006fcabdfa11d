#include "data/utTransLog.h"

#include "core/Exception.h"
#include "core/ScriptedPrompts.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"
#include "fixtures/SuiteTestDatabase.h"

#include <QSet>

namespace {

const QString kAlphabet =
    QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz{|");

void ExpectWellFormedKey(const QString& key) {
  ASSERT_EQ(key.size(), 22) << key.toStdString();
  for (const QChar c : key) EXPECT_TRUE(kAlphabet.contains(c)) << key.toStdString();
  EXPECT_TRUE(key[0] >= QLatin1Char('0') && key[0] <= QLatin1Char('3')) << key.toStdString();
}

TEST(NewUniqueKey, KeysAreTwentyTwoCharactersOfTheAlphabetStartingZeroToThree) {
  QSet<QString> seen;
  for (int i = 0; i < 2000; ++i) {
    const QString key = NewUniqueKey();
    ExpectWellFormedKey(key);
    seen.insert(key);
  }
  EXPECT_EQ(seen.size(), 2000);
}

TEST(NewUniqueKey, GuidsEncodeInGroupsFromTheRight) {
  const struct {
    const char* guid;
    const char* key;
  } cases[] = {
      {"{00000000-0000-0000-0000-000000000000}", "0000000000000000000000"},
      {"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}", "3|||||||||||||||||||||"},
      // Lower-case digits count the same; the last three digits are the last group.
      {"00000000-0000-0000-0000-000000000041", "0000000000000000000011"},
      {"12345678-9abc-def0-1234-56789abcdef0", "0ID5PuchpUy18qLdYQlDxm"},
      // The leading group holds only two digits: 0xC0 = 3 * 64.
      {"{C0000000-0000-0000-0000-000000000000}", "3000000000000000000000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UniqueKeyFromGuidText(QString::fromLatin1(c.guid)), QString::fromLatin1(c.key))
        << c.guid;
    EXPECT_EQ(UniqueKeyFromGuid(QUuid(QString::fromLatin1(c.guid))), QString::fromLatin1(c.key))
        << c.guid;
  }
  EXPECT_EQ(UniqueKeyFromGuid(QUuid()), "0000000000000000000000");
}

TEST(NewUniqueKey, AnyTextGivesAWellFormedKey) {
  for (const char* text : {"", "not a guid", "123", "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}AB"})
    ExpectWellFormedKey(UniqueKeyFromGuidText(QString::fromLatin1(text)));
}

TEST(TksTransEventType, OrdinalsAreTheStoredNumbers) {
  const std::pair<TksTransEventType, int> cases[] = {
      {etAdd, 0},           {etSent, 5},        {etUcrOverride, 11}, {etPrint, 17},
      {etPrintPreview, 18}, {etView, 19},       {etExport, 23},      {etLogIn, 24},
      {etLogOut, 25},       {etDeleteTsdr, 31}, {etCancel, 34},      {etUnarchive, 37},
  };
  for (const auto& [event, ordinal] : cases) EXPECT_EQ(int(event), ordinal);
}

const char* const kSessionLogSQL =
    "Select top 5\n[KEY1], [KEY2], [KEY3], [NOTE1], [NOTE2], [NOTE3], [USER_ID], \n"
    "[USER_KEY], [EVENT], [EVENT_TABLE], [EVENT_STAMP], [EVENT_DATE], \n[EVENT_TIME], "
    "[UNIQUEKEY]\nFrom\n  JailTransLog (ReadUnCommitted)";
const char* const kReportLogSQL =
    "SELECT TOP 5 [KEY1], [KEY2], [KEY3], [NOTE1], [NOTE2], [NOTE3], [USER_ID],\n"
    "[USER_KEY], [EVENT], [EVENT_TABLE], [EVENT_STAMP], [EVENT_DATE], [EVENT_TIME],\n"
    "[UNIQUEKEY] FROM [JAIL].[dbo].[JAILTRANSLOG]";

class TransLogTest : public testing::Test {
 protected:
  void SetUp() override { FDb.SetConnectString(Suite.ConnectString()); }

  TksTransEvent Event(const QString& note2 = QStringLiteral("Misc Reports, Head Count")) const {
    TksTransEvent event;
    event.sNOTE1 = QStringLiteral("Jail Reports Module");
    event.sNOTE2 = note2;
    event.sUSER_ID = QStringLiteral("JDOE");
    event.sUSER_KEY = QStringLiteral("1042");
    event.sEVENT_TABLE = QStringLiteral("JAILBOOK");
    event.scEVENT = etPrint;
    return event;
  }

  std::unique_ptr<TKsMSQuery> LogQuery(const char* sql) {
    auto query = std::make_unique<TKsMSQuery>(QStringLiteral("tblJailTransLog"));
    query->SetConnection(&FDb);
    query->SQL().SetText(QString::fromUtf8(sql));
    return query;
  }

  TDbResult LogRows() const {
    return Suite.Run(QStringLiteral(
        "SELECT KEY1, KEY2, KEY3, NOTE1, NOTE2, NOTE3, USER_ID, USER_KEY, EVENT, EVENT_TABLE, "
        "EVENT_DATE, EVENT_TIME, EVENT_STAMP, UNIQUEKEY FROM JailTransLog ORDER BY rowid"));
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
  TKsSQLDatabase FDb{QStringLiteral("dbJail")};
};

TEST_F(TransLogTest, OpenDataSetTakesTheRowDirectly) {
  auto log = LogQuery(kSessionLogSQL);
  log->Open();
  WriteTransLog(log.get(), Event());
  EXPECT_TRUE(log->Active());
  EXPECT_EQ(log->State(), dsBrowse);
  EXPECT_TRUE(Prompts.Prompts().empty());

  const TDbResult rows = LogRows();
  ASSERT_EQ(rows.Rows.size(), 1u);
  const auto& row = rows.Rows[0];
  EXPECT_EQ(row[0].toString(), "");
  EXPECT_EQ(row[3].toString(), "Jail Reports Module");
  EXPECT_EQ(row[4].toString(), "Misc Reports, Head Count");
  EXPECT_EQ(row[5].toString(), "");
  EXPECT_EQ(row[6].toString(), "JDOE");
  EXPECT_EQ(row[7].toString(), "1042");
  EXPECT_EQ(row[8].toLongLong(), 17);
  EXPECT_EQ(row[9].toString(), "JAILBOOK");
  // One moment in all three columns.
  EXPECT_FALSE(row[10].toString().isEmpty());
  EXPECT_EQ(row[10], row[11]);
  EXPECT_EQ(row[10], row[12]);
  ExpectWellFormedKey(row[13].toString());
}

TEST_F(TransLogTest, ClosedDataSetWritesThroughAnEmptyCopyAndStaysClosed) {
  for (const char* sql : {kSessionLogSQL, kReportLogSQL}) {
    auto log = LogQuery(sql);
    const QString before = log->SQL().Text();
    WriteTransLog(log.get(), Event());
    EXPECT_FALSE(log->Active()) << sql;
    EXPECT_EQ(log->SQL().Text(), before) << "the copy, not the original, gets the condition";
  }
  EXPECT_TRUE(Prompts.Prompts().empty()) << Prompts.Texts().join("\n").toStdString();
  EXPECT_EQ(LogRows().Rows.size(), 2u);
}

TEST_F(TransLogTest, ClosedTableWritesThroughAnEmptyTableCopy) {
  // Rows already there must not be read: the copy opens empty.
  WriteTransLog(LogQuery(kSessionLogSQL).get(), Event(QStringLiteral("first")));
  TKsMSTable table(QStringLiteral("tblJailTransLog"));
  table.SetConnection(&FDb);
  table.SetTableName(QStringLiteral("JailTransLog"));
  WriteTransLog(&table, Event(QStringLiteral("second")));
  EXPECT_FALSE(table.Active());
  EXPECT_TRUE(Prompts.Prompts().empty()) << Prompts.Texts().join("\n").toStdString();
  const TDbResult rows = LogRows();
  ASSERT_EQ(rows.Rows.size(), 2u);
  EXPECT_EQ(rows.Rows[1][4].toString(), "second");
}

TEST_F(TransLogTest, UnexpectedDataSetKindGivesBothMessagesAndWritesNothing) {
  TKsMSStoredProc proc(QStringLiteral("spLog"));
  proc.SetConnection(&FDb);
  WriteTransLog(&proc, Event());
  WriteTransLog(nullptr, Event());
  EXPECT_EQ(Prompts.Texts(TPromptKind::pkError),
            QStringList({TransLogFatalDataSetMessage(), TransLogErrorMessage(),
                         TransLogFatalDataSetMessage(), TransLogErrorMessage()}));
  EXPECT_EQ(TransLogFatalDataSetMessage(),
            "Fatal error.  WriteTransLog() called with an unexpected data set type.");
  EXPECT_EQ(TransLogErrorMessage(),
            "Error updating transaction log, please contact your system administrator.");
  EXPECT_TRUE(LogRows().Rows.empty());
}

TEST_F(TransLogTest, UnreachableDatabaseShowsOneMessageAndReturns) {
  FDb.SetConnectString(QStringLiteral("Provider=SQLite;Data Source=%1")
                           .arg(Suite.ConfigFolder + QStringLiteral("missing.db")));
  auto closed = LogQuery(kSessionLogSQL);
  EXPECT_NO_THROW(WriteTransLog(closed.get(), Event()));
  EXPECT_EQ(Prompts.Texts(), QStringList{TransLogErrorMessage()});
}

TEST_F(TransLogTest, FailedPostLeavesNoPendingRowInTheOpenDataSet) {
  auto log = LogQuery(kSessionLogSQL);
  log->Open();
  Suite.Exec(QStringLiteral("DROP TABLE JailTransLog"));
  WriteTransLog(log.get(), Event());
  EXPECT_EQ(Prompts.Texts(), QStringList{TransLogErrorMessage()});
  EXPECT_EQ(log->State(), dsBrowse);
  EXPECT_EQ(log->RecordCount(), 0);
}

TEST_F(TransLogTest, QuotesAndOverlongTextsNeverBreakTheWrite) {
  const QString quoted = QStringLiteral("O'Brien's \"list\"; DROP TABLE JailTransLog; --");
  TksTransEvent event = Event(quoted);
  event.sKEY1 = QStringLiteral("'); DELETE FROM JailTransLog; --");
  event.sNOTE3 = QString(300, QLatin1Char('x'));
  WriteTransLog(LogQuery(kReportLogSQL).get(), event);
  EXPECT_TRUE(Prompts.Prompts().empty()) << Prompts.Texts().join("\n").toStdString();
  const TDbResult rows = LogRows();
  ASSERT_EQ(rows.Rows.size(), 1u);
  EXPECT_EQ(rows.Rows[0][4].toString(), quoted);
  EXPECT_EQ(rows.Rows[0][0].toString(), event.sKEY1.left(30));
  EXPECT_EQ(rows.Rows[0][5].toString(), QString(255, QLatin1Char('x')))
      << "cut to the column, not lost";
}

TEST_F(TransLogTest, ProgramEntriesCarryTheModuleAndTheUsersPersonnelNumber) {
  SetTransLogPerNoLookup([](const QString& login) {
    return login == QLatin1String("JDOE") ? QStringLiteral("1042") : QString();
  });
  WriteReportsTransLogEntry(LogQuery(kSessionLogSQL).get(), QStringLiteral("JDOE"), QString(),
                            QString(), etLogIn, QString(), QStringLiteral("Log In Jail Reports "));
  SetTransLogPerNoLookup({});
  WriteReportsTransLogEntry(LogQuery(kSessionLogSQL).get(), QStringLiteral("JDOE"),
                            QStringLiteral("B001"), QStringLiteral("K2"), etView,
                            QStringLiteral("JBMOVE"), QStringLiteral("Moves, Daily"),
                            QStringLiteral("K3"));
  const TDbResult rows = LogRows();
  ASSERT_EQ(rows.Rows.size(), 2u);
  const auto& login = rows.Rows[0];
  EXPECT_EQ(login[3].toString(), "Jail Reports Module");
  EXPECT_EQ(login[4].toString(), "Log In Jail Reports ") << "the trailing blank is kept";
  EXPECT_EQ(login[5].toString(), "");
  EXPECT_EQ(login[7].toString(), "1042");
  EXPECT_EQ(login[8].toLongLong(), 24);
  const auto& view = rows.Rows[1];
  EXPECT_EQ(QStringList({view[0].toString(), view[1].toString(), view[2].toString()}),
            QStringList({"B001", "K2", "K3"}));
  EXPECT_EQ(view[7].toString(), "");
  EXPECT_EQ(view[8].toLongLong(), 19);
  EXPECT_EQ(view[9].toString(), "JBMOVE");
}

TEST_F(TransLogTest, AFailedPersonnelNumberLookupStillWritesTheEntry) {
  SetTransLogPerNoLookup([](const QString&) -> QString {
    throw EDatabaseError(QStringLiteral("employee database unreachable"));
  });
  EXPECT_NO_THROW(WriteReportsTransLogEntry(LogQuery(kSessionLogSQL).get(), QStringLiteral("JDOE"),
                                            QString(), QString(), etPrint,
                                            QStringLiteral("JAILBOOK"), QStringLiteral("Roster")));
  SetTransLogPerNoLookup({});
  const TDbResult rows = LogRows();
  ASSERT_EQ(rows.Rows.size(), 1u);
  EXPECT_EQ(rows.Rows[0][6].toString(), "JDOE");
  EXPECT_EQ(rows.Rows[0][7].toString(), "");
  EXPECT_TRUE(Prompts.Prompts().empty()) << Prompts.Texts().join("\n").toStdString();
}

}  // namespace
