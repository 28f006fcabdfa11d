#pragma once

#include "core/Exception.h"
#include "data/driver/DbTypes.h"

#include <QString>

#include <memory>
#include <vector>

// A live connection to one database, behind which sit the embedded SQLite
// backend and the ODBC backend for SQL Server. Everything above the driver
// (datasets, configuration lookups, record locks) talks to this interface only.
class IDbConnection {
 public:
  virtual ~IDbConnection() = default;

  // "SQLite" or "ODBC".
  virtual QString DriverName() const = 0;
  // The logical database name (Initial Catalog / Database, or the file's
  // base name for the embedded backend); used in lock names.
  virtual QString DatabaseName() const = 0;

  // Runs one statement or batch. Parameters are written ":NAME" in the text
  // and matched to `params` by name without regard to case; every parameter
  // of the text must be given. Output and result parameters of a procedure
  // call ("{:RETURN_VALUE = CALL proc (:A, :B)}") are written back into
  // `params`. Returns the first result set the batch produced (empty Columns
  // when none), with the row count of the last statement.
  // Throws EDatabaseError carrying the driver's own text.
  virtual TDbResult Execute(const QString& sql, std::vector<TDbParam>& params) = 0;

  // Index metadata of a table, consecutive rows per index.
  virtual std::vector<TDbIndexColumn> IndexColumns(const QString& table) = 0;

  virtual void StartTransaction() = 0;
  virtual void Commit() = 0;
  virtual void Rollback() = 0;
  virtual bool InTransaction() const = 0;
};

struct TDbOpenOptions {
  // Folder against which a relative embedded database file is resolved: the
  // configuration file's folder.
  QString BaseFolder;
};

// Opens a connection for a suite connection string ("name=value;..."):
// Provider=SQLite selects the embedded backend, anything else goes to ODBC
// with the OLE DB keys mapped. Throws EDatabaseError; nothing is left open on
// failure.
std::unique_ptr<IDbConnection> OpenDbConnection(const QString& connectionString,
                                                const TDbOpenOptions& options = {});
