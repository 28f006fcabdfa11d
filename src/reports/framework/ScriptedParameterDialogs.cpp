#include "reports/framework/ScriptedParameterDialogs.h"

#include "core/UserPrompts.h"
#include "reports/framework/AveLengthYearPickerModel.h"
#include "reports/framework/CellNoRangeModel.h"
#include "reports/framework/DateEntryModels.h"
#include "reports/framework/DateTimeEntryModel.h"
#include "reports/framework/DateTimeRangeModel.h"
#include "reports/framework/InmatePicker.h"
#include "reports/framework/PrintCountRangeModel.h"

namespace {

// A problem found while filling the model, shown like the dialog's own.
struct TAnswerProblem {
  QString Message;
};

}  // namespace

QStringList TScriptedParameterDialogs::AnswerNames() {
  return {QStringLiteral("from"),        QStringLiteral("to"),        QStringLiteral("from-time"),
          QStringLiteral("to-time"),     QStringLiteral("dorm-from"), QStringLiteral("dorm-to"),
          QStringLiteral("destination"), QStringLiteral("date"),      QStringLiteral("time"),
          QStringLiteral("cell-from"),   QStringLiteral("cell-to"),   QStringLiteral("cells"),
          QStringLiteral("all-cells"),   QStringLiteral("agency"),    QStringLiteral("years"),
          QStringLiteral("inmate"),      QStringLiteral("cancel")};
}

bool TScriptedParameterDialogs::Flag(const QString& name) const {
  const QString value = FAnswers.value(name).trimmed().toLower();
  return value == QLatin1String("yes") || value == QLatin1String("true") ||
         value == QLatin1String("1") || value == QLatin1String("y");
}

template <typename Fill>
bool TScriptedParameterDialogs::Run(TParameterDialogModel& model, Fill fill) {
  FRefusal.clear();
  if (!model.BeginShow()) return false;
  if (Flag(QStringLiteral("cancel"))) {
    model.Cancel();
    return false;
  }
  try {
    fill();
  } catch (const TAnswerProblem& problem) {
    UserPrompts().ShowWarning(problem.Message);
    FRefusal = problem.Message;
    model.Cancel();
    return false;
  }
  if (model.Accept()) return true;
  FRefusal = model.Validate();
  model.Cancel();
  return false;
}

namespace {

// "from"/"to" may carry a time after the date; the separate time answers win.
void FillDateAndTime(const QHash<QString, QString>& answers, const QString& name,
                     TPickerValue& date, TPickerValue* time) {
  if (answers.contains(name)) {
    QString dateText, timeText;
    SplitDateTimeText(answers.value(name), dateText, timeText);
    date.SetText(dateText);
    if (time && !timeText.isEmpty()) time->SetText(timeText);
  }
  if (time && answers.contains(name + QStringLiteral("-time")))
    time->SetText(answers.value(name + QStringLiteral("-time")));
}

}  // namespace

bool TScriptedParameterDialogs::ShowDateTimeRange(TDateTimeRangeModel& model) {
  return Run(model, [&] {
    FillDateAndTime(FAnswers, QStringLiteral("from"), model.DateFrom,
                    model.TimesShown() ? &model.TimeFrom : nullptr);
    FillDateAndTime(FAnswers, QStringLiteral("to"), model.DateTo,
                    model.TimesShown() ? &model.TimeTo : nullptr);
    if (model.DormsShown()) {
      if (HasAnswer(QStringLiteral("dorm-from")))
        model.DormFrom = Answer(QStringLiteral("dorm-from"));
      if (HasAnswer(QStringLiteral("dorm-to"))) model.DormTo = Answer(QStringLiteral("dorm-to"));
    }
    if (model.DestinationShown() && HasAnswer(QStringLiteral("destination")))
      model.SetDestination(Answer(QStringLiteral("destination")).trimmed());
  });
}

bool TScriptedParameterDialogs::ShowDateTimeEntry(TDateTimeEntryModel& model) {
  return Run(model, [&] {
    FillDateAndTime(FAnswers, QStringLiteral("from"), model.DateFrom, &model.TimeFrom);
    FillDateAndTime(FAnswers, QStringLiteral("to"), model.DateTo, &model.TimeTo);
  });
}

bool TScriptedParameterDialogs::ShowAsOfDateTime(TAsOfDateTimeModel& model) {
  return Run(model, [&] {
    FillDateAndTime(FAnswers, QStringLiteral("date"), model.Date, &model.Time);
    if (HasAnswer(QStringLiteral("time"))) model.Time.SetText(Answer(QStringLiteral("time")));
  });
}

