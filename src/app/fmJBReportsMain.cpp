#include "app/fmJBReportsMain.h"

#include "app/HandlerGuard.h"
#include "app/StepProgressBar.h"
#include "app/fmAbout.h"
#include "app/fmJail_Progress.h"
#include "app/fmSplash.h"
#include "app/utKsHtmlHelp.h"
#include "app/utKsReportList.h"
#include "core/RegionalFormats.h"
#include "core/UserPrompts.h"
#include "data/dmJailAdminReports.h"
#include "reports/framework/ReportCatalogue.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QSysInfo>
#include <QVBoxLayout>

QPointer<TfrmJBReportsMain> frmJBReportsMain;

namespace {
const QString kDesignCaption = QStringLiteral("Voze Zizivoruravuro Ruraruz");
const QString kLoginCaption = QStringLiteral("Dira Zivurirova Zodera");
const QString kAccessDenied =
    QStringLiteral("Access is denied. User is not authorized to run VedaVavi.");
const QString kNoFacilities =
    QStringLiteral("No Facilities had been configure. Please contact you administrator");
const QString kLoadingFacility = QStringLiteral("Please wait while facility settings are loading.");
const QString kJuvenileRestricted = QStringLiteral("Juvenile Info Restricted");
const QString kSuiteJail = QStringLiteral("JAIL");
const QString kSectionRun = QStringLiteral("RUN");
const QString kFullAccess = QStringLiteral("FA");
const QString kNoAccess = QStringLiteral("XX");

// The catalogue items the two actions stand for.
const QString kXDaysReclassItem = QStringLiteral("mmXDaysReclassification1");
const QString kDOCItem = QStringLiteral("DOC1");

// The group boxes in window order with their places (left, top, width,
// height); their buttons come from the catalogue in its order.
struct TGroupBoxPlace {
  const char* Caption;
  int Left, Top, Width, Height;
};
constexpr TGroupBoxPlace kGroupBoxes[] = {
    {"VedaVavi", 26, 17, 225, 169},   {"VeviZAV", 309, 39, 206, 81},
    {"ZeroRedi", 302, 126, 206, 99},  {"RaziVorova", 26, 192, 225, 148},
    {"VereRir", 302, 231, 206, 72},   {"ZedoRidizuza", 302, 309, 206, 72},
    {"DadoZezov", 26, 346, 206, 127}, {"VudoDorirav", 302, 387, 206, 72},
};
constexpr int kButtonWidth = 170;
constexpr int kButtonHeight = 24;
constexpr int kButtonPitch = 23;
constexpr int kInnerMargin = 8;
constexpr int kGroupCaptionHeight = 18;
constexpr int kTopPanelHeight = 490;

// The buttons a user without juvenile information may not use: every menu
// that lists inmates.
const char* const kJuvenileButtons[] = {
    "InmateReports",   "MiscReports",  "BillingReports", "JuvenileReports",
    "ReportsCharges",  "VisitorLists", "VisitorLogs",    "VereRir",
    "IncidentReports", "VudoDorirav",  "AllMoves",       "FirstAppearance",
};

constexpr int kStatusWidths[TfrmJBReportsMain::StatusPanelCount] = {110, 35, 220, 80, 100};
const char* const kStatusDesignTexts[TfrmJBReportsMain::StatusPanelCount] = {
    "<USERNAME>", "<XX>", "<AGENCY>", "<VERSION>", "<COMPUTERNAME>"};

// Hides submenus of which nothing can be reached.
bool HideUnreachableSubmenus(QMenu* AMenu) {
  bool anyVisible = false;
  for (QAction* action : AMenu->actions()) {
    if (QMenu* sub = action->menu()) action->setVisible(HideUnreachableSubmenus(sub));
    anyVisible = anyVisible || action->isVisible();
  }
  return anyVisible;
}

// Shows the progress strip for loading a facility's settings.
void ShowProgressStrip(QWidget* AOwner, int AMaximum, int AStep) {
  frmJail_Progress = new TfrmJail_Progress(AOwner);
  frmJail_Progress->setWindowTitle(kLoadingFacility);
  frmJail_Progress->show();
  frmJail_Progress->prgJAIL->setValue(0);
  frmJail_Progress->prgJAIL->setMaximum(AMaximum);
  frmJail_Progress->prgJAIL->SetStep(AStep);
}

// Whether the item is in the menu or one of its submenus.
bool IsInMenu(QMenu* AMenu, QAction* AItem) {
  for (QAction* action : AMenu->actions())
    if (action == AItem || (action->menu() && IsInMenu(action->menu(), AItem))) return true;
  return false;
}

// The progress strip of one busy phase; destroyed with the scope.
class TProgressStrip {
 public:
  TProgressStrip(QWidget* AOwner, int AMaximum, int AStep) {
    ShowProgressStrip(AOwner, AMaximum, AStep);
  }
  ~TProgressStrip() { delete frmJail_Progress.data(); }
  TProgressStrip(const TProgressStrip&) = delete;
  TProgressStrip& operator=(const TProgressStrip&) = delete;

