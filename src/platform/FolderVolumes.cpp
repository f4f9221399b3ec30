#include "FolderVolumes.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

FolderVolumes::FolderVolumes(const QString &root) : m_root(QFileInfo(root).canonicalFilePath())
{
}

void FolderVolumes::setFlags(const QString &name, bool isLocal, bool isRemovable)
{
    m_flags.insert(name, Flags{isLocal, isRemovable});
}

QList<MountedVolume> FolderVolumes::mountedVolumes() const
{
    QList<MountedVolume> volumes;
    if (m_root.isEmpty()) {
        return volumes;
    }
    const QDir root(m_root);
    const QStringList names = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        const Flags flags = m_flags.value(name);
        MountedVolume volume;
        volume.path = root.filePath(name);
        volume.device = name;
        volume.fileSystemType = u"folder"_s;
        volume.isLocal = flags.isLocal;
        volume.isRemovable = flags.isRemovable;
        volumes.append(volume);
    }
    return volumes;
}
