#include "IncidentGraph.h"

#include "incident/IncidentFigures.h"
#include "incident/IncidentTexts.h"
#include "incident/IncidentWindow.h"

#include "sensor/VexoClipData.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
const QColor AxisColours[] = {QColor(210, 50, 50), QColor(40, 150, 60), QColor(40, 90, 210)};
const QColor SpeedColour(90, 90, 90);
const QColor PeakColour(240, 140, 0);
const QColor PictureColour(30, 30, 30);

// The picture's moment: a thin line across the plot and a triangle pointing up at it from below.
void paintPictureMark(QPainter &painter, const QRectF &plot, double x)
{
    if (x < plot.left() - 0.5 || x > plot.right() + 0.5) {
        return;
    }
    painter.setPen(QPen(PictureColour, 0.6));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(PictureColour);
    painter.drawPolygon(QPolygonF{QPointF(x, plot.bottom()), QPointF(x - 3.5, plot.bottom() + 6.0),
                                  QPointF(x + 3.5, plot.bottom() + 6.0)});
    painter.setBrush(Qt::NoBrush);
}
} // namespace

double IncidentGraph::xFor(double seconds, const QRectF &plot, const IncidentWindow &window)
{
    return plot.left() + (seconds - window.from()) / std::max(window.length(), 1e-9) * plot.width();
}

double IncidentGraph::accelerationRange(const VexoClipData &track, const IncidentFigures &figures)
{
    int largest = 0;
    for (int i = figures.firstSample(); i < figures.endSample(); ++i) {
        largest = std::max(
            {largest, std::abs(int(track.getGx(i))), std::abs(int(track.getGy(i))), std::abs(int(track.getGz(i)))});
    }
    return std::max(1.0, std::ceil(largest / IncidentFigures::CountsPerG * 2.0) / 2.0);
}

void IncidentGraph::paint(QPainter &painter, const QRectF &area, const VexoClipData &track,
                          const IncidentWindow &window, const IncidentFigures &figures, const IncidentTexts &texts,
                          std::optional<double> pictureAt)
{
    painter.save();
    QFont small = painter.font();
    small.setPointSizeF(7.0);
    painter.setFont(small);
    const QRectF plot = area.adjusted(34.0, 14.0, figures.hasPosition() ? -40.0 : -10.0, -22.0);
    painter.setPen(QPen(QColor(160, 160, 160), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), 12.0), Qt::AlignLeft | Qt::AlignTop, texts.graph);

    // Time along the bottom: the window's ends and whole seconds between.
    const double step = window.length() > 40.0 ? 10.0 : (window.length() > 12.0 ? 5.0 : 1.0);
    painter.setPen(QPen(QColor(220, 220, 220), 0.4));
    for (double t = std::ceil(window.from() / step) * step; t <= window.to() + 1e-9; t += step) {
        const double x = xFor(t, plot, window);
        painter.setPen(QPen(QColor(225, 225, 225), 0.4));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 20.0, plot.bottom() + 7.0, 40.0, 12.0), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(t, 'f', 0) + u" s"_s);
    }
    if (pictureAt) {
        paintPictureMark(painter, plot, xFor(*pictureAt, plot, window));
    }
    if (!figures.hasSensorData()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, texts.noSensorData);
        painter.restore();
        return;
    }

    // Acceleration: 0 in the middle, ±range at the edges.
    const double range = accelerationRange(track, figures);
    const auto yForG = [&](double g) {
        return plot.center().y() - g / range * plot.height() / 2.0;
    };
    painter.setPen(QPen(QColor(200, 200, 200), 0.4));
    painter.drawLine(QPointF(plot.left(), yForG(0.0)), QPointF(plot.right(), yForG(0.0)));
    painter.setPen(Qt::black);
    for (const double g : {range, 0.0, -range}) {
        painter.drawText(QRectF(area.left(), yForG(g) - 6.0, 30.0, 12.0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(g, 'g', 3) + u" g"_s);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const auto sampleX = [&](int i) {
        return xFor(i / 10.0, plot, window);
    };
    for (int axis = 0; axis < 3; ++axis) {
        QPainterPath path;
        for (int i = figures.firstSample(); i < figures.endSample(); ++i) {
            const int count = axis == 0 ? track.getGx(i) : (axis == 1 ? track.getGy(i) : track.getGz(i));
            const QPointF point(sampleX(i), yForG(count / IncidentFigures::CountsPerG));
            if (i == figures.firstSample()) {
                path.moveTo(point);
            } else {
                path.lineTo(point);
            }
        }
        painter.setPen(QPen(AxisColours[axis], 0.9));
        painter.drawPath(path);
    }

    // Speed on its own scale, on the right.
    if (figures.hasPosition()) {
        const double top = std::max(20.0, std::ceil(double(figures.topSpeed().value_or(0)) / 20.0) * 20.0);
        const auto yForSpeed = [&](double speed) {
            return plot.bottom() - speed / top * plot.height();
        };
        QPainterPath path;
        bool started = false;
        for (const IncidentFigures::Fix &fix : figures.fixes()) {
            const QPointF point(sampleX(fix.index), yForSpeed(fix.speed));
            if (!started) {
                path.moveTo(point);
                started = true;
            } else {
                path.lineTo(point);
            }
        }
        painter.setPen(QPen(SpeedColour, 1.2, Qt::DashLine));
        painter.drawPath(path);
        painter.setPen(SpeedColour);
        for (const double speed : {top, 0.0}) {
            painter.drawText(QRectF(plot.right() + 3.0, yForSpeed(speed) - 6.0, 40.0, 12.0),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::number(speed, 'f', 0) + u" km/h"_s);
        }
    }

    // The peak.
    if (const auto &peak = figures.peak()) {
        const double x = sampleX(peak->index);
        painter.setPen(QPen(PeakColour, 1.2, Qt::DashLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::NoPen);
        painter.setBrush(PeakColour);
        painter.drawEllipse(QPointF(x, plot.top()), 3.0, 3.0);
        painter.setPen(PeakColour.darker(130));
        const bool leftOfLine = x > plot.center().x();
        painter.drawText(QRectF(leftOfLine ? x - 84.0 : x + 4.0, plot.top() + 2.0, 80.0, 12.0),
                         (leftOfLine ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                         QString::number(peak->g, 'f', 3) + u" g"_s);
    }

    // Legend along the top right.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QStringList names = {u"X"_s, u"Y"_s, u"Z"_s, u"km/h"_s};
    double x = area.right() - 4.0;
    for (qsizetype i = names.size() - 1; i >= 0; --i) {
        if (i == 3 && !figures.hasPosition()) {
            continue;
        }
        const QColor colour = i == 3 ? SpeedColour : AxisColours[i];
        const double width = i == 3 ? 28.0 : 12.0;
        x -= width;
        painter.setPen(colour);
        painter.drawText(QRectF(x, area.top(), width, 12.0), Qt::AlignLeft | Qt::AlignTop, names.at(i));
        x -= 14.0;
        painter.setPen(QPen(colour, 2.0));
        painter.drawLine(QPointF(x, area.top() + 6.0), QPointF(x + 11.0, area.top() + 6.0));
        x -= 6.0;
    }
    painter.restore();
}
