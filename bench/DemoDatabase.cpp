// Creating the demo database: the whole jail at the default scale, with the
// empty schema alone as the baseline of the same run.
//
// Target: the default scale in under 10 s.

#include "cli/DemoDatabase.h"
#include "data/sqlite/EmbeddedDatabaseSupport.h"
#include "data/sqlite/EmbeddedSchema.h"
#include "data/sqlite/SqliteConnection.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_EmptySchema(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    auto db = CreateSqliteDatabase(dir.filePath(QStringLiteral("schema.db")));
    db->StartTransaction();
    ApplyEmbeddedSchema(*db);
    db->Commit();
  }
}
BENCHMARK(BM_EmptySchema)->Unit(benchmark::kMillisecond);

void BM_DemoDatabase(benchmark::State& state) {
  TDemoDatabaseOptions options;
  options.Scale = int(state.range(0));
  options.Today = QDate(2024, 3, 13);
  for (auto _ : state) {
    QTemporaryDir dir;
    CreateDemoDatabase(dir.filePath(QStringLiteral("demo.db")), options);
  }
}
BENCHMARK(BM_DemoDatabase)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  InstallEmbeddedDatabaseSupport();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
