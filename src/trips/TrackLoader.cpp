#include "TrackLoader.h"

#include "TrackCache.h"
#include "library/RecordingLibrary.h"

#include "sensor/QuickTrackReader.h"
#include "sensor/VexoClipData.h"

#include <QFileInfo>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

RecordingSamples TrackLoader::read(const QString &recording, const CancelCheck &cancelled)
{
    const auto track = std::make_unique<VexoClipData>();
    QuickTrackReader::Result result;
    if (QFileInfo(recording).suffix().toLower() == u"mp4") {
        result = QuickTrackReader::readMp4(recording, *track);
    } else {
        const bool krv = RecordingLibrary::isKRVRecording(QUrl::fromLocalFile(recording));
        result = QuickTrackReader::readAvi(recording, *track, krv, cancelled);
    }
    RecordingSamples samples = RecordingSamples::fromTrack(*track);
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
