#include "cli/RunCommand.h"

#include "app/ReportFamilyRegistration.h"
#include "app/StartupModules.h"
#include "app/fmJBReportsMain.h"
#include "cli/CliArguments.h"
#include "cli/RunWorkstation.h"
#include "core/ScriptedPrompts.h"
#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/ReportSettingsStorage.h"
#include "reports/framework/ParameterDialogs.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/framework/ReportOutput.h"
#include "reports/framework/ScriptedParameterDialogs.h"
#include "security/LoginDialogs.h"
#include "security/ScriptedLoginDialogs.h"

#include <QAction>
#include <QTextStream>

#include <cstdio>
#include <optional>

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

// The modules start-up creates before the catalogue window, in its order,
// destroyed in reverse order however the run ends.
class TRunModules {
 public:
  TRunModules() {
    for (const TStartupSlot& slot : ProgramStartupSlots())
      if (slot.Available() && slot.Step < TStartupSequence::StepCount) FSlots.push_back(slot);
    for (const TStartupSlot& slot : FSlots) {
      slot.Create();
      ++FCreated;
    }
  }
  ~TRunModules() {
    for (int i = FCreated - 1; i >= 0; --i) {
      try {
        FSlots[size_t(i)].Destroy();
      } catch (...) {
        // Ending the session must not hide the run's own outcome.
      }
    }
  }
  TRunModules(const TRunModules&) = delete;
  TRunModules& operator=(const TRunModules&) = delete;

 private:
  std::vector<TStartupSlot> FSlots;
  int FCreated = 0;
};

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
  QStringList windowArguments;
  if (!options.User.isEmpty())
    logins.AddLogin(options.User, ReadPassword());
  else
    windowArguments = {options.AsUser, options.Level};

  std::optional<TRunWorkstation> workstation;
  if (!options.Database.isEmpty()) workstation.emplace(options.Database);

  TUserPromptsScope promptsScope(prompts);
  TParameterDialogsScope dialogsScope(dialogs);
  TLoginDialogsScope loginScope(logins);
  TStandardDeviceRegistration devices;
  TppIniNoneRegistration settingsStorage;
  TFileReportOutput output(options.OutFile);
  TReportOutputScope outputScope(output);

  TRunModules modules;
  TfrmJBReportsMain window(windowArguments, catalogue);
  if (window.UserAbortedLogin()) {
    err << "tallyhouse run: the login or the facility choice did not complete\n";
    return rxBadInput;
  }
  window.SetAccessLevel();
  window.UpdateActions();
  if (QAction* item = window.MenuItem(entry.ItemName); item && !item->isEnabled()) {
    err << "tallyhouse run: " << options.Handler << " is not available to this user\n";
    return rxBadInput;
  }

  catalogue.Run(entry);

  for (const QString& file : output.Written()) out << file << '\n';
  if (!output.Written().isEmpty()) return rxPrinted;
  if (!dialogs.Refusal().isEmpty()) return rxBadInput;
  return ShowedProblem(prompts) ? rxBadInput : rxNoData;
}
