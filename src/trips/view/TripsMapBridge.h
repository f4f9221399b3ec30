#pragma once

#include <QObject>

// The one object the trips' map page sees (through the web channel, as "trips"): it hears which
// route point or event marker was clicked and says so to the view's controller. Nothing else of
// the program is within the page's reach.
class TripsMapBridge : public QObject
{
    Q_OBJECT

public:
    explicit TripsMapBridge(QObject *parent = nullptr);

    // A click at (LAT, LNG) on the route of the trip in ROW.
    Q_INVOKABLE void routeClicked(int row, double lat, double lng);
    // A click on hard event EVENT of the trip in ROW.
    Q_INVOKABLE void eventClicked(int row, int event);

Q_SIGNALS:
    void routePointClicked(int row, double lat, double lng);
    void eventMarkerClicked(int row, int event);
};
