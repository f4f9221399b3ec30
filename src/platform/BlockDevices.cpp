#include "BlockDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
// How deep encrypted and assembled devices may be stacked before the tree is taken for a loop.
constexpr int MaxStackDepth = 4;

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(64).trimmed();
}

// The devices DISK is built on (its "slaves"), symbolic links resolved.
QStringList devicesUnder(const QString &disk)
{
    const QDir slaves(disk + u"/slaves"_s);
    QStringList folders;
    const QStringList names = slaves.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &name : names) {
        const QString folder = QFileInfo(slaves.filePath(name)).canonicalFilePath();
        if (!folder.isEmpty()) {
            folders.append(folder);
        }
    }
    return folders;
}

bool isRemovableAt(const QString &deviceFolder, int depth)
{
    if (deviceFolder.isEmpty() || depth > MaxStackDepth) {
        return false;
    }
    const QString disk = BlockDevices::wholeDisk(deviceFolder);
    const QString name = QFileInfo(disk).fileName();
    if (name.startsWith(u"loop"_s)) {
        return false;
    }
    if (readSmallFile(disk + u"/removable"_s) == "1") {
        return true;
    }
    if (name.startsWith(u"mmcblk"_s)) {
        return true;
    }
    const QStringList components = disk.split(u'/', Qt::SkipEmptyParts);
    for (const QString &component : components) {
        if (component.startsWith(u"usb"_s)) {
            return true;
        }
    }
    // An encrypted or assembled device is as removable as what it is built on.
    const QStringList under = devicesUnder(disk);
    if (under.isEmpty()) {
        return false;
    }
    for (const QString &device : under) {
        if (!isRemovableAt(device, depth + 1)) {
            return false;
        }
    }
    return true;
}

void collectDisks(const QString &deviceFolder, int depth, QStringList &disks)
{
    if (deviceFolder.isEmpty()) {
        return;
    }
    const QString disk = BlockDevices::wholeDisk(deviceFolder);
    const QStringList under = depth < MaxStackDepth ? devicesUnder(disk) : QStringList{};
    if (under.isEmpty()) {
        if (!disks.contains(disk)) {
            disks.append(disk);
        }
        return;
    }
    for (const QString &device : under) {
        collectDisks(device, depth + 1, disks);
    }
}
} // namespace

QString BlockDevices::deviceFolder(const QString &sysfsRoot, const QString &majorMinor, const QString &source)
{
    if (!majorMinor.isEmpty() && !majorMinor.contains(u'/')) {
        const QString byNumber = QFileInfo(sysfsRoot + u"/dev/block/"_s + majorMinor).canonicalFilePath();
        if (!byNumber.isEmpty()) {
            return byNumber;
        }
    }
    // Some file systems (btrfs subvolumes, for one) report a device number of their own: fall back
    // to the device node named as the source.
    if (!source.startsWith(u"/dev/"_s)) {
        return {};
    }
    const QString node = QFileInfo(source).canonicalFilePath();
    const QString name = QFileInfo(node.isEmpty() ? source : node).fileName();
    if (name.isEmpty()) {
        return {};
    }
    return QFileInfo(sysfsRoot + u"/class/block/"_s + name).canonicalFilePath();
}

QString BlockDevices::wholeDisk(const QString &deviceFolder)
{
    if (QFileInfo::exists(deviceFolder + u"/partition"_s)) {
        return QFileInfo(deviceFolder).absolutePath();
    }
    return deviceFolder;
}

bool BlockDevices::isRemovable(const QString &deviceFolder)
{
    return isRemovableAt(deviceFolder, 0);
}

QStringList BlockDevices::underlyingDisks(const QString &deviceFolder)
{
    QStringList disks;
    collectDisks(deviceFolder, 0, disks);
    return disks;
}
