#include "platform/SystemVolumes.h"

#include "platform/FakeSysfs.h"
#include "platform/FolderVolumes.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString Usb = u"pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/"_s;

class SystemVolumesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sysfs.addDisk(u"pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda"_s, u"8:2"_s, false,
                      u"sda2"_s);
        sysfs.addDisk(u"pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/nvme0n1"_s, u"259:2"_s, false, u"nvme0n1p2"_s);
        sysfs.addDisk(Usb + u"sdb"_s, u"8:17"_s, false, u"sdb1"_s);
        sysfs.addDisk(u"pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host7/target7:0:0/7:0:0:0/block/sdc"_s, u"8:32"_s,
                      true);
        sysfs.addDisk(u"pci0000:00/0000:00:1c.0/mmc_host/mmc0/mmc0:aaaa/block/mmcblk0"_s, u"179:1"_s, false,
                      u"mmcblk0p1"_s);
        sysfs.addDisk(u"virtual/block/loop0"_s, u"7:0"_s, false);
        sysfs.addDisk(u"pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0/block/sde"_s, u"8:65"_s, true,
                      u"sde1"_s);
        // An encrypted stick (device-mapper on a USB partition) and an internal one.
        sysfs.addDisk(Usb + u"sdd"_s, u"8:49"_s, false, u"sdd1"_s);
        sysfs.addDisk(u"virtual/block/dm-0"_s, u"254:0"_s, false);
        sysfs.addSlave(u"dm-0"_s, Usb + u"sdd/sdd1"_s);
        sysfs.addDisk(u"virtual/block/dm-1"_s, u"254:1"_s, false);
        sysfs.addSlave(u"dm-1"_s, u"pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda2"_s);
    }

    QList<MountedVolume> parse(const QByteArray &mountInfo) const
    {
        return SystemVolumes::volumesFromMountInfo(mountInfo, sysfs.root());
    }

    FakeSysfs sysfs;
};

TEST_F(SystemVolumesTest, ListsMountsInOrderAndTellsCardsFromEverythingElse)
{
    const QByteArray mountInfo =
        "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
        "23 22 0:5 / /proc rw,nosuid shared:12 - proc proc rw\n"
        "30 22 0:22 / /run rw shared:5 - tmpfs tmpfs rw,size=10m\n"
        "31 22 259:2 / /home rw shared:2 - ext4 /dev/nvme0n1p2 rw\n"
        "40 22 8:17 / /media/user/CAM\\040CARD rw,nosuid shared:40 - vfat /dev/sdb1 rw,fmask=0022\n"
        "41 22 8:32 / /media/user/READER rw shared:41 - exfat /dev/sdc rw\n"
        "42 22 179:1 / /media/user/SD rw shared:42 - vfat /dev/mmcblk0p1 rw\n"
        "43 22 7:0 / /mnt/image rw shared:43 - vfat /dev/loop0 rw\n"
        "44 22 0:50 / /mnt/nas rw shared:44 - nfs4 nas:/export rw\n"
        "45 22 0:51 / /mnt/ssh rw shared:45 - fuse.sshfs me@host:/ rw\n"
        "46 22 254:0 / /media/user/LOCKED rw shared:46 - ext4 /dev/mapper/luks-1 rw\n"
        "47 22 254:1 / /srv rw shared:47 - ext4 /dev/mapper/root-srv rw\n"
        "48 22 8:65 / /media/user/BAY rw shared:48 - ext4 /dev/sde1 rw\n";
    const QList<MountedVolume> volumes = parse(mountInfo);
    ASSERT_EQ(volumes.size(), 13);

    struct Expected
    {
        const char16_t *path;
        bool local;
        bool removable;
    };
    const Expected expected[] = {
        {u"/", true, false},
        {u"/proc", false, false},
        {u"/run", false, false},
        {u"/home", true, false},               // internal NVMe disk
        {u"/media/user/CAM CARD", true, true}, // USB stick, even though not marked removable
        {u"/media/user/READER", true, true},   // card in a USB reader, marked removable
        {u"/media/user/SD", true, true},       // SD slot
        {u"/mnt/image", true, false},          // loop-mounted image
        {u"/mnt/nas", false, false},           // network
        {u"/mnt/ssh", false, false},           // FUSE over the network
        {u"/media/user/LOCKED", true, true},   // encrypted USB stick
        {u"/srv", true, false},                // device-mapper on an internal disk
        {u"/media/user/BAY", true, true},      // hot-swap bay marked removable
    };
    for (qsizetype i = 0; i < volumes.size(); ++i) {
        const QString path = QString::fromUtf16(expected[i].path);
        EXPECT_EQ(volumes.at(i).path, path);
        EXPECT_EQ(volumes.at(i).isLocal, expected[i].local) << path.toStdString();
        EXPECT_EQ(volumes.at(i).isRemovable, expected[i].removable) << path.toStdString();
    }
    EXPECT_EQ(volumes.at(4).device, u"/dev/sdb1"_s);
    EXPECT_EQ(volumes.at(4).fileSystemType, u"vfat"_s);
    EXPECT_EQ(volumes.at(8).device, u"nas:/export"_s);
}

