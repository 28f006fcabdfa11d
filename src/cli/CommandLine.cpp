#include "cli/CommandLine.h"

#include "app/VersionInfo.h"
#include "cli/CliArguments.h"
#include "cli/DemoDatabase.h"
#include "cli/ListCommand.h"
#include "cli/SqlCommand.h"
#include "core/Exception.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

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
      "  tallyhouse run HANDLER ...      run one catalogue entry headless\n"
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
      err << "tallyhouse " << command << ": not available in this build\n";
      return kExitBadInput;
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
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int status = RunCommand(QCoreApplication::arguments().mid(1), out, err);
  out.flush();
  err.flush();
  return status;
}
