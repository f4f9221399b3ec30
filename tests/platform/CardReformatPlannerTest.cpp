#include "platform/CardReformatPlanner.h"

#include "platform/FakeSysfs.h"
#include "support/QtPrinters.h"

#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString Usb1 = u"pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/"_s;
const QString Usb2 = u"pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host7/target7:0:0/7:0:0:0/block/"_s;
const QString Sata = u"pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/"_s;

// A laptop: the system on an internal SATA disk (/boot, /), the homes on NVMe, a second internal
// disk, camera cards in USB readers, a stick the system was started from, shares and an image.
class CardReformatPlannerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sysfs.addDisk(Sata + u"sda"_s, u"8:1"_s, false, u"sda1"_s);
        sysfs.addDisk(Sata + u"sda"_s, u"8:2"_s, false, u"sda2"_s);
        sysfs.addDisk(u"pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/nvme0n1"_s, u"259:2"_s, false, u"nvme0n1p2"_s);
        sysfs.addDisk(u"pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0/block/sdc"_s, u"8:33"_s, false,
                      u"sdc1"_s);
        sysfs.addDisk(Usb1 + u"sdd"_s, u"8:49"_s, true, u"sdd1"_s);
        sysfs.addDisk(Usb2 + u"sde"_s, u"8:65"_s, false, u"sde1"_s);
        sysfs.addDisk(Usb2 + u"sde"_s, u"8:66"_s, false, u"sde2"_s);
        sysfs.addDisk(u"virtual/block/loop0"_s, u"7:0"_s, false);

        machine.mountInfo =
            "20 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
            "21 20 8:1 / /boot rw,relatime shared:2 - ext4 /dev/sda1 rw\n"
            "22 20 259:2 / /home rw,relatime shared:3 - ext4 /dev/nvme0n1p2 rw\n"
            "23 20 8:33 / /mnt/data rw,relatime shared:4 - vfat /dev/sdc1 rw\n"
            "30 20 8:49 / /media/user/CAM rw,nosuid,nodev,relatime shared:5 - vfat /dev/sdd1 "
            "rw,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437,iocharset=ascii,errors=remount-ro\n"
            "31 20 8:49 /DCIM /srv/dcim rw,relatime shared:5 - vfat /dev/sdd1 rw\n"
            "32 20 8:66 / /media/user/STICK rw,relatime shared:6 - exfat /dev/sde2 rw\n"
            "40 20 0:50 / /mnt/nas rw shared:7 - nfs4 nas:/export rw\n"
            "41 20 0:51 / /mnt/ssh rw shared:8 - fuse.sshfs me@host:/ rw\n"
            "42 20 0:52 / /mnt/archive rw shared:9 - fuse.archivemount archivemount rw\n"
            "43 20 7:0 / /mnt/image rw shared:10 - ext4 /dev/loop0 rw\n";
        machine.sysfsRoot = sysfs.root();
        machine.protectedPaths = {u"/"_s, u"/boot"_s, u"/home"_s, u"/home/user"_s};
        machine.udisksAvailable = true;
        machine.labelOf = [this](const QString &device) {
            return labels.value(device);
        };
        labels = {{u"/dev/sdd1"_s, u"CAM"_s}, {u"/dev/sde2"_s, u"STICK"_s}, {u"/dev/loop0"_s, u"IMAGE"_s}};
    }

    CardReformatPlan plan(const QString &path) const { return CardReformatPlanner::plan(path, machine); }

    FakeSysfs sysfs;
    CardReformatPlanner::Machine machine;
    QHash<QString, QString> labels;
};

TEST_F(CardReformatPlannerTest, PlansACardInAUsbReaderKeepingTypeAndLabel)
{
    const CardReformatPlan card = plan(u"/media/user/CAM"_s);
    EXPECT_EQ(card.refused, QString());
    EXPECT_EQ(card.device, u"/dev/sdd1"_s);
    EXPECT_EQ(card.fileSystemType, u"vfat"_s);
    EXPECT_EQ(card.label, u"CAM"_s);
    EXPECT_EQ(card.route, CardReformatPlan::Route::Udisks);
    EXPECT_EQ(card.toJson(), QJsonObject({{u"device"_s, u"/dev/sdd1"_s},
                                          {u"fstype"_s, u"vfat"_s},
                                          {u"label"_s, u"CAM"_s},
                                          {u"route"_s, u"udisks"_s},
                                          {u"refused"_s, QJsonValue::Null}}));

    // Without the disk service the root route takes over, and needs root.
    machine.udisksAvailable = false;
    machine.isRoot = true;
    EXPECT_EQ(plan(u"/media/user/CAM/"_s).route, CardReformatPlan::Route::Mkfs);
    EXPECT_FALSE(plan(u"/media/user/CAM"_s).isRefused());
    machine.isRoot = false;
    EXPECT_TRUE(plan(u"/media/user/CAM"_s).refused.contains(u"root"_s));
}

