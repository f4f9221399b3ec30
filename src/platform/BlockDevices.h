#pragma once

#include <QString>
#include <QStringList>

// Reading the kernel's block-device tree in sysfs: which device folder a mounted file system sits
// on, the whole disk of a partition, and what a device is built on. Every operation takes the
// sysfs root so that tests can hand in a tree of their own.
class BlockDevices
{
public:
    // The sysfs folder of the block device numbered MAJORMINOR ("8:17"), symbolic links resolved;
    // when the number names no device (btrfs reports numbers of its own), the one of the device
    // node SOURCE ("/dev/sdb1"). Empty when there is none.
    static QString deviceFolder(const QString &sysfsRoot, const QString &majorMinor, const QString &source);
    // The whole disk of DEVICEFOLDER: the folder above a partition, the folder itself otherwise.
    static QString wholeDisk(const QString &deviceFolder);
    // Whether the device is on a medium that can be taken out: its whole disk is marked removable,
    // is an SD/MMC card or sits on USB; an encrypted or assembled device when everything under it
    // is. Loop devices (mounted images) are not.
    static bool isRemovable(const QString &deviceFolder);
    // The whole disks that hold DEVICEFOLDER's data, following encrypted and assembled devices
    // down to the disks under them.
    static QStringList underlyingDisks(const QString &deviceFolder);
};
