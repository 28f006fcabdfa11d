#pragma once

#include "app/LoadedModules.h"
#include "app/VersionInfo.h"
#include "app/utThemeSupport.h"

#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

// The About window: program, version, configuration file and database
// access, and on a second page the modules loaded in the process.
class TfrmAbout : public TNrvThemeForm {
  Q_OBJECT

 public:
  // AConfigFile is the suite configuration file the search found;
  // AConnectString its connection string, which tells the database access.
  TfrmAbout(const QString& AConfigFile, const QString& AConnectString, QWidget* AParent = nullptr);

  // "SQL Server", or the embedded database when the connection string names it.
  static QString DataAccessMethod(const QString& AConnectString);

  // Fills the module list and switches to it; stays on the first page when
  // the modules cannot be listed.
  void btnFileVersionsClick();
  void btnVersionsOKClick();
  // A click on a column header: ascending for a new column, reversed for the
  // same one again; without regard to case.
  void ColumnClick(int AColumn);
  int SortColumn() const { return FSortColumn; }
  bool SortAscending() const { return FSortAscending; }

  // Where the module list comes from (tests give a file of their own).
  void SetModulesSource(std::function<std::optional<std::vector<TLoadedModule>>()> ASource) {
    FModulesSource = std::move(ASource);
  }

  QStackedWidget* pgcAbout = nullptr;
  QWidget* tsAbout = nullptr;
  QWidget* tsFileVersions = nullptr;
  QLabel* lblProgramGroup = nullptr;
  QLabel* lblModule = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblConfigFile = nullptr;
  QLabel* lblDatabaseAccess = nullptr;
  QLabel* lblParentApplicationCaption = nullptr;
  QLabel* lblParentApplication = nullptr;
  QPlainTextEdit* memLegalNotice = nullptr;
  QPlainTextEdit* memLegalWarning = nullptr;
  QPushButton* btnFileVersions = nullptr;
  QPushButton* btnOK = nullptr;
  QTreeWidget* lvModules = nullptr;
  QPushButton* btnVersionsOK = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void SortModules();

  TVersionInfo FVersionInfo;
  QString FModuleFileName;
  QString FConfigFile;
  QString FConnectString;
  std::function<std::optional<std::vector<TLoadedModule>>()> FModulesSource;
  int FSortColumn = 0;
  bool FSortAscending = true;
};