TEST_F(CardReformatPlannerTest, RefusesTheSystemTheHomesAndEverythingNotACard)
{
    const struct
    {
        QString path;
        QString because;
    } cases[] = {
        {u"/"_s, u"holds /"_s},
        {u"/boot"_s, u"holds /"_s}, // /boot shares the system disk with /
        {u"/home"_s, u"holds /home"_s},
        {u"/mnt/data"_s, u"not on a removable medium"_s},
        {u"/mnt/nas"_s, u"not on a local block device"_s},
        {u"/mnt/ssh"_s, u"FUSE"_s},
        {u"/mnt/archive"_s, u"FUSE"_s},
        {u"/mnt/image"_s, u"not on a removable medium"_s},
        {u"/srv/dcim"_s, u"only a folder"_s},
        {u"/media/user/CAM/DCIM"_s, u"nothing is mounted"_s},
        {u"/media/user/NOTHERE"_s, u"nothing is mounted"_s},
        {u"media/user/CAM"_s, u"not absolute"_s},
    };
    for (const auto &c : cases) {
        const CardReformatPlan refused = plan(c.path);
        EXPECT_TRUE(refused.refused.contains(c.because))
            << c.path.toStdString() << ": " << refused.refused.toStdString();
    }
    const QJsonObject nowhere = plan(u"/media/user/NOTHERE"_s).toJson();
    EXPECT_TRUE(nowhere.value(u"device"_s).isNull());
    EXPECT_TRUE(nowhere.value(u"fstype"_s).isNull());
}

TEST_F(CardReformatPlannerTest, RefusesAPartitionOfTheDiskTheSystemStartedFrom)
{
    // A removable stick that also holds the running system (a live stick with a data partition).
    machine.mountInfo.replace("20 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2", "20 1 8:65 / / rw,relatime "
                                                                                    "shared:1 - ext4 /dev/sde1");
    const CardReformatPlan stick = plan(u"/media/user/STICK"_s);
    EXPECT_TRUE(stick.refused.contains(u"holds /"_s)) << stick.refused.toStdString();
    // The card in the other reader is still fine.
    EXPECT_FALSE(plan(u"/media/user/CAM"_s).isRefused());
}

TEST_F(CardReformatPlannerTest, RefusesUntitledVolumesAndTypesItCannotRecreate)
{
    labels[u"/dev/sdd1"_s] = u"Untitled 2"_s;
    EXPECT_TRUE(plan(u"/media/user/CAM"_s).refused.contains(u"untitled"_s));
    // Without a label the folder's name is the volume's name.
    machine.mountInfo.append("50 20 8:49 / /media/user/Untitled\\0402 rw shared:11 - vfat /dev/sdd1 rw\n");
    labels[u"/dev/sdd1"_s] = QString();
    EXPECT_TRUE(plan(u"/media/user/Untitled 2"_s).refused.contains(u"untitled"_s));

    machine.mountInfo.append("51 20 8:66 / /media/user/WIN rw shared:12 - ntfs3 /dev/sde2 rw\n");
    EXPECT_TRUE(plan(u"/media/user/WIN"_s).refused.contains(u"ntfs3"_s));
}

TEST_F(CardReformatPlannerTest, FindsMountPointsWithSpacesQuotesAndNonAsciiNames)
{
    machine.mountInfo.append("52 20 8:66 / /media/user/카드\\040\"A\\047s\" rw shared:13 - exfat /dev/sde2 rw\n");
    const CardReformatPlan card = plan(u"/media/user/카드 \"A's\""_s);
    EXPECT_FALSE(card.isRefused()) << card.refused.toStdString();
    EXPECT_EQ(card.mountPath, u"/media/user/카드 \"A's\""_s);
    EXPECT_EQ(card.device, u"/dev/sde2"_s);
}

TEST_F(CardReformatPlannerTest, AcceptsOnlyTheNamedLoopDeviceOfATestBuild)
{
    machine.acceptedLoopDevice = u"/dev/loop0"_s;
    EXPECT_FALSE(plan(u"/mnt/image"_s).isRefused());
    // Naming anything but a loop device does not make an internal disk a card.
    machine.acceptedLoopDevice = u"/dev/sdc1"_s;
    EXPECT_TRUE(plan(u"/mnt/data"_s).isRefused());
    machine.acceptedLoopDevice = u"/dev/loop1"_s;
    EXPECT_TRUE(plan(u"/mnt/image"_s).isRefused());
}
} // namespace
