#pragma once

#include "reports/engine/ReportComponent.h"

#include <functional>
#include <memory>
#include <vector>

enum class TBandType {
  Title,
  PageHeader,
  ColumnHeader,
  GroupHeader,
  Detail,
  GroupFooter,
  ColumnFooter,
  Summary,
  PageFooter
};

class TReportBand {
 public:
  TReportBand(TBandType type, TReport* report) : FType(type), FReport(report) {}
  TReportBand(const TReportBand&) = delete;
  TReportBand& operator=(const TReportBand&) = delete;

  TBandType Type() const { return FType; }
  TReport* Report() const { return FReport; }

  int Height = 0;  // micrometres
  bool Visible = true;
  // A band grows with its stretching components; without Stretch they keep
  // their design height.
  bool Stretch = true;
  bool PrintOnFirstPage = true;  // page header and footer
  bool PrintOnLastPage = true;   // page footer
  bool Save = false;             // text-file saving
  int SaveNumber = -1;           // -1: by band type
  // Called before the band prints at each record; may change Visible and the
  // components' properties. PrintWhen, when set, decides whether it prints.
  std::function<void()> BeforePrint;
  std::function<bool()> PrintWhen;
  std::function<void()> AfterPrint;

  template <typename T>
  T* Add(std::unique_ptr<T> component) {
    T* raw = component.get();
    Adopt(std::unique_ptr<TReportComponent>(std::move(component)));
    return raw;
  }
  template <typename T, typename... Args>
  T* Create(Args&&... args) {
    return Add(std::make_unique<T>(std::forward<Args>(args)...));
  }

  const std::vector<std::unique_ptr<TReportComponent>>& Components() const { return FComponents; }
  TReportComponent* Find(const QString& name) const;
  int EffectiveSaveNumber() const { return SaveNumber >= 0 ? SaveNumber : static_cast<int>(FType); }

 private:
  void Adopt(std::unique_ptr<TReportComponent> component);

  TBandType FType;
  TReport* FReport;
  std::vector<std::unique_ptr<TReportComponent>> FComponents;
};
