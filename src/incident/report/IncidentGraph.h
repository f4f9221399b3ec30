#pragma once

#include <QRectF>

#include <optional>

class IncidentFigures;
class IncidentWindow;
class QPainter;
class VexoClipData;
struct IncidentTexts;

// The graph of a report: the three acceleration axes in g (left scale) and the speed in km/h
// (right scale, only when the window has fixes) over the window's play time, with the peak marked
// by a vertical line and its value, and the moment of the page's picture by a thin line with a
// triangle below the plot.
class IncidentGraph
{
public:
    // Where play time SECONDS lies across PLOT for WINDOW.
    static double xFor(double seconds, const QRectF &plot, const IncidentWindow &window);
    // The acceleration scale: a whole number of half g that holds every value, 1 g at least.
    static double accelerationRange(const VexoClipData &track, const IncidentFigures &figures);

    static void paint(QPainter &painter, const QRectF &area, const VexoClipData &track, const IncidentWindow &window,
                      const IncidentFigures &figures, const IncidentTexts &texts,
                      std::optional<double> pictureAt = std::nullopt);
};
