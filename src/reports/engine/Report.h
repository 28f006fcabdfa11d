#pragma once

#include "reports/engine/ReportBand.h"
#include "reports/engine/ReportGroup.h"

#include <QMargins>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TReportPipeline;
class TReportVariable;

// A banded report layout: paper, bands, groups and the pipeline it walks.
// A sub-report's layout is a TReport too, owned by its sub-report
// component.
class TReport {
 public:
  explicit TReport(QString name = {});
  ~TReport();
  TReport(const TReport&) = delete;
  TReport& operator=(const TReport&) = delete;

  QString Name;
  QString Title;  // document title of the generated pages
  QPageSize PageSize = QPageSize(QPageSize::Letter);
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;
  QMargins MarginsUm = QMargins(6350, 6350, 6350, 6350);  // left, top, right, bottom
  bool TwoPass = true;
  TReportPipeline* DataPipeline = nullptr;  // no pipeline: the detail prints once
  int SaveNumber = 0;
  // Called once per generation before the first page is made.
  std::function<void()> BeforePrint;

  // Paper size in the report's orientation, and the area inside the margins.
  int PageWidthUm() const;
  int PageHeightUm() const;
  int PrintableWidthUm() const { return PageWidthUm() - MarginsUm.left() - MarginsUm.right(); }

  // The band of a type, created on first use; group bands live on groups.
  TReportBand* AddBand(TBandType type);
  TReportBand* Band(TBandType type) const;
  TReportBand* TitleBand() { return AddBand(TBandType::Title); }
  TReportBand* PageHeaderBand() { return AddBand(TBandType::PageHeader); }
  TReportBand* ColumnHeaderBand() { return AddBand(TBandType::ColumnHeader); }
  TReportBand* DetailBand() { return AddBand(TBandType::Detail); }
  TReportBand* ColumnFooterBand() { return AddBand(TBandType::ColumnFooter); }
  TReportBand* SummaryBand() { return AddBand(TBandType::Summary); }
  TReportBand* PageFooterBand() { return AddBand(TBandType::PageFooter); }

  // Groups, outermost first.
  TReportGroup* AddGroup(const QString& breakName, TReportPipeline* pipeline = nullptr);
  const std::vector<std::unique_ptr<TReportGroup>>& Groups() const { return FGroups; }

  // Any component of the report's bands (not of its sub-reports) by name.
  TReportComponent* FindComponent(const QString& name) const;
  template <typename T>
  T* Find(const QString& name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }

  const std::vector<TReportVariable*>& Variables() const { return FVariables; }
  // Sub-reports of this layout, in the order their components were added.
  const std::vector<TReport*>& Children() const { return FChildren; }
  TReport* Parent() const { return FParent; }

  // While generating: the printed page number (restarting with groups that
  // reset it), the page count of its page set, the absolute page number and
  // total, the pass, and the print date/time. Outside a generation these
  // are zero and invalid.
  int PageNo() const { return FState ? FState->PageNo : 0; }
  int PageCount() const { return FState ? FState->PageCount : 0; }
  int AbsolutePageNo() const { return FState ? FState->AbsolutePageNo : 0; }
  int TotalPages() const { return FState ? FState->TotalPages : 0; }
  int Pass() const { return FState ? FState->Pass : 0; }
  QDateTime PrintDateTime() const { return FState ? FState->PrintDateTime : QDateTime(); }
  TGenerationState* State() const { return FState; }

 private:
  friend class TReportBand;
  friend class TReportSubReport;
  friend class TGenerationRun;
  void RegisterComponent(TReportComponent* component);
  void SetState(TGenerationState* state);

  std::array<std::unique_ptr<TReportBand>, 9> FBands;
  std::vector<std::unique_ptr<TReportGroup>> FGroups;
  std::vector<TReportVariable*> FVariables;
  std::vector<TReport*> FChildren;
  TReport* FParent = nullptr;
  TGenerationState* FState = nullptr;
};
