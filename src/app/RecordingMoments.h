#pragma once

#include "recording/CardTimeZone.h"

#include "sensor/TrackTimes.h"

#include <QList>
#include <QString>

#include <optional>

class VexoClipData;

// What the viewer marks about moments of the recording it plays: where its hard jolts are (the
// Trips map's rule, HardEvents) and what the camera's clock read at a frame (SampleClock's times).
class RecordingMoments
{
public:
    // The play times in seconds of TRACK's hard jolts, in time order.
    static QList<double> hardEventSeconds(const VexoClipData &track);
    // The camera's date and time at SECONDS of play time, on two lines ("2026-12-07" and
    // "08:15:15"): UTC times shown on the camera's clock when ZONE is known, else marked "UTC".
    // Empty when TIMES has none.
    static QString cameraTimeText(const TrackTimes &times, const std::optional<CardTimeZone> &zone, double seconds);
};
