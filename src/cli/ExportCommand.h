#pragma once

#include <QStringList>

class CliOutput;

// velmora-cli export csv|gpx|kml|geojson PATH [-o FILE] [--krv] [--card ROOT]
// velmora-cli export gpx|kml|geojson --trip N ROOT [-o FILE] [--card ROOT] [--no-cache]
// Writes the sensor track of PATH as a CSV table, a GPX track, a KML placemark or a GeoJSON
// route, or trip N of the card in ROOT (as "trips" numbers them) with a segment per recording,
// each sample dated by SampleClock (--card: the card whose settings give the camera clock's time
// zone): to standard output, or to FILE (written whole, never over the recording itself), then
// printing {"format", "output", "samples", "points", "clock"} (and for a trip "trip",
// "recordings", "segments"; "clock" lists each clock the segments use).
class ExportCommand
{
public:
    static int run(const QStringList &arguments, CliOutput &io);
};
