#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The ffmpeg runs that cut an incident's clips from the files the viewer plays, and take its
// still. The clips are stream copies: nothing is re-encoded, so they keep the camera's picture
// and take a moment to make. A stream copy can only begin on a keyframe; ffmpeg begins at the
// last keyframe at or before the window's start and marks the lead-in frames as not shown (an edit
// list), so a player starts at the window's start and the file is at most one keyframe interval
// longer than the window.
class IncidentClips
{
public:
    // Picture and sound of INPUT from FROM for LENGTH seconds into OUTPUT (a ".mov" file).
    static QStringList cutArguments(const QString &input, double from, double length, const QString &output);
    // The frame of INPUT shown at AT seconds as a PNG file OUTPUT (decoded exactly at that time).
    static QStringList stillArguments(const QString &input, double at, const QString &output);
    // The duration in an ffmpeg report ("Duration: 00:01:00.03"); absent when it has none.
    static std::optional<double> durationFromReport(const QString &report);
    // SECONDS as ffmpeg reads it, to the millisecond: "12.300".
    static QString timeArgument(double seconds);
};
