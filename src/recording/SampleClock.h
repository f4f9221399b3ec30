#pragma once

#include "recording/CardTimeZone.h"

#include "sensor/TrackTimes.h"

#include <QDateTime>
#include <QString>

#include <optional>

class VexoClipData;

// The one rule for the time of day of every sample of a recording, which every export follows
// (a single recording's CSV, GPX and GeoJSON, an incident report's track and figures, a whole
// trip's):
//
// 1. GPS: when the recording's position records carry their UTC date and time, each sample takes
//    the time of the fix of its second (plus a tenth of a second per sample within it); samples
//    of seconds without such a fix (before the first fix, in a tunnel, after the last) take the
//    nearest fix's time moved by the play time between them. UTC.
// 2. File name and zone: otherwise the recording's start as its file name gives it on the
//    camera's clock, converted to UTC with the time zone the camera's card states, plus the play
//    time (sample i: i/10 s). UTC.
// 3. File name alone: with no zone on the card, the same times on the camera's own clock, marked
//    as local time: never passed off as UTC.
// 4. Nothing: a recording with neither has no times; the files then say so.
class SampleClock
{
public:
    // The times of TRACK, read from RECORDING (its path names the recording's start), with ZONE
    // the zone the recording's card states (CardClockZone asks the card), when it states one.
    static TrackTimes times(const QString &recording, const std::optional<CardTimeZone> &zone,
                            const VexoClipData &track);
    // The same for a track kept as the UTC time of each sample's own fix (NmeaTime::kNoTime where
    // a sample has none), one per sample: the trips keep their tracks so, without the player's
    // fixed capacity.
    static TrackTimes times(const QString &recording, const std::optional<CardTimeZone> &zone,
                            const QList<qint64> &fixTimes);
    // The rule itself, on what the files gave: the recording's start on the camera's clock and the
    // card's zone, each when known.
    static TrackTimes times(const VexoClipData &track, const std::optional<QDateTime> &fileStart,
                            const std::optional<CardTimeZone> &zone);
    static TrackTimes times(const QList<qint64> &fixTimes, const std::optional<QDateTime> &fileStart,
                            const std::optional<CardTimeZone> &zone);
    // The UTC time of each sample's own fix in TRACK, NmeaTime::kNoTime where it has none.
    static QList<qint64> fixTimes(const VexoClipData &track);
};