  void StepIt() {
    if (frmJail_Progress) frmJail_Progress->prgJAIL->StepIt();
  }
};
}  // namespace

TfrmJBReportsMain::TfrmJBReportsMain(const QStringList& AArguments, TReportCatalogue& ACatalogue,
                                     QWidget* AParent)
    : TNrvMainThemeForm(AParent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                     Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                     Qt::MSWindowsFixedSizeDialogHint),
      FArguments(AArguments),
      FCatalogue(ACatalogue) {
  setObjectName(QStringLiteral("frmJBReportsMain"));
  setWindowTitle(kDesignCaption);
  BuildWindow();
  FormCreate();
}

TfrmJBReportsMain::~TfrmJBReportsMain() {
  FormClose();
}

QString TfrmJBReportsMain::FacilityCaption(const QString& AFacilityId,
                                           const QString& AFacilityDesc) {
  return kDesignCaption + QStringLiteral(" for Facility  [ ") + AFacilityId +
         QStringLiteral(" - ") + AFacilityDesc + QStringLiteral(" ]");
}

QString TfrmJBReportsMain::ChangedFacilityCaption(const QString& AFacilityId,
                                                  const QString& AFacilityDesc) {
  return QStringLiteral("Ruzi Zavod Odezide Facility  [ ") + AFacilityId + QStringLiteral(" - ") +
         AFacilityDesc + QStringLiteral(" ]");
}

// --- the window ------------------------------------------------------------

