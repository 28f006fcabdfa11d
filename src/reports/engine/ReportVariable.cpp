#include "reports/engine/ReportVariable.h"

#include "reports/engine/DisplayFormat.h"
#include "reports/engine/Report.h"

namespace {

QVariant Add(const QVariant& a, const QVariant& b) {
  if (b.isNull() || !b.isValid()) return a.isValid() ? a : QVariant(0);
  const bool integral =
      (a.typeId() == QMetaType::Int || a.typeId() == QMetaType::LongLong || !a.isValid()) &&
      (b.typeId() == QMetaType::Int || b.typeId() == QMetaType::LongLong ||
       b.typeId() == QMetaType::Bool);
  if (integral) return QVariant(a.toLongLong() + b.toLongLong());
  return QVariant(a.toDouble() + b.toDouble());
}

}  // namespace

void TReportVariable::Calc() {
  switch (CalcType) {
    case TVariableCalc::Sum:
      FValue = Add(FValue, Field.Value());
      break;
    case TVariableCalc::Count:
      FValue = QVariant(FValue.toLongLong() + 1);
      break;
    case TVariableCalc::Custom:
      break;
  }
  if (OnCalc) OnCalc(FValue);
}

QString TReportVariable::BaseText() {
  return FormatValue(FValue, DisplayFormat, BlankWhenZero);
}

QString TReportSystemVariable::BaseText() {
  TReport* report = Report();
  const QDateTime printed = report && report->PrintDateTime().isValid()
                                ? report->PrintDateTime()
                                : QDateTime::currentDateTime();
  const int page = report ? report->PageNo() : 0;
  const int count = report ? report->PageCount() : 0;
  const TFormatSettings& s = FormatSettings();
  switch (VarType) {
    case TSystemVarType::PrintDate:
      return FormatDateTime(DisplayFormat.isEmpty() ? s.ShortDateFormat : DisplayFormat, printed);
    case TSystemVarType::PrintTime:
      return FormatDateTime(DisplayFormat.isEmpty() ? s.ShortTimeFormat : DisplayFormat, printed);
    case TSystemVarType::PrintDateTime:
      return FormatDateTime(DisplayFormat.isEmpty() ? QStringLiteral("ddddd t") : DisplayFormat,
                            printed);
    case TSystemVarType::CurrentDateTime:
      return FormatDateTime(DisplayFormat.isEmpty() ? QStringLiteral("ddddd t") : DisplayFormat,
                            QDateTime::currentDateTime());
    case TSystemVarType::PageNo:
      return QString::number(page);
    case TSystemVarType::PageCount:
      return QString::number(count);
    case TSystemVarType::PageNoDesc:
      return QStringLiteral("Page %1").arg(page);
    case TSystemVarType::PageSetDesc:
      return QStringLiteral("Page %1 of %2").arg(page).arg(count);
  }
  return {};
}
