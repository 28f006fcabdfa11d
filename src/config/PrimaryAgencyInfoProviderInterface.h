#pragma once

#include <QImage>
#include <QString>

// What a report module needs of the agency it prints for, when it is handed
// this instead of reaching the master configuration module.
class IPrimaryAgencyInfoProvider {
 public:
  virtual ~IPrimaryAgencyInfoProvider() = default;

  // The primary agency's logo; a null image when there is none.
  virtual QImage GetLogoAsJpeg() = 0;
  // The agency name of report headers ("XXXX" when unknown).
  virtual QString GetAgencyName() = 0;
};
