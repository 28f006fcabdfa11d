#include "reports/framework/fmPrintCountRange.h"

#include "core/UserPrompts.h"
#include "reports/framework/PrintCountRangeModel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPrintCountRange::TfrmPrintCountRange(TPrintCountRangeModel& model, QWidget* parent)
    : TfrmParameterDialog(model, parent), FModel(model) {
  auto* form = new QFormLayout();
  FFromDate = PickerEdit(this, QStringLiteral("dtpFromDate"));
  FToDate = PickerEdit(this, QStringLiteral("dtpToDate"));
  form->addRow(QStringLiteral("From Date :"), FFromDate);
  form->addRow(QStringLiteral("To Date:"), FToDate);
  auto* agencyRow = new QHBoxLayout();
  FAgency = new QLineEdit(this);
  FAgency->setObjectName(QStringLiteral("edAgency"));
  FAgency->setReadOnly(true);
  auto* search = new QPushButton(QStringLiteral("..."), this);
  search->setObjectName(QStringLiteral("btnSearchAgency"));
  search->setAutoDefault(false);
  connect(search, &QPushButton::clicked, this, &TfrmPrintCountRange::SearchAgency);
  agencyRow->addWidget(FAgency);
  agencyRow->addWidget(search);
  form->addRow(QStringLiteral("Select Agency To Bill :"), agencyRow);
  Body()->addLayout(form);

  FConfigureAgency = new QLabel(QStringLiteral("<a href=\"#\">Configure Agency</a>"), this);
  FConfigureAgency->setObjectName(QStringLiteral("lnkConfigureAgency"));
  connect(FConfigureAgency, &QLabel::linkActivated, this, [this] {
    if (OnConfigureAgency) OnConfigureAgency();
    FModel.RefreshAgencies();
    ShowAgency();
  });
  Body()->addWidget(FConfigureAgency);

  FOptions = new QGroupBox(this);
  FOptions->setObjectName(QStringLiteral("grpBillingOptions"));
  FOptions->setEnabled(false);
  auto* options = new QVBoxLayout(FOptions);
  FFirstDay = new QCheckBox(QStringLiteral("Charge For First Day In Jurisdiction"), FOptions);
  FLastDay = new QCheckBox(QStringLiteral("Charge For Last Day In Jurisdiction"), FOptions);
  FCheckOut = new QCheckBox(QStringLiteral("Charge For Check Out Day"), FOptions);
  FCheckIn = new QCheckBox(QStringLiteral("Charge For Check In Day"), FOptions);
  for (QCheckBox* box : {FFirstDay, FLastDay, FCheckOut, FCheckIn}) options->addWidget(box);
  options->addWidget(
      new QLabel(QStringLiteral("Jurisdiction Payment Per Day. (This value will be "
                                "used to calculate individual and global payment) :"),
                 FOptions));
  FAmount = new QLabel(FOptions);
  FAmount->setObjectName(QStringLiteral("lblAmount"));
  FAmount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  options->addWidget(FAmount);
  Body()->addWidget(FOptions);

  Buttons()->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Print"));
}

void TfrmPrintCountRange::Push() {
  FFromDate->setText(FModel.FromDate.DisplayText());
  FToDate->setText(FModel.ToDate.DisplayText());
  FConfigureAgency->setVisible(FModel.ConfigureAgencyVisible());
  ShowAgency();
}

void TfrmPrintCountRange::Pull() {
  FModel.FromDate.SetText(FFromDate->text());
  FModel.ToDate.SetText(FToDate->text());
}

void TfrmPrintCountRange::ShowAgency() {
  FAgency->setText(FModel.Agency);
  FOptions->setTitle(FModel.OptionsCaption);
  FFirstDay->setChecked(FModel.ChargeFirstDay);
  FLastDay->setChecked(FModel.ChargeLastDay);
  FCheckOut->setChecked(FModel.ChargeCheckOut);
  FCheckIn->setChecked(FModel.ChargeCheckIn);
  FAmount->setText(FModel.AmountText);
  Buttons()->button(QDialogButtonBox::Ok)->setEnabled(FModel.PrintEnabled());
}

void TfrmPrintCountRange::SearchAgency() {
  TPickList list;
  list.Caption = QStringLiteral("Select An Organization");
  list.Columns = {{QStringLiteral("Organization"), 50}};
  list.UpperCaseSearch = true;
  for (const auto& agency : FModel.Agencies()) list.Rows.push_back({agency.Org});
  const int row = UserPrompts().PickFromList(list);
  if (row >= 0) FModel.ChooseAgency(row);
  ShowAgency();
}
