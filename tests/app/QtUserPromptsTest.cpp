#include "app/QtUserPrompts.h"

#include "ModalHelper.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct TSeen {
  QString Title;
  QString Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons Buttons;
  QMessageBox::StandardButton Default = QMessageBox::NoButton;
};

// Records the message box that opens next and presses one of its buttons
// (NoButton: presses Esc).
void AnswerNextBox(TSeen& seen, QMessageBox::StandardButton press) {
  WithNextModal([&seen, press](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen.Title = box->windowTitle();
    seen.Text = box->text();
    seen.Icon = box->icon();
    seen.Buttons = box->standardButtons();
    seen.Default = box->standardButton(box->defaultButton());
    if (press == QMessageBox::NoButton)
      PressEscape(box);
    else
      box->button(press)->click();
  });
}

}  // namespace

TEST(QtUserPrompts, ErrorShowsTheExactTextWithTheStandardCaption) {
  TQtUserPrompts prompts;
  TSeen seen;
  AnswerNextBox(seen, QMessageBox::Ok);
  prompts.ShowError(QStringLiteral("The date/time selected is not a valid date/time."));
  EXPECT_EQ(seen.Title, QStringLiteral("Error"));
  EXPECT_EQ(seen.Text, QStringLiteral("The date/time selected is not a valid date/time."));
  EXPECT_EQ(seen.Icon, QMessageBox::Critical);
  EXPECT_EQ(seen.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(QtUserPrompts, GivenCaptionIsUsedAsIs) {
  TQtUserPrompts prompts;
  TSeen seen;
  AnswerNextBox(seen, QMessageBox::Ok);
  prompts.ShowWarning(QStringLiteral("No data found."), QStringLiteral("Jail Reports"));
  EXPECT_EQ(seen.Title, QStringLiteral("Jail Reports"));
  EXPECT_EQ(seen.Icon, QMessageBox::Warning);
}

TEST(QtUserPrompts, YesNoReturnsTheButtonPressedAndNoForEsc) {
  TQtUserPrompts prompts;
  const QString question = QStringLiteral("Are you sure you want to exit?");
  TSeen seen;
  AnswerNextBox(seen, QMessageBox::Yes);
  EXPECT_EQ(prompts.AskYesNo(question), TPromptButton::pbYes);
  EXPECT_EQ(seen.Title, QStringLiteral("Confirm"));
  EXPECT_EQ(seen.Text, question);
  EXPECT_EQ(seen.Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(seen.Default, QMessageBox::Yes);

  AnswerNextBox(seen, QMessageBox::No);
  EXPECT_EQ(prompts.AskYesNo(question, {}, TPromptButton::pbNo), TPromptButton::pbNo);
  EXPECT_EQ(seen.Default, QMessageBox::No);

  AnswerNextBox(seen, QMessageBox::NoButton);
  EXPECT_EQ(prompts.AskYesNo(question), TPromptButton::pbNo);
}

TEST(QtUserPrompts, YesNoCancelAnswersCancelForEsc) {
  TQtUserPrompts prompts;
  TSeen seen;
  AnswerNextBox(seen, QMessageBox::NoButton);
  EXPECT_EQ(prompts.AskYesNoCancel(QStringLiteral("Save the settings?")), TPromptButton::pbCancel);
  EXPECT_EQ(seen.Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST(QtUserPrompts, HourglassIsTheOverrideCursorUntilTheLastPop) {
  TQtUserPrompts prompts;
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    THourglass outer(prompts);
    THourglass inner(prompts);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // A stray pop leaves another part's cursor alone.
  QApplication::setOverrideCursor(Qt::PointingHandCursor);
  prompts.PopHourglass();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  QApplication::restoreOverrideCursor();
}

TEST(QtUserPrompts, HourglassLeftSetIsRestoredWithThePrompts) {
  {
    TQtUserPrompts prompts;
    prompts.PushHourglass();
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
