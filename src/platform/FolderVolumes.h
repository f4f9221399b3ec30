#pragma once

#include "platform/VolumeSource.h"

#include <QHash>
#include <QString>

// A stand-in for the system's mounts: every folder directly inside ROOT counts as a mounted
// volume, listed by name. Each is local and removable (a camera card) unless told otherwise.
class FolderVolumes : public VolumeSource
{
public:
    explicit FolderVolumes(const QString &root);

    // Marks the folder called NAME as, say, a network share (not local) or an internal disk.
    void setFlags(const QString &name, bool isLocal, bool isRemovable);

    QList<MountedVolume> mountedVolumes() const override;

private:
    struct Flags
    {
        bool isLocal = true;
        bool isRemovable = true;
    };

    QString m_root;
    QHash<QString, Flags> m_flags;
};
