#pragma once

#include "Trip.h"
#include "TripRecording.h"

#include "sensor/TrackExport.h"

#include <QList>
#include <QString>

// A trip as the route formats write it: one segment for each of its recordings that has a fix, in
// time order, with every sample the track loader gave, each dated by SampleClock from the
// recording's own fixes or its file name and the card's time zone. A recording without a fix has
// no route and no segment; recordings that overlap in time (an event recording beside the
// continuous one) each keep their own segment, since each is a file of its own.
class TripExport
{
public:
    // CARD_ROOT: the card whose settings give the camera clock's time zone; empty: looked for
    // beside each recording.
    static QList<TrackExport::Segment> segments(const Trip &trip, const QList<TripRecording> &recordings,
                                                const QString &cardRoot);
    // One recording's segment (with no points when it has no fix).
    static TrackExport::Segment segment(const TripRecording &recording, const QString &cardRoot);
    // "Trip 2 (2026-12-07 08:15)": what the files call the trip.
    static QString name(const Trip &trip);
};
