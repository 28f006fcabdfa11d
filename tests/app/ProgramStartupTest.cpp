#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

// The whole program, windowed but off screen: it must get through the
// splash and end by itself even though no catalogue window exists yet.
TEST(ProgramStartupTest, OffscreenStartReachesTheEndOfStartupAndExitsCleanly) {
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  program.setProcessEnvironment(env);
  program.start(TH_PROGRAM_PATH, {});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
  EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError())
                  .contains("The report catalogue is not available in this build."));
}

}  // namespace
