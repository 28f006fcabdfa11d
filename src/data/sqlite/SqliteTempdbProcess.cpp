#include "data/sqlite/SqliteTempdbProcess.h"

#include <QFile>
#include <QHash>
#include <QSysInfo>
#include <QUuid>

#include <cerrno>
#include <mutex>

#include <signal.h>
#include <unistd.h>

namespace {

struct TProcessStat {
  bool Exists = false;
  bool Zombie = false;
  qint64 StartTicks = 0;
};

// /proc/<pid>/stat: the state is the first field after the command's closing
// parenthesis, the start time the twentieth after it.
TProcessStat ReadProcessStat(qint64 pid) {
  TProcessStat stat;
  QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!file.open(QIODevice::ReadOnly)) return stat;
  const QByteArray text = file.readAll();
  const qsizetype close = text.lastIndexOf(')');
  if (close < 0) return stat;
  const QList<QByteArray> fields = text.mid(close + 1).simplified().split(' ');
  stat.Exists = true;
  if (!fields.isEmpty()) stat.Zombie = fields[0] == "Z" || fields[0] == "X";
  if (fields.size() > 19) stat.StartTicks = fields[19].toLongLong();
  return stat;
}

bool ProcessIsRunning(qint64 pid, qint64 startTicks) {
  if (pid <= 0) return false;
  if (::kill(pid_t(pid), 0) != 0 && errno != EPERM) return false;
  const TProcessStat stat = ReadProcessStat(pid);
  // Without /proc the signal test is all there is to go on.
  if (!stat.Exists) return true;
  if (stat.Zombie) return false;
  return startTicks == 0 || stat.StartTicks == 0 || stat.StartTicks == startTicks;
}

struct TConnections {
  std::mutex Mutex;
  QHash<const void*, QString> Ids;
};

TConnections& Connections() {
  static TConnections connections;
  return connections;
}

}  // namespace

TSqliteTempdbOwner CurrentTempdbOwner(const QString& connectionId) {
  static const qint64 start = ReadProcessStat(::getpid()).StartTicks;
  TSqliteTempdbOwner owner;
  owner.HostName = QSysInfo::machineHostName();
  owner.ProcessId = ::getpid();
  owner.ProcessStart = start;
  owner.ConnectionId = connectionId;
  return owner;
}

bool TempdbOwnerIsGone(const TSqliteTempdbOwner& owner) {
  if (owner.HostName.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) != 0) return false;
  const TSqliteTempdbOwner self = CurrentTempdbOwner(QString());
  if (owner.ProcessId == self.ProcessId && owner.ProcessStart == self.ProcessStart)
    return !IsLiveTempdbConnection(owner.ConnectionId);
  return !ProcessIsRunning(owner.ProcessId, owner.ProcessStart);
}

QString TempdbConnectionId(const void* handle) {
  TConnections& c = Connections();
  std::lock_guard lock(c.Mutex);
  auto it = c.Ids.find(handle);
  if (it == c.Ids.end())
    it = c.Ids.insert(handle, QUuid::createUuid().toString(QUuid::WithoutBraces));
  return *it;
}

QString FindTempdbConnectionId(const void* handle) {
  TConnections& c = Connections();
  std::lock_guard lock(c.Mutex);
  return c.Ids.value(handle);
}

void ForgetTempdbConnection(const void* handle) {
  TConnections& c = Connections();
  std::lock_guard lock(c.Mutex);
  c.Ids.remove(handle);
}

bool IsLiveTempdbConnection(const QString& connectionId) {
  if (connectionId.isEmpty()) return false;
  TConnections& c = Connections();
  std::lock_guard lock(c.Mutex);
  for (const QString& id : std::as_const(c.Ids))
    if (id == connectionId) return true;
  return false;
}
