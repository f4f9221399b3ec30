// The script texts the map page is sent, built from made-up tracks (no web engine needed).
#include "map/MapScript.h"

#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"
#include "support/TestTracks.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QStringList points(const VexoClipData &track)
{
    const QString text = MapScript::routePoints(track);
    return text.isEmpty() ? QStringList() : text.split(u'|');
}
} // namespace

TEST(MapScriptTest, CallTextsAreExact)
{
    EXPECT_EQ(MapScript::initialize(), u"initialize()"_s);
    EXPECT_EQ(MapScript::removePolyLine(), u"removePolyLine()"_s);
    // Longitude first; six decimals of the float widened to double.
    EXPECT_EQ(MapScript::moveTo(37.5f, 127.0f), u"MapMoveToAuto(127.000000,37.500000,-1)"_s);
    EXPECT_EQ(MapScript::moveTo(-33.8688f, 151.2093f), u"MapMoveToAuto(151.209305,-33.868801,-1)"_s);

    VexoClipData track;
    TestTracks::constant(track, 2, 37.5f, 127.0f);
    EXPECT_EQ(MapScript::addPolyLine(track), u"addPolyLine('127.000000,37.500000', 'red', 4, 0.5)"_s);
}

TEST(MapScriptTest, NumbersIgnoreTheUsersLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = MapScript::moveTo(48.25f, 11.5f);
    QLocale::setDefault(before);
    EXPECT_EQ(text, u"MapMoveToAuto(11.500000,48.250000,-1)"_s);
}

TEST(MapScriptTest, AConstantFixIsOnePoint)
{
    VexoClipData track;
    TestTracks::constant(track, 600, 37.5f, 127.0f);
    EXPECT_EQ(points(track), QStringList{u"127.000000,37.500000"_s});
}

TEST(MapScriptTest, ATrackThatStartsWithoutAFixKeepsItsEnd)
{
    // 20 samples without a fix, then 580 fixes, each in a new place: every fix is drawn, up to
    // the last sample of the track (walking only as many samples as there are fixes would stop
    // at sample 579 and lose the end of the drive).
    VexoClipData track;
    TestTracks::driveAfterNoFix(track);
    ASSERT_EQ(track.gpsDataCount(), 580u);
    const QStringList route = points(track);
    ASSERT_EQ(route.size(), 580);
    EXPECT_EQ(route.constFirst(), QString::asprintf("%f,%f", double(127.0f + 0.002f), double(37.5f + 0.002f)));
    EXPECT_EQ(route.constLast(), QString::asprintf("%f,%f", double(127.0f + 0.0599f), double(37.5f + 0.0599f)));
}

TEST(MapScriptTest, GapsAndStopsLeaveNoPointsBehind)
{
    // A drive A, A (stopped), no fix (tunnel), B, A again: the stop collapses, the tunnel is no
    // jump to (0, 0), and coming back to A later is a new point.
    VexoClipData track;
    track.setSample(0, 0, 0, 0, 10.0f, 20.0f, 0);
    track.setSample(1, 0, 0, 0, 10.0f, 20.0f, 0);
    track.setSample(2, 0, 0, 0, 0.0f, 0.0f, 0);
    track.setSample(3, 0, 0, 0, 10.5f, 20.5f, 0);
    track.setSample(4, 0, 0, 0, 10.0f, 20.0f, 0);
    TestTracks::finish(track, 5);
    EXPECT_EQ(points(track),
              (QStringList{u"20.000000,10.000000"_s, u"20.500000,10.500000"_s, u"20.000000,10.000000"_s}));
    // A fix on the equator or the prime meridian is still a fix.
    track.setSample(0, 0, 0, 0, 0.0f, 20.0f, 0);
    EXPECT_EQ(points(track).constFirst(), u"20.000000,0.000000"_s);
}

TEST(MapScriptTest, ATrackWithoutFixesGivesAnEmptyList)
{
    VexoClipData track;
    EXPECT_EQ(MapScript::addPolyLine(track), u"addPolyLine('', 'red', 4, 0.5)"_s);
    TestTracks::driveAfterNoFix(track, 600);
    EXPECT_EQ(track.gpsDataCount(), 0u);
    EXPECT_EQ(MapScript::routePoints(track), QString());
    // A sample count beyond what a track holds reads no made-up positions past its end.
    TestTracks::constant(track, VexoClipData::kCapacity, 1.0f, 2.0f);
    track.setClipDataCount(VexoClipData::kCapacity + 100);
    EXPECT_EQ(points(track), QStringList{u"2.000000,1.000000"_s});
}
