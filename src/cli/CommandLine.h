#pragma once

#include <QStringList>

class QTextStream;

// Whether the arguments (program name left out) ask for a headless command
// rather than the window: --version, --help, demo-db, sql, list, run. The
// window's own arguments (a user name and an access level) never do.
bool IsCommandLineRequest(const QStringList& args);

// Runs the command with its own core application object; no display is
// needed. Returns the exit status: 0 done, 2 bad input or failure.
int RunCommandLine(int& argc, char** argv);

// The same on given arguments (program name left out) and streams.
int RunCommand(const QStringList& args, QTextStream& out, QTextStream& err);
