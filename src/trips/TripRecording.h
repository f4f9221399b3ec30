#pragma once

#include "recording/RecordingSamples.h"

#include <QDateTime>
#include <QString>

// One recording as the trips see it: when it starts (its file name's time, in the camera's clock),
// how long it runs, what kind of recording it is and its whole track.
struct TripRecording
{
    enum class Kind
    {
        Normal,
        // An impact or emergency recording: belongs to the trip it falls in, marked.
        Event,
        // Recorded at the driver's request: belongs to the trip it falls in, marked.
        Manual,
        // Recorded while parked: never part of a trip, and ends the trip before it.
        Parking
    };

    QString path;
    QDateTime start;
    qint64 durationMs = 0;
    Kind kind = Kind::Normal;
    RecordingSamples track;

    QDateTime end() const { return start.addMSecs(durationMs); }
    // The real time of track sample INDEX (ten samples a second from the start).
    QDateTime sampleTime(qsizetype index) const { return start.addMSecs(index * 100); }

    // The kind the card's folder or the file's name gives PATH.
    static Kind kindOf(const QString &path);
    static QString kindName(Kind kind);
    // The recording's length: the header's when it gives one, otherwise the track's (ten samples a
    // second); 0 when neither is known.
    static qint64 lengthMs(const RecordingSamples &track);
};
