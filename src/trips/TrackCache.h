#pragma once

#include "RecordingSamples.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The recordings' tracks kept between runs, so that an unchanged recording is never read twice:
// one file per recording in the cache folder, written whole through a temporary file and named
// after a hash of the recording's key (its path, device and inode, size and modification time).
// An entry holds its key and a checksum (SHA-1) of its content: an entry of another file, a
// changed recording, a torn or corrupt file are all misses, never trusted. A cache folder that cannot be
// written only means no entries are kept.
class TrackCache
{
public:
    // FOLDER empty: no cache (every lookup misses, nothing is stored).
    explicit TrackCache(const QString &folder);

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

private:
    QString entryPath(const QByteArray &key) const;

    QString m_folder;
};
