#include "app/fmWorkingMessage.h"

#include "core/UserPrompts.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr int kClientWidth = 189;
constexpr int kClientHeight = 39;
constexpr int kInnerMargin = 1;  // the panel is 2 pixels smaller than the frame each way

}  // namespace

TfrmWorkingMessageForm::TfrmWorkingMessageForm(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("frmWorkingMessageForm"));
  setFixedSize(kClientWidth, kClientHeight);
  setCursor(Qt::WaitCursor);
  setAttribute(Qt::WA_ShowWithoutActivating);

  pnlFrame = new QFrame(this);
  pnlFrame->setObjectName(QStringLiteral("pnlFrame"));
  pnlFrame->setGeometry(0, 0, kClientWidth, kClientHeight);
  pnlFrame->setAutoFillBackground(true);
  QPalette grey = pnlFrame->palette();
  grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  pnlFrame->setPalette(grey);

  pnlInner = new QFrame(pnlFrame);
  pnlInner->setObjectName(QStringLiteral("pnlInner"));
  pnlInner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnlInner->setAutoFillBackground(true);
  pnlInner->setPalette(QPalette());

  lblWorking = new QLabel(QStringLiteral("Working..."), pnlInner);
  lblWorking->setObjectName(QStringLiteral("lblWorking"));
  lblWorking->setAlignment(Qt::AlignCenter);
  QPalette blue = lblWorking->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  lblWorking->setPalette(blue);
}

TfrmWorkingMessageForm::~TfrmWorkingMessageForm() {
  RestoreCursor();
}

void TfrmWorkingMessageForm::showEvent(QShowEvent* event) {
  const QRect inner =
      pnlFrame->rect().adjusted(kInnerMargin, kInnerMargin, -kInnerMargin, -kInnerMargin);
  pnlInner->setGeometry(inner);
  lblWorking->setGeometry(pnlInner->contentsRect());
  if (!FHourglass) {
    UserPrompts().PushHourglass();
    FHourglass = true;
  }
  QWidget::showEvent(event);
}

void TfrmWorkingMessageForm::hideEvent(QHideEvent* event) {
  RestoreCursor();
  QWidget::hideEvent(event);
}

// Each show sets the hourglass once and each hide restores it, so the cursor
// is never left busy after the window goes.
void TfrmWorkingMessageForm::RestoreCursor() {
  if (!FHourglass) return;
  FHourglass = false;
  UserPrompts().PopHourglass();
}
