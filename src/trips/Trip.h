#pragma once

#include "HardEvents.h"
#include "TripRoute.h"

#include <QDateTime>
#include <QList>

#include <optional>

// One drive: recordings that follow each other closely, with what they add up to.
struct Trip
{
    struct Box
    {
        double south = 0;
        double west = 0;
        double north = 0;
        double east = 0;
    };

    // From 1, in time order.
    int index = 0;
    QDateTime start;
    QDateTime end;
    double meters = 0;
    quint32 topSpeedKmh = 0;
    // Indexes into the recordings the trips were built from, in time order.
    QList<qsizetype> recordings;
    // The hard jolts; Event::recording indexes the recordings the trips were built from.
    QList<HardEvents::Event> events;
    // The route as drawn (jumps of the receiver left out).
    QList<TripRoute::Point> route;
    // The route's extent; none without a fix.
    std::optional<Box> bounds;

    qint64 seconds() const { return start.secsTo(end); }
};
