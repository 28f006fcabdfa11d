#include "config/dmSharedINI.h"

#include "config/KsConfigInfo.h"
#include "config/SharedIniStore.h"

TdtmSharedINI* dtmSharedINI = nullptr;

namespace {
const QString kClass = QStringLiteral("TdtmSharedINI.");
}

TdtmSharedINI::TdtmSharedINI() : TdtmSharedINI(nullptr) {}

TdtmSharedINI::TdtmSharedINI(TKsCustomConfigInfo* AConfigInfo) : FKsConfigInfo(AConfigInfo) {
  dbCFG.SetKsConfigInfo(FKsConfigInfo.Get());
  dbCFG.SetProgramName(QStringLiteral("CFG"));
  dbCFG.SetLoginPrompt(false);
  for (TKsMSQuery* query : {&qryGetValue, &qryCheckIfExist, &qryWriteValue})
    query->SetConnection(&dbCFG);
  qryGetValue.SQL().SetLines(
      {QStringLiteral("Select [VariableGroup], [VariableId], [VariableValue], [UNIQUEKEY] from "
                      "SharedINI where VariableGroup = :VariableGroup and VariableId = "
                      ":VariableId")});
  qryCheckIfExist.SQL().SetLines(SharedIniStore::CheckIfExistSQL());
}

TdtmSharedINI::~TdtmSharedINI() = default;

QString TdtmSharedINI::GetStringValue(const QString& VariableGroup, const QString& VariableId,
                                      const QString& DefaultValue) {
  QString result = DefaultValue;
  try {
    SharedIniStore::ReadValue(qryGetValue, VariableGroup, VariableId, result);
  } catch (const std::exception& e) {
    SharedIniStore::ShowError(e, kClass + QStringLiteral("GetStringValue"));
  }
  return result;
}

bool TdtmSharedINI::GetBooleanValue(const QString& VariableGroup, const QString& VariableId,
                                    bool DefaultValue) {
  return SharedIniStore::TextToBoolean(GetStringValue(VariableGroup, VariableId, QString()),
                                       DefaultValue);
}

int TdtmSharedINI::GetIntegerValue(const QString& VariableGroup, const QString& VariableId,
                                   int DefaultValue) {
  return SharedIniStore::TextToInteger(GetStringValue(VariableGroup, VariableId, QString()),
                                       DefaultValue);
}

bool TdtmSharedINI::CheckIfExist(const QString& VariableGroup, const QString& VariableId) {
  try {
    return SharedIniStore::RowExists(qryCheckIfExist, VariableGroup, VariableId);
  } catch (const std::exception& e) {
    SharedIniStore::ShowError(e, kClass + QStringLiteral("CheckIfExist"));
    return true;
  }
}

void TdtmSharedINI::WriteVariableValue(const QString& VariableGroup, const QString& VariableId,
                                       const QString& VariableValue) {
  const bool exists = CheckIfExist(VariableGroup, VariableId);
  try {
    SharedIniStore::WriteRow(qryWriteValue, exists, VariableGroup, VariableId, VariableValue);
  } catch (const std::exception& e) {
    SharedIniStore::ShowError(e, kClass + QStringLiteral("WriteVariableValue"));
  }
}

void TdtmSharedINI::WriteStringValue(const QString& VariableGroup, const QString& VariableId,
                                     const QString& Value) {
  WriteVariableValue(VariableGroup, VariableId, Value);
}

void TdtmSharedINI::WriteIntegerValue(const QString& VariableGroup, const QString& VariableId,
                                      int Value) {
  WriteVariableValue(VariableGroup, VariableId, QString::number(Value));
}

void TdtmSharedINI::WriteBooleanValue(const QString& VariableGroup, const QString& VariableId,
                                      bool Value) {
  WriteVariableValue(VariableGroup, VariableId,
                     Value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}

void TdtmSharedINI::WriteBooleanValueAsDigit(const QString& VariableGroup,
                                             const QString& VariableId, bool Value) {
  WriteVariableValue(VariableGroup, VariableId, Value ? QStringLiteral("1") : QStringLiteral("0"));
}
