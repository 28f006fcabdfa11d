#pragma once

#include <QDialog>
#include <QFont>
#include <QMainWindow>

class QCalendarWidget;

// The look every window of the program shares: the system's message font at
// 8 or 9 points (larger or smaller sizes make the designed layouts overflow or
// look sparse), child fonts kept in proportion to it, and date pickers whose
// calendars follow the system colours.

// The system's message font, its size clamped to 8..9 points.
QFont NrvSystemMessageFont();
QFont ClampNrvThemeFont(QFont font);

// Gives the window newFont and carries the change over to its children at any
// depth: a child with a font of its own in the old font's family gets the new
// family and its size moved by as many points as the window's changed.
// Children that inherit follow by themselves; a widget with the dynamic
// property "nrvKeepFont" set (rich text bound to data) is left alone.
void ApplyNrvFontRule(QWidget* window, const QFont& oldFont, const QFont& newFont);

// A calendar's pure white month background becomes the system's window (base)
// colour, its pure white title text the system's highlighted-text colour.
void FixNrvCalendarColours(QCalendarWidget* calendar);
// The same for every date picker and calendar on the window.
void FixNrvDatePickers(QWidget* window);

// Applies the theme to one window: when it is first polished (its children
// are built by then) and again when the system's fonts change. Both base
// forms below hold one.
class TNrvThemeSupport : public QObject {
  Q_OBJECT

 public:
  explicit TNrvThemeSupport(QWidget* window);

  // The font rule against the current system message font.
  void RefreshFont();
  // The control theme; the platform style already draws every control natively,
  // so there is nothing to adjust beyond the date pickers.
  void ApplyControlTheme();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* FWindow;
  bool FApplied = false;
  bool FApplying = false;
};

// Base of almost every window: parameter dialogs, progress strip, password
// dialog, About, decision dialog, report windows. A dialog, so that it can be
// shown modally or not.
class TNrvThemeForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNrvThemeForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

  // Applies the control theme again.
  void ThemeChange(QObject* sender = nullptr);

 protected:
  virtual void RefreshFont();

 private:
  TNrvThemeSupport* FThemeSupport;
};

// Base of the windows shown before the main window exists (splash, login);
// it behaves exactly like TNrvThemeForm.
class TNrvStartupForm : public TNrvThemeForm {
  Q_OBJECT

 public:
  using TNrvThemeForm::TNrvThemeForm;
};

// Base of the main window: the same theme on a main window, which carries the
// menu bar and status bar.
class TNrvMainThemeForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TNrvMainThemeForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

  void ThemeChange(QObject* sender = nullptr);

 protected:
  virtual void RefreshFont();

 private:
  TNrvThemeSupport* FThemeSupport;
};
