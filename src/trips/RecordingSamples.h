#pragma once

#include "sensor/NmeaTime.h"

#include <QList>
#include <QString>

class VexoClipData;

// A recording's sensor track as the trips and their exports keep it: every sample of the track in
// the reader's units (acceleration counts, 128 = 1 g; signed degrees, (0, 0) = no fix; km/h), how
// the track was read, and the recording's length where its header gives it. Unlike the player's
// fixed block it is a plain value, small enough to keep one for every recording of a card.
struct RecordingSamples
{
    struct Sample
    {
        qint16 gx = 0;
        qint16 gy = 0;
        qint16 gz = 0;
        float lat = 0.0f;
        float lng = 0.0f;
        quint32 speed = 0;
        // The UTC time of the sample's own fix (milliseconds since 1970), NmeaTime::kNoTime when
        // its record gives none: what the exports date the sample by.
        qint64 fixTime = NmeaTime::kNoTime;

        bool hasFix() const { return !(lat == 0.0f && lng == 0.0f); }
        bool operator==(const Sample &) const = default;
    };

    QList<Sample> samples;
    quint32 gpsCount = 0;
    // -1 when the header does not say.
    qint64 durationMs = -1;
    // How the track was read ("index", "walk", "sample-tables", "tail", "full-scan", "none").
    QString route;
    QString note;

    // The samples loaded into TRACK.
    static RecordingSamples fromTrack(const VexoClipData &track);
    bool operator==(const RecordingSamples &) const = default;
};
