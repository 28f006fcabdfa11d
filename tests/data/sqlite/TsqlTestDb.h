#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

struct sqlite3;

// A raw in-memory SQLite handle with the T-SQL library registered, and a
// small runner for translated batches (parameters by name, batch variables,
// first result set), so the layer is tested without the connection class.
class TTsqlTestDb {
 public:
  using TRow = QStringList;  // values as text; NULL written "NULL"
  using TRows = std::vector<TRow>;

  TTsqlTestDb();
  ~TTsqlTestDb();
  TTsqlTestDb(const TTsqlTestDb&) = delete;
  TTsqlTestDb& operator=(const TTsqlTestDb&) = delete;

  sqlite3* Handle() const { return FDb; }

  // Native SQLite SQL (fixtures); fails the test on error.
  void Exec(const QString& sqliteSql);
  TRows Native(const QString& sqliteSql);

  // Translates and runs a T-SQL batch; throws EDatabaseError (also
  // ETsqlError) with SQLite's message when a statement fails.
  TRows Run(const QString& tsql, const QHash<QString, QVariant>& params = {});

  // The single value of a one-row, one-column T-SQL SELECT.
  QString Value(const QString& tsql, const QHash<QString, QVariant>& params = {});

 private:
  TRows Step(const QString& sql, const QStringList& names, const QHash<QString, QVariant>& params,
             const QHash<QString, QVariant>& variables, bool& hasColumns,
             QVariant* firstValue = nullptr);
  sqlite3* FDb = nullptr;
};
