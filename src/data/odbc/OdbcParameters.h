#pragma once

#include "data/driver/DbTypes.h"
#include "data/driver/SqlParamScanner.h"
#include "data/odbc/OdbcHandle.h"

#include <QByteArray>

#include <memory>
#include <vector>

// The buffers bound to a statement's "?" markers. They must outlive the
// execution and every result set (SQL Server sends output parameters last),
// so this object lives as long as the statement runs.
class TOdbcParameters {
 public:
  // Binds one marker per occurrence of a parameter in `scan`. The call
  // escape's return parameter (`returnParam`) is always bound as an output.
  // Throws EDatabaseError for a parameter without a value.
  void Bind(const TOdbcHandle& stmt, const TSqlParamScan& scan, std::vector<TDbParam>& params,
            const QString& returnParam);
  // Writes output values back into their parameters, once all results of
  // the statement have been read.
  void ReadOutputs() const;

 private:
  struct TBound {
    TDbParam* Param = nullptr;
    DbValue::TKind Kind = DbValue::TKind::Text;
    SQLSMALLINT Direction = SQL_PARAM_INPUT;
    QByteArray Buffer;
    SQLLEN Indicator = 0;
  };
  std::vector<std::unique_ptr<TBound>> FBound;
};
