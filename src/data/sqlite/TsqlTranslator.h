#pragma once

#include "data/sqlite/TsqlEmitter.h"
#include "data/sqlite/TsqlError.h"

#include <QString>

#include <memory>
#include <vector>

// A T-SQL batch translated for the embedded database: its statements in
// order, each with the SQLite text, the names of its parameter markers and
// what the connection does with it (TTsqlAction).
struct TTsqlBatch {
  std::vector<TTsqlTranslatedStatement> Statements;
};

// Public entry of the T-SQL layer. Each batch text is translated once and
// kept (the reports re-run the same statements); the cache is safe to use
// from several threads. A batch that cannot be translated throws ETsqlError
// naming the construct and quoting the statement, before anything runs.
class TTsqlTranslator {
 public:
  static std::shared_ptr<const TTsqlBatch> Translate(const QString& batch);
  static TTsqlBatch TranslateUncached(const QString& batch);
  static void ClearCache();
  static int CacheSize();
};
