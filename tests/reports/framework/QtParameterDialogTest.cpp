#include "DialogTestFixture.h"
#include "fixtures/WidgetEvents.h"
#include "reports/framework/CellNoRangeModel.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/PrintCountRangeModel.h"
#include "reports/framework/QtParameterDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

// Runs `drive` on the modal dialog once it is up.
void WhenShown(std::function<void(QDialog&)> drive) {
  QTimer::singleShot(0, [drive] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    drive(*dialog);
    // A dialog the check kept open is closed here so the test goes on.
    if (dialog->isVisible()) dialog->reject();
  });
}

void SetText(QDialog& dialog, const char* name, const QString& text) {
  auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
  ASSERT_NE(edit, nullptr) << name;
  edit->setText(text);
}

QPushButton* Ok(QDialog& dialog) {
  return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

}  // namespace

TEST_F(DialogTest, QtRangeViewAcceptsAValidEntry) {
  QtParameterDialogs dialogs;
  TDateTimeRangeModel m(&FLists);
  m.ShowDateTimeAndDormOnly();
  int height = 0;
  WhenShown([&](QDialog& d) {
    height = d.height();
    SetText(d, "dtpDateFrom", "03/05/2015");
    SetText(d, "dtpTimeFrom", "2:07 PM");
    d.findChild<QComboBox*>("cbDormTo")->setCurrentText("D2");
    Ok(d)->click();
  });
  ASSERT_TRUE(dialogs.ShowDateTimeRange(m));
  EXPECT_EQ(height, 225);
  EXPECT_EQ(m.xsDateStart, "03/05/2015");
  EXPECT_EQ(m.xsTimeStart, "02:07:00 PM");
  EXPECT_EQ(m.xsDormEnd, "D2");
  EXPECT_TRUE(FPrompts.Prompts().empty());
}

TEST_F(DialogTest, QtRangeViewShowsTheCheckMessageAndStaysOpen) {
  QtParameterDialogs dialogs;
  TDateTimeRangeModel m(&FLists);
  m.ShowDateAndTimeOnly();
  bool stillOpen = false;
  WhenShown([&](QDialog& d) {
    SetText(d, "dtpTimeFrom", "2:07 PM");
    Ok(d)->click();
    stillOpen = d.isVisible();
  });
  EXPECT_FALSE(dialogs.ShowDateTimeRange(m));
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(FPrompts.Texts(TPromptKind::pkWarning),
            QStringList({"Range of days must be entered."}));
}

TEST_F(DialogTest, QtTimePickerClearsOnBackspace) {
  QtParameterDialogs dialogs;
  TDateTimeRangeModel m(&FLists);
  m.ShowDateAndTimeOnly();
  QString after = "unset";
  WhenShown([&](QDialog& d) {
    auto* time = d.findChild<QLineEdit*>("dtpTimeFrom");
    time->setText("2:07 PM");
    WidgetEvents::Key(time, Qt::Key_Backspace);
    after = time->text();
  });
  dialogs.ShowDateTimeRange(m);
  EXPECT_TRUE(after.isEmpty());
}

TEST_F(DialogTest, QtCellViewPrintAllCellsDisablesTheBoxes) {
  QtParameterDialogs dialogs;
  TCellNoRangeModel m(&FLists);
  bool boxesEnabled = true;
  WhenShown([&](QDialog& d) {
    d.findChild<QComboBox*>("lcbCellFrom")->setCurrentText("MAIN*A*101");
    d.findChild<QCheckBox*>("chkAllCells")->setChecked(true);
    boxesEnabled = d.findChild<QComboBox*>("lcbCellFrom")->isEnabled();
    Ok(d)->click();
  });
  ASSERT_TRUE(dialogs.ShowCellNoRange(m));
  EXPECT_FALSE(boxesEnabled);
  EXPECT_TRUE(m.xbAllCells);
  EXPECT_TRUE(m.xsCellNORangeStart.isEmpty());
}

TEST_F(DialogTest, QtBillingViewEnablesPrintOnceAnAgencyIsChosen) {
  QtParameterDialogs dialogs;
  TPrintCountRangeModel m(&FLists);
  FPrompts.AddAnswer("Select An Organization", "Bay County");
  bool before = true, after = false;
  QString caption;
  WhenShown([&](QDialog& d) {
    before = Ok(d)->isEnabled();
    d.findChild<QPushButton*>("btnSearchAgency")->click();
    after = Ok(d)->isEnabled();
    caption = Ok(d)->text();
    Ok(d)->click();
  });
  ASSERT_TRUE(dialogs.ShowPrintCountRange(m));
  EXPECT_FALSE(before);
  EXPECT_TRUE(after);
  EXPECT_EQ(caption, "Print");
  EXPECT_EQ(m.xsCountOrgToPrint, "BAY COUNTY");
  EXPECT_DOUBLE_EQ(m.xcCountPaymentRange, 1234.5);
}
