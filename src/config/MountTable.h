#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// One mounted file system, as the kernel's mount table lists it.
struct TMountEntry {
  QString Device;          // "/dev/sda1", "//server/share", "server:/export", "proc", ...
  QString MountPoint;      // absolute folder, escapes already decoded
  QString FileSystemType;  // "ext4", "nfs4", "cifs", "iso9660", ...
  bool Removable = false;  // the block device holds removable media
};

// What a mount is to the configuration search. A workstation's drives were
// fixed disks, network drives, removable drives and CD-ROMs; the kernel adds
// pseudo file systems that hold no files of ours.
enum class TMountKind { Local, Network, Removable, Optical, Pseudo };

TMountKind MountKind(const TMountEntry& AEntry);

// Fixed local disks and network file systems are searched; removable media,
// optical media and pseudo file systems never are (looking on them would wake
// a drive or trigger an automount for nothing).
bool IsSearchableMount(const TMountEntry& AEntry);

// Parses the text of a mount table (/proc/self/mounts format). The predicate
// tells whether a device is removable; lines that are not mount entries are
// skipped.
std::vector<TMountEntry> ParseMountTable(
    const QByteArray& AText, const std::function<bool(const QString& device)>& AIsRemovable);

// True when the kernel reports the block device (or the disk a partition lies
// on) as removable. ASysBlockFolder is normally /sys/class/block.
bool IsRemovableBlockDevice(const QString& ADevice,
                            const QString& ASysBlockFolder = QStringLiteral("/sys/class/block"));

// The mounts in mount-table order. An unreadable table gives an empty list:
// the search then simply has no drives to try.
std::vector<TMountEntry> ReadMountTable(
    const QString& AMountsFile = QStringLiteral("/proc/self/mounts"),
    const QString& ASysBlockFolder = QStringLiteral("/sys/class/block"));

// The mount point of the file system that holds APath (longest matching
// mount point; "/" when the table is empty or nothing else matches).
QString MountPointContaining(const std::vector<TMountEntry>& AMounts, const QString& APath);
