#include "TripMoments.h"

#include <cmath>
#include <limits>

std::optional<TripMoments::Moment> TripMoments::nearest(const Trip &trip, const QList<TripRecording> &recordings,
                                                        TripRoute::Point point)
{
    std::optional<Moment> best;
    double bestMeters = std::numeric_limits<double>::infinity();
    for (const qsizetype r : trip.recordings) {
        const QList<RecordingSamples::Sample> &samples = recordings[r].track.samples;
        for (qsizetype s = 0; s < samples.size(); ++s) {
            if (!samples[s].hasFix()) {
                continue;
            }
            const double meters = TripRoute::greatCircleMeters({samples[s].lat, samples[s].lng}, point);
            if (meters < bestMeters) {
                bestMeters = meters;
                best = Moment{r, double(s) / 10.0};
            }
        }
    }
    return best;
}

std::optional<TripRoute::Point> TripMoments::position(const TripRecording &recording, double seconds)
{
    const QList<RecordingSamples::Sample> &samples = recording.track.samples;
    if (!(seconds >= 0) || samples.isEmpty()) {
        return std::nullopt;
    }
    for (qsizetype s = qMin<qsizetype>(qsizetype(std::floor(seconds * 10)), samples.size() - 1); s >= 0; --s) {
        if (samples[s].hasFix()) {
            return TripRoute::Point{samples[s].lat, samples[s].lng};
        }
    }
    return std::nullopt;
}
