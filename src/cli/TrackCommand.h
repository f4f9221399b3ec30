#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli track [--krv] [--quick] PATH
// Prints {"clipDataCount", "gpsDataCount", "samples": [{"gx", "gy", "gz", "lat", "lng", "speed"}]}:
// the sensor track the viewer shows for the recording (or subtitle file) at PATH.
class TrackCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
