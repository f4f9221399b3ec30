#pragma once

#include "Trip.h"
#include "TripRecording.h"

#include <QList>

#include <optional>

// Where a trip's map meets its recordings: the moment a point of the route was driven (the
// recording to play and the second to seek to), and where a playing recording is on the route.
class TripMoments
{
public:
    struct Moment
    {
        // Index into the recordings the trips were built from.
        qsizetype recording = 0;
        double seconds = 0;
    };

    // The moment of TRIP closest to POINT: the sample with a fix nearest to it (the earliest of
    // equally near ones); none when the trip has no fix.
    static std::optional<Moment> nearest(const Trip &trip, const QList<TripRecording> &recordings,
                                         TripRoute::Point point);
    // Where RECORDING was SECONDS into it: its sample's fix, or the last fix before it; none
    // without one.
    static std::optional<TripRoute::Point> position(const TripRecording &recording, double seconds);
};
