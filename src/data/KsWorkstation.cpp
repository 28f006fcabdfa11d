#include "data/KsWorkstation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

QString WorkstationUserName() {
  // The account the process runs under, not $USER, which any caller can set.
  if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
    return QString::fromLocal8Bit(entry->pw_name);
  return qEnvironmentVariable("USER");
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
