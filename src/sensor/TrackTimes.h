#pragma once

#include "NmeaTime.h"

#include <QList>
#include <QString>

// The time of every sample of a sensor track, as the exports write it: UTC, or the camera's own
// clock when nothing says how that clock relates to UTC, or no time at all. Times are milliseconds
// since 1970-01-01T00:00:00; a local time counts from midnight of that day in the camera's clock,
// so the same arithmetic serves both. Which rule gave the times is the business of whoever builds
// this (SampleClock); the writers only ask for a sample's time and say which clock it is in.
class TrackTimes
{
public:
    enum class Clock
    {
        None,
        Utc,
        Local,
    };

    // No times: the exports write none.
    TrackTimes() = default;
    // SAMPLE_MSECS holds the time of each sample of the track, in order; ZERO_MSECS is the time at
    // play time 0 (used when there are no samples). NOTE says in a few words where the times come
    // from, for the files to state.
    TrackTimes(Clock clock, QList<qint64> sampleMsecs, qint64 zeroMsecs, QString note);

    Clock clock() const { return m_clock; }
    bool isUtc() const { return m_clock == Clock::Utc; }
    const QString &note() const { return m_note; }

    // The time of sample INDEX, or NmeaTime::kNoTime outside the track or with no clock.
    qint64 msecs(int index) const;
    // The time at SECONDS of play time: the time of the sample playing then, plus the play time
    // since that sample began (before the first sample or after the last, from the nearest one).
    qint64 msecsAtPlayTime(double seconds) const;

    // "2026-12-07T08:15:15.100Z" in UTC, "2026-12-07T08:15:15.100" (no offset) in local time; an
    // empty string for kNoTime.
    QString text(qint64 msecs) const;
    QString sampleText(int index) const { return text(msecs(index)); }

    // "utc", "local" or "none": how the files name the clock.
    QString clockName() const;

private:
    Clock m_clock = Clock::None;
    QList<qint64> m_sampleMsecs;
    qint64 m_zeroMsecs = NmeaTime::kNoTime;
    QString m_note;
};
