#pragma once

#include "reports/framework/DialogListProvider.h"
#include "reports/framework/ParameterDialogModel.h"
#include "reports/framework/PickerValue.h"

#include <QDateTime>

#include <optional>
#include <vector>

// The billing period and agency the jurisdiction billing report is run for.
struct TBillingReportSettings {
  QDateTime StartDate;
  QDateTime EndDate;
  QString JurisdictionKey;
  QString JurisdictionName;
};

// TfrmPrintCountRange: "Jurisdiction Billing Report - Input".
class TPrintCountRangeModel : public TParameterDialogModel {
 public:
  // The two shared-INI charge defaults are read by the caller;
  // canConfigureAgency is the user's "FA" right on JAIL/JAILCFG/RUN.
  // `today` fixes the previous month the pickers open on.
  TPrintCountRangeModel(IDialogListProvider* lists, bool chargeForFirstDayInJurisdiction = false,
                        bool chargeForLastDayInJurisdiction = false,
                        bool canConfigureAgency = false, const QDate& today = QDate::currentDate());

  QString Validate() const override;

  // The organisation search and its outcome (-1 for Cancel).
  const std::vector<TAgencyBillingRow>& Agencies() const { return FAgencies; }
  void ChooseAgency(int row);
  // Re-reads the agencies after they were configured, keeping the one chosen.
  void RefreshAgencies();
  bool AgencyChosen() const { return FChosen >= 0; }
  bool PrintEnabled() const { return AgencyChosen(); }
  bool ConfigureAgencyVisible() const { return FCanConfigureAgency; }

  // What the controls show.
  TPickerValue FromDate{TPickerValue::pvDateTime}, ToDate{TPickerValue::pvDateTime};
  QString Agency;
  QString OptionsCaption = QStringLiteral("<<No Agency Selected>>");
  bool ChargeFirstDay = false, ChargeLastDay = false, ChargeCheckOut = false, ChargeCheckIn = false;
  QString AmountText;
  const bool ChargeForFirstDayInJurisdiction;
  const bool ChargeForLastDayInJurisdiction;

  // Results on Print (kept on the session module by the caller).
  QString xsCountRangeStartDate, xsCountRangeEndDate, xsCountOrgToPrint;
  double xcCountPaymentRange = 0.0;
  std::optional<TBillingReportSettings> Settings() const;

 protected:
  void StoreResults() override;

 private:
  IDialogListProvider* FLists;
  std::vector<TAgencyBillingRow> FAgencies;
  int FChosen = -1;
  bool FCanConfigureAgency;
  bool FPrinted = false;
};

// Creates and shows the billing input dialog through the installed
// parameter dialogs; nothing on Cancel.
std::optional<TBillingReportSettings> ExecuteBillingReportInput(
    IDialogListProvider* lists, bool chargeForFirstDayInJurisdiction = false,
    bool chargeForLastDayInJurisdiction = false, bool canConfigureAgency = false);
