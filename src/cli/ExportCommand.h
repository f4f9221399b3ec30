#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli export csv|gpx|geojson PATH [-o FILE] [--krv] [--card ROOT]
// Writes the sensor track of PATH as a CSV table, a GPX track or a GeoJSON route, each sample
// dated by SampleClock (ROOT: the card whose settings give the camera clock's time zone): to
// standard output, or to FILE (written whole, never over the recording itself), then printing
// {"format", "output", "samples", "points", "clock"}.
class ExportCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
