#include "CardTrips.h"

#include "TrackLoader.h"
#include "TripBuilder.h"
#include "incident/RecordingTime.h"
#include "library/RecordingLibrary.h"

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
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return FileId{quint64(status.st_dev), quint64(status.st_ino)};
}

// A name that does not decode as UTF-8 comes out of the listing with replacement characters: it
// no longer names the file on the card, and its time cannot be trusted.
bool decodesCleanly(const QString &path)
{
    return QFile::decodeName(QFile::encodeName(path)) == path && !path.contains(QChar::ReplacementCharacter);
}
TripRecording withoutTrack(const QString &path)
{
    TripRecording recording;
    recording.path = path;
    recording.start = RecordingTime::fromFileName(path).value_or(QDateTime());
    recording.kind = TripRecording::kindOf(path);
    return recording;
}
} // namespace

QString CardTrips::cardGoneText()
{
    return u"the card went away while its trips were read"_s;
}

QString CardTrips::nameProblem(const QString &path)
{
    if (!decodesCleanly(path)) {
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
    QStringList named;
    for (const QString &path : recordingPaths(root)) {
        if (const QString problem = nameProblem(path); !problem.isEmpty()) {
            card.skipped.append({path, problem});
        } else {
            named.append(path);
        }
    }
    const QStringList paths = TripBuilder::distinctRecordings(named);
    card.recordings.reserve(paths.size());
    // Links to one file are one recording on the card: read once, the track shared.
    QHash<FileId, RecordingSamples> tracks;
    qsizetype done = 0;
    for (const QString &path : paths) {
        if (cancelled && cancelled()) {
            return {};
        }
        const std::optional<FileId> id = fileId(path);
        TripRecording recording = withoutTrack(path);
        const auto known = id ? tracks.constFind(*id) : tracks.constEnd();
        if (recording.kind != TripRecording::Kind::Parking && known != tracks.constEnd()) {
            recording.track = *known;
        } else if (recording.kind != TripRecording::Kind::Parking) {
            recording.track = TrackLoader::load(path, cache, cancelled);
            if (id) {
                tracks.insert(*id, recording.track);
            }
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
