#include "app/fmTimedMessage.h"

#include "app/fmChoiceDialog.h"
#include "app/utThemeSupport.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

TfrmTimedMessage::TfrmTimedMessage(const QString& caption, const QString& text, QWidget* parent)
    : QWidget(parent, MessageWindowFlags()) {
  setObjectName(QStringLiteral("frmTimedMessage"));
  setWindowTitle(caption);
  setFont(NrvSystemMessageFont());
  const QFontMetrics metrics(font());
  FLayout = ComputeTimedMessageLayout(metrics.horizontalAdvance(text), metrics.height());
  setFixedSize(FLayout.Width, FLayout.Height);

  lblMessage = new QLabel(text, this);
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setWordWrap(true);
  lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblMessage->setGeometry(FLayout.Message);
  CentreOnScreen(this);
}

void TfrmTimedMessage::ShowFor(int seconds) {
  show();
  raise();
  repaint();
  // The wait keeps painting the window but takes no input, so the user cannot
  // act until the message has gone.
  QEventLoop wait;
  QTimer::singleShot(std::max(0, seconds) * 1000, &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
  close();
}
