#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A short drive through the city, sampled ten times a second: where the car is, how fast it goes
// and what the acceleration sensor measures. The demo card's recordings carry parts of it in each
// camera's own sensor format. Everything is computed, so the same drive comes out every time.
class DemoDrive
{
public:
    struct Sample
    {
        double lat = 0;      // degrees, north positive
        double lng = 0;      // degrees, east positive
        double speedKmh = 0; // km/h
        double heading = 0;  // degrees clockwise from north
        int x = 0;           // acceleration in counts, 128 = 1 g: forward
        int y = 0;           // sideways
        int z = 0;           // up and down, around 0 (gravity removed)
    };

    static constexpr int SamplesPerSecond = 10;

    // SECONDS of driving starting at START seconds into the drive; with JOLT a hard brake and
    // swerve two thirds of the way through (an impact event). A car that is parked stays where it
    // is with the engine's shake only.
    static QList<Sample> drive(int startSecond, int seconds, bool jolt = false);
    static QList<Sample> parked(int seconds);

    // NMEA forms: "ddmm.mmmm" (latitude) or "dddmm.mmmm" (longitude) without sign, the hemisphere
    // letter, and the speed in knots.
    static QString nmeaLatitude(double degrees);
    static QString nmeaLongitude(double degrees);
    static QString nmeaKnots(double kmh);
    // "hhmmss.00" for SECOND seconds after 08:14:00.
    static QString nmeaTime(int second);
};
