// The daily population procedure behind the average daily population report.

#include "ServerRoutinesTestDb.h"

#include "core/Exception.h"

namespace {

const char* const kCall =
    "{:RETURN_VALUE = CALL Jail.dbo.kssp_UpdateDailyPopulation;1(:FaciCode, :StartDate, "
    ":StopDate)}";

class ServerDailyPopulationTest : public ServerRoutinesTestDb {
 protected:
  void SetUp() override {
    ServerRoutinesTestDb::SetUp();
    const char* const columns =
        "(BOOKNO, FACICODE, SEX, JUVENILE, BOOKDATE, BOOKTIME, RELDATE, RELTIME) ";
    Exec(QStringLiteral("INSERT INTO JAILBOOK ") + columns +
         "VALUES ('M1', 'MAIN', 'M', 0, '2015-02-20 00:00:00', '1899-12-30 08:00:00', NULL, "
         "NULL), "
         // Booked at 06:00 on the 2nd: three quarters of that day.
         "('F1', 'MAIN', 'F', 0, '2015-03-02 00:00:00', '1899-12-30 06:00:00', NULL, NULL), "
         "('J1', 'MAIN', 'M', 1, '2015-02-01 00:00:00', NULL, NULL, NULL), "
         "('X1', 'WEST', 'M', 0, '2015-02-01 00:00:00', NULL, NULL, NULL)");
    // Released at 20:00 on the 2nd; no sex recorded.
    Exec(QStringLiteral("INSERT INTO JBHISTO ") + columns +
         "VALUES ('U1', 'MAIN', NULL, 0, '2015-02-01 00:00:00', '1899-12-30 09:00:00', "
         "'2015-03-02 00:00:00', '1899-12-30 20:00:00')");
  }

  TDbResult Population(const QVariant& start, const QVariant& stop,
                       QVariant* returnValue = nullptr) {
    return Call(kCall,
                {Param("FaciCode", QStringLiteral("MAIN  "), ftString),
                 Param("StartDate", start, ftDate), Param("StopDate", stop, ftDate)},
                returnValue);
  }
};

QString Line(const std::vector<QVariant>& row) {
  QStringList cells{row[0].toDateTime().toString(QStringLiteral("MM-dd")), row[1].toString(),
                    row[2].toBool() ? QStringLiteral("done") : QStringLiteral("open")};
  for (size_t c = 3; c < row.size(); ++c) cells << row[c].toString();
  return cells.join(u' ');
}

TEST_F(ServerDailyPopulationTest, OneRowPerDayWithTheDaysAverages) {
  QVariant returnValue;
  const TDbResult rows =
      Population(At(2015, 3, 1), DbValue::MakeDateTime(2015, 3, 3, 23, 59, 59, 999), &returnValue);
  EXPECT_EQ(returnValue.toInt(), 0);
  QStringList names;
  for (const TDbColumn& c : rows.Columns) names << c.Name;
  EXPECT_EQ(names, QStringList({"Date", "FaciCode", "Completed", "AverageMale", "AverageFemale",
                                "AverageUnknown", "AverageJuvenile", "AverageTotal"}));
  QStringList lines;
  for (const auto& row : rows.Rows) lines << Line(row);
  //                     male female unknown juvenile total
  EXPECT_EQ(lines, QStringList({"03-01 MAIN done 2 0 1 1 3",
                                // 2 + 0.75 + 0.83 = 3.58 inmates on average
                                "03-02 MAIN done 2 1 1 1 4", "03-03 MAIN done 2 1 0 1 3"}));
}

TEST_F(ServerDailyPopulationTest, DaysNotOverAreOpenAndLaterOnesEmpty) {
  const QDate today = QDate::currentDate();
  const TDbResult rows = Population(QDateTime(today, QTime(0, 0), Qt::UTC),
                                    QDateTime(today.addDays(1), QTime(0, 0), Qt::UTC));
  ASSERT_EQ(rows.Rows.size(), 2u);
  EXPECT_FALSE(rows.Rows[0][2].toBool());
  EXPECT_FALSE(rows.Rows[1][2].toBool());
  EXPECT_EQ(rows.Rows[1][7].toInt(), 0);
}

TEST_F(ServerDailyPopulationTest, AReversedRangeHasNoDaysAndAMissingDateIsAnError) {
  EXPECT_TRUE(Population(At(2015, 3, 3), At(2015, 3, 1)).Rows.empty());
  try {
    Population(QVariant(), At(2015, 3, 1));
    FAIL() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(),
              "Procedure or function 'kssp_UpdateDailyPopulation': StartDate must be a date.");
  }
}

}  // namespace
