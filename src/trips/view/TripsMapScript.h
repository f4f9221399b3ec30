#pragma once

#include "trips/Trip.h"
#include "trips/TripRecording.h"
#include "trips/TripRoute.h"

#include <QList>
#include <QString>

class TripsViewModel;

// The texts of the script calls the trips' map page (resources/map/tripsview.html) understands.
// Numbers are written with six decimals and a "." whatever the user's locale, latitude before
// longitude, as Leaflet takes them.
class TripsMapScript
{
public:
    // Route points closer than this to the last one drawn add nothing to the eye: a week's card
    // holds millions of fixes ten times a second.
    static constexpr double kMinStepMeters = 5.0;

    // "initialize()": sets the page up once it has loaded.
    static QString initialize();
    // "showTrips([{row, colour, points: [[lat, lng], …], events: [[lat, lng, event], …]}, …])":
    // every trip of MODEL drawn in its colour with its hard events, the map fitted to all of them.
    // Events without a fix have no marker.
    static QString showTrips(const TripsViewModel &model);
    // The same for TRIPS (the model's rows, in order) of RECORDINGS, without a model: what the
    // trips' worker makes before handing a build to the window.
    static QString showTrips(const QList<Trip> &trips, const QList<TripRecording> &recordings);
    // "selectTrip(row, south, west, north, east)": the trip in ROW drawn over the others and the
    // map fitted to its extent; "selectTrip(row)" for a trip without a fix.
    static QString selectTrip(const TripsViewModel &model, int row);
    // "showPosition(lat, lng)": the playing recording's car.
    static QString showPosition(TripRoute::Point point);
    // "hidePosition()": nothing plays, or the playing recording is in no trip or has no fix yet.
    static QString hidePosition();
    // ROUTE as "[[lat,lng],…]", leaving out points closer than kMinStepMeters to the last one
    // written (the last point of the route is always written).
    static QString routePoints(const QList<TripRoute::Point> &route);
};
