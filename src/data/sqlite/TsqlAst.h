#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Syntax tree of the T-SQL subset the program writes. Object names are kept
// already reduced to the object itself (database and schema qualifiers
// dropped); table hints are not represented at all.

struct TTsqlExpr;
struct TTsqlQuery;
struct TTsqlSource;
using TTsqlExprPtr = std::unique_ptr<TTsqlExpr>;
using TTsqlQueryPtr = std::unique_ptr<TTsqlQuery>;
using TTsqlSourcePtr = std::unique_ptr<TTsqlSource>;

// A type as written in CAST, CONVERT, DECLARE and CREATE TABLE: the name in
// lower case and its arguments ("varchar", {"30"}; "decimal", {"10", "2"}).
struct TTsqlTypeName {
  QString Name;
  QStringList Args;
};

enum class TTsqlExprKind {
  Null,
  String,          // Text: the value
  Number,          // Text: as written
  Column,          // Names: [qualifier,] column
  Star,            // Names: qualifier parts, empty for a bare *
  Parameter,       // Text: name without ':'
  Variable,        // Text: "@name"
  GlobalVariable,  // Text: "@@NAME" upper case
  Unary,           // Text: "-", "+", "~", "NOT"; Args[0]
  Binary,          // Text: operator ("+", "=", "AND", ...); Args[0], Args[1]
  Function,        // Text: name (reduced); Args; Distinct; Star for COUNT(*)
  Cast,            // Args[0]; Type
  Convert,         // Type; Args[0] value, Args[1] style (optional)
  Case,            // HasOperand: Args[0] operand; then WHEN/THEN pairs; HasElse: last arg
  Between,         // Args: value, low, high; Negated
  InList,          // Args: value, items...; Negated
  InQuery,         // Args[0]; Query; Negated
  Like,            // Args: value, pattern[, escape]; Negated
  IsNull,          // Args[0]; Negated (IS NOT NULL)
  Exists,          // Query
  Subquery,        // Query (scalar)
  Collate,         // Args[0]; Text: collation name as written
  Paren,           // Args[0]
};

struct TTsqlExpr {
  TTsqlExprKind Kind = TTsqlExprKind::Null;
  QString Text;
  QStringList Names;
  std::vector<TTsqlExprPtr> Args;
  TTsqlQueryPtr Query;
  TTsqlTypeName Type;
  bool Negated = false;
  bool Distinct = false;
  bool Star = false;
  bool HasOperand = false;
  bool HasElse = false;
  bool Qualified = false;  // Function: written with a database or schema qualifier
  int Offset = 0;          // in the batch text
};

enum class TTsqlJoinKind { Inner, Left, Right, Full, Cross, Comma, OuterApply, CrossApply };

enum class TTsqlSourceKind { Table, Derived, Function, Join };

struct TTsqlSource {
  TTsqlSourceKind Kind = TTsqlSourceKind::Table;
  QString Name;   // Table, Function: object name
  QString Alias;  // empty when none
  QStringList ColumnAliases;
  TTsqlQueryPtr Query;             // Derived
  std::vector<TTsqlExprPtr> Args;  // Function
  TTsqlSourcePtr Left, Right;      // Join
  TTsqlJoinKind JoinKind = TTsqlJoinKind::Inner;
  TTsqlExprPtr On;
  int Offset = 0;
};

struct TTsqlSelectItem {
  TTsqlExprPtr Expr;
  QString Alias;  // empty when none
};

struct TTsqlOrderItem {
  TTsqlExprPtr Expr;
  bool Descending = false;
};

struct TTsqlSelectCore {
  bool Distinct = false;
  TTsqlExprPtr Top;  // TOP n
  std::vector<TTsqlSelectItem> Items;
  QString Into;  // SELECT ... INTO table
  TTsqlSourcePtr From;
  TTsqlExprPtr Where;
  std::vector<TTsqlExprPtr> GroupBy;
  TTsqlExprPtr Having;
};

enum class TTsqlSetOp { Union, UnionAll, Except, Intersect };

struct TTsqlCte {
  QString Name;
  QStringList Columns;
  TTsqlQueryPtr Query;
};

// A query expression: a single SELECT, or two operands joined by a set
// operator; either may carry an ORDER BY (the statement's, or one written
// inside parentheses).
struct TTsqlQuery {
  std::vector<TTsqlCte> With;
  std::unique_ptr<TTsqlSelectCore> Core;  // set for a single SELECT
  TTsqlQueryPtr Left, Right;              // set for a compound
  TTsqlSetOp Op = TTsqlSetOp::Union;
  std::vector<TTsqlOrderItem> OrderBy;
  bool Parenthesized = false;
  int Offset = 0;
};

enum class TTsqlStatementKind {
  Select,
  Insert,
  Update,
  Delete,
  Truncate,
  CreateTable,
  CreateIndex,  // Table: table; IndexName; Columns with Descending; Unique
  CreateView,   // Table: view name; Columns: optional column names; Query
  DropTable,
  DropView,
  Declare,      // one declaration per statement
  SetVariable,  // Declarations[0]: variable, its declared type, value
  Call,         // {[:RESULT =] CALL proc(args)} or EXEC proc args
  Nothing,      // USE db, SET NOCOUNT ON, GO: no effect on the embedded database
};

struct TTsqlColumnDef {
  QString Name;
  TTsqlTypeName Type;
  bool Identity = false;
  bool NotNull = false;
  bool PrimaryKey = false;
  bool Unique = false;
  TTsqlExprPtr Default;
};

struct TTsqlAssignment {
  QString Column;
  TTsqlExprPtr Value;
};

struct TTsqlDeclaration {
  QString Variable;  // "@name" as declared
  TTsqlTypeName Type;
  TTsqlExprPtr Value;  // may be null
};

struct TTsqlStatement {
  TTsqlStatementKind Kind = TTsqlStatementKind::Nothing;
  int Begin = 0, End = 0;  // source span within the batch

  TTsqlQueryPtr Query;  // Select; Insert ... SELECT

  QString Table;  // Insert, Update, Delete, Truncate, CreateTable target (object name or alias)
  QStringList Columns;                            // Insert column list
  std::vector<std::vector<TTsqlExprPtr>> Values;  // Insert ... VALUES rows
  bool DefaultValues = false;
  std::vector<TTsqlAssignment> Sets;  // Update
  TTsqlSourcePtr From;                // Update/Delete ... FROM
  TTsqlExprPtr Where;

  std::vector<TTsqlColumnDef> ColumnDefs;  // CreateTable
  QStringList PrimaryKey;
  std::vector<QStringList> UniqueKeys;

  QString IndexName;  // CreateIndex
  bool Unique = false;
  std::vector<bool> Descending;

  QStringList Tables;  // DropTable, DropView
  bool IfExists = false;

  std::vector<TTsqlDeclaration> Declarations;  // Declare, SetVariable

  QString Procedure;  // Call
  QString ResultParameter;
  std::vector<TTsqlExprPtr> Args;
};
using TTsqlStatementPtr = std::unique_ptr<TTsqlStatement>;
