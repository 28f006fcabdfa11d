#include "reports/framework/fmCellNoRange.h"

#include "core/UserPrompts.h"
#include "reports/framework/CellNoRangeModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include <exception>

TfrmCellNoRange::TfrmCellNoRange(TCellNoRangeModel& model, QWidget* parent)
    : TfrmParameterDialog(model, parent), FModel(model) {
  auto* form = new QFormLayout();
  FCellFrom = new QComboBox(this);
  FCellFrom->setObjectName(QStringLiteral("lcbCellFrom"));
  FCellTo = new QComboBox(this);
  FCellTo->setObjectName(QStringLiteral("lcbCellTo"));
  form->addRow(QStringLiteral("From Cell No:"), FCellFrom);
  form->addRow(QStringLiteral("To Cell No:"), FCellTo);
  FAllCells = new QCheckBox(QStringLiteral("Print All Cells"), this);
  FAllCells->setObjectName(QStringLiteral("chkAllCells"));
  form->addRow(FAllCells);
  Body()->addLayout(form);
  connect(FAllCells, &QCheckBox::toggled, this, [this](bool checked) {
    Guard("chkAllCellsClick", [&] {
      FModel.SetAllCells(checked);
      if (checked) {
        FCellFrom->setCurrentIndex(0);
        FCellTo->setCurrentIndex(0);
      }
      FCellFrom->setEnabled(FModel.BoxesEnabled());
      FCellTo->setEnabled(FModel.BoxesEnabled());
    });
  });
}

template <typename Handler>
void TfrmCellNoRange::Guard(const char* handlerName, Handler handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    UserPrompts().ShowWarning(QString::fromUtf8(e.what()) +
                              QStringLiteral(" / procedure: TfrmCellNoRange.") +
                              QString::fromLatin1(handlerName));
  }
}

void TfrmCellNoRange::accept() {
  Guard("btnOKClick", [&] { TfrmParameterDialog::accept(); });
}

void TfrmCellNoRange::Push() {
  for (QComboBox* box : {FCellFrom, FCellTo}) {
    box->clear();
    box->addItem(QString());
    for (const TCellRow& cell : FModel.Cells()) box->addItem(cell.CellDescription, cell.CellKey);
  }
  FCellFrom->setCurrentText(FModel.CellFrom);
  FCellTo->setCurrentText(FModel.CellTo);
  FAllCells->setChecked(FModel.AllCells());
  FCellFrom->setEnabled(FModel.BoxesEnabled());
  FCellTo->setEnabled(FModel.BoxesEnabled());
}

void TfrmCellNoRange::Pull() {
  FModel.SetAllCells(FAllCells->isChecked());
  FModel.CellFrom = FCellFrom->currentText();
  FModel.CellTo = FCellTo->currentText();
}
