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
  QString AsUser;  // the suite's command-line user, no password
  QString Level;   // that user's access level
  QString Facility;
  QString OutFile;
  QStringList Answers;     // "question=answer"
  QStringList DialogSets;  // "name=value"
};

TRunOptions ParseOptions(const QStringList& args) {
  const TCliArguments arguments(
      args, {"--db", "--user", "--as", "--level", "--facility", "--out", "--answer", "--set"});
  arguments.RequirePositionals(1, RunCommandUsage());
  TRunOptions options;
  options.Handler = arguments.Positionals().first();
  options.Database = arguments.Value("--db");
  options.User = arguments.Value("--user").trimmed();
  options.AsUser = arguments.Value("--as").trimmed();
  options.Level = arguments.Value("--level", QStringLiteral("FA")).trimmed();
  options.Facility = arguments.Value("--facility").trimmed();
  options.OutFile = arguments.Value("--out");
  options.Answers = arguments.Values("--answer");
  options.DialogSets = arguments.Values("--set");

  if (options.User.isEmpty() == options.AsUser.isEmpty())
    throw ECommandLineError(QStringLiteral("give either --user NAME or --as NAME"));
  if (options.OutFile.isEmpty()) throw ECommandLineError(QStringLiteral("--out FILE is missing"));
  QString message;
  if (!TFileReportOutput::IsSupported(options.OutFile, &message)) throw ECommandLineError(message);
  return options;
}

// "text=value", split at the last "=" since question texts may hold one.
std::pair<QString, QString> SplitAnswer(const QString& option, const QString& text) {
  const qsizetype at = text.lastIndexOf(QLatin1Char('='));
  if (at <= 0)
    throw ECommandLineError(option + QStringLiteral(" needs TEXT=ANSWER, not \"") + text +
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
      "tallyhouse run HANDLER (--user NAME | --as NAME [--level LEVEL]) [--db FILE] "
      "[--facility CODE] [--set NAME=VALUE]... [--answer QUESTION=ANSWER]... --out FILE");
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
  for (const QString& answer : options.Answers) {
    const auto [question, reply] = SplitAnswer(QStringLiteral("--answer"), answer);
    prompts.AddAnswer(question, reply);
  }
  if (!options.Facility.isEmpty()) prompts.AddAnswer(kFacilityQuestion, options.Facility);

  TScriptedParameterDialogs dialogs;
  const QStringList dialogNames = TScriptedParameterDialogs::AnswerNames();
  for (const QString& set : options.DialogSets) {
    const auto [name, value] = SplitAnswer(QStringLiteral("--set"), set);
    if (!dialogNames.contains(name))
      throw ECommandLineError(QStringLiteral("--set knows no dialog value \"") + name +
                              QStringLiteral("\"; use one of ") +
                              dialogNames.join(QStringLiteral(", ")));
    dialogs.SetAnswer(name, value);
  }

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
