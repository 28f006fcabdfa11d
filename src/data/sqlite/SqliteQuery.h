#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

// One native SQLite statement on a raw connection, for the embedded server
// routines, which run inside SQLite (functions) or beside the dataset layer
// (procedures). Values bind to ?1, ?2...: null, integers and Booleans as
// integers, doubles as reals, date-times as canonical text, anything else
// as text. Failures throw EDatabaseError with SQLite's message.
class TSqliteQuery {
 public:
  TSqliteQuery(sqlite3* db, const char* sql, std::initializer_list<QVariant> values = {});
  TSqliteQuery(sqlite3* db, const QString& sql, const std::vector<QVariant>& values);
  ~TSqliteQuery();
  TSqliteQuery(const TSqliteQuery&) = delete;
  TSqliteQuery& operator=(const TSqliteQuery&) = delete;

  void Bind(int index, const QVariant& value);
  void Bind(int index, sqlite3_value* value);
  // Back to before the first row, keeping the bound values.
  void Reset();

  // True while there is a row.
  bool Step();
  // Steps to the end, for statements that return no rows.
  void Run();

  bool IsNull(int column) const;
  QString Text(int column) const;
  qint64 Int(int column) const;
  double Double(int column) const;
  // The column's value as SQLite holds it, valid until the next Step.
  sqlite3_value* Value(int column) const;

 private:
  void Prepare(const QByteArray& sql);
  [[noreturn]] void Fail() const;

  sqlite3* FDb;
  sqlite3_stmt* FStmt = nullptr;
};

// The writes of one server routine as a unit, nested inside the caller's
// transaction when there is one. Rolled back unless Release is called.
class TSqliteSavepoint {
 public:
  TSqliteSavepoint(sqlite3* db, const char* name);
  ~TSqliteSavepoint();
  TSqliteSavepoint(const TSqliteSavepoint&) = delete;
  TSqliteSavepoint& operator=(const TSqliteSavepoint&) = delete;
  void Release();

 private:
  sqlite3* FDb;
  QByteArray FName;
  bool FOpen = true;
};
