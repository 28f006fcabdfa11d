#include "config/KeystaneCfg.h"

#include "config/KsMemIniFile.h"
#include "core/Exception.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString WithTrailingSlash(const QString& APath) {
  return APath.isEmpty() || APath.endsWith('/') ? APath : APath + '/';
}

// Entries of a connection string. A trailing ";" ends the last entry rather
// than starting an empty one; ";;" does hold an empty entry.
QStringList SplitConnectionString(const QString& AText) {
  if (AText.isEmpty()) return {};
  QStringList entries = AText.split(';');
  if (AText.endsWith(';')) entries.removeLast();
  return entries;
}

// Index of the first entry named AName; an entry without "=" has no name.
qsizetype IndexOfName(const QStringList& AEntries, const QString& AName) {
  for (qsizetype i = 0; i < AEntries.size(); ++i) {
    const qsizetype eq = AEntries[i].indexOf('=');
    if (eq >= 0 && QStringView(AEntries[i]).left(eq).compare(AName, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

}  // namespace

TKeystaneIni::TKeystaneIni(QObject* AOwner, TLoadMode AMode)
    : TKeystaneIni(AOwner, DefaultConfigSearchEnvironment(), AMode) {}

TKeystaneIni::TKeystaneIni(QObject* AOwner, TConfigSearchEnvironment AEnvironment, TLoadMode AMode)
    : QObject(AOwner),
      FEnvironment(CompleteConfigSearchEnvironment(std::move(AEnvironment))),
      FLoading(AMode == TLoadMode::Deferred) {
  if (!FLoading) Loaded();
}

TKeystaneIni::~TKeystaneIni() = default;

void TKeystaneIni::Loaded() {
  FLoading = false;
  FIsMobile = IsMobileInstallation(FEnvironment);
  if (!FOverrideIniFileName) LocateIniFile();
  ReadSettings();
}

void TKeystaneIni::LocateIniFile() {
  FKeystaneIni = LocateConfigFile(FEnvironment, FIsMobile, KeystaneIniSearchTexts());
}

void TKeystaneIni::ReadSettings() {
  if (FOverrideSettings) return;
  if (FKeystaneIni.isEmpty()) throw EIniFileError(KeystaneIniSearchTexts().NotFound);
  if (FIsMobile && !FOverrideIniFileName && !QFileInfo(FKeystaneIni).isFile())
    throw EIniFileError(KeystaneIniSearchTexts().MobileNotFound);

  const TKsMemIniFile ini = TKsMemIniFile::Load(FKeystaneIni);
  FHelpFilePath = ini.ReadString("Paths", "HelpPath", QString());
  FLogFilePath = ini.ReadString("Paths", "LogPath", QString());
  FPagingEnabled = ini.ReadBool("Paging", "Enabled", false);
  FServerKey = ini.ReadString("Server", "ServerKey", QString());
  FLibPathUnexpanded = ini.ReadString("Paths", "LibPath", QString());
  FBaseConnectionString = ini.ReadString("DataProvider", "ConnStr", QString());
  if (FBaseConnectionString.isEmpty())
    throw EIniFileError("Database connection information not found in " + FKeystaneIni +
                        " (DataProvider.ConnStr)");
}

void TKeystaneIni::CheckOverrideSettings(const char* APropertyName) const {
  if (!FOverrideSettings)
    throw Exception(QStringLiteral("Cannot set %1 when OverrideSettings is False")
                        .arg(QLatin1String(APropertyName)));
}

void TKeystaneIni::SetOverrideIniFileName(bool Value) {
  FOverrideIniFileName = Value;
  FIsMobile = IsMobileInstallation(FEnvironment);
  if (!Value && !FLoading) {
    LocateIniFile();
    ReadSettings();
  }
}

void TKeystaneIni::SetOverrideSettings(bool Value) {
  FOverrideSettings = Value;
  if (!Value && !FLoading) ReadSettings();
}

void TKeystaneIni::SetKeystaneIni(const QString& Value) {
  if (!FOverrideIniFileName)
    throw Exception(QStringLiteral("Cannot set KeystaneIni when OverrideIniFileName is False"));
  const QFileInfo info(Value);
  if (!info.isFile()) throw EIniFileError(QStringLiteral("File not found: '%1'").arg(Value));
  // Kept absolute so that a later change of the current folder cannot move it.
  FKeystaneIni = QDir::cleanPath(info.absoluteFilePath());
  if (!FLoading) ReadSettings();
}

void TKeystaneIni::SetPagingEnabled(bool Value) {
  CheckOverrideSettings("PagingEnabled");
  FPagingEnabled = Value;
}

void TKeystaneIni::SetLogFilePath(const QString& Value) {
  CheckOverrideSettings("LogFilePath");
  FLogFilePath = Value;
}

void TKeystaneIni::SetHelpFilePath(const QString& Value) {
  CheckOverrideSettings("HelpFilePath");
  FHelpFilePath = Value;
}

void TKeystaneIni::SetLibPathUnexpanded(const QString& Value) {
  CheckOverrideSettings("LibPathUnexpanded");
  FLibPathUnexpanded = Value;
}

void TKeystaneIni::SetIsMobile(bool Value) {
  CheckOverrideSettings("IsMobile");
  FIsMobile = Value;
}

void TKeystaneIni::SetServerKey(const QString& Value) {
  CheckOverrideSettings("ServerKey");
  FServerKey = Value;
}

void TKeystaneIni::SetConnectionString(const QString& Value) {
  CheckOverrideSettings("ConnectionString");
  FBaseConnectionString = Value;
}

void TKeystaneIni::SetConnectionStringOverlay(const QString& Value) {
  FConnectionStringOverlay = Value;
}

QString TKeystaneIni::GetConnectionString() const {
  return ApplyConnectionStringOverlay(FBaseConnectionString, FConnectionStringOverlay);
}

QString TKeystaneIni::ApplyConnectionStringOverlay(const QString& Original,
                                                   const QString& Overlay) {
  QStringList entries = SplitConnectionString(Original);
  for (const QString& entry : SplitConnectionString(Overlay)) {
    const qsizetype eq = entry.indexOf('=');
    const QString name = eq < 0 ? QString() : entry.left(eq);
    const QString value = eq < 0 ? QString() : entry.mid(eq + 1);
    const qsizetype at = IndexOfName(entries, name);
    if (!value.isEmpty()) {
      if (at >= 0)
        entries[at] = name + '=' + value;
      else
        entries.append(name + '=' + value);
    } else if (at >= 0) {
      entries.removeAt(at);
    }
  }
  return entries.join(';');
}

QString TKeystaneIni::KeystaneIniFolder() const {
  if (FKeystaneIni.isEmpty()) return {};
  return WithTrailingSlash(QFileInfo(FKeystaneIni).absolutePath());
}

// LibPath as written in the file may come from a Windows installation, so
// both separators are accepted and "\" becomes "/". The forms map as follows:
//   /opt/lib, \\server\share\lib  absolute: returned as written ("//server/..."
//                                 for a share path written with backslashes)
//   \Lib, E:\Lib                  rooted: the root of the file system (mount
//                                 point) holding the configuration file + Lib;
//                                 a drive letter names no Linux file system, so
//                                 the configuration file's stands in for it
//   Lib, ..\Lib, (empty)          relative to the configuration file's folder
// There are no mapped drives to resolve: a path on a network mount is already
// the path every user of the workstation sees.
QString TKeystaneIni::GetLibPath() const {
  const QString written = FLibPathUnexpanded;
  QString value = written;
  value.replace('\\', '/');
  if (written.startsWith('/') || written.startsWith(QStringLiteral("\\\\"))) return value;

  const QString folder =
      FKeystaneIni.isEmpty() ? WithTrailingSlash(FEnvironment.CurrentFolder) : KeystaneIniFolder();
  const bool keepTrailingSlash = value.isEmpty() || value.endsWith('/');
  const auto finish = [&](const QString& path) {
    return keepTrailingSlash ? WithTrailingSlash(path) : path;
  };

  const bool driveLetter = written.size() >= 2 && written[1] == ':' && written[0].isLetter();
  if (driveLetter || written.startsWith('\\')) {
    const QString rest = driveLetter ? value.mid(2) : value;
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    const QString root = MountPointContaining(FEnvironment.Mounts(),
                                              canonicalFolder.isEmpty() ? folder : canonicalFolder);
    return finish(QDir::cleanPath(WithTrailingSlash(root) + rest));
  }
  return finish(QDir::cleanPath(folder + value));
}

QString GetConfigFolder(const QString& AProgramFolder) {
  TConfigSearchEnvironment environment = DefaultConfigSearchEnvironment();
  environment.ProgramFolder = AProgramFolder;
  return GetConfigFolder(environment);
}

QString GetConfigFolder(const TConfigSearchEnvironment& AEnvironment) {
  const TConfigSearchEnvironment environment = CompleteConfigSearchEnvironment(AEnvironment);
  const QString file =
      LocateConfigFile(environment, IsMobileInstallation(environment), ConfigFolderSearchTexts());
  return WithTrailingSlash(QFileInfo(file).absolutePath());
}

QString GetKeystaneLibPath() {
  const TKeystaneIni ini;
  return WithTrailingSlash(ini.LibPath());
}
