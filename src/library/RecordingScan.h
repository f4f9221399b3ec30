#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

#include <sys/types.h>
#include <utility>

// One walk over the folders of a card (or any folder the user picked) for recordings: non-hidden
// regular files named "….avi", "….mp4" or "….mov" (any case). A card is a file system someone
// else made, so the walk takes the directory listing's own file types (no status call per file),
// goes at most kMaxDepth folder levels down, lists every folder once however often links or
// mounts reach it, and follows a symbolic link only to a folder inside the card's root. Links to
// files, pipes, devices and sockets are never listed. Entries come in the order the file system
// lists them, a folder's recordings at the folder's place.
class RecordingScan
{
public:
    // Folder levels below a scanned folder that are still listed. Cameras write recordings at
    // most two levels down (a date folder); copies on disk add a few. The bound keeps a hostile
    // tree (thousands of nested folders) from costing time and paths longer than a player can
    // open.
    static constexpr int kMaxDepth = 64;

    // ROOT bounds the links that are followed: only to folders at or below it.
    explicit RecordingScan(const QString &root);

    // Appends to RESULT the recordings directly in FOLDER, and with RECURSIVE those in the folders
    // below it. A folder listed before by this scan, or one that cannot be read, adds nothing.
    void scan(const QString &folder, bool recursive, QList<QUrl> &result);

    // True for names the list accepts by their extension, compared in lower case.
    static bool isRecordingName(QStringView name);

private:
    void walk(int fd, const QString &path, bool recursive, int depth, QList<QUrl> &result);
    // Opens FOLDER (a path) for listing when it is a folder and every link on the last step
    // points inside the root; -1 otherwise.
    int openFolder(const QString &folder) const;
    // True the first time the folder open at FD is seen.
    bool firstVisit(int fd);
    bool isInsideRoot(const QString &canonicalPath) const;

    QString m_canonicalRoot;
    QSet<std::pair<dev_t, ino_t>> m_visited;
};
