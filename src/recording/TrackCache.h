#pragma once

#include "RecordingSamples.h"

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <optional>

// The recordings' tracks kept between runs, so that an unchanged recording is never read twice:
// one file per recording in the cache folder, written whole through a temporary file and named
// after a hash of the recording's key (its path, device and inode, size and modification time, and
// a digest of its first and last bytes: another card mounted at the same place may hold files of
// the same names, sizes and times). An entry holds its key and a checksum (SHA-1) of its content:
// an entry of another file, a changed recording, a torn or corrupt file are all misses, never
// trusted. A cache folder that cannot be written only means no entries are kept. The folder is
// kept under a size limit: an entry found is marked used (its modification time), and when the
// entries grow past the limit the least recently used go first.
class TrackCache
{
public:
    static constexpr qint64 kDefaultLimitBytes = 256LL * 1024 * 1024;
    // How much of each end of a recording its key's digest covers.
    static constexpr qint64 kDigestBytes = 8 * 1024;

    // FOLDER empty: no cache (every lookup misses, nothing is stored).
    explicit TrackCache(const QString &folder, qint64 limitBytes = kDefaultLimitBytes);

    // The user's cache folder for the tracks.
    static QString defaultFolder();

    // The entry for the recording whose key (see key()) is KEY.
    std::optional<RecordingSamples> find(const QByteArray &key) const;
    // Keeps SAMPLES for KEY, taken before the recording was read, so that a recording changed
    // while it was read is read again next time. False when the entry could not be written
    // (nothing is then kept).
    bool store(const QByteArray &key, const RecordingSamples &samples) const;

    // What identifies the recording's content as it is now; empty when it cannot be looked at.
    static QByteArray key(const QString &recording);
    static QByteArray encode(const QByteArray &key, const RecordingSamples &samples);
    // The samples of an entry written for KEY; nothing when it is another's, torn or corrupt.
    static std::optional<RecordingSamples> decode(const QByteArray &key, const QByteArray &entry);

    // The largest entry read (a track of a few thousand samples takes a few tens of kilobytes).
    static constexpr qint64 kMaxEntryBytes = 4 * 1024 * 1024;

    QString folder() const { return m_folder; }
    qint64 limitBytes() const { return m_limit; }
    // Removes the least recently used entries until the folder's entries take at most the limit.
    void trim() const;

private:
    QString entryPath(const QByteArray &key) const;
    // Counts ADDED bytes into the folder's size (looked at once), trimming when past the limit.
    void account(qint64 added) const;

    QString m_folder;
    qint64 m_limit;
    // The folder's entries' bytes as this object last knew them; -1 before it looked.
    mutable QMutex m_sizeLock;
    mutable qint64 m_bytes = -1;
};
