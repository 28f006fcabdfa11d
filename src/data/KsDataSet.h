#pragma once

#include "data/KsField.h"
#include "data/KsMacro.h"
#include "data/KsParam.h"
#include "data/KsStrings.h"
#include "data/driver/DbTypes.h"

#include <QFlags>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class TKsSQLDatabase;
class TKsFilterExpression;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

enum TRefreshOption { roAfterInsert = 0x1, roAfterUpdate = 0x2, roBeforeEdit = 0x4 };
Q_DECLARE_FLAGS(TRefreshOptions, TRefreshOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TRefreshOptions)

enum TLocateOption { loCaseInsensitive = 0x1, loPartialKey = 0x2 };
Q_DECLARE_FLAGS(TLocateOptions, TLocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLocateOptions)

enum TFilterOption { foCaseInsensitive = 0x1 };
Q_DECLARE_FLAGS(TFilterOptions, TFilterOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFilterOptions)

// Options of the suite's datasets.
struct TKsMSDataSetOptions {
  // Trailing blanks of variable-length text are removed when rows are fetched.
  bool TrimVarChar = true;
  // Generated statements (write-back, table reads) quote object names.
  bool QuoteNames = true;
};

// The dataset every query, table and stored procedure is built on: SQL text
// as lines with named parameters (":NAME") and macros ("&NAME"), a fully
// fetched result walked with First/Next, fields by name, and edits written
// back to the table by its UNIQUEKEY column with every value bound as a
// parameter.
//
// Rows are fetched completely on Open, so RecordCount is exact and the rows
// can be walked any number of times (the report engine makes two passes).
class TKsCustomDataSet {
 public:
  using TDataSetNotifyEvent = std::function<void(TKsCustomDataSet&)>;
  using TFilterRecordEvent = std::function<void(TKsCustomDataSet&, bool& accept)>;

  explicit TKsCustomDataSet(const QString& name = QString());
  virtual ~TKsCustomDataSet();
  TKsCustomDataSet(const TKsCustomDataSet&) = delete;
  TKsCustomDataSet& operator=(const TKsCustomDataSet&) = delete;

  // The component name, used in messages ("qryGeneric: Field 'X' not found").
  const QString& Name() const { return FName; }
  void SetName(const QString& name) { FName = name; }

  TKsSQLDatabase* Connection() const { return FConnection; }
  // Closes the dataset first when the connection changes.
  void SetConnection(TKsSQLDatabase* connection);

  TKsMSDataSetOptions& Options() { return FOptions; }
  const TKsMSDataSetOptions& Options() const { return FOptions; }
  TRefreshOptions RefreshOptions() const { return FRefreshOptions; }
  void SetRefreshOptions(TRefreshOptions options) { FRefreshOptions = options; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }

  // --- statement ----------------------------------------------------------
  // Changing the SQL closes the dataset, un-prepares it and re-reads its
  // macros and parameters (values of those that remain are kept).
  TKsStrings& SQL() { return FSQL; }
  const TKsStrings& SQL() const { return FSQL; }
  TParams& Params() { return FParams; }
  const TParams& Params() const { return FParams; }
  int ParamCount() const { return FParams.Count(); }
  TParam& ParamByName(const QString& name);
  TParam* FindParam(const QString& name) const { return FParams.FindParam(name); }
  TMacros& Macros() { return FMacros; }
  TMacro& MacroByName(const QString& name);
  TMacro* FindMacro(const QString& name) const { return FMacros.FindMacro(name); }
  // The SQL with the macros substituted: the text that is sent to the server.
  QString FinalSQL() const;

  // The trailing ORDER BY of the SQL text (see KsSQLText); setting it edits
  // the text, which closes the dataset.
  QString GetOrderBy() const;
  void SetOrderBy(const QString& orderBy);
  // Adds a condition to the WHERE clause of the SQL text.
  void AddWhere(const QString& condition);

  bool Prepared() const { return FPrepared; }
  // Makes sure the connection is open; the driver keeps its own statement
  // cache, so there is nothing else to prepare.
  void Prepare();
  void UnPrepare() { FPrepared = false; }
  // Runs the statement without opening the dataset; output parameters are
  // written back.
  void ExecSQL();
  // Rows changed by the last ExecSQL or write-back, -1 when unknown.
  qint64 RowsAffected() const { return FRowsAffected; }

  // --- open state ---------------------------------------------------------
  void Open();
  // Discards a pending edit or insert.
  void Close();
  bool Active() const { return FState != dsInactive; }
  void SetActive(bool value) { value ? Open() : Close(); }
  TDataSetState State() const { return FState; }
  // Fetches the rows again without closing, staying on the same record
  // (found by UNIQUEKEY when the dataset has it, else by number).
  void Refresh();

  // --- navigation ---------------------------------------------------------
  void First();
  void Next();
  void Prior();
  void Last();
  // Moves by `distance` records; returns how far it got.
  int MoveBy(int distance);
  // 1-based number of the current record; 0 when there is none.
  int RecNo() const;
  void SetRecNo(int recNo);
  bool Eof() const { return FEof; }
  bool Bof() const { return FBof; }
  int RecordCount() const;
  bool IsEmpty() const { return RecordCount() == 0; }
  // A field of a row of the current view (0-based) without moving the
  // cursor, so report pipelines can walk the rows; null outside them.
  QVariant RowValue(int row, int field) const;
  // Moves to the first record whose fields (names separated by ";") hold the
  // values (one value, or a QVariantList with one per field); field names
  // compare without regard to case. Returns false, without moving, when no
  // record matches.
  bool Locate(const QString& fieldNames, const QVariant& values, TLocateOptions options = {});

