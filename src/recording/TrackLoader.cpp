#include "TrackLoader.h"

#include "TrackCache.h"
#include "library/RecordingLibrary.h"

#include "sensor/GrowingTrack.h"
#include "sensor/QuickTrackReader.h"

#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

RecordingSamples TrackLoader::read(const QString &recording, const CancelCheck &cancelled)
{
    // The whole track, however long the recording runs; its size on disk bounds what it may hold.
    GrowingTrack track(GrowingTrack::capacityFor(QFileInfo(recording).size()));
    QuickTrackReader::Result result;
    if (QFileInfo(recording).suffix().toLower() == u"mp4") {
        result = QuickTrackReader::readMp4(recording, track);
    } else {
        const bool krv = RecordingLibrary::isKRVRecording(QUrl::fromLocalFile(recording));
        result = QuickTrackReader::readAvi(recording, track, krv, cancelled);
    }
    RecordingSamples samples = RecordingSamples::fromTrack(track);
    samples.durationMs = result.durationMs;
    samples.route = QuickTrackReader::routeName(result.route);
    samples.note = result.note;
    samples.stoppedAt = result.stoppedAt;
    capToLength(samples);
    return samples;
}

qint64 TrackLoader::maxSamples(qint64 durationMs)
{
    if (durationMs <= 0) {
        return -1;
    }
    return (durationMs + 999) / 1000 * kSamplesPerSecond + kSlackSeconds * kSamplesPerSecond;
}

void TrackLoader::capToLength(RecordingSamples &samples)
{
    const qint64 most = maxSamples(samples.durationMs);
    if (most < 0 || samples.samples.size() <= most) {
        // A list grown sample by sample holds room for more: kept for every recording of a card,
        // only what it holds.
        samples.samples.squeeze();
        return;
    }
    const qsizetype dropped = samples.samples.size() - qsizetype(most);
    samples.samples.resize(qsizetype(most));
    samples.samples.squeeze();
    const QString cut = u"%1 samples beyond the recording's length left out"_s.arg(dropped);
    samples.note = samples.note.isEmpty() ? cut : samples.note + u"; "_s + cut;
}

RecordingSamples TrackLoader::load(const QString &recording, const TrackCache *cache, const CancelCheck &cancelled)
{
    const QByteArray key = cache ? TrackCache::key(recording) : QByteArray();
    if (cache) {
        if (std::optional<RecordingSamples> cached = cache->find(key)) {
            return *std::move(cached);
        }
    }
    RecordingSamples samples = read(recording, cancelled);
    if (cancelled && cancelled()) {
        return {};
    }
    // A track cut short by a read error is read again next time: the card may read then.
    if (cache && !key.isEmpty() && samples.stoppedAt < 0) {
        cache->store(key, samples);
    }
    return samples;
}
