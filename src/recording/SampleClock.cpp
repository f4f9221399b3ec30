#include "SampleClock.h"

#include "recording/RecordingTime.h"

#include "sensor/VexoClipData.h"

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 kSampleMsecs = 100;

// Rule 1: the fixes' own times, and the nearest one's moved by the play time where a sample has
// none. Empty when no sample has a time of its own.
QList<qint64> gpsTimes(const QList<qint64> &fixTimes)
{
    const qsizetype count = fixTimes.size();
    QList<qint64> times(count, NmeaTime::kNoTime);
    qsizetype anchor = -1;
    for (qsizetype i = 0; i < count; ++i) {
        if (const qint64 own = fixTimes[i]; own != NmeaTime::kNoTime) {
            times[i] = own;
            anchor = i;
        } else if (anchor >= 0) {
            times[i] = times[anchor] + (i - anchor) * kSampleMsecs;
        }
    }
    if (anchor < 0) {
        return {};
    }
    // The samples before the first fix count back from it.
    qsizetype first = 0;
    while (times[first] == NmeaTime::kNoTime) {
        ++first;
    }
    for (qsizetype i = 0; i < first; ++i) {
        times[i] = times[first] - (first - i) * kSampleMsecs;
    }
    return times;
}

QList<qint64> playTimes(qsizetype count, qint64 start)
{
    QList<qint64> times(count);
    for (qsizetype i = 0; i < count; ++i) {
        times[i] = start + i * kSampleMsecs;
    }
    return times;
}
} // namespace

QList<qint64> SampleClock::fixTimes(const VexoClipData &track)
{
    QList<qint64> times(track.clipDataCount());
    for (qsizetype i = 0; i < times.size(); ++i) {
        times[i] = track.getFixTime(int(i));
    }
    return times;
}

TrackTimes SampleClock::times(const VexoClipData &track, const std::optional<QDateTime> &fileStart,
                              const std::optional<CardTimeZone> &zone)
{
    return times(fixTimes(track), fileStart, zone);
}

TrackTimes SampleClock::times(const QList<qint64> &fixTimes, const std::optional<QDateTime> &fileStart,
                              const std::optional<CardTimeZone> &zone)
{
    const qsizetype count = fixTimes.size();
    if (QList<qint64> gps = gpsTimes(fixTimes); !gps.isEmpty()) {
        const qint64 zero = gps.constFirst();
        return TrackTimes(TrackTimes::Clock::Utc, std::move(gps), zero, u"UTC from the GPS fixes of the recording"_s);
    }
    if (!fileStart) {
        return TrackTimes(TrackTimes::Clock::None, {}, NmeaTime::kNoTime,
                          u"no time of day: the recording has no GPS date and time and its file name no start"_s);
    }
    // The file name's reading of the camera's clock, counted as if it were UTC.
    const qint64 cameraStart = QDateTime(fileStart->date(), fileStart->time(), Qt::UTC).toMSecsSinceEpoch();
    if (zone) {
        const qint64 start = zone->utcMsecs(cameraStart);
        return TrackTimes(TrackTimes::Clock::Utc, playTimes(count, start), start,
                          u"UTC from the start in the file name plus the play time; camera clock in "_s +
                              zone->description());
    }
    return TrackTimes(TrackTimes::Clock::Local, playTimes(count, cameraStart), cameraStart,
                      u"camera's local time from the start in the file name plus the play time; "
                      u"the card states no time zone"_s);
}

TrackTimes SampleClock::times(const QString &recording, const std::optional<CardTimeZone> &zone,
                              const VexoClipData &track)
{
    return times(recording, zone, fixTimes(track));
}

TrackTimes SampleClock::times(const QString &recording, const std::optional<CardTimeZone> &zone,
                              const QList<qint64> &fixTimes)
{
    return times(fixTimes, RecordingTime::fromFileName(recording), zone);
}
