#include "config/MountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Kernel and desktop file systems that never hold a workstation's files.
// overlay is deliberately absent: in a container it is the root file system.
// autofs is here because looking into an automount point mounts it.
const QSet<QString>& PseudoTypes() {
  static const QSet<QString> types = {
      "proc",        "sysfs",       "devtmpfs",        "devpts",  "tmpfs",     "ramfs",
      "cgroup",      "cgroup2",     "securityfs",      "debugfs", "tracefs",   "pstore",
      "bpf",         "configfs",    "fusectl",         "mqueue",  "hugetlbfs", "autofs",
      "binfmt_misc", "efivarfs",    "rpc_pipefs",      "nsfs",    "selinuxfs", "squashfs",
      "fuse.lxcfs",  "fuse.portal", "fuse.gvfsd-fuse", "nfsd",
  };
  return types;
}

const QSet<QString>& NetworkTypes() {
  static const QSet<QString> types = {
      "nfs",  "nfs4",           "cifs",      "smb3", "smbfs", "fuse.sshfs",  "sshfs", "9p",
      "ceph", "fuse.glusterfs", "glusterfs", "afs",  "davfs", "fuse.davfs2", "ncpfs", "fuse.rclone",
  };
  return types;
}

const QSet<QString>& OpticalTypes() {
  static const QSet<QString> types = {"iso9660", "udf"};
  return types;
}

// /proc/self/mounts writes blanks, tabs, new lines and backslashes in names
// as three-digit octal escapes.
QString UnescapeMountField(const QByteArray& AField) {
  QByteArray out;
  out.reserve(AField.size());
  for (int i = 0; i < AField.size(); ++i) {
    const char c = AField[i];
    if (c == '\\' && i + 3 < AField.size()) {
      const QByteArray digits = AField.mid(i + 1, 3);
      bool ok = digits.size() == 3;
      for (char d : digits) ok = ok && d >= '0' && d <= '7';
      if (ok) {
        out.append(static_cast<char>(digits.toInt(nullptr, 8)));
        i += 3;
        continue;
      }
    }
    out.append(c);
  }
  return QString::fromUtf8(out);
}

QString ReadSmallFile(const QString& APath) {
  QFile file(APath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.read(64)).trimmed();
}

}  // namespace

TMountKind MountKind(const TMountEntry& AEntry) {
  const QString type = AEntry.FileSystemType.toLower();
  if (OpticalTypes().contains(type)) return TMountKind::Optical;
  const QString deviceName = QFileInfo(AEntry.Device).fileName();
  if (AEntry.Device.startsWith("/dev/") &&
      (deviceName.startsWith("sr") || deviceName.startsWith("cdrom")))
    return TMountKind::Optical;
  if (AEntry.Removable) return TMountKind::Removable;
  if (PseudoTypes().contains(type) || type.startsWith("cgroup")) return TMountKind::Pseudo;
  if (NetworkTypes().contains(type) || type.startsWith("nfs")) return TMountKind::Network;
  return TMountKind::Local;
}

bool IsSearchableMount(const TMountEntry& AEntry) {
  const TMountKind kind = MountKind(AEntry);
  return kind == TMountKind::Local || kind == TMountKind::Network;
}

std::vector<TMountEntry> ParseMountTable(
    const QByteArray& AText, const std::function<bool(const QString& device)>& AIsRemovable) {
  std::vector<TMountEntry> result;
  for (const QByteArray& line : AText.split('\n')) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 3 || fields[0].isEmpty()) continue;
    TMountEntry entry;
    entry.Device = UnescapeMountField(fields[0]);
    entry.MountPoint = UnescapeMountField(fields[1]);
    entry.FileSystemType = UnescapeMountField(fields[2]);
    if (!entry.MountPoint.startsWith('/')) continue;
    entry.Removable =
        entry.Device.startsWith("/dev/") && AIsRemovable && AIsRemovable(entry.Device);
    result.push_back(std::move(entry));
  }
  return result;
}

bool IsRemovableBlockDevice(const QString& ADevice, const QString& ASysBlockFolder) {
  // /dev/disk/by-label/... and similar are links to the kernel's device name.
  const QString canonical = QFileInfo(ADevice).canonicalFilePath();
  const QString name = QFileInfo(canonical.isEmpty() ? ADevice : canonical).fileName();
  if (name.isEmpty()) return false;
  const QString deviceFolder = QFileInfo(ASysBlockFolder + "/" + name).canonicalFilePath();
  if (deviceFolder.isEmpty()) return false;
  // A partition has no "removable" of its own; its disk is the folder above.
  QString diskFolder = deviceFolder;
  if (QFileInfo::exists(deviceFolder + "/partition")) {
    QDir up(deviceFolder);
    if (!up.cdUp()) return false;
    diskFolder = up.absolutePath();
  }
  return ReadSmallFile(diskFolder + "/removable") == "1";
}

std::vector<TMountEntry> ReadMountTable(const QString& AMountsFile,
                                        const QString& ASysBlockFolder) {
  QFile file(AMountsFile);
  // The proc file reports size 0, so it is read to its end, not by size.
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ParseMountTable(file.readAll(), [&](const QString& device) {
    return IsRemovableBlockDevice(device, ASysBlockFolder);
  });
}

QString MountPointContaining(const std::vector<TMountEntry>& AMounts, const QString& APath) {
  const QString path = QDir::cleanPath(APath);
  QString best = "/";
  for (const TMountEntry& entry : AMounts) {
    const QString mountPoint = QDir::cleanPath(entry.MountPoint);
    const bool contains =
        mountPoint == "/" || path == mountPoint || path.startsWith(mountPoint + "/");
    if (contains && mountPoint.size() > best.size()) best = mountPoint;
  }
  return best;
}
