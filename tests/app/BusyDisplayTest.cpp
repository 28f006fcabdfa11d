#include "app/BusyDisplay.h"
#include "app/fmWorkingMessage.h"
#include "core/ScriptedPrompts.h"

#include <QFrame>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

class BusyDisplay : public testing::Test {
 protected:
  void SetUp() override {
    FOwner.setGeometry(100, 120, 600, 400);
    FOwner.show();
  }

  TScriptedPrompts FPrompts;
  TUserPromptsScope FScope{FPrompts};
  QWidget FOwner;
};

}  // namespace

TEST_F(BusyDisplay, ShowsTheWorkingWindowCentredOverItsOwnerOnTop) {
  TBusyDisplay busy(&FOwner);
  busy.Show();
  TfrmWorkingMessageForm* form = busy.WorkingMessageForm();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->size(), QSize(189, 39));
  const QPoint offset = form->geometry().center() - FOwner.frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form->lblWorking->text(), QStringLiteral("Working..."));
  EXPECT_EQ(form->lblWorking->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(form->pnlInner->geometry(), QRect(1, 1, 187, 37));
  EXPECT_EQ(form->cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(FPrompts.HourglassDepth(), 1);

  busy.Hide();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(FPrompts.HourglassDepth(), 0);
}

TEST_F(BusyDisplay, ShowingAgainFollowsTheOwnerAndKeepsOneHourglass) {
  TBusyDisplay busy(&FOwner);
  busy.Show();
  FOwner.move(300, 200);
  busy.Show();
  EXPECT_EQ(FPrompts.HourglassDepth(), 1);
  const QPoint offset =
      busy.WorkingMessageForm()->geometry().center() - FOwner.frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 1);
}

TEST_F(BusyDisplay, DestructionHidesAndReleasesTheWindow) {
  QPointer<TfrmWorkingMessageForm> form;
  {
    TBusyDisplay busy(&FOwner);
    busy.Show();
    form = busy.WorkingMessageForm();
    ASSERT_TRUE(form);
  }
  EXPECT_TRUE(form.isNull());
  EXPECT_EQ(FPrompts.HourglassDepth(), 0);
  EXPECT_EQ(FPrompts.HourglassPushes(), FPrompts.HourglassPops());
}

TEST_F(BusyDisplay, OwnerClosedFirstLeavesNothingBehind) {
  auto* owner = new QWidget;
  owner->show();
  TBusyDisplay busy(owner);
  busy.Show();
  delete owner;
  EXPECT_EQ(busy.WorkingMessageForm(), nullptr);
  busy.Show();
  busy.Hide();
  EXPECT_EQ(FPrompts.HourglassDepth(), 0);
}
