#pragma once

#include <QList>

class VexoClipData;

// The acceleration graph's points for a whole track, one per sample and axis. x is the fraction of
// the graph's width (the last sample at 1.0); y counts up from the bottom edge, with the zero line
// at baseYPoint and each axis drawn as its magnitude below that line, 1 point per 10 counts,
// never below the bottom edge. All in single precision, so the picture does not depend on the
// platform's double rounding.
class GravityGraphPoints
{
public:
    struct Point
    {
        float x = 0.0f;
        float y = 0.0f;
        friend bool operator==(const Point &, const Point &) = default;
    };

    // Half the graph's height: the zero line.
    static float baseYPointForHeight(double height);
    // The height of a plotted value above the bottom edge.
    static float yForAcceleration(float baseYPoint, int acceleration);

    // Rebuilds the three lists from TRACK (empty for no track or an empty one).
    void generatePoints(const VexoClipData *track, float baseYPoint);
    void clear();

    float baseYPoint() const { return m_baseYPoint; }
    const QList<Point> &gxPointList() const { return m_gxPointList; }
    const QList<Point> &gyPointList() const { return m_gyPointList; }
    const QList<Point> &gzPointList() const { return m_gzPointList; }

private:
    float m_baseYPoint = 0.0f;
    QList<Point> m_gxPointList;
    QList<Point> m_gyPointList;
    QList<Point> m_gzPointList;
};
