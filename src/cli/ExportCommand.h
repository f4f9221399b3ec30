#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli export csv|gpx|geojson PATH [-o FILE] [--krv]
// Writes the sensor track of PATH as a CSV table, a GPX track or a GeoJSON route: to standard
// output, or to FILE (written whole, never over the recording itself), then printing
// {"format", "output", "samples", "points"}.
class ExportCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
