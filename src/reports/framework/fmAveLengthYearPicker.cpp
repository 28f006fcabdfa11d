#include "reports/framework/fmAveLengthYearPicker.h"

#include "reports/framework/AveLengthYearPickerModel.h"

#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

TfrmAveLengthYearPicker::TfrmAveLengthYearPicker(TAveLengthYearPickerModel& model, QWidget* parent)
    : TfrmParameterDialog(model, parent), FModel(model) {
  Body()->addWidget(new QLabel(QStringLiteral("Choose the desired number of years"), this));
  FYears = new QSpinBox(this);
  FYears->setObjectName(QStringLiteral("seYearPicker"));
  FYears->setRange(TAveLengthYearPickerModel::MinYears, TAveLengthYearPickerModel::MaxYears);
  Body()->addWidget(FYears);
}

void TfrmAveLengthYearPicker::Push() {
  FYears->setValue(FModel.Years);
}

void TfrmAveLengthYearPicker::Pull() {
  FModel.Years = FYears->value();
}
