#pragma once

#include <QString>

// The state DOC report's county and facility identifiers, kept in the shared
// settings (group MastConfig). Without the shared settings module nothing is
// read or written and the identifiers are empty.
class MastConfigIniProvider {
 public:
  static QString GetCountyId();
  static void SetCountyId(const QString& Value);
  static QString GetFacilityId();
  static void SetFacilityId(const QString& Value);
};
