#pragma once

#include <QList>

#include <optional>

// The distance of a trip along its fixes: great-circle steps between successive fixes, each taken
// only when it implies at most kMaxKmh from the time between them. A faster step is a jump of the
// receiver, not a drive, and is left out of the distance, the top speed and the drawn route; after
// kReanchorFixes such jumps in a row the receiver is believed again (the fix before them was the
// wrong one) and the route restarts from there without counting the jump.
class TripRoute
{
public:
    static constexpr double kMaxKmh = 300.0;
    static constexpr int kReanchorFixes = 10;
    static constexpr double kEarthRadiusMeters = 6371008.8;

    struct Point
    {
        double lat = 0;
        double lng = 0;
    };

    // Metres along the great circle between A and B (haversine, mean earth radius).
    static double greatCircleMeters(Point a, Point b);

    // One fix at TIME_MS (milliseconds on any one clock), with the speed the receiver gave (km/h).
    // Fixes come in time order.
    void addFix(qint64 timeMs, Point point, quint32 speedKmh);

    double meters() const { return m_meters; }
    // The highest speed among the fixes taken; 0 without any.
    quint32 topSpeedKmh() const { return m_topSpeed; }
    // The fixes taken, the route as drawn.
    const QList<Point> &points() const { return m_points; }
    // The fixes left out as jumps.
    int glitches() const { return m_glitches; }

private:
    void take(qint64 timeMs, Point point, quint32 speedKmh);

    QList<Point> m_points;
    std::optional<Point> m_anchor;
    qint64 m_anchorTimeMs = 0;
    double m_meters = 0;
    quint32 m_topSpeed = 0;
    int m_glitches = 0;
    int m_rejectedInARow = 0;
};
