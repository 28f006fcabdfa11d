#include "reports/framework/fmDateTimeEntry.h"

#include "reports/framework/DateTimeEntryModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmDateTimeEntry::TfrmDateTimeEntry(TDateTimeEntryModel& model, QWidget* parent)
    : TfrmParameterDialog(model, parent), FModel(model) {
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel(QStringLiteral("From"), this), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("To"), this), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Date:"), this), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Time:"), this), 2, 0);
  FDateFrom = PickerEdit(this, QStringLiteral("dtpDateFrom"));
  FDateTo = PickerEdit(this, QStringLiteral("dtpDateTo"));
  FTimeFrom = PickerEdit(this, QStringLiteral("dtpTimeFrom"));
  FTimeTo = PickerEdit(this, QStringLiteral("dtpTimeTo"));
  grid->addWidget(FDateFrom, 1, 1);
  grid->addWidget(FDateTo, 1, 2);
  grid->addWidget(FTimeFrom, 2, 1);
  grid->addWidget(FTimeTo, 2, 2);
  Body()->addLayout(grid);
}

void TfrmDateTimeEntry::Push() {
  FDateFrom->setText(FModel.DateFrom.Text());
  FDateTo->setText(FModel.DateTo.Text());
  FTimeFrom->setText(FModel.TimeFrom.Text());
  FTimeTo->setText(FModel.TimeTo.Text());
  FDateFrom->setFocus();
}

void TfrmDateTimeEntry::Pull() {
  FModel.DateFrom.SetText(FDateFrom->text());
  FModel.DateTo.SetText(FDateTo->text());
  FModel.TimeFrom.SetText(FTimeFrom->text());
  FModel.TimeTo.SetText(FTimeTo->text());
}

TfrmAsOfDateTime::TfrmAsOfDateTime(TAsOfDateTimeModel& model, QWidget* parent)
    : TfrmParameterDialog(model, parent), FModel(model) {
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel(QStringLiteral("Date:"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Time:"), this), 1, 0);
  FDate = PickerEdit(this, QStringLiteral("dtpAsOfDate"));
  FTime = PickerEdit(this, QStringLiteral("dtpAsOfTime"));
  ClearOnBackspace(FTime);
  grid->addWidget(FDate, 0, 1);
  grid->addWidget(FTime, 1, 1);
  Body()->addLayout(grid);
}

void TfrmAsOfDateTime::Push() {
  FDate->setText(FModel.Date.Text());
  FTime->setText(FModel.Time.Text());
}

void TfrmAsOfDateTime::Pull() {
  FModel.Date.SetText(FDate->text());
  FModel.Time.SetText(FTime->text());
}
