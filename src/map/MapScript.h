#pragma once

#include <QString>

class VexoClipData;

// The texts of the script calls the map page understands. Numbers are written with six decimals
// and a "." whatever the user's locale, longitude before latitude, as the page reads them.
class MapScript
{
public:
    // "initialize()": sets the page up once it has loaded.
    static QString initialize();
    // "MapMoveToAuto(lng,lat,-1)": centres the map on a position, the page choosing the zoom.
    static QString moveTo(float lat, float lng);
    // "removePolyLine()": takes the route off the map.
    static QString removePolyLine();
    // "addPolyLine('lng,lat|lng,lat|…', 'red', 4, 0.5)": draws the route of TRACK.
    static QString addPolyLine(const VexoClipData &track);
    // The point list of TRACK's route: every sample of the track in order, leaving out samples
    // without a fix (0, 0) and samples at the same place as the point before them. Empty when the
    // track has no fix.
    static QString routePoints(const VexoClipData &track);
};
