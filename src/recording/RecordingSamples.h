#pragma once

#include "sensor/GrowingTrack.h"

#include <QList>
#include <QString>

// A recording's sensor track as the trips and their exports keep it: every sample of the track in
// the reader's units (acceleration counts, 128 = 1 g; signed degrees, (0, 0) = no fix; km/h), how
// the track was read, and the recording's length where its header gives it. Unlike the player's
// fixed block it is a plain value, small enough to keep one for every recording of a card.
struct RecordingSamples
{
    // The UTC time of a sample's own fix (fixTime, NmeaTime::kNoTime when its record gives none) is
    // what the exports date the sample by.
    using Sample = GrowingTrack::Sample;

    QList<Sample> samples;
    quint32 gpsCount = 0;
    // -1 when the header does not say.
    qint64 durationMs = -1;
    // How the track was read ("index", "walk", "sample-tables", "tail", "full-scan", "none").
    QString route;
    QString note;

    // The samples read into TRACK.
    static RecordingSamples fromTrack(const GrowingTrack &track);
    bool operator==(const RecordingSamples &) const = default;
};
