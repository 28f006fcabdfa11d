#pragma once

#include "data/KsIndexDefs.h"
#include "data/KsMSAccess.h"

// A query used like a table: it reads TableName and can be ordered by one of
// the table's indexes, chosen by name. Choosing an index rewrites the ORDER BY
// of the SQL text.
class TKsMSSearchQuery : public TKsCustomMSQuery {
 public:
  using TKsCustomMSQuery::TKsCustomMSQuery;

  TIndexDefs& IndexDefs() { return FIndexDefs; }
  const TIndexDefs& IndexDefs() const { return FIndexDefs; }

  // Empty clears the ORDER BY; any other name must be one of IndexDefs
  // ("IndexName entered is not in IndexDefs."). The open state is kept.
  // Between BeginLoad and Loaded the name is only stored.
  const QString& IndexName() const { return FIndexName; }
  void SetIndexName(const QString& value);

  // Closes the query and stores the trimmed name. Unless the SQL already
  // reads that table it becomes "SELECT *" / "FROM <table>"; the index
  // definitions are reloaded.
  const QString& TableName() const { return FTableName; }
  void SetTableName(const QString& value);

  bool AutoLoadIndexDefs() const { return FAutoLoadIndexDefs; }
  void SetAutoLoadIndexDefs(bool value) { FAutoLoadIndexDefs = value; }

  // Replaces IndexDefs with the table's indexes as the server describes
  // them (each case-insensitive); needs a connection and a table name.
  void LoadIndexDefs();
  // A data module configuring the query in any order brackets it with
  // BeginLoad and Loaded; Loaded loads the index definitions when
  // AutoLoadIndexDefs, then applies IndexName.
  void BeginLoad() { FLoading = true; }
  void Loaded();

 protected:
  QString UpdatingTableName() const override;

 private:
  TIndexDefs FIndexDefs;
  QString FIndexName;
  QString FTableName;
  bool FAutoLoadIndexDefs = true;
  bool FLoading = false;
};
