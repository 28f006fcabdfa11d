// A booking's absences: the table function the roster for a day applies to
// every inmate, and the non-billable days of the jurisdiction billing.

#include "ServerRoutinesTestDb.h"

namespace {

class ServerCheckInOutFunctionsTest : public ServerRoutinesTestDb {
 protected:
  void SetUp() override {
    ServerRoutinesTestDb::SetUp();
    // Stays: each row a check-in and the check-out that ended it.
    Exec(
        "INSERT INTO CheckInOut (CheckInOutId, BookNo, CheckInTime, CheckInReasonCode, "
        "CheckOutTime, CheckOutReasonCode) VALUES "
        // B1: out to court overnight, then out for a weekend, back in since.
        "(1, 'B1', '2015-03-01 10:00:00', -1, '2015-03-05 22:00:00', 5),"
        "(2, 'B1', '2015-03-06 03:00:00', 10, '2015-03-07 08:00:00', -4),"
        "(3, 'B1', '2015-03-09 18:00:00', -3, NULL, NULL),"
        // B2: out to hospital and not back.
        "(4, 'B2', '2015-03-01 10:00:00', -1, '2015-03-10 09:00:00', 6),"
        // B3: released.
        "(5, 'B3', '2015-03-01 10:00:00', -1, '2015-03-04 12:00:00', -2),"
        // B5: out twice on one day.
        "(6, 'B5', '2015-03-01 10:00:00', -1, '2015-03-05 08:00:00', 5),"
        "(7, 'B5', '2015-03-05 09:00:00', 10, '2015-03-05 13:00:00', 5),"
        "(8, 'B5', '2015-03-05 14:00:00', 10, NULL, NULL)");
  }
};

TEST_F(ServerCheckInOutFunctionsTest, OuterApplyGivesEachCheckOutWithItsCheckIn) {
  Exec("INSERT INTO JAILBOOK (BOOKNO) VALUES ('B1'), ('B2'), ('B4')");
  const TDbResult rows =
      Run("SELECT j.BOOKNO, f.CheckOutTime, f.CheckInTime, f.CheckOutReasonCode, "
          "f.CheckInReasonCode FROM JAILBOOK j (READUNCOMMITTED) "
          "OUTER APPLY dbo.fnks_CheckInOutOnSameRow(j.BOOKNO) f ORDER BY j.BOOKNO, f.CheckOutTime");
  QStringList lines;
  for (const auto& row : rows.Rows) {
    QStringList cells;
    for (const QVariant& v : row)
      cells << (v.isNull() ? QStringLiteral("-")
                : v.typeId() == QMetaType::QDateTime
                    ? v.toDateTime().toString(QStringLiteral("dd hh:mm"))
                    : v.toString());
    lines << cells.join(u' ');
  }
  EXPECT_EQ(lines, QStringList({"B1 05 22:00 06 03:00 5 10", "B1 07 08:00 09 18:00 -4 -3",
                                // Still out: no check-in yet.
                                "B2 10 09:00 - 6 -",
                                // No absences: the booking stays, with nulls.
                                "B4 - - - -"}));
}

TEST_F(ServerCheckInOutFunctionsTest, CalledAloneTheFunctionGivesTheSameRows) {
  // Applied, the function is joined as its view; alone it runs as a table
  // function.
  Exec("INSERT INTO JAILBOOK (BOOKNO) VALUES ('B1'), ('B2'), ('B5'), ('B9')");
  const char* const columns =
      "f.CheckInOutId, f.BookNo, f.CheckOutTime, f.CheckOutReasonCode, f.CheckInTime, "
      "f.CheckInReasonCode";
  const struct {
    const char* BookNo;
    size_t Absences;
  } cases[] = {{"B1", 2}, {"B2", 1}, {"B5", 2}, {"B9", 0}};
  for (const auto& c : cases) {
    const TDbResult alone = Run(QStringLiteral("SELECT %1 FROM dbo.fnks_CheckInOutOnSameRow(:b) f "
                                               "ORDER BY f.CheckOutTime")
                                    .arg(QLatin1String(columns)),
                                {Param("b", c.BookNo, ftString)});
    const TDbResult applied = Run(QStringLiteral("SELECT %1 FROM JAILBOOK j CROSS APPLY "
                                                 "fnks_CheckInOutOnSameRow(j.BOOKNO) f WHERE "
                                                 "j.BOOKNO = :b ORDER BY f.CheckOutTime")
                                      .arg(QLatin1String(columns)),
                                  {Param("b", c.BookNo, ftString)});
    EXPECT_EQ(alone.Rows.size(), c.Absences) << c.BookNo;
    EXPECT_EQ(alone.Rows, applied.Rows) << c.BookNo;
  }
}

TEST_F(ServerCheckInOutFunctionsTest, NonBillableDaysAreTheDaysOutWithinTheBilledStretch) {
  const QVariant none;
  const struct {
    const char* Name;
    const char* BookNo;
    QVariant BillingStart, BillingEnd, PeriodStart, PeriodEnd, Now;
    bool ChargeCheckOut, ChargeCheckIn;
    int Expected;
  } cases[] = {
      // Out 5th-6th and 7th-9th.
      {"all days out", "B1", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none, At(2015, 4, 15),
       false, false, 5},
      {"check-out days billed", "B1", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none,
       At(2015, 4, 15), true, false, 3},
      {"check-in days billed", "B1", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none,
       At(2015, 4, 15), false, true, 3},
      {"both billed", "B1", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none, At(2015, 4, 15),
       true, true, 1},
      {"billing window", "B1", At(2015, 3, 6), At(2015, 3, 8), At(2015, 3, 1), none,
       At(2015, 4, 15), false, false, 3},
      {"period ends", "B1", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), At(2015, 3, 7),
       At(2015, 4, 15), false, false, 3},
      {"period starts", "B1", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 8), none,
       At(2015, 4, 15), false, false, 2},
      {"still out until today", "B2", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none,
       At(2015, 3, 12, 10), false, false, 3},
      {"still out, check-out day billed", "B2", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1),
       none, At(2015, 3, 12, 10), true, false, 2},
      {"a release is no absence", "B3", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none,
       At(2015, 4, 15), false, false, 0},
      {"two absences on one day", "B5", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none,
       At(2015, 4, 15), false, false, 1},
      {"no absences", "B9", At(2015, 3, 1), At(2015, 3, 31), At(2015, 3, 1), none, At(2015, 4, 15),
       false, false, 0},
      {"no billing start", "B1", none, At(2015, 3, 31), At(2015, 3, 1), none, At(2015, 4, 15),
       false, false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Value("SELECT Jail.dbo.fnks_CalcBillingStopForCheckOutDays (:BookNo, :BillingStart, "
                    ":BillingEnd, :PeriodStart, :PeriodEnd, :Now, :ChargeCheckOut, "
                    ":ChargeCheckIn) AS OutDays",
                    {Param("BookNo", c.BookNo), Param("BillingStart", c.BillingStart, ftDate),
                     Param("BillingEnd", c.BillingEnd, ftDate),
                     Param("PeriodStart", c.PeriodStart, ftDateTime),
                     Param("PeriodEnd", c.PeriodEnd, ftDateTime), Param("Now", c.Now, ftDateTime),
                     Param("ChargeCheckOut", c.ChargeCheckOut, ftBoolean),
                     Param("ChargeCheckIn", c.ChargeCheckIn, ftBoolean)})
                  .toInt(),
              c.Expected)
        << c.Name;
  }
}

