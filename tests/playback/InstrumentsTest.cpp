// The instruments' arithmetic: speed digits and segments, graph points, slider positions, volume.
#include "playback/GravityGraphPoints.h"
#include "playback/SeekSliderGeometry.h"
#include "playback/SpeedMeterReading.h"
#include "playback/VolumeGauge.h"
#include "sensor/VexoClipData.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {
constexpr int None = SpeedMeterReading::kNoDigit;
using Digits = std::array<int, 3>; // ones, tens, hundreds

struct SpeedCase
{
    int kmh;
    bool mph;
    int display;
    Digits digits;
    int segments;
};

TEST(SpeedMeterReadingTest, DigitsSegmentsAndUnit)
{
    const SpeedCase cases[] = {
        {8, false, 8, {None, None, None}, 0},    // below 9 km/h the digits stay dark
        {9, false, 9, {9, None, None}, 0},       // one digit, no full ten
        {10, false, 10, {0, 1, None}, 1},        // two digits, first segment
        {19, false, 19, {9, 1, None}, 1},        // a segment is lit per full ten only
        {100, false, 100, {0, 0, 1}, 10},        // the tens 0 shows between hundreds and ones
        {105, false, 105, {5, 0, 1}, 10},        // hundreds and ones around a tens 0
        {255, false, 255, {5, 5, 2}, 24},        // the bar tops out at 24 segments
        {100, true, 62, {2, 6, None}, 6},        // 62.1371 mph
        {14, true, 9, {9, None, None}, 0},       // 8.699 rounds up to 9
        {8, true, 5, {None, None, None}, 0},     // 5 mph, but 8 km/h is below the threshold
        {9, true, 6, {6, None, None}, 0},        // the threshold is on km/h: 9 km/h shows its 6 mph
        {161, true, 100, {0, 0, 1}, 10},         // 100.04 mph
        {0, false, 0, {None, None, None}, 0},    // standing still
        {-30, false, -30, {None, None, None}, 0} // nothing lit for a negative speed
    };
    for (const SpeedCase &c : cases) {
        const SpeedMeterReading reading = SpeedMeterReading::forSpeed(c.kmh, c.mph);
        EXPECT_EQ(reading.displayValue, c.display) << c.kmh << (c.mph ? " km/h in mph" : " km/h");
        EXPECT_EQ(reading.digits, c.digits) << c.kmh << (c.mph ? " km/h in mph" : " km/h");
        EXPECT_EQ(reading.litSegments, c.segments) << c.kmh << (c.mph ? " km/h in mph" : " km/h");
        EXPECT_EQ(reading.showsMph, c.mph);
    }
}

TEST(SpeedMeterReadingTest, MilesPerHourRoundInSinglePrecision)
{
    // Every speed a camera can report gives the single-precision rounding of the float product.
    for (int kmh = 0; kmh <= 400; ++kmh) {
        const float product = static_cast<float>(kmh) * 0.621371f;
        EXPECT_EQ(SpeedMeterReading::milesPerHour(kmh), static_cast<int>(std::roundf(product))) << kmh;
    }
    EXPECT_EQ(SpeedMeterReading::milesPerHour(1), 1); // 0.62 rounds up
    EXPECT_EQ(SpeedMeterReading::milesPerHour(4), 2); // 2.485 rounds down
}

TEST(SpeedMeterReadingTest, SegmentBoundaries)
{
    EXPECT_EQ(SpeedMeterReading::segmentsFor(9), 0);
    EXPECT_EQ(SpeedMeterReading::segmentsFor(10), 1);
    EXPECT_EQ(SpeedMeterReading::segmentsFor(239), 23);
    EXPECT_EQ(SpeedMeterReading::segmentsFor(240), 24);
    EXPECT_EQ(SpeedMeterReading::segmentsFor(std::numeric_limits<int>::max()), 24);
    EXPECT_EQ(SpeedMeterReading::segmentsFor(-15), 0);
}

