#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A file system of a few hundred kilobytes of its own (an ext4 image mounted through a loop
// device), so a test can fill it up and see what a write does when no space is left. Needs root
// and loop devices; where they cannot be had, isMounted() is false and skipReason() says why.
class SmallFileSystem
{
public:
    SmallFileSystem();
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_reason; }
    // The mounted file system's root.
    QString path() const;
    QString filePath(const QString &relative) const;

    // Takes every free block with a filler file, so the next write of data fails for lack of space.
    // False when the file system did not fill.
    bool fill();
    // Mounts it again read-only, as a write-protected card or a read-only share; false when that
    // failed.
    bool makeReadOnly();
    // Makes the card fail INTO bytes after the data of the first of the files RELATIVES (written
    // and closed) begin, as a worn card does: the image is cut there and its loop device takes the new size, so
    // every read of those bytes from the device ends in an I/O error; the pages of the files in its
    // root are dropped from the cache so that reads reach the device. False when that could not be
    // arranged.
    bool failFromFiles(const QStringList &relatives, qint64 into = 0);

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
    QString m_reason;
};
