#include "cli/CommandLine.h"

#include "app/VersionInfo.h"
#include "cli/CliArguments.h"
#include "cli/DemoDatabase.h"
#include "cli/ListCommand.h"
#include "cli/RunCommand.h"
#include "cli/SqlCommand.h"
#include "core/Exception.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {
constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;

const QString kDemoDbUsage = QStringLiteral("tallyhouse demo-db FILE [--seed N] [--scale N]");

QString HelpText() {
  return QStringLiteral(
      "Usage:\n"
      "  tallyhouse [USER ACCESSLEVEL]   start the report catalogue window\n"
      "  tallyhouse --version            print the version block\n"
      "  tallyhouse --help               print this help\n"
      "  tallyhouse demo-db FILE [--seed N] [--scale N]\n"
      "                                  create a demo database (never replaces FILE)\n"
      "  tallyhouse sql [--db FILE] [--translate] \"T-SQL\"\n"
      "                                  run one batch on the embedded database (the\n"
      "                                  configured one unless --db is given) and print\n"
      "                                  the rows as CSV\n"
      "  tallyhouse list                 list the report catalogue: menu path, item,\n"
      "                                  handler, shown or hidden, built or not yet\n"
      "  tallyhouse run HANDLER (--user NAME | --as NAME [--level LEVEL]) [--db FILE]\n"
      "                [--facility CODE] [--set NAME=VALUE]... [--answer QUESTION=ANSWER]...\n"
      "                --out FILE.(pdf|txt|csv|png|xlsx)\n"
      "                                  run one catalogue entry headless; the password\n"
      "                                  of --user comes from TALLYHOUSE_PASSWORD or the\n"
      "                                  first line of standard input; --set answers the\n"
      "                                  entry's dialog (from, to, date, ...), --answer its\n"
      "                                  questions; exit 0 printed, 1 no data, 2 bad input\n"
      "Errors go to standard error with exit status 2.\n");
}

void RunDemoDb(const QStringList& args) {
  const TCliArguments arguments(args, {QStringLiteral("--seed"), QStringLiteral("--scale")});
  arguments.RequirePositionals(1, kDemoDbUsage);
  TDemoDatabaseOptions options;
  options.Seed = arguments.CountValue(QStringLiteral("--seed"), options.Seed);
  options.Scale = arguments.CountValue(QStringLiteral("--scale"), options.Scale);
  CreateDemoDatabase(arguments.Positionals().first(), options);
}
}  // namespace

bool IsCommandLineRequest(const QStringList& args) {
  static const QStringList kCommands = {QStringLiteral("--version"), QStringLiteral("--help"),
                                        QStringLiteral("-h"),        QStringLiteral("demo-db"),
                                        QStringLiteral("sql"),       QStringLiteral("list"),
                                        QStringLiteral("run")};
  return !args.isEmpty() && kCommands.contains(args.first());
}

int RunCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  const QString command = args.value(0);
  const QStringList rest = args.mid(1);
  try {
    if (command == QLatin1String("--version")) {
      if (!rest.isEmpty()) throw ECommandLineError(QStringLiteral("usage: tallyhouse --version"));
      out << TVersionInfo::BlockText();
    } else if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
      out << HelpText();
    } else if (command == QLatin1String("demo-db")) {
      RunDemoDb(rest);
    } else if (command == QLatin1String("sql")) {
      RunSqlCommand(rest, out);
    } else if (command == QLatin1String("list")) {
      RunListCommand(rest, out);
    } else if (command == QLatin1String("run")) {
      return RunReportCommand(rest, out, err);
    } else {
      throw ECommandLineError(QStringLiteral("unknown command ") + command +
                              QStringLiteral("; see tallyhouse --help"));
    }
  } catch (const std::exception& e) {
    out.flush();
    err << "tallyhouse " << command << ": " << ExceptionMessage(e) << '\n';
    return kExitBadInput;
  }
  return kExitOk;
}

int RunCommandLine(int& argc, char** argv) {
  // A report run lays out and renders pages and builds the catalogue's
  // window without showing it: widgets on the display-less platform.
  const bool reportRun = argc > 1 && qstrcmp(argv[1], "run") == 0;
  if (reportRun && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (reportRun && !qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    // Qt's own fallback, made quietly rather than with a warning each run.
    const QString runtime =
        QDir::tempPath() + QStringLiteral("/runtime-") + qEnvironmentVariable("USER", "tallyhouse");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
  std::unique_ptr<QCoreApplication> app = reportRun
                                              ? std::make_unique<QApplication>(argc, argv)
                                              : std::make_unique<QCoreApplication>(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int status = RunCommand(QCoreApplication::arguments().mid(1), out, err);
  out.flush();
  err.flush();
  return status;
}
