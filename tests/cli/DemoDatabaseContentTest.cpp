// The demo database holds what the reports need to show something: a jail of
// several facilities with people in custody, out of the jail and released,
// cases and charges of every kind, log entries, visits, incidents, property,
// medical records, pictures, the configuration the program starts from and
// the two documented users.

#include "DemoDatabaseFixture.h"

#include "cli/DemoSuite.h"
#include "data/driver/DbTypes.h"
#include "data/sqlite/ServerLoginPasswords.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <memory>

namespace {

class DemoDatabaseContentTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { FDemo = std::make_unique<TDemoDatabaseFile>(); }
  static void TearDownTestSuite() { FDemo.reset(); }

  static TDemoDatabaseFile& Demo() { return *FDemo; }
  static qint64 Count(const char* sql, const std::vector<QVariant>& values = {}) {
    return FDemo->Count(QString::fromUtf8(sql), values);
  }
  static QString Canonical(const QDateTime& moment) { return DbValue::DateTimeToCanonical(moment); }
  static QDateTime At(const QDate& day, int hour) {
    return DbValue::MakeDateTime(day.year(), day.month(), day.day(), hour);
  }

 private:
  static std::unique_ptr<TDemoDatabaseFile> FDemo;
};

std::unique_ptr<TDemoDatabaseFile> DemoDatabaseContentTest::FDemo;

TEST_F(DemoDatabaseContentTest, EverySubjectHasRows) {
  struct TMinimum {
    const char* Table;
    qint64 Rows;
  };
  const TMinimum minimums[] = {
      {"CFGFACI", 3},
      {"CFGDORMS", 3},
      {"CFGCELL", 10},
      {"CFGBED", 20},
      {"CFGCASST", 10},
      {"CfgCheckInOutReasons", 4},
      {"CfgReports", 1},
      {"CfgReportApplicability", 1},
      {"CFGAGNCY", 2},
      {"CFGLOGO", 1},
      {"SharedINI", 10},
      {"EMPMAST", 10},
      {"ConnectLib", 6},
      {"MNI", 50},
      {"ARREST", 5},
      {"JAILBOOK", 30},
      {"JBHISTO", 100},
      {"JBCASE", 100},
      {"JBCHARGE", 100},
      {"INMATETRACKING", 30},
      {"CheckInOut", 100},
      {"JBMOVE", 100},
      {"JURISDICTIONHISTORY", 5},
      {"JBKpFrom", 2},
      {"JBSpecialRequirements", 2},
      {"SENTENCEADJUSTMENTS", 1},
      {"JBLOG", 100},
      {"JL_JB_XREF", 20},
      {"JBVISIT", 20},
      {"JBVSTLOG", 10},
      {"JBVisitScheduled", 5},
      {"JBINCIDE", 3},
      {"JBINCPER", 3},
      {"JBINC_NAR", 3},
      {"JBIPROP", 30},
      {"JBPITEMS", 50},
      {"JBDISPLN", 2},
      {"JBMEDI", 20},
      {"JBMEDVIS", 5},
      {"JBMDLOG", 5},
      {"JBDOCTOTALS", 50},
      {"AgencyBilling", 2},
      {"Users", 2},
      {"AccessV4", 10},
  };
  for (const TMinimum& m : minimums)
    EXPECT_GE(Demo().Count(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(m.Table)), m.Rows)
        << m.Table;
}

TEST_F(DemoDatabaseContentTest, EveryFacilityHousesInmatesInItsCellsAndBeds) {
  EXPECT_EQ(Count("SELECT COUNT(*) FROM CFGFACI f WHERE NOT EXISTS "
                  "(SELECT 1 FROM JAILBOOK j WHERE j.FACICODE = f.FACILITYID)"),
            0);
  // Every assigned bed is a configured bed of the booking's facility.
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JAILBOOK j WHERE j.CELLKEY IS NOT NULL AND NOT EXISTS "
                  "(SELECT 1 FROM CFGBED b JOIN CFGCELL c ON c.CellKey = b.CellKey "
                  "WHERE b.CellKey = j.CELLKEY AND b.BedNo = j.BED AND c.FACILITYID = j.FACICODE)"),
            0);
  // No bed holds two inmates; some beds stay empty; some inmates have no cell.
  EXPECT_EQ(Count("SELECT COUNT(*) FROM (SELECT CELLKEY, BED FROM JAILBOOK WHERE CELLKEY IS "
                  "NOT NULL GROUP BY CELLKEY, BED HAVING COUNT(*) > 1)"),
            0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM CFGBED b WHERE NOT EXISTS (SELECT 1 FROM JAILBOOK j "
                  "WHERE j.CELLKEY = b.CellKey AND j.BED = b.BedNo)"),
            0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JAILBOOK WHERE CELLNO IS NULL"), 0);
}

