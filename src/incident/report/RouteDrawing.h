#pragma once

#include "incident/IncidentFigures.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
struct IncidentTexts;

// The route of a window drawn without map tiles, so a report needs no network: one point per
// sample with a fix, north up, both axes at the same scale in metres (a local flat projection,
// true to well under a percent over the few kilometres a window covers), a scale bar and a north
// arrow.
class RouteDrawing
{
public:
    struct Layout
    {
        QList<QPointF> points; // one per fix, in order
        double metresPerPixel = 0.0;
        double scaleBarMetres = 0.0;
        double scaleBarPixels = 0.0;
    };

    // Where the fixes go in AREA (a margin is kept for the markers).
    static Layout layout(const QList<IncidentFigures::Fix> &fixes, const QRectF &area);
    // The longest of 1, 2 and 5 times a power of ten metres that is at most METRES.
    static double niceLength(double metres);
    // "200 m", "1 km", "2.5 km" are never made: lengths come from niceLength.
    static QString lengthText(double metres);
    // Distance in metres between two positions on the Earth's surface (mean radius).
    static double distanceMetres(double lat1, double lng1, double lat2, double lng2);

    static void paint(QPainter &painter, const QRectF &area, const IncidentFigures &figures,
                      const IncidentTexts &texts);
};
