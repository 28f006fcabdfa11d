#include "config/ConfigFileSearch.h"

#include "core/Exception.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString MobileIniName = QStringLiteral("Roadpost.ini");
const QString SuiteIniName = QStringLiteral("Keystane.Cfg/Keystane.ini");
const QString ProgramFolderMark = QStringLiteral("KEYSTANE.APP");

std::optional<TConfigSearchEnvironment>& DefaultOverride() {
  static std::optional<TConfigSearchEnvironment> environment;
  return environment;
}

QString WithTrailingSlash(const QString& AFolder) {
  if (AFolder.isEmpty() || AFolder.endsWith('/')) return AFolder;
  return AFolder + '/';
}

QString JoinPath(const QString& AFolder, const QString& AName) {
  return QDir::cleanPath(WithTrailingSlash(AFolder) + AName);
}

QString Absolute(const TConfigSearchEnvironment& AEnvironment, const QString& APath) {
  if (QDir::isAbsolutePath(APath)) return QDir::cleanPath(APath);
  return JoinPath(AEnvironment.CurrentFolder, APath);
}

}  // namespace

QString RunningProgramFolder() {
  if (QCoreApplication::instance())
    return WithTrailingSlash(QCoreApplication::applicationDirPath());
  const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
  return WithTrailingSlash(QFileInfo(exe).absolutePath());
}

QString FindFileIgnoringCase(const QString& APath) {
  if (APath.isEmpty()) return {};
  const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(APath));
  if (QFileInfo(path).isFile()) return path;

  const QStringList names = path.split('/', Qt::SkipEmptyParts);
  QString current = QStringLiteral("/");
  for (qsizetype i = 0; i < names.size(); ++i) {
    const bool last = i == names.size() - 1;
    const QString exact = JoinPath(current, names[i]);
    const QFileInfo exactInfo(exact);
    if (last ? exactInfo.isFile() : exactInfo.isDir()) {
      current = exact;
      continue;
    }
    const QStringList entries = QDir(current).entryList(
        (last ? QDir::Files : QDir::Dirs) | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name);
    QString match;
    for (const QString& entry : entries) {
      if (entry.compare(names[i], Qt::CaseInsensitive) == 0) {
        match = entry;
        break;
      }
    }
    if (match.isEmpty()) return {};
    current = JoinPath(current, match);
  }
  return QFileInfo(current).isFile() ? current : QString();
}

TConfigSearchEnvironment SystemConfigSearchEnvironment() {
  TConfigSearchEnvironment environment;
  environment.ProgramFolder = RunningProgramFolder();
  environment.CurrentFolder = QDir::currentPath();
  environment.Mounts = [] { return ReadMountTable(); };
  environment.FindFile = &FindFileIgnoringCase;
  return environment;
}

TConfigSearchEnvironment CompleteConfigSearchEnvironment(TConfigSearchEnvironment AEnvironment) {
  if (AEnvironment.ProgramFolder.isEmpty()) AEnvironment.ProgramFolder = RunningProgramFolder();
  AEnvironment.ProgramFolder = WithTrailingSlash(AEnvironment.ProgramFolder);
  if (AEnvironment.CurrentFolder.isEmpty()) AEnvironment.CurrentFolder = QDir::currentPath();
  if (!AEnvironment.Mounts) AEnvironment.Mounts = [] { return ReadMountTable(); };
  if (!AEnvironment.FindFile) AEnvironment.FindFile = &FindFileIgnoringCase;
  return AEnvironment;
}

TConfigSearchEnvironment DefaultConfigSearchEnvironment() {
  if (DefaultOverride()) return CompleteConfigSearchEnvironment(*DefaultOverride());
  return SystemConfigSearchEnvironment();
}

void SetDefaultConfigSearchEnvironment(std::optional<TConfigSearchEnvironment> AEnvironment) {
  DefaultOverride() = std::move(AEnvironment);
}

TScopedConfigSearchEnvironment::TScopedConfigSearchEnvironment(
    TConfigSearchEnvironment AEnvironment)
    : FPrevious(DefaultOverride()) {
  SetDefaultConfigSearchEnvironment(std::move(AEnvironment));
}

TScopedConfigSearchEnvironment::~TScopedConfigSearchEnvironment() {
  SetDefaultConfigSearchEnvironment(std::move(FPrevious));
}

const TConfigSearchTexts& KeystaneIniSearchTexts() {
  static const TConfigSearchTexts texts{QStringLiteral("Roadpost.ini not found"),
                                        QStringLiteral("Keystane.ini not found.")};
  return texts;
}

const TConfigSearchTexts& ConfigFolderSearchTexts() {
  static const TConfigSearchTexts texts{QStringLiteral("ROADPOST.INI not found"),
                                        QStringLiteral("KEYSTANE.INI not found.")};
  return texts;
}

bool IsMobileInstallation(const TConfigSearchEnvironment& AEnvironment) {
  const TConfigSearchEnvironment environment = CompleteConfigSearchEnvironment(AEnvironment);
  return !environment.FindFile(Absolute(environment, environment.ProgramFolder + MobileIniName))
              .isEmpty();
}

QString LocateConfigFile(const TConfigSearchEnvironment& AEnvironment, bool AIsMobile,
                         const TConfigSearchTexts& ATexts) {
  const TConfigSearchEnvironment environment = CompleteConfigSearchEnvironment(AEnvironment);
  const auto find = [&](const QString& candidate) {
    const QString found = environment.FindFile(Absolute(environment, candidate));
    return found.isEmpty() ? found : Absolute(environment, found);
  };
  const QString programFolder = environment.ProgramFolder.trimmed();

  // The mobile file was seen a moment ago; it may have gone since.
  if (AIsMobile) {
    const QString found = find(programFolder + MobileIniName);
    if (found.isEmpty()) throw EIniFileError(ATexts.MobileNotFound);
    return found;
  }

  // An installed program sits in <suite>/Keystane.App/...; its configuration
  // is in the sibling <suite>/Keystane.Cfg. Without that folder name the
  // candidate stays relative, i.e. below the current folder.
  const qsizetype mark = programFolder.indexOf(ProgramFolderMark, 0, Qt::CaseInsensitive);
  const QString suiteFolder = mark >= 0 ? programFolder.left(mark) : QString();
  if (const QString found = find(suiteFolder + SuiteIniName); !found.isEmpty()) return found;

  // The drive the program runs from, then every fixed or network drive: here
  // the root of the program's file system, then each searchable mount.
  const std::vector<TMountEntry> mounts = environment.Mounts();
  const QString canonicalProgramFolder = QFileInfo(programFolder).canonicalFilePath();
  const QString programRoot = MountPointContaining(
      mounts, canonicalProgramFolder.isEmpty() ? programFolder : canonicalProgramFolder);
  if (const QString found = find(JoinPath(programRoot, SuiteIniName)); !found.isEmpty())
    return found;

  QSet<QString> tried{QDir::cleanPath(programRoot)};
  for (const TMountEntry& mount : mounts) {
    if (!IsSearchableMount(mount)) continue;
    const QString root = QDir::cleanPath(mount.MountPoint);
    if (tried.contains(root)) continue;
    tried.insert(root);
    if (const QString found = find(JoinPath(root, SuiteIniName)); !found.isEmpty()) return found;
  }
  throw EIniFileError(ATexts.NotFound);
}
