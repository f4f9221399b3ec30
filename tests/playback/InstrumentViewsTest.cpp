// The sliders and instruments as widgets, drawn offscreen and driven with synthesized mouse events.
#include "core/Preferences.h"

#include "playback/Dashboard.h"
#include "playback/GravityGraphView.h"
#include "playback/InstrumentImage.h"
#include "playback/SeekTimeSliderView.h"
#include "playback/SpeedMeterView.h"
#include "playback/VolumeSliderView.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Ones, tens and hundreds as the meter shows them ("" for a dark place), and the lit segments.
struct MeterFace
{
    QStringList digits;
    int litSegments = 0;
    bool unitShown = false;
};

MeterFace face(const SpeedMeterView &meter)
{
    MeterFace shown;
    for (const QLabel *digit : {meter.number1(), meter.number10(), meter.number100()}) {
        shown.digits.append(InstrumentImage::name(digit));
    }
    bool lowerLit = true;
    for (const QLabel *segment : meter.gaugeList()) {
        const bool lit = !segment->isHidden();
        EXPECT_TRUE(lowerLit || !lit) << "segments light from the lowest up";
        lowerLit = lit;
        shown.litSegments += lit ? 1 : 0;
    }
    shown.unitShown = !meter.speedUnitImageView()->isHidden();
    return shown;
}

class InstrumentViewsTest : public ::testing::Test
{
protected:
    void SetUp() override { TestSettings::reset(); }
};

TEST_F(InstrumentViewsTest, SpeedMeterInKilometresPerHour)
{
    SpeedMeterView meter;
    EXPECT_EQ(meter.gaugeList().size(), 24);
    EXPECT_EQ(face(meter).litSegments, 0) << "nothing lit when the meter loads";

    meter.setSpeed(8);
    EXPECT_EQ(face(meter).digits, (QStringList{u""_s, u""_s, u""_s}));
    EXPECT_EQ(face(meter).litSegments, 0);
    meter.setSpeed(9);
    EXPECT_EQ(face(meter).digits, (QStringList{u"9"_s, u""_s, u""_s}));
    EXPECT_EQ(face(meter).litSegments, 0);
    meter.setSpeed(10);
    EXPECT_EQ(face(meter).digits, (QStringList{u"0"_s, u"1"_s, u""_s}));
    EXPECT_EQ(face(meter).litSegments, 1);
    meter.setSpeed(100);
    EXPECT_EQ(face(meter).digits, (QStringList{u"0"_s, u"0"_s, u"1"_s}));
    EXPECT_EQ(face(meter).litSegments, 10);
    meter.setSpeed(255);
    EXPECT_EQ(face(meter).digits, (QStringList{u"5"_s, u"5"_s, u"2"_s}));
    EXPECT_EQ(face(meter).litSegments, 24);
    EXPECT_FALSE(face(meter).unitShown);
    // Going down again darkens the places no longer needed.
    meter.setSpeed(42);
    EXPECT_EQ(face(meter).digits, (QStringList{u"2"_s, u"4"_s, u""_s}));
    EXPECT_EQ(face(meter).litSegments, 4);
    EXPECT_EQ(meter.speed(), 42);
}

TEST_F(InstrumentViewsTest, SpeedMeterInMilesPerHour)
{
    ASSERT_TRUE(Preferences::setSpeedUnit(Preferences::MilesPerHour));
    SpeedMeterView meter;
    meter.setSpeed(100);
    EXPECT_EQ(face(meter).digits, (QStringList{u"2"_s, u"6"_s, u""_s}));
    EXPECT_EQ(face(meter).litSegments, 6);
    EXPECT_TRUE(face(meter).unitShown);
    meter.setSpeed(14);
    EXPECT_EQ(face(meter).digits, (QStringList{u"9"_s, u""_s, u""_s}));
    meter.setSpeed(8);
    EXPECT_EQ(face(meter).digits, (QStringList{u""_s, u""_s, u""_s})) << "5 mph, but below 9 km/h";
    EXPECT_EQ(meter.speed(), 8) << "the meter keeps km/h";
}

