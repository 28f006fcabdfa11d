#include "app/StepProgressBar.h"
#include "app/fmJail_Progress.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(JailProgressTest, ShowStepsOnceAndCloseSaysFinishing) {
  TfrmJail_Progress progress;
  EXPECT_EQ(progress.windowTitle(), "Loading Inmate Record...");
  EXPECT_EQ(progress.size(), QSize(728, 18));
  EXPECT_EQ(progress.prgJAIL->value(), 50);
  EXPECT_EQ(progress.lblProcess->text(), "Starting....");

  progress.show();
  EXPECT_EQ(progress.prgJAIL->value(), 100);
  EXPECT_EQ(progress.cursor().shape(), Qt::WaitCursor);

  progress.close();
  EXPECT_EQ(progress.windowTitle(), "Finishing");
  EXPECT_EQ(progress.prgJAIL->value(), 100);  // stepping past the end keeps it full
  EXPECT_EQ(progress.cursor().shape(), Qt::ArrowCursor);
}

TEST(JailProgressTest, TheStartupSettingsStepByTen) {
  TfrmJail_Progress progress;
  progress.prgJAIL->setValue(0);
  progress.prgJAIL->setMaximum(190);
  progress.prgJAIL->SetStep(10);
  for (int i = 0; i < 3; ++i) progress.prgJAIL->StepIt();
  EXPECT_EQ(progress.prgJAIL->value(), 30);
}

}  // namespace
