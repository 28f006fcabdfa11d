#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

// The whole program, windowed but off screen, started with an empty user
// name: the catalogue window refuses it and start-up ends through the abort
// path, cleanly and by itself.
TEST(ProgramStartupTest, OffscreenStartRefusedAtLoginExitsCleanly) {
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  program.setProcessEnvironment(env);
  program.start(TH_PROGRAM_PATH, {"", "FA"});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
  const QString err = QString::fromUtf8(program.readAllStandardError());
  // Refused at the user name, or earlier if the workstation has no suite to
  // open; either way through the window's creation.
  EXPECT_TRUE(err.contains("Access is denied. User is not authorized to run VedaVavi.") ||
              err.contains(" / Procedure: TfrmJBReportsMain.FormCreate"))
      << err.toStdString();
}

}  // namespace
