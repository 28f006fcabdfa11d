#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Inserts rows into one table of the demo database through a single
// prepared statement: set the columns of a row by name, then Insert().
// Columns not set in a row are written as NULL. Date-times are written in
// the canonical text form, Booleans as 0/1.
class TDemoTableWriter {
 public:
  // `columns` empty: every column of the table, in table order.
  TDemoTableWriter(sqlite3* db, const QString& table, const QStringList& columns = {});
  ~TDemoTableWriter();

  TDemoTableWriter(const TDemoTableWriter&) = delete;
  TDemoTableWriter& operator=(const TDemoTableWriter&) = delete;

  // Throws EDatabaseError for a column the writer does not have.
  TDemoTableWriter& Set(const QString& column, const QVariant& value);
  // Writes the row and starts an empty one.
  void Insert();

  qint64 Rows() const { return FRows; }

 private:
  [[noreturn]] void Fail(const QString& what) const;

  sqlite3* FDb;
  QString FTable;
  sqlite3_stmt* FStatement = nullptr;
  QHash<QString, int> FIndex;  // upper-cased column name -> position
  std::vector<QVariant> FRow;
  qint64 FRows = 0;
};
