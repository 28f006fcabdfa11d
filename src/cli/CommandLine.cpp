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
      "  tallyhouse run HANDLER (--user NAME | --as NAME LEVEL) [--db FILE]\n"
      "                [--facility CODE] [dialog answers] [--answer QUESTION=ANSWER]...\n"
      "                --out FILE\n"
      "                                  run one catalogue entry headless, as the window\n"
      "                                  would after logging in and choosing the facility:\n"
      "    --user NAME                   log in; the password comes from the environment\n"
      "                                  variable TALLYHOUSE_PASSWORD or the first line of\n"
      "                                  standard input, never from the command line\n"
      "    --as NAME LEVEL               the suite's command-line user and access level\n"
      "    --db FILE                     the embedded database (default: the configured one)\n"
      "    --facility CODE               the facility to log in to, also the answer of\n"
      "                                  later facility pickers unless --answer follows\n"
      "    --from, --to DATE [TIME]      a range: \"03/05/2015\" or \"03/05/2015 2:07 PM\"\n"
      "    --from-time, --to-time TIME   the range's times when given apart\n"
      "    --date DATE [TIME], --time    a day or moment (as-of and single-date dialogs)\n"
      "    --dorm-from, --dorm-to CODE   a dorm range; --destination TEXT a destination\n"
      "    --cell-from, --cell-to, --cells FROM..TO, --all-cells yes   a cell range\n"
      "    --agency ORG                  the agency to bill; --years N a year count\n"
      "    --inmate BOOKNO               the inmate picked; --cancel yes cancels the dialog\n"
      "    --answer QUESTION=ANSWER      a message-box answer (Yes, No, OK, Cancel), a\n"
      "                                  choice's caption or number, or the rows of a\n"
      "                                  pick list (comma-separated); repeatable; an\n"
      "                                  unanswered question is an error naming it\n"
      "    --out FILE                    .pdf, .txt, .csv, .xlsx, or .png (one per page)\n"
      "                                  exit status: 0 printed, 1 no data, 2 bad input\n"
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
