#include "reports/framework/fmDateEntry.h"

#include "reports/framework/PickerValue.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmDateEntryBase::TfrmDateEntryBase(TParameterDialogModel& model, const QString& instructions,
                                     const std::vector<std::pair<QString, TPickerValue*>>& pickers,
                                     QWidget* parent)
    : TfrmParameterDialog(model, parent) {
  // The label grows with its wrapped text and the pickers move down with it.
  FInstructions = new QLabel(instructions, this);
  FInstructions->setObjectName(QStringLiteral("lblInstructions"));
  FInstructions->setWordWrap(true);
  FInstructions->setAlignment(Qt::AlignCenter);
  Body()->addWidget(FInstructions);
  auto* form = new QFormLayout();
  for (const auto& [caption, picker] : pickers) {
    QLineEdit* edit = PickerEdit(this, caption);
    form->addRow(caption, edit);
    FPickers.emplace_back(edit, picker);
  }
  Body()->addLayout(form);
}

void TfrmDateEntryBase::Push() {
  for (auto& [edit, picker] : FPickers) edit->setText(picker->DisplayText());
}

void TfrmDateEntryBase::Pull() {
  for (auto& [edit, picker] : FPickers) picker->SetText(edit->text());
}
