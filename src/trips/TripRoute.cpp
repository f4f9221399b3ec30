#include "TripRoute.h"

#include <cmath>
#include <numbers>

double TripRoute::greatCircleMeters(Point a, Point b)
{
    const double toRadians = std::numbers::pi / 180.0;
    const double dLat = (b.lat - a.lat) * toRadians;
    const double dLng = (b.lng - a.lng) * toRadians;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) + std::cos(a.lat * toRadians) *
                                                                   std::cos(b.lat * toRadians) * std::sin(dLng / 2) *
                                                                   std::sin(dLng / 2);
    return 2 * kEarthRadiusMeters * std::asin(std::min(1.0, std::sqrt(h)));
}

void TripRoute::take(qint64 timeMs, Point point, quint32 speedKmh)
{
    m_anchor = point;
    m_anchorTimeMs = timeMs;
    m_points.append(point);
    m_topSpeed = std::max(m_topSpeed, speedKmh);
    m_rejectedInARow = 0;
}

void TripRoute::addFix(qint64 timeMs, Point point, quint32 speedKmh)
{
    if (!m_anchor) {
        take(timeMs, point, speedKmh);
        return;
    }
    if (point.lat == m_anchor->lat && point.lng == m_anchor->lng) {
        // The same position again (ten samples share a second's fix): nothing moved.
        return;
    }
    const double meters = greatCircleMeters(*m_anchor, point);
    const double seconds = double(timeMs - m_anchorTimeMs) / 1000.0;
    const double kmh = seconds > 0 ? meters / seconds * 3.6 : INFINITY;
    if (kmh <= kMaxKmh) {
        m_meters += meters;
        take(timeMs, point, speedKmh);
        return;
    }
    ++m_glitches;
    if (++m_rejectedInARow >= kReanchorFixes) {
        take(timeMs, point, speedKmh);
    }
}
