#include "TripsMapBridge.h"

#include <cmath>

TripsMapBridge::TripsMapBridge(QObject *parent) : QObject(parent)
{
}

void TripsMapBridge::routeClicked(int row, double lat, double lng)
{
    // The page is not trusted with numbers: a click off the Earth means nothing.
    if (!std::isfinite(lat) || !std::isfinite(lng) || std::abs(lat) > 90.0 || std::abs(lng) > 180.0) {
        return;
    }
    Q_EMIT routePointClicked(row, lat, lng);
}

void TripsMapBridge::eventClicked(int row, int event)
{
    Q_EMIT eventMarkerClicked(row, event);
}
