#include "app/fmJail_Progress.h"

#include "app/StepProgressBar.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShowEvent>

QPointer<TfrmJail_Progress> frmJail_Progress;

TfrmJail_Progress::TfrmJail_Progress(QWidget* owner)
    : TNrvThemeForm(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Loading Inmate Record..."));
  setFixedSize(728, 18);

  prgJAIL = new TStepProgressBar(this);
  prgJAIL->setGeometry(0, 0, 640, 18);
  prgJAIL->setRange(0, 100);
  prgJAIL->setValue(50);
  prgJAIL->SetStep(50);
  prgJAIL->setTextVisible(false);

  lblProcess = new QLabel(QStringLiteral("Starting...."), this);
  lblProcess->setGeometry(644, 0, 84, 18);
}

void TfrmJail_Progress::showEvent(QShowEvent* event) {
  TNrvThemeForm::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TfrmJail_Progress::closeEvent(QCloseEvent* event) {
  FormClose();
  TNrvThemeForm::closeEvent(event);
}

void TfrmJail_Progress::FormShow() {
  if (QWidget* owner = parentWidget()) {
    QRect frame = frameGeometry();
    frame.moveCenter(owner->frameGeometry().center());
    move(frame.topLeft());
  }
  prgJAIL->StepIt();
  setCursor(Qt::WaitCursor);
}

void TfrmJail_Progress::FormClose() {
  setWindowTitle(QStringLiteral("Finishing"));
  prgJAIL->StepIt();
  unsetCursor();
}