TEST_F(SystemVolumesTest, FileSystemsWithTheirOwnDeviceNumberAreFoundByTheirSource)
{
    // btrfs reports an anonymous device number; its source names the partition.
    const QList<MountedVolume> volumes = parse("50 22 0:45 /@home /home rw shared:3 - btrfs /dev/sda2 rw\n"
                                               "51 22 0:46 / /media/user/STICK rw - btrfs /dev/sdb1 rw\n"
                                               "52 22 0:47 / /mnt/x rw - btrfs /dev/nothing rw\n");
    ASSERT_EQ(volumes.size(), 3);
    EXPECT_TRUE(volumes.at(0).isLocal);
    EXPECT_FALSE(volumes.at(0).isRemovable);
    EXPECT_TRUE(volumes.at(1).isLocal);
    EXPECT_TRUE(volumes.at(1).isRemovable);
    EXPECT_FALSE(volumes.at(2).isLocal);
}

TEST_F(SystemVolumesTest, MalformedLinesAreSkipped)
{
    const QList<MountedVolume> volumes = parse("\n"
                                               "garbage\n"
                                               "1 2 3 4 5 6 7 8\n"
                                               "40 22 8:17 / /a rw - vfat\n"
                                               "40 22 8:17 / /b\\0 rw - vfat /dev/sdb1\n"
                                               "40 22 8:17 / /c\\ rw shared:1 master:2 - vfat /dev/sdb1 rw");
    ASSERT_EQ(volumes.size(), 2);
    EXPECT_EQ(volumes.at(0).path, u"/b\\0"_s);
    EXPECT_EQ(volumes.at(1).path, u"/c\\"_s);
    EXPECT_TRUE(volumes.at(1).isRemovable);
}

TEST_F(SystemVolumesTest, ReadsTheMountTableFile)
{
    QTemporaryDir folder;
    const QString table = folder.filePath(u"mountinfo"_s);
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("40 22 8:17 / /media/user/CAM rw - vfat /dev/sdb1 rw\n");
    file.close();
    const SystemVolumes volumes(table, sysfs.root());
    ASSERT_EQ(volumes.mountedVolumes().size(), 1);
    EXPECT_TRUE(volumes.mountedVolumes().at(0).isRemovable);
    EXPECT_TRUE(SystemVolumes(folder.filePath(u"missing"_s), sysfs.root()).mountedVolumes().isEmpty());
    // The running system has a root file system at least.
    EXPECT_FALSE(SystemVolumes::system()->mountedVolumes().isEmpty());
}

TEST(VolumeSourceTest, APathBelongsToTheDeepestVolumeHoldingIt)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath(u"CARD/DCIM/100"_s);
    QDir(root.path()).mkpath(u"CARDS"_s);
    QDir(root.path()).mkpath(u"SHARE"_s);
    FolderVolumes volumes(root.path());
    volumes.setFlags(u"SHARE"_s, false, true);

    const QString card = QDir(root.path()).filePath(u"CARD"_s);
    EXPECT_EQ(volumes.volumeContaining(card + u"/DCIM/100"_s)->device, u"CARD"_s);
    EXPECT_EQ(volumes.volumeContaining(QDir(root.path()).filePath(u"CARDS"_s))->device, u"CARDS"_s);
    EXPECT_TRUE(volumes.isExternalMemory(card));
    EXPECT_TRUE(volumes.isExternalMemory(card + u"/DCIM/../DCIM"_s));
    EXPECT_FALSE(volumes.isExternalMemory(QDir(root.path()).filePath(u"SHARE"_s)));
    EXPECT_FALSE(volumes.isExternalMemory(root.path()));
    EXPECT_FALSE(volumes.isExternalMemory(card + u"/missing"_s));
    EXPECT_FALSE(volumes.isExternalMemory(QString()));
}
} // namespace
