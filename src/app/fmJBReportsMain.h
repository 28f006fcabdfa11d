#pragma once

#include "app/JBReportsMainModules.h"
#include "app/VersionInfo.h"
#include "app/utThemeSupport.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class TKsReportList;
class TReportCatalogue;
struct TReportCatalogueEntry;

// The program's main window: the report catalogue. Its creation logs the
// user in, checks the access level and lets the user choose a facility; its
// show fills the status bar and builds the two database-driven menus; after
// that it runs whatever the user picks from the eighteen drop-down menus.
class TfrmJBReportsMain : public TNrvMainThemeForm {
  Q_OBJECT

 public:
  static constexpr int StatusPanelCount = 5;

  // The creation handler runs here. AArguments are the program's arguments
  // without the program name: none, or a user name and an access level. The
  // menus come from ACatalogue, whose handlers must be registered by now.
  TfrmJBReportsMain(const QStringList& AArguments, TReportCatalogue& ACatalogue,
                    QWidget* AParent = nullptr);
  ~TfrmJBReportsMain() override;

  // Set by the creation handler when start-up must be abandoned; the session
  // module's xbUserAbortLogin says the same when there is one.
  bool UserAbortedLogin() const { return FUserAbortLogin; }

  void SetAccessLevel();
  void btnEXITClick();
  void mhJBExitClick();
  void mmiJBHelpFileClick();
  void mmiAboutClick();
  void actChangeFacilityExecute();
  // The update handlers the framework ran when the application was idle;
  // here they run whenever a menu that shows the actions opens.
  void actChangeFacilityUpdate();
  void actXDaysReclassUpdate();
  void actDOCUpdate();
  void UpdateActions();
  // Before-print handler of the Misc Reports list: asks for the census range.
  void CensusBeforePrint(TKsReportList& ASender);

  // The controls, by their component names.
  QGroupBox* GroupBox(const QString& ACaption) const { return FGroupBoxes.value(ACaption); }
  QPushButton* Button(const QString& AName) const { return FButtons.value(AName); }
  QMenu* DropDownMenu(const QString& AButtonName) const { return FMenus.value(AButtonName); }
  QAction* MenuItem(const QString& AItemName) const { return FMenuItems.value(AItemName); }
  QLabel* StatusPanel(int AIndex) const { return FStatusPanels[AIndex]; }

  QStatusBar* barJBReportsMenu = nullptr;
  QPushButton* btnExit = nullptr;
  QMenu* mnuFile = nullptr;
  QMenu* mnuOptions = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mhJBExit = nullptr;
  QAction* mmiJBHelpFile = nullptr;
  QAction* mmiAbout = nullptr;
  QAction* actXDaysReclass = nullptr;
  QAction* actDOC = nullptr;
  QAction* actChangeFacility = nullptr;
  TKsReportList* KsJailBookMiscRpts = nullptr;
  TKsReportList* KsJailChartsMiscRpts = nullptr;
  int xiRunReclassificationReportBaseOnXDaysIntervals = 30;

  // The window's caption for a facility, at show time and after a change.
  static QString FacilityCaption(const QString& AFacilityId, const QString& AFacilityDesc);
  static QString ChangedFacilityCaption(const QString& AFacilityId, const QString& AFacilityDesc);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildWindow();
  void BuildDropDownMenus();
  QAction* AddCatalogueEntry(QMenu* AMenu, const TReportCatalogueEntry& AEntry);
  void BuildMainMenu();
  void BuildStatusBar();

  void FormCreate();
  // Steps 1-8 of the creation handler; its caller reports errors.
  void CreateSession();
  bool IdentifyUser();
  bool ChooseFacility();
  void LoadFacilitySettings();
  void FormShow();
  void FormClose();

  void RunEntry(const TReportCatalogueEntry& AEntry);
  void RunActionEntry(const QString& AItemName);
  // An action is usable when its report is built and the user may run it.
  void EnableAction(QAction* AAction, const QString& AItemName, bool AAllowed);
  bool AskExit();
  void StepProgress();

  TJBReportsMainModules FModules;
  bool FUserAbortLogin = false;
  QStringList FArguments;
  TReportCatalogue& FCatalogue;
  TVersionInfo StVersionInfo;
  bool FShown = false;

  QHash<QString, QGroupBox*> FGroupBoxes;
  QHash<QString, QPushButton*> FButtons;
  QHash<QString, QMenu*> FMenus;
  QHash<QString, QAction*> FMenuItems;
  QLabel* FStatusPanels[StatusPanelCount] = {};
};

// The main window; set by start-up, cleared before it is destroyed.
extern QPointer<TfrmJBReportsMain> frmJBReportsMain;