void TfrmJBReportsMain::BuildWindow() {
  actXDaysReclass = new QAction(QStringLiteral("[X] Days Reclassification"), this);
  actXDaysReclass->setObjectName(QStringLiteral("actXDaysReclass"));
  connect(actXDaysReclass, &QAction::triggered, this,
          [this] { RunActionEntry(kXDaysReclassItem); });
  actDOC = new QAction(QStringLiteral("Specify Date Range"), this);
  actDOC->setObjectName(QStringLiteral("actDOC"));
  connect(actDOC, &QAction::triggered, this, [this] { RunActionEntry(kDOCItem); });
  actChangeFacility = new QAction(QStringLiteral("Change Facility"), this);
  actChangeFacility->setObjectName(QStringLiteral("actChangeFacility"));
  connect(actChangeFacility, &QAction::triggered, this,
          [this] { RunGuardedHandler([this] { actChangeFacilityExecute(); }); });

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* topPanel = new QWidget(central);
  topPanel->setFixedHeight(kTopPanelHeight);
  layout->addWidget(topPanel);
  auto* bottomPanel = new QWidget(central);
  auto* bottomLayout = new QHBoxLayout(bottomPanel);
  bottomLayout->addStretch();
  btnExit = new QPushButton(QStringLiteral("E&xit"), bottomPanel);
  btnExit->setObjectName(QStringLiteral("btnExit"));
  btnExit->setFixedSize(90, 24);
  bottomLayout->addWidget(btnExit);
  layout->addWidget(bottomPanel);
  setCentralWidget(central);
  connect(btnExit, &QPushButton::clicked, this,
          [this] { RunGuardedHandler([this] { btnEXITClick(); }); });

  for (const TGroupBoxPlace& place : kGroupBoxes) {
    auto* box = new QGroupBox(QString::fromLatin1(place.Caption), topPanel);
    box->setGeometry(place.Left, place.Top, place.Width, place.Height);
    auto* inner = new QFrame(box);
    inner->setGeometry(kInnerMargin, kGroupCaptionHeight, place.Width - 2 * kInnerMargin,
                       place.Height - kGroupCaptionHeight - kInnerMargin);
    inner->setAutoFillBackground(true);
    QPalette teal = inner->palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    inner->setPalette(teal);
    inner->setObjectName(QString::fromLatin1(place.Caption) + QStringLiteral("Panel"));
    FGroupBoxes.insert(box->title(), box);
  }
  BuildDropDownMenus();
  BuildMainMenu();
  BuildStatusBar();
  setFixedSize(549, 600);
}

void TfrmJBReportsMain::BuildDropDownMenus() {
  QHash<QString, int> buttonsInBox;
  for (const TReportCatalogueButton& button : FCatalogue.Buttons()) {
    QGroupBox* box = FGroupBoxes.value(button.GroupBox);
    if (!box) continue;
    auto* inner = box->findChild<QFrame*>();
    const int row = buttonsInBox[button.GroupBox]++;
    auto* pushButton = new QPushButton(button.Caption, inner);
    pushButton->setObjectName(button.Name);
    pushButton->setGeometry((inner->width() - kButtonWidth) / 2, kInnerMargin + row * kButtonPitch,
                            kButtonWidth, kButtonHeight);
    auto* menu = new QMenu(pushButton);
    menu->setObjectName(button.MenuName);
    menu->setToolTipsVisible(true);
    pushButton->setMenu(menu);
    FButtons.insert(button.Name, pushButton);
    FMenus.insert(button.Name, menu);

    for (const TReportCatalogueEntry* entry : FCatalogue.EntriesOfButton(button.Name)) {
      // Walk down the submenus by caption, making those not there yet.
      QMenu* parent = menu;
      for (int level = 0; level + 1 < entry->Path.size(); ++level) {
        QMenu* sub = nullptr;
        for (QAction* action : parent->actions())
          if (action->menu() && action->text() == entry->Path[level]) sub = action->menu();
        if (!sub) {
          sub = parent->addMenu(entry->Path[level]);
          sub->setToolTipsVisible(true);
        }
        parent = sub;
      }
      FMenuItems.insert(entry->ItemName, AddCatalogueEntry(parent, *entry));
    }
    HideUnreachableSubmenus(menu);
    // The actions' captions and states are only seen when their menu opens.
    if (IsInMenu(menu, actXDaysReclass) || IsInMenu(menu, actDOC))
      connect(menu, &QMenu::aboutToShow, this,
              [this] { RunGuardedHandler([this] { UpdateActions(); }); });
  }
}

QAction* TfrmJBReportsMain::AddCatalogueEntry(QMenu* AMenu, const TReportCatalogueEntry& AEntry) {
  QAction* item = nullptr;
  if (AEntry.IsAction) {
    item = AEntry.HandlerName == actXDaysReclass->objectName() ? actXDaysReclass : actDOC;
    AMenu->addAction(item);
  } else {
    item = AMenu->addAction(AEntry.Caption());
    item->setObjectName(AEntry.ItemName);
    const TReportCatalogueEntry* entry = &AEntry;
    connect(item, &QAction::triggered, this, [this, entry] { RunEntry(*entry); });
    if (!AEntry.IsBuilt()) {
      item->setEnabled(false);
      item->setToolTip(TReportCatalogue::NotBuiltHint());
      item->setStatusTip(TReportCatalogue::NotBuiltHint());
    }
  }
  item->setVisible(AEntry.Shown);
  return item;
}

