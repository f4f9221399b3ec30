#include "TripsMapScript.h"

#include "TripsViewModel.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {
QString latLng(TripRoute::Point point)
{
    return QString::asprintf("%f,%f", point.lat, point.lng);
}
} // namespace

QString TripsMapScript::initialize()
{
    return u"initialize()"_s;
}

QString TripsMapScript::routePoints(const QList<TripRoute::Point> &route)
{
    QString points = u"["_s;
    std::optional<TripRoute::Point> last;
    for (qsizetype i = 0; i < route.size(); ++i) {
        const TripRoute::Point point = route.at(i);
        const bool end = i + 1 == route.size();
        if (last && TripRoute::greatCircleMeters(*last, point) < kMinStepMeters && !end) {
            continue;
        }
        if (last) {
            points += u',';
        }
        points += u'[' + latLng(point) + u']';
        last = point;
    }
    return points + u']';
}

QString TripsMapScript::showTrips(const TripsViewModel &model)
{
    return showTrips(model.trips(), model.recordings());
}

QString TripsMapScript::showTrips(const QList<Trip> &trips, const QList<TripRecording> &recordings)
{
    QString script = u"showTrips(["_s;
    for (int row = 0; row < trips.size(); ++row) {
        const Trip &trip = trips.at(row);
        QString events;
        for (int event = 0; event < trip.events.size(); ++event) {
            if (const std::optional<TripRoute::Point> place = TripsViewModel::eventPlace(trip, recordings, event)) {
                events += (events.isEmpty() ? u"["_s : u",["_s) + latLng(*place) + u',' + QString::number(event) + u']';
            }
        }
        script += (row == 0 ? u""_s : u","_s) + u"{row:%1,colour:'%2',points:%3,events:[%4]}"_s.arg(row).arg(
                                                    TripsViewModel::colourOf(row), routePoints(trip.route), events);
    }
    return script + u"])"_s;
}

QString TripsMapScript::selectTrip(const TripsViewModel &model, int row)
{
    if (row < 0 || row >= model.rowCount()) {
        return u"selectTrip(-1)"_s;
    }
    const std::optional<Trip::Box> &box = model.trips().at(row).bounds;
    if (!box) {
        return u"selectTrip(%1)"_s.arg(row);
    }
    return u"selectTrip(%1,"_s.arg(row) +
           QString::asprintf("%f,%f,%f,%f)", box->south, box->west, box->north, box->east);
}

QString TripsMapScript::showPosition(TripRoute::Point point)
{
    return u"showPosition("_s + latLng(point) + u')';
}

QString TripsMapScript::hidePosition()
{
    return u"hidePosition()"_s;
}
