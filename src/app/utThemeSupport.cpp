#include "app/utThemeSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFontInfo>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kMinPoints = 8;
constexpr int kMaxPoints = 9;

// Whole points even for a font given in pixels.
int Points(const QFont& font) {
  if (font.pointSize() > 0) return font.pointSize();
  return QFontInfo(font).pointSize();
}

bool KeepsItsFont(const QWidget* widget) {
  return widget->property("nrvKeepFont").toBool();
}

// The widgets whose fonts belong to this window: its children at any depth,
// not other windows it owns, but the calendars of its date pickers, which pop
// up as windows of their own.
void CollectControls(QWidget* parent, std::vector<QWidget*>& controls) {
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (!child || child->isWindow()) continue;
    controls.push_back(child);
    if (auto* picker = qobject_cast<QDateTimeEdit*>(child);
        picker && picker->calendarPopup() && picker->calendarWidget())
      controls.push_back(picker->calendarWidget());
    CollectControls(child, controls);
  }
}

void SetColourIfWhite(QPalette& palette, QPalette::ColorRole role, const QColor& replacement,
                      bool& changed) {
  const QColor white(Qt::white);
  if (palette.color(QPalette::Active, role) == white && replacement != white) {
    palette.setColor(role, replacement);
    changed = true;
  }
}

// A window with a font of its own is not told when the application's font
// changes: only the application object is. One watcher passes that on to every
// themed window, after the change has settled (queued), when the class fonts
// the platform registers have been brought up to date too.
class TNrvAppFontWatcher : public QObject {
  Q_OBJECT

 public:
  static TNrvAppFontWatcher* Instance() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return nullptr;
    static QPointer<TNrvAppFontWatcher> watcher;
    if (!watcher) {
      watcher = new TNrvAppFontWatcher(app);
      app->installEventFilter(watcher);
    }
    return watcher;
  }

 signals:
  void SystemFontChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ApplicationFontChange && watched == QCoreApplication::instance())
      emit SystemFontChanged();
    return QObject::eventFilter(watched, event);
  }

 private:
  using QObject::QObject;
};

}  // namespace

QFont ClampNrvThemeFont(QFont font) {
  font.setPointSize(std::clamp(Points(font), kMinPoints, kMaxPoints));
  return font;
}

QFont NrvSystemMessageFont() {
  // The platform theme registers its message-box font under this class name;
  // without one it is the default GUI font.
  return ClampNrvThemeFont(QApplication::font("QMessageBox"));
}

void ApplyNrvFontRule(QWidget* window, const QFont& oldFont, const QFont& newFont) {
  const int delta = Points(newFont) - Points(oldFont);
  std::vector<QWidget*> controls;
  CollectControls(window, controls);

  // Decide from the fonts as designed: once the window's font changes, a child
  // that sets only some attributes would already show the new family.
  std::vector<std::pair<QWidget*, QFont>> changes;
  for (QWidget* control : controls) {
    if (!control->testAttribute(Qt::WA_SetFont) || KeepsItsFont(control)) continue;
    QFont font = control->font();
    if (font.family().compare(oldFont.family(), Qt::CaseInsensitive) != 0) continue;
    font.setFamily(newFont.family());
    font.setPointSize(std::max(1, Points(font) + delta));
    changes.emplace_back(control, font);
  }
  window->setFont(newFont);
  for (auto& [control, font] : changes) control->setFont(font);
}

void FixNrvCalendarColours(QCalendarWidget* calendar) {
  const QPalette system = QApplication::palette();
  QPalette palette = calendar->palette();
  bool changed = false;
  SetColourIfWhite(palette, QPalette::Base, system.color(QPalette::Base), changed);
  SetColourIfWhite(palette, QPalette::HighlightedText, system.color(QPalette::HighlightedText),
                   changed);
  if (changed) calendar->setPalette(palette);
}

void FixNrvDatePickers(QWidget* window) {
  std::vector<QWidget*> controls;
  CollectControls(window, controls);
  for (QWidget* control : controls)
    if (auto* calendar = qobject_cast<QCalendarWidget*>(control)) FixNrvCalendarColours(calendar);
}

TNrvThemeSupport::TNrvThemeSupport(QWidget* window) : QObject(window), FWindow(window) {
  window->installEventFilter(this);
  if (TNrvAppFontWatcher* watcher = TNrvAppFontWatcher::Instance())
    connect(
        watcher, &TNrvAppFontWatcher::SystemFontChanged, this,
        [this] {
          if (FApplied) RefreshFont();
        },
        Qt::QueuedConnection);
}

void TNrvThemeSupport::RefreshFont() {
  if (FApplying) return;
  FApplying = true;
  ApplyNrvFontRule(FWindow, FWindow->font(), NrvSystemMessageFont());
  FApplying = false;
}

void TNrvThemeSupport::ApplyControlTheme() {
  FixNrvDatePickers(FWindow);
}

bool TNrvThemeSupport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FWindow) {
    switch (event->type()) {
      case QEvent::Polish:
        // The first polish comes after the descendant's constructor has built
        // the children, before the window is first shown.
        if (!FApplied) {
          FApplied = true;
          ApplyControlTheme();
          RefreshFont();
        }
        break;
      case QEvent::ApplicationFontChange:
      case QEvent::ThemeChange:
        // The desktop's fonts or settings changed.
        if (FApplied) RefreshFont();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

TNrvThemeForm::TNrvThemeForm(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), FThemeSupport(new TNrvThemeSupport(this)) {}

void TNrvThemeForm::ThemeChange(QObject*) {
  FThemeSupport->ApplyControlTheme();
}

void TNrvThemeForm::RefreshFont() {
  FThemeSupport->RefreshFont();
}

TNrvMainThemeForm::TNrvMainThemeForm(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), FThemeSupport(new TNrvThemeSupport(this)) {}

void TNrvMainThemeForm::ThemeChange(QObject*) {
  FThemeSupport->ApplyControlTheme();
}

void TNrvMainThemeForm::RefreshFont() {
  FThemeSupport->RefreshFont();
}

#include "utThemeSupport.moc"
