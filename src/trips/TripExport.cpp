#include "TripExport.h"

#include "recording/SampleClock.h"

#include "settings/zone/CardClockZone.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

TrackExport::Segment TripExport::segment(const TripRecording &recording, const QString &cardRoot)
{
    const QList<RecordingSamples::Sample> &samples = recording.track.samples;
    QList<qint64> fixTimes;
    fixTimes.reserve(samples.size());
    TrackExport::Segment result;
    result.name = QFileInfo(recording.path).fileName();
    result.samples = samples.size();
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const RecordingSamples::Sample &sample = samples[i];
        fixTimes.append(sample.fixTime);
        if (sample.hasFix()) {
            result.points.append(TrackExport::Point{int(i), sample.lat, sample.lng, sample.speed});
        }
    }
    result.times = SampleClock::times(recording.path, CardClockZone::forRecording(recording.path, cardRoot), fixTimes);
    return result;
}

QList<TrackExport::Segment> TripExport::segments(const Trip &trip, const QList<TripRecording> &recordings,
                                                 const QString &cardRoot)
{
    QList<TrackExport::Segment> result;
    for (const qsizetype r : trip.recordings) {
        if (r < 0 || r >= recordings.size()) {
            continue;
        }
        TrackExport::Segment part = segment(recordings[r], cardRoot);
        if (!part.points.isEmpty()) {
            result.append(std::move(part));
        }
    }
    return result;
}

QString TripExport::name(const Trip &trip)
{
    return u"Trip "_s + QString::number(trip.index) + u" ("_s + trip.start.toString(u"yyyy-MM-dd HH:mm"_s) + u')';
}
