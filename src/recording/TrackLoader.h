#pragma once

#include "RecordingSamples.h"

#include <QString>

#include <functional>

class TrackCache;

// A recording's whole track for the trips, every sample however long it runs (the player keeps
// only 650): from the track cache when the recording is unchanged, otherwise read with the quick
// reader (an MP4's subtitle samples, the KRV cameras' records with
// their own reader, any other AVI with the readers tried in turn) and kept in the cache.
class TrackLoader
{
public:
    using CancelCheck = std::function<bool()>;

    // CACHE may be null (no cache). A cancelled read gives an empty track that is not cached.
    static RecordingSamples load(const QString &recording, const TrackCache *cache, const CancelCheck &cancelled = {});
    // The same without any cache.
    static RecordingSamples read(const QString &recording, const CancelCheck &cancelled = {});

    // A camera stores ten samples a second; its sensor records may run a little past the pictures.
    static constexpr qint64 kSamplesPerSecond = 10;
    static constexpr qint64 kSlackSeconds = 5;
    // The most samples a recording of DURATION_MS can hold; -1 when its length is not known.
    static qint64 maxSamples(qint64 durationMs);
    // SAMPLES cut to what their recording's length can hold, with a note when any were left out: a
    // file whose records all point at one place would otherwise fill memory and the cache.
    static void capToLength(RecordingSamples &samples);
};
