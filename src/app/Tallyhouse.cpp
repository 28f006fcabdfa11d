// Program entry: the headless commands, or the windowed program.
#include "data/sqlite/EmbeddedDatabaseSupport.h"
#include "app/ProgramStartup.h"
#include "cli/CommandLine.h"

#include <QStringList>

int main(int argc, char** argv) {
  InstallEmbeddedDatabaseSupport();
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (IsCommandLineRequest(args)) return RunCommandLine(argc, argv);
  return RunGuiProgram(argc, argv);
}
