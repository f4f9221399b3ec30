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
    // The folder of the file system that appears at PATH: "/" when the volume is mounted whole,
    // another folder for a bind mount of part of it.
    QString fileSystemRoot = QStringLiteral("/");
    // The kernel's device number ("8:17"), and the options of this mount and of the file system.
    QString deviceNumber;
    QString mountOptions;
    QString superOptions;

    bool operator==(const MountedVolume &other) const = default;
};
