#include "data/sqlite/TsqlTranslator.h"

#include "data/sqlite/TsqlParser.h"

#include <QHash>

#include <mutex>
#include <shared_mutex>

namespace {

// Report texts differ mostly by pasted literals, so a long session meets an
// open-ended number of them; past this many the cache starts over.
constexpr int kCacheCapacity = 4096;

struct TCache {
  std::shared_mutex Lock;
  QHash<QString, std::shared_ptr<const TTsqlBatch>> Entries;
};

TCache& Cache() {
  static TCache cache;
  return cache;
}

}  // namespace

TTsqlBatch TTsqlTranslator::TranslateUncached(const QString& batch) {
  TTsqlParser parser(batch);
  const std::vector<TTsqlStatementPtr> statements = parser.ParseBatch();
  TTsqlBatch result;
  for (const TTsqlStatementPtr& s : statements) {
    std::vector<TTsqlTranslatedStatement> emitted = TTsqlEmitter::Emit(*s, batch);
    for (TTsqlTranslatedStatement& t : emitted) result.Statements.push_back(std::move(t));
  }
  return result;
}

std::shared_ptr<const TTsqlBatch> TTsqlTranslator::Translate(const QString& batch) {
  TCache& cache = Cache();
  {
    std::shared_lock lock(cache.Lock);
    auto it = cache.Entries.constFind(batch);
    if (it != cache.Entries.constEnd()) return *it;
  }
  auto translated = std::make_shared<const TTsqlBatch>(TranslateUncached(batch));
  std::unique_lock lock(cache.Lock);
  if (cache.Entries.size() >= kCacheCapacity) cache.Entries.clear();
  cache.Entries.insert(batch, translated);
  return translated;
}

void TTsqlTranslator::ClearCache() {
  TCache& cache = Cache();
  std::unique_lock lock(cache.Lock);
  cache.Entries.clear();
}

int TTsqlTranslator::CacheSize() {
  TCache& cache = Cache();
  std::shared_lock lock(cache.Lock);
  return int(cache.Entries.size());
}
