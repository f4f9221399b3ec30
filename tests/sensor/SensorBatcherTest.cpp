#include "sensor/SensorBatcher.h"

#include "sensor/GrowingTrack.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {
std::vector<int> sources(int n)
{
    std::array<int, 10> chosen{};
    const int count = SensorBatcher::batchSources(n, chosen);
    return {chosen.begin(), chosen.begin() + count};
}

TEST(SensorBatcherTest, FewPendingSamplesRepeatToFillASecond)
{
    EXPECT_EQ(sources(1), std::vector<int>(10, 0));
    EXPECT_EQ(sources(2), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1}));
    EXPECT_EQ(sources(3), (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 2, 2, 2}));
    EXPECT_EQ(sources(5), (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4}));
    EXPECT_EQ(sources(10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(sources(0).empty());
}

TEST(SensorBatcherTest, ManyPendingSamplesAreThinnedToTen)
{
    EXPECT_EQ(sources(20), (std::vector<int>{0, 1, 3, 5, 7, 9, 11, 13, 15, 17}));
    EXPECT_EQ(sources(60), (std::vector<int>{0, 3, 9, 15, 21, 27, 33, 39, 45, 51}));
    EXPECT_EQ(sources(11), (std::vector<int>{0, 1, 2, 3, 4, 5, 7, 8, 9, 10}));
    EXPECT_EQ(sources(25), (std::vector<int>{0, 2, 4, 7, 9, 12, 14, 17, 19, 22}));
    // Every count up to the pending limit gives exactly ten distinct, increasing sources.
    for (int n = 11; n <= 650; ++n) {
        const std::vector<int> chosen = sources(n);
        ASSERT_EQ(chosen.size(), 10u) << n;
        for (std::size_t k = 1; k < chosen.size(); ++k) {
            EXPECT_LT(chosen[k - 1], chosen[k]) << n;
        }
        EXPECT_LT(chosen.back(), n);
    }
}

TEST(SensorBatcherTest, KnotsBecomeWholeKilometresPerHourRoundedHalfUp)
{
    EXPECT_EQ(SensorBatcher::kmhFromKnots(10.0f), 19u); // 18.52
    EXPECT_EQ(SensorBatcher::kmhFromKnots(0.0f), 0u);
    EXPECT_EQ(SensorBatcher::kmhFromKnots(0.27f), 1u);    // 0.50004
    EXPECT_EQ(SensorBatcher::kmhFromKnots(0.26f), 0u);    // 0.48152
    EXPECT_EQ(SensorBatcher::kmhFromKnots(100.0f), 185u); // 185.2
}

TEST(SensorBatcherTest, APositionRecordStoresTenSamplesWithItsFix)
{
    VexoClipData track;
    SensorBatcher batcher(60, VexoClipData::kCapacity);
    for (int i = 0; i < 25; ++i) {
        batcher.appendPending({qint16(i), qint16(-i), qint16(2 * i)});
    }
    batcher.positionRecord(SensorBatcher::positionFromFields(u"A", u"3723.4567", u"S", u"12658.1234", u"W", u"10.0"));
    EXPECT_EQ(batcher.storedCount(), 10);
    EXPECT_EQ(batcher.pendingCount(), 0);
    // A no-fix record after three samples: ten samples at (0, 0), not counted as positions.
    for (int i = 0; i < 3; ++i) {
        batcher.appendPending({7, 7, 7});
    }
    batcher.positionRecord(SensorBatcher::positionFromFields(u"V", u"3723.4567", u"N", u"12658.1234", u"E", u"10"));
    ASSERT_EQ(batcher.commit(track), 20);
    track.setClipDataCount(20);
    EXPECT_EQ(track.gpsDataCount(), 10u);
    // A southern, western fix is negative.
    EXPECT_EQ(track.getGpsLat(0), -37.390944f);
    EXPECT_EQ(track.getGpsLng(9), -126.968728f);
    EXPECT_EQ(track.getGpsSpeed(3), 19u);
    // Sources for 25 pending: 0, 2, 4, 7, 9, 12, 14, 17, 19, 22.
    EXPECT_EQ(track.getGx(1), 2);
    EXPECT_EQ(track.getGy(3), -7);
    EXPECT_EQ(track.getGz(9), 44);
    EXPECT_EQ(track.getGpsLat(15), 0.0f);
    EXPECT_EQ(track.getGpsSpeed(15), 0u);
    EXPECT_EQ(track.getGx(19), 7);
}

TEST(SensorBatcherTest, PendingSamplesBeyondTheLimitWaitNoMore)
{
    SensorBatcher batcher(60, VexoClipData::kCapacity);
    for (int i = 0; i < 60; ++i) {
        EXPECT_TRUE(batcher.appendPending({qint16(i), 0, 0}));
    }
    EXPECT_FALSE(batcher.appendPending({99, 0, 0}));
    EXPECT_EQ(batcher.pendingCount(), 60);
}

TEST(SensorBatcherTest, StoringStopsAtTheTracksCapacity)
{
    // Three minutes of one acceleration record and one position record a second: the player's
    // track stops at 65 s, a whole track keeps all 1,800 samples, each second's in its place.
    const auto feed = [](SensorBatcher &batcher) {
        for (int second = 0; second < 180; ++second) {
            batcher.appendPending({qint16(second), 0, 0});
            batcher.positionRecord(SensorBatcher::Position{});
        }
    };
    SensorBatcher player(650, VexoClipData::kCapacity);
    feed(player);
    EXPECT_EQ(player.storedCount(), 650);
    EXPECT_TRUE(player.isFull());

    GrowingTrack whole(GrowingTrack::capacityFor(1'000'000));
    SensorBatcher batcher(650, whole.capacity());
    feed(batcher);
    EXPECT_FALSE(batcher.isFull());
    ASSERT_EQ(batcher.commit(whole), 1800);
    ASSERT_EQ(whole.samples().size(), 1800);
    EXPECT_EQ(whole.samples()[649].gx, 64);
    EXPECT_EQ(whole.samples()[650].gx, 65);
    EXPECT_EQ(whole.samples()[1799].gx, 179);

    // A track's capacity is its own: a small one stops the batcher there.
    GrowingTrack small(700);
    SensorBatcher smallBatcher(650, small.capacity());
    feed(smallBatcher);
    EXPECT_EQ(smallBatcher.commit(small), 700);
}

TEST(SensorBatcherTest, AWholeTracksCapacityFollowsTheFileSizeWithinBounds)
{
    EXPECT_EQ(GrowingTrack::capacityFor(-1), 650);
    EXPECT_EQ(GrowingTrack::capacityFor(100), 650);
    EXPECT_EQ(GrowingTrack::capacityFor(90'000), 90'000);
    // A huge file (or one that claims to be) still gets at most four hours at 10 Hz.
    EXPECT_EQ(GrowingTrack::capacityFor(qint64(1) << 40), 144'000);
    // Samples past the capacity are not kept; a count below what was stored drops the rest.
    GrowingTrack track(2);
    track.setSample(0, 1, 2, 3, 1.0f, 2.0f, 3);
    track.setSample(2, 9, 9, 9, 9.0f, 9.0f, 9);
    track.setSample(1, 4, 5, 6, 0.0f, 0.0f, 0);
    track.setFixTime(1, 1234);
    ASSERT_EQ(track.samples().size(), 2);
    EXPECT_EQ(track.samples()[1].fixTime, 1234);
    EXPECT_EQ(track.samples()[0].fixTime, NmeaTime::kNoTime);
    track.setClipDataCount(1);
    EXPECT_EQ(track.samples().size(), 1);
}
} // namespace
