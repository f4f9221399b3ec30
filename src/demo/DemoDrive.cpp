#include "DemoDrive.h"

#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
// Where the drive starts: a city centre.
constexpr double StartLat = 37.5663;
constexpr double StartLng = 126.9779;
constexpr double MetresPerDegreeLat = 111320.0;
constexpr double CountsPerG = 128.0;
constexpr double Gravity = 9.81;

// The speed at time T seconds into the drive: pulling away, cruising, slowing for a light, again.
double speedAt(double t)
{
    const double phase = std::fmod(t, 60.0);
    if (phase < 12) {
        return 4.0 * phase; // up to 48 km/h
    }
    if (phase < 40) {
        return 48.0 + 4.0 * std::sin((phase - 12) / 28 * M_PI);
    }
    if (phase < 50) {
        return 48.0 - 4.8 * (phase - 40); // down to 0
    }
    return 0.0;
}

// The heading: a gentle curve to the right and back.
double headingAt(double t)
{
    return 60.0 + 25.0 * std::sin(t / 45.0 * M_PI);
}

// A small, repeatable road vibration for sample I.
int shake(int i, int amplitude)
{
    const unsigned int hash = (unsigned(i) * 2654435761u) >> 24;
    return int(hash % unsigned(2 * amplitude + 1)) - amplitude;
}
} // namespace

QList<DemoDrive::Sample> DemoDrive::drive(int startSecond, int seconds, bool jolt)
{
    QList<Sample> samples;
    double lat = StartLat;
    double lng = StartLng;
    const double step = 1.0 / SamplesPerSecond;
    // Travel from the start of the drive up to STARTSECOND, then record.
    const int first = startSecond * SamplesPerSecond;
    const int last = first + seconds * SamplesPerSecond;
    const int joltAt = first + seconds * SamplesPerSecond * 2 / 3;
    for (int i = 0; i < last; ++i) {
        const double t = i * step;
        double speed = speedAt(t);
        const double heading = headingAt(t);
        double forward = (speedAt(t + step) - speed) / 3.6 / step;        // m/s²
        double sideways = speed / 3.6 * (headingAt(t + step) - heading) / // v · dθ/dt
                          step * M_PI / 180.0;
        if (jolt && i >= joltAt && i < joltAt + 8) {
            forward = -7.5; // hard braking and a swerve
            sideways = (i - joltAt < 4 ? 1 : -1) * 4.0;
            speed *= 0.85;
        }
        const double metres = speed / 3.6 * step;
        lat += metres * std::cos(qDegreesToRadians(heading)) / MetresPerDegreeLat;
        lng += metres * std::sin(qDegreesToRadians(heading)) / (MetresPerDegreeLat * std::cos(qDegreesToRadians(lat)));
        if (i < first) {
            continue;
        }
        Sample sample;
        sample.lat = lat;
        sample.lng = lng;
        sample.speedKmh = speed;
        sample.heading = heading;
        sample.x = int(std::lround(forward / Gravity * CountsPerG)) + shake(i, 2);
        sample.y = int(std::lround(sideways / Gravity * CountsPerG)) + shake(i + 7, 2);
        sample.z = shake(i + 13, speed > 0 ? 4 : 1);
        samples.append(sample);
    }
    return samples;
}

QList<DemoDrive::Sample> DemoDrive::parked(int seconds)
{
    QList<Sample> samples;
    for (int i = 0; i < seconds * SamplesPerSecond; ++i) {
        Sample sample;
        sample.lat = StartLat;
        sample.lng = StartLng;
        sample.x = shake(i, 1);
        sample.y = shake(i + 3, 1);
        sample.z = shake(i + 5, 1);
        samples.append(sample);
    }
    return samples;
}

QString DemoDrive::nmeaLatitude(double degrees)
{
    const double value = std::abs(degrees);
    const int whole = int(value);
    return u"%1%2"_s.arg(whole, 2, 10, QLatin1Char('0')).arg((value - whole) * 60.0, 7, 'f', 4, QLatin1Char('0'));
}

QString DemoDrive::nmeaLongitude(double degrees)
{
    const double value = std::abs(degrees);
    const int whole = int(value);
    return u"%1%2"_s.arg(whole, 3, 10, QLatin1Char('0')).arg((value - whole) * 60.0, 7, 'f', 4, QLatin1Char('0'));
}

QString DemoDrive::nmeaKnots(double kmh)
{
    return QString::number(kmh / 1.852, 'f', 2);
}

QString DemoDrive::nmeaTime(int second)
{
    const int total = 8 * 3600 + 14 * 60 + second;
    return u"%1%2%3.00"_s.arg(total / 3600, 2, 10, QLatin1Char('0'))
        .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}
