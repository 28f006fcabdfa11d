#include "data/sqlite/EmbeddedDatabaseSupport.h"
#include "app/LoadedModules.h"
#include "app/utKsCrystalEx.h"
#include "app/utKsReportList.h"
#include "core/RegionalFormats.h"
#include "core/ScriptedPrompts.h"
#include "data/KsSQLDatabase.h"
#include "fixtures/SuiteTestDatabase.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

// Reports of two program groups in the configuration database; a menu that
// already holds one item; the fake report library writing its calls to a
// file of the test's own.
class KsReportListTest : public testing::Test {
 protected:
  void SetUp() override {
    InstallEmbeddedDatabaseSupport();
    Db.emplace();
    Db->Exec(
        "INSERT INTO CfgReports (UniqueKey, Title, FileName, SingleRecordRpt, "
        "ReportNumParamName) VALUES "
        "('R1', 'Zeta Census', 'census.rpt', 1, 'FACILITY'), "
        "('R2', 'Alpha & Omega', 'alpha.rpt', 1, 'UniqueKey'), "
        "('R3', 'Multi', 'multi.rpt', 0, 'FACILITY'), "
        "('R4', 'Other Group', 'other.rpt', 1, 'FACILITY')");
    Db->Exec(
        "INSERT INTO CfgReportApplicability (FK_Report, ProgramGroup, ReportType, DefaultReport) "
        "VALUES ('R1', 'JAIL', 'JAILBOOKMISC', 1), ('R2', 'JAIL', 'JAILBOOKMISC', 1), "
        "('R3', 'JAIL', 'JAILBOOKMISC', 0), ('R4', 'RMS', 'JAILBOOKMISC', 1)");
    Cfg.SetConnectString(Db->ConnectString());
    Menu.addAction("Sentenced");
    List.LibraryName = TH_FAKE_REPORT_LIBRARY;
    ASSERT_TRUE(LogDir.isValid());
    qputenv("TH_FAKE_REPORT_LOG", LogFile().toLocal8Bit());
    FPrompts.emplace(Prompts);
  }

  void TearDown() override {
    FPrompts.reset();
    qunsetenv("TH_FAKE_REPORT_LOG");
  }