TEST_F(DemoDatabaseContentTest, BookingsAreEitherInCustodyOrReleased) {
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JAILBOOK j JOIN JBHISTO h ON h.BOOKNO = j.BOOKNO"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JBHISTO WHERE NAMERELEAS <> 1 OR RELDATE IS NULL OR "
                  "RELDATE < BOOKDATE"),
            0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JAILBOOK WHERE RELDATE IS NOT NULL"), 0);
  // A person booked before and in custody again: two bookings, one in each.
  EXPECT_GT(Count("SELECT COUNT(*) FROM JAILBOOK j WHERE EXISTS "
                  "(SELECT 1 FROM JBHISTO h WHERE h.ECSOID = j.ECSOID)"),
            0);
  // Times of day are kept on 30 December 1899.
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JAILBOOK WHERE BOOKTIME NOT LIKE '1899-12-30 %' OR "
                  "BOOKDATE NOT LIKE '% 00:00:00'"),
            0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JAILBOOK WHERE JUVENILE = 1 AND ADULT = 0"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JAILBOOK WHERE WEEKENER = 1"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JAILBOOK WHERE NAMERELEAS IS NULL"), 0);
}

TEST_F(DemoDatabaseContentTest, InmatesOutOfTheJailNowAreTrackedAsCheckedOut) {
  const TDbResult out =
      Demo().Native(QStringLiteral("SELECT BOOKNO FROM JAILBOOK WHERE NAMERELEAS = 1"));
  ASSERT_GE(out.Rows.size(), 2u);
  for (const auto& row : out.Rows) {
    const QVariant bookNo = row[0];
    EXPECT_EQ(Count("SELECT COUNT(*) FROM INMATETRACKING WHERE BookNo = ?1 AND Active = 1 AND "
                    "Status = 2",
                    {bookNo}),
              1)
        << bookNo.toString().toStdString();
    EXPECT_EQ(Count("SELECT COUNT(*) FROM CheckOutIn WHERE BookNo = ?1 AND CheckInTime IS NULL "
                    "AND CheckOutReasonCode <> -2",
                    {bookNo}),
              1)
        << bookNo.toString().toStdString();
  }
}

TEST_F(DemoDatabaseContentTest, AnInmateWasCheckedOutFrom22To03AcrossMidnight) {
  const QDate day = TDemoDatabaseFile::Day();
  EXPECT_EQ(Count("SELECT COUNT(*) FROM CheckOutIn c JOIN JAILBOOK j ON j.BOOKNO = c.BookNo "
                  "WHERE c.CheckOutTime = ?1 AND c.CheckInTime = ?2 AND c.CheckOutReasonCode > 0 "
                  "AND c.CheckInReasonCode > 0",
                  {Canonical(At(day.addDays(-1), 22)), Canonical(At(day, 3))}),
            1);
}

