#include "app/ChoiceDialogLayout.h"
#include "app/QtUserPrompts.h"
#include "app/fmChoiceDialog.h"
#include "app/fmTimedMessage.h"

#include "ModalHelper.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

struct TLayoutCase {
  const char* Name;
  TChoiceDialogMetrics Metrics;
  int Width, Height, Lines;
};

const QStringList kCaseButtons{QStringLiteral(" All "), QStringLiteral(" Open "),
                               QStringLiteral(" Closed ")};

QPushButton* Rightmost(const std::vector<QPushButton*>& buttons) {
  return *std::max_element(buttons.begin(), buttons.end(),
                           [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
}

}  // namespace

TEST(ChoiceDialogLayout, WidthFollowsButtonsOrMessage) {
  // B = 40, N = 3: the buttons need 3 x 50 + 2 x 10 + 20 = 190 pixels.
  const TLayoutCase cases[] = {
      {"short message", {100, 16, 40, 3}, 190, 3 * 16 + 4 * 16 + 22, 3},
      {"message as wide as the buttons", {190, 16, 40, 3}, 450, 134, 3},
      {"message under 450", {300, 16, 40, 3}, 450, 134, 3},
      {"message over two client widths", {1000, 16, 40, 3}, 450, 5 * 16 + 4 * 16 + 22, 5},
      {"wide buttons, short message", {50, 13, 100, 5}, 610, 3 * 13 + 4 * 13 + 22, 3},
      {"wide buttons, long message", {700, 13, 100, 5}, 610, 4 * 13 + 4 * 13 + 22, 4},
  };
  for (const TLayoutCase& c : cases) {
    const TChoiceDialogLayout layout = ComputeChoiceDialogLayout(c.Metrics);
    EXPECT_EQ(layout.Width, c.Width) << c.Name;
    EXPECT_EQ(layout.Height, c.Height) << c.Name;
    EXPECT_EQ(layout.Lines, c.Lines) << c.Name;
    EXPECT_EQ(layout.Message, QRect(10, 10, layout.Width - 20, c.Lines * c.Metrics.LineHeight))
        << c.Name;
  }
}

TEST(ChoiceDialogLayout, ButtonsStandRightToLeftAboveTheBottom) {
  const TChoiceDialogLayout layout = ComputeChoiceDialogLayout({100, 16, 40, 3});
  ASSERT_EQ(layout.Buttons.size(), 3u);
  EXPECT_EQ(layout.Buttons[0], QRect(190 - 60, 134 - 35, 50, 25));
  EXPECT_EQ(layout.Buttons[1], QRect(190 - 120, 99, 50, 25));
  EXPECT_EQ(layout.Buttons[2], QRect(10, 99, 50, 25));  // the leftmost keeps the margin
}

TEST(ChoiceDialogLayout, ClientAreaExcludesTheFrame) {
  TChoiceDialogMetrics metrics{1000, 16, 40, 3};
  metrics.NonClientWidth = 8;
  metrics.NonClientHeight = 30;
  const TChoiceDialogLayout layout = ComputeChoiceDialogLayout(metrics);
  EXPECT_EQ(layout.ClientWidth, 442);
  EXPECT_EQ(layout.Lines, 3 + 1000 / 442);
  EXPECT_EQ(layout.Message.width(), 422);
  EXPECT_EQ(layout.ClientHeight, layout.Height - 30);
  EXPECT_EQ(layout.Buttons[0].top(), layout.ClientHeight - 35);
  EXPECT_EQ(layout.Buttons[0].left(), 450 - 60);
}

TEST(ChoiceDialogLayout, TimedMessageIsAlways450Wide) {
  EXPECT_EQ(ComputeTimedMessageLayout(40, 16).Width, 450);
  EXPECT_EQ(ComputeTimedMessageLayout(40, 16).Lines, 3);
  EXPECT_EQ(ComputeTimedMessageLayout(1000, 16).Lines, 5);
  EXPECT_EQ(ComputeTimedMessageLayout(1000, 16).Height, 5 * 16 + 4 * 16 + 22);
}

TEST(ChoiceDialog, ShortMessageWithShortButtonsIsNarrowerThan450) {
  TfrmChoiceDialog dialog(QStringLiteral("Filter Report"), QStringLiteral("Which?"), kCaseButtons);
  EXPECT_LT(dialog.width(), 450);
  EXPECT_EQ(dialog.width(), dialog.Layout().Width);
  EXPECT_EQ(dialog.height(), dialog.Layout().Height);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Filter Report"));
  EXPECT_EQ(dialog.lblMessage->geometry(), dialog.Layout().Message);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
}

TEST(ChoiceDialog, LongMessageKeeps450AndWrapsOverMoreLines) {
  const QString text = QStringLiteral(
                           "Do you want to print a specific property item report or all property "
                           "items for this inmate? ")
                           .repeated(4);
  TfrmChoiceDialog dialog(QStringLiteral("Inmate: DOE, JOHN"), text, kCaseButtons);
  EXPECT_GE(dialog.width(), 450);
  EXPECT_GT(dialog.Layout().Lines, 3);
  EXPECT_TRUE(dialog.lblMessage->wordWrap());
  EXPECT_EQ(dialog.lblMessage->height(),
            dialog.Layout().Lines * QFontMetrics(dialog.font()).height());
}

TEST(ChoiceDialog, FirstCaptionIsTheRightmostAndAnswersOne) {
  TfrmChoiceDialog dialog(QStringLiteral("Filter Report"),
                          QStringLiteral("Which Cases you want to print ?"), kCaseButtons);
  QPushButton* rightmost = Rightmost(dialog.Buttons);
  EXPECT_EQ(rightmost->text(), QStringLiteral(" All "));
  EXPECT_LT(dialog.Buttons[2]->x(), dialog.Buttons[1]->x());
  QTimer::singleShot(0, rightmost, &QPushButton::click);
  EXPECT_EQ(dialog.exec(), 1);
}

TEST(ChoiceDialog, ThroughThePromptsTheButtonNumberOrZeroForEsc) {
  TQtUserPrompts prompts;
  WithNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<TfrmChoiceDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->Buttons[2]->click();
  });
  EXPECT_EQ(prompts.ShowChoiceDialog(QStringLiteral("Filter Report"), QStringLiteral("Which?"),
                                     kCaseButtons),
            3);

  WithNextModal([](QWidget* modal) { PressEscape(modal); });
  EXPECT_EQ(prompts.ShowChoiceDialog(QStringLiteral("Filter Report"), QStringLiteral("Which?"),
                                     kCaseButtons),
            0);
}

TEST(TimedMessage, IsSizedByTheSameRule) {
  TfrmTimedMessage window(QStringLiteral("Invalid Login Attempt"), QStringLiteral("Login failed."));
  EXPECT_EQ(window.width(), 450);
  EXPECT_EQ(window.height(), window.Layout().Height);
  EXPECT_EQ(window.lblMessage->text(), QStringLiteral("Login failed."));
  window.ShowFor(0);
  EXPECT_FALSE(window.isVisible());
}
