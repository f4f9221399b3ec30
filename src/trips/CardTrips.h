#pragma once

#include "TripRecording.h"

#include <QList>
#include <QString>

#include <functional>

class TrackCache;

// The recordings of a camera card (or any folder) as the trips need them: found as the recording
// list finds them, each recording once (TripBuilder::distinctRecordings), each with its start time
// and its whole track, read quickly or taken from the track cache. Directory entries that are
// links to one file (the same device and inode) are read once and share one track. A recording
// whose name gives no usable time is left out with a note, never silently; a card that goes away
// while it is read ends the reading with a failure, not with the recordings read so far.
class CardTrips
{
public:
    // Told after each recording: how many are done out of how many.
    using Progress = std::function<void(qsizetype done, qsizetype total)>;
    using CancelCheck = std::function<bool()>;

    // A recording listed but left out of the trips, and why.
    struct Skipped
    {
        QString path;
        QString reason;
        bool operator==(const Skipped &) const = default;
    };

    struct Card
    {
        QList<TripRecording> recordings;
        QList<Skipped> skipped;
        // Why the card could not be read to its end; empty when it was (or when cancelled).
        QString failure;
    };

    // What ends a reading whose card's root folder is gone or is no longer the same folder (the
    // card removed, the mount gone).
    static QString cardGoneText();

    // The card under ROOT, read to its end; nothing when cancelled. CACHE may be null.
    static Card read(const QString &root, const TrackCache *cache, const Progress &progress = {},
                     const CancelCheck &cancelled = {});
    // The recordings under ROOT; empty when cancelled or when the card went away.
    static QList<TripRecording> load(const QString &root, const TrackCache *cache, const Progress &progress = {},
                                     const CancelCheck &cancelled = {});
    // One recording: its start from the file name, its kind and track.
    static TripRecording recording(const QString &path, const TrackCache *cache, const CancelCheck &cancelled = {});
    // The recording files the recording list shows for ROOT, as paths.
    static QStringList recordingPaths(const QString &root);
    // Why PATH cannot be part of a trip by its name, or empty when it can.
    static QString nameProblem(const QString &path);
};
