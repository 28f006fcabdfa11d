#include "app/fmMakeADecision.h"

#include "ModalHelper.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString kCaption = QStringLiteral("What do you want to do?");
const QString kMessage = QStringLiteral(
    "Do you want to print labels for all active inmates or for one specific inmate?");

int Ask() {
  return AskDecision(kCaption, kMessage, QStringLiteral("Selected One"),
                     QStringLiteral("All Inmates"));
}

}  // namespace

TEST(MakeADecision, DesignedSizeAndCaptions) {
  TfrmMakeADecision dialog;
  EXPECT_EQ(dialog.size(), QSize(493, 98));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Make A Decision"));
  EXPECT_EQ(dialog.btnDecision1->text(), QStringLiteral("Decision 1"));
  EXPECT_EQ(dialog.btnDecision2->text(), QStringLiteral("Decision 2"));
  EXPECT_TRUE(dialog.lblMessage->wordWrap());
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(MakeADecision, ShowsTheTextsAndAnswersOneForTheFirstButton) {
  WithNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<TfrmMakeADecision*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), kCaption);
    EXPECT_EQ(dialog->lblMessage->text(), kMessage);
    EXPECT_EQ(dialog->btnDecision1->text(), QStringLiteral("Selected One"));
    EXPECT_EQ(dialog->btnDecision2->text(), QStringLiteral("All Inmates"));
    dialog->btnDecision1->click();
  });
  EXPECT_EQ(Ask(), 1);
}

TEST(MakeADecision, SecondButtonAnswersZero) {
  WithNextModal(
      [](QWidget* modal) { qobject_cast<TfrmMakeADecision*>(modal)->btnDecision2->click(); });
  EXPECT_EQ(Ask(), 0);
}

TEST(MakeADecision, EscAnswersZero) {
  WithNextModal([](QWidget* modal) { PressEscape(modal); });
  EXPECT_EQ(Ask(), 0);
}
