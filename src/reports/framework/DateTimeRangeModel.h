#pragma once

#include "reports/framework/DialogListProvider.h"
#include "reports/framework/ParameterDialogModel.h"
#include "reports/framework/PickerValue.h"

#include <QDateTime>
#include <QStringList>

#include <vector>

// TfrmDateTimeRange: From/To dates, times and dorms, and a destination; the
// mode decides which are shown.
class TDateTimeRangeModel : public TParameterDialogModel {
 public:
  enum TMode {
    dmDesign,  // everything shown, as the form was designed
    dmDateAndTimeOnly,
    dmDateOnly,
    dmDateTimeAndDormOnly,
    dmDateTimeAndDestinationOnly,
  };

  // The lists come from the provider (not owned); facilityDescription names
  // the facility in the message about unassigned dorms.
  explicit TDateTimeRangeModel(IDialogListProvider* lists = nullptr,
                               const QString& facilityDescription = QString());

  void ShowDateAndTimeOnly() { FMode = dmDateAndTimeOnly; }
  void ShowDateOnly() { FMode = dmDateOnly; }
  void ShowDateTimeAndDormOnly() { FMode = dmDateTimeAndDormOnly; }
  void ShowDateTimeAndDestinationOnly() { FMode = dmDateTimeAndDestinationOnly; }
  TMode Mode() const { return FMode; }
  // The form's height in pixels for the mode.
  int Height() const;
  bool DatesShown() const { return true; }
  bool TimesShown() const { return FMode != dmDateOnly; }
  bool DormsShown() const { return FMode == dmDesign || FMode == dmDateTimeAndDormOnly; }
  bool DestinationShown() const {
    return FMode == dmDesign || FMode == dmDateTimeAndDestinationOnly;
  }

  // Fills both dorm lists from the jail log instead of the population; the
  // next showing keeps them. False (after the message) when the log has none.
  bool PopulateLogDormComboBox();
  const QStringList& Dorms() const { return FDorms; }
  bool FDormPopulatedFromLog = false;

  // The destination search: its list, and the row picked (-1 for Cancel,
  // which empties the edit).
  std::vector<TDestinationRow> Destinations();
  void ApplyDestinationPick(const std::vector<TDestinationRow>& rows, int row);
  // The destination edit upper-cases what is typed.
  void SetDestination(const QString& text) { Destination = text.toUpper(); }

  bool BeginShow() override;
  QString Validate() const override;

  // What the controls hold.
  TPickerValue DateFrom{TPickerValue::pvDate}, DateTo{TPickerValue::pvDate};
  TPickerValue TimeFrom{TPickerValue::pvTime}, TimeTo{TPickerValue::pvTime};
  QString DormFrom, DormTo;
  QString Destination;

  // Results, cleared each time the dialog is shown.
  QString xsDateStart, xsDateEnd;
  QDateTime xdDateStart, xdDateEnd;
  QString xsTimeStart, xsTimeEnd;
  QDateTime xdTimeStart, xdTimeEnd;
  QString xsDormStart, xsDormEnd;
  QString xsDestToPrint;

  // The range as the two quoted SQL literals of GetSQLTimeStamp, the end
  // taking its whole minute. False when a bound does not convert: the user
  // has been told, and a statement without it could only fail.
  bool SqlRange(QString& start, QString& end) const;

 protected:
  void StoreResults() override;

 private:
  bool FillDorms(const QStringList& dorms);
  void ClearResults();

  IDialogListProvider* FLists;
  QString FFacilityDescription;
  TMode FMode = dmDesign;
  QStringList FDorms;
  bool FDormFillFailed = false;
};