void TfrmJBReportsMain::BuildMainMenu() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mhJBExit = mnuFile->addAction(QStringLiteral("E&xit"));
  mhJBExit->setObjectName(QStringLiteral("mhJBExit"));
  connect(mhJBExit, &QAction::triggered, this,
          [this] { RunGuardedHandler([this] { mhJBExitClick(); }); });

  mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
  mnuOptions->addAction(actChangeFacility);
  connect(mnuOptions, &QMenu::aboutToShow, this,
          [this] { RunGuardedHandler([this] { UpdateActions(); }); });

  mnuHelp = menuBar()->addMenu(QStringLiteral(" &Help"));
  mmiJBHelpFile = mnuHelp->addAction(QStringLiteral("Help"));
  mmiJBHelpFile->setObjectName(QStringLiteral("mmiJBHelpFile"));
  connect(mmiJBHelpFile, &QAction::triggered, this,
          [this] { RunGuardedHandler([this] { mmiJBHelpFileClick(); }); });
  mmiAbout = mnuHelp->addAction(QStringLiteral("About"));
  mmiAbout->setObjectName(QStringLiteral("mmiAbout"));
  connect(mmiAbout, &QAction::triggered, this,
          [this] { RunGuardedHandler([this] { mmiAboutClick(); }); });
}

void TfrmJBReportsMain::BuildStatusBar() {
  barJBReportsMenu = new QStatusBar(this);
  barJBReportsMenu->setObjectName(QStringLiteral("barJBReportsMenu"));
  barJBReportsMenu->setSizeGripEnabled(false);
  for (int i = 0; i < StatusPanelCount; ++i) {
    auto* panel = new QLabel(QString::fromLatin1(kStatusDesignTexts[i]), barJBReportsMenu);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedWidth(kStatusWidths[i]);
    barJBReportsMenu->addWidget(panel);
    FStatusPanels[i] = panel;
  }
  // The last panel shows the inmate count; the workstation's name is one
  // hover away.
  FStatusPanels[StatusPanelCount - 1]->setToolTip(QSysInfo::machineHostName());
  setStatusBar(barJBReportsMenu);
}

// --- creation ---------------------------------------------------------------

void TfrmJBReportsMain::FormCreate() {
  try {
    CreateSession();
  } catch (const std::exception& e) {
    UserPrompts().ShowWarning(ExceptionMessage(e) +
                              QStringLiteral(" / Procedure: TfrmJBReportsMain.FormCreate"));
    FUserAbortLogin = true;
  }
  if (FModules.HasSession()) FModules.Session().xbUserAbortLogin = FUserAbortLogin;
}

void TfrmJBReportsMain::CreateSession() {
  TdtmJailAdminReports& session = FModules.Session();
  session.xbUserAbortLogin = false;
  FUserAbortLogin = false;
  FModules.OpenConfiguration();
  // The login dialog must not sit behind the splash.
  delete frmSplash.data();

  if (!IdentifyUser() || !ChooseFacility()) {
    FUserAbortLogin = true;
    return;
  }
  LoadFacilitySettings();
}

