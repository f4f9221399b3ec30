#pragma once

#include "platform/VolumeSource.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

// The mounted file systems of this machine, read from the kernel's mount table in mount order,
// each classified through sysfs:
//  - local: backed by a block device of this machine (network and network-backed FUSE file
//    systems, and pseudo file systems, are not);
//  - removable: the whole disk is marked removable, or it is an SD/MMC card (mmcblk*), or it sits
//    on USB. Device-mapper and RAID devices are removable when everything under them is. Internal
//    disks and loop-mounted images are not.
class SystemVolumes : public VolumeSource
{
public:
    static constexpr QLatin1StringView DefaultMountInfoPath{"/proc/self/mountinfo"};
    static constexpr QLatin1StringView DefaultSysfsRoot{"/sys"};

    // Paths other than the defaults serve tests, which build their own mount table and sysfs.
    explicit SystemVolumes(const QString &mountInfoPath = DefaultMountInfoPath,
                           const QString &sysfsRoot = DefaultSysfsRoot);

    // The one instance over the real mount table; it holds no state of its own.
    static std::shared_ptr<const VolumeSource> system();

    QList<MountedVolume> mountedVolumes() const override;

    // The volumes listed in the text of a mount table ("mountinfo" format), classified through the
    // sysfs tree at SYSFSROOT. Lines that are not well formed are skipped.
    static QList<MountedVolume> volumesFromMountInfo(QByteArrayView text, const QString &sysfsRoot);

    // A mount table larger than this is not read.
    static constexpr qint64 MaxMountInfoSize = 16 * 1024 * 1024;

private:
    QString m_mountInfoPath;
    QString m_sysfsRoot;
};
