// The unique-key function of the settings-table insert and the date-and-time
// combination of the cell history.

#include "ServerRoutinesTestDb.h"

#include <QSet>

namespace {

using ServerValueFunctionsTest = ServerRoutinesTestDb;

TEST_F(ServerValueFunctionsTest, TheSettingsInsertKeysEachRowFromANewGuid) {
  const char* const insert =
      "INSERT INTO SharedIni (VariableGroup, VariableId, VariableValue,UniqueKey)\n"
      "VALUES \n"
      " (:VariableGroup, :VariableId, :VariableValue, ksadmin.dbo.fnks_GetUniqueID(NEWID()))";
  for (const char* id : {"A", "B", "C"})
    Run(insert, {Param("VariableGroup", QStringLiteral("G")), Param("VariableId", id),
                 Param("VariableValue", QStringLiteral("v"))});
  QSet<QString> keys;
  for (const QString& key : Column(Run("SELECT UniqueKey FROM SharedIni"))) {
    EXPECT_EQ(key.size(), 22) << key.toStdString();
    EXPECT_TRUE(key[0] >= u'0' && key[0] <= u'3') << key.toStdString();
    keys.insert(key);
  }
  EXPECT_EQ(keys.size(), 3);
}

TEST_F(ServerValueFunctionsTest, AGuidGivesTheKeyTheProgramMakes) {
  EXPECT_EQ(Value("SELECT dbo.fnks_GetUniqueID('12345678-9abc-def0-1234-56789abcdef0')"),
            QStringLiteral("0ID5PuchpUy18qLdYQlDxm"));
  EXPECT_EQ(Value("SELECT dbo.fnks_GetUniqueID(NULL)"), QVariant());
}

TEST_F(ServerValueFunctionsTest, ADateAndATimeTextMakeOneMoment) {
  const struct {
    QVariant Date;
    QVariant Time;
    QVariant Expected;
  } cases[] = {
      {QStringLiteral("2015-03-05 00:00:00"), QStringLiteral("14:07"),
       QStringLiteral("2015-03-05 14:07:00")},
      {QStringLiteral("03/05/2015"), QStringLiteral("2:07 PM"),
       QStringLiteral("2015-03-05 14:07:00")},
      // The date's own time of day and the time's day are ignored.
      {QStringLiteral("2015-03-05 08:00:00"), QStringLiteral("1899-12-30 09:30:15"),
       QStringLiteral("2015-03-05 09:30:15")},
      {QStringLiteral("2015-03-05 08:00:00"), QVariant(), QStringLiteral("2015-03-05 00:00:00")},
      {QStringLiteral("2015-03-05"), QStringLiteral(" "), QStringLiteral("2015-03-05 00:00:00")},
      {QVariant(), QStringLiteral("14:07"), QVariant()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Value("SELECT CFG.dbo.fnks_CombineDateAndTime(:D, :T)",
                    {Param("D", c.Date, ftString), Param("T", c.Time, ftString)}),
              c.Expected)
        << c.Date.toString().toStdString() << " " << c.Time.toString().toStdString();
  EXPECT_THROW(Value("SELECT CFG.dbo.fnks_CombineDateAndTime('someday', '14:07')"), EDatabaseError);
}

TEST_F(ServerValueFunctionsTest, AMoveTakesItsTimeFromTheHoursAndMinutesOfTime) {
  Exec(
      "INSERT INTO JBMOVE (BOOKNO, MOVENO, [DATE], [TIME]) VALUES "
      "('B1', 1, '2015-03-05 00:00:00', '1899-12-30 14:07:59')");
  EXPECT_EQ(Value("SELECT CFG.dbo.fnks_CombineDateAndTime(m.DATE, CONVERT(varchar(5), m.TIME, "
                  "108)) FROM JBMOVE m (READUNCOMMITTED)"),
            QStringLiteral("2015-03-05 14:07:00"));
}

}  // namespace
