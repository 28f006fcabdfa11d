#include "app/utKsReportList.h"
#include "data/KsSQLText.h"

#include "app/HandlerGuard.h"
#include "app/utKsCrystalEx.h"
#include "data/KsMSAccess.h"
#include "security/dmAccess.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>

namespace {
// A title's "&" is text, not an accelerator.
QString MenuCaption(const QString& ATitle) {
  QString caption = ATitle;
  return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}  // namespace

QString TKsReportInfo::FullFileName() const {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + FileName;
}

void TKsReportInfo::Print() {
  const bool blankValue =
      ParamValues.typeId() != QMetaType::QVariantList && ParamValues.toString().isEmpty();
  if (SingleRecordRpt && blankValue)
    throw EKsReportListError(
        QStringLiteral("Report number parameter cannot be blank for a "
                       "single-record report"));
  TKsCrystalEx runner(FOwner.LibraryName);
  // The runner has told the user already; asking the before-print questions
  // for a report that cannot open would only waste their answers.
  if (!runner.Loaded()) return;
  // Every item stays disabled while a report opens, so a second click cannot
  // start a second one.
  FOwner.SetItemsEnabled(false);
  try {
    if (FOwner.BeforePrint) FOwner.BeforePrint(FOwner);
    if (FOwner.CancelPrint) {
      // Abandoned before it opened: nothing to tell the after-print handler,
      // but the items must be usable again.
      FOwner.CancelPrint = false;
      FOwner.SetItemsEnabled(true);
      return;
    }
    runner.SetShowSummary(false);
    runner.SetSelectPrinter(false);
    runner.PassParamsAndOpen(nullptr, nullptr, FullFileName(), ParamNames, ParamValues);
    if (FOwner.AfterPrint) FOwner.AfterPrint(*this, Title, ParamValues);
  } catch (...) {
    FOwner.CancelPrint = false;
    FOwner.SetItemsEnabled(true);
    throw;
  }
  FOwner.SetItemsEnabled(true);
  FOwner.CancelPrint = false;
  runner.Unload();
}

TKsReportList::TKsReportList(QObject* AOwner) : QObject(AOwner) {}

TKsReportList::~TKsReportList() {
  Clear();
}

void TKsReportList::SetReportNum(const QString& AValue) {
  FReportNum = AValue;
  ResetParamValues();
}

void TKsReportList::SetUniqueKey(const QString& AValue) {
  FUniqueKey = AValue;
  ResetParamValues();
}

QVariant TKsReportList::ParamValueFor(const TKsReportInfo& AReport) const {
  if (AReport.ParamNames.compare(QStringLiteral("UniqueKey"), Qt::CaseInsensitive) == 0)
    return FUniqueKey;
  return FReportNum;
}

void TKsReportList::ResetParamValues() {
  for (const auto& report : FReports) report->ParamValues = ParamValueFor(*report);
}

void TKsReportList::SetItemsEnabled(bool AEnabled) {
  for (const auto& report : FReports)
    if (report->MenuItem) report->MenuItem->setEnabled(AEnabled);
}

QString TKsReportList::ReportsQueryText() {
  return QStringLiteral(
      "SELECT U.DefaultReport, R.Title, R.FileName, R.SingleRecordRpt, R.ReportNumParamName "
      "FROM Cfg..CfgReportApplicability U LEFT JOIN Cfg..CfgReports R ON U.FK_Report = "
      "R.UniqueKey WHERE U.ProgramGroup = :REPORTGROUP &REPORTTYPE &REPORTKIND ORDER BY R.Title");
}

QString TKsReportList::ReportTypeMacro(const QStringList& AReportTypes) {
  if (AReportTypes.isEmpty()) return {};
  QStringList quoted;
  for (const QString& type : AReportTypes) quoted << KsSQLText::QuotedStr(type);
  return QStringLiteral("AND U.ReportType IN (") + quoted.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString TKsReportList::ReportKindMacro(TReportKind AReportKind) {
  switch (AReportKind) {
    case rkSingleRecord:
      return QStringLiteral("AND R.SingleRecordRpt = '1'");
    case rkMultiRecord:
      return QStringLiteral("AND R.SingleRecordRpt = '0'");
    case rkAll:
      break;
  }
  return {};
}

void TKsReportList::Clear() {
  FDefaultReport = nullptr;
  for (const auto& report : FReports) delete report->MenuItem.data();
  FReports.clear();
}

void TKsReportList::BuildReportsMenu(TKsSQLDatabase* AConnection, const QString& AReportGroup,
                                     const QStringList& AReportTypes, QMenu* AMenuItem,
                                     TReportKind AReportKind) {
  Clear();
  TKsMSQuery query(QStringLiteral("qryReports"));
  query.SetConnection(AConnection);
  query.SQL().SetText(ReportsQueryText());
  query.MacroByName(QStringLiteral("REPORTTYPE")).SetValue(ReportTypeMacro(AReportTypes));
  query.MacroByName(QStringLiteral("REPORTKIND")).SetValue(ReportKindMacro(AReportKind));
  query.ParamByName(QStringLiteral("REPORTGROUP")).SetAsString(AReportGroup);
  query.Open();
  for (; !query.Eof(); query.Next()) {
    auto report = std::make_unique<TKsReportInfo>(*this);
    report->FileName = query.FieldByName(QStringLiteral("FileName")).AsString();
    report->SingleRecordRpt = query.FieldByName(QStringLiteral("SingleRecordRpt")).AsBoolean();
    report->Title = query.FieldByName(QStringLiteral("Title")).AsString();
    report->ParamNames = query.FieldByName(QStringLiteral("ReportNumParamName")).AsString();
    report->ParamValues = ParamValueFor(*report);
    if (AMenuItem) {
      QAction* item = AMenuItem->addAction(MenuCaption(report->Title));
      item->setData(static_cast<int>(FReports.size()));
      TKsReportInfo* target = report.get();
      connect(item, &QAction::triggered, this,
              [target] { RunGuardedHandler([target] { target->ControlClick(); }); });
      report->MenuItem = item;
    }
    if (!FDefaultReport && query.FieldByName(QStringLiteral("DefaultReport")).AsBoolean())
      FDefaultReport = report.get();
    FReports.push_back(std::move(report));
  }
  query.Close();
}

void TKsReportList::PrintDefaultReport() {
  if (FDefaultReport) FDefaultReport->Print();
}
