#pragma once

#include <QString>

#include <sql.h>
#include <sqlext.h>

// Owns one ODBC handle and frees it on every path.
class TOdbcHandle {
 public:
  TOdbcHandle() = default;
  // Allocates a handle of `type` under `parent` (SQL_NULL_HANDLE for an
  // environment); throws EDatabaseError with the parent's diagnostics.
  TOdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
  ~TOdbcHandle();

  TOdbcHandle(TOdbcHandle&& other) noexcept;
  TOdbcHandle& operator=(TOdbcHandle&& other) noexcept;
  TOdbcHandle(const TOdbcHandle&) = delete;
  TOdbcHandle& operator=(const TOdbcHandle&) = delete;

  SQLHANDLE Get() const { return FHandle; }
  SQLSMALLINT Type() const { return FType; }

  // Throws EDatabaseError carrying the driver's diagnostics unless `rc`
  // succeeded; `context`, when given, leads the message.
  void Check(SQLRETURN rc, const QString& context = QString()) const;

 private:
  void Free() noexcept;

  SQLSMALLINT FType = 0;
  SQLHANDLE FHandle = SQL_NULL_HANDLE;
};

// The diagnostic records of a handle, one line each, as the driver wrote them.
QString OdbcDiagnostics(SQLSMALLINT type, SQLHANDLE handle);
