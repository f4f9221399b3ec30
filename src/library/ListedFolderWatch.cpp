#include "ListedFolderWatch.h"

#include "core/LocalPath.h"

#include <QFileInfo>

#include <sys/stat.h>

ListedFolderWatch::ListedFolderWatch(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ListedFolderWatch::check);
}

void ListedFolderWatch::watch(const QString &root)
{
    if (!m_watcher.directories().isEmpty()) {
        m_watcher.removePaths(m_watcher.directories());
    }
    m_root = root;
    m_reported = false;
    m_identity = identity();
    if (m_root.isEmpty() || m_identity == std::pair<dev_t, ino_t>{0, 0}) {
        return;
    }
    // The parent sees the folder removed or renamed; the folder itself sees its own file system
    // unmounted.
    const QString parent = QFileInfo(m_root).absolutePath();
    m_watcher.addPath(LocalPath::openable(m_root));
    if (parent != m_root) {
        m_watcher.addPath(LocalPath::openable(parent));
    }
}

bool ListedFolderWatch::hasChanged() const
{
    return !m_root.isEmpty() && identity() != m_identity;
}

void ListedFolderWatch::check()
{
    if (!m_reported && hasChanged()) {
        m_reported = true;
        Q_EMIT listedFolderChanged();
    }
}

std::pair<dev_t, ino_t> ListedFolderWatch::identity() const
{
    struct stat status;
    if (m_root.isEmpty() || ::stat(LocalPath::encode(m_root).constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return {0, 0};
    }
    return {status.st_dev, status.st_ino};
}
