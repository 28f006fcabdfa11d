#include "app/BusyDisplay.h"

#include "app/fmWorkingMessage.h"

#include <QApplication>
#include <QScreen>

namespace {

// The area the busy window is centred over: the owner on screen, or the
// screen itself when there is no owner.
QRect CentreArea(const QWidget* owner) {
  if (owner) {
    if (owner->isWindow()) return owner->frameGeometry();
    return QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

TBusyDisplay::TBusyDisplay(QWidget* AOwner)
    : FOwner(AOwner),
      FWorkingMessageForm(new TfrmWorkingMessageForm(AOwner ? AOwner->window() : nullptr)) {}

TBusyDisplay::~TBusyDisplay() {
  Hide();
  delete FWorkingMessageForm.data();
}

void TBusyDisplay::Show() {
  if (!FWorkingMessageForm) return;
  Hide();
  // The window has no frame, so its own geometry is what is centred.
  QRect area(QPoint(0, 0), FWorkingMessageForm->size());
  area.moveCenter(CentreArea(FOwner).center());
  FWorkingMessageForm->setGeometry(area);
  FWorkingMessageForm->show();
  FWorkingMessageForm->raise();
  // Let it paint before the caller's long work starts; nothing the user does
  // is handled meanwhile.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TBusyDisplay::Hide() {
  if (FWorkingMessageForm) FWorkingMessageForm->hide();
}
