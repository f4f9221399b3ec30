#include "RecordingTrack.h"

#include "core/LocalPath.h"
#include "library/RecordingLibrary.h"

#include "sensor/SubtitleData.h"
#include "sensor/VexoClipData.h"

#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

QString RecordingTrack::subtitlePath(const QString &front)
{
    const QFileInfo info(front);
    return info.path() + u'/' + info.completeBaseName() + u".srt"_s;
}

namespace {
// The MP4's track as the player shows it: from the subtitle file its conversion extracted, which
// is also where the player's subtitle entries come from, so the two always agree.
QuickTrackReader::Result loadConverted(const QString &front, VexoClipData &track, SubtitleData *subtitles)
{
    QuickTrackReader::Result result;
    if (front.isEmpty()) {
        track.clear();
        if (subtitles != nullptr) {
            subtitles->setEntries({});
        }
        result.note = u"not converted"_s;
        return result;
    }
    track.loadVideoFileCilpDataFromFilePath(RecordingTrack::subtitlePath(front));
    if (subtitles != nullptr) {
        subtitles->loadFromPath(RecordingTrack::subtitlePath(front));
    }
    result.samples = int(track.clipDataCount());
    result.route = QuickTrackReader::Route::FullScan;
    result.note = u"the subtitle file extracted by the conversion"_s;
    return result;
}

// An MP4 played as it is: its subtitle samples read in place, no file extracted.
QuickTrackReader::Result loadUnconverted(const QString &recording, VexoClipData &track, SubtitleData *subtitles)
{
    QByteArray timed;
    QuickTrackReader::Result result = QuickTrackReader::readMp4(recording, track, &timed);
    if (subtitles != nullptr) {
        subtitles->loadFromBytes(timed);
    }
    return result;
}

bool playsUnconverted(const QString &recording, const QString &front)
{
    return !front.isEmpty() && (front == recording || front == LocalPath::openable(recording));
}
} // namespace

QuickTrackReader::Result RecordingTrack::load(const QString &recording, const QString &front, VexoClipData &track,
                                              const std::atomic_bool *cancelled, SubtitleData *subtitles)
{
    if (QFileInfo(recording).suffix().toLower() == u"mp4") {
        return playsUnconverted(recording, front) ? loadUnconverted(LocalPath::openable(recording), track, subtitles)
                                                  : loadConverted(front, track, subtitles);
    }
    QuickTrackReader::CancelCheck check;
    if (cancelled != nullptr) {
        check = [cancelled] {
            return cancelled->load();
        };
    }
    const bool krv = RecordingLibrary::isKRVRecording(QUrl::fromLocalFile(recording));
    QuickTrackReader::Result result = QuickTrackReader::readAvi(LocalPath::openable(recording), track, krv, check);
    // Part of a track is never passed on as the whole of it.
    if (check && check()) {
        track.clear();
        result.samples = 0;
        result.route = QuickTrackReader::Route::None;
        result.note = u"cancelled"_s;
    }
    return result;
}
