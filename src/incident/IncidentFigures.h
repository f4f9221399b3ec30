#pragma once

#include "IncidentWindow.h"

#include <QJsonObject>
#include <QList>

#include <optional>

class VexoClipData;

// What a report says about the window of a recording, from its sensor track: the strongest jolt
// (the largest magnitude of the acceleration vector and when it happened), the top speed, and the
// positions with a fix, first and last. Samples outside the window, or beyond the track, play no
// part; a window without samples has no peak, and one without a fix no speed or positions.
class IncidentFigures
{
public:
    // 128 acceleration counts are 1 g.
    static constexpr double CountsPerG = 128.0;

    struct Peak
    {
        int index = 0;
        double g = 0.0;  // magnitude of (gx, gy, gz) in g
        double at = 0.0; // play time of the sample, s
        int gx = 0;
        int gy = 0;
        int gz = 0;
    };

    struct Fix
    {
        int index = 0;
        double at = 0.0;
        float lat = 0.0f;
        float lng = 0.0f;
        quint32 speed = 0; // km/h
    };

    static IncidentFigures compute(const VexoClipData &track, const IncidentWindow &window);
    // The magnitude of an acceleration vector given in counts, in g.
    static double magnitude(int gx, int gy, int gz);
    // The sample with the largest magnitude in the whole track (the first of equals); absent for
    // an empty track.
    static std::optional<Peak> strongestSample(const VexoClipData &track);

    // The samples of the window the track holds (first, and the one after the last).
    int firstSample() const { return m_first; }
    int endSample() const { return m_end; }
    int sampleCount() const { return m_end - m_first; }
    bool hasSensorData() const { return sampleCount() > 0; }
    bool hasPosition() const { return !m_fixes.isEmpty(); }

    const std::optional<Peak> &peak() const { return m_peak; }
    // The highest speed among the samples with a fix, in km/h.
    std::optional<quint32> topSpeed() const;
    // Every sample of the window with a fix, in order: the route of the window.
    const QList<Fix> &fixes() const { return m_fixes; }
    std::optional<Fix> start() const;
    std::optional<Fix> end() const;

    // {"peakG", "peakAt", "topSpeed", "start", "end"}: numbers, {"lat", "lng"} objects, or null
    // where the window has no such figure.
    QJsonObject json() const;
    // {"lat", "lng"} with the coordinates as stored.
    static QJsonObject positionJson(const Fix &fix);

private:
    int m_first = 0;
    int m_end = 0;
    std::optional<Peak> m_peak;
    QList<Fix> m_fixes;
};
