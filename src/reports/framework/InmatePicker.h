#pragma once

#include "reports/framework/DialogListProvider.h"
#include "reports/framework/ParameterDialogModel.h"

#include <vector>

struct TPickList;

// The inmate picker ("Select an Inmate"): one booking of the facility's
// active or released population.
class TInmatePickerModel : public TParameterDialogModel {
 public:
  explicit TInmatePickerModel(IDialogListProvider* lists = nullptr);

  // Refills the population: "Active", "Inactive" or "All".
  void LoadInmatesPopulation(const QString& which);
  void CloseInmatesPopulation() { FRows.clear(); }
  const std::vector<TInmateRow>& Population() const { return FRows; }
  // The list as the lookup dialog shows it.
  TPickList PickList() const;

  bool BeginShow() override;
  QString Validate() const override;

  // The booking highlighted.
  QString BookNo;
  // The chosen booking number on OK.
  QString Result;

 protected:
  void StoreResults() override { Result = BookNo; }

 private:
  IDialogListProvider* FLists;
  std::vector<TInmateRow> FRows;
};

// Loads the population, shows the picker through the installed parameter
// dialogs and gives the chosen booking number; false and an empty BookNo on
// Cancel.
bool SelectInmateBookNo(TInmatePickerModel& picker, QString& bookNo, bool active);
