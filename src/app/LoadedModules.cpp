#include "app/LoadedModules.h"

#include "app/VersionInfo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {
// address perms offset dev inode path
constexpr int kPermsField = 1;
constexpr int kPathField = 5;
}  // namespace

QString LibraryFileVersion(const QString& AFileName) {
  static const QRegularExpression kVersion(QStringLiteral("\\.so\\.(\\d+(?:\\.\\d+)*)$"));
  const QRegularExpressionMatch match = kVersion.match(AFileName);
  return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<std::vector<TLoadedModule>> LoadedModules(const QString& AMapsFile) {
  QFile maps(AMapsFile);
  if (!maps.open(QIODevice::ReadOnly)) return std::nullopt;
  // Files under /proc report no size, so they are read to their end in one go.
  const QStringList lines = QString::fromLocal8Bit(maps.readAll()).split(QLatin1Char('\n'));
  const QString program =
      QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();

  std::vector<TLoadedModule> modules;
  QSet<QString> seen;
  for (const QString& line : lines) {
    const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() <= kPathField) continue;
    // Data files mapped for reading (fonts, locales) are not modules.
    if (!fields[kPermsField].contains(QLatin1Char('x'))) continue;
    // No field before the path holds a "/"; the path runs to the line's end,
    // blanks included.
    const qsizetype start = line.indexOf(QLatin1Char('/'));
    if (start < 0) continue;
    QString path = line.mid(start);
    path.remove(QRegularExpression(QStringLiteral(" \\(deleted\\)$")));
    if (seen.contains(path)) continue;
    seen.insert(path);
    TLoadedModule module;
    module.Path = path;
    module.Name = QFileInfo(path).fileName();
    module.Version =
        path == program ? TVersionInfo::FileVersionText() : LibraryFileVersion(module.Name);
    modules.push_back(std::move(module));
  }
  return modules;
}
