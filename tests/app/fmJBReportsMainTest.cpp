#include "JBReportsMainTestDb.h"

#include "app/fmJail_Progress.h"
#include "app/utKsReportList.h"
#include "reports/framework/ParameterDialogs.h"
#include "reports/framework/ScriptedParameterDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QString kDenied = "Access is denied. User is not authorized to run VedaVavi.";

QStringList StatusTexts(const TfrmJBReportsMain& window) {
  QStringList texts;
  for (int i = 0; i < TfrmJBReportsMain::StatusPanelCount; ++i)
    texts << window.StatusPanel(i)->text();
  return texts;
}

// --- creation: login, access check, facility --------------------------------

using JBReportsMainCreateTest = JBReportsMainTestDb;

TEST_F(JBReportsMainCreateTest, DialogLoginFillsTheSessionAndWritesTheLogInRow) {
  Dialogs.AddLogin("DEMO", "DEMO2024");
  Prompts.AddAnswer("Select Your Facility", "ANNEX");
  TfrmJBReportsMain& window = NewWindow();

  ASSERT_FALSE(window.UserAbortedLogin()) << Prompts.Texts().join('\n').toStdString();
  ASSERT_EQ(Dialogs.ShownLoginDialogs().size(), 1u);
  EXPECT_TRUE(Dialogs.ShownLoginDialogs()[0].Caption.contains("Dira Zivurirova Zodera"));
  const TdtmJailAdminReports& session = *dtmJailAdminReports;
  EXPECT_EQ(session.xsJBUserName, "DEMO");
  EXPECT_EQ(session.xsJBAccessLevel, "FA");
  EXPECT_EQ(session.xsJBCLASSIAccessLevel, "FA");
  EXPECT_EQ(session.xsJBViewJuvenileInfoAccessLevel, "FA");
  // Chosen from two facilities: taken trimmed.
  EXPECT_EQ(session.xsFacilityID, "ANNEX");
  EXPECT_EQ(session.xsFacilityDesc, "Annex");
  EXPECT_EQ(session.xsInmatesOnJail, 1);
  EXPECT_EQ(LogRows(), QStringList{"24|DEMO|Log In Jail Reports "});
  // The strip stays up until the window is shown.
  EXPECT_TRUE(frmJail_Progress);
}

TEST_F(JBReportsMainCreateTest, CommandLineUserAndLevelNeedNoDialog) {
  Prompts.AddAnswer("Select Your Facility", "MAIN");
  TfrmJBReportsMain& window = NewWindow({" CLERK ", " FA "});

  ASSERT_FALSE(window.UserAbortedLogin()) << Prompts.Texts().join('\n').toStdString();
  EXPECT_TRUE(Dialogs.ShownLoginDialogs().empty());
  EXPECT_EQ(dtmJailAdminReports->xsJBUserName, "CLERK");
  // The level comes from the command line, not from the database's "RO".
  EXPECT_EQ(dtmJailAdminReports->xsJBAccessLevel, "FA");
  EXPECT_EQ(dtmJailAdminReports->xsJBViewJuvenileInfoAccessLevel, "XX");
  EXPECT_EQ(dtmAccess->UserName(), "CLERK");
  EXPECT_EQ(dtmJailAdminReports->xsInmatesOnJail, 2);
}

struct TRefusalCase {
  const char* Name;
  QStringList Arguments;
  std::function<void(JBReportsMainTestDb&)> Script;
  QStringList Warnings;
};

class JBReportsMainRefusalTest : public JBReportsMainTestDb,
                                 public testing::WithParamInterface<TRefusalCase> {};

TEST_P(JBReportsMainRefusalTest, AbortsWithoutALogInRow) {
  GetParam().Script(*this);
  TfrmJBReportsMain& window = NewWindow(GetParam().Arguments);
  EXPECT_TRUE(window.UserAbortedLogin());
  EXPECT_TRUE(dtmJailAdminReports->xbUserAbortLogin);
  EXPECT_EQ(Prompts.Texts(TPromptKind::pkWarning), GetParam().Warnings);
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_FALSE(frmJail_Progress);
}