TEST_F(ServerCheckInOutFunctionsTest, TheBillingStatementGetsTheOutDaysOfEveryPeriod) {
  Exec(
      "INSERT INTO JAILBOOK (BOOKNO, LNAME, FACICODE, NAMERELEAS, BOOKDATE) VALUES "
      "('B1', 'Able', 'MAIN', 0, '2015-03-01 00:00:00'), "
      "('B2', 'Baker', 'MAIN', 0, '2015-03-01 00:00:00')");
  Exec(
      "INSERT INTO JURISDICTIONHISTORY (BookNo, JURISDICTION, STARTDATE, ENDDATE) VALUES "
      "('B1', 'US MARSHAL', '2015-03-01 00:00:00', NULL), "
      "('B2', 'US MARSHAL', '2015-03-01 00:00:00', NULL)");
  const TDbResult rows = Run(
      "SELECT JB.BOOKNO, BOOKDATE, JB.ECSOID, INSNUMBER, LNAME, FNAME, MNAME, TITLE,\n"
      "CELLNO, FACILITY, DOB, SEX, JH.JURISDICTION, COUNTYNAME, \n"
      "STARTDATE, STARTTIME, ENDDATE, ENDTIME, RELDATE, RELTIME,\n"
      "Jail.dbo.fnks_CalcBillingStopForCheckOutDays (jb.BookNo, :BILLINGSTART, :BILLINGEND, "
      "JH.StartDate, JH.EndDate, GETDATE(), :ChargeCheckOut, :ChargeCheckIn) AS OutDays\n"
      "FROM     JailBook_JbHisto_View JB (READUNCOMMITTED)\n"
      "join  JURISDICTIONHISTORY JH (READUNCOMMITTED) on jb.BookNo = jh.BookNo\n"
      "WHERE \n"
      "FACICODE =   :FACICODE\n"
      "AND JH.JURISDICTION  = :JURISDICTION\n"
      "AND ((NAMERELEAS = :NAMERELEAS_active) or (NameReleas = :NameReleas_inactive))\n"
      "AND STARTDATE        <=  :BILLINGEND\n"
      "AND ((ENDDATE >=  :BILLINGSTART) OR (ENDDATE IS NULL ))\n"
      "And ( ((:BillingStart < jb.RelDate) or jb.RelDate is null) and (:BillingEnd >= "
      "jb.BookDate))\n"
      "ORDER BY LNAME, FNAME, MNAME",
      {Param("NameReleas_active", false, ftBoolean), Param("NameReleas_inactive", false, ftBoolean),
       Param("FaciCode", QStringLiteral("MAIN"), ftString),
       Param("BillingStart", At(2015, 3, 1), ftDate), Param("BillingEnd", At(2015, 3, 31), ftDate),
       Param("Jurisdiction", QStringLiteral("US MARSHAL"), ftString),
       Param("ChargeCheckIn", false, ftBoolean), Param("ChargeCheckOut", false, ftBoolean)});
  EXPECT_EQ(Column(rows, 0), QStringList({"B1", "B2"}));
  // B2 is still out: every day from the 10th to the end of the window.
  EXPECT_EQ(Column(rows, 20), QStringList({"5", "22"}));
}

}  // namespace
