#include "playback/clock/PlaybackTicker.h"

#include "sensor/SubtitleData.h"
#include "sensor/SubtitleEntry.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using Map = PlaybackTicker::MapAction;

namespace {
// A track of COUNT samples: acceleration x = index, a position that moves with the index.
VexoClipData track(int count)
{
    VexoClipData data;
    for (int i = 0; i < count; ++i) {
        data.setSample(i, qint16(i), qint16(-128), qint16(256), 37.0f + float(i) * 0.0001f, 127.0f, quint32(i % 200));
    }
    data.setClipDataCount(quint32(count));
    data.setGpsDataCount(quint32(count));
    return data;
}

SubtitleEntry entry(qint32 cts, qint32 gx, float lat, float lng, quint32 speed)
{
    SubtitleEntry e;
    e.setCts(cts);
    e.setGx(gx);
    e.setGy(0);
    e.setGz(128);
    e.setLat(lat);
    e.setLng(lng);
    e.setSpeed(speed);
    return e;
}

TEST(PlaybackTickerTest, TenSamplesASecondTruncated)
{
    EXPECT_EQ(PlaybackTicker::sampleIndex(0.09), 0);
    EXPECT_EQ(PlaybackTicker::sampleIndex(0.1), 1);
    EXPECT_EQ(PlaybackTicker::sampleIndex(12.37), 123);
    EXPECT_EQ(PlaybackTicker::sampleIndex(std::nan("")), 0);
    EXPECT_EQ(PlaybackTicker::sampleIndex(1e300), 0);
    EXPECT_FLOAT_EQ(PlaybackTicker::accelerationDisplayValue(-512), -4.0f);
    EXPECT_FLOAT_EQ(PlaybackTicker::accelerationDisplayValue(64), 0.5f);
    EXPECT_EQ(PlaybackTicker::SensorInterval, 0.30000001192092896);
}

TEST(PlaybackTickerTest, ReadoutsRefreshOnlyAfterMoreThanTheSinglePrecisionThreeTenths)
{
    const VexoClipData data = track(600);
    PlaybackTicker ticker;
    ticker.setTrack(&data, nullptr);

    auto first = ticker.tick(0.5, true);
    EXPECT_TRUE(first.updateSensorInfo);
    EXPECT_EQ(first.sampleIndex, 5);
    EXPECT_FLOAT_EQ(first.gx, PlaybackTicker::accelerationDisplayValue(5));
    EXPECT_FLOAT_EQ(first.gy, -1.0f);
    EXPECT_TRUE(first.updateSpeed);
    EXPECT_EQ(first.speed, 5u);
    EXPECT_FALSE(ticker.tick(0.8, true).updateSensorInfo) << "exactly 0.3 later is not more than 0.3f";
    EXPECT_FALSE(ticker.tick(0.5 + 0.30000001, true).updateSensorInfo);
    EXPECT_TRUE(ticker.tick(0.5 + 0.3000001, true).updateSensorInfo);
    // A step backwards leaves the readouts as they are.
    EXPECT_FALSE(ticker.tick(0.2, true).updateSensorInfo);
}

TEST(PlaybackTickerTest, MapMovesOncePerSecondAndASeekRefreshesEverything)
{
    const VexoClipData data = track(600);
    PlaybackTicker ticker;
    ticker.setTrack(&data, nullptr);
    EXPECT_EQ(ticker.tick(1.01, true).map, Map::Move);
    EXPECT_EQ(ticker.tick(2.0, true).map, Map::None);
    EXPECT_EQ(ticker.tick(2.02, true).map, Map::Move);

    ticker.resetThrottles();
    const auto afterSeek = ticker.tick(0.5, true);
    EXPECT_TRUE(afterSeek.updateSensorInfo);
    EXPECT_EQ(afterSeek.map, Map::None) << "0.5 s is not more than a second after 0";
    ticker.resetThrottles();
    const auto later = ticker.tick(30.0, true);
    EXPECT_TRUE(later.updateSensorInfo);
    EXPECT_EQ(later.map, Map::Move);
}

TEST(PlaybackTickerTest, PastTheLastSampleNothingChanges)
{
    const VexoClipData data = track(600);
    PlaybackTicker ticker;
    ticker.setTrack(&data, nullptr);
    EXPECT_TRUE(ticker.tick(59.95, true).updateSensorInfo);
    const auto past = ticker.tick(60.0, true);
    EXPECT_EQ(past.sampleIndex, 600);
    EXPECT_FALSE(past.updateSensorInfo);
    EXPECT_FALSE(past.updateSpeed);
    EXPECT_EQ(past.map, Map::None);

    const VexoClipData empty;
    ticker.setTrack(&empty, nullptr);
    EXPECT_FALSE(ticker.tick(10.0, true).updateSensorInfo);
}

TEST(PlaybackTickerTest, SubtitleTrackDrivesReadoutsAndMapByItsThreeResults)
{
    const VexoClipData data = track(0);
    SubtitleData subtitles;
    subtitles.setEntries({entry(0, 128, 37.5f, 127.0f, 40), entry(1000, 256, 37.6f, 127.1f, 50),
                          entry(2000, 0, SubtitleEntry::kNoCoordinate, SubtitleEntry::kNoCoordinate, 0)});
    PlaybackTicker ticker;
    ticker.setTrack(&data, &subtitles);

    // Exactly on an entry with a fix, a second after the last map move.
    auto exact = ticker.tick(1.0, false);
    EXPECT_TRUE(exact.updateAcceleration);
    EXPECT_FALSE(exact.updateSensorInfo);
    EXPECT_FLOAT_EQ(exact.gx, 2.0f);
    EXPECT_EQ(exact.map, Map::Move);
    EXPECT_TRUE(exact.updatePosition);
    EXPECT_FLOAT_EQ(exact.lat, 37.6f);
    EXPECT_EQ(exact.speed, 50u);
    EXPECT_EQ(ticker.lastUpdatedMapTime(), 1.0) << "the map keeps a one-second rhythm";

    // Between entries: a derived position uncovers a hidden map, and only then writes the fields.
    auto derived = ticker.tick(0.5, false);
    EXPECT_EQ(derived.map, Map::ShowAndMove);
    EXPECT_TRUE(derived.updatePosition);
    EXPECT_TRUE(derived.updateSpeed);
    auto derivedShown = ticker.tick(0.5, true);
    EXPECT_EQ(derivedShown.map, Map::None);
    EXPECT_FALSE(derivedShown.updatePosition);
    EXPECT_TRUE(derivedShown.updateSpeed);

    // Far from any fix: cover the map, speed 0.
    ticker.resetThrottles();
    auto none = ticker.tick(2.5, true);
    EXPECT_EQ(none.map, Map::Cover);
    EXPECT_TRUE(none.updateSpeed);
    EXPECT_EQ(none.speed, 0u);
}

TEST(PlaybackTickerTest, SubtitleMapRhythmResynchronisesAfterAJump)
{
    SubtitleData subtitles;
    QList<SubtitleEntry> entries;
    for (int second = 0; second <= 20; ++second) {
        entries.append(entry(second * 1000, 0, 37.0f, 127.0f, 10));
    }
    subtitles.setEntries(entries);
    PlaybackTicker ticker;
    ticker.setTrack(nullptr, &subtitles);
    EXPECT_EQ(ticker.tick(1.0, true).map, Map::Move);
    EXPECT_EQ(ticker.lastUpdatedMapTime(), 1.0);
    EXPECT_EQ(ticker.tick(2.05, true).map, Map::Move);
    EXPECT_EQ(ticker.lastUpdatedMapTime(), 2.0) << "one second on from the last move, not the play time";
    EXPECT_EQ(ticker.tick(9.0, true).map, Map::Move);
    EXPECT_EQ(ticker.lastUpdatedMapTime(), 9.0) << "after a jump the rhythm restarts at the play time";
}
} // namespace
