#include "reports/framework/fmDateTimeRange.h"

#include "core/UserPrompts.h"
#include "reports/framework/DateTimeRangeModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDateTimeRange::TfrmDateTimeRange(TDateTimeRangeModel& model, QWidget* parent)
    : TfrmParameterDialog(model, parent), FModel(model) {
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel(QStringLiteral("From"), this), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("To"), this), 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("Date:"), this), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Date:"), this), 1, 2);
  FDateFrom = PickerEdit(this, QStringLiteral("dtpDateFrom"));
  FDateTo = PickerEdit(this, QStringLiteral("dtpDateTo"));
  grid->addWidget(FDateFrom, 1, 1);
  grid->addWidget(FDateTo, 1, 3);
  for (int i = 0; i < 2; ++i) {
    FTimeLabels[i] = new QLabel(QStringLiteral("Time:"), this);
    FDormLabels[i] = new QLabel(QStringLiteral("Dorm:"), this);
    grid->addWidget(FTimeLabels[i], 2, i * 2);
    grid->addWidget(FDormLabels[i], 3, i * 2);
  }
  FTimeFrom = PickerEdit(this, QStringLiteral("dtpTimeFrom"));
  FTimeTo = PickerEdit(this, QStringLiteral("dtpTimeTo"));
  ClearOnBackspace(FTimeFrom);
  ClearOnBackspace(FTimeTo);
  grid->addWidget(FTimeFrom, 2, 1);
  grid->addWidget(FTimeTo, 2, 3);
  FDormFrom = new QComboBox(this);
  FDormFrom->setObjectName(QStringLiteral("cbDormFrom"));
  FDormTo = new QComboBox(this);
  FDormTo->setObjectName(QStringLiteral("cbDormTo"));
  grid->addWidget(FDormFrom, 3, 1);
  grid->addWidget(FDormTo, 3, 3);
  FDestinationLabel = new QLabel(QStringLiteral("Select a Destination"), this);
  grid->addWidget(FDestinationLabel, 4, 0, 1, 2);
  FDestination = new QLineEdit(this);
  FDestination->setObjectName(QStringLiteral("edDestination"));
  connect(FDestination, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int cursor = FDestination->cursorPosition();
    FDestination->setText(text.toUpper());
    FDestination->setCursorPosition(cursor);
  });
  FDestinationSearch = new QPushButton(QStringLiteral("..."), this);
  FDestinationSearch->setAutoDefault(false);
  connect(FDestinationSearch, &QPushButton::clicked, this, &TfrmDateTimeRange::SearchDestination);
  grid->addWidget(FDestination, 5, 0, 1, 3);
  grid->addWidget(FDestinationSearch, 5, 3);
  Body()->addLayout(grid);
}

void TfrmDateTimeRange::Push() {
  FDateFrom->setText(FModel.DateFrom.Text());
  FDateTo->setText(FModel.DateTo.Text());
  FTimeFrom->setText(FModel.TimeFrom.Text());
  FTimeTo->setText(FModel.TimeTo.Text());
  for (QComboBox* box : {FDormFrom, FDormTo}) {
    box->clear();
    box->addItem(QString());
    box->addItems(FModel.Dorms());
  }
  FDormFrom->setCurrentText(FModel.DormFrom);
  FDormTo->setCurrentText(FModel.DormTo);
  FDestination->setText(FModel.Destination);

  const bool times = FModel.TimesShown();
  for (QWidget* w : {static_cast<QWidget*>(FTimeFrom), static_cast<QWidget*>(FTimeTo),
                     static_cast<QWidget*>(FTimeLabels[0]), static_cast<QWidget*>(FTimeLabels[1])})
    w->setVisible(times);
  const bool dorms = FModel.DormsShown();
  for (QWidget* w : {static_cast<QWidget*>(FDormFrom), static_cast<QWidget*>(FDormTo),
                     static_cast<QWidget*>(FDormLabels[0]), static_cast<QWidget*>(FDormLabels[1])})
    w->setVisible(dorms);
  const bool destination = FModel.DestinationShown();
  for (QWidget* w : {static_cast<QWidget*>(FDestination), static_cast<QWidget*>(FDestinationSearch),
                     static_cast<QWidget*>(FDestinationLabel)})
    w->setVisible(destination);
  setFixedHeight(FModel.Height());
}

void TfrmDateTimeRange::Pull() {
  FModel.DateFrom.SetText(FDateFrom->text());
  FModel.DateTo.SetText(FDateTo->text());
  FModel.TimeFrom.SetText(FTimeFrom->text());
  FModel.TimeTo.SetText(FTimeTo->text());
  FModel.DormFrom = FDormFrom->currentText();
  FModel.DormTo = FDormTo->currentText();
  FModel.SetDestination(FDestination->text());
}

void TfrmDateTimeRange::SearchDestination() {
  const auto rows = FModel.Destinations();
  TPickList list;
  list.Caption = QStringLiteral("Select a Destination");
  list.Columns = {{QStringLiteral("Destination"), 30}, {QStringLiteral("Description"), 50}};
  list.UpperCaseSearch = true;
  for (const auto& row : rows) list.Rows.push_back({row.Movement, row.Description});
  FModel.ApplyDestinationPick(rows, UserPrompts().PickFromList(list));
  FDestination->setText(FModel.Destination);
}
