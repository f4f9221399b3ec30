#pragma once

#include <QString>

#include <optional>

// The stretch of a recording an incident report covers: from BEFORE seconds before the moment AT
// to AFTER seconds after it, clipped to the recording (0 to its duration). Sample i of the sensor
// track stands for play time i/10 s up to (i+1)/10 s; the window's samples are those whose time
// overlaps it.
class IncidentWindow
{
public:
    static constexpr double DefaultBefore = 15.0;
    static constexpr double DefaultAfter = 15.0;

    // The window around AT, clipped to a recording of DURATION seconds; AT itself is moved into
    // what is left. Absent, with WHY said for the user, when nothing of it lies in the recording or
    // a number is not a finite time of 0 or more.
    // An empty window at 0 s.
    IncidentWindow() = default;

    static std::optional<IncidentWindow> clipped(double at, double before, double after, double duration,
                                                 QString *why = nullptr);

    double at() const { return m_at; }
    double from() const { return m_from; }
    double to() const { return m_to; }
    double length() const { return m_to - m_from; }

    // The first sample of the window and the one after its last.
    int firstSample() const;
    int endSample() const;

private:
    IncidentWindow(double at, double from, double to) : m_at(at), m_from(from), m_to(to) {}

    double m_at = 0.0;
    double m_from = 0.0;
    double m_to = 0.0;
};
