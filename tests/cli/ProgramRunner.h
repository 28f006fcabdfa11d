#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct TRun {
  int ExitCode = -1;
  QString Out;
  QString Err;
};

// The built program, as a user runs it from a shell without a display:
// extra environment variables as given, standard input as given.
inline TRun RunProgram(const QStringList& args,
                       const QList<QPair<QString, QString>>& environment = {},
                       const QByteArray& input = {}) {
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  env.remove("TALLYHOUSE_PASSWORD");
  for (const auto& [name, value] : environment) env.insert(name, value);
  program.setProcessEnvironment(env);
  program.start(TH_PROGRAM_PATH, args);
  if (!input.isNull()) program.write(input);
  program.closeWriteChannel();
  if (!program.waitForFinished(120000)) return {};
  TRun run;
  run.ExitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  run.Out = QString::fromUtf8(program.readAllStandardOutput());
  run.Err = QString::fromUtf8(program.readAllStandardError());
  return run;
}
