#include "CardReformatPlanner.h"

#include "platform/BlockDevices.h"
#include "platform/SystemVolumes.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
bool contains(const QString &mountPoint, const QString &path)
{
    return path == mountPoint || mountPoint == u'/' ||
           (path.startsWith(mountPoint) && path.at(mountPoint.size()) == u'/');
}

// The volume visible at PATH: the one mounted at the longest folder holding it, the later of two
// mounts on one folder.
std::optional<MountedVolume> volumeHolding(const QList<MountedVolume> &volumes, const QString &path)
{
    std::optional<MountedVolume> best;
    qsizetype bestLength = -1;
    for (const MountedVolume &volume : volumes) {
        const QString mountPoint = QDir::cleanPath(volume.path);
        if (contains(mountPoint, path) && mountPoint.size() >= bestLength) {
            best = volume;
            bestLength = mountPoint.size();
        }
    }
    return best;
}

QString deviceFolderOf(const MountedVolume &volume, const QString &sysfsRoot)
{
    return BlockDevices::deviceFolder(sysfsRoot, volume.deviceNumber, volume.device);
}
} // namespace

bool CardReformatPlanner::isSupportedFileSystem(const QString &type)
{
    return type == u"vfat"_s || type == u"exfat"_s || type == u"ext4"_s || type == u"ext3"_s || type == u"ext2"_s;
}

bool CardReformatPlanner::isUntitledName(const QString &name)
{
    return name.startsWith(u"Untitled"_s);
}

CardReformatPlan CardReformatPlanner::plan(const QString &mountPath, const Machine &machine)
{
    CardReformatPlan plan;
    plan.route = machine.udisksAvailable ? CardReformatPlan::Route::Udisks : CardReformatPlan::Route::Mkfs;
    const QString path = QDir::cleanPath(mountPath);
    plan.mountPath = path;
    if (!QDir::isAbsolutePath(path)) {
        plan.refused = u"the path is not absolute"_s;
        return plan;
    }

    const QList<MountedVolume> volumes = SystemVolumes::volumesFromMountInfo(machine.mountInfo, machine.sysfsRoot);
    const std::optional<MountedVolume> found = volumeHolding(volumes, path);
    if (!found || QDir::cleanPath(found->path) != path) {
        plan.refused = u"nothing is mounted at this path"_s;
        return plan;
    }
    const MountedVolume &volume = *found;
    plan.device = volume.device;
    plan.fileSystemType = volume.fileSystemType;
    plan.mountOptions = volume.mountOptions;
    plan.superOptions = volume.superOptions;

    const QString folder = deviceFolderOf(volume, machine.sysfsRoot);
    if (volume.fileSystemType.startsWith(u"fuse"_s)) {
        plan.refused = u"a FUSE file system is not formatted"_s;
        return plan;
    }
    if (!volume.isLocal || folder.isEmpty() || !volume.device.startsWith(u"/dev/"_s)) {
        plan.refused = u"the volume is not on a local block device"_s;
        return plan;
    }
    if (QDir::cleanPath(volume.fileSystemRoot) != u"/"_s) {
        plan.refused = u"only a folder of the volume is mounted here, not the whole volume"_s;
        return plan;
    }

    // Never a disk that also holds the system or the user's files, whatever else it looks like.
    const QStringList disks = BlockDevices::underlyingDisks(folder);
    for (const QString &protectedPath : machine.protectedPaths) {
        const std::optional<MountedVolume> holder = volumeHolding(volumes, QDir::cleanPath(protectedPath));
        if (!holder) {
            continue;
        }
        const bool sameDevice = holder->device == volume.device && holder->deviceNumber == volume.deviceNumber;
        bool sharesDisk = false;
        if (holder->isLocal) {
            const QStringList holderDisks = BlockDevices::underlyingDisks(deviceFolderOf(*holder, machine.sysfsRoot));
            for (const QString &disk : holderDisks) {
                sharesDisk = sharesDisk || disks.contains(disk);
            }
        }
        if (sameDevice || sharesDisk) {
            plan.refused = u"the disk also holds "_s + protectedPath;
            return plan;
        }
    }

    const bool acceptedLoop = !machine.acceptedLoopDevice.isEmpty() && volume.device == machine.acceptedLoopDevice &&
                              QFileInfo(volume.device).fileName().startsWith(u"loop"_s);
    if (!volume.isRemovable && !acceptedLoop) {
        plan.refused = u"the volume is not on a removable medium"_s;
        return plan;
    }
    if (!isSupportedFileSystem(volume.fileSystemType)) {
        plan.refused = u"the file system type "_s + volume.fileSystemType + u" is not supported"_s;
        return plan;
    }

    plan.label = machine.labelOf ? machine.labelOf(volume.device) : QString();
    const QString volumeName = plan.label.isEmpty() ? QFileInfo(path).fileName() : plan.label;
    if (isUntitledName(volumeName)) {
        plan.refused = u"an untitled volume is not taken for a camera card"_s;
        return plan;
    }
    if (!machine.udisksAvailable && !machine.isRoot) {
        plan.refused = u"the disk service (UDisks2) is not running, and formatting without it needs root"_s;
        return plan;
    }
    return plan;
}
