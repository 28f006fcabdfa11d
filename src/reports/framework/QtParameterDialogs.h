#pragma once

#include "reports/framework/ParameterDialogs.h"

class QWidget;

// The parameter dialogs as Qt views, parented to the given window.
class QtParameterDialogs : public IParameterDialogs {
 public:
  explicit QtParameterDialogs(QWidget* parent = nullptr) : FParent(parent) {}

  bool ShowDateTimeRange(TDateTimeRangeModel& model) override;
  bool ShowDateTimeEntry(TDateTimeEntryModel& model) override;
  bool ShowAsOfDateTime(TAsOfDateTimeModel& model) override;
  bool ShowDateEntry(TDateEntryModel& model) override;
  bool ShowDateRangeEntry(TDateRangeEntryModel& model) override;
  bool ShowDateTimeRangeEntry(TDateTimeRangeEntryModel& model) override;
  bool ShowCellNoRange(TCellNoRangeModel& model) override;
  bool ShowPrintCountRange(TPrintCountRangeModel& model) override;
  bool ShowAveLengthYearPicker(TAveLengthYearPickerModel& model) override;
  bool ShowInmatePicker(TInmatePickerModel& model) override;

 private:
  QWidget* FParent;
};
