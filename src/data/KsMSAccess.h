#pragma once

#include "data/KsIndexDefs.h"
#include "data/KsMSDataSet.h"

// A query of the suite: SQL text, parameters and macros, written back to the
// table its SQL reads.
class TKsCustomMSQuery : public TKsMSDataSet {
 public:
  using TKsMSDataSet::TKsMSDataSet;
};

// The plain query. It still carries the index properties that old forms
// stored on it; none of them may be used any more (TKsMSSearchQuery replaces
// them), which Loaded checks.
class TKsMSQuery : public TKsCustomMSQuery {
 public:
  using TKsCustomMSQuery::TKsCustomMSQuery;

  TIndexDefs& IndexDefs() { return FIndexDefs; }
  const QString& IndexName() const { return FIndexName; }
  void SetIndexName(const QString& value) { FIndexName = value; }
  const QString& TableName() const { return FTableName; }
  void SetTableName(const QString& value) { FTableName = value; }
  bool AutoLoadIndexDefs() const { return FAutoLoadIndexDefs; }
  void SetAutoLoadIndexDefs(bool value) { FAutoLoadIndexDefs = value; }

  // The check made once the component is set up: index definitions,
  // AutoLoadIndexDefs off, an IndexName or a TableName mean it must become a
  // TKsMSSearchQuery. Throws "TKsMSQuery '<name>' must be converted to
  // TKsMSSearchQuery".
  void Loaded();

 private:
  TIndexDefs FIndexDefs;
  QString FIndexName;
  QString FTableName;
  bool FAutoLoadIndexDefs = true;
};

// A whole table, "SELECT * FROM <table>" in the order of OrderFields.
class TKsMSTable : public TKsMSDataSet {
 public:
  using TKsMSDataSet::TKsMSDataSet;

  const QString& TableName() const { return FTableName; }
  // Closes the table.
  void SetTableName(const QString& value);
  // Fields separated by ";" or ","; an open table is re-opened in the new
  // order.
  const QString& OrderFields() const { return FOrderFields; }
  void SetOrderFields(const QString& value);

 protected:
  QString UpdatingTableName() const override { return FTableName; }

 private:
  void BuildSQL();

  QString FTableName;
  QString FOrderFields;
};

// A stored procedure called through the ODBC call escape
// "{:RETURN_VALUE = CALL name (:P1, :P2)}". The call text is either set as
// SQL (as the forms store it) or built from StoredProcName and the
// parameters, in their order, a ptResult parameter receiving the return
// value. A parameter named RETURN_VALUE found in the text is a result
// parameter; output parameters must be given their direction.
class TKsMSStoredProc : public TKsMSDataSet {
 public:
  using TKsMSDataSet::TKsMSDataSet;

  const QString& StoredProcName() const { return FStoredProcName; }
  // Closes the dataset; a call text set for another procedure is cleared.
  void SetStoredProcName(const QString& value);
  // Runs the call; output parameters and the return value are written back.
  void ExecProc() { ExecSQL(); }
  // The call text that runs.
  QString CallText() const { return StatementText(); }

 protected:
  QString StatementText() const override;
  TParamType DefaultParamType(const QString& name) const override;

 private:
  QString FStoredProcName;
};
