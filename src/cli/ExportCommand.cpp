#include "ExportCommand.h"

#include "CliOutput.h"
#include "SensorOutput.h"
#include "core/AtomicFileWriter.h"
#include "core/LocalPath.h"
#include "core/RegularFileReader.h"
#include "recording/SampleClock.h"
#include "recording/TrackCache.h"
#include "trips/CardTrips.h"
#include "trips/TripBuilder.h"
#include "trips/TripExport.h"

#include "sensor/GrowingTrack.h"
#include "sensor/QB62SrtReader.h"
#include "sensor/QuickTrackReader.h"
#include "sensor/SensorFile.h"
#include "sensor/TrackExport.h"
#include "settings/zone/CardClockZone.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonObject>

#include <algorithm>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// What an export writes and what it says about it once written.
struct Export
{
    QByteArray bytes;
    QJsonObject summary;
    // Why the recording could not be read; empty when it was.
    QString problem;
    // Where a failing card stopped the reading, when it did: the export holds the samples before.
    QString warning;
};

// The whole track of PATH, however long the recording runs (the player keeps 650 samples): a
// subtitle file extracted from an MP4 (known by its extension alone, as the player knows it), an
// MP4's own subtitle samples, or an AVI's sensor records (the KRV cameras' reader when KRV).
// PROBLEM receives why the file cannot be read, when it cannot; WARNING where reading stopped,
// when a failing card stopped it after some samples.
GrowingTrack wholeTrack(const QString &path, bool krv, QString &problem, QString &warning)
{
    const QString openable = LocalPath::openable(path);
    GrowingTrack track(GrowingTrack::capacityFor(QFileInfo(openable).size()));
    if (!krv && QFileInfo(path).suffix() == u"srt"_s) {
        const int samples = QB62SrtReader::readFile(openable, track);
        track.setClipDataCount(quint32(samples));
        if (samples == 0 && !RegularFileReader::readWhole(openable, SensorFile::kMaxSubtitleFileBytes, &problem)) {
            return track;
        }
    } else {
        const QuickTrackReader::Result result = SensorOutput::readQuick(path, krv, track);
        problem = SensorOutput::readProblem(path, result);
        if (problem.isEmpty() && result.stoppedAt >= 0) {
            warning = path + u": "_s + result.note;
        }
    }
    return track;
}

QList<qint64> fixTimes(const GrowingTrack &track)
{
    QList<qint64> times;
    times.reserve(track.samples().size());
    for (const GrowingTrack::Sample &sample : track.samples()) {
        times.append(sample.fixTime);
    }
    return times;
}

// The file of one recording, PATH.
Export recordingExport(const QString &format, const QString &path, const QString &card, bool krv)
{
    Export result;
    const GrowingTrack track = wholeTrack(path, krv, result.problem, result.warning);
    if (!result.problem.isEmpty()) {
        return result;
    }
    const QString name = QFileInfo(path).fileName();
    const TrackTimes times = SampleClock::times(path, CardClockZone::forRecording(path, card), fixTimes(track));
    if (format == u"csv") {
        result.bytes = TrackExport::csv(track, TrackExport::WholeTrack, times);
    } else {
        const QList<TrackExport::Segment> segments{TrackExport::segment(track, name, TrackExport::WholeTrack, times)};
        result.bytes = format == u"gpx"   ? TrackExport::gpx(name, segments)
                       : format == u"kml" ? TrackExport::kml(name, segments)
                                          : TrackExport::geoJson(segments);
    }
    const qsizetype samples = track.samples().size();
    const int points = format == u"csv" ? int(samples) : TrackExport::fixCount(track);
    result.summary = {{u"samples"_s, qint64(samples)}, {u"points"_s, points}, {u"clock"_s, times.clockName()}};
    return result;
}

// The file of trip NUMBER (from 1) of the card in ROOT; nothing when the card has no such trip.
std::optional<Export> tripExport(const QString &format, const QString &root, int number, const QString &card,
                                 bool noCache)
{
    const TrackCache cache(noCache ? QString() : TrackCache::defaultFolder());
    const QList<TripRecording> recordings = CardTrips::load(root, &cache);
    const QList<Trip> trips = TripBuilder::build(recordings, TripBuilder::Options{});
    if (number < 1 || number > trips.size()) {
        return std::nullopt;
    }
    const Trip &trip = trips[number - 1];
    const QList<TrackExport::Segment> segments = TripExport::segments(trip, recordings, card);
    const QString name = TripExport::name(trip);
    Export result;
    if (format == u"gpx") {
        result.bytes = TrackExport::gpx(name, segments);
    } else if (format == u"kml") {
        result.bytes = TrackExport::kml(name, segments);
    } else {
        result.bytes = TrackExport::geoJson(segments);
    }
    qint64 samples = 0;
    qint64 points = 0;
    QStringList clocks;
    for (const TrackExport::Segment &segment : segments) {
        samples += segment.samples;
        points += segment.points.size();
        if (!clocks.contains(segment.times.clockName())) {
            clocks.append(segment.times.clockName());
        }
    }
    result.summary = {{u"trip"_s, number},
                      {u"recordings"_s, trip.recordings.size()},
                      {u"segments"_s, segments.size()},
                      {u"samples"_s, samples},
                      {u"points"_s, points},
                      {u"clock"_s, clocks.size() == 1 ? clocks.constFirst() : clocks.join(u',')}};
    return result;
}
// Whether TARGET is one of the recordings of the card in ROOT.
bool isRecordingOf(const QString &root, const QFileInfo &target)
{
    const QString canonical = target.canonicalFilePath();
    const QStringList recordings = CardTrips::recordingPaths(QFileInfo(root).absoluteFilePath());
    return std::ranges::any_of(
        recordings, [&canonical](const QString &path) { return QFileInfo(path).canonicalFilePath() == canonical; });
}
} // namespace

int ExportCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringList{u"o"_s, u"output"_s}, u"write to FILE"_s, u"FILE"_s);
    const QCommandLineOption krvOption(u"krv"_s, u"read with the KRV cameras' reader"_s);
    const QCommandLineOption cardOption(u"card"_s,
                                        u"the camera card the recording came from, for its clock's time zone "
                                        u"(default: looked for in the recording's folder and the two above)"_s,
                                        u"ROOT"_s);
    const QCommandLineOption tripOption(
        u"trip"_s, u"export trip N (from 1, as \"trips\" numbers them) of the card in ROOT"_s, u"N"_s);
    const QCommandLineOption noCacheOption(u"no-cache"_s, u"with --trip: read every track, keep none"_s);
    parser.addOptions({outputOption, krvOption, cardOption, tripOption, noCacheOption});
    parser.addPositionalArgument(u"FORMAT"_s, u"csv, gpx, kml or geojson"_s);
    parser.addPositionalArgument(u"PATH"_s, u"recording or subtitle file; with --trip the card's folder"_s);
    if (!parser.parse(QStringList{u"export"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 2) {
        return io.usageError(u"export takes a FORMAT (csv, gpx, kml or geojson) and one PATH"_s);
    }
    const QString format = parser.positionalArguments().at(0);
    if (format != u"csv" && format != u"gpx" && format != u"kml" && format != u"geojson") {
        return io.usageError(u"unknown export format \""_s + format + u"\" (known: csv, gpx, kml, geojson)"_s);
    }
    const bool wholeTrip = parser.isSet(tripOption);
    bool isNumber = false;
    const int tripNumber = parser.value(tripOption).toInt(&isNumber);
    if (wholeTrip && (!isNumber || tripNumber < 1)) {
        return io.usageError(u"--trip needs a trip's number, from 1: "_s + parser.value(tripOption));
    }
    if (wholeTrip && format == u"csv") {
        return io.usageError(u"a whole trip is exported as gpx, kml or geojson, not csv"_s);
    }
    const QString path = parser.positionalArguments().at(1);
    if (wholeTrip) {
        if (const QFileInfo root(path); !root.isDir() || !root.isReadable()) {
            return io.inputError(u"cannot read the folder \""_s + path + u'"');
        }
    } else if (const QString problem = SensorOutput::inputProblem(path); !problem.isEmpty()) {
        return io.inputError(problem);
    }
    const QString card = parser.value(cardOption);
    if (parser.isSet(cardOption) && !QFileInfo(card).isDir()) {
        return io.usageError(u"--card needs the card's folder: "_s + card);
    }
    const QString output = parser.value(outputOption);
    if (parser.isSet(outputOption)) {
        if (output.isEmpty()) {
            return io.usageError(u"-o needs a FILE"_s);
        }
        const QFileInfo target(output);
        if (target.exists() && target.canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
            return io.usageError(u"refusing to write the export over the recording itself: "_s + output);
        }
        if (wholeTrip && target.exists() && isRecordingOf(path, target)) {
            return io.usageError(u"refusing to write the export over a recording of the card: "_s + output);
        }
        if (target.isDir() && !target.isSymLink()) {
            return io.usageError(u"is a folder: "_s + output);
        }
        // A pipe, device or link named as the output is never replaced by a plain file.
        if (const QString problem = AtomicFileWriter::targetProblem(output); !problem.isEmpty()) {
            return io.usageError(u"refusing to replace the output: "_s + problem);
        }
    }

    std::optional<Export> result;
    if (wholeTrip) {
        result = tripExport(format, QFileInfo(path).absoluteFilePath(), tripNumber, card, parser.isSet(noCacheOption));
        if (!result) {
            return io.usageError(u"the card in "_s + path + u" has no trip "_s + QString::number(tripNumber) +
                                 u" (\"velmora-cli trips\" lists its trips)"_s);
        }
    } else {
        result = recordingExport(format, path, card, parser.isSet(krvOption));
        if (!result->problem.isEmpty()) {
            return io.inputError(result->problem);
        }
        if (!result->warning.isEmpty()) {
            io.err() << u"velmora-cli: "_s << result->warning << Qt::endl;
        }
    }
    const QByteArray &bytes = result->bytes;

    if (!parser.isSet(outputOption)) {
        io.out() << QString::fromUtf8(bytes);
        io.out().flush();
        return CliOutput::Success;
    }
    if (QString error; !AtomicFileWriter::writeFile(output, bytes, &error)) {
        return io.inputError(u"cannot write "_s + output + u": "_s + error);
    }
    QJsonObject summary = result->summary;
    summary.insert(u"format"_s, format);
    summary.insert(u"output"_s, output);
    return io.printJson(summary);
}