// The graph drawn into an image: which rows of column X hold the axis colour.
QList<int> rowsOfColour(const QImage &image, int x, QRgb colour)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) == colour) {
            rows.append(y);
        }
    }
    return rows;
}

TEST_F(InstrumentViewsTest, GraphDrawsMagnitudesBelowTheMiddle)
{
    // Two samples: gx -512 (plotted 51.2 below the middle), gy 0, gz +256 (25.6 below).
    VexoClipData track;
    track.setSample(0, -512, 0, 256, 0.0f, 0.0f, 0);
    track.setSample(1, -512, 0, 256, 0.0f, 0.0f, 0);
    track.setClipDataCount(2);
    GravityGraphView graph;
    graph.resize(300, 150);
    graph.setClipData(&track);
    EXPECT_EQ(graph.clipData(), &track);
    ASSERT_EQ(graph.points().gxPointList().size(), 2);
    EXPECT_EQ(graph.points().baseYPoint(), 75.0f);

    QImage image(graph.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    graph.render(&image);
    // The level part of each line, right of the first point (x = 150): 75 + 51.2 and 75 + 25.6
    // rows down from the top, give or take the pixel rounding.
    const QList<int> red = rowsOfColour(image, 250, qRgb(255, 0, 0));
    const QList<int> blue = rowsOfColour(image, 250, qRgb(0, 0, 255));
    const QList<int> yellow = rowsOfColour(image, 250, qRgb(255, 255, 0));
    ASSERT_EQ(red.size(), 1);
    EXPECT_NEAR(red.constFirst(), 126.2, 1.0);
    ASSERT_EQ(blue.size(), 1);
    EXPECT_NEAR(blue.constFirst(), 100.6, 1.0);
    ASSERT_EQ(yellow.size(), 1);
    EXPECT_NEAR(yellow.constFirst(), 75.0, 1.0);

    // An empty track draws nothing at all.
    track.clear();
    graph.setClipData(&track);
    image.fill(Qt::black);
    graph.render(&image);
    EXPECT_EQ(rowsOfColour(image, 250, qRgb(255, 0, 0)).size() + rowsOfColour(image, 10, qRgb(255, 255, 0)).size(), 0);
}

class SeekSliderTest : public InstrumentViewsTest
{
protected:
    void SetUp() override
    {
        InstrumentViewsTest::SetUp();
        slider.resize(1004, 26);
        slider.show();
        slider.setMaxSliderValue(60.0);
    }

    int knobX() const { return slider.sliderImageView()->x(); }

    SeekTimeSliderView slider;
    QSignalSpy down{&slider, &SeekTimeSliderView::seekTimeSliderTouchedDown};
    QSignalSpy dragged{&slider, &SeekTimeSliderView::seekTimeSliderDragged};
    QSignalSpy up{&slider, &SeekTimeSliderView::seekTimeSliderTouchedUp};
};

TEST_F(SeekSliderTest, ClickReportsTheSameValueDownAndUpAndMovesTheKnob)
{
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(502, 10));
    ASSERT_EQ(down.size(), 1);
    ASSERT_EQ(up.size(), 1);
    EXPECT_EQ(dragged.size(), 0);
    EXPECT_EQ(down.at(0).at(0).toDouble(), 30.0);
    EXPECT_EQ(up.at(0).at(0).toDouble(), 30.0);
    EXPECT_EQ(knobX(), 497) << "the knob's centre under the pointer";
    EXPECT_FALSE(slider.isSliderTouching());
}

