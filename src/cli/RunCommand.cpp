#include "cli/RunCommand.h"

#include "app/ReportFamilyRegistration.h"
#include "cli/CliArguments.h"
#include "cli/HeadlessSession.h"
#include "core/ScriptedPrompts.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/framework/ReportOutput.h"
#include "reports/framework/ScriptedParameterDialogs.h"
#include "security/ScriptedLoginDialogs.h"

#include <QTextStream>

#include <cstdio>

namespace {

const QString kFacilityQuestion = QStringLiteral("Select Your Facility");

struct TRunOptions {
  QString Handler;
  QString Database;
  QString User;    // logs in with a password
  QString AsUser;  // the suite's command-line user and level, no password
  QString Level;
  QString Facility;
  QString OutFile;
  QStringList Answers;                                     // "question=answer"
  std::vector<std::pair<QString, QString>> DialogAnswers;  // name, value
};

// "--as USER LEVEL" takes two values, which the option parser does not do:
// they are taken out here.
QStringList TakeAsUser(QStringList args, TRunOptions& options) {
  const qsizetype at = args.indexOf(QStringLiteral("--as"));
  if (at < 0) return args;
  if (at + 2 >= args.size() || args[at + 1].startsWith(QLatin1String("--")) ||
      args[at + 2].startsWith(QLatin1String("--")))
    throw ECommandLineError(QStringLiteral("--as needs a user name and an access level"));
  options.AsUser = args[at + 1].trimmed();
  options.Level = args[at + 2].trimmed();
  args.remove(at, 3);
  return args;
}

TRunOptions ParseOptions(const QStringList& given) {
  TRunOptions options;
  const QStringList args = TakeAsUser(given, options);
  const QStringList dialogNames = TScriptedParameterDialogs::AnswerNames();
  QStringList valueOptions = {"--db", "--user", "--facility", "--out", "--answer"};
  for (const QString& name : dialogNames) valueOptions << QStringLiteral("--") + name;
  const TCliArguments arguments(args, valueOptions);
  arguments.RequirePositionals(1, RunCommandUsage());
  options.Handler = arguments.Positionals().first();
  options.Database = arguments.Value("--db");
  options.User = arguments.Value("--user").trimmed();
  options.Facility = arguments.Value("--facility").trimmed();
  options.OutFile = arguments.Value("--out");
  options.Answers = arguments.Values("--answer");
  for (const QString& name : dialogNames)
    if (arguments.HasValue(QStringLiteral("--") + name))
      options.DialogAnswers.emplace_back(name, arguments.Value(QStringLiteral("--") + name));

  if (options.User.isEmpty() == options.AsUser.isEmpty())
    throw ECommandLineError(QStringLiteral("give either --user NAME or --as NAME LEVEL"));
  if (options.OutFile.isEmpty()) throw ECommandLineError(QStringLiteral("--out FILE is missing"));
  QString message;
  if (!TFileReportOutput::IsSupported(options.OutFile, &message)) throw ECommandLineError(message);
  return options;
}

// "text=value", split at the last "=" since question texts may hold one.
std::pair<QString, QString> SplitAnswer(const QString& text) {
  const qsizetype at = text.lastIndexOf(QLatin1Char('='));
  if (at <= 0)
    throw ECommandLineError(QStringLiteral("--answer needs QUESTION=ANSWER, not \"") + text +
                            QLatin1Char('"'));
  return {text.left(at), text.mid(at + 1)};
}

// From TALLYHOUSE_PASSWORD, else the first line of standard input, so it
// never shows in the process list.
QString ReadPassword() {
  if (qEnvironmentVariableIsSet("TALLYHOUSE_PASSWORD"))
    return qEnvironmentVariable("TALLYHOUSE_PASSWORD");
  QTextStream in(stdin);
  return in.readLine();
}

bool ShowedProblem(const TScriptedPrompts& prompts) {
  return prompts.Count(TPromptKind::pkWarning) > 0 || prompts.Count(TPromptKind::pkError) > 0;
}

}  // namespace

QString RunCommandUsage() {
  return QStringLiteral(
      "tallyhouse run HANDLER (--user NAME | --as NAME LEVEL) [--db FILE] [--facility CODE] "
      "[--from DATE] [--to DATE] [--date DATE] ... [--answer QUESTION=ANSWER]... --out FILE");
}

int RunReportCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  const TRunOptions options = ParseOptions(args);

  TReportCatalogue& catalogue = ReportCatalogue();
  // Registered before the lookup so an unbuilt entry is refused at once.
  RegisterReportFamilies(catalogue);
  const TReportCatalogueEntry& entry = catalogue.Resolve(options.Handler);
  if (!entry.IsBuilt())
    throw ECommandLineError(options.Handler + QStringLiteral(": ") +
                            TReportCatalogue::NotBuiltHint());

  TScriptedPrompts prompts;
  prompts.SetEchoToStdErr(true);
  // The window's facility choice comes first; later facility pickers take
  // the same facility unless an --answer for them follows.
  if (!options.Facility.isEmpty()) prompts.AddAnswer(kFacilityQuestion, options.Facility);
  for (const QString& answer : options.Answers) {
    const auto [question, reply] = SplitAnswer(answer);
    prompts.AddAnswer(question, reply);
  }

  TScriptedParameterDialogs dialogs;
  for (const auto& [name, value] : options.DialogAnswers) dialogs.SetAnswer(name, value);

  TScriptedLoginDialogs logins;
  logins.SetCancelWhenExhausted(true);
  THeadlessLogin login;
  login.Database = options.Database;
  if (!options.User.isEmpty()) {
    logins.AddLogin(options.User, ReadPassword());
  } else {
    login.AsUser = options.AsUser;
    login.Level = options.Level;
  }

  TFileReportOutput output(options.OutFile);
  THeadlessSession session(login, prompts, logins, dialogs, output, catalogue);
  if (!session.LoggedIn()) {
    err << "tallyhouse run: the login or the facility choice did not complete\n";
    return rxBadInput;
  }
  if (!session.EntryAllowed(entry)) {
    err << "tallyhouse run: " << options.Handler << " is not available to this user\n";
    return rxBadInput;
  }
  session.Run(entry);

  for (const QString& file : output.Written()) out << file << '\n';
  if (!output.Written().isEmpty()) return rxPrinted;
  if (!dialogs.Refusal().isEmpty()) return rxBadInput;
  return ShowedProblem(prompts) ? rxBadInput : rxNoData;
}
