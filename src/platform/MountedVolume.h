#pragma once

#include <QString>

// One mounted file system as the volume layer reports it.
struct MountedVolume
{
    // Where it is mounted: the folder that holds the volume's root.
    QString path;
    // What is mounted: a device node, a network share, or a name.
    QString device;
    QString fileSystemType;
    // Backed by a block device of this machine (not a network or network-backed FUSE file system).
    bool isLocal = false;
    // On a medium that can be taken out: a USB stick, a card in a USB reader or an SD/MMC slot.
    bool isRemovable = false;

    bool operator==(const MountedVolume &other) const = default;
};
