#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The built program installed as on a workstation: <root>/Keystane.App/ with
// the configuration in <root>/Keystane.Cfg/, run windowed but off screen.
class ProgramStartupTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(Root.path()).mkpath("Keystane.App"));
    ASSERT_TRUE(QDir(Root.path()).mkpath("Keystane.Cfg"));
    ASSERT_TRUE(QFile::copy(TH_PROGRAM_PATH, Program));
  }

  void WriteConfiguration(const QString& dataSource) {
    QFile ini(Root.filePath("Keystane.Cfg/Keystane.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[DataProvider]\nConnStr=Provider=SQLite;Data Source=" + dataSource.toUtf8() + "\n");
  }

  int Run(const QStringList& args) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(Root.path());
    program.start(Program, args);
    if (!program.waitForFinished(120000)) return -1;
    Err = QString::fromUtf8(program.readAllStandardError());
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  }

  int ErrorDialogs() const {
    int count = 0;
    for (const QString& line : Err.split('\n'))
      if (line.startsWith("error: ")) ++count;
    return count;
  }

  QTemporaryDir Root;
  QString Program = Root.filePath("Keystane.App/tallyhouse");
  QString Err;
};

TEST_F(ProgramStartupTest, AnUnreachableDatabaseEndsStartupWithOneErrorAndAFailureStatus) {
  WriteConfiguration("missing.db");
  EXPECT_EQ(Run({}), 1);
  EXPECT_EQ(ErrorDialogs(), 1) << Err.toStdString();
  EXPECT_TRUE(Err.contains("missing.db")) << Err.toStdString();
  EXPECT_FALSE(QFile::exists(Root.filePath("Keystane.Cfg/missing.db")));
}

TEST_F(ProgramStartupTest, OffScreenTheLoginIsCancelledAndTheProgramEndsCleanly) {
  ASSERT_EQ(Run({"demo-db", Root.filePath("Keystane.Cfg/Tallyhouse-demo.db"), "--scale", "0"}), 0)
      << Err.toStdString();
  WriteConfiguration("Tallyhouse-demo.db");
  EXPECT_EQ(Run({}), 0);
  EXPECT_TRUE(Err.contains("the login is cancelled")) << Err.toStdString();
  EXPECT_EQ(ErrorDialogs(), 0) << Err.toStdString();
}

TEST_F(ProgramStartupTest, AnEmptyCommandLineUserIsRefusedAndTheProgramEndsCleanly) {
  ASSERT_EQ(Run({"demo-db", Root.filePath("Keystane.Cfg/Tallyhouse-demo.db"), "--scale", "0"}), 0)
      << Err.toStdString();
  WriteConfiguration("Tallyhouse-demo.db");
  EXPECT_EQ(Run({"", "FA"}), 0);
  EXPECT_TRUE(Err.contains("Access is denied. User is not authorized to run VedaVavi."))
      << Err.toStdString();
  EXPECT_EQ(ErrorDialogs(), 0) << Err.toStdString();
}

}  // namespace