  QString LogFile() const { return LogDir.filePath("calls.log"); }
  QStringList LibraryCalls() const {
    QFile file(LogFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }

  void Build(TKsReportList::TReportKind AKind = TKsReportList::rkSingleRecord,
             const QStringList& ATypes = {"JAILBOOKMISC"}) {
    List.BuildReportsMenu(&Cfg, "JAIL", ATypes, &Menu, AKind);
  }

  QStringList Titles() const {
    QStringList titles;
    for (const auto& report : List.Reports()) titles << report->Title;
    return titles;
  }

  std::optional<TSuiteTestDatabase> Db;
  TKsSQLDatabase Cfg{"dbCFG"};
  QMenu Menu;
  TKsReportList List;
  QTemporaryDir LogDir;
  TScriptedPrompts Prompts;

 private:
  std::optional<TUserPromptsScope> FPrompts;
};

TEST_F(KsReportListTest, BuildsTheGroupsReportsInTitleOrderAtTheEndOfTheMenu) {
  List.SetReportNum("MAIN");
  List.SetUniqueKey("KEY22");
  Build();

  EXPECT_EQ(Titles(), (QStringList{"Alpha & Omega", "Zeta Census"}));
  QStringList items;
  for (QAction* action : Menu.actions()) items << action->text();
  // A title's "&" is shown, not taken as an accelerator.
  EXPECT_EQ(items, (QStringList{"Sentenced", "Alpha && Omega", "Zeta Census"}));
  EXPECT_EQ(List.Reports()[0]->MenuItem->data().toInt(), 0);
  EXPECT_EQ(List.Reports()[1]->MenuItem->data().toInt(), 1);
  // The first flagged in title order is the default.
  EXPECT_EQ(List.DefaultReport(), List.Reports()[0].get());
  EXPECT_EQ(List.Reports()[0]->ParamValues.toString(), "KEY22");
  EXPECT_EQ(List.Reports()[1]->ParamValues.toString(), "MAIN");
  EXPECT_EQ(List.Reports()[1]->FullFileName(),
            QCoreApplication::applicationDirPath() + "/census.rpt");

  List.SetReportNum("ANNEX");
  EXPECT_EQ(List.Reports()[1]->ParamValues.toString(), "ANNEX");
  EXPECT_EQ(List.Reports()[0]->ParamValues.toString(), "KEY22");
}

TEST_F(KsReportListTest, KindAndTypesNarrowTheReports) {
  struct TCase {
    TKsReportList::TReportKind Kind;
    QStringList Types;
    QStringList Titles;
  };
  for (const TCase& c :
       {TCase{TKsReportList::rkMultiRecord, {"JAILBOOKMISC"}, {"Multi"}},
        TCase{TKsReportList::rkAll, {"JAILBOOKMISC"}, {"Alpha & Omega", "Multi", "Zeta Census"}},
        TCase{TKsReportList::rkSingleRecord, {"JAILCHARTSMISC"}, {}},
        TCase{TKsReportList::rkSingleRecord,
              {"X'Y", "JAILBOOKMISC"},
              {"Alpha & Omega", "Zeta Census"}}}) {
    Build(c.Kind, c.Types);
    EXPECT_EQ(Titles(), c.Titles);
    // Rebuilding replaces the items instead of adding to them.
    EXPECT_EQ(Menu.actions().size(), 1 + c.Titles.size());
  }
  EXPECT_EQ(TKsReportList::ReportTypeMacro({"A", "B'C"}), "AND U.ReportType IN ('A','B''C')");
  EXPECT_EQ(TKsReportList::ReportTypeMacro({}), "");
}

TEST_F(KsReportListTest, PrintingOpensTheFileThroughTheLibraryWithItemsDisabledMeanwhile) {
  List.SetReportNum("MAIN");
  Build();
  QStringList events;
  List.BeforePrint = [&](TKsReportList& sender) {
    events << "before";
    for (const auto& report : sender.Reports()) EXPECT_FALSE(report->MenuItem->isEnabled());
  };
  List.AfterPrint = [&](TKsReportInfo&, const QString& title, const QVariant& value) {
    events << "after " + title + " " + value.toString();
  };
  List.Reports()[1]->MenuItem->trigger();

  EXPECT_EQ(events, (QStringList{"before", "after Zeta Census MAIN"}));
  EXPECT_EQ(LibraryCalls(),
            (QStringList{"SetShowSummary|0", "SetSelectPrinter|0",
                         "PassParametersAndShow|" + List.Reports()[1]->FullFileName(),
                         "Parameters|FACILITY=MAIN\r"}));
  for (const auto& report : List.Reports()) EXPECT_TRUE(report->MenuItem->isEnabled());
}

TEST_F(KsReportListTest, ACancelledPrintOpensNothingAndFreesTheItems) {
  List.SetReportNum("MAIN");
  List.SetUniqueKey("KEY22");
  Build();
  bool after = false;
  List.BeforePrint = [](TKsReportList& sender) { sender.CancelPrint = true; };
  List.AfterPrint = [&](TKsReportInfo&, const QString&, const QVariant&) { after = true; };
  List.PrintDefaultReport();

  EXPECT_TRUE(LibraryCalls().isEmpty());
  EXPECT_FALSE(after);
  EXPECT_FALSE(List.CancelPrint);
  for (const auto& report : List.Reports()) EXPECT_TRUE(report->MenuItem->isEnabled());
}

TEST_F(KsReportListTest, ASingleRecordReportNeedsAReportNumber) {
  Build();  // no report number set
  try {
    List.Reports()[1]->Print();
    FAIL() << "printed without a report number";
  } catch (const EKsReportListError& e) {
    EXPECT_EQ(e.Message(), "Report number parameter cannot be blank for a single-record report");
  }
  EXPECT_TRUE(LibraryCalls().isEmpty());
}

TEST_F(KsReportListTest, ALibraryThatCannotBeLoadedIsReportedAndNothingIsAsked) {
  List.SetReportNum("MAIN");
  List.LibraryName = LogDir.filePath("missing.so");
  Build();
  bool asked = false;
  List.BeforePrint = [&](TKsReportList&) { asked = true; };
  List.Reports()[1]->MenuItem->trigger();

  EXPECT_EQ(Prompts.Texts(TPromptKind::pkError),
            QStringList{LogDir.filePath("missing.so") + " Could not be loaded."});
  EXPECT_FALSE(asked);
  EXPECT_TRUE(List.Reports()[1]->MenuItem->isEnabled());
}

TEST(KsCrystalExTest, ALibraryWithoutTheRequiredProceduresIsRefused) {
  // Any real library of the process lacks them; the C library is always there.
  QString libc;
  const auto modules = LoadedModules();
  ASSERT_TRUE(modules.has_value());
  for (const TLoadedModule& module : *modules)
    if (module.Name.startsWith("libc.so")) libc = module.Path;
  ASSERT_FALSE(libc.isEmpty());
  try {
    TKsCrystalEx runner(libc);
    FAIL() << "loaded a library without the report procedures";
  } catch (const EKsCrystalError& e) {
    EXPECT_EQ(e.Message(), "Procedure PassParametersAndShow not found in " + libc + ".");
  }
}

TEST(KsCrystalExTest, ANameWithoutAFolderIsLookedForInTheLibraryFolder) {
  TScriptedPrompts prompts;
  TUserPromptsScope scope(prompts);
  TKsCrystalEx runner("libNoSuchReports.so", "/opt/keystane/lib");
  EXPECT_FALSE(runner.Loaded());
  EXPECT_EQ(runner.LibraryFile(), "/opt/keystane/lib/libNoSuchReports.so");
  EXPECT_EQ(prompts.Texts(TPromptKind::pkError),
            QStringList{"/opt/keystane/lib/libNoSuchReports.so Could not be loaded."});
  // An unloaded runner opens nothing and unloads quietly.
  runner.PassParamsAndOpen(nullptr, nullptr, "x.rpt", "A", "1");
  EXPECT_NO_THROW(runner.Unload());
}

TEST(KsCrystalExTest, ParametersBecomeNameValueLines) {
  const QDateTime start(QDate(2015, 3, 5), QTime(0, 0), Qt::UTC);
  struct TCase {
    QString Names;
    QVariant Values;
    QString Text;
  };
  for (const TCase& c :
       {TCase{"FACILITY", "MAIN", "FACILITY=MAIN\r\n"},
        TCase{"FAC;START;STARTTEXT", QVariantList{"MAIN", start, "03/05/2015"},
              "FAC=MAIN\r\nSTART=" + DateTimeToStr(start) + "\r\nSTARTTEXT=03/05/2015\r\n"},
        TCase{"A;B", QVariantList{"1"}, "A=1\r\nB=\r\n"}})
    EXPECT_EQ(TKsCrystalEx::ParameterText(c.Names, c.Values), c.Text) << c.Names.toStdString();
}

}  // namespace
