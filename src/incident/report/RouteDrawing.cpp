#include "RouteDrawing.h"

#include "incident/IncidentTexts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {
constexpr double EarthRadius = 6371008.8; // metres, the mean radius
constexpr double MetresPerDegree = EarthRadius * std::numbers::pi / 180.0;
// A window where the car stood still still gets a drawing of some extent.
constexpr double SmallestSpan = 20.0;
constexpr double Margin = 14.0;

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}
} // namespace

double RouteDrawing::distanceMetres(double lat1, double lng1, double lat2, double lng2)
{
    const double dLat = radians(lat2 - lat1);
    const double dLng = radians(lng2 - lng1);
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(radians(lat1)) * std::cos(radians(lat2)) * std::sin(dLng / 2) * std::sin(dLng / 2);
    return 2.0 * EarthRadius * std::asin(std::min(1.0, std::sqrt(a)));
}

double RouteDrawing::niceLength(double metres)
{
    if (!(metres > 0.0) || !std::isfinite(metres)) {
        return 0.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(metres)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= metres * (1.0 + 1e-9)) {
            return step * power;
        }
    }
    return power;
}

QString RouteDrawing::lengthText(double metres)
{
    if (metres >= 1000.0) {
        return QString::number(metres / 1000.0, 'g', 6) + u" km"_s;
    }
    return QString::number(metres, 'g', 6) + u" m"_s;
}

RouteDrawing::Layout RouteDrawing::layout(const QList<IncidentFigures::Fix> &fixes, const QRectF &area)
{
    Layout result;
    if (fixes.isEmpty()) {
        return result;
    }
    const auto [minLat, maxLat] =
        std::minmax_element(fixes.cbegin(), fixes.cend(), [](const auto &a, const auto &b) { return a.lat < b.lat; });
    const auto [minLng, maxLng] =
        std::minmax_element(fixes.cbegin(), fixes.cend(), [](const auto &a, const auto &b) { return a.lng < b.lng; });
    const double midLat = (double(minLat->lat) + double(maxLat->lat)) / 2.0;
    const double midLng = (double(minLng->lng) + double(maxLng->lng)) / 2.0;
    const double eastScale = MetresPerDegree * std::cos(radians(midLat));
    const double spanX = (double(maxLng->lng) - double(minLng->lng)) * eastScale;
    const double spanY = (double(maxLat->lat) - double(minLat->lat)) * MetresPerDegree;
    const QRectF inner = area.adjusted(Margin, Margin, -Margin, -Margin);
    const double pixelsPerMetre =
        std::min(inner.width() / std::max(spanX, SmallestSpan), inner.height() / std::max(spanY, SmallestSpan));
    const QPointF centre = inner.center();
    for (const IncidentFigures::Fix &fix : fixes) {
        const double east = (double(fix.lng) - midLng) * eastScale;
        const double north = (double(fix.lat) - midLat) * MetresPerDegree;
        result.points.append(QPointF(centre.x() + east * pixelsPerMetre, centre.y() - north * pixelsPerMetre));
    }
    result.metresPerPixel = 1.0 / pixelsPerMetre;
    result.scaleBarMetres = niceLength(area.width() / 4.0 * result.metresPerPixel);
    result.scaleBarPixels = result.scaleBarMetres * pixelsPerMetre;
    return result;
}

void RouteDrawing::paint(QPainter &painter, const QRectF &area, const IncidentFigures &figures,
                         const IncidentTexts &texts)
{
    painter.save();
    painter.setPen(QPen(QColor(160, 160, 160), 0.5));
    painter.setBrush(QColor(248, 248, 244));
    painter.drawRect(area);
    if (!figures.hasPosition()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, texts.noPosition);
        painter.restore();
        return;
    }
    const Layout drawn = layout(figures.fixes(), area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);

    // The route, then where it starts (green), ends (red) and where the peak happened (orange).
    QPainterPath path(drawn.points.constFirst());
    for (qsizetype i = 1; i < drawn.points.size(); ++i) {
        path.lineTo(drawn.points.at(i));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(200, 30, 30), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    for (const QPointF &point : drawn.points) {
        painter.drawEllipse(point, 1.2, 1.2);
    }
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(QColor(30, 150, 60));
    painter.drawEllipse(drawn.points.constFirst(), 5.0, 5.0);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawRect(QRectF(drawn.points.constLast() - QPointF(4.5, 4.5), QSizeF(9.0, 9.0)));
    if (const auto &peak = figures.peak()) {
        // The fix closest in time to the peak.
        const auto &fixes = figures.fixes();
        qsizetype nearest = 0;
        for (qsizetype i = 1; i < fixes.size(); ++i) {
            if (std::abs(fixes.at(i).index - peak->index) < std::abs(fixes.at(nearest).index - peak->index)) {
                nearest = i;
            }
        }
        painter.setBrush(QColor(240, 140, 0));
        painter.drawEllipse(drawn.points.at(nearest), 4.0, 4.0);
    }

    // Scale bar, bottom left.
    painter.setClipping(false);
    const QPointF barStart(area.left() + 12.0, area.bottom() - 12.0);
    const QPointF barEnd = barStart + QPointF(drawn.scaleBarPixels, 0.0);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(barStart, barEnd);
    painter.drawLine(barStart, barStart - QPointF(0.0, 4.0));
    painter.drawLine(barEnd, barEnd - QPointF(0.0, 4.0));
    QFont small = painter.font();
    small.setPointSizeF(7.0);
    painter.setFont(small);
    painter.drawText(QRectF(barStart.x(), barStart.y() - 16.0, std::max(drawn.scaleBarPixels, 60.0), 12.0),
                     Qt::AlignLeft | Qt::AlignVCenter, lengthText(drawn.scaleBarMetres));

    // North arrow, top right.
    const QPointF tip(area.right() - 18.0, area.top() + 10.0);
    QPainterPath arrow(tip);
    arrow.lineTo(tip + QPointF(6.0, 16.0));
    arrow.lineTo(tip + QPointF(0.0, 12.0));
    arrow.lineTo(tip + QPointF(-6.0, 16.0));
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(arrow);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(tip.x() - 20.0, tip.y() + 17.0, 40.0, 12.0), Qt::AlignHCenter | Qt::AlignTop, texts.north);
    painter.restore();
}