TEST(GravityGraphPointsTest, MagnitudeBelowTheZeroLine)
{
    VexoClipData track;
    track.setSample(0, -512, 512, 0, 0.0f, 0.0f, 0);
    track.setSample(1, 100, -5, 3000, 0.0f, 0.0f, 0);
    track.setSample(2, 1, 0, -128, 0.0f, 0.0f, 0);
    track.setSample(3, 32767, -32768, 7, 0.0f, 0.0f, 0);
    track.setClipDataCount(4);

    GravityGraphPoints points;
    points.generatePoints(&track, GravityGraphPoints::baseYPointForHeight(150));
    EXPECT_EQ(points.baseYPoint(), 75.0f);
    ASSERT_EQ(points.gxPointList().size(), 4);
    ASSERT_EQ(points.gyPointList().size(), 4);
    ASSERT_EQ(points.gzPointList().size(), 4);

    // -512 and +512 both plot 51.2 points below the zero line (1 point per 10 counts).
    EXPECT_EQ(points.gxPointList().at(0).y, 75.0f - 51.2f);
    EXPECT_EQ(points.gyPointList().at(0).y, points.gxPointList().at(0).y);
    EXPECT_FLOAT_EQ(75.0f - points.gxPointList().at(0).y, 51.2f);
    EXPECT_EQ(points.gzPointList().at(0).y, 75.0f);
    EXPECT_EQ(points.gxPointList().at(1).y, 65.0f);
    EXPECT_EQ(points.gyPointList().at(1).y, 74.5f);
    EXPECT_EQ(points.gzPointList().at(1).y, 0.0f) << "300 points below the line stops at the bottom edge";
    EXPECT_EQ(points.gzPointList().at(2).y, 75.0f - 12.8f);
    EXPECT_EQ(points.gxPointList().at(3).y, 0.0f);
    EXPECT_EQ(points.gyPointList().at(3).y, 0.0f);

    // x: the fraction of the width, the last sample at the right edge.
    EXPECT_EQ(points.gxPointList().at(0).x, 0.25f);
    EXPECT_EQ(points.gyPointList().at(1).x, 0.5f);
    EXPECT_EQ(points.gzPointList().at(3).x, 1.0f);
}

TEST(GravityGraphPointsTest, EmptyTrackOrNoneLeavesTheListsEmpty)
{
    VexoClipData track;
    track.setSample(0, 10, 10, 10, 0.0f, 0.0f, 0);
    track.setClipDataCount(1);
    GravityGraphPoints points;
    points.generatePoints(&track, 75.0f);
    ASSERT_EQ(points.gxPointList().size(), 1);

    track.clear();
    points.generatePoints(&track, 75.0f);
    EXPECT_TRUE(points.gxPointList().isEmpty());
    EXPECT_TRUE(points.gyPointList().isEmpty());
    EXPECT_TRUE(points.gzPointList().isEmpty());

    track.setClipDataCount(1);
    points.generatePoints(nullptr, 75.0f);
    EXPECT_TRUE(points.gxPointList().isEmpty());
}

TEST(GravityGraphPointsTest, ACountBeyondTheCapacityPlotsTheCapacity)
{
    VexoClipData track;
    track.setClipDataCount(0xFFFFFFFFu);
    GravityGraphPoints points;
    points.generatePoints(&track, 75.0f);
    EXPECT_EQ(points.gxPointList().size(), VexoClipData::kCapacity);
    EXPECT_EQ(points.gxPointList().constLast().x, 1.0f);
}

// A 1004-point view with a 10-point knob: the travel runs from 5 to 999, 994 points long.
SeekSliderGeometry seekSlider(double maxValue)
{
    SeekSliderGeometry geometry;
    geometry.setSliderWidth(10);
    geometry.setViewWidth(1004);
    geometry.setMaxSliderValue(maxValue);
    return geometry;
}

TEST(SeekSliderGeometryTest, Travel)
{
    const SeekSliderGeometry geometry = seekSlider(60.0);
    EXPECT_EQ(geometry.sliderHalfWidth(), 5.0);
    EXPECT_EQ(geometry.minSliderXPt(), 5.0);
    EXPECT_EQ(geometry.maxSliderXPt(), 999.0);
    EXPECT_EQ(geometry.sliderLength(), 994.0);
}

TEST(SeekSliderGeometryTest, ValueUnderThePointer)
{
    const SeekSliderGeometry geometry = seekSlider(60.0);
    EXPECT_EQ(geometry.calculateSliderValueFromSliderXPosition(5.0), 0.0);
    EXPECT_EQ(geometry.calculateSliderValueFromSliderXPosition(502.0), 30.0);
    EXPECT_EQ(geometry.calculateSliderValueFromSliderXPosition(999.0), 60.0);
    // Past the ends: exactly the maximum and exactly 0.
    EXPECT_EQ(geometry.calculateSliderValueFromSliderXPosition(5000.0), 60.0);
    EXPECT_EQ(geometry.calculateSliderValueFromSliderXPosition(-300.0), 0.0);
}

TEST(SeekSliderGeometryTest, KnobFollowsPointerAndValueWithinTheView)
{
    const SeekSliderGeometry geometry = seekSlider(60.0);
    EXPECT_EQ(geometry.sliderXForPoint(502.0), 497.0) << "the knob's centre is under the pointer";
    EXPECT_EQ(geometry.sliderXForPoint(2.0), 0.0);
    EXPECT_EQ(geometry.sliderXForPoint(2000.0), 994.0);
    EXPECT_EQ(geometry.sliderXForValue(30.0), 497.0);
    EXPECT_EQ(geometry.sliderXForValue(60.0), 994.0);
    EXPECT_EQ(geometry.sliderXForValue(-5.0), 0.0);
}

