#pragma once

#include "trips/Trip.h"
#include "trips/TripRecording.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What the Trips view derives from a build before it can show it: the recordings' absolute paths
// (the model's lookups at every tick of the player) and the map's drawing of every trip. A large
// card's drawing is megabytes of text, so it is made on the trips' worker (TripsJob's finishing
// step) and the window only takes it.
struct TripsViewContent
{
    QStringList paths;
    // TripsMapScript::showTrips of the build's trips.
    QString mapScript;

    static TripsViewContent make(const QList<Trip> &trips, const QList<TripRecording> &recordings);
};

Q_DECLARE_METATYPE(TripsViewContent)
