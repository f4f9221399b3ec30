#include "CardTrips.h"

#include "TrackLoader.h"
#include "TripBuilder.h"
#include "incident/RecordingTime.h"
#include "library/RecordingLibrary.h"

#include <QUrl>

QStringList CardTrips::recordingPaths(const QString &root)
{
    RecordingLibrary library;
    library.refreshVideoFileListWithURL(QUrl::fromLocalFile(root));
    QStringList paths;
    for (const QUrl &url : library.allVideoFileList()) {
        paths.append(url.toLocalFile());
    }
    return paths;
}

TripRecording CardTrips::recording(const QString &path, const TrackCache *cache, const CancelCheck &cancelled)
{
    TripRecording recording;
    recording.path = path;
    recording.start = RecordingTime::fromFileName(path).value_or(QDateTime());
    recording.kind = TripRecording::kindOf(path);
    // A parking recording only ends the trip before it: its track is never needed.
    if (recording.kind != TripRecording::Kind::Parking) {
        recording.track = TrackLoader::load(path, cache, cancelled);
    }
    recording.durationMs = TripRecording::lengthMs(recording.track);
    return recording;
}

QList<TripRecording> CardTrips::load(const QString &root, const TrackCache *cache, const Progress &progress,
                                     const CancelCheck &cancelled)
{
    const QStringList paths = TripBuilder::distinctRecordings(recordingPaths(root));
    QList<TripRecording> recordings;
    recordings.reserve(paths.size());
    for (const QString &path : paths) {
        if (cancelled && cancelled()) {
            return {};
        }
        recordings.append(recording(path, cache, cancelled));
        if (progress) {
            progress(recordings.size(), paths.size());
        }
    }
    return recordings;
}
