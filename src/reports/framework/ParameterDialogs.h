#pragma once

class TDateTimeRangeModel;
class TDateTimeEntryModel;
class TAsOfDateTimeModel;
class TDateEntryModel;
class TDateRangeEntryModel;
class TDateTimeRangeEntryModel;
class TCellNoRangeModel;
class TPrintCountRangeModel;
class TAveLengthYearPickerModel;
class TInmatePickerModel;

// The seam through which report entries show their parameter dialogs: the
// window shows the Qt views, tests and headless runs fill the models from
// answers. Each method shows the dialog modally on the model and returns true
// for OK, false for Cancel.
class IParameterDialogs {
 public:
  virtual ~IParameterDialogs() = default;

  virtual bool ShowDateTimeRange(TDateTimeRangeModel& model) = 0;
  virtual bool ShowDateTimeEntry(TDateTimeEntryModel& model) = 0;
  virtual bool ShowAsOfDateTime(TAsOfDateTimeModel& model) = 0;
  virtual bool ShowDateEntry(TDateEntryModel& model) = 0;
  virtual bool ShowDateRangeEntry(TDateRangeEntryModel& model) = 0;
  virtual bool ShowDateTimeRangeEntry(TDateTimeRangeEntryModel& model) = 0;
  virtual bool ShowCellNoRange(TCellNoRangeModel& model) = 0;
  virtual bool ShowPrintCountRange(TPrintCountRangeModel& model) = 0;
  virtual bool ShowAveLengthYearPicker(TAveLengthYearPickerModel& model) = 0;
  virtual bool ShowInmatePicker(TInmatePickerModel& model) = 0;
};

// The dialogs in force. Before anything is installed this is a scripted
// implementation without answers.
IParameterDialogs& ParameterDialogs();
// Installs dialogs (not owned; nullptr restores the default).
void SetParameterDialogs(IParameterDialogs* dialogs);

// Installs dialogs for a scope and puts back the previous ones after it.
class TParameterDialogsScope {
 public:
  explicit TParameterDialogsScope(IParameterDialogs& dialogs);
  ~TParameterDialogsScope();
  TParameterDialogsScope(const TParameterDialogsScope&) = delete;
  TParameterDialogsScope& operator=(const TParameterDialogsScope&) = delete;

 private:
  IParameterDialogs* FPrevious;
};
