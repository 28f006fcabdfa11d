#include "app/fmSplash.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

namespace {

TEST(SplashTest, StartsEmptyWithTheTitlesOfTheVersionBlockHidden) {
  TfrmSplash splash;
  EXPECT_EQ(splash.windowTitle(), "Initializing...");
  EXPECT_EQ(splash.size(), QSize(531, 310));
  EXPECT_EQ(splash.MaxSteps(), 10);
  EXPECT_EQ(splash.xiPrimaryStepCnt, 0);
  EXPECT_EQ(splash.pbarPrimary->value(), 0);
  EXPECT_EQ(splash.FileName(), QCoreApplication::applicationFilePath());
  EXPECT_EQ(splash.lblPROGRAM_GROUP->text(), "Ruzi Zavod Odezide");
  EXPECT_EQ(splash.lblMODULE_NAME->text(), "Wardhaven");
  EXPECT_EQ(splash.lblVERSION_NO->text(), "Version " TH_VERSION_STRING);
  EXPECT_EQ(splash.lblPrimaryCaption->text(), "...");
  for (QWidget* hidden :
       {static_cast<QWidget*>(splash.lblPROGRAM_GROUP),
        static_cast<QWidget*>(splash.lblMODULE_NAME), static_cast<QWidget*>(splash.lblVERSION_NO),
        static_cast<QWidget*>(splash.lblPrimaryCaption)})
    EXPECT_TRUE(hidden->isHidden());
}

TEST(SplashTest, TheFirstStepShowsTheTitlesAndEveryStepShowsItsTrimmedCaption) {
  TfrmSplash splash;
  splash.show();
  EXPECT_FALSE(splash.lblMODULE_NAME->isVisible());

  splash.PrimaryStepIt(4, "  Loading Required Files ");
  EXPECT_TRUE(splash.lblPROGRAM_GROUP->isVisible());
  EXPECT_TRUE(splash.lblMODULE_NAME->isVisible());
  EXPECT_TRUE(splash.lblVERSION_NO->isVisible());
  EXPECT_EQ(splash.lblPrimaryCaption->text(), "Initializing [Loading Required Files]...");
  EXPECT_EQ(splash.xiPrimaryStepCnt, 1);
  EXPECT_EQ(splash.pbarPrimary->value(), 25);
}

TEST(SplashTest, TheOneArgumentStepDividesByMaxSteps) {
  TfrmSplash splash;
  std::vector<int> positions;
  for (int i = 0; i < 3; ++i) {
    splash.PrimaryStepIt(QStringLiteral("x"));
    positions.push_back(splash.pbarPrimary->value());
  }
  EXPECT_EQ(positions, (std::vector<int>{10, 20, 30}));

  splash.SetMaxSteps(3);
  splash.PrimaryStepIt(QStringLiteral("x"));
  EXPECT_EQ(splash.pbarPrimary->value(), 100);  // 4 of 3 stays full
}

TEST(SplashTest, ModuleNameAndProgramGroupReplaceTheTitles) {
  TfrmSplash splash;
  splash.SetModuleName("Reports");
  splash.SetProgramGroup("County Jail");
  EXPECT_EQ(splash.ModuleName(), "Reports");
  EXPECT_EQ(splash.lblMODULE_NAME->text(), "Reports");
  EXPECT_EQ(splash.ProgramGroup(), "County Jail");
  EXPECT_EQ(splash.lblPROGRAM_GROUP->text(), "County Jail");
}

}  // namespace
