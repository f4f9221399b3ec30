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
    // Reading stopped at this byte (a read error on the card): the samples before it are kept, and
    // the track is not kept in the cache as if it were the recording's whole track. -1 when read
    // whole. Not stored: a cached track is always whole.
    qint64 stoppedAt = -1;

    // The samples read into TRACK.
    static RecordingSamples fromTrack(const GrowingTrack &track);
    bool operator==(const RecordingSamples &) const = default;
};
