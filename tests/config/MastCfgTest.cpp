#include "config/dmMastCfg.h"

#include "config/KsConfigInfo.h"
#include "core/ScriptedPrompts.h"
#include "fixtures/SuiteTestDatabase.h"

#include <QBuffer>
#include <QImage>

#include <memory>

namespace {

QByteArray Jpeg(QColor colour, int width = 40, int height = 20) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "JPEG"));
  return bytes;
}

const char* const kAgencyColumns =
    "ORG, ORG_ABBREV, ORG_COUNTY, ORG_STATE, ORG_STATEA, ORG_HEAD, ORG_TITLE, ORG_ADD, ORG_CITY, "
    "ORG_ZIP, ORG_MADD, ORG_MCITY, ORG_MSTATE, ORG_MZIP, ORG_PHONE, ORI, Pop_Served, [PRIMARY], "
    "UNIQUEKEY";

class MastCfgTest : public testing::Test {
 protected:
  void SetUp() override {
    AddAgency({"Harlan County Sheriff's Office", "HCSO", "Harlan", "Kentucky", "KY", "Pat Doyle",
               "Sheriff", "100 Main St", "Harlan", "40831", "PO Box 5", "Harlan City", "KS",
               "40832", "606-555-0100", "KY0480000", 28000, 1, "AGENCYKEY000000000001"});
    AddAgency({"Abbott City Police", "ABC", "Harlan", "Kentucky", "KY", "Lee Moss", "Chief",
               "2 Elm St", "Abbott", "40801", "", "", "", "", "606-555-0200", "KY0480100",
               QVariant(), 0, "AGENCYKEY000000000002"});
    AddAgency({"O'Brien Township", "O'B", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
               QVariant(), 0, "AGENCYKEY000000000003"});
  }

  void AddAgency(const std::vector<QVariant>& values) {
    QStringList marks;
    for (size_t i = 1; i <= values.size(); ++i) marks << QStringLiteral("?%1").arg(i);
    Suite.Exec(QStringLiteral("INSERT INTO CFGAGNCY (%1) VALUES (%2)")
                   .arg(QString::fromLatin1(kAgencyColumns), marks.join(", ")),
               values);
  }

  void SetLogo(const QString& agencyKey, const QVariant& blob) {
    Suite.Exec(QStringLiteral("DELETE FROM CFGLOGO"));
    Suite.Exec(QStringLiteral("INSERT INTO CFGLOGO (AGENCY, AgencyLogo) VALUES (?1, ?2)"),
               {agencyKey, blob});
  }

  TSuiteTestDatabase Suite;
  TScriptedPrompts Prompts;
  TUserPromptsScope PromptsScope{Prompts};
};

