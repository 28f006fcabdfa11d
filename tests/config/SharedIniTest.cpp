#include "config/dmSharedINI.h"

#include "config/MastConfigIniProvider.h"
#include "core/ScriptedPrompts.h"
#include "fixtures/SuiteTestDatabase.h"

#include <memory>

namespace {

// The shared settings module on a real installation, its messages recorded.
class SharedIniTest : public testing::Test {
 protected:
  void Store(const QString& group, const QString& id, const QVariant& value) {
    Suite.Exec(QStringLiteral("INSERT INTO SharedINI (VariableGroup, VariableId, VariableValue) "
                              "VALUES (?1, ?2, ?3)"),
               {group, id, value});
  }

  int RowCount() const {
    return Suite.Scalar(QStringLiteral("SELECT COUNT(*) FROM SharedINI")).toInt();
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
  TdtmSharedINI Ini;
};

TEST_F(SharedIniTest, TypedReadersFallBackToTheirDefaults) {
  Store("JailReports", "ShowWitnessSignatures", "yes");
  Store("JailReports", "CaptureSignatures", "true");
  Store("JailReports", "UpperTrue", "TRUE");
  Store("JailReports", "One", "1");
  Store("JailReports", "Zero", "0");
  Store("JailReports", "LowerFalse", "false");
  Store("JailReports", "Empty", "");
  Store("JailReports", "Null", QVariant());
  Store("Booking", "DaysUntilNextReclass", "30 days");
  Store("Booking", "Blank", "");
  Store("Booking", "Number", "45");
  Store("Booking", "Negative", "-3");
  Store("Booking", "Padded", " 7 ");

  const struct {
    const char* group;
    const char* id;
    bool defaultValue;
    bool expected;
  } booleans[] = {
      {"JailReports", "ShowWitnessSignatures", true, true},
      {"JailReports", "ShowWitnessSignatures", false, false},
      {"JailReports", "CaptureSignatures", false, true},
      {"JailReports", "UpperTrue", false, true},
      {"JailReports", "One", false, true},
      {"JailReports", "Zero", true, false},
      {"JailReports", "LowerFalse", true, false},
      {"JailReports", "Empty", true, true},
      {"JailReports", "Null", false, false},
      {"JailReports", "Missing", true, true},
      // Names compare as the database does, without regard to case.
      {"jailreports", "one", false, true},
  };
  for (const auto& c : booleans)
    EXPECT_EQ(Ini.GetBooleanValue(c.group, c.id, c.defaultValue), c.expected)
        << c.group << "/" << c.id << " default " << c.defaultValue;

  const struct {
    const char* id;
    int defaultValue;
    int expected;
  } integers[] = {
      {"DaysUntilNextReclass", 30, 30},
      {"DaysUntilNextReclass", 14, 14},
      {"Blank", 30, 30},
      {"Number", 30, 45},
      {"Negative", 0, -3},
      {"Padded", 0, 7},
      {"Missing", 90, 90},
  };
  for (const auto& c : integers)
    EXPECT_EQ(Ini.GetIntegerValue("Booking", c.id, c.defaultValue), c.expected) << c.id;

  EXPECT_EQ(Ini.GetStringValue("Booking", "Number", "x"), "45");
  EXPECT_EQ(Ini.GetStringValue("JailReports", "FelonyFlag", "F"), "F");
  EXPECT_EQ(Ini.GetStringValue("JailReports", "Null", "M"), "") << "a row without a value";
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(SharedIniTest, WritingANewSettingInsertsOneRowAndWritingAgainUpdatesIt) {
  EXPECT_FALSE(Ini.CheckIfExist("VedaVavi", "ShowXFieldAsBarcodeOnWristBand"));
  Ini.WriteStringValue("VedaVavi", "ShowXFieldAsBarcodeOnWristBand", "ECSOID");
  EXPECT_TRUE(Ini.CheckIfExist("VedaVavi", "ShowXFieldAsBarcodeOnWristBand"));
  ASSERT_EQ(RowCount(), 1);
  const QString key = Suite.Scalar(QStringLiteral("SELECT UNIQUEKEY FROM SharedINI")).toString();
  ASSERT_EQ(key.size(), 22) << "the server makes the key: " << key.toStdString();
  EXPECT_TRUE(key[0] >= QLatin1Char('0') && key[0] <= QLatin1Char('3'));

  Ini.WriteStringValue("vedavavi", "SHOWXFIELDASBARCODEONWRISTBAND", "BOOKNO");
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(Suite.Scalar(QStringLiteral("SELECT UNIQUEKEY FROM SharedINI")).toString(), key);
  EXPECT_EQ(Ini.GetStringValue("VedaVavi", "ShowXFieldAsBarcodeOnWristBand", ""), "BOOKNO");
  EXPECT_TRUE(Prompts.Prompts().empty()) << Prompts.Texts().join("\n").toStdString();
}

TEST_F(SharedIniTest, WritersStoreTheirTexts) {
  Ini.WriteIntegerValue("JailReports", "InmateInJailForXDaysReport", 120);
  Ini.WriteBooleanValue("JailReports", "CaptureSignatures", true);
  Ini.WriteBooleanValue("JailReports", "ShowWitnessSignatures", false);
  Ini.WriteBooleanValueAsDigit("Booking", "FirsAppereanceReportCutOffTimeUsed", true);
  Ini.WriteBooleanValueAsDigit("VedaVavi", "ShowPhonePinOnWristBand", false);
  const TDbResult rows = Suite.Run(QStringLiteral(
      "SELECT VariableGroup || '/' || VariableId || '=' || VariableValue FROM SharedINI "
      "ORDER BY rowid"));
  QStringList stored;
  for (const auto& row : rows.Rows) stored << row[0].toString();
  EXPECT_EQ(stored, QStringList({"JailReports/InmateInJailForXDaysReport=120",
                                 "JailReports/CaptureSignatures=TRUE",
                                 "JailReports/ShowWitnessSignatures=FALSE",
                                 "Booking/FirsAppereanceReportCutOffTimeUsed=1",
                                 "VedaVavi/ShowPhonePinOnWristBand=0"}));
  EXPECT_EQ(Ini.GetIntegerValue("JailReports", "InmateInJailForXDaysReport", 90), 120);
  EXPECT_FALSE(Ini.GetBooleanValue("JailReports", "ShowWitnessSignatures", true));
  EXPECT_TRUE(Ini.GetBooleanValue("Booking", "FirsAppereanceReportCutOffTimeUsed", false));
}

TEST_F(SharedIniTest, QuotesAreValuesNeverStatementText) {
  const QString group = QStringLiteral("O'Brien");
  const QString id = QStringLiteral("x' OR '1'='1");
  const QString value = QStringLiteral("it's \"quoted\"'); DELETE FROM SharedINI; --");
  Store("Booking", "DaysUntilNextReclass", "30");
  Ini.WriteStringValue(group, id, value);
  Ini.WriteStringValue(group, id, value + QStringLiteral("!"));
  EXPECT_EQ(Ini.GetStringValue(group, id, {}), value + QStringLiteral("!"));
  EXPECT_EQ(Ini.GetStringValue("Booking", "x' OR '1'='1", "none"), "none");
  EXPECT_EQ(RowCount(), 2);
  EXPECT_TRUE(Prompts.Prompts().empty()) << Prompts.Texts().join("\n").toStdString();
}

TEST_F(SharedIniTest, DatabaseErrorsAreShownWithTheProcedureAndNeverThrown) {
  Suite.Exec(QStringLiteral("DROP TABLE SharedINI"));

  EXPECT_EQ(Ini.GetStringValue("JailReports", "FelonyFlag", "F"), "F");
  EXPECT_TRUE(Ini.GetBooleanValue("JailReports", "ShowWitnessSignatures", true));
  EXPECT_EQ(Ini.GetIntegerValue("Booking", "DaysUntilNextReclass", 30), 30);
  const QStringList reads = Prompts.Texts(TPromptKind::pkError);
  ASSERT_EQ(reads.size(), 3);
  for (const QString& text : reads)
    EXPECT_TRUE(text.endsWith(" / Procedure : TdtmSharedINI.GetStringValue")) << text.toStdString();
  EXPECT_TRUE(reads[0].contains("SharedINI", Qt::CaseInsensitive)) << reads[0].toStdString();

  // A failed check counts as "exists", so the write that follows is an update.
  Prompts.ClearPrompts();
  EXPECT_TRUE(Ini.CheckIfExist("JailReports", "FelonyFlag"));
  EXPECT_NO_THROW(Ini.WriteStringValue("JailReports", "FelonyFlag", "FEL"));
  const QStringList writes = Prompts.Texts(TPromptKind::pkError);
  ASSERT_EQ(writes.size(), 3);
  EXPECT_TRUE(writes[0].endsWith(" / Procedure : TdtmSharedINI.CheckIfExist"));
  EXPECT_TRUE(writes[1].endsWith(" / Procedure : TdtmSharedINI.CheckIfExist"));
  EXPECT_TRUE(writes[2].endsWith(" / Procedure : TdtmSharedINI.WriteVariableValue"));
}

TEST_F(SharedIniTest, MastConfigProviderNeedsTheSharedSettingsModule) {
  ASSERT_EQ(dtmSharedINI, nullptr);
  MastConfigIniProvider::SetCountyId("041");
  EXPECT_EQ(MastConfigIniProvider::GetCountyId(), "");
  EXPECT_EQ(RowCount(), 0);

  dtmSharedINI = &Ini;
  MastConfigIniProvider::SetCountyId("041");
  MastConfigIniProvider::SetFacilityId("0411");
  MastConfigIniProvider::SetFacilityId("0412");
  EXPECT_EQ(MastConfigIniProvider::GetCountyId(), "041");
  EXPECT_EQ(MastConfigIniProvider::GetFacilityId(), "0412");
  EXPECT_EQ(Ini.GetStringValue("MastConfig", "DOCReportCountyId", ""), "041");
  EXPECT_EQ(Ini.GetStringValue("MastConfig", "DOCReportFacilityId", ""), "0412");
  dtmSharedINI = nullptr;
  EXPECT_EQ(RowCount(), 2);
}

}  // namespace
