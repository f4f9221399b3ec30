#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <sys/types.h>

// Watches the folder the recording list shows, so the list empties when that folder goes: a card
// folder removed, a card unmounted (even lazily, when the mount point stays as an empty folder of
// the disk below), a folder renamed away. The folder and the folder holding it are watched; what
// counts is whether the path still leads to the very folder that was listed (the same device and
// inode), not what changed inside it, so recordings coming and going do not rebuild the list.
class ListedFolderWatch : public QObject
{
    Q_OBJECT

public:
    explicit ListedFolderWatch(QObject *parent = nullptr);

    // Watches ROOT as it is now (nothing for an empty ROOT).
    void watch(const QString &root);
    // Whether ROOT no longer leads to the folder that was listed (gone, replaced, unmounted).
    bool hasChanged() const;

Q_SIGNALS:
    // The listed folder went away or was replaced; emitted once until watch() is called again.
    void listedFolderChanged();

private:
    void check();
    // The device and inode ROOT leads to now; {0, 0} when it leads to no folder.
    std::pair<dev_t, ino_t> identity() const;

    QFileSystemWatcher m_watcher;
    QString m_root;
    std::pair<dev_t, ino_t> m_identity{0, 0};
    bool m_reported = false;
};