bool TfrmJBReportsMain::IdentifyUser() {
  TdtmJailAdminReports& session = FModules.Session();
  if (FArguments.isEmpty()) {
    session.xsJBUserName = FModules.Login(kLoginCaption);
    if (session.xsJBUserName.isEmpty()) return false;
    session.xsJBAccessLevel = FModules.GetAccessLevel(session.xsJBUserName, kSuiteJail,
                                                      QStringLiteral("JAILADMIN"), kSectionRun);
  } else {
    session.xsJBUserName = FArguments.value(0).trimmed();
    session.xsJBAccessLevel = FArguments.value(1).trimmed();
    if (session.xsJBUserName.isEmpty()) {
      UserPrompts().ShowWarning(kAccessDenied);
      return false;
    }
    FModules.SetCommandLineUser(session.xsJBUserName);
  }
  const QString level = session.xsJBAccessLevel.trimmed();
  if (level == kNoAccess || level.isEmpty()) {
    UserPrompts().ShowWarning(kAccessDenied);
    return false;
  }
  return true;
}

bool TfrmJBReportsMain::ChooseFacility() {
  TdtmJailAdminReports& session = FModules.Session();
  const std::vector<TFacilityRow> facilities = FModules.Facilities();
  if (facilities.empty()) {
    // Nothing could be reported on; the program ends through the abort
    // path rather than showing a catalogue for no facility.
    UserPrompts().ShowWarning(kNoFacilities);
    return false;
  }
  if (facilities.size() == 1) {
    session.xsFacilityID = facilities.front().FACILITYID;
    session.xsFacilityDesc = facilities.front().FACILITYDESC;
    return true;
  }
  session.xsFacilityID.clear();
  session.xsFacilityDesc.clear();
  // A facility is named by its ID; one configured without a description
  // can still be chosen.
  while (session.xsFacilityID.isEmpty()) {
    TFacilityRow chosen;
    if (!FModules.SelectFacility(chosen)) return false;
    session.xsFacilityID = chosen.FACILITYID.trimmed();
    session.xsFacilityDesc = chosen.FACILITYDESC.trimmed();
  }
  return true;
}

void TfrmJBReportsMain::LoadFacilitySettings() {
  TdtmJailAdminReports& session = FModules.Session();
  // The strip lives on until the show handler destroys it.
  ShowProgressStrip(this, 190, 10);
  StepProgress();
  frmJail_Progress->setWindowTitle(QStringLiteral("Obtaining User Access Levels..."));
  StepProgress();

  const QString& user = session.xsJBUserName;
  auto level = [&](const QString& AModule, const QString& ASection) {
    return FModules.GetAccessLevel(user, kSuiteJail, AModule, ASection);
  };
  session.xsJBINSIDAccessLevel = level(QStringLiteral("JAILINSID"), kSectionRun);
  StepProgress();
  session.xsJBINFIRMAccessLevel = level(QStringLiteral("JAILINFIRM"), kSectionRun);
  StepProgress();
  session.xsJBTRANSAccessLevel = level(QStringLiteral("JAILTRANS"), kSectionRun);
  session.xsJBCLASSIAccessLevel = level(QStringLiteral("JAILCLASSI"), kSectionRun);
  session.xsJBVISITAccessLevel = level(QStringLiteral("JAILVISIT"), kSectionRun);
  StepProgress();
  session.xsJBSENTEAccessLevel = level(QStringLiteral("JAILSENTE"), kSectionRun);
  session.xsJBViewJuvenileInfoAccessLevel =
      level(QStringLiteral("ALL_APPS"), QStringLiteral("VIEWJUV"));

  frmJail_Progress->setWindowTitle(
      QStringLiteral("Obtaining Inmate Population Info (This may take a few seconds)..."));
  session.xsInmatesOnJail = FModules.CountInmatesInJail(session.xsFacilityID);
  xiRunReclassificationReportBaseOnXDaysIntervals = FModules.DaysUntilNextReclass();
  FModules.WriteTransLog(etLogIn, QStringLiteral("Log In Jail Reports "));
}

void TfrmJBReportsMain::StepProgress() {
  if (frmJail_Progress) frmJail_Progress->prgJAIL->StepIt();
}

// --- show -------------------------------------------------------------------

void TfrmJBReportsMain::showEvent(QShowEvent* event) {
  TNrvMainThemeForm::showEvent(event);
  if (FShown || event->spontaneous()) return;
  FShown = true;
  FormShow();
}