bool TScriptedParameterDialogs::ShowDateEntry(TDateEntryModel& model) {
  return Run(model, [&] {
    if (HasAnswer(QStringLiteral("date"))) model.Date.SetText(Answer(QStringLiteral("date")));
  });
}

bool TScriptedParameterDialogs::ShowDateRangeEntry(TDateRangeEntryModel& model) {
  return Run(model, [&] {
    if (HasAnswer(QStringLiteral("from"))) model.StartDate.SetText(Answer(QStringLiteral("from")));
    if (HasAnswer(QStringLiteral("to"))) model.EndDate.SetText(Answer(QStringLiteral("to")));
  });
}

bool TScriptedParameterDialogs::ShowDateTimeRangeEntry(TDateTimeRangeEntryModel& model) {
  return Run(model, [&] {
    if (HasAnswer(QStringLiteral("from")))
      model.StartDateTime.SetText(Answer(QStringLiteral("from")));
    if (HasAnswer(QStringLiteral("to"))) model.EndDateTime.SetText(Answer(QStringLiteral("to")));
  });
}

bool TScriptedParameterDialogs::ShowCellNoRange(TCellNoRangeModel& model) {
  return Run(model, [&] {
    if (HasAnswer(QStringLiteral("cells"))) {
      const QString cells = Answer(QStringLiteral("cells"));
      const int dots = cells.indexOf(QStringLiteral(".."));
      if (dots < 0)
        throw TAnswerProblem{
            QStringLiteral("'%1' is not a cell range; give it as FROM..TO.").arg(cells)};
      model.CellFrom = cells.left(dots).trimmed();
      model.CellTo = cells.mid(dots + 2).trimmed();
    }
    if (HasAnswer(QStringLiteral("cell-from")))
      model.CellFrom = Answer(QStringLiteral("cell-from")).trimmed();
    if (HasAnswer(QStringLiteral("cell-to")))
      model.CellTo = Answer(QStringLiteral("cell-to")).trimmed();
    if (HasAnswer(QStringLiteral("all-cells")))
      model.SetAllCells(Flag(QStringLiteral("all-cells")));
  });
}

bool TScriptedParameterDialogs::ShowPrintCountRange(TPrintCountRangeModel& model) {
  return Run(model, [&] {
    if (HasAnswer(QStringLiteral("from"))) model.FromDate.SetText(Answer(QStringLiteral("from")));
    if (HasAnswer(QStringLiteral("to"))) {
      // A bare end date covers that whole day, as the dialog's own preset does.
      QString dateText, timeText;
      SplitDateTimeText(Answer(QStringLiteral("to")), dateText, timeText);
      model.ToDate.SetText(timeText.isEmpty() ? dateText + QStringLiteral(" 23:59:59")
                                              : Answer(QStringLiteral("to")));
      if (!model.ToDate.IsValid()) model.ToDate.SetText(Answer(QStringLiteral("to")));
    }
    if (HasAnswer(QStringLiteral("agency"))) {
      const QString wanted = Answer(QStringLiteral("agency")).trimmed();
      const auto& agencies = model.Agencies();
      int found = -1;
      for (int i = 0; i < int(agencies.size()) && found < 0; ++i)
        if (agencies[i].Org.trimmed().compare(wanted, Qt::CaseInsensitive) == 0 ||
            agencies[i].OrgAbbrev.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
          found = i;
      if (found < 0)
        throw TAnswerProblem{
            QStringLiteral("'%1' is not an agency with billing settings.").arg(wanted)};
      model.ChooseAgency(found);
    }
  });
}

bool TScriptedParameterDialogs::ShowAveLengthYearPicker(TAveLengthYearPickerModel& model) {
  return Run(model, [&] {
    if (!HasAnswer(QStringLiteral("years"))) return;
    bool ok = false;
    const int years = Answer(QStringLiteral("years")).trimmed().toInt(&ok);
    if (!ok)
      throw TAnswerProblem{
          QStringLiteral("'%1' is not a number of years.").arg(Answer(QStringLiteral("years")))};
    model.Years = years;
  });
}

bool TScriptedParameterDialogs::ShowInmatePicker(TInmatePickerModel& model) {
  return Run(model, [&] {
    if (HasAnswer(QStringLiteral("inmate")))
      model.BookNo = Answer(QStringLiteral("inmate")).trimmed();
  });
}
