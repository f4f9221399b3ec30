#include "TripBuilder.h"

#include "core/PartnerName.h"
#include "recording/RecordingTime.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <limits>
#include <numeric>

using namespace Qt::StringLiterals;

QStringList TripBuilder::distinctRecordings(const QStringList &paths)
{
    const QSet<QString> listed(paths.cbegin(), paths.cend());
    QSet<QString> namesOutsideSaved;
    for (const QString &path : paths) {
        if (!path.contains(u"/Saved_Videos/"_s)) {
            namesOutsideSaved.insert(QFileInfo(path).fileName());
        }
    }
    QStringList distinct;
    for (const QString &path : paths) {
        const QString front = PartnerName::replaceInFileName(path, u"R.", u"F.");
        if (!front.isNull() && front != path && listed.contains(front)) {
            continue;
        }
        if (path.contains(u"/Saved_Videos/"_s) && namesOutsideSaved.contains(QFileInfo(path).fileName())) {
            continue;
        }
        if (!RecordingTime::fromFileName(path)) {
            continue;
        }
        distinct.append(path);
    }
    return distinct;
}

QList<Trip> TripBuilder::build(const QList<TripRecording> &recordings, const Options &options)
{
    QList<qsizetype> order(recordings.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return recordings[a].start < recordings[b].start ||
               (recordings[a].start == recordings[b].start && recordings[a].path < recordings[b].path);
    });
    QList<Trip> trips;
    bool open = false;
    for (const qsizetype i : std::as_const(order)) {
        const TripRecording &recording = recordings[i];
        if (recording.kind == TripRecording::Kind::Parking) {
            open = false;
            continue;
        }
        if (!open || recording.start > trips.last().end.addSecs(options.gapSeconds)) {
            Trip trip;
            trip.index = int(trips.size()) + 1;
            trip.start = recording.start;
            trip.end = recording.end();
            trips.append(trip);
            open = true;
        }
        Trip &trip = trips.last();
        trip.recordings.append(i);
        trip.end = std::max(trip.end, recording.end());
    }
    for (Trip &trip : trips) {
        measure(trip, recordings, options);
    }
    return trips;
}

void TripBuilder::measure(Trip &trip, const QList<TripRecording> &recordings, const Options &options)
{
    TripRoute route;
    HardEvents jolts(options.thresholdG);
    qint64 latestMs = std::numeric_limits<qint64>::min();
    for (const qsizetype r : std::as_const(trip.recordings)) {
        const TripRecording &recording = recordings[r];
        const QList<RecordingSamples::Sample> &samples = recording.track.samples;
        const qint64 startMs = recording.start.toMSecsSinceEpoch();
        for (qsizetype s = 0; s < samples.size(); ++s) {
            const RecordingSamples::Sample &sample = samples[s];
            const qint64 timeMs = startMs + s * 100;
            const double g = HardEvents::magnitudeG(sample.gx, sample.gy, sample.gz);
            jolts.addSample(timeMs, g, r, s);
            if (timeMs <= latestMs) {
                continue;
            }
            latestMs = timeMs;
            if (sample.hasFix()) {
                route.addFix(timeMs, {sample.lat, sample.lng}, sample.speed);
            }
        }
    }
    trip.meters = route.meters();
    trip.topSpeedKmh = route.topSpeedKmh();
    trip.route = route.points();
    trip.events = jolts.events();
    for (const TripRoute::Point &point : std::as_const(trip.route)) {
        if (!trip.bounds) {
            trip.bounds = Trip::Box{point.lat, point.lng, point.lat, point.lng};
        }
        trip.bounds->south = std::min(trip.bounds->south, point.lat);
        trip.bounds->north = std::max(trip.bounds->north, point.lat);
        trip.bounds->west = std::min(trip.bounds->west, point.lng);
        trip.bounds->east = std::max(trip.bounds->east, point.lng);
    }
}
