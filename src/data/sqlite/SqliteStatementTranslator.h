#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct sqlite3;

// SQL ready for sqlite3_prepare: one or more statements whose parameters are
// written "?N", N the 1-based position in ParamNames (names as the caller
// wrote them, matched to the given parameters without regard to case).
struct TSqliteStatement {
  QString Sql;
  QStringList ParamNames;
};

// The step "batch text -> statements" of the embedded backend. The default
// only drops T-SQL lock hints and numbers the ":NAME" parameters; the T-SQL
// layer installs a translator of its own in their place.
class ISqliteStatementTranslator {
 public:
  virtual ~ISqliteStatementTranslator() = default;
  // `db` is the connection the statements will run on (for its schema).
  // Throws EDatabaseError for text it cannot translate.
  virtual std::vector<TSqliteStatement> Translate(const QString& sql, sqlite3* db) = 0;
};

// The default step, also for a translator that wants to fall back on it.
std::vector<TSqliteStatement> DefaultSqliteStatements(const QString& sql);

// Process-wide; nullptr restores the default. Connections look it up on
// every statement, so installing it once at start-up covers all of them.
void SetSqliteStatementTranslator(std::shared_ptr<ISqliteStatementTranslator> translator);
std::shared_ptr<ISqliteStatementTranslator> SqliteStatementTranslator();
