#pragma once

#include "TripRecording.h"

#include <QList>
#include <QString>

#include <functional>

class TrackCache;

// The recordings of a camera card (or any folder) as the trips need them: found as the recording
// list finds them, each recording once (TripBuilder::distinctRecordings), each with its start time
// and its whole track, read quickly or taken from the track cache.
class CardTrips
{
public:
    // Told after each recording: how many are done out of how many.
    using Progress = std::function<void(qsizetype done, qsizetype total)>;
    using CancelCheck = std::function<bool()>;

    // The recordings under ROOT; empty when cancelled. CACHE may be null.
    static QList<TripRecording> load(const QString &root, const TrackCache *cache, const Progress &progress = {},
                                     const CancelCheck &cancelled = {});
    // One recording: its start from the file name, its kind and track.
    static TripRecording recording(const QString &path, const TrackCache *cache, const CancelCheck &cancelled = {});
    // The recording files the recording list shows for ROOT, as paths.
    static QStringList recordingPaths(const QString &root);
};