TEST_F(DemoDatabaseContentTest, CasesAndChargesCoverWhatTheRostersDistinguish) {
  const char* const present[] = {
      "SELECT COUNT(*) FROM JBCASE c JOIN JAILBOOK j ON j.BOOKNO = c.BOOKNO WHERE c.SEAL = 1",
      "SELECT COUNT(*) FROM JBCASE c JOIN JAILBOOK j ON j.BOOKNO = c.BOOKNO WHERE c.ACTIVE = 0",
      "SELECT COUNT(*) FROM JBCASE WHERE STATUSDESC LIKE 'SENT%' AND CASESTARTTIME IS NOT NULL",
      "SELECT COUNT(*) FROM JBCASE c JOIN JAILBOOK j ON j.BOOKNO = c.BOOKNO "
      "WHERE c.FIRSTAPPEARANCEDONE = 0",
      "SELECT COUNT(*) FROM JBCASE WHERE BONDLEO = 1 AND BONDLEOAMOUNT > 0",
      "SELECT COUNT(*) FROM JBCASE WHERE BONDJUD = 1 AND BONDJUDGEAMOUNT > 0",
      "SELECT COUNT(*) FROM JBCASE c WHERE NOT EXISTS "
      "(SELECT 1 FROM CFGCASST s WHERE s.CASE_STATUS_CODE = c.STATUS)",
      "SELECT COUNT(*) FROM JBCHARGE WHERE ACL = 'F'",
      "SELECT COUNT(*) FROM JBCHARGE WHERE ACL = 'M'",
      "SELECT COUNT(*) FROM JBCHARGE WHERE DV = 1",
      "SELECT COUNT(*) FROM JBCHARGE WHERE STATUSDESC = 'PENDING'",
      "SELECT COUNT(*) FROM JBCHARGE WHERE FSDESC LIKE '%DUI%'",
      "SELECT COUNT(*) FROM JAILBOOK WHERE HOLD = 1",
  };
  for (const char* sql : present) EXPECT_GT(Count(sql), 0) << sql;
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JBCHARGE WHERE CAST(GROUPID AS INTEGER) NOT BETWEEN "
                  "32001 AND 32012"),
            0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JBCHARGE ch WHERE NOT EXISTS (SELECT 1 FROM JBCASE c "
                  "WHERE c.BOOKNO = ch.BOOKNO AND c.CASENO = ch.CASENO)"),
            0);
}

TEST_F(DemoDatabaseContentTest, PicturesAreJpegAndAFewInmatesHaveNone) {
  const TDbResult photos = Demo().Native(
      QStringLiteral("SELECT INMPICTURE FROM JAILBOOK WHERE INMPICTURE IS NOT NULL UNION ALL "
                     "SELECT AgencyLogo FROM CFGLOGO"));
  ASSERT_FALSE(photos.Rows.empty());
  for (const auto& row : photos.Rows) EXPECT_TRUE(row[0].toByteArray().startsWith("\xFF\xD8\xFF"));
  EXPECT_GT(Count("SELECT COUNT(*) FROM JAILBOOK WHERE INMPICTURE IS NULL"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM CFGLOGO l JOIN CFGAGNCY a ON l.AGENCY = a.UNIQUEKEY "
                  "WHERE a.\"PRIMARY\" = 1"),
            1);
}

TEST_F(DemoDatabaseContentTest, LogEntriesAreRichTextWithLinkedInmates) {
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBLOG WHERE LOGENTRY LIKE '{\\rtf1%'"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBLOG WHERE LOGENTRY NOT LIKE '{%'"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBLOG WHERE LOGENTRY IS NULL"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBLOG WHERE SupervisorLog = 1"), 0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBLOG WHERE DOORMSCODE IS NULL"), 0);
  // Every link names an existing entry and an existing booking.
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JL_JB_XREF x WHERE NOT EXISTS (SELECT 1 FROM JBLOG l "
                  "WHERE l.JAILLOGNO = x.JAILOGNO) OR NOT EXISTS (SELECT 1 FROM "
                  "JailBook_JBHisto_View b WHERE b.BOOKNO = x.BOOKNO AND b.ECSOID = x.MNINO)"),
            0);
}

TEST_F(DemoDatabaseContentTest, VisitorsIncludeBannedOnesAndTheirVisitsAreLogged) {
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBVISIT WHERE STATUS = 2 AND (PERMANENTBAN = 1 OR "
                  "EXPIRED IS NOT NULL)"),
            0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBVISIT v WHERE NOT EXISTS (SELECT 1 FROM MNI m "
                  "WHERE m.ECSOID = v.VECSOID)"),
            0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JBVisitScheduled s WHERE NOT EXISTS (SELECT 1 FROM "
                  "JBVSTLOG l WHERE l.UniqueKey = s.JBVSTLogFKey)"),
            0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JBVSTLOG WHERE TIMEIN NOT LIKE '1899-12-30 %'"), 0);
}

