// The route drawn without tiles: one point per fix, north up, the same scale both ways, and a
// scale bar that says the truth.
#include "incident/report/RouteDrawing.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
IncidentFigures::Fix fix(int index, float lat, float lng)
{
    return {index, index / 10.0, lat, lng, 30};
}
} // namespace

TEST(RouteDrawingTest, EveryFixIsOnePointNorthUpAtOneScale)
{
    // East 0.01° and north 0.005° of Seoul, with a car standing still twice on the way.
    const QList<IncidentFigures::Fix> fixes{fix(0, 37.5f, 127.0f), fix(1, 37.5f, 127.0f), fix(2, 37.5f, 127.01f),
                                            fix(3, 37.505f, 127.01f), fix(4, 37.505f, 127.01f)};
    const QRectF area(0.0, 0.0, 500.0, 300.0);
    const RouteDrawing::Layout layout = RouteDrawing::layout(fixes, area);
    ASSERT_EQ(layout.points.size(), fixes.size()) << "one point per fix, repeated places too";
    EXPECT_EQ(layout.points.at(0), layout.points.at(1));
    for (const QPointF &point : layout.points) {
        EXPECT_TRUE(area.contains(point));
    }
    EXPECT_GT(layout.points.at(2).x(), layout.points.at(1).x()) << "east is right";
    EXPECT_DOUBLE_EQ(layout.points.at(2).y(), layout.points.at(1).y());
    EXPECT_LT(layout.points.at(3).y(), layout.points.at(2).y()) << "north is up";

    // Distances on the page times the scale are distances on the ground, both ways.
    for (const auto &[a, b] : {std::pair{1, 2}, std::pair{2, 3}}) {
        const QPointF d = layout.points.at(b) - layout.points.at(a);
        const double onPage = std::hypot(d.x(), d.y()) * layout.metresPerPixel;
        const double onGround =
            RouteDrawing::distanceMetres(fixes.at(a).lat, fixes.at(a).lng, fixes.at(b).lat, fixes.at(b).lng);
        EXPECT_NEAR(onPage / onGround, 1.0, 0.005) << a << "-" << b;
    }
    EXPECT_NEAR(layout.scaleBarPixels * layout.metresPerPixel, layout.scaleBarMetres, 1e-9);
    EXPECT_LE(layout.scaleBarPixels, area.width() / 4.0 + 1e-9);
    EXPECT_GT(layout.scaleBarPixels, area.width() / 40.0);
}

TEST(RouteDrawingTest, OnePlaceIsOnePointInTheMiddleAndNoFixIsNothing)
{
    const QRectF area(10.0, 20.0, 200.0, 100.0);
    const RouteDrawing::Layout one = RouteDrawing::layout({fix(0, -33.9f, 151.2f)}, area);
    ASSERT_EQ(one.points.size(), 1);
    EXPECT_NEAR(one.points.at(0).x(), area.center().x(), 1e-9);
    EXPECT_NEAR(one.points.at(0).y(), area.center().y(), 1e-9);
    EXPECT_GT(one.scaleBarMetres, 0.0);
    EXPECT_TRUE(RouteDrawing::layout({}, area).points.isEmpty());
}

TEST(RouteDrawingTest, ScaleBarLengthsAreRoundNumbers)
{
    EXPECT_EQ(RouteDrawing::niceLength(347.0), 200.0);
    EXPECT_EQ(RouteDrawing::niceLength(1000.0), 1000.0);
    EXPECT_EQ(RouteDrawing::niceLength(999.0), 500.0);
    EXPECT_EQ(RouteDrawing::niceLength(0.7), 0.5);
    EXPECT_EQ(RouteDrawing::niceLength(0.0), 0.0);
    EXPECT_EQ(RouteDrawing::lengthText(200.0), u"200 m"_s);
    EXPECT_EQ(RouteDrawing::lengthText(5000.0), u"5 km"_s);
}
