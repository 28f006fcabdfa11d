#include "app/utKsHtmlHelp.h"

#include "core/UserPrompts.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {
constexpr qint64 kCopyBlockSize = 4096;
}

TKsHtmlHelp::TKsHtmlHelp()
    : FOpener([](const QString& AFileName) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(AFileName));
      }),
      FMounts([] { return ReadMountTable(); }),
      FTempFolder(QDir::tempPath()) {}

TKsHtmlHelp::~TKsHtmlHelp() {
  // The viewers were started by the desktop and are not ours to close; the
  // copies are.
  for (const QString& copy : std::as_const(FCopies)) QFile::remove(copy);
}

bool TKsHtmlHelp::HelpCommand(int /*ACommand*/, qintptr /*AData*/) {
  // The desktop's viewers open a file at its contents; a context request
  // cannot be passed on and opens the contents as well.
  if (FHelpFile.isEmpty()) return false;
  if (QFileInfo(FHelpFile).suffix().compare(QStringLiteral("HLP"), Qt::CaseInsensitive) == 0)
    return false;

  const QString fileName = QFileInfo(FHelpFile).absoluteFilePath();
  if (!QFileInfo::exists(fileName)) {
    UserPrompts().ShowError(QStringLiteral("Help file '") + fileName +
                            QStringLiteral("' not found."));
    return true;
  }

  const auto known = FCopies.constFind(fileName);
  if (known != FCopies.constEnd()) {
    if (QFileInfo::exists(known.value())) {
      FOpener(known.value());
      return true;
    }
    FCopies.remove(fileName);
  }

  const bool compiledHelp =
      QFileInfo(fileName).suffix().compare(QStringLiteral("CHM"), Qt::CaseInsensitive) == 0;
  if (compiledHelp && IsOnNetwork(fileName)) {
    const QString target = CopyTarget(fileName);
    if (CopyHelpFile(fileName, target)) {
      FCopies.insert(fileName, target);
      FOpener(target);
      return true;
    }
  }
  FOpener(fileName);
  return true;
}

bool TKsHtmlHelp::IsOnNetwork(const QString& AFileName) const {
  const std::vector<TMountEntry> mounts = FMounts ? FMounts() : std::vector<TMountEntry>();
  const QString mountPoint = MountPointContaining(mounts, AFileName);
  for (const TMountEntry& mount : mounts)
    if (mount.MountPoint == mountPoint) return MountKind(mount) == TMountKind::Network;
  return false;
}

QString TKsHtmlHelp::CopyTarget(const QString& AFileName) const {
  const QFileInfo source(AFileName);
  const QDir temp(FTempFolder);
  QString target = temp.filePath(source.fileName());
  for (int i = 0; QFileInfo::exists(target); ++i)
    target = temp.filePath(source.completeBaseName() + QString::number(i) + QStringLiteral(".CHM"));
  return target;
}

bool TKsHtmlHelp::CopyHelpFile(const QString& ASource, const QString& ATarget) {
  QFile source(ASource);
  QFile target(ATarget);
  bool ok = source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly);
  while (ok && !source.atEnd()) {
    const QByteArray block = source.read(kCopyBlockSize);
    ok = !block.isEmpty() && target.write(block) == block.size();
  }
  if (ok) {
    // Written out first, or the last block would stamp the copy with now.
    ok = target.flush() &&
         target.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    target.close();
    ok = ok && target.setPermissions(source.permissions());
  }
  if (!ok) {
    target.close();
    QFile::remove(ATarget);
  }
  return ok;
}

TKsHtmlHelp& KsHtmlHelp() {
  static TKsHtmlHelp help;
  return help;
}

void ExecuteHelpFile(const QString& sFilePath, const QString& sHelpFile) {
  if (sFilePath.isEmpty()) return;
  QString path = sFilePath;
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  KsHtmlHelp().SetHelpFile(path + sHelpFile);
  KsHtmlHelp().HelpContents();
}
