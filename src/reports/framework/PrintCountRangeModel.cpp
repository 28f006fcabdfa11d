#include "reports/framework/PrintCountRangeModel.h"

#include "core/RegionalFormats.h"
#include "reports/framework/ParameterDialogs.h"

#include <QLocale>

namespace {

// "#,##0.00"
QString FormatAmount(double value) {
  return QLocale(QLocale::English, QLocale::UnitedStates).toString(value, 'f', 2);
}

}  // namespace

TPrintCountRangeModel::TPrintCountRangeModel(IDialogListProvider* lists,
                                             bool chargeForFirstDayInJurisdiction,
                                             bool chargeForLastDayInJurisdiction,
                                             bool canConfigureAgency, const QDate& today)
    : ChargeForFirstDayInJurisdiction(chargeForFirstDayInJurisdiction),
      ChargeForLastDayInJurisdiction(chargeForLastDayInJurisdiction),
      FLists(lists),
      FCanConfigureAgency(canConfigureAgency) {
  Caption = QStringLiteral("Jurisdiction Billing Report - Input");
  const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
  const QDate last = first.addDays(first.daysInMonth() - 1);
  FromDate.SetDateTime(QDateTime(first, QTime(0, 0), Qt::UTC));
  ToDate.SetDateTime(QDateTime(last, QTime(23, 59, 59), Qt::UTC));
  if (FLists) FAgencies = FLists->AgencyBilling();
}

void TPrintCountRangeModel::ChooseAgency(int row) {
  if (row < 0 || row >= int(FAgencies.size())) return;
  const TAgencyBillingRow& agency = FAgencies[row];
  if (!agency.Org.isNull()) Agency = agency.Org.toUpper();
  FChosen = row;
  OptionsCaption = QStringLiteral("Billing Options for ") + agency.OrgAbbrev;
  ChargeFirstDay = agency.ChargeFirstDay;
  ChargeLastDay = agency.ChargeLastDay;
  ChargeCheckOut = agency.ChargeCheckOut;
  ChargeCheckIn = agency.ChargeCheckIn;
  AmountText = FormatAmount(agency.Amount);
}

void TPrintCountRangeModel::RefreshAgencies() {
  const QString key = AgencyChosen() ? FAgencies[FChosen].AgencyFKey : QString();
  FAgencies = FLists ? FLists->AgencyBilling() : std::vector<TAgencyBillingRow>();
  FChosen = -1;
  for (int i = 0; i < int(FAgencies.size()); ++i)
    if (!key.isEmpty() && FAgencies[i].AgencyFKey == key) ChooseAgency(i);
}

QString TPrintCountRangeModel::Validate() const {
  for (const TPickerValue* picker : {&FromDate, &ToDate})
    if (!picker->IsValid()) return picker->Problem();
  if (FromDate.IsEmpty() || ToDate.IsEmpty())
    return QStringLiteral("From and To Date must be entered");
  if (FromDate.DateTime() > ToDate.DateTime())
    return QStringLiteral("To Date must be on or after From Date.");
  if (Agency.trimmed().isEmpty() || !AgencyChosen())
    return QStringLiteral("An agency must be selected.");
  return {};
}

void TPrintCountRangeModel::StoreResults() {
  xsCountRangeStartDate = FormatDateTime(QStringLiteral("mm/dd/yyyy"), FromDate.DateTime());
  xsCountRangeEndDate = FormatDateTime(QStringLiteral("mm/dd/yyyy"), ToDate.DateTime());
  xsCountOrgToPrint = Agency;
  xcCountPaymentRange = FAgencies[FChosen].Amount;
  FPrinted = true;
}

std::optional<TBillingReportSettings> TPrintCountRangeModel::Settings() const {
  if (!FPrinted) return std::nullopt;
  return TBillingReportSettings{FromDate.DateTime(), ToDate.DateTime(),
                                FAgencies[FChosen].AgencyFKey, Agency};
}

std::optional<TBillingReportSettings> ExecuteBillingReportInput(
    IDialogListProvider* lists, bool chargeForFirstDayInJurisdiction,
    bool chargeForLastDayInJurisdiction, bool canConfigureAgency) {
  TPrintCountRangeModel model(lists, chargeForFirstDayInJurisdiction,
                              chargeForLastDayInJurisdiction, canConfigureAgency);
  if (!ParameterDialogs().ShowPrintCountRange(model)) return std::nullopt;
  return model.Settings();
}
