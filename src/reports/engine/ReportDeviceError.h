#pragma once

#include "core/Exception.h"

// A report could not be written to its device (file not creatable, disk
// full, painter refused).
class EReportDeviceError : public Exception {
 public:
  using Exception::Exception;
};
