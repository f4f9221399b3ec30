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
    return samples;
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
    if (cache && !key.isEmpty()) {
        cache->store(key, samples);
    }
    return samples;
}
