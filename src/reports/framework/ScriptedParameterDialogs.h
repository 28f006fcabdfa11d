#pragma once

#include "reports/framework/ParameterDialogs.h"

#include <QHash>
#include <QString>
#include <QStringList>

class TParameterDialogModel;

// Parameter dialogs answered from named values, as the command line passes
// them: "from"/"to" (date, optionally followed by a time: "03/05/2015 2:07
// PM"), "from-time"/"to-time", "dorm-from"/"dorm-to", "destination", "date"
// (optionally with a time) and "time" for the as-of dialog, "cell-from"/
// "cell-to" or "cells" ("FROM..TO"), "all-cells" (yes/no), "agency" (the
// organisation), "years", "inmate" (a booking number), and "cancel" (yes) to
// cancel every dialog. A model takes the answers given and keeps its own
// values for the rest; then OK is pressed, so a bad answer shows the dialog's
// own message through the user prompts. The scripted dialog cannot be
// corrected afterwards: it ends as cancelled and Refusal() holds the message.
class TScriptedParameterDialogs : public IParameterDialogs {
 public:
  void SetAnswer(const QString& name, const QString& value) { FAnswers.insert(name, value); }
  void ClearAnswers() { FAnswers.clear(); }
  bool HasAnswer(const QString& name) const { return FAnswers.contains(name); }
  QString Answer(const QString& name) const { return FAnswers.value(name); }
  // Every answer name the dialogs read.
  static QStringList AnswerNames();

  // The message of the last dialog whose answers were refused; empty when
  // the last dialog was accepted or cancelled on purpose.
  const QString& Refusal() const { return FRefusal; }

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
  template <typename Fill>
  bool Run(TParameterDialogModel& model, Fill fill);
  bool Flag(const QString& name) const;

  QHash<QString, QString> FAnswers;
  QString FRefusal;
};
