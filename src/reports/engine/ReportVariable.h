#pragma once

#include "reports/engine/ReportText.h"

#include <QVariant>

class TReportGroup;

enum class TVariableCalc { Custom, Sum, Count };
enum class TVariableReset { Report, Group, Page, Never };

// A value computed at every record the variable's report walks (Sum of a
// field, Count, or OnCalc), reset at the start of the report, of each
// instance of a group, or of each page. It prints through its display
// format; it may also be hidden and only read by handlers.
class TReportVariable : public TReportTextComponent {
 public:
  using TReportTextComponent::TReportTextComponent;

  TVariableCalc CalcType = TVariableCalc::Custom;
  TFieldLink Field;  // Sum
  TVariableReset ResetType = TVariableReset::Report;
  TReportGroup* ResetGroup = nullptr;  // ResetType Group
  QString DisplayFormat;
  bool BlankWhenZero = false;
  QVariant InitialValue = 0;
  std::function<void(QVariant& value)> OnCalc;

  const QVariant& Value() const { return FValue; }
  void SetValue(const QVariant& value) { FValue = value; }
  void Reset() { FValue = InitialValue; }
  void Calc();

 protected:
  QString BaseText() override;

 private:
  QVariant FValue = 0;
};

enum class TSystemVarType {
  PrintDate,
  PrintTime,
  PrintDateTime,
  PageNo,
  PageCount,
  PageNoDesc,   // "Page 3"
  PageSetDesc,  // "Page 3 of 7"
  CurrentDateTime
};

class TReportSystemVariable : public TReportTextComponent {
 public:
  explicit TReportSystemVariable(QString name = {},
                                 TSystemVarType type = TSystemVarType::PageSetDesc)
      : TReportTextComponent(std::move(name)), VarType(type) {}
  TSystemVarType VarType;
  QString DisplayFormat;  // dates and times; empty: the regional format

 protected:
  QString BaseText() override;
};
