#pragma once

#include <QString>

class TKsSQLDatabase;

// The facility a report runs for.
struct TFacilityInformation {
  QString FacilityName;
  QString FacilityId;
};

// What a report module needs of the session when it is handed one instead
// of reaching the session module's global: the jail connection and the
// facility chosen at login.
class IReportMaster {
 public:
  virtual ~IReportMaster() = default;
  virtual TKsSQLDatabase* GetDatabaseConnection() = 0;
  virtual TFacilityInformation GetFacility() = 0;
};
