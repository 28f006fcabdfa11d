#include "config/KeystaneCfg.h"

#include "ConfigTestTree.h"

#include <QFile>

#include <unistd.h>

namespace {

using TLoadMode = TKeystaneIni::TLoadMode;

// An installed workstation: the program below disk1/Suite/Keystane.App, the
// configuration file in disk1/Suite/Keystane.Cfg, disk1 a mount of its own.
class KeystaneIniTest : public testing::Test {
 protected:
  TConfigSearchEnvironment Environment() const {
    return Tree.Environment("disk1/Suite/Keystane.App", {Tree.Mount("disk1")});
  }
  QString WriteIni(const QByteArray& AContents) const {
    return Tree.WriteFile("disk1/Suite/Keystane.Cfg/Keystane.ini", AContents);
  }
  // A component that reads nothing by itself: for the property rules.
  std::unique_ptr<TKeystaneIni> Overriding() const {
    auto ini = std::make_unique<TKeystaneIni>(nullptr, Environment(), TLoadMode::Deferred);
    ini->SetOverrideIniFileName(true);
    ini->SetOverrideSettings(true);
    ini->Loaded();
    return ini;
  }

  TConfigTestTree Tree;
};

TEST_F(KeystaneIniTest, CreatedInCodeItLocatesAndReadsTheFile) {
  const QString path = WriteIni(KeystaneIniText());
  const TKeystaneIni ini(nullptr, Environment());

  EXPECT_EQ(ini.KeystaneIni(), path);
  EXPECT_FALSE(ini.IsMobile());
  EXPECT_EQ(ini.HelpFilePath(), "/srv/help");
  EXPECT_EQ(ini.LogFilePath(), "/var/log/keystane");
  EXPECT_TRUE(ini.PagingEnabled());
  EXPECT_EQ(ini.ServerKey(), "KEY-1");
  EXPECT_EQ(ini.LibPathUnexpanded(), "..\\Lib");
  EXPECT_EQ(ini.LibPath(), Tree.Path("disk1/Suite/Lib"));
  EXPECT_EQ(ini.ConnectionString(), "Provider=SQLite;Data Source=cfg.db");
  EXPECT_EQ(ini.KeystaneIniFolder(), Tree.Path("disk1/Suite/Keystane.Cfg/"));
  EXPECT_FALSE(ini.OverrideIniFileName());
  EXPECT_FALSE(ini.OverrideSettings());
}

TEST_F(KeystaneIniTest, MobileInstallationReadsRoadpost) {
  WriteIni(KeystaneIniText("Provider=SQLite;Data Source=office.db"));
  const QString roadpost = Tree.WriteFile("disk1/Suite/Keystane.App/Roadpost.ini",
                                          KeystaneIniText("Provider=SQLite;Data Source=car.db"));
  const TKeystaneIni ini(nullptr, Environment());
  EXPECT_TRUE(ini.IsMobile());
  EXPECT_EQ(ini.KeystaneIni(), roadpost);
  EXPECT_EQ(ini.ConnectionString(), "Provider=SQLite;Data Source=car.db");
}

TEST_F(KeystaneIniTest, MissingFileFailsCreation) {
  EXPECT_EQ(ThrownMessage<EIniFileError>([&] { TKeystaneIni ini(nullptr, Environment()); }),
            "Keystane.ini not found.");
}

TEST_F(KeystaneIniTest, MissingOrEmptyConnStrIsReported) {
  for (const QByteArray& contents :
       {QByteArray("[Paths]\nLogPath=/x\n"), QByteArray("[DataProvider]\nConnStr=\n"),
        QByteArray("[DataProvider]\nConnStr=   \n"), QByteArray()}) {
    const QString path = WriteIni(contents);
    EXPECT_EQ(ThrownMessage<EIniFileError>([&] { TKeystaneIni ini(nullptr, Environment()); }),
              "Database connection information not found in " + path + " (DataProvider.ConnStr)")
        << contents.toStdString();
  }
}

TEST_F(KeystaneIniTest, SectionsAndKeysMatchWithoutRegardToCase) {
  WriteIni("[PATHS]\nlogpath=/l\n[paging]\nENABLED=0\n[dataprovider]\nconnstr=Provider=SQLite\n");
  const TKeystaneIni ini(nullptr, Environment());
  EXPECT_EQ(ini.LogFilePath(), "/l");
  EXPECT_FALSE(ini.PagingEnabled());
  EXPECT_EQ(ini.ConnectionString(), "Provider=SQLite");
}

TEST_F(KeystaneIniTest, OddEncodingsReadCorrectly) {
  WriteIni("\xEF\xBB\xBF[Paths]\r\nLogPath=/srv/caf\xC3\xA9\r\n[DataProvider]\r\nConnStr=a=b\r\n");
  EXPECT_EQ(TKeystaneIni(nullptr, Environment()).LogFilePath(),
            QString::fromUtf8("/srv/caf\xC3\xA9"));
  WriteIni("[Paths]\r\nLogPath=/srv/B\xFCro\r\n[DataProvider]\r\nConnStr=a=b\r\n");
  EXPECT_EQ(TKeystaneIni(nullptr, Environment()).LogFilePath(),
            QString::fromUtf8("/srv/B\xC3\xBCro"));
}

TEST_F(KeystaneIniTest, UnusableFilesGiveAClearMessageAndNothingIsWritten) {
  const QByteArray overlong(40000, 'x');
  const QString path = Tree.Path("disk1/Suite/Keystane.Cfg/Keystane.ini");
  const struct {
    QByteArray Contents;
    QString Message;
  } cases[] = {
      {"[Paths]\nLogPath=" + overlong + "\n[DataProvider]\nConnStr=a=b\n",
       "Line 2 of " + path + " is longer than 32768 characters."},
      {QByteArray("[DataProvider]\nConnStr=a=b\0\0\0\0", 30), path + " is not a text file."},
  };
  for (const auto& c : cases) {
    WriteIni(c.Contents);
    const QStringList before = Tree.Snapshot();
    EXPECT_EQ(ThrownMessage<EIniFileError>([&] { TKeystaneIni ini(nullptr, Environment()); }),
              c.Message);
    EXPECT_EQ(Tree.Snapshot(), before);
  }
}

TEST_F(KeystaneIniTest, UnreadableFileIsReported) {
  // A file whose reading fails whoever runs the test: the process's memory
  // file, read from address 0.
  QDir().mkpath(Tree.Path("disk1/Suite/Keystane.Cfg"));
  const QString path = Tree.Path("disk1/Suite/Keystane.Cfg/Keystane.ini");
  ASSERT_TRUE(QFile::link("/proc/self/mem", path));
  const QString message =
      ThrownMessage<EIniFileError>([&] { TKeystaneIni ini(nullptr, Environment()); });
  EXPECT_TRUE(message.startsWith("Cannot read " + path + ": ")) << message.toStdString();

  if (geteuid() != 0) {
    QFile::remove(path);
    WriteIni(KeystaneIniText());
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    const QString denied =
        ThrownMessage<EIniFileError>([&] { TKeystaneIni ini(nullptr, Environment()); });
    EXPECT_TRUE(denied.startsWith("Cannot read " + path + ": ")) << denied.toStdString();
  }
}

struct TGuardCase {
  const char* Message;
  std::function<void(TKeystaneIni&)> Set;
  std::function<bool(const TKeystaneIni&)> Stored;
};

TEST_F(KeystaneIniTest, FileBackedPropertiesNeedOverrideSettings) {
  const TGuardCase cases[] = {
      {"Cannot set ConnectionString when OverrideSettings is False",
       [](TKeystaneIni& i) { i.SetConnectionString("Server=x"); },
       [](const TKeystaneIni& i) { return i.ConnectionString() == "Server=x"; }},
      {"Cannot set HelpFilePath when OverrideSettings is False",
       [](TKeystaneIni& i) { i.SetHelpFilePath("/h"); },
       [](const TKeystaneIni& i) { return i.HelpFilePath() == "/h"; }},
      {"Cannot set IsMobile when OverrideSettings is False",
       [](TKeystaneIni& i) { i.SetIsMobile(true); },
       [](const TKeystaneIni& i) { return i.IsMobile(); }},
      {"Cannot set LogFilePath when OverrideSettings is False",
       [](TKeystaneIni& i) { i.SetLogFilePath("/l"); },
       [](const TKeystaneIni& i) { return i.LogFilePath() == "/l"; }},
      {"Cannot set PagingEnabled when OverrideSettings is False",
       [](TKeystaneIni& i) { i.SetPagingEnabled(false); },
       [](const TKeystaneIni& i) { return !i.PagingEnabled(); }},
      {"Cannot set ServerKey when OverrideSettings is False",
       [](TKeystaneIni& i) { i.SetServerKey("K2"); },
       [](const TKeystaneIni& i) { return i.ServerKey() == "K2"; }},
      {"Cannot set LibPathUnexpanded when OverrideSettings is False",
       [](TKeystaneIni& i) { i.SetLibPathUnexpanded("Lib2"); },
       [](const TKeystaneIni& i) { return i.LibPathUnexpanded() == "Lib2"; }},
  };
  WriteIni(KeystaneIniText());
  TKeystaneIni ini(nullptr, Environment());
  for (const TGuardCase& c : cases) {
    try {
      c.Set(ini);
      ADD_FAILURE() << "no exception: " << c.Message;
    } catch (const EIniFileError&) {
      ADD_FAILURE() << "a general error was expected: " << c.Message;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
    EXPECT_FALSE(c.Stored(ini)) << c.Message;
  }

  ini.SetOverrideSettings(true);
  for (const TGuardCase& c : cases) {
    c.Set(ini);
    EXPECT_TRUE(c.Stored(ini)) << c.Message;
  }
  // Back to the file: everything set by hand is replaced by what it says.
  ini.SetOverrideSettings(false);
  EXPECT_EQ(ini.ConnectionString(), "Provider=SQLite;Data Source=cfg.db");
  EXPECT_EQ(ini.ServerKey(), "KEY-1");
  EXPECT_TRUE(ini.PagingEnabled());
}

TEST_F(KeystaneIniTest, KeystaneIniIsSetOnlyWhenOverridingAndOnlyToAnExistingFile) {
  WriteIni(KeystaneIniText());
  const QString other =
      Tree.WriteFile("other/Keystane.ini", KeystaneIniText("Provider=SQLite;Data Source=o.db"));
  TKeystaneIni ini(nullptr, Environment());

  try {
    ini.SetKeystaneIni(other);
    ADD_FAILURE() << "no exception";
  } catch (const EIniFileError&) {
    ADD_FAILURE() << "a general error was expected";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Cannot set KeystaneIni when OverrideIniFileName is False");
  }

  ini.SetOverrideIniFileName(true);
  const QString missing = Tree.Path("other/Missing.ini");
  EXPECT_EQ(ThrownMessage<EIniFileError>([&] { ini.SetKeystaneIni(missing); }),
            "File not found: '" + missing + "'");
  EXPECT_EQ(ini.ConnectionString(), "Provider=SQLite;Data Source=cfg.db");

  ini.SetKeystaneIni(other);
  EXPECT_EQ(ini.KeystaneIni(), other);
  EXPECT_EQ(ini.ConnectionString(), "Provider=SQLite;Data Source=o.db");

  // Searching again finds the workstation's file.
  ini.SetOverrideIniFileName(false);
  EXPECT_EQ(ini.KeystaneIni(), Tree.Path("disk1/Suite/Keystane.Cfg/Keystane.ini"));
  EXPECT_EQ(ini.ConnectionString(), "Provider=SQLite;Data Source=cfg.db");
}

TEST_F(KeystaneIniTest, DeferredLoadingTakesOverridesFirst) {
  // Nothing on disk at all: with both overrides the component never looks.
  const std::unique_ptr<TKeystaneIni> ini = Overriding();
  EXPECT_TRUE(ini->KeystaneIni().isEmpty());
  EXPECT_TRUE(ini->ConnectionString().isEmpty());
  ini->SetConnectionString("Server=s");
  EXPECT_EQ(ini->ConnectionString(), "Server=s");

  const QString other = Tree.WriteFile("other/Keystane.ini", KeystaneIniText("Server=o"));
  TKeystaneIni deferred(nullptr, Environment(), TLoadMode::Deferred);
  deferred.SetOverrideIniFileName(true);
  deferred.SetKeystaneIni(other);
  EXPECT_TRUE(deferred.ConnectionString().isEmpty());
  deferred.Loaded();
  EXPECT_EQ(deferred.ConnectionString(), "Server=o");
}

TEST_F(KeystaneIniTest, OverlayAppliesToTheConnectionStringHandedOut) {
  WriteIni(KeystaneIniText("Data Source=srv;Integrated Security=SSPI;Initial Catalog=CFG"));
  TKeystaneIni ini(nullptr, Environment());
  ini.SetConnectionStringOverlay("Integrated Security=;User ID=sa;Password=pw");
  EXPECT_EQ(ini.ConnectionStringOverlay(), "Integrated Security=;User ID=sa;Password=pw");
  EXPECT_EQ(ini.ConnectionString(), "Data Source=srv;Initial Catalog=CFG;User ID=sa;Password=pw");
}

struct TOverlayCase {
  const char* Original;
  const char* Overlay;
  const char* Expected;
};

class OverlayTest : public testing::TestWithParam<TOverlayCase> {};

TEST_P(OverlayTest, MergesTheOverlay) {
  const TOverlayCase& c = GetParam();
  EXPECT_EQ(TKeystaneIni::ApplyConnectionStringOverlay(c.Original, c.Overlay), c.Expected)
      << "'" << c.Original << "' + '" << c.Overlay << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OverlayTest,
    testing::Values(
        // Empty value deletes; absent name appends; names ignore case.
        TOverlayCase{"Server=a;Password=b", "Password=", "Server=a"},
        TOverlayCase{"Server=a", "Timeout=5", "Server=a;Timeout=5"},
        TOverlayCase{"Server=a;User ID=x", "user id=sa", "Server=a;user id=sa"},
        TOverlayCase{"Provider=SQLOLEDB.1;Integrated Security=SSPI;Initial Catalog=CFG",
                     "Integrated Security=;User ID=sa;Password=pw",
                     "Provider=SQLOLEDB.1;Initial Catalog=CFG;User ID=sa;Password=pw"},
        TOverlayCase{"Server=a", "Password=", "Server=a"}, TOverlayCase{"Server=a", "", "Server=a"},
        TOverlayCase{"", "Server=a", "Server=a"}, TOverlayCase{"", "", ""},
        // Only the first entry of a name is replaced or deleted.
        TOverlayCase{"A=1;a=2", "A=3", "A=3;a=2"}, TOverlayCase{"A=1;a=2", "a=", "a=2"},
        // Values may hold "="; entries without "=" have no name.
        TOverlayCase{"Pwd=a=b", "Server=x", "Pwd=a=b;Server=x"},
        TOverlayCase{"Server=x", "Pwd=a=b", "Server=x;Pwd=a=b"},
        TOverlayCase{"Trusted;Server=a", "Server=b", "Trusted;Server=b"},
        // A trailing ";" ends a list; ";;" holds an empty entry.
        TOverlayCase{"Server=a;", "", "Server=a"},
        TOverlayCase{"Server=a;;Database=b", "", "Server=a;;Database=b"},
        TOverlayCase{"Server=a;;", "Timeout=5;", "Server=a;;Timeout=5"},
        TOverlayCase{"Server=a", "Timeout=5;;", "Server=a;Timeout=5"}, TOverlayCase{";", "", ""},
        TOverlayCase{"=x;Server=a", ";;", "Server=a"}));

TEST_F(KeystaneIniTest, LibPathForms) {
  const QString ini = WriteIni(KeystaneIniText());
  const std::unique_ptr<TKeystaneIni> config = Overriding();
  config->SetKeystaneIni(ini);
  const struct {
    const char* Written;
    QString Expected;
  } cases[] = {
      {"\\Lib", Tree.Path("disk1/Lib")},
      {"/Lib", "/Lib"},
      {"..\\Lib", Tree.Path("disk1/Suite/Lib")},
      {"../Lib", Tree.Path("disk1/Suite/Lib")},
      {"Lib", Tree.Path("disk1/Suite/Keystane.Cfg/Lib")},
      {"Lib\\Sub\\", Tree.Path("disk1/Suite/Keystane.Cfg/Lib/Sub/")},
      {"", Tree.Path("disk1/Suite/Keystane.Cfg/")},
      {"/opt/keystane/lib", "/opt/keystane/lib"},
      {"\\\\server\\share\\Lib", "//server/share/Lib"},
      {"//server/share/Lib", "//server/share/Lib"},
      {"E:\\Lib", Tree.Path("disk1/Lib")},
  };
  for (const auto& c : cases) {
    config->SetLibPathUnexpanded(c.Written);
    EXPECT_EQ(config->LibPath(), c.Expected) << c.Written;
  }
}

TEST_F(KeystaneIniTest, CompanionRoutineGivesLibPathWithATrailingSlash) {
  WriteIni(KeystaneIniText());
  const TScopedConfigSearchEnvironment scoped(Environment());
  EXPECT_EQ(GetKeystaneLibPath(), Tree.Path("disk1/Suite/Lib/"));
}

}  // namespace
