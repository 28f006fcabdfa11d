#include "data/sqlite/SqliteConnectionHooks.h"

#include <QtGlobal>

#include <exception>
#include <mutex>
#include <vector>

namespace {

struct THooks {
  std::mutex Mutex;
  std::vector<TSqliteConnectionHook> Open;
  std::vector<TSqliteConnectionHook> Close;
};

THooks& Hooks() {
  static THooks hooks;
  return hooks;
}

std::vector<TSqliteConnectionHook> Snapshot(std::vector<TSqliteConnectionHook> THooks::*list) {
  std::lock_guard lock(Hooks().Mutex);
  return Hooks().*list;
}

}  // namespace

void RegisterSqliteOpenHook(TSqliteConnectionHook hook) {
  std::lock_guard lock(Hooks().Mutex);
  Hooks().Open.push_back(std::move(hook));
}

void RegisterSqliteCloseHook(TSqliteConnectionHook hook) {
  std::lock_guard lock(Hooks().Mutex);
  Hooks().Close.push_back(std::move(hook));
}

void RunSqliteOpenHooks(sqlite3* db) {
  for (const auto& hook : Snapshot(&THooks::Open)) hook(db);
}

void RunSqliteCloseHooks(sqlite3* db) noexcept {
  for (const auto& hook : Snapshot(&THooks::Close)) {
    try {
      hook(db);
    } catch (const std::exception& e) {
      qWarning("SQLite close hook failed: %s", e.what());
    } catch (...) {
      qWarning("SQLite close hook failed");
    }
  }
}