TEST_F(SeekSliderTest, DragPastTheEnds)
{
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_TRUE(slider.isSliderTouching());
    QTest::mouseMove(&slider, QPoint(1200, 10));
    ASSERT_EQ(dragged.size(), 1);
    EXPECT_EQ(dragged.at(0).at(0).toDouble(), 60.0) << "exactly the maximum past the right end";
    EXPECT_EQ(knobX(), 994);

    // While held, the play timer's values are kept but the knob stays with the pointer.
    slider.setCurrentSliderValue(12.0);
    EXPECT_EQ(slider.currentSliderValue(), 12.0);
    EXPECT_EQ(knobX(), 994);

    QTest::mouseMove(&slider, QPoint(-40, 10));
    ASSERT_EQ(dragged.size(), 2);
    EXPECT_EQ(dragged.at(1).at(0).toDouble(), 0.0) << "exactly 0 past the left end";
    EXPECT_EQ(knobX(), 0);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(-40, 10));
    ASSERT_EQ(up.size(), 1);
    EXPECT_EQ(up.at(0).at(0).toDouble(), 0.0);

    slider.setCurrentSliderValue(30.0);
    EXPECT_EQ(knobX(), 497) << "released, the knob follows the timer again";
}

TEST_F(SeekSliderTest, GrabbingTheKnobItselfDragsIt)
{
    slider.setCurrentSliderValue(30.0);
    QLabel *knob = slider.sliderImageView();
    ASSERT_EQ(knob->x(), 497);
    QTest::mousePress(knob, Qt::LeftButton, {}, QPoint(5, 10));
    ASSERT_EQ(down.size(), 1) << "the knob passes the press to the slider";
    EXPECT_EQ(down.at(0).at(0).toDouble(), 30.0);
    QTest::mouseMove(knob, QPoint(5 + 497, 10));
    ASSERT_EQ(dragged.size(), 1);
    EXPECT_EQ(dragged.at(0).at(0).toDouble(), 60.0);
}

TEST_F(SeekSliderTest, ProgrammaticValueNeverAboveTheMaximum)
{
    slider.setCurrentSliderValue(90.0);
    EXPECT_EQ(slider.currentSliderValue(), 60.0);
    EXPECT_EQ(knobX(), 994);
}

TEST_F(SeekSliderTest, NoMaximum)
{
    slider.setCurrentSliderValue(15.0);
    const int before = knobX();
    slider.setMaxSliderValue(0.0);
    slider.setCurrentSliderValue(-5.0);
    EXPECT_EQ(knobX(), before) << "with maximum 0 the knob never moves by program";
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(800, 10));
    ASSERT_EQ(up.size(), 1);
    EXPECT_EQ(up.at(0).at(0).toDouble(), 0.0);
}

TEST_F(SeekSliderTest, AMarkStandsWhereTheKnobWouldBeAtItsTime)
{
    const double half = slider.sliderImageView()->width() / 2.0;
    for (const double seconds : {0.0, 21.5, 60.0}) {
        slider.setCurrentSliderValue(seconds);
        const std::optional<double> x = slider.eventMarkX(seconds);
        ASSERT_TRUE(x.has_value()) << seconds;
        EXPECT_NEAR(*x, knobX() + half, 1.0) << seconds;
    }
    EXPECT_FALSE(slider.eventMarkX(60.5)) << "beyond the recording's end";
    EXPECT_FALSE(slider.eventMarkX(-1.0));
    slider.setMaxSliderValue(0.0);
    EXPECT_FALSE(slider.eventMarkX(0.0)) << "no length, no place";
}

TEST_F(SeekSliderTest, DisabledIgnoresTheMouseButFollowsTheProgram)
{
    slider.setEnabled(false);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(700, 10));
    EXPECT_EQ(down.size() + up.size(), 0);
    slider.setCurrentSliderValue(30.0);
    EXPECT_EQ(knobX(), 497);
}

TEST_F(SeekSliderTest, DisabledWhileHeldLetsTheTimerMoveTheKnobAgain)
{
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(300, 10));
    slider.setEnabled(false); // a new recording is loaded while the user holds the knob
    slider.setEnabled(true);
    EXPECT_FALSE(slider.isSliderTouching());
    slider.setCurrentSliderValue(60.0);
    EXPECT_EQ(knobX(), 994);
}

