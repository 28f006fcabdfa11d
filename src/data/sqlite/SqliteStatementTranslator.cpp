#include "data/sqlite/SqliteStatementTranslator.h"

#include "data/driver/SqlParamScanner.h"

#include <mutex>

namespace {

std::mutex& TranslatorMutex() {
  static std::mutex mutex;
  return mutex;
}

std::shared_ptr<ISqliteStatementTranslator>& InstalledTranslator() {
  static std::shared_ptr<ISqliteStatementTranslator> translator;
  return translator;
}

}  // namespace

std::vector<TSqliteStatement> DefaultSqliteStatements(const QString& sql) {
  const TSqlParamScan scan =
      ScanSqlParams(RemoveTableHints(sql), TSqlMarkerStyle::NumberedQuestion);
  TSqliteStatement statement;
  statement.Sql = scan.Text;
  statement.ParamNames = scan.UniqueNames;
  return {statement};
}

void SetSqliteStatementTranslator(std::shared_ptr<ISqliteStatementTranslator> translator) {
  std::lock_guard lock(TranslatorMutex());
  InstalledTranslator() = std::move(translator);
}

std::shared_ptr<ISqliteStatementTranslator> SqliteStatementTranslator() {
  std::lock_guard lock(TranslatorMutex());
  return InstalledTranslator();
}