void TfrmJBReportsMain::FormShow() {
  const TdtmJailAdminReports& session = FModules.Session();
  try {
    SetAccessLevel();
    StepProgress();
    FStatusPanels[0]->setText(session.xsJBUserName);
    FStatusPanels[1]->setText(session.xsJBAccessLevel);
    FStatusPanels[2]->setText(FModules.AgencyName());
    FStatusPanels[3]->setText(QStringLiteral("V.") +
                              StVersionInfo.StringField(TVersionInfo::vsiFileVersion));
    FStatusPanels[4]->setText(QStringLiteral("Inmates In Jail [ ") +
                              QString::number(session.xsInmatesOnJail) + QStringLiteral(" ]"));
    delete frmJail_Progress.data();
    setWindowTitle(FacilityCaption(session.xsFacilityID, session.xsFacilityDesc));

    KsJailBookMiscRpts = new TKsReportList(this);
    KsJailBookMiscRpts->SetReportNum(session.xsFacilityID.trimmed());
    KsJailBookMiscRpts->BuildReportsMenu(
        FModules.ConfigConnection(), kSuiteJail, {QStringLiteral("JAILBOOKMISC")},
        DropDownMenu(QStringLiteral("MiscReports")), TKsReportList::rkSingleRecord);
    KsJailBookMiscRpts->BeforePrint = [this](TKsReportList& sender) { CensusBeforePrint(sender); };
    KsJailChartsMiscRpts = new TKsReportList(this);
    KsJailChartsMiscRpts->SetReportNum(session.xsFacilityID.trimmed());
    KsJailChartsMiscRpts->BuildReportsMenu(
        FModules.ConfigConnection(), kSuiteJail, {QStringLiteral("JAILCHARTSMISC")},
        DropDownMenu(QStringLiteral("MiscCharts")), TKsReportList::rkSingleRecord);
    UpdateActions();
  } catch (const std::exception& e) {
    UserPrompts().ShowWarning(QStringLiteral("Abnormal Load Error [ ") + ExceptionMessage(e) +
                              QStringLiteral(" ] Application Will Be Closed"));
    // Closing the main window ends the program; queued, because the message
    // loop may not run yet and the window is still being shown.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

void TfrmJBReportsMain::SetAccessLevel() {
  if (FModules.Session().xsJBViewJuvenileInfoAccessLevel != kNoAccess) return;
  for (const char* name : kJuvenileButtons) {
    QPushButton* button = Button(QString::fromLatin1(name));
    if (!button) continue;
    button->setEnabled(false);
    button->setText(kJuvenileRestricted);
  }
}

// --- actions ----------------------------------------------------------------

void TfrmJBReportsMain::UpdateActions() {
  actXDaysReclassUpdate();
  actDOCUpdate();
  actChangeFacilityUpdate();
}

void TfrmJBReportsMain::EnableAction(QAction* AAction, const QString& AItemName, bool AAllowed) {
  const TReportCatalogueEntry* entry = FCatalogue.FindByItem(AItemName);
  const bool built = entry && entry->IsBuilt();
  AAction->setEnabled(AAllowed && built);
  AAction->setToolTip(built ? QString() : TReportCatalogue::NotBuiltHint());
  AAction->setStatusTip(AAction->toolTip());
}

void TfrmJBReportsMain::actXDaysReclassUpdate() {
  xiRunReclassificationReportBaseOnXDaysIntervals = FModules.DaysUntilNextReclass();
  actXDaysReclass->setText(QString::number(xiRunReclassificationReportBaseOnXDaysIntervals) +
                           QStringLiteral(" Days Reclassification"));
  EnableAction(actXDaysReclass, kXDaysReclassItem,
               FModules.Session().xsJBCLASSIAccessLevel == kFullAccess);
}

void TfrmJBReportsMain::actDOCUpdate() {
  EnableAction(actDOC, kDOCItem, FModules.Session().xsJBCLASSIAccessLevel == kFullAccess);
}

void TfrmJBReportsMain::actChangeFacilityUpdate() {
  actChangeFacility->setEnabled(FModules.Facilities().size() >= 2);
}

void TfrmJBReportsMain::actChangeFacilityExecute() {
  TdtmJailAdminReports& session = FModules.Session();
  TFacilityRow chosen;
  if (!FModules.SelectFacility(chosen)) return;

  TProgressStrip strip(this, 100, 45);
  strip.StepIt();
  session.xsFacilityID = chosen.FACILITYID.trimmed();
  session.xsFacilityDesc = chosen.FACILITYDESC.trimmed();
  strip.StepIt();
  session.xsInmatesOnJail = FModules.CountInmatesInJail(session.xsFacilityID);
  strip.StepIt();
  for (TKsReportList* list : {KsJailBookMiscRpts, KsJailChartsMiscRpts})
    if (list) list->SetReportNum(session.xsFacilityID);
  setWindowTitle(ChangedFacilityCaption(session.xsFacilityID, session.xsFacilityDesc));
  strip.StepIt();
}

void TfrmJBReportsMain::CensusBeforePrint(TKsReportList& ASender) {
  QDate start = QDate::currentDate();
  QDate end = start;
  if (!FModules.ExecuteDateRangeEntry(QStringLiteral("Jail Census"), QString(), start, end)) {
    ASender.CancelPrint = true;
    return;
  }
  // The census runs to the end of the last day chosen.
  const QDateTime from(start, QTime(0, 0), Qt::UTC);
  const QDateTime to = QDateTime(end, QTime(0, 0), Qt::UTC).addSecs(24 * 60 * 60);
  if (TKsReportInfo* report = ASender.DefaultReport())
    report->ParamValues = QVariantList{FModules.Session().xsFacilityID, from, to,
                                       DateToStr(from.date()), DateToStr(to.date())};
}

// --- catalogue entries --------------------------------------------------------

void TfrmJBReportsMain::RunEntry(const TReportCatalogueEntry& AEntry) {
  RunGuardedHandler([this, &AEntry] { FCatalogue.Run(AEntry); });
}

void TfrmJBReportsMain::RunActionEntry(const QString& AItemName) {
  if (const TReportCatalogueEntry* entry = FCatalogue.FindByItem(AItemName)) RunEntry(*entry);
}

// --- help, About, exit ----------------------------------------------------------

void TfrmJBReportsMain::mmiJBHelpFileClick() {
  ExecuteHelpFile(FModules.HelpFilePath(), QStringLiteral("Wardhaven_Admin_Reports.chm"));
}

void TfrmJBReportsMain::mmiAboutClick() {
  TfrmAbout about(FModules.ConfigFile(), FModules.ConnectString(), this);
  about.exec();
}

bool TfrmJBReportsMain::AskExit() {
  return UserPrompts().AskYesNo(QStringLiteral("Are you sure you want to exit?")) ==
         TPromptButton::pbYes;
}

void TfrmJBReportsMain::btnEXITClick() {
  if (!AskExit()) return;
  FModules.WriteTransLog(etLogOut, QStringLiteral("Log Out Jail Reports"));
  close();
}

void TfrmJBReportsMain::mhJBExitClick() {
  if (AskExit()) close();
}

void TfrmJBReportsMain::closeEvent(QCloseEvent* event) {
  FormClose();
  TNrvMainThemeForm::closeEvent(event);
}

void TfrmJBReportsMain::FormClose() {
  // Their menu items go with them; nothing of that may stop the closing.
  for (TKsReportList** list : {&KsJailBookMiscRpts, &KsJailChartsMiscRpts}) {
    try {
      delete *list;
    } catch (...) {
    }
    *list = nullptr;
  }
}