INSTANTIATE_TEST_SUITE_P(
    RefusedOrCancelled, JBReportsMainRefusalTest,
    testing::Values(
        TRefusalCase{"LoginCancelled", {}, [](auto& t) { t.Dialogs.AddLoginCancel(); }, {}},
        TRefusalCase{"EmptyCommandLineUser", {"  ", "FA"}, [](auto&) {}, {kDenied}},
        TRefusalCase{"CommandLineLevelXX", {"DEMO", "XX"}, [](auto&) {}, {kDenied}},
        TRefusalCase{"CommandLineLevelMissing", {"DEMO"}, [](auto&) {}, {kDenied}},
        TRefusalCase{"DatabaseLevelXX",
                     {},
                     [](auto& t) {
                       t.SetLevel("200", "JAIL", "JAILADMIN", "RUN", "XX");
                       t.Dialogs.AddLogin("CLERK", "CLERK2024");
                     },
                     {kDenied}},
        TRefusalCase{"FacilityChoiceCancelled",
                     {},
                     [](auto& t) {
                       t.Dialogs.AddLogin("DEMO", "DEMO2024");
                       t.Prompts.AddAnswer("Select Your Facility", "Cancel");
                     },
                     {}},
        TRefusalCase{"NoFacilityConfigured",
                     {},
                     [](auto& t) {
                       t.Db->Exec("DELETE FROM CFGFACI");
                       t.Dialogs.AddLogin("DEMO", "DEMO2024");
                     },
                     {"No Facilities had been configure. Please contact you administrator"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(JBReportsMainCreateTest, ASingleFacilityIsTakenWithoutAsking) {
  Db->Exec("DELETE FROM CFGFACI WHERE FACILITYID = 'ANNEX'");
  Dialogs.AddLogin("DEMO", "DEMO2024");
  TfrmJBReportsMain& window = NewWindow();

  ASSERT_FALSE(window.UserAbortedLogin());
  EXPECT_EQ(Prompts.Count(TPromptKind::pkPickList), 0);
  EXPECT_EQ(dtmJailAdminReports->xsFacilityID.trimmed(), "MAIN");
  EXPECT_EQ(dtmJailAdminReports->xsInmatesOnJail, 2);
}

TEST_F(JBReportsMainCreateTest, AnErrorDuringCreationIsShownWithTheProcedureAndAborts) {
  Db->Exec("DROP TABLE JBHISTO");
  Dialogs.AddLogin("DEMO", "DEMO2024");
  Prompts.AddAnswer("Select Your Facility", "MAIN");
  TfrmJBReportsMain& window = NewWindow();

  EXPECT_TRUE(window.UserAbortedLogin());
  const QStringList warnings = Prompts.Texts(TPromptKind::pkWarning);
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].endsWith(" / Procedure: TfrmJBReportsMain.FormCreate"))
      << warnings[0].toStdString();
}

// --- show -------------------------------------------------------------------

using JBReportsMainShowTest = JBReportsMainTestDb;

TEST_F(JBReportsMainShowTest, FillsStatusBarCaptionAndTheDatabaseDrivenMenus) {
  Db->Exec(
      "INSERT INTO CfgReports (UniqueKey, Title, FileName, SingleRecordRpt, ReportNumParamName) "
      "VALUES ('R1', 'Census', 'census.rpt', 1, 'FACILITY'), "
      "('R2', 'Bed Chart', 'beds.rpt', 1, 'FACILITY'), "
      "('R3', 'Multi', 'multi.rpt', 0, 'FACILITY')");
  Db->Exec(
      "INSERT INTO CfgReportApplicability (FK_Report, ProgramGroup, ReportType, DefaultReport) "
      "VALUES ('R1', 'JAIL', 'JAILBOOKMISC', 1), ('R3', 'JAIL', 'JAILBOOKMISC', 0), "
      "('R2', 'JAIL', 'JAILCHARTSMISC', 0)");
  TfrmJBReportsMain& window = ShownWindow();

  EXPECT_EQ(StatusTexts(window), (QStringList{"DEMO", "FA", "CLAY COUNTY SHERIFF",
                                              "V." TH_VERSION_STRING, "Inmates In Jail [ 2 ]"}));
  EXPECT_EQ(window.windowTitle(), "Voze Zizivoruravuro Ruraruz for Facility  [ MAIN - Main Jail ]");
  EXPECT_FALSE(frmJail_Progress);

  // Single-record reports of each type, at the end of their menus.
  ASSERT_NE(window.KsJailBookMiscRpts, nullptr);
  ASSERT_EQ(window.KsJailBookMiscRpts->Reports().size(), 1u);
  EXPECT_EQ(window.DropDownMenu("MiscReports")->actions().last()->text(), "Census");
  EXPECT_EQ(window.KsJailBookMiscRpts->DefaultReport()->ParamValues.toString(), "MAIN");
  EXPECT_EQ(window.DropDownMenu("MiscCharts")->actions().last()->text(), "Bed Chart");
}

// The census asked before any Misc Reports report prints goes into the
// default report's parameters.
class JBReportsMainCensusTest : public JBReportsMainTestDb {
 public:
  void SetUp() override {
    JBReportsMainTestDb::SetUp();
    ASSERT_TRUE(LogDir.isValid());
    qputenv("TH_FAKE_REPORT_LOG", LogDir.filePath("calls.log").toLocal8Bit());
    Db->Exec(
        "INSERT INTO CfgReports (UniqueKey, Title, FileName, SingleRecordRpt, "
        "ReportNumParamName) VALUES ('R1', 'Census', 'census.rpt', 1, "
        "'FACILITY;START;END;STARTTEXT;ENDTEXT')");
    Db->Exec(
        "INSERT INTO CfgReportApplicability (FK_Report, ProgramGroup, ReportType, "
        "DefaultReport) VALUES ('R1', 'JAIL', 'JAILBOOKMISC', 1)");
  }
  void TearDown() override {
    qunsetenv("TH_FAKE_REPORT_LOG");
    JBReportsMainTestDb::TearDown();
  }

  // What the report library was handed, as it logged it.
  QString LibraryLog() const {
    QFile file(LogDir.filePath("calls.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  QTemporaryDir LogDir;
  TScriptedParameterDialogs ParameterAnswers;
  TParameterDialogsScope ParameterScope{ParameterAnswers};
};

TEST_F(JBReportsMainCensusTest, TheChosenRangeRunsToTheEndOfItsLastDay) {
  TfrmJBReportsMain& window = ShownWindow();
  window.KsJailBookMiscRpts->LibraryName = TH_FAKE_REPORT_LIBRARY;
  ParameterAnswers.SetAnswer("from", "03/05/2015");
  ParameterAnswers.SetAnswer("to", "03/06/2015");
  window.DropDownMenu("MiscReports")->actions().last()->trigger();

  EXPECT_TRUE(
      LibraryLog().endsWith("Parameters|FACILITY=MAIN\r\nSTART=03/05/2015\r\nEND=03/07/2015\r\n"
                            "STARTTEXT=03/05/2015\r\nENDTEXT=03/07/2015\r\n\n"))
      << LibraryLog().toStdString();
}

TEST_F(JBReportsMainCensusTest, ACancelledCensusOpensNothing) {
  TfrmJBReportsMain& window = ShownWindow();
  window.KsJailBookMiscRpts->LibraryName = TH_FAKE_REPORT_LIBRARY;
  ParameterAnswers.SetAnswer("cancel", "yes");
  QAction* census = window.DropDownMenu("MiscReports")->actions().last();
  census->trigger();
  EXPECT_TRUE(LibraryLog().isEmpty());
  EXPECT_TRUE(census->isEnabled());
}

TEST_F(JBReportsMainShowTest, AFailedShowIsReportedAndClosesTheProgram) {
  Db->Exec("DROP TABLE CfgReportApplicability");
  TfrmJBReportsMain& window = ShownWindow();
  const QStringList warnings = Prompts.Texts(TPromptKind::pkWarning);
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].startsWith("Abnormal Load Error [ ")) << warnings[0].toStdString();
  EXPECT_TRUE(warnings[0].endsWith(" ] Application Will Be Closed"));
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(JBReportsMainShowTest, JuvenileRestrictionDisablesTwelveButtons) {
  TfrmJBReportsMain& window = ShownWindow("CLERK", "CLERK2024");
  const QStringList restricted = {"InmateReports",   "MiscReports",    "BillingReports",
                                  "JuvenileReports", "ReportsCharges", "VisitorLists",
                                  "VisitorLogs",     "VereRir",        "IncidentReports",
                                  "VudoDorirav",     "AllMoves",       "FirstAppearance"};
  for (const QString& name : restricted) {
    QPushButton* button = window.Button(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    EXPECT_FALSE(button->isEnabled()) << name.toStdString();
    EXPECT_EQ(button->text(), "Juvenile Info Restricted");
  }
  const std::vector<std::pair<QString, QString>> usable = {
      {"Demographics", "Demographics"},          {"FelonyDispositions", "Felony"},
      {"MisdemeanorDisposition", "Misdemeanor"}, {"MiscCharts", "Misc Charts"},
      {"BanVisitors", "Banned Visitor List"},    {"CFGLists", "Lists"}};
  for (const auto& [name, caption] : usable) {
    EXPECT_TRUE(window.Button(name)->isEnabled()) << name.toStdString();
    EXPECT_EQ(window.Button(name)->text(), caption);
  }
}

TEST_F(JBReportsMainShowTest, FullJuvenileAccessLeavesEveryButtonAsDesigned) {
  TfrmJBReportsMain& window = ShownWindow();
  for (const TReportCatalogueButton& button : Catalogue.Buttons()) {
    EXPECT_TRUE(window.Button(button.Name)->isEnabled()) << button.Name.toStdString();
    EXPECT_EQ(window.Button(button.Name)->text(), button.Caption);
  }
}

// --- actions -------------------------------------------------------------------

using JBReportsMainActionTest = JBReportsMainTestDb;

struct TReclassCase {
  const char* User;
  const char* Password;
  bool Enabled;
};

class JBReportsMainReclassTest : public JBReportsMainTestDb,
                                 public testing::WithParamInterface<TReclassCase> {};

TEST_P(JBReportsMainReclassTest, CaptionFromTheSettingEnabledOnlyForFullClassification) {
  SetSharedIni("Booking", "DaysUntilNextReclass", "45");
  Catalogue.RegisterHandler("actXDaysReclass", [](const TReportCatalogueEntry&) {});
  TfrmJBReportsMain& window = ShownWindow(GetParam().User, GetParam().Password);
  EXPECT_EQ(window.actXDaysReclass->text(), "45 Days Reclassification");
  EXPECT_EQ(window.MenuItem("mmXDaysReclassification1"), window.actXDaysReclass);
  EXPECT_EQ(window.actXDaysReclass->isEnabled(), GetParam().Enabled);
  EXPECT_EQ(window.xiRunReclassificationReportBaseOnXDaysIntervals, 45);
}

INSTANTIATE_TEST_SUITE_P(ByClassificationLevel, JBReportsMainReclassTest,
                         testing::Values(TReclassCase{"DEMO", "DEMO2024", true},
                                         TReclassCase{"CLERK", "CLERK2024", false}),
                         [](const auto& info) { return std::string(info.param.User); });

TEST_F(JBReportsMainActionTest, ReclassificationCaptionChangesWhileRunningAndDefaultsTo30) {
  TfrmJBReportsMain& window = ShownWindow();
  EXPECT_EQ(window.actXDaysReclass->text(), "30 Days Reclassification");
  SetSharedIni("Booking", "DaysUntilNextReclass", "60");
  // Opening the menu that shows it runs the update.
  emit window.DropDownMenu("MiscReports")->aboutToShow();
  EXPECT_EQ(window.actXDaysReclass->text(), "60 Days Reclassification");
  // Its report is not in this catalogue: never usable, and the hint says why.
  EXPECT_FALSE(window.actXDaysReclass->isEnabled());
  EXPECT_EQ(window.actXDaysReclass->toolTip(), TReportCatalogue::NotBuiltHint());
}

TEST_F(JBReportsMainActionTest, ChangeFacilityKeepsTheStatusBarAndRecaptions) {
  TfrmJBReportsMain& window = ShownWindow();
  const QStringList statusBefore = StatusTexts(window);
  EXPECT_TRUE(window.actChangeFacility->isEnabled());
  EXPECT_EQ(window.actChangeFacility->text(), "Change Facility");

  // The login's answers are spent; the change gets prompts of its own.
  TScriptedPrompts changePrompts;
  TUserPromptsScope scope(changePrompts);
  changePrompts.AddAnswer("Select Your Facility", "ANNEX");
  window.actChangeFacility->trigger();

  EXPECT_EQ(window.windowTitle(), "Ruzi Zavod Odezide Facility  [ ANNEX - Annex ]");
  EXPECT_EQ(dtmJailAdminReports->xsFacilityID, "ANNEX");
  EXPECT_EQ(dtmJailAdminReports->xsInmatesOnJail, 1);
  EXPECT_EQ(StatusTexts(window), statusBefore);
  EXPECT_FALSE(frmJail_Progress);

  // Cancelling changes nothing.
  TScriptedPrompts cancelPrompts;
  TUserPromptsScope cancelScope(cancelPrompts);
  cancelPrompts.AddAnswer("Select Your Facility", "Cancel");
  window.actChangeFacility->trigger();
  EXPECT_EQ(cancelPrompts.Count(TPromptKind::pkPickList), 1);
  EXPECT_EQ(dtmJailAdminReports->xsFacilityID, "ANNEX");
}

TEST_F(JBReportsMainActionTest, ChangeFacilityNeedsTwoFacilities) {
  TfrmJBReportsMain& window = ShownWindow();
  Db->Exec("DELETE FROM CFGFACI WHERE FACILITYID = 'ANNEX'");
  dtmJailAdminReportsConfig->tblCFGFACI.Close();
  emit window.mnuOptions->aboutToShow();
  EXPECT_FALSE(window.actChangeFacility->isEnabled());
}

// --- exit ------------------------------------------------------------------------

struct TExitCase {
  const char* Name;
  std::function<void(TfrmJBReportsMain&)> Exit;
  const char* Answer;
  bool Closed;
  bool LoggedOut;
};

class JBReportsMainExitAnswerTest : public JBReportsMainTestDb,
                                    public testing::WithParamInterface<TExitCase> {};

TEST_P(JBReportsMainExitAnswerTest, AsksFirstAndLogsOutOnlyFromTheExitButton) {
  TfrmJBReportsMain& window = ShownWindow();
  TScriptedPrompts exitPrompts;
  TUserPromptsScope scope(exitPrompts);
  exitPrompts.AddAnswer("Are you sure you want to exit?", GetParam().Answer);
  GetParam().Exit(window);
  EXPECT_EQ(exitPrompts.Texts(TPromptKind::pkConfirmation),
            QStringList{"Are you sure you want to exit?"});
  EXPECT_EQ(window.isVisible(), !GetParam().Closed);
  QStringList expected = {"24|DEMO|Log In Jail Reports "};
  if (GetParam().LoggedOut) expected << "25|DEMO|Log Out Jail Reports";
  EXPECT_EQ(LogRows(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    ExitButtonAndFileExit, JBReportsMainExitAnswerTest,
    testing::Values(
        TExitCase{"ExitButtonYes", [](auto& w) { w.btnExit->click(); }, "Yes", true, true},
        TExitCase{"ExitButtonNo", [](auto& w) { w.btnExit->click(); }, "No", false, false},
        TExitCase{"FileExitYes", [](auto& w) { w.mhJBExit->trigger(); }, "Yes", true, false},
        TExitCase{"FileExitNo", [](auto& w) { w.mhJBExit->trigger(); }, "No", false, false}),
    [](const auto& info) { return std::string(info.param.Name); });

using JBReportsMainExitTest = JBReportsMainTestDb;

TEST_F(JBReportsMainExitTest, CloseBoxAsksNothingAndLogsNothing) {
  TfrmJBReportsMain& window = ShownWindow();
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Prompts.Count(TPromptKind::pkConfirmation), 0);
  EXPECT_EQ(LogRows(), QStringList{"24|DEMO|Log In Jail Reports "});
  EXPECT_EQ(window.KsJailBookMiscRpts, nullptr);
}

}  // namespace
