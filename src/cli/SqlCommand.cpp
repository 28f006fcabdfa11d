#include "cli/SqlCommand.h"

#include "cli/CliArguments.h"
#include "cli/CsvWriter.h"
#include "config/ConfigFileSearch.h"
#include "config/KsMemIniFile.h"
#include "data/driver/ConnectionString.h"
#include "data/driver/DbConnection.h"
#include "data/sqlite/TsqlTranslator.h"

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

// Each statement as the embedded backend will prepare it, with a comment
// where the backend does more than run it, and the names behind the markers.
void WriteTranslation(const QString& sql, QTextStream& out) {
  const std::shared_ptr<const TTsqlBatch> batch = TTsqlTranslator::Translate(sql);
  for (const TTsqlTranslatedStatement& statement : batch->Statements) {
    if (statement.Action == TTsqlAction::AssignVariable)
      out << "-- its value is assigned to " << statement.Variable << '\n';
    else if (statement.Action == TTsqlAction::CallProcedure)
      out << "-- the arguments of the server routine " << statement.Procedure << '\n';
    if (!statement.ParamNames.isEmpty()) {
      QStringList markers;
      for (int i = 0; i < statement.ParamNames.size(); ++i) {
        const QString& name = statement.ParamNames[i];
        markers << QStringLiteral("?%1 = ").arg(i + 1) +
                       (name.startsWith(QLatin1Char('@')) ? name : QLatin1Char(':') + name);
      }
      out << "-- " << markers.join(QStringLiteral(", ")) << '\n';
    }
    out << statement.Sql << ";\n";
  }
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
    throw EIniFileError(iniFile +
                        QStringLiteral(" names no embedded database (DataProvider.ConnStr); "
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
