#include "JBReportsMainTestDb.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRect>

namespace {

// The item reached from a menu by following the captions.
QAction* FindByPath(QMenu* AMenu, const QStringList& APath, QStringList* AParents = nullptr) {
  QMenu* menu = AMenu;
  for (int i = 0; i < APath.size(); ++i) {
    QAction* found = nullptr;
    for (QAction* action : menu->actions())
      if (action->text() == APath[i] && (i + 1 == APath.size()) != bool(action->menu()))
        found = action;
    if (!found) return nullptr;
    if (i + 1 == APath.size()) return found;
    if (AParents && !found->isVisible()) *AParents << APath[i];
    menu = found->menu();
  }
  return nullptr;
}

using JBReportsMainMenusTest = JBReportsMainTestDb;

TEST_F(JBReportsMainMenusTest, EveryCatalogueEntryIsInItsMenuAndOnlyTheShownOnesCanBeReached) {
  TfrmJBReportsMain& window = ShownWindow();
  for (const TReportCatalogueEntry& entry : Catalogue.Entries()) {
    SCOPED_TRACE(entry.ItemName.toStdString());
    QMenu* menu = window.DropDownMenu(entry.ButtonName);
    ASSERT_NE(menu, nullptr);
    QStringList hiddenParents;
    // Before the update rules ran, an action still carries its design caption.
    QAction* item = FindByPath(menu, entry.Path, &hiddenParents);
    if (entry.IsAction) item = window.MenuItem(entry.ItemName);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item, window.MenuItem(entry.ItemName));
    const bool reachable = item->isVisible() && hiddenParents.isEmpty();
    EXPECT_EQ(reachable, entry.Shown);
  }
  // A whole disabled submenu disappears, not just its items.
  QStringList hidden;
  FindByPath(window.DropDownMenu("InmateReports"), {"<<By Facility (disabled)>>", "Active"},
             &hidden);
  EXPECT_EQ(hidden, QStringList{"<<By Facility (disabled)>>"});
}

TEST_F(JBReportsMainMenusTest, EntriesWithoutAReportAreDisabledWithAHint) {
  TfrmJBReportsMain& window = ShownWindow();
  QAction* item = window.MenuItem("ShortRpt");
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->isEnabled());
  EXPECT_EQ(item->toolTip(), "This report is not available in this build yet.");
  EXPECT_EQ(item->text(), "Short");
}

TEST_F(JBReportsMainMenusTest, ABuiltEntryRunsItsHandlerWithItselfAsSender) {
  QStringList ran;
  Catalogue.RegisterHandler("LongWithChargesClick",
                            [&](const TReportCatalogueEntry& sender) { ran << sender.ItemName; });
  TfrmJBReportsMain& window = ShownWindow();
  for (const char* item : {"BothLongwithCharges", "ActiveLong2"}) {
    ASSERT_TRUE(window.MenuItem(item)->isEnabled()) << item;
    window.MenuItem(item)->trigger();
  }
  EXPECT_EQ(ran, (QStringList{"BothLongwithCharges", "ActiveLong2"}));
}

TEST_F(JBReportsMainMenusTest, AnErrorAHandlerLetsThroughReachesTheErrorReporting) {
  Catalogue.RegisterHandler("btnAgeClick", [](const TReportCatalogueEntry&) {
    throw EDatabaseError("DataSet: qryGeneric: no such table");
  });
  TfrmJBReportsMain& window = ShownWindow();
  window.MenuItem("Age1")->trigger();
  EXPECT_EQ(Prompts.Texts(TPromptKind::pkError), QStringList{"DataSet: qryGeneric: no such table"});
  EXPECT_TRUE(window.isVisible());
}

TEST_F(JBReportsMainMenusTest, MainMenuHoldsFileOptionsAndHelp) {
  TfrmJBReportsMain& window = ShownWindow();
  EXPECT_EQ(window.mnuFile->title(), "&File");
  EXPECT_EQ(window.mnuFile->actions(), QList<QAction*>{window.mhJBExit});
  EXPECT_EQ(window.mhJBExit->text(), "E&xit");
  EXPECT_EQ(window.mnuOptions->title(), "&Options");
  EXPECT_EQ(window.mnuOptions->actions(), QList<QAction*>{window.actChangeFacility});
  EXPECT_EQ(window.mnuHelp->title(), " &Help");
  EXPECT_EQ(window.mnuHelp->actions(), (QList<QAction*>{window.mmiJBHelpFile, window.mmiAbout}));
  EXPECT_EQ(window.btnExit->text(), "E&xit");
}

TEST_F(JBReportsMainMenusTest, GroupBoxesAndButtonsSitWhereTheyAreDesigned) {
  TfrmJBReportsMain& window = ShownWindow();
  const std::vector<std::pair<QString, QRect>> boxes = {
      {"VedaVavi", {26, 17, 225, 169}},   {"VeviZAV", {309, 39, 206, 81}},
      {"ZeroRedi", {302, 126, 206, 99}},  {"RaziVorova", {26, 192, 225, 148}},
      {"VereRir", {302, 231, 206, 72}},   {"ZedoRidizuza", {302, 309, 206, 72}},
      {"DadoZezov", {26, 346, 206, 127}}, {"VudoDorirav", {302, 387, 206, 72}}};
  for (const auto& [caption, rect] : boxes) {
    ASSERT_NE(window.GroupBox(caption), nullptr) << caption.toStdString();
    EXPECT_EQ(window.GroupBox(caption)->geometry(), rect) << caption.toStdString();
  }
  // Buttons of a box stack 23 pixels apart, 170 x 24, in catalogue order.
  const QStringList vedaVavi = {"InmateReports", "MiscReports", "BillingReports", "JuvenileReports",
                                "ReportsCharges"};
  for (int i = 0; i < vedaVavi.size(); ++i) {
    QPushButton* button = window.Button(vedaVavi[i]);
    EXPECT_EQ(button->size(), QSize(170, 24));
    EXPECT_EQ(button->y() - window.Button(vedaVavi[0])->y(), 23 * i);
    EXPECT_TRUE(window.GroupBox("VedaVavi")->isAncestorOf(button));
  }
  EXPECT_EQ(window.Button("VudoDorirav")->menu(), window.DropDownMenu("VudoDorirav"));
  EXPECT_EQ(window.DropDownMenu("VudoDorirav")->objectName(), "ppmJailMedical");
}

}  // namespace
