#include "cli/SqlCommand.h"

#include "cli/CliArguments.h"
#include "cli/CsvWriter.h"
#include "config/ConfigFileSearch.h"
#include "config/KsMemIniFile.h"
#include "data/driver/ConnectionString.h"
#include "data/driver/DbConnection.h"

#include <QFileInfo>
#include <QTextStream>

namespace {
const QString kUsage = QStringLiteral("tallyhouse sql [--db FILE] [--translate] \"T-SQL\"");

QString FileConnectionString(const QString& file) {
  TConnectionString connection;
  connection.Set(QStringLiteral("Provider"), QStringLiteral("SQLite"));
  connection.Set(QStringLiteral("Data Source"), QFileInfo(file).absoluteFilePath());
  return connection.ToString();
}

void WriteResult(const TDbResult& result, QTextStream& out) {
  if (result.Columns.empty()) return;
  QStringList header;
  for (const TDbColumn& column : result.Columns) header << column.Name;
  out << Csv::Line(header) << '\n';
  for (const std::vector<QVariant>& row : result.Rows) out << Csv::Line(row) << '\n';
}

void WriteTranslation(const QString&, QTextStream&) {
  throw ECommandLineError(QStringLiteral("--translate is not available in this build"));
}
}  // namespace

QString ConfiguredEmbeddedConnectionString(QString* baseFolder) {
  const TConfigSearchEnvironment environment = DefaultConfigSearchEnvironment();
  const bool mobile = IsMobileInstallation(environment);
  const QString iniFile = LocateConfigFile(environment, mobile, KeystaneIniSearchTexts());
  const TKsMemIniFile ini = TKsMemIniFile::Load(iniFile);
  const QString connection =
      ini.ReadString(QStringLiteral("DataProvider"), QStringLiteral("ConnStr"), QString());
  const QString folder = QFileInfo(iniFile).absolutePath();
  if (connection.isEmpty() ||
      ResolveConnectionString(connection, folder).Backend != TDbBackend::Sqlite)
    throw EIniFileError(iniFile + QStringLiteral(" names no embedded database (DataProvider.ConnStr); "
                                                 "give one with --db FILE"));
  if (baseFolder) *baseFolder = folder;
  return connection;
}

void RunSqlCommand(const QStringList& args, QTextStream& out) {
  const TCliArguments arguments(args, {QStringLiteral("--db")}, {QStringLiteral("--translate")});
  arguments.RequirePositionals(1, kUsage);
  const QString sql = arguments.Positionals().first();
  if (sql.trimmed().isEmpty()) throw ECommandLineError(QStringLiteral("the SQL text is empty"));

  if (arguments.HasFlag(QStringLiteral("--translate"))) {
    WriteTranslation(sql, out);
    return;
  }

  TDbOpenOptions options;
  QString connection;
  if (arguments.HasValue(QStringLiteral("--db"))) {
    const QString file = arguments.Value(QStringLiteral("--db"));
    if (!QFileInfo(file).isFile())
      throw ECommandLineError(QStringLiteral("database file not found: ") + file);
    connection = FileConnectionString(file);
  } else {
    connection = ConfiguredEmbeddedConnectionString(&options.BaseFolder);
  }
  std::unique_ptr<IDbConnection> db = OpenDbConnection(connection, options);
  std::vector<TDbParam> none;
  WriteResult(db->Execute(sql, none), out);
}
