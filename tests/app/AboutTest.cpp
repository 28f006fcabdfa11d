#include "app/LoadedModules.h"
#include "app/fmAbout.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QStringList Column(QTreeWidget* list, int column) {
  QStringList texts;
  for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
  return texts;
}

TEST(AboutTest, ShowsProgramVersionConfigurationAndDatabaseAccess) {
  TfrmAbout about("/srv/Keystane.Cfg/Keystane.ini", "Provider=SQLite;Data Source=suite.db");
  about.show();
  EXPECT_EQ(about.windowTitle(), "About Ruzi Zavod Odezide");
  EXPECT_EQ(about.lblProgramGroup->text(), "Wardhaven");
  EXPECT_EQ(about.lblModule->text(), "Ruzi Zavod Odezide");
  EXPECT_EQ(about.lblVersion->text(),
            QFileInfo(QCoreApplication::applicationFilePath()).fileName() + " " TH_VERSION_STRING);
  EXPECT_EQ(about.lblConfigFile->text(), "/srv/Keystane.Cfg/Keystane.ini");
  EXPECT_EQ(about.lblDatabaseAccess->text(), "SQLite (embedded)");
  EXPECT_FALSE(about.lblParentApplication->isVisible());
  EXPECT_FALSE(about.memLegalWarning->toPlainText().contains('\n'));
  EXPECT_EQ(about.memLegalNotice->toPlainText(), about.memLegalNotice->toPlainText().trimmed());
  EXPECT_EQ(about.pgcAbout->currentWidget(), about.tsAbout);
  EXPECT_EQ(about.size(), QSize(668, 360));

  for (const char* connect : {"Data Source=srv;Initial Catalog=JAIL", "", "Provider"})
    EXPECT_EQ(TfrmAbout::DataAccessMethod(connect), "SQL Server") << connect;
}

TEST(AboutTest, FileVersionsListsTheModulesSortedByTheClickedColumn) {
  TfrmAbout about("", "");
  about.SetModulesSource([] {
    return std::vector<TLoadedModule>{{"libz.so.1", "1", "/lib/libz.so.1"},
                                      {"Tallyhouse", "1.0.0.1", "/opt/a/Tallyhouse"},
                                      {"libQt6Core.so.6", "6", "/usr/lib/libQt6Core.so.6"}};
  });
  about.show();
  about.btnFileVersions->click();
  EXPECT_EQ(about.pgcAbout->currentWidget(), about.tsFileVersions);
  // Without regard to case.
  EXPECT_EQ(Column(about.lvModules, 0),
            (QStringList{"libQt6Core.so.6", "libz.so.1", "Tallyhouse"}));

  about.ColumnClick(0);
  EXPECT_EQ(Column(about.lvModules, 0),
            (QStringList{"Tallyhouse", "libz.so.1", "libQt6Core.so.6"}));
  about.ColumnClick(2);
  EXPECT_TRUE(about.SortAscending());
  EXPECT_EQ(Column(about.lvModules, 2),
            (QStringList{"/lib/libz.so.1", "/opt/a/Tallyhouse", "/usr/lib/libQt6Core.so.6"}));

  about.btnVersionsOK->click();
  EXPECT_EQ(about.pgcAbout->currentWidget(), about.tsAbout);
}

TEST(AboutTest, WithoutAModuleListTheFirstPageStays) {
  TfrmAbout about("", "");
  about.SetModulesSource([] { return std::nullopt; });
  about.show();
  about.btnFileVersions->click();
  EXPECT_EQ(about.pgcAbout->currentWidget(), about.tsAbout);
}

TEST(LoadedModulesTest, ReadsTheExecutableMappingsOnceEach) {
  QTemporaryDir dir;
  QFile maps(dir.filePath("maps"));
  ASSERT_TRUE(maps.open(QIODevice::WriteOnly));
  maps.write(
      "55d0-55d1 r--p 00000000 08:01 100 /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2\n"
      "55d1-55d2 r-xp 00001000 08:01 100 /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2\n"
      "55d2-55d3 r-xp 00002000 08:01 100 /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2\n"
      "55d3-55d4 r--p 00000000 08:01 200 /usr/share/fonts/LiberationSans-Regular.ttf\n"
      "55d4-55d5 r-xp 00000000 08:01 300 /opt/My Reports/libreports.so (deleted)\n"
      "55d5-55d6 rw-p 00000000 00:00 0 [heap]\n"
      "55d6-55d7 r-xp 00000000 00:00 0 [vdso]\n"
      "55d7-55d8 r-xp 00000000 08:01 400 /lib/x86_64-linux-gnu/libz.so.1.2.13\n");
  maps.close();

  const auto modules = LoadedModules(maps.fileName());
  ASSERT_TRUE(modules.has_value());
  QStringList listed;
  for (const TLoadedModule& m : *modules) listed << m.Name + "|" + m.Version + "|" + m.Path;
  EXPECT_EQ(listed,
            (QStringList{"libQt6Core.so.6.4.2|6.4.2|/usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2",
                         "libreports.so||/opt/My Reports/libreports.so",
                         "libz.so.1.2.13|1.2.13|/lib/x86_64-linux-gnu/libz.so.1.2.13"}));

  EXPECT_FALSE(LoadedModules(dir.filePath("none")).has_value());
}

TEST(LoadedModulesTest, TheRunningProgramCarriesItsFileVersion) {
  const auto modules = LoadedModules();
  ASSERT_TRUE(modules.has_value());
  const QString program = QCoreApplication::applicationFilePath();
  const auto self = std::find_if(modules->begin(), modules->end(),
                                 [&](const TLoadedModule& m) { return m.Path == program; });
  ASSERT_NE(self, modules->end());
  EXPECT_EQ(self->Version, TH_VERSION_STRING);
}

}  // namespace
