#include "config/MountTable.h"

#include "ConfigTestTree.h"

#include <QFile>

namespace {

TEST(MountTableTest, ParsesEntriesInTableOrderAndDecodesEscapedNames) {
  const QByteArray text =
      "proc /proc proc rw,relatime 0 0\n"
      "/dev/sda1 / ext4 rw 0 0\n"
      "//server/jail\\040share /mnt/jail\\040share cifs rw 0 0\n"
      "\n"
      "garbage\n"
      "/dev/sdb1 /media/usb vfat rw 0 0\n";
  const std::vector<TMountEntry> mounts =
      ParseMountTable(text, [](const QString& device) { return device == "/dev/sdb1"; });

  ASSERT_EQ(mounts.size(), 4u);
  EXPECT_EQ(mounts[0].MountPoint, "/proc");
  EXPECT_EQ(mounts[1].Device, "/dev/sda1");
  EXPECT_EQ(mounts[2].Device, "//server/jail share");
  EXPECT_EQ(mounts[2].MountPoint, "/mnt/jail share");
  EXPECT_EQ(mounts[2].FileSystemType, "cifs");
  EXPECT_FALSE(mounts[1].Removable);
  EXPECT_TRUE(mounts[3].Removable);
}

struct TKindCase {
  const char* Device;
  const char* Type;
  bool Removable;
  TMountKind Kind;
};

class MountKindTest : public testing::TestWithParam<TKindCase> {};

TEST_P(MountKindTest, ClassifiesTheMount) {
  const TKindCase& c = GetParam();
  const TMountEntry entry{c.Device, "/mnt/x", c.Type, c.Removable};
  EXPECT_EQ(MountKind(entry), c.Kind) << c.Device << " " << c.Type;
  EXPECT_EQ(IsSearchableMount(entry), c.Kind == TMountKind::Local || c.Kind == TMountKind::Network);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MountKindTest,
    testing::Values(TKindCase{"/dev/sda1", "ext4", false, TMountKind::Local},
                    TKindCase{"/dev/mapper/root", "xfs", false, TMountKind::Local},
                    TKindCase{"overlay", "overlay", false, TMountKind::Local},
                    TKindCase{"/dev/sdb1", "vfat", true, TMountKind::Removable},
                    TKindCase{"/dev/sr0", "iso9660", false, TMountKind::Optical},
                    TKindCase{"/dev/sr0", "udf", true, TMountKind::Optical},
                    TKindCase{"/dev/sr1", "auto", false, TMountKind::Optical},
                    TKindCase{"server:/export", "nfs", false, TMountKind::Network},
                    TKindCase{"server:/export", "nfs4", false, TMountKind::Network},
                    TKindCase{"//server/share", "cifs", false, TMountKind::Network},
                    TKindCase{"//server/share", "smb3", false, TMountKind::Network},
                    TKindCase{"user@host:", "fuse.sshfs", false, TMountKind::Network},
                    TKindCase{"proc", "proc", false, TMountKind::Pseudo},
                    TKindCase{"sysfs", "sysfs", false, TMountKind::Pseudo},
                    TKindCase{"tmpfs", "tmpfs", false, TMountKind::Pseudo},
                    TKindCase{"udev", "devtmpfs", false, TMountKind::Pseudo},
                    TKindCase{"cgroup", "cgroup", false, TMountKind::Pseudo},
                    TKindCase{"cgroup2", "cgroup2", false, TMountKind::Pseudo},
                    TKindCase{"systemd-1", "autofs", false, TMountKind::Pseudo},
                    TKindCase{"/dev/loop3", "squashfs", false, TMountKind::Pseudo},
                    TKindCase{"nfsd", "nfsd", false, TMountKind::Pseudo}));

// The kernel's block-device folder, as /sys lays it out: class/block holds
// links into devices/, and a partition's disk is the folder above it.
class RemovableDeviceTest : public testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(Tree.Path("sys/class/block"));
    AddDisk("sda", "0", {"sda1"});
    AddDisk("sdb", "1", {"sdb1"});
    AddDisk("sr0", "1", {});
  }

  void AddDisk(const QString& ADisk, const QByteArray& ARemovable, const QStringList& APartitions) {
    Tree.WriteFile("sys/devices/" + ADisk + "/removable", ARemovable + "\n");
    QFile::link(Tree.Path("sys/devices/" + ADisk), Tree.Path("sys/class/block/" + ADisk));
    for (const QString& partition : APartitions) {
      Tree.WriteFile("sys/devices/" + ADisk + "/" + partition + "/partition", "1\n");
      QFile::link(Tree.Path("sys/devices/" + ADisk + "/" + partition),
                  Tree.Path("sys/class/block/" + partition));
    }
  }

  QString Block() const { return Tree.Path("sys/class/block"); }

  TConfigTestTree Tree;
};

TEST_F(RemovableDeviceTest, PartitionsTakeTheirDisksRemovableFlag) {
  EXPECT_FALSE(IsRemovableBlockDevice("/dev/sda1", Block()));
  EXPECT_FALSE(IsRemovableBlockDevice("/dev/sda", Block()));
  EXPECT_TRUE(IsRemovableBlockDevice("/dev/sdb1", Block()));
  EXPECT_TRUE(IsRemovableBlockDevice("/dev/sr0", Block()));
  EXPECT_FALSE(IsRemovableBlockDevice("/dev/nvme9n1", Block()));
}

TEST_F(RemovableDeviceTest, ReadsTheMountTableFile) {
  const QString table =
      Tree.WriteFile("mounts", "/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /media/stick vfat rw 0 0\n");
  const std::vector<TMountEntry> mounts = ReadMountTable(table, Block());
  ASSERT_EQ(mounts.size(), 2u);
  EXPECT_EQ(MountKind(mounts[0]), TMountKind::Local);
  EXPECT_EQ(MountKind(mounts[1]), TMountKind::Removable);
  EXPECT_TRUE(ReadMountTable(Tree.Path("no such table"), Block()).empty());
}

TEST(MountPointContainingTest, PicksTheLongestMountPointOnAFolderBoundary) {
  const std::vector<TMountEntry> mounts = {
      {"/dev/sda1", "/", "ext4", false},
      {"/dev/sdb1", "/srv", "ext4", false},
      {"/dev/sdc1", "/srv/data", "ext4", false},
  };
  EXPECT_EQ(MountPointContaining(mounts, "/srv/data/Keystane.Cfg"), "/srv/data");
  EXPECT_EQ(MountPointContaining(mounts, "/srv/database"), "/srv");
  EXPECT_EQ(MountPointContaining(mounts, "/srv"), "/srv");
  EXPECT_EQ(MountPointContaining(mounts, "/opt/app/"), "/");
  EXPECT_EQ(MountPointContaining({}, "/opt/app"), "/");
}

}  // namespace
