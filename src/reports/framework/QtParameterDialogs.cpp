#include "reports/framework/QtParameterDialogs.h"

#include "core/UserPrompts.h"
#include "reports/framework/AveLengthYearPickerModel.h"
#include "reports/framework/CellNoRangeModel.h"
#include "reports/framework/DateEntryModels.h"
#include "reports/framework/DateTimeEntryModel.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/InmatePicker.h"
#include "reports/framework/PrintCountRangeModel.h"
#include "reports/framework/fmAveLengthYearPicker.h"
#include "reports/framework/fmCellNoRange.h"
#include "reports/framework/fmDateEntry.h"
#include "reports/framework/fmDateTimeEntry.h"
#include "reports/framework/fmDateTimeRange.h"
#include "reports/framework/fmPrintCountRange.h"

bool QtParameterDialogs::ShowDateTimeRange(TDateTimeRangeModel& model) {
  TfrmDateTimeRange view(model, FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowDateTimeEntry(TDateTimeEntryModel& model) {
  TfrmDateTimeEntry view(model, FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowAsOfDateTime(TAsOfDateTimeModel& model) {
  TfrmAsOfDateTime view(model, FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowDateEntry(TDateEntryModel& model) {
  TfrmDateEntryBase view(model, model.Instructions, {{QStringLiteral("Date:"), &model.Date}},
                         FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowDateRangeEntry(TDateRangeEntryModel& model) {
  TfrmDateEntryBase view(model, model.Instructions,
                         {{QStringLiteral("Starting Date:"), &model.StartDate},
                          {QStringLiteral("Ending Date:"), &model.EndDate}},
                         FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowDateTimeRangeEntry(TDateTimeRangeEntryModel& model) {
  TfrmDateEntryBase view(model, model.Instructions,
                         {{QStringLiteral("Starting Date + Time:"), &model.StartDateTime},
                          {QStringLiteral("Ending Date + Time:"), &model.EndDateTime}},
                         FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowCellNoRange(TCellNoRangeModel& model) {
  TfrmCellNoRange view(model, FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowPrintCountRange(TPrintCountRangeModel& model) {
  TfrmPrintCountRange view(model, FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowAveLengthYearPicker(TAveLengthYearPickerModel& model) {
  TfrmAveLengthYearPicker view(model, FParent);
  return view.Execute();
}

bool QtParameterDialogs::ShowInmatePicker(TInmatePickerModel& model) {
  // The lookup list is the prompts' own pick list; a pick is checked like
  // any other answer.
  if (!model.BeginShow()) return false;
  const TPickList list = model.PickList();
  for (;;) {
    const int row = UserPrompts().PickFromList(list);
    if (row < 0) {
      model.Cancel();
      return false;
    }
    model.BookNo = list.Rows[row][list.KeyColumn];
    if (model.Accept()) return true;
  }
}
