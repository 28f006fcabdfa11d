#include "cli/RunWorkstation.h"

#include "cli/CliArguments.h"
#include "config/MountTable.h"
#include "data/driver/ConnectionString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TRunWorkstation::TRunWorkstation(const QString& databaseFile) {
  const QFileInfo database(databaseFile);
  if (!database.isFile())
    throw ECommandLineError(QStringLiteral("the database file \"") + databaseFile +
                            QStringLiteral("\" does not exist"));
  if (!FDir.isValid())
    throw ECommandLineError(QStringLiteral("no temporary folder for the run: ") +
                            FDir.errorString());
  const QString root = QDir(FDir.path()).canonicalPath();
  QDir().mkpath(root + QStringLiteral("/Keystane.App"));
  QDir().mkpath(root + QStringLiteral("/Keystane.Cfg"));

  TConnectionString connection;
  connection.Set(QStringLiteral("Provider"), QStringLiteral("SQLite"));
  connection.Set(QStringLiteral("Data Source"), database.absoluteFilePath());
  QFile ini(root + QStringLiteral("/Keystane.Cfg/Keystane.ini"));
  if (!ini.open(QIODevice::WriteOnly))
    throw ECommandLineError(QStringLiteral("the run's configuration could not be written"));
  ini.write("[DataProvider]\r\nConnStr=" + connection.ToString().toUtf8() + "\r\n");
  ini.close();

  TConfigSearchEnvironment environment;
  environment.ProgramFolder = root + QStringLiteral("/Keystane.App/");
  environment.CurrentFolder = root + QStringLiteral("/");
  environment.Mounts = [] { return std::vector<TMountEntry>(); };
  environment.FindFile = &FindFileIgnoringCase;
  FScope.emplace(environment);
}
