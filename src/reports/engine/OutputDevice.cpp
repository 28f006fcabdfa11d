#include "reports/engine/OutputDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace {

// The permissions a newly created file would get, so a report written through
// a temporary file is readable like any other file the user saves.
QFile::Permissions DefaultFilePermissions() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const mode_t mode = 0666 & ~mask;
  QFile::Permissions permissions;
  if (mode & S_IRUSR) permissions |= QFile::ReadOwner | QFile::ReadUser;
  if (mode & S_IWUSR) permissions |= QFile::WriteOwner | QFile::WriteUser;
  if (mode & S_IRGRP) permissions |= QFile::ReadGroup;
  if (mode & S_IWGRP) permissions |= QFile::WriteGroup;
  if (mode & S_IROTH) permissions |= QFile::ReadOther;
  if (mode & S_IWOTH) permissions |= QFile::WriteOther;
  return permissions;
}

}  // namespace

EReportDeviceError FileWriteError(const QString& fileName, const QString& reason) {
  return EReportDeviceError(QStringLiteral("The file \"%1\" could not be written: %2")
                                .arg(QDir::toNativeSeparators(fileName), reason));
}

TAtomicFile::TAtomicFile(const QString& target) : FTarget(target) {
  if (target.isEmpty()) throw EReportDeviceError(QStringLiteral("No file name was given."));
  const QFileInfo info(target);
  FTemp = std::make_unique<QTemporaryFile>(
      info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.tmp").arg(info.fileName())));
  if (!FTemp->open())
    throw EReportDeviceError(QStringLiteral("The file \"%1\" could not be created: %2")
                                 .arg(QDir::toNativeSeparators(target), FTemp->errorString()));
  // The name stays reserved; writers open it again by path.
  FTemp->close();
}

TAtomicFile::~TAtomicFile() = default;

QString TAtomicFile::TempPath() const {
  return FTemp->fileName();
}

void TAtomicFile::Commit() {
  FTemp->setPermissions(DefaultFilePermissions());
  std::error_code error;
  std::filesystem::rename(FTemp->fileName().toStdString(), FTarget.toStdString(), error);
  if (error) throw FileWriteError(FTarget, QString::fromStdString(error.message()));
  FTemp->setAutoRemove(false);
}

void TFileOutputDevice::Print(const TReportDocument& document) {
  ClearCancel();
  TAtomicFile file(FFileName);
  WriteFile(document, file.TempPath());
  if (!Cancelled()) file.Commit();
}
