#include "app/fmAbout.h"

#include "data/driver/ConnectionString.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const char* const kLegalNotice =
    "  Wardhaven jail management suite. Copyright (c) Wardhaven. All rights reserved.  ";
const char* const kLegalWarning =
    "Warning: this computer program is protected by copyright law and\n"
    "international treaties. Unauthorized reproduction or distribution of this\n"
    "program, or any portion of it, may result in severe civil and criminal\n"
    "penalties, and will be prosecuted to the maximum extent possible under law.";

enum TModuleColumn { colName, colVersion, colPath };

// Module rows compare their texts without regard to case.
class TModuleItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;

  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
  }
};

QLabel* AddLine(QFormLayout* form, const QString& caption) {
  auto* value = new QLabel();
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(caption, value);
  return value;
}
}  // namespace

QString TfrmAbout::DataAccessMethod(const QString& AConnectString) {
  QString provider;
  try {
    provider = TConnectionString::Parse(AConnectString).Value(QStringLiteral("Provider"));
  } catch (const std::exception&) {
    // A string the connection would refuse still names no other access.
  }
  if (provider.compare(QStringLiteral("SQLite"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("SQLite (embedded)");
  return QStringLiteral("SQL Server");
}

TfrmAbout::TfrmAbout(const QString& AConfigFile, const QString& AConnectString, QWidget* AParent)
    : TNrvThemeForm(AParent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      FConfigFile(AConfigFile),
      FConnectString(AConnectString),
      FModulesSource([] { return LoadedModules(); }) {
  setFixedSize(668, 360);

  pgcAbout = new QStackedWidget(this);
  tsAbout = new QWidget();
  tsFileVersions = new QWidget();
  pgcAbout->addWidget(tsAbout);
  pgcAbout->addWidget(tsFileVersions);

  auto* aboutLayout = new QVBoxLayout(tsAbout);
  auto* form = new QFormLayout();
  lblProgramGroup = AddLine(form, QStringLiteral("Program Group:"));
  lblModule = AddLine(form, QStringLiteral("Module:"));
  lblVersion = AddLine(form, QStringLiteral("Version:"));
  lblConfigFile = AddLine(form, QStringLiteral("Configuration File:"));
  lblDatabaseAccess = AddLine(form, QStringLiteral("Database Access Type:"));
  lblParentApplication = AddLine(form, QStringLiteral("Parent Application:"));
  lblParentApplicationCaption = qobject_cast<QLabel*>(form->labelForField(lblParentApplication));
  aboutLayout->addLayout(form);
  memLegalNotice = new QPlainTextEdit();
  memLegalNotice->setReadOnly(true);
  memLegalWarning = new QPlainTextEdit();
  memLegalWarning->setReadOnly(true);
  aboutLayout->addWidget(memLegalNotice);
  aboutLayout->addWidget(memLegalWarning);
  auto* aboutButtons = new QHBoxLayout();
  btnFileVersions = new QPushButton(QStringLiteral("File &Versions"));
  btnOK = new QPushButton(QStringLiteral("OK"));
  btnOK->setDefault(true);
  aboutButtons->addWidget(btnFileVersions);
  aboutButtons->addStretch();
  aboutButtons->addWidget(btnOK);
  aboutLayout->addLayout(aboutButtons);

  auto* versionsLayout = new QVBoxLayout(tsFileVersions);
  lvModules = new QTreeWidget();
  lvModules->setRootIsDecorated(false);
  lvModules->setHeaderLabels(
      {QStringLiteral("Name"), QStringLiteral("Version"), QStringLiteral("Path")});
  lvModules->header()->setSectionsClickable(true);
  lvModules->header()->setSortIndicatorShown(true);
  versionsLayout->addWidget(lvModules);
  auto* versionsButtons = new QHBoxLayout();
  btnVersionsOK = new QPushButton(QStringLiteral("OK"));
  versionsButtons->addStretch();
  versionsButtons->addWidget(btnVersionsOK);
  versionsLayout->addLayout(versionsButtons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pgcAbout);

  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnFileVersions, &QPushButton::clicked, this, [this] { btnFileVersionsClick(); });
  connect(btnVersionsOK, &QPushButton::clicked, this, [this] { btnVersionsOKClick(); });
  connect(lvModules->header(), &QHeaderView::sectionClicked, this,
          [this](int column) { ColumnClick(column); });

  // FormCreate: the running module, first page.
  FModuleFileName = QCoreApplication::applicationFilePath();
  FVersionInfo.SetFileName(FModuleFileName);
  pgcAbout->setCurrentWidget(tsAbout);
}

void TfrmAbout::showEvent(QShowEvent* event) {
  TNrvThemeForm::showEvent(event);
  FormShow();
}

void TfrmAbout::FormShow() {
  const QString description = FVersionInfo.StringField(TVersionInfo::vsiFileDescription);
  setWindowTitle(QStringLiteral("About ") + description);
  lblProgramGroup->setText(FVersionInfo.StringField(TVersionInfo::vsiProductName));
  lblModule->setText(description);
  lblVersion->setText(QFileInfo(FModuleFileName).fileName() + QLatin1Char(' ') +
                      FVersionInfo.StringField(TVersionInfo::vsiFileVersion));
  lblConfigFile->setText(FConfigFile);
  lblDatabaseAccess->setText(DataAccessMethod(FConnectString));
  memLegalNotice->setPlainText(QString::fromLatin1(kLegalNotice).trimmed());
  memLegalWarning->setPlainText(QString::fromLatin1(kLegalWarning)
                                    .remove(QLatin1Char('\r'))
                                    .replace(QLatin1Char('\n'), QLatin1Char(' ')));
  // The window belongs to the program itself here, never to a library it
  // loaded, so there is no parent application to name.
  lblParentApplication->setVisible(false);
  if (lblParentApplicationCaption) lblParentApplicationCaption->setVisible(false);
}

void TfrmAbout::btnFileVersionsClick() {
  const std::optional<std::vector<TLoadedModule>> modules =
      FModulesSource ? FModulesSource() : std::nullopt;
  if (!modules) return;
  lvModules->clear();
  for (const TLoadedModule& module : *modules)
    lvModules->addTopLevelItem(
        new TModuleItem(QStringList{module.Name, module.Version, module.Path}));
  FSortColumn = colName;
  FSortAscending = true;
  SortModules();
  pgcAbout->setCurrentWidget(tsFileVersions);
}

void TfrmAbout::btnVersionsOKClick() {
  pgcAbout->setCurrentWidget(tsAbout);
}

void TfrmAbout::ColumnClick(int AColumn) {
  FSortAscending = AColumn == FSortColumn ? !FSortAscending : true;
  FSortColumn = AColumn;
  SortModules();
}

void TfrmAbout::SortModules() {
  const Qt::SortOrder order = FSortAscending ? Qt::AscendingOrder : Qt::DescendingOrder;
  lvModules->sortItems(FSortColumn, order);
  lvModules->header()->setSortIndicator(FSortColumn, order);
}
