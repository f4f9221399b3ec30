#pragma once

#include "platform/MountedVolume.h"

#include <QList>

#include <optional>

// Where the list of mounted volumes comes from: the system's mount table, or a stand-in in tests.
class VolumeSource
{
public:
    virtual ~VolumeSource() = default;

    // The mounted volumes in mount order.
    virtual QList<MountedVolume> mountedVolumes() const = 0;

    // The volume that holds PATH (an existing file or folder): the one mounted at the longest
    // folder that contains it. None when PATH does not exist or lies on no listed volume.
    std::optional<MountedVolume> volumeContaining(const QString &path) const;
    // Whether PATH lies on a volume that is both local and removable: where a camera card is.
    bool isExternalMemory(const QString &path) const;
};
