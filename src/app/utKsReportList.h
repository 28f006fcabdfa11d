#pragma once

#include "core/Exception.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class TKsReportList;
class TKsSQLDatabase;

// A report of the list that cannot be printed as it stands.
class EKsReportListError : public Exception {
 public:
  using Exception::Exception;
};

// One report of a database-driven menu: a report file of the external report
// library, and the menu item that prints it.
class TKsReportInfo {
 public:
  explicit TKsReportInfo(TKsReportList& AOwner) : FOwner(AOwner) {}

  QString FileName;
  // The program's own folder + FileName.
  QString FullFileName() const;
  // Names separated by ";"; the report number goes under them.
  QString ParamNames;
  // One value, or a list with one element per name.
  QVariant ParamValues;
  QString Title;
  bool SingleRecordRpt = false;
  QPointer<QAction> MenuItem;

  // Opens the report through the report library, with the list's before-
  // and after-print steps around it.
  void Print();
  // The click handler of the menu item.
  void ControlClick() { Print(); }

 private:
  TKsReportList& FOwner;
};

// The reports a program group offers in a menu, read from CfgReports and
// CfgReportApplicability; each becomes a menu item that opens the report
// with the current report number.
class TKsReportList : public QObject {
  Q_OBJECT

 public:
  using TBeforePrintEvent = std::function<void(TKsReportList& ASender)>;
  using TAfterPrintEvent =
      std::function<void(TKsReportInfo& AReport, const QString& ATitle, const QVariant& AValue)>;

  // Which reports BuildReportsMenu takes.
  enum TReportKind { rkSingleRecord = 0, rkMultiRecord = 1, rkAll = 2 };

  explicit TKsReportList(QObject* AOwner = nullptr);
  ~TKsReportList() override;

  // Setting either re-sets the parameter value of every report.
  const QString& ReportNum() const { return FReportNum; }
  void SetReportNum(const QString& AValue);
  const QString& UniqueKey() const { return FUniqueKey; }
  void SetUniqueKey(const QString& AValue);

  TBeforePrintEvent BeforePrint;
  TAfterPrintEvent AfterPrint;
  // Set by the before-print handler to leave the report unopened.
  bool CancelPrint = false;
  // The report file library; empty for the default one in the suite's
  // library folder.
  QString LibraryName;

  // The first report marked as default, or null.
  TKsReportInfo* DefaultReport() const { return FDefaultReport; }
  const std::vector<std::unique_ptr<TKsReportInfo>>& Reports() const { return FReports; }

  // Replaces the list with the reports of AReportGroup (and of AReportTypes
  // when given) in title order, each appended to AMenuItem as an item.
  void BuildReportsMenu(TKsSQLDatabase* AConnection, const QString& AReportGroup,
                        const QStringList& AReportTypes, QMenu* AMenuItem, TReportKind AReportKind);
  // Removes the reports and their menu items.
  void Clear();
  void PrintDefaultReport();

  // The statement BuildReportsMenu runs, macros left in.
  static QString ReportsQueryText();
  static QString ReportTypeMacro(const QStringList& AReportTypes);
  static QString ReportKindMacro(TReportKind AReportKind);

 private:
  friend class TKsReportInfo;

  QVariant ParamValueFor(const TKsReportInfo& AReport) const;
  void ResetParamValues();
  void SetItemsEnabled(bool AEnabled);

  QString FReportNum;
  QString FUniqueKey;
  std::vector<std::unique_ptr<TKsReportInfo>> FReports;
  TKsReportInfo* FDefaultReport = nullptr;
};