TEST_F(DemoDatabaseContentTest, MovesIncludeTodaysFirstAppearancesAndCellMoves) {
  const QDate day = TDemoDatabaseFile::Day();
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBMOVE m JOIN JAILBOOK j ON j.BOOKNO = m.BOOKNO WHERE "
                  "m.FIRSTAPPEAR = 1 AND m.SCHMOVDATE = ?1 AND m.COMPLETE = 0 AND m.CANCELED = 0",
                  {Canonical(At(day, 0))}),
            0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBMOVE WHERE DEST LIKE 'Move To Cell%' AND COMPLETE = 1 "
                  "AND CellKey IS NOT NULL"),
            0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JBMOVE WHERE DEST LIKE 'Remove From Cell%'"), 0);
}

TEST_F(DemoDatabaseContentTest, BilledJurisdictionsHaveRulesAndPeriods) {
  EXPECT_EQ(Count("SELECT COUNT(*) FROM JURISDICTIONHISTORY h WHERE NOT EXISTS (SELECT 1 FROM "
                  "AgencyBilling b JOIN CFGAGNCY a ON a.UNIQUEKEY = b.AgencyFKey "
                  "WHERE a.ORG = h.JURISDICTION)"),
            0);
  EXPECT_GT(Count("SELECT COUNT(*) FROM JURISDICTIONHISTORY WHERE ENDDATE IS NULL"), 0);
}

TEST_F(DemoDatabaseContentTest, TheDocumentedUsersLogInWithTheirAccess) {
  for (const TDemoUser& user : DemoUsers()) {
    const QString hash =
        Demo()
            .Value(QStringLiteral("SELECT EncryptedPassword FROM Users WHERE UserName = ?1"),
                   {QString::fromLatin1(user.UserName)})
            .toString();
    EXPECT_TRUE(ServerLoginVerifyPassword(hash, QString::fromLatin1(user.Password)))
        << user.UserName;
    EXPECT_FALSE(ServerLoginVerifyPassword(hash, QStringLiteral("wrong"))) << user.UserName;
    EXPECT_EQ(Count("SELECT COUNT(*) FROM EMPMAST e JOIN Users u ON u.PerNo = e.PERNO "
                    "WHERE u.UserName = ?1",
                    {QString::fromLatin1(user.UserName)}),
              1);
  }
  struct TLevel {
    const char* User;
    const char* Suite;
    const char* Module;
    const char* Section;
    const char* Level;  // "" for no row
  };
  const TLevel levels[] = {
      {"DEMO", "JAIL", "JAILADMIN", "RUN", "FA"},
      {"DEMO", "JAIL", "ALL_APPS", "VIEWJUV", "FA"},
      {"DEMO", "RMS", "ALL_APPS", "VIEWJUV", "FA"},
      {"DEMO", "JAIL", "JAILBOOK", "VIEW_SEALED", "FA"},
      {"DEMO", "JAIL", "JAILCLASSI", "RUN", "FA"},
      {"CLERK", "JAIL", "JAILADMIN", "RUN", "FA"},
      {"CLERK", "JAIL", "ALL_APPS", "VIEWJUV", "XX"},
      {"CLERK", "RMS", "ALL_APPS", "VIEWJUV", "XX"},
      {"CLERK", "JAIL", "JAILBOOK", "VIEW_SEALED", ""},
      {"CLERK", "JAIL", "JAILCLASSI", "RUN", "RO"},
  };
  for (const TLevel& l : levels) {
    const QVariant level = Demo().Value(
        QStringLiteral("SELECT a.Level FROM AccessV4 a JOIN Users u ON u.PerNo = a.PerNo WHERE "
                       "u.UserName = ?1 AND a.Suite = ?2 AND a.Module = ?3 AND a.Section = ?4"),
        {QString::fromLatin1(l.User), QString::fromLatin1(l.Suite), QString::fromLatin1(l.Module),
         QString::fromLatin1(l.Section)});
    EXPECT_EQ(level.toString(), QString::fromLatin1(l.Level))
        << l.User << ' ' << l.Module << ' ' << l.Section;
  }
}

