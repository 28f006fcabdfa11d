#include "cli/DemoDatabase.h"

#include "cli/CliArguments.h"
#include "cli/DemoJailData.h"
#include "data/sqlite/EmbeddedSchema.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
// Logical databases the program looks up in ConnectLib; UseInitial makes
// each of them the configuration file's own connection, i.e. this file.
const char* const kProgramIds[] = {"JAIL", "CFG", "EmpMast", "UserAccess", "ARREST", "MNI"};

void InsertConnectLibRows(IDbConnection& db) {
  const QString sql = QStringLiteral(
      "INSERT INTO ConnectLib (ProgramID, ConnString, HelpFile, LogFile, UseInitial) "
      "VALUES (:ProgramID, NULL, NULL, NULL, :UseInitial)");
  for (const char* programId : kProgramIds) {
    std::vector<TDbParam> params{
        {QStringLiteral("ProgramID"), ftString, ptInput, QString::fromLatin1(programId)},
        {QStringLiteral("UseInitial"), ftBoolean, ptInput, true},
    };
    db.Execute(sql, params);
  }
}

void BuildDatabase(const QString& path, const TDemoDatabaseOptions& options) {
  // The schema's text columns use the TSQL collation, which the T-SQL layer
  // registers on every connection it opens.
  InstallTsqlLayer();
  std::unique_ptr<TSqliteConnection> db = CreateSqliteDatabase(path);
  // Booking rows carry a photograph; with large pages such a row stays on
  // its page instead of spilling into an overflow page of its own.
  db->ExecuteNative(QStringLiteral("PRAGMA page_size = 16384"));
  db->StartTransaction();
  ApplyEmbeddedSchema(*db);
  InsertConnectLibRows(*db);
  FillDemoJail(db->Handle(), quint64(options.Seed), options.Scale,
               options.Today.isValid() ? options.Today : QDate::currentDate());
  db->Commit();
}
}  // namespace

QString DemoDatabaseFileName() {
  return QStringLiteral("Tallyhouse-demo.db");
}

void CreateDemoDatabase(const QString& file, const TDemoDatabaseOptions& options) {
  const QFileInfo target(file);
  if (target.exists() || target.isSymLink())
    throw ECommandLineError(target.absoluteFilePath() +
                            QStringLiteral(" already exists; it is not replaced. Remove it or "
                                           "choose another file."));
  const QDir folder = target.absoluteDir();
  if (!folder.exists())
    throw ECommandLineError(QStringLiteral("The folder ") + folder.path() +
                            QStringLiteral(" does not exist."));

  // The temporary folder beside the target keeps the rename on one file
  // system and takes any journal files with it when it goes.
  QTemporaryDir work(
      folder.filePath(QStringLiteral(".") + target.fileName() + QStringLiteral("-XXXXXX")));
  if (!work.isValid())
    throw EDatabaseError(QStringLiteral("Cannot create a temporary folder in ") + folder.path() +
                         QStringLiteral(": ") + work.errorString());
  const QString building = work.filePath(target.fileName());
  BuildDatabase(building, options);
  // QFile::rename never replaces an existing file, so one that appeared
  // meanwhile is kept.
  if (!QFile::rename(building, target.absoluteFilePath()))
    throw EDatabaseError(
        QStringLiteral("Cannot move the new database to ") + target.absoluteFilePath() +
        (QFileInfo::exists(target.absoluteFilePath()) ? QStringLiteral(": the file exists now.")
                                                      : QStringLiteral(".")));
}
