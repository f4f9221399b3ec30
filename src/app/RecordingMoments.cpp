#include "RecordingMoments.h"

#include "trips/HardEvents.h"

#include "sensor/VexoClipData.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

QList<double> RecordingMoments::hardEventSeconds(const VexoClipData &track)
{
    // One recording: its samples' play times stand in for the trip's clock.
    HardEvents jolts;
    const int count = int(std::min<quint32>(track.clipDataCount(), quint32(track.capacity())));
    for (int s = 0; s < count; ++s) {
        jolts.addSample(qint64(s) * 100, HardEvents::magnitudeG(track.getGx(s), track.getGy(s), track.getGz(s)), 0, s);
    }
    QList<double> seconds;
    for (const HardEvents::Event &event : jolts.events()) {
        seconds.append(double(event.sample) / 10.0);
    }
    return seconds;
}

QString RecordingMoments::cameraTimeText(const TrackTimes &times, const std::optional<CardTimeZone> &zone,
                                         double seconds)
{
    const qint64 msecs = times.msecsAtPlayTime(seconds);
    if (msecs == NmeaTime::kNoTime) {
        return {};
    }
    qint64 shown = msecs;
    QString suffix;
    if (times.isUtc()) {
        if (zone) {
            // The offset at the camera's reading: standard time first, then its daylight saving.
            const qint64 standard = msecs + qint64(zone->standardMinutes()) * 60000;
            shown = msecs + qint64(zone->offsetMinutesAt(standard)) * 60000;
        } else {
            suffix = u" UTC"_s;
        }
    }
    const QDateTime clock = QDateTime::fromMSecsSinceEpoch(shown, Qt::UTC);
    return clock.toString(u"yyyy-MM-dd"_s) + u'\n' + clock.toString(u"HH:mm:ss"_s) + suffix;
}