TEST_F(DemoDatabaseContentTest, EveryLogicalDatabaseIsThisFile) {
  for (const char* id : {"JAIL", "CFG", "EmpMast", "UserAccess", "ARREST", "MNI"})
    EXPECT_EQ(Count("SELECT COUNT(*) FROM ConnectLib WHERE ProgramID = ?1 AND UseInitial = 1",
                    {QString::fromLatin1(id)}),
              1)
        << id;
}

// The program's own statements, in T-SQL, find the demo data through the
// T-SQL layer.
TEST_F(DemoDatabaseContentTest, ReportStatementsFindRowsThroughTheTsqlLayer) {
  const char* const statements[] = {
      "SELECT Count(BOOKNO) As InmatesInJail FROM JBHISTO (READUNCOMMITTED) WHERE NAMERELEAS = 1 "
      "AND FACICODE = 'MAIN' HAVING Count(BOOKNO) > 0",
      "SELECT DISTINCT(c.STATUS),c.BOOKNO ,c.STATUSDESC,j.SEX,j.RACE, j.JUVENILE,j.ADULT FROM "
      "JBCASE c (READUNCOMMITTED) LEFT OUTER JOIN CFGCASST s (READUNCOMMITTED) ON "
      "s.CASE_STATUS_CODE = c.STATUS LEFT OUTER JOIN Jailbook j (READUNCOMMITTED) ON c.BOOKNO = "
      "j.BOOKNO WHERE (j.NAMERELEAS = 0 OR j.NAMERELEAS IS NULL) AND j.FACICODE = 'MAIN' AND "
      "s.[LEVEL] IN (SELECT MIN(CFGCASST.[LEVEL]) FROM JBCASE (READUNCOMMITTED) LEFT OUTER JOIN "
      "CFGCASST (READUNCOMMITTED) ON JBCASE.STATUS = CFGCASST.CASE_STATUS_CODE WHERE "
      "JBCASE.BOOKNO = c.BOOKNO) ORDER BY j.JUVENILE,c.STATUS,j.SEX,j.RACE",
      "SELECT jr.BOOKNO,jr.MNINO,jr.JAILOGNO FROM JL_JB_XREF jr (READUNCOMMITTED) WHERE "
      "jr.JAILOGNO IN (SELECT jl.JAILLOGNO FROM JBLOG jl (READUNCOMMITTED) WHERE jl.JAILLOGNO = "
      "jr.JAILOGNO) ORDER BY jr.JAILOGNO,jr.BOOKNO",
      "SELECT JB.BOOKNO, JV.VECSOID, M.WARACT AS WARRANT FROM JAILBOOK AS JB (READUNCOMMITTED), "
      "JBVISIT AS JV (READUNCOMMITTED) LEFT OUTER JOIN MNI..MNI M (READUNCOMMITTED) ON M.ECSOID = "
      "JV.VECSOID WHERE JB.FACICODE = 'MAIN' AND JV.FACICODE = 'MAIN' AND JB.BOOKNO = "
      "JV.INM_BOOKNO",
      "SELECT MV.[MEDVISIT NO], MV.[MEDVISIT DATE] FROM JAILBOOK JB (READUNCOMMITTED), JBMEDVIS MV "
      "(READUNCOMMITTED) WHERE JB.BOOKNO = MV.BOOKNO AND (JB.NAMERELEAS = 0 OR JB.NAMERELEAS IS "
      "NULL)",
      "SELECT U.DefaultReport, R.Title FROM Cfg..CfgReportApplicability U LEFT JOIN "
      "Cfg..CfgReports R ON U.FK_Report = R.UniqueKey WHERE U.ProgramGroup = 'JAIL' AND "
      "U.ReportType IN ('JAILBOOKMISC') ORDER BY R.Title",
      "SELECT a.BOOKNO, C.WARRANTNO FROM JAILBOOK A (READUNCOMMITTED), ARREST..ARREST C WHERE "
      "C.ECSOID = A.ECSOID AND C.ARRESTTYPE <> 'A' AND A.ECSOID IN (SELECT ECSOID FROM MNI..MNI "
      "(READUNCOMMITTED) WHERE WARACT = 1)",
  };
  for (const char* sql : statements) {
    std::vector<TDbParam> params;
    EXPECT_FALSE(Demo().Db->Execute(QString::fromUtf8(sql), params).Rows.empty()) << sql;
  }
}

}  // namespace
