#include "config/MastConfigIniProvider.h"

#include "config/dmSharedINI.h"

namespace {

const QString kGroup = QStringLiteral("MastConfig");
const QString kCountyId = QStringLiteral("DOCReportCountyId");
const QString kFacilityId = QStringLiteral("DOCReportFacilityId");

QString Read(const QString& AName) {
  return dtmSharedINI ? dtmSharedINI->GetStringValue(kGroup, AName, QString()) : QString();
}

void Write(const QString& AName, const QString& AValue) {
  if (dtmSharedINI) dtmSharedINI->WriteStringValue(kGroup, AName, AValue);
}

}  // namespace

QString MastConfigIniProvider::GetCountyId() {
  return Read(kCountyId);
}

void MastConfigIniProvider::SetCountyId(const QString& Value) {
  Write(kCountyId, Value);
}

QString MastConfigIniProvider::GetFacilityId() {
  return Read(kFacilityId);
}

void MastConfigIniProvider::SetFacilityId(const QString& Value) {
  Write(kFacilityId, Value);
}
