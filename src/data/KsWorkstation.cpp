#include "data/KsWorkstation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

#include <vector>

QString WorkstationUserName() {
  // The account the process runs under, not $USER, which any caller can set.
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_name)
    return QString::fromLocal8Bit(found->pw_name);
  // A user unknown to the system's user database (containers) still has a name here.
  for (const char* variable : {"LOGNAME", "USER"})
    if (const QString name = qEnvironmentVariable(variable); !name.isEmpty()) return name;
  return QString();
}

QString WorkstationComputerName() {
  return QSysInfo::machineHostName();
}

QString RunningProgramFileName() {
  if (QCoreApplication::instance())
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(QLatin1Char('/'), -1);
}

QDateTime WorkstationNow() {
  const QDateTime local = QDateTime::currentDateTime();
  return QDateTime(local.date(), local.time(), Qt::UTC);
}
