#pragma once

#include <QString>

// The folder a report of a recording is proposed in: "NAME_incident_MILLISECONDS" (the recording's
// name without extension and the moment in whole milliseconds, as snapshots are named) in PARENT,
// with " (2)", " (3)", … added when that name is taken, so a proposal never points at a folder
// holding another report.
class IncidentFolderName
{
public:
    static QString proposed(const QString &parent, const QString &recording, double seconds);
};