TEST(SeekSliderGeometryTest, NoMaximumNoKnobMovementAndValueZero)
{
    const SeekSliderGeometry geometry = seekSlider(0.0);
    EXPECT_EQ(geometry.sliderXForValue(12.0), std::nullopt);
    for (double x : {-10.0, 0.0, 300.0, 999.0, 5000.0}) {
        EXPECT_EQ(geometry.calculateSliderValueFromSliderXPosition(x), 0.0) << x;
    }
    EXPECT_EQ(geometry.limitedValue(12.0), 0.0);
}

TEST(SeekSliderGeometryTest, ValueLimitedAboveOnly)
{
    const SeekSliderGeometry geometry = seekSlider(60.0);
    EXPECT_EQ(geometry.limitedValue(75.0), 60.0);
    EXPECT_EQ(geometry.limitedValue(-2.0), -2.0);
}

TEST(SeekSliderGeometryTest, ViewNoWiderThanTheKnobGivesNoNaN)
{
    SeekSliderGeometry geometry = seekSlider(60.0);
    for (double width : {10.0, 4.0, 0.0}) {
        geometry.setViewWidth(width);
        EXPECT_EQ(geometry.calculateSliderValueFromSliderXPosition(3.0), 0.0) << width;
        EXPECT_EQ(geometry.sliderXForPoint(3.0), 0.0) << width;
    }
    geometry.setViewWidth(1004);
    geometry.setMaxSliderValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(geometry.sliderXForValue(3.0), std::nullopt) << "an unknown duration does not move the knob";
}

VolumeGauge volumeGauge()
{
    VolumeGauge gauge;
    gauge.setViewWidth(110);
    gauge.setVolume(1.0f);
    return gauge;
}

TEST(VolumeGaugeTest, VolumeLimitedToZeroToOne)
{
    VolumeGauge gauge = volumeGauge();
    EXPECT_EQ(gauge.volume(), 1.0f);
    EXPECT_EQ(gauge.levelWidth(), 110.0);
    gauge.setVolume(0.5f);
    EXPECT_EQ(gauge.levelWidth(), 55.0);
    gauge.setVolume(1.7f);
    EXPECT_EQ(gauge.volume(), 1.0f);
    EXPECT_EQ(gauge.levelWidth(), 110.0);
    gauge.setVolume(-0.2f);
    EXPECT_EQ(gauge.volume(), 0.0f);
    EXPECT_EQ(gauge.levelWidth(), 0.0);
    gauge.setVolume(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(gauge.volume(), 0.0f);
}

TEST(VolumeGaugeTest, PointerSetsTheLevelWithinTheView)
{
    VolumeGauge gauge = volumeGauge();
    gauge.setVolumeGaugeWithXPoint(33.0);
    EXPECT_EQ(gauge.levelWidth(), 33.0);
    EXPECT_EQ(gauge.volume(), 0.3f);
    gauge.setVolumeGaugeWithXPoint(500.0);
    EXPECT_EQ(gauge.volume(), 1.0f);
    gauge.setVolumeGaugeWithXPoint(-4.0);
    EXPECT_EQ(gauge.volume(), 0.0f);
    EXPECT_EQ(gauge.levelWidth(), 0.0);
}

TEST(VolumeGaugeTest, MuteKeepsTheVolumeForUnmute)
{
    VolumeGauge gauge = volumeGauge();
    gauge.setVolume(0.6f);
    gauge.setIsMuted(true);
    EXPECT_TRUE(gauge.isMuted());
    EXPECT_EQ(gauge.volume(), 0.0f);
    EXPECT_EQ(gauge.levelWidth(), 0.0);
    gauge.setIsMuted(false);
    EXPECT_EQ(gauge.volume(), 0.6f);

    // Muting a muted gauge again must not lose the volume to come back to.
    gauge.setIsMuted(true);
    gauge.setIsMuted(true);
    gauge.setIsMuted(false);
    EXPECT_EQ(gauge.volume(), 0.6f);

    // Unmuting what was never muted gives back what was kept: nothing.
    VolumeGauge fresh = volumeGauge();
    fresh.setIsMuted(false);
    EXPECT_EQ(fresh.volume(), 0.0f);
}

TEST(VolumeGaugeTest, NoWidthYetKeepsTheVolume)
{
    VolumeGauge gauge;
    gauge.setVolume(0.8f);
    EXPECT_EQ(gauge.volume(), 0.8f) << "no division by a zero width";
    gauge.setViewWidth(100);
    EXPECT_EQ(gauge.levelWidth(), static_cast<double>(0.8f) * 100.0);
}
} // namespace
