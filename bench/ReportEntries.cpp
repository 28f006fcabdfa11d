// Catalogue entries on the demo database at its default size, run as the
// window runs them after the dialog's OK: every answer is scripted, so the
// time is what the user waits for between OK and the first page on screen
// (the pages are generated in full, two passes, before the preview opens).
// The long roster with cases and charges for all facilities is also timed
// to a PDF file.
//
//   bench_ReportEntries [--benchmark_filter=LongReport1Click]
//
// Targets: OK to first page under 1 s for each entry; the long roster for
// all facilities to PDF under 3 s. Ranges cover the demo's years of
// bookings, and the last 31 days of the jail log. Counters: pages and
// delivered reports.

#include "cli/DemoDatabase.h"
#include "cli/HeadlessSession.h"
#include "core/ScriptedPrompts.h"
#include "data/sqlite/EmbeddedDatabaseSupport.h"
#include "reports/engine/ReportDocument.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/framework/ScriptedParameterDialogs.h"
#include "security/ScriptedLoginDialogs.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Counts what a run delivers instead of showing it.
class TCountingOutput : public IReportOutput {
 public:
  void Deliver(const TReportDocument& document) override {
    ++Reports;
    Pages += int(document.Pages.size());
  }
  int Reports = 0;
  int Pages = 0;
};

// Switches deliveries to a PDF file for the runs that measure it.
class TSwitchableOutput : public IReportOutput {
 public:
  void Deliver(const TReportDocument& document) override {
    Counter.Deliver(document);
    if (File) File->Deliver(document);
  }
  TCountingOutput Counter;
  std::unique_ptr<TFileReportOutput> File;
};

const QStringList kAllFacilities = {QStringLiteral("MAIN,ANNX,WRC")};

struct TWorld {
  TWorld() {
    InstallEmbeddedDatabaseSupport();
    const QString database = Dir.filePath(QStringLiteral("demo.db"));
    CreateDemoDatabase(database);
    Prompts.AddAnswer(QStringLiteral("Select Your Facility"), QStringLiteral("MAIN"));
    THeadlessLogin login;
    login.Database = database;
    login.AsUser = QStringLiteral("DEMO");
    login.Level = QStringLiteral("FA");
    Session = std::make_unique<THeadlessSession>(login, Prompts, Logins, Dialogs, Output,
                                                 ReportCatalogue());
    // Later questions of the facility picker take every facility.
    Prompts.AddAnswer(QStringLiteral("Select Your Facility"), kAllFacilities.first());
    Prompts.AddAnswer(QStringLiteral("Include checked out inmates?"), QStringLiteral("Yes"));
    Prompts.AddAnswer(QStringLiteral("Do you want to show the inmates on this report?"),
                      QStringLiteral("Yes"));
    Prompts.AddAnswer(QStringLiteral("Which Cases you want to print ?"), QStringLiteral("1"));
    Dialogs.SetAnswer(QStringLiteral("dorm-from"), QStringLiteral("A"));
    Dialogs.SetAnswer(QStringLiteral("dorm-to"), QStringLiteral("J"));
  }

  QTemporaryDir Dir;
  TScriptedPrompts Prompts;
  TScriptedLoginDialogs Logins;
  TScriptedParameterDialogs Dialogs;
  TSwitchableOutput Output;
  std::unique_ptr<THeadlessSession> Session;
};

TWorld& World() {
  static TWorld world;
  return world;
}

const QStringList kJailLogEntries = {"btnSpecAllClick",
                                     "SpecifyDateByLogCodeClick",
                                     "SpecifyDateByOfficerClick",
                                     "JailLogNo1Click",
                                     "SpecifyDateByBookNoClick",
                                     "DormDateByDateClick",
                                     "DormDateByLogCodeClick",
                                     "SpecifyDormDateByOfficerClick",
                                     "SpecifyDormDateByJailLogNoClick",
                                     "SpecifyDormDateByBookNoClick",
                                     "Sup1Click"};

void RunEntry(benchmark::State& state, const char* handler, bool toPdf) {
  TWorld& world = World();
  const QDate day = QDate::currentDate();
  const bool log = kJailLogEntries.contains(QString::fromLatin1(handler));
  world.Dialogs.SetAnswer(QStringLiteral("from"),
                          (log ? day.addDays(-31) : QDate(2015, 1, 1)).toString("MM/dd/yyyy") +
                              QStringLiteral(" 12:00 AM"));
  world.Dialogs.SetAnswer(
      QStringLiteral("to"),
      (log ? day : QDate(2030, 12, 31)).toString("MM/dd/yyyy") + QStringLiteral(" 11:59 PM"));
  // The as-of dialogs take a moment, the single-day dialog a day alone.
  const QString today = day.toString("MM/dd/yyyy");
  world.Dialogs.SetAnswer(QStringLiteral("date"),
                          qstrcmp(handler, "mniRosterForSpecificDateClick") == 0
                              ? today
                              : today + QStringLiteral(" 11:59 PM"));
  const TReportCatalogueEntry& entry = ReportCatalogue().Resolve(QString::fromLatin1(handler));
  if (!entry.IsBuilt()) {
    state.SkipWithError("not built");
    return;
  }
  world.Output.Counter = TCountingOutput();
  for (auto _ : state) {
    if (toPdf)
      world.Output.File = std::make_unique<TFileReportOutput>(
          world.Dir.filePath(QStringLiteral("%1.pdf").arg(handler)));
    world.Session->Run(entry);
    world.Output.File.reset();
  }
  const double runs = double(state.iterations());
  state.counters["reports"] = world.Output.Counter.Reports / runs;
  state.counters["pages"] = world.Output.Counter.Pages / runs;
  if (world.Output.Counter.Reports == 0) {
    const QStringList messages = world.Prompts.Texts();
    static QByteArray error;
    error = ("nothing printed: " + messages.value(messages.size() - 1)).toUtf8();
    state.SkipWithError(error.constData());
  }
}

const char* const kEntries[] = {
    // Rosters by name
    "ShortReport1Click",
    "ShortReportInactiveClick",
    "LongReport1Click",
    "LongReportInactiveClick",
    "SpecifyDateTimeRange1Click",
    "SpecifyInactiveDateTimeRange1Click",
    "mniRosterForSpecificDateClick",
    // Head count and inmate count
    "HCAsofNowClick",
    "HCSpecifyDateClick",
    "Active4Click",
    "Inactive1Click",
    "BothActiveInactive1Click",
    "ActAsOfInmateCountClick",
    "InactAsOfInmateCountClick",
    "AsOfBothInmateCountClick",
};

void RegisterEntries() {
  static std::vector<QByteArray> logNames;
  for (const QString& name : kJailLogEntries) logNames.push_back(name.toLatin1());
  std::vector<const char*> handlers(std::begin(kEntries), std::end(kEntries));
  for (const QByteArray& name : logNames) handlers.push_back(name.constData());
  for (const char* handler : handlers)
    benchmark::RegisterBenchmark(handler,
                                 [handler](benchmark::State& s) { RunEntry(s, handler, false); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
  benchmark::RegisterBenchmark("LongReport1Click/AllFacilitiesToPdf",
                               [](benchmark::State& s) { RunEntry(s, "LongReport1Click", true); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(3);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterEntries();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
