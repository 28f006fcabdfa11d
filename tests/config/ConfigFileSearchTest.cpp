#include "config/ConfigFileSearch.h"
#include "config/KeystaneCfg.h"

#include "ConfigTestTree.h"

#include <QFile>

namespace {

const QString SuiteIni = "Keystane.Cfg/Keystane.ini";

// A workstation: the program lies on "disk1" below a Keystane.App folder;
// "disk2" and "net" are further drives.
class ConfigFileSearchTest : public testing::Test {
 protected:
  QString Locate(const TConfigSearchEnvironment& AEnvironment) {
    return LocateConfigFile(AEnvironment, IsMobileInstallation(AEnvironment),
                            KeystaneIniSearchTexts());
  }

  std::vector<TMountEntry> Drives() const {
    return {Tree.Mount("disk1"), Tree.Mount("disk2", "xfs", false, "/dev/vdc"),
            Tree.Mount("net", "nfs4", false, "server:/export")};
  }

  TConfigTestTree Tree;
  const QString ProgramFolder = "disk1/Apps/Keystane.App/bin";
};

TEST_F(ConfigFileSearchTest, RoadpostBesideTheProgramMakesAMobileInstallationAndWins) {
  Tree.WriteFile("disk1/Apps/Keystane.Cfg/Keystane.ini", "x");
  const QString roadpost = Tree.WriteFile(ProgramFolder + "/Roadpost.ini", "x");
  const TConfigSearchEnvironment environment = Tree.Environment(ProgramFolder, Drives());

  EXPECT_TRUE(IsMobileInstallation(environment));
  EXPECT_EQ(Locate(environment), roadpost);
}

TEST_F(ConfigFileSearchTest, EachStepIsTriedInTurnAndTheFirstHitWins) {
  // Files at every place the search looks; removing them one by one walks
  // the search down its steps.
  const QString sibling = Tree.WriteFile("disk1/Apps/" + SuiteIni, "x");
  const QString programRoot = Tree.WriteFile("disk1/" + SuiteIni, "x");
  const QString otherDisk = Tree.WriteFile("disk2/" + SuiteIni, "x");
  const QString network = Tree.WriteFile("net/" + SuiteIni, "x");
  const TConfigSearchEnvironment environment = Tree.Environment(ProgramFolder, Drives());
  EXPECT_FALSE(IsMobileInstallation(environment));

  EXPECT_EQ(Locate(environment), sibling);
  QFile::remove(sibling);
  EXPECT_EQ(Locate(environment), programRoot);
  QFile::remove(programRoot);
  EXPECT_EQ(Locate(environment), otherDisk);
  QFile::remove(otherDisk);
  EXPECT_EQ(Locate(environment), network);
  QFile::remove(network);
  EXPECT_EQ(ThrownMessage<EIniFileError>([&] { Locate(environment); }), "Keystane.ini not found.");
}

TEST_F(ConfigFileSearchTest, KeystaneAppFolderMatchesWithoutRegardToCase) {
  const QString sibling = Tree.WriteFile("disk1/Suite/Keystane.Cfg/Keystane.ini", "x");
  EXPECT_EQ(Locate(Tree.Environment("disk1/Suite/keystane.APP/x86", Drives())), sibling);
}

TEST_F(ConfigFileSearchTest, WithoutKeystaneAppTheCandidateIsBelowTheCurrentFolder) {
  Tree.WriteFile("disk1/Apps/" + SuiteIni, "not a sibling of a Keystane.App folder");
  const QString relative = Tree.WriteFile("cwd/" + SuiteIni, "x");
  EXPECT_EQ(Locate(Tree.Environment("disk1/Apps/Program", Drives())), relative);
}

TEST_F(ConfigFileSearchTest, FileNamesMatchWithoutRegardToCase) {
  const QString written = Tree.WriteFile("disk1/Apps/KEYSTANE.CFG/keystane.INI", "x");
  EXPECT_EQ(Locate(Tree.Environment(ProgramFolder, Drives())), written);
}

TEST_F(ConfigFileSearchTest, ProgramRootIsTheInnermostMountHoldingTheProgram) {
  // disk1/Apps is a mount of its own inside disk1: the program's root is it.
  std::vector<TMountEntry> mounts = Drives();
  mounts.push_back(Tree.Mount("disk1/Apps", "ext4", false, "/dev/vdd"));
  const QString inner = Tree.WriteFile("disk1/Apps/Keystane.Cfg/Keystane.ini", "x");
  Tree.WriteFile("disk1/" + SuiteIni, "x");
  EXPECT_EQ(Locate(Tree.Environment("disk1/Apps/Program", mounts)), inner);
}

TEST_F(ConfigFileSearchTest, MediaAndPseudoFileSystemsAreSkippedWithoutLookingAtThem) {
  const std::vector<TMountEntry> mounts = {
      Tree.Mount("prog"),
      Tree.Mount("usb", "vfat", true, "/dev/sdb1"),
      Tree.Mount("dvd", "iso9660", false, "/dev/sr0"),
      Tree.Mount("run", "tmpfs", false, "tmpfs"),
      Tree.Mount("auto", "autofs", false, "systemd-1"),
      Tree.Mount("share", "cifs", false, "//server/share"),
  };
  for (const QString drive : {"usb", "dvd", "run", "auto", "share"})
    Tree.WriteFile(drive + "/" + SuiteIni, "x");

  TConfigSearchEnvironment environment = Tree.Environment("prog/bin", mounts);
  QStringList looked;
  environment.FindFile = [&](const QString& path) {
    looked << path;
    return FindFileIgnoringCase(path);
  };

  EXPECT_EQ(Locate(environment), Tree.Path("share/" + SuiteIni));
  for (const QString& path : looked)
    for (const QString drive : {"usb", "dvd", "run", "auto"})
      EXPECT_FALSE(path.startsWith(Tree.Path(drive))) << path.toStdString();
}

TEST_F(ConfigFileSearchTest, VanishedRoadpostIsReported) {
  Tree.WriteFile(ProgramFolder + "/Roadpost.ini", "x");
  TConfigSearchEnvironment environment = Tree.Environment(ProgramFolder, Drives());
  const bool mobile = IsMobileInstallation(environment);
  ASSERT_TRUE(mobile);
  QFile::remove(Tree.Path(ProgramFolder + "/Roadpost.ini"));

  EXPECT_EQ(ThrownMessage<EIniFileError>(
                [&] { LocateConfigFile(environment, mobile, KeystaneIniSearchTexts()); }),
            "Roadpost.ini not found");
  EXPECT_EQ(ThrownMessage<EIniFileError>(
                [&] { LocateConfigFile(environment, mobile, ConfigFolderSearchTexts()); }),
            "ROADPOST.INI not found");
}

TEST_F(ConfigFileSearchTest, GetConfigFolderGivesTheFoldersOfTheSameSearch) {
  const TConfigSearchEnvironment environment = Tree.Environment(ProgramFolder, Drives());
  EXPECT_EQ(ThrownMessage<EIniFileError>([&] { GetConfigFolder(environment); }),
            "KEYSTANE.INI not found.");

  Tree.WriteFile("net/" + SuiteIni, "x");
  EXPECT_EQ(GetConfigFolder(environment), Tree.Path("net/Keystane.Cfg/"));

  Tree.WriteFile(ProgramFolder + "/Roadpost.ini", "x");
  EXPECT_EQ(GetConfigFolder(environment), Tree.Path(ProgramFolder + "/"));
}

TEST_F(ConfigFileSearchTest, GetConfigFolderSearchesForTheGivenProgramFolder) {
  const TScopedConfigSearchEnvironment scoped(Tree.Environment("elsewhere", Drives()));
  Tree.WriteFile("disk1/Apps/" + SuiteIni, "x");
  EXPECT_EQ(GetConfigFolder(Tree.Path(ProgramFolder)), Tree.Path("disk1/Apps/Keystane.Cfg/"));
}

TEST(RunningProgramFolderTest, IsTheExecutablesFolderWithATrailingSlash) {
  const QString exe = QFile::symLinkTarget("/proc/self/exe");
  EXPECT_EQ(RunningProgramFolder(), QFileInfo(exe).absolutePath() + "/");
}

}  // namespace
