#include "reports/framework/fmParameterDialog.h"

#include "reports/framework/ParameterDialogModel.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Backspace in a time picker empties it rather than deleting one character.
class TClearOnBackspace : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
      static_cast<QLineEdit*>(watched)->clear();
      return true;
    }
    return false;
  }
};

}  // namespace

TfrmParameterDialog::TfrmParameterDialog(TParameterDialogModel& model, QWidget* parent)
    : QDialog(parent), FModel(model) {
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  FBody = new QVBoxLayout();
  layout->addLayout(FBody);
  FButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  FButtons->button(QDialogButtonBox::Ok)->setDefault(true);
  layout->addWidget(FButtons);
  connect(FButtons, &QDialogButtonBox::accepted, this, &TfrmParameterDialog::accept);
  connect(FButtons, &QDialogButtonBox::rejected, this, &TfrmParameterDialog::reject);
}

bool TfrmParameterDialog::Execute() {
  if (!FModel.BeginShow()) return false;
  setWindowTitle(FModel.Caption);
  Push();
  return exec() == QDialog::Accepted;
}

void TfrmParameterDialog::accept() {
  Pull();
  if (FModel.Accept()) QDialog::accept();
}

void TfrmParameterDialog::reject() {
  FModel.Cancel();
  QDialog::reject();
}

QLineEdit* TfrmParameterDialog::PickerEdit(QWidget* parent, const QString& objectName) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  return edit;
}

void TfrmParameterDialog::ClearOnBackspace(QLineEdit* edit) {
  edit->installEventFilter(new TClearOnBackspace(edit));
}
