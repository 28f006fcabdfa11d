#include "reports/framework/InmatePicker.h"

#include "core/UserPrompts.h"
#include "reports/framework/ParameterDialogs.h"

TInmatePickerModel::TInmatePickerModel(IDialogListProvider* lists) : FLists(lists) {
  Caption = QStringLiteral("Select an Inmate");
}

void TInmatePickerModel::LoadInmatesPopulation(const QString& which) {
  FRows = FLists ? FLists->InmatePopulation(which) : std::vector<TInmateRow>();
}

TPickList TInmatePickerModel::PickList() const {
  TPickList list;
  list.Caption = Caption;
  list.Columns = {{QStringLiteral("Last Name"), 15},
                  {QStringLiteral("First Name"), 15},
                  {QStringLiteral("Middle Name"), 15},
                  {QStringLiteral("Book No"), 17}};
  list.KeyColumn = 3;
  list.UpperCaseSearch = true;
  list.MaxHeight = 209;
  for (const TInmateRow& row : FRows)
    list.Rows.push_back({row.LName, row.FName, row.MName, row.BookNo});
  return list;
}

bool TInmatePickerModel::BeginShow() {
  BookNo.clear();
  Result.clear();
  return true;
}

QString TInmatePickerModel::Validate() const {
  if (BookNo.trimmed().isEmpty()) return QStringLiteral("An inmate must be selected.");
  for (const TInmateRow& row : FRows)
    if (row.BookNo.trimmed().compare(BookNo.trimmed(), Qt::CaseInsensitive) == 0) return {};
  return QStringLiteral("Booking number '%1' is not in the list.").arg(BookNo);
}

bool SelectInmateBookNo(TInmatePickerModel& picker, QString& bookNo, bool active) {
  bookNo.clear();
  picker.LoadInmatesPopulation(active ? QStringLiteral("Active") : QStringLiteral("Inactive"));
  if (!ParameterDialogs().ShowInmatePicker(picker)) return false;
  bookNo = picker.Result;
  return true;
}
