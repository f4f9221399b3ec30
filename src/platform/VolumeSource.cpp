#include "VolumeSource.h"

#include <QDir>
#include <QFileInfo>

std::optional<MountedVolume> VolumeSource::volumeContaining(const QString &path) const
{
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty()) {
        return std::nullopt;
    }
    std::optional<MountedVolume> best;
    qsizetype bestLength = -1;
    // A later mount over the same folder hides the earlier one, so ties go to the later entry.
    for (const MountedVolume &volume : mountedVolumes()) {
        const QString mountPoint = QDir::cleanPath(volume.path);
        const bool contains = canonical == mountPoint || mountPoint == u'/' ||
                              (canonical.startsWith(mountPoint) && canonical.at(mountPoint.size()) == u'/');
        if (contains && mountPoint.size() >= bestLength) {
            best = volume;
            bestLength = mountPoint.size();
        }
    }
    return best;
}

bool VolumeSource::isExternalMemory(const QString &path) const
{
    const std::optional<MountedVolume> volume = volumeContaining(path);
    return volume.has_value() && volume->isLocal && volume->isRemovable;
}
