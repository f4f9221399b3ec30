#include "CardTrips.h"

#include "TripBuilder.h"
#include "core/LocalPath.h"
#include "library/RecordingLibrary.h"
#include "recording/RecordingTime.h"
#include "recording/TrackLoader.h"

#include <QFile>
#include <QHash>
#include <QUrl>

#include <optional>
#include <sys/stat.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
// The last time the trips and their files can write (four-digit years).
constexpr int kLastYear = 9999;

using FileId = std::pair<quint64, quint64>;

std::optional<FileId> fileId(const QString &path)
{
    struct stat status = {};
    if (::stat(LocalPath::encode(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return FileId{quint64(status.st_dev), quint64(status.st_ino)};
}

TripRecording withoutTrack(const QString &path)
{
    TripRecording recording;
    recording.path = path;
    recording.start = RecordingTime::fromFileName(path).value_or(QDateTime());
    recording.kind = TripRecording::kindOf(path);
    return recording;
}

// The listed PATHS whose names can place them in time; the others noted in SKIPPED.
QStringList usableNames(const QStringList &paths, QList<CardTrips::Skipped> &skipped)
{
    QStringList usable;
    for (const QString &path : paths) {
        if (const QString problem = CardTrips::nameProblem(path); !problem.isEmpty()) {
            skipped.append({path, problem});
        } else {
            usable.append(path);
        }
    }
    return usable;
}

// The track of PATH: the one already read for another link to the same file, else loaded and
// kept in TRACKS for the next.
RecordingSamples sharedTrack(const QString &path, const TrackCache *cache, const CardTrips::CancelCheck &cancelled,
                             QHash<FileId, RecordingSamples> &tracks)
{
    const std::optional<FileId> id = fileId(path);
    if (id) {
        if (const auto known = tracks.constFind(*id); known != tracks.constEnd()) {
            return *known;
        }
    }
    RecordingSamples track = TrackLoader::load(path, cache, cancelled);
    if (id) {
        tracks.insert(*id, track);
    }
    return track;
}
} // namespace

QString CardTrips::cardGoneText()
{
    return u"the card went away while its trips were read"_s;
}

QString CardTrips::nameProblem(const QString &path)
{
    // Such a name is listed by its bytes: the readers and the cache's key would take another file
    // for it, and its time cannot be trusted.
    if (!LocalPath::isLossless(path)) {
        return u"its name is not valid UTF-8"_s;
    }
    if (!RecordingTime::fromFileName(path)) {
        return u"its name gives no valid date and time"_s;
    }
    return {};
}

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
    TripRecording recording = withoutTrack(path);
    // A parking recording only ends the trip before it: its track is never needed.
    if (recording.kind != TripRecording::Kind::Parking) {
        recording.track = TrackLoader::load(path, cache, cancelled);
    }
    recording.durationMs = TripRecording::lengthMs(recording.track);
    return recording;
}

CardTrips::Card CardTrips::read(const QString &root, const TrackCache *cache, const Progress &progress,
                                const CancelCheck &cancelled)
{
    Card card;
    // The root as it was when the reading began: a card unmounted under it leaves an empty folder
    // of another device, a card removed leaves nothing.
    const std::optional<FileId> rootId = fileId(root);
    const auto cardGone = [&] {
        return !rootId || fileId(root) != rootId;
    };
    if (cardGone()) {
        card.failure = cardGoneText();
        return card;
    }
    const QStringList paths = TripBuilder::distinctRecordings(usableNames(recordingPaths(root), card.skipped));
    card.recordings.reserve(paths.size());
    // Links to one file are one recording on the card: read once, the track shared.
    QHash<FileId, RecordingSamples> tracks;
    qsizetype done = 0;
    for (const QString &path : paths) {
        if (cancelled && cancelled()) {
            return {};
        }
        TripRecording recording = withoutTrack(path);
        // A parking recording only ends the trip before it: its track is never needed.
        if (recording.kind != TripRecording::Kind::Parking) {
            recording.track = sharedTrack(path, cache, cancelled, tracks);
        }
        recording.durationMs = TripRecording::lengthMs(recording.track);
        if (cancelled && cancelled()) {
            return {};
        }
        // A recording that failed to read because its card is gone is not a recording without a
        // track: the whole reading failed.
        if (cardGone()) {
            return {{}, {}, cardGoneText()};
        }
        if (recording.end().date().year() > kLastYear) {
            card.skipped.append({path, u"its time runs past the year %1"_s.arg(kLastYear)});
        } else {
            card.recordings.append(std::move(recording));
        }
        if (progress) {
            progress(++done, paths.size());
        }
    }
    return card;
}

QList<TripRecording> CardTrips::load(const QString &root, const TrackCache *cache, const Progress &progress,
                                     const CancelCheck &cancelled)
{
    return read(root, cache, progress, cancelled).recordings;
}
