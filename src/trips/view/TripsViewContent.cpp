#include "TripsViewContent.h"

#include "TripsMapScript.h"
#include "TripsViewModel.h"

TripsViewContent TripsViewContent::make(const QList<Trip> &trips, const QList<TripRecording> &recordings)
{
    return TripsViewContent{TripsViewModel::absolutePaths(recordings), TripsMapScript::showTrips(trips, recordings)};
}
