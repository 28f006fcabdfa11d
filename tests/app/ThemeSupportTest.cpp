#include "app/utThemeSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QFrame>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

struct TClampCase {
  int Points;
  int Expected;
};

// A window as designed: 8-point window font, a heading label at 10 points in
// the same family, a label in another family, a label that inherits.
class TDesignedForm : public TNrvThemeForm {
 public:
  TDesignedForm() {
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    lblHeading = new QLabel(QStringLiteral("Heading"), this);
    lblHeading->setFont(QFont(QStringLiteral("Liberation Sans"), 10));
    lblPlain = new QLabel(QStringLiteral("Plain"), this);
  }
  QLabel* lblHeading;
  QLabel* lblPlain;
};

// Sets the system message font for one test and puts the old fonts back.
class TSystemFont {
 public:
  explicit TSystemFont(const QFont& font)
      : FSavedApp(QApplication::font()), FSavedMessage(QApplication::font("QMessageBox")) {
    QApplication::setFont(font, "QMessageBox");
  }
  ~TSystemFont() {
    QApplication::setFont(FSavedApp);
    QApplication::setFont(FSavedMessage, "QMessageBox");
  }

 private:
  QFont FSavedApp;
  QFont FSavedMessage;
};

}  // namespace

TEST(NrvThemeFont, ClampsTheSystemSizeToEightOrNinePoints) {
  const TClampCase cases[] = {{12, 9}, {7, 8}, {6, 8}, {8, 8}, {9, 9}, {10, 9}};
  for (const TClampCase& c : cases) {
    const QFont clamped = ClampNrvThemeFont(QFont(QStringLiteral("Liberation Serif"), c.Points));
    EXPECT_EQ(clamped.pointSize(), c.Expected) << c.Points;
    EXPECT_EQ(clamped.family(), QStringLiteral("Liberation Serif"));
  }
}

TEST(NrvThemeFont, ChildFontsInTheOldFamilyMoveByTheWindowsChange) {
  QWidget window;
  window.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
  auto* heading = new QLabel(&window);
  heading->setFont(QFont(QStringLiteral("Liberation Sans"), 10));
  auto* otherFamily = new QLabel(&window);
  otherFamily->setFont(QFont(QStringLiteral("Liberation Mono"), 10));
  auto* plain = new QLabel(&window);
  auto* panel = new QFrame(&window);
  auto* nested = new QLabel(panel);
  nested->setFont(QFont(QStringLiteral("liberation sans"), 12));  // family case differs
  auto* sizeOnly = new QLabel(&window);
  QFont bigger;
  bigger.setPointSize(14);  // family inherited from the window
  sizeOnly->setFont(bigger);
  auto* kept = new QLabel(&window);
  kept->setFont(QFont(QStringLiteral("Liberation Sans"), 10));
  kept->setProperty("nrvKeepFont", true);
  auto* ownWindow = new QWidget(&window, Qt::Window);
  ownWindow->setFont(QFont(QStringLiteral("Liberation Sans"), 10));

  ApplyNrvFontRule(&window, window.font(), QFont(QStringLiteral("Liberation Serif"), 9));

  EXPECT_EQ(window.font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(window.font().pointSize(), 9);
  EXPECT_EQ(heading->font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(heading->font().pointSize(), 11);
  EXPECT_EQ(otherFamily->font().family(), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(otherFamily->font().pointSize(), 10);
  EXPECT_EQ(plain->font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(plain->font().pointSize(), 9);
  EXPECT_EQ(nested->font().pointSize(), 13);
  EXPECT_EQ(sizeOnly->font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(sizeOnly->font().pointSize(), 15);
  EXPECT_EQ(kept->font().pointSize(), 10);
  EXPECT_EQ(kept->font().family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(ownWindow->font().pointSize(), 10);
}

TEST(NrvThemeForm, TakesTheSystemFontWhenShownAndFollowsItsChanges) {
  TSystemFont system(QFont(QStringLiteral("Liberation Serif"), 12));
  TDesignedForm form;
  form.ensurePolished();
  EXPECT_EQ(form.font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(form.font().pointSize(), 9);
  EXPECT_EQ(form.lblHeading->font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(form.lblHeading->font().pointSize(), 11);
  EXPECT_EQ(form.lblPlain->font().pointSize(), 9);

  // The desktop's font goes down to 7 points: window 8 points, heading 10.
  QApplication::setFont(QFont(QStringLiteral("Liberation Serif"), 7));
  QCoreApplication::processEvents();
  EXPECT_EQ(form.font().pointSize(), 8);
  EXPECT_EQ(form.lblHeading->font().pointSize(), 10);

  // A change of the desktop theme brings the message font back to 12 points.
  QApplication::setFont(QFont(QStringLiteral("Liberation Serif"), 12), "QMessageBox");
  QEvent themeChange(QEvent::ThemeChange);
  QApplication::sendEvent(&form, &themeChange);
  EXPECT_EQ(form.font().pointSize(), 9);
  EXPECT_EQ(form.lblHeading->font().pointSize(), 11);
}

TEST(NrvThemeForm, StartupAndMainFormsGetTheSameFont) {
  TSystemFont system(QFont(QStringLiteral("Liberation Serif"), 7));
  TNrvStartupForm startup;
  TNrvMainThemeForm main;
  startup.ensurePolished();
  main.ensurePolished();
  EXPECT_EQ(startup.font().pointSize(), 8);
  EXPECT_EQ(main.font().pointSize(), 8);
  EXPECT_EQ(main.font().family(), QStringLiteral("Liberation Serif"));
}

TEST(NrvThemeForm, WhiteCalendarColoursFollowTheSystemColours) {
  const QPalette saved = QApplication::palette();
  QPalette dark = saved;
  dark.setColor(QPalette::Base, QColor(40, 40, 40));
  dark.setColor(QPalette::HighlightedText, QColor(255, 255, 0));
  QApplication::setPalette(dark);
  {
    TNrvThemeForm form;
    auto* picker = new QDateTimeEdit(&form);
    picker->setCalendarPopup(true);
    QCalendarWidget* popupCalendar = picker->calendarWidget();
    ASSERT_NE(popupCalendar, nullptr);
    QPalette white = popupCalendar->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::HighlightedText, Qt::white);
    popupCalendar->setPalette(white);

    auto* tinted = new QCalendarWidget(&form);
    QPalette cream = tinted->palette();
    cream.setColor(QPalette::Base, QColor(255, 250, 230));
    cream.setColor(QPalette::HighlightedText, Qt::white);
    tinted->setPalette(cream);

    form.ensurePolished();

    EXPECT_EQ(popupCalendar->palette().color(QPalette::Base), QColor(40, 40, 40));
    EXPECT_EQ(popupCalendar->palette().color(QPalette::HighlightedText), QColor(255, 255, 0));
    EXPECT_EQ(tinted->palette().color(QPalette::Base), QColor(255, 250, 230));
    EXPECT_EQ(tinted->palette().color(QPalette::HighlightedText), QColor(255, 255, 0));
  }
  QApplication::setPalette(saved);
}
