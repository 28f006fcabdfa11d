#include "cli/CliArguments.h"
#include "cli/DemoDatabase.h"
#include "data/driver/DbConnection.h"
#include "data/sqlite/SqliteStatementTranslator.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Lets the schema through and fails the first configuration row, as a full
// disk or a bad script would fail a build half way.
class TFailingInsertTranslator : public ISqliteStatementTranslator {
 public:
  explicit TFailingInsertTranslator(std::shared_ptr<ISqliteStatementTranslator> next)
      : FNext(std::move(next)) {}
  std::vector<TSqliteStatement> Translate(const QString& sql, sqlite3* db) override {
    if (sql.contains("INSERT INTO ConnectLib")) throw EDatabaseError("disk I/O error");
    return FNext ? FNext->Translate(sql, db) : DefaultSqliteStatements(sql);
  }

 private:
  std::shared_ptr<ISqliteStatementTranslator> FNext;
};

TEST(DemoDatabaseTest, AFailureHalfWayLeavesNoFileBehind) {
  QTemporaryDir folder;
  const QString file = folder.filePath("demo.db");
  const auto previous = SqliteStatementTranslator();
  SetSqliteStatementTranslator(std::make_shared<TFailingInsertTranslator>(previous));
  QString error;
  try {
    CreateDemoDatabase(file);
  } catch (const EDatabaseError& e) {
    error = e.Message();
  }
  SetSqliteStatementTranslator(previous);
  EXPECT_TRUE(error.contains("disk I/O error")) << error.toStdString();

  EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
      << QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden).join(' ').toStdString();
}

}  // namespace