TEST_F(SeekSliderTest, ResizedSliderUsesItsNewWidth)
{
    slider.resize(504, 26);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(499, 10));
    ASSERT_EQ(up.size(), 1);
    EXPECT_EQ(up.at(0).at(0).toDouble(), 60.0);
}

TEST_F(InstrumentViewsTest, SeekSliderInsideAnOffsetPanelReadsItsOwnPositions)
{
    // The toolbar group moves with the window's width; the value must not move with it.
    QWidget window;
    window.resize(1100, 100);
    auto *panel = new QWidget(&window);
    panel->setGeometry(48, 30, 1004, 40);
    auto *slider = new SeekTimeSliderView(panel);
    slider->setGeometry(0, 0, 1004, 26);
    slider->setMaxSliderValue(60.0);
    window.show();
    QSignalSpy up(slider, &SeekTimeSliderView::seekTimeSliderTouchedUp);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(502, 10));
    ASSERT_EQ(up.size(), 1);
    EXPECT_EQ(up.at(0).at(0).toDouble(), 30.0);
    EXPECT_EQ(slider->sliderImageView()->x(), 497);
}

class VolumeSliderTest : public InstrumentViewsTest
{
protected:
    void SetUp() override
    {
        InstrumentViewsTest::SetUp();
        slider.resize(110, 12);
        slider.show();
    }

    int levelWidth() const { return slider.gaugeImageView()->width(); }

    VolumeSliderView slider;
    QSignalSpy changed{&slider, &VolumeSliderView::volumeChanged};
};

TEST_F(VolumeSliderTest, StartsFullAndClampsTheVolume)
{
    EXPECT_EQ(slider.volume(), 1.0f);
    EXPECT_EQ(levelWidth(), 110);
    EXPECT_EQ(slider.bgImageView()->geometry(), slider.rect());
    slider.setVolume(1.7f);
    EXPECT_EQ(slider.volume(), 1.0f);
    EXPECT_EQ(levelWidth(), 110);
    slider.setVolume(-0.2f);
    EXPECT_EQ(slider.volume(), 0.0f);
    EXPECT_EQ(levelWidth(), 0);
    EXPECT_EQ(changed.size(), 0) << "a volume set by the program is not reported back";
}

TEST_F(VolumeSliderTest, MuteAndUnmuteReportTheVolume)
{
    slider.setVolume(0.6f);
    slider.setIsMuted(true);
    EXPECT_TRUE(slider.isMuted());
    slider.setIsMuted(false);
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.at(0).at(0).toFloat(), 0.0f);
    EXPECT_EQ(changed.at(1).at(0).toFloat(), 0.6f);
    EXPECT_EQ(levelWidth(), 66);
}

TEST_F(VolumeSliderTest, PressAndDragSetTheVolumeUnderThePointer)
{
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(55, 6));
    QTest::mouseMove(&slider, QPoint(300, 6));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(300, 6));
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.at(0).at(0).toFloat(), 0.5f);
    EXPECT_EQ(changed.at(1).at(0).toFloat(), 1.0f);
    EXPECT_EQ(levelWidth(), 110);

    slider.setEnabled(false);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(10, 6));
    EXPECT_EQ(changed.size(), 2) << "a disabled gauge ignores the mouse";
    EXPECT_EQ(slider.volume(), 1.0f);
}

class DashboardTest : public InstrumentViewsTest
{
protected:
    Dashboard::Outlets outlets() { return {&meter, &graph, &shock, &earth, &gps, &gx, &gy, &gz, &lat, &lng}; }

    SpeedMeterView meter;
    GravityGraphView graph;
    QLabel shock, earth, gps;
    QLineEdit gx, gy, gz, lat, lng;
};