  // --- fields -------------------------------------------------------------
  TFields& Fields() { return FFields; }
  const TFields& Fields() const { return FFields; }
  int FieldCount() const { return FFields.Count(); }
  TField* FindField(const QString& name) const { return FFields.FindField(name); }
  // Throws "<dataset>: Field '<name>' not found".
  TField& FieldByName(const QString& name) const;

  // --- editing ------------------------------------------------------------
  // Edit of an empty dataset inserts, as users of the data modules expect.
  void Edit();
  void Append();
  void Insert();
  // Writes the record: UPDATE ... WHERE UNIQUEKEY = <the record's key> for
  // the fields changed, INSERT with the fields set for a new record.
  void Post();
  void Cancel();
  void Delete();
  // Posts a pending edit or insert (before scrolling, say).
  void CheckBrowseMode();
  bool Modified() const;

  // The table written to: parsed from the SQL (the first table after FROM).
  virtual QString PSGetTableName() const;

  // --- filtering ----------------------------------------------------------
  // A simple condition over the fields, e.g. "PRIMARY = TRUE" or
  // "ORG_ABBREV = 'SO' AND ACTIVE <> 0": comparisons (=, <>, <, >, <=, >=,
  // IS [NOT] NULL) of a field with a literal, combined with AND, OR, NOT and
  // parentheses. Applied, with OnFilterRecord, while Filtered is true.
  const QString& Filter() const { return FFilter; }
  void SetFilter(const QString& filter);
  bool Filtered() const { return FFiltered; }
  void SetFiltered(bool value);
  TFilterOptions FilterOptions() const { return FFilterOptions; }
  void SetFilterOptions(TFilterOptions options);

  // --- events -------------------------------------------------------------
  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
  TDataSetNotifyEvent BeforeInsert, AfterInsert, OnNewRecord;
  TDataSetNotifyEvent BeforeEdit, AfterEdit, BeforePost, AfterPost;
  TDataSetNotifyEvent BeforeCancel, AfterCancel, BeforeDelete, AfterDelete;
  TDataSetNotifyEvent BeforeScroll, AfterScroll;
  TFilterRecordEvent OnFilterRecord;

 protected:
  // The statement Open and ExecSQL run; FinalSQL unless a descendant builds
  // its own (a table's SELECT, a procedure's call).
  virtual QString StatementText() const { return FinalSQL(); }
  // The table that edits are written to.
  virtual QString UpdatingTableName() const { return PSGetTableName(); }
  // Direction given to a parameter first found in the SQL.
  virtual TParamType DefaultParamType(const QString& /*name*/) const { return ptInput; }
  // Re-reads macros and parameters from the SQL; called after every change.
  virtual void SQLChanged();
  // Throws "<dataset>: <message>" as EDatabaseError.
  [[noreturn]] void DatabaseError(const QString& message) const;

  // Record-lock hook points. The base takes no locks; the suite's datasets
  // take one when a record enters edit or is deleted and release it when
  // the edit ends (post or cancel), after the delete (whether or not it
  // succeeded) and after the dataset closes.
  virtual void TakeRecordLock() {}
  virtual void ReleaseRecordLock() {}

  // Suppresses events while the object is being destroyed.
  void BeginDestroy() { FDestroying = true; }

 private:
  friend class TField;
  friend class TKsSQLDatabase;
  using TRow = std::vector<QVariant>;
  using TRowPtr = std::shared_ptr<TRow>;

  QVariant FieldData(int index) const;
  void SetFieldData(int index, const QVariant& value);

  void Fire(const TDataSetNotifyEvent& event);
  void CheckActive() const;
  void CheckCanModify() const;
  void RefreshParamsFromText();
  void ExecuteStatement(const QString& sql, TDbResult* result);
  void LoadResult(TDbResult&& result);
  void ApplyFilter();
  bool Accepts(const TRow& row);
  void SetPosition(int index);
  int IndexOfUniqueKey() const;
  void RefreshCurrentRecord();
  void WriteUpdate();
  void WriteInsert();
  void WriteDelete();
  QString QuotedTable() const;
  QString QuotedField(const QString& name) const;
  void DetachConnection();

  QString FName;
  TKsSQLDatabase* FConnection = nullptr;
  TKsMSDataSetOptions FOptions;
  TRefreshOptions FRefreshOptions;
  bool FReadOnly = false;

  TKsStrings FSQL;
  TParams FParams;
  TMacros FMacros;
  bool FPrepared = false;
  qint64 FRowsAffected = -1;

  TDataSetState FState = dsInactive;
  TFields FFields;
  std::vector<TDbColumn> FColumns;
  std::vector<TRowPtr> FRows;  // every fetched row
  std::vector<TRowPtr> FView;  // the rows that pass the filter, in order
  int FCurrent = -1;           // index into FView
  bool FBof = true;
  bool FEof = true;

  TRow FEditRow;               // the record being edited or inserted
  std::vector<bool> FChanged;  // per field, set while editing or inserting
  int FInsertAt = 0;           // where an inserted record goes in FView

  QString FFilter;
  bool FFiltered = false;
  TFilterOptions FFilterOptions;
  std::shared_ptr<TKsFilterExpression> FFilterExpr;
  const TRow* FFilterRow = nullptr;  // the candidate OnFilterRecord is looking at

  bool FDestroying = false;
};