TEST_F(MastCfgTest, EveryItemOfThePrimaryAgency) {
  TdtmMastCfg cfg;
  const std::pair<const char*, const char*> items[] = {
      {"NAME", "Harlan County Sheriff's Office"},
      {"ABBREV", "HCSO"},
      {"ORGCOUNTY", "Harlan"},
      {"ORGSTATE", "Kentucky"},
      {"ORG_STATEA", "KY"},
      {"BOSS", "Pat Doyle"},
      {"BOSS_TITLE", "Sheriff"},
      {"STREET", "100 Main St"},
      {"CITY", "Harlan"},
      {"STATE", "KY"},
      {"ZIP", "40831"},
      {"MSTREET", "PO Box 5"},
      {"MCITY", "Harlan City"},
      {"MSTATE", "KS"},
      {"MZIP", "40832"},
      {"PHONE", "606-555-0100"},
      {"ORI", "KY0480000"},
      {"UNIQUEKEY", "AGENCYKEY000000000001"},
      {"POPULATION", "28000"},
      {"population", "28000"},
      {"Name", "Harlan County Sheriff's Office"},
      {"FAX", "XXXX"},
      {"", "XXXX"},
  };
  for (const auto& [item, expected] : items) EXPECT_EQ(cfg.GetAgencyInfo(item), expected) << item;
  EXPECT_EQ(cfg.GetAgencyName(), "Harlan County Sheriff's Office");
  EXPECT_FALSE(cfg.tblCFGAGNCY.Filtered()) << "the filter is removed again";
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(MastCfgTest, TheUsersAgencyHeadsTheirReports) {
  TdtmMastCfg cfg;
  QString userAgency = QStringLiteral("ABC ");
  cfg.OnGetUserAgency = [&] { return userAgency; };
  EXPECT_EQ(cfg.GetAgencyName(), "Abbott City Police");
  EXPECT_EQ(cfg.GetAgencyInfo("POPULATION"), "") << "no population served recorded";
  userAgency = QStringLiteral("O'B");
  EXPECT_EQ(cfg.GetAgencyName(), "O'Brien Township");
  userAgency = QStringLiteral("NONE");
  EXPECT_EQ(cfg.GetAgencyName(), "XXXX");
  userAgency.clear();
  EXPECT_EQ(cfg.GetAgencyName(), "Harlan County Sheriff's Office");
}

TEST_F(MastCfgTest, EveryCallReadsTheCurrentTable) {
  TdtmMastCfg cfg;
  EXPECT_EQ(cfg.GetAgencyName(), "Harlan County Sheriff's Office");
  Suite.Exec(
      QStringLiteral("UPDATE CFGAGNCY SET ORG = 'Harlan County Detention' WHERE [PRIMARY] = 1"));
  EXPECT_EQ(cfg.GetAgencyName(), "Harlan County Detention");
  Suite.Exec(QStringLiteral("UPDATE CFGAGNCY SET [PRIMARY] = 0"));
  EXPECT_EQ(cfg.GetAgencyName(), "XXXX") << "no primary agency and no user agency";
}

TEST_F(MastCfgTest, ErrorsGiveXXXX) {
  TdtmMastCfg cfg;
  Suite.Exec(QStringLiteral("DROP TABLE CFGAGNCY"));
  EXPECT_EQ(cfg.GetAgencyName(), "XXXX");
  EXPECT_EQ(cfg.GetAgencyInfo("ORI"), "XXXX");
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(MastCfgTest, AMobileInstallationPrintsForTheAgencyItsFileNames) {
  TSuiteTestDatabase::WriteFile(
      Suite.ProgramFolder + QStringLiteral("Roadpost.ini"),
      QStringLiteral("[DataProvider]\r\nConnStr=Provider=SQLite;Data Source=%1\r\n"
                     "[USER_DATA]\r\nAgency=ABC\r\n")
          .arg(Suite.DatabaseFile)
          .toUtf8());
  TdtmMastCfg cfg;
  ASSERT_TRUE(cfg.KsConfigInfo()->IsMobile());
  cfg.OnGetUserAgency = [] { return QStringLiteral("O'B"); };
  EXPECT_EQ(cfg.GetAgencyName(), "Abbott City Police") << "the file wins over the user";
  EXPECT_EQ(cfg.DefaultAreaCode(), "") << "not read on a mobile installation";
}

TEST_F(MastCfgTest, TheLogoIsReadOnceAndABadOneGivesNoPicture) {
  const QByteArray red = Jpeg(Qt::red);
  SetLogo("AGENCYKEY000000000001", red);
  TdtmMastCfg cfg;
  const QImage first = cfg.GetLogoAsJpeg();
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first.size(), QSize(40, 20));
  EXPECT_FALSE(cfg.tblCFGLOGO.Active()) << "closed again, as it was";

  SetLogo("AGENCYKEY000000000001", Jpeg(Qt::blue, 10, 10));
  EXPECT_EQ(cfg.GetLogoAsJpeg().size(), QSize(40, 20)) << "cached for the run";

  const struct {
    const char* what;
    QVariant blob;
  } bad[] = {
      {"corrupt", QByteArray("\xFF\xD8\xFF\xE0 this is no picture at all", 30)},
      {"truncated", red.left(40)},
      {"empty", QByteArray("")},
      {"null", QVariant()},
  };
  for (const auto& c : bad) {
    SetLogo("AGENCYKEY000000000001", c.blob);
    TdtmMastCfg fresh;
    QImage logo;
    EXPECT_NO_THROW(logo = fresh.GetLogoAsJpeg()) << c.what;
    EXPECT_TRUE(logo.isNull()) << c.what;
  }

  // Only the primary agency's logo counts.
  SetLogo("AGENCYKEY000000000002", red);
  TdtmMastCfg other;
  EXPECT_TRUE(other.GetLogoAsJpeg().isNull());
  EXPECT_TRUE(Prompts.Prompts().empty());
}

TEST_F(MastCfgTest, JuvenileAgesComeFromTheSharedSettings) {
  for (const auto& [id, value] : {std::pair{"S", "16"}, {"V", "17"}, {"General", "teen"}})
    Suite.Exec(QStringLiteral("INSERT INTO SharedINI (VariableGroup, VariableId, VariableValue) "
                              "VALUES ('JuvenileAges', ?1, ?2)"),
               {QString::fromLatin1(id), QString::fromLatin1(value)});
  TdtmMastCfg cfg;
  EXPECT_EQ(cfg.JuvenileSuspectAge(), 16);
  EXPECT_EQ(cfg.JuvenileVictimAge(), 17);
  EXPECT_EQ(cfg.JuvenileAge(), 18) << "not a number: the default";
}

TEST_F(MastCfgTest, SharedSettingsReadersAndWriter) {
  TdtmMastCfg cfg;
  EXPECT_EQ(cfg.SharedIniReadString("UserStrings", "BondByLabel", "LEO"), "LEO");
  EXPECT_FALSE(cfg.SharedIniCheckIfExist("UserStrings", "BondByLabel"));
  cfg.SharedIniWriteString("UserStrings", "BondByLabel", "Bondsman's");
  cfg.SharedIniWriteString("UserStrings", "BondByLabel", "Agent's");
  EXPECT_TRUE(cfg.SharedIniCheckIfExist("UserStrings", "BondByLabel"));
  EXPECT_EQ(cfg.SharedIniReadString("UserStrings", "BondByLabel", "LEO"), "Agent's");
  EXPECT_EQ(Suite.Scalar(QStringLiteral("SELECT COUNT(*) FROM SharedINI")).toInt(), 1);

  const struct {
    const char* stored;
    bool defaultValue;
    bool expected;
  } booleans[] = {
      {"TRUE", false, true}, {"false", true, false}, {"1", false, true},    {"0", true, false},
      {"-1", false, true},   {"yes", true, true},    {"yes", false, false}, {"", true, true},
  };
  for (const auto& c : booleans) {
    cfg.SharedIniWriteString("Test", "Flag", c.stored);
    EXPECT_EQ(cfg.SharedIniReadBool("Test", "Flag", c.defaultValue), c.expected) << c.stored;
  }
  EXPECT_TRUE(cfg.SharedIniReadBool("Test", "Missing", true));
  EXPECT_EQ(cfg.SharedIniReadInteger("Test", "Missing", 18), 18);
  EXPECT_TRUE(Prompts.Prompts().empty()) << Prompts.Texts().join("\n").toStdString();

  Suite.Exec(QStringLiteral("DROP TABLE SharedINI"));
  EXPECT_EQ(cfg.SharedIniReadInteger("JuvenileAges", "S", 18), 18);
  cfg.SharedIniWriteString("UserStrings", "BondByLabel", "LEO");
  const QStringList errors = Prompts.Texts(TPromptKind::pkError);
  ASSERT_EQ(errors.size(), 3);
  EXPECT_TRUE(errors[0].endsWith(" / Procedure : TdtmMastCfg.SharedIniReadString"));
  EXPECT_TRUE(errors[1].endsWith(" / Procedure : TdtmMastCfg.SharedIniCheckIfExist"));
  EXPECT_TRUE(errors[2].endsWith(" / Procedure : TdtmMastCfg.SharedIniWriteString"));
}

TEST_F(MastCfgTest, TablesGiveNewRecordsAKeyAndKeepTheirOrder) {
  Suite.Exec(QStringLiteral("INSERT INTO AREACODE (AREACODE) VALUES ('606')"));
  TdtmMastCfg cfg;
  EXPECT_EQ(cfg.DefaultAreaCode(), "606");

  cfg.tblCfgChoices.Open();
  cfg.tblCfgChoices.Append();
  cfg.tblCfgChoices.FieldByName("GroupID").SetAsString("RACE");
  cfg.tblCfgChoices.FieldByName("ChoiceID").SetAsString("W");
  cfg.tblCfgChoices.FieldByName("LongDescr").SetAsString("White");
  cfg.tblCfgChoices.Post();
  const QString key =
      Suite.Scalar(QStringLiteral("SELECT UNIQUEKEY FROM CfgChoices WHERE ChoiceID = 'W'"))
          .toString();
  EXPECT_EQ(key.size(), 22);
  EXPECT_TRUE(key[0] >= QLatin1Char('0') && key[0] <= QLatin1Char('3')) << key.toStdString();

  // By PRIMARY (the primary agency last), then by abbreviation.
  cfg.tblCFGAGNCY.Open();
  QStringList order;
  for (cfg.tblCFGAGNCY.First(); !cfg.tblCFGAGNCY.Eof(); cfg.tblCFGAGNCY.Next())
    order << cfg.tblCFGAGNCY.FieldByName("ORG_ABBREV").AsString();
  EXPECT_EQ(order, QStringList({"ABC", "O'B", "HCSO"}));
}

}  // namespace
