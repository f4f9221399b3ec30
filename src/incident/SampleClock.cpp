#include "SampleClock.h"

#include "incident/RecordingTime.h"

#include "sensor/VexoClipData.h"
#include "settings/record/CardRecognition.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 kSampleMsecs = 100;
constexpr int kLevelsAbove = 2;

// Rule 1: the fixes' own times, and the nearest one's moved by the play time where a sample has
// none. Empty when no sample has a time of its own.
QList<qint64> gpsTimes(const VexoClipData &track)
{
    const int count = int(track.clipDataCount());
    QList<qint64> times(count, NmeaTime::kNoTime);
    int anchor = -1;
    for (int i = 0; i < count; ++i) {
        if (const qint64 own = track.getFixTime(i); own != NmeaTime::kNoTime) {
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
    int first = 0;
    while (times[first] == NmeaTime::kNoTime) {
        ++first;
    }
    for (int i = 0; i < first; ++i) {
        times[i] = times[first] - (first - i) * kSampleMsecs;
    }
    return times;
}

QList<qint64> playTimes(int count, qint64 start)
{
    QList<qint64> times(count);
    for (int i = 0; i < count; ++i) {
        times[i] = start + i * kSampleMsecs;
    }
    return times;
}
} // namespace

TrackTimes SampleClock::times(const VexoClipData &track, const std::optional<QDateTime> &fileStart,
                              const std::optional<CardTimeZone> &zone)
{
    const int count = int(track.clipDataCount());
    if (QList<qint64> gps = gpsTimes(track); !gps.isEmpty()) {
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

TrackTimes SampleClock::times(const QString &recording, const QString &cardRoot, const VexoClipData &track)
{
    const QString root = cardRoot.isEmpty() ? cardRootFor(recording) : cardRoot;
    return times(track, RecordingTime::fromFileName(recording), CardTimeZone::read(root));
}

QString SampleClock::cardRootFor(const QString &recording)
{
    QString folder = QFileInfo(recording).absolutePath();
    for (int level = 0; level <= kLevelsAbove; ++level) {
        if (!CardRecognition::settingRecordPath(folder).isEmpty() || CardRecognition::hasIniSettings(folder)) {
            return folder;
        }
        const QString parent = QFileInfo(folder).path();
        if (parent == folder) {
            break;
        }
        folder = parent;
    }
    return {};
}
