#pragma once

#include "Trip.h"
#include "TripRecording.h"

#include <QList>
#include <QStringList>

// Joins a card's recordings into trips. A recording follows the previous ones of its trip when it
// starts at most the gap after the latest of them ends; a parking-mode recording is never part of
// a trip and ends the one before it; event and manual recordings join the trip they fall in. The
// distance and route go through TripRoute over the samples in time order (where recordings
// overlap, as an event recording does with the continuous one, the later samples are the same
// drive and are taken once); the hard jolts through HardEvents over every sample.
class TripBuilder
{
public:
    static constexpr qint64 kDefaultGapSeconds = 120;

    struct Options
    {
        qint64 gapSeconds = kDefaultGapSeconds;
        double thresholdG = HardEvents::kDefaultThresholdG;
    };

    static QList<Trip> build(const QList<TripRecording> &recordings, const Options &options);

    // PATHS with each recording once: a rear camera's file whose front file is listed is left out
    // (the front carries the track), so is a saved copy of a recording listed under the same name,
    // and so is a file whose name gives no start time.
    static QStringList distinctRecordings(const QStringList &paths);

private:
    static void measure(Trip &trip, const QList<TripRecording> &recordings, const Options &options);
};