TEST_F(DashboardTest, SensorTextAndReset)
{
    Dashboard dashboard(outlets());
    dashboard.updateSensorInfo(-0.0078125f, 1.5f, 4.0f / 3.0f, 37.566535f, -126.97796f, 88);
    EXPECT_EQ(gx.text(), u"-0.008"_s);
    EXPECT_EQ(gy.text(), u"1.500"_s);
    EXPECT_EQ(gz.text(), u"1.333"_s);
    EXPECT_EQ(lat.text(), u"37.5665"_s);
    EXPECT_EQ(lng.text(), u"-126.9780"_s);
    EXPECT_EQ(meter.speed(), 0) << "the speed goes to the meter through the caller";

    meter.setSpeed(120);
    dashboard.resetVideoInformation();
    EXPECT_EQ(meter.speed(), 0);
    EXPECT_EQ(face(meter).litSegments, 0);
    for (const QLineEdit *field : {&gx, &gy, &gz}) {
        EXPECT_EQ(field->text(), u"0.000"_s);
    }
    EXPECT_EQ(lat.text(), u"0.0000"_s);
    EXPECT_EQ(lng.text(), u"0.0000"_s);
}

TEST_F(DashboardTest, GpsIndicatorFollowsTheTracksPositions)
{
    Dashboard dashboard(outlets());
    VexoClipData track;
    track.setSample(0, 0, 0, 0, 37.5f, 127.0f, 30);
    track.setClipDataCount(1);
    track.setGpsDataCount(1);
    dashboard.updateGpsIndicator(&track);
    EXPECT_FALSE(gps.isHidden());
    track.clear();
    dashboard.updateGpsIndicator(&track);
    EXPECT_TRUE(gps.isHidden());
}

TEST_F(DashboardTest, AnimationAlternatesTheTwoFramesAndStopKeepsTheLast)
{
    Dashboard dashboard(outlets());
    shock.hide();
    earth.hide();
    dashboard.startPlayAnimation();
    EXPECT_TRUE(dashboard.isPlayAnimationRunning());
    QStringList frames;
    for (int tick = 0; tick < 3; ++tick) {
        dashboard.playAnimationTimerCallback();
        frames.append(InstrumentImage::name(&shock) + u'/' + InstrumentImage::name(&earth));
    }
    EXPECT_EQ(frames, (QStringList{u"shock_gage1/earth1"_s, u"shock_gage2/earth2"_s, u"shock_gage1/earth1"_s}));
    EXPECT_FALSE(shock.isHidden());
    EXPECT_FALSE(earth.isHidden());
    EXPECT_EQ(dashboard.playAnimationIdx(), 3u);

    dashboard.startPlayAnimation(); // a second start replaces the timer rather than adding one
    dashboard.stopPlayAnimation();
    EXPECT_FALSE(dashboard.isPlayAnimationRunning());
    EXPECT_EQ(InstrumentImage::name(&shock), u"shock_gage1"_s);
    dashboard.stopPlayAnimation();
    EXPECT_FALSE(dashboard.isPlayAnimationRunning());
}

TEST_F(DashboardTest, UnitChangeRedrawsTheSameSpeed)
{
    Dashboard dashboard(outlets());
    meter.setSpeed(100);
    ASSERT_EQ(face(meter).digits, (QStringList{u"0"_s, u"0"_s, u"1"_s}));
    ASSERT_TRUE(Preferences::setSpeedUnit(Preferences::MilesPerHour));
    dashboard.refreshSpeedUnitHandler();
    EXPECT_EQ(face(meter).digits, (QStringList{u"2"_s, u"6"_s, u""_s}));
    EXPECT_TRUE(face(meter).unitShown);
    EXPECT_EQ(meter.speed(), 100);
    ASSERT_TRUE(Preferences::setSpeedUnit(Preferences::KilometresPerHour));
    dashboard.refreshSpeedUnitHandler();
    EXPECT_EQ(face(meter).digits, (QStringList{u"0"_s, u"0"_s, u"1"_s}));
    EXPECT_FALSE(face(meter).unitShown);
}
} // namespace
