#include "TripsCommand.h"

#include "CliOutput.h"
#include "core/LocalPath.h"
#include "recording/TrackCache.h"
#include "trips/CardTrips.h"
#include "trips/TripBuilder.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
QString timeText(const QDateTime &time)
{
    return time.toString(u"yyyy-MM-ddTHH:mm:ss"_s);
}

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QJsonObject recordingJson(const TripRecording &recording)
{
    return {{u"path"_s, recording.path},
            {u"start"_s, timeText(recording.start)},
            {u"seconds"_s, rounded(double(recording.durationMs) / 1000.0, 1)},
            {u"kind"_s, TripRecording::kindName(recording.kind)},
            {u"samples"_s, recording.track.samples.size()},
            {u"read"_s, recording.track.route}};
}

QJsonObject tripJson(const Trip &trip, const QList<TripRecording> &recordings)
{
    QJsonArray members;
    for (const qsizetype r : trip.recordings) {
        members.append(recordingJson(recordings[r]));
    }
    QJsonArray events;
    for (const HardEvents::Event &event : trip.events) {
        events.append(QJsonObject{{u"recording"_s, recordings[event.recording].path},
                                  {u"at"_s, rounded(double(event.sample) / 10.0, 1)},
                                  {u"g"_s, rounded(event.g, 3)}});
    }
    QJsonValue bbox = QJsonValue::Null;
    if (trip.bounds) {
        bbox = QJsonArray{trip.bounds->south, trip.bounds->west, trip.bounds->north, trip.bounds->east};
    }
    return {{u"index"_s, trip.index},
            {u"start"_s, timeText(trip.start)},
            {u"end"_s, timeText(trip.end)},
            {u"seconds"_s, trip.seconds()},
            {u"meters"_s, rounded(trip.meters, 1)},
            {u"topSpeed"_s, qint64(trip.topSpeedKmh)},
            {u"recordings"_s, members},
            {u"events"_s, events},
            {u"bbox"_s, bbox}};
}
} // namespace

int TripsCommand::run(const QStringList &arguments, CliOutput &io)
{
    QCommandLineParser parser;
    const QCommandLineOption gapOption(u"gap"_s, u"the longest pause within a trip"_s, u"SECONDS"_s,
                                       QString::number(TripBuilder::kDefaultGapSeconds));
    const QCommandLineOption noCacheOption(u"no-cache"_s, u"read every track, keep none"_s);
    parser.addOption(gapOption);
    parser.addOption(noCacheOption);
    if (!parser.parse(QStringList{u"trips"_s} + arguments)) {
        return io.usageError(parser.errorText());
    }
    if (parser.positionalArguments().size() != 1) {
        return io.usageError(u"trips takes exactly one ROOT folder"_s);
    }
    bool isNumber = false;
    const qint64 gap = parser.value(gapOption).toLongLong(&isNumber);
    if (!isNumber || gap < 0 || gap > 7 * 24 * 3600) {
        return io.usageError(u"--gap must be a number of seconds from 0 to 604800"_s);
    }
    const QFileInfo root(parser.positionalArguments().constFirst());
    if (!root.isDir() || !root.isReadable()) {
        return io.inputError(u"cannot read the folder \""_s + root.filePath() + u'"');
    }
    const TrackCache cache(parser.isSet(noCacheOption) ? QString() : TrackCache::defaultFolder());
    const CardTrips::Card card = CardTrips::read(root.absoluteFilePath(), &cache);
    if (!card.failure.isEmpty()) {
        return io.inputError(card.failure + u": \""_s + root.filePath() + u'"');
    }
    TripBuilder::Options options;
    options.gapSeconds = gap;
    QJsonArray trips;
    for (const Trip &trip : TripBuilder::build(card.recordings, options)) {
        trips.append(tripJson(trip, card.recordings));
    }
    QJsonArray skipped;
    for (const CardTrips::Skipped &left : card.skipped) {
        skipped.append(QJsonObject{{u"path"_s, LocalPath::displayText(left.path)}, {u"reason"_s, left.reason}});
    }
    return io.printJson(QJsonObject{{u"trips"_s, trips}, {u"skipped"_s, skipped}});
}
