#include "trips/HardEvents.h"
#include "trips/TripBuilder.h"
#include "trips/TripRoute.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// One thousandth of a degree of latitude on the mean earth sphere: pi / 180 x 6371008.8 / 1000.
constexpr double kMilliDegreeMeters = 111.19508;

qint64 ms(const QDateTime &time)
{
    return time.toMSecsSinceEpoch();
}

QDateTime at(int hour, int minute, int second, int day = 7)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second), Qt::UTC);
}

// A recording at START of SECONDS seconds driving north at a ten-thousandth of a degree a second
// (11 m/s, 40 km/h), from LAT; FIXES false gives no position at all.
TripRecording drive(const QString &path, const QDateTime &start, int seconds, double lat = 37.5, bool fixes = true)
{
    TripRecording recording;
    recording.path = path;
    recording.start = start;
    recording.durationMs = seconds * 1000;
    recording.kind = TripRecording::kindOf(path);
    for (int i = 0; i < seconds * 10; ++i) {
        RecordingSamples::Sample sample;
        if (fixes) {
            // The fix changes once a second, as the cameras' records do.
            sample.lat = float(lat + (i / 10) * 0.0001);
            sample.lng = 127.0f;
            sample.speed = 40;
        }
        sample.gz = 10;
        recording.track.samples.append(sample);
    }
    return recording;
}

QList<int> tripSizes(const QList<Trip> &trips)
{
    QList<int> sizes;
    for (const Trip &trip : trips) {
        sizes.append(int(trip.recordings.size()));
    }
    return sizes;
}

TEST(TripRouteTest, GreatCircleStepsAddUpAndJumpsOfTheReceiverAreLeftOut)
{
    EXPECT_NEAR(TripRoute::greatCircleMeters({0, 0}, {1, 0}), kMilliDegreeMeters * 1000, 0.5);
    // A degree of longitude at 60° north is half of one at the equator.
    EXPECT_NEAR(TripRoute::greatCircleMeters({60, 10}, {60, 10.001}), kMilliDegreeMeters / 2, 0.01);

    TripRoute route;
    const QDateTime start = at(8, 0, 0);
    route.addFix(ms(start), {37.0, 127.0}, 40);
    // 111 m in 2 s is 200 km/h: driven.
    route.addFix(ms(start.addSecs(2)), {37.001, 127.0}, 45);
    // 111 m in 0.1 s is 4000 km/h: a jump, left out with its speed.
    route.addFix(ms(start.addMSecs(2100)), {37.002, 127.0}, 250);
    route.addFix(ms(start.addSecs(4)), {37.002, 127.0}, 50);
    EXPECT_NEAR(route.meters(), 2 * kMilliDegreeMeters, 0.01);
    EXPECT_EQ(route.topSpeedKmh(), 50u);
    EXPECT_EQ(route.glitches(), 1);
    EXPECT_EQ(route.points().size(), 3);
}

TEST(TripRouteTest, AReceiverThatKeepsDisagreeingIsBelievedAgain)
{
    TripRoute route;
    const QDateTime start = at(8, 0, 0);
    // A wrong first fix far at sea, then a car driving slowly on land.
    route.addFix(ms(start), {0.0, 0.0}, 0);
    for (int i = 1; i <= 20; ++i) {
        route.addFix(ms(start.addSecs(i)), {37.0 + i * 0.0001, 127.0}, 30);
    }
    EXPECT_EQ(route.glitches(), TripRoute::kReanchorFixes);
    // The jump itself is never counted: only the ten steps after the route started again.
    EXPECT_NEAR(route.meters(), 10 * kMilliDegreeMeters / 10, 0.01);
}

TEST(HardEventsTest, TheStrongestJoltWithinTenSecondsIsTheEvent)
{
    HardEvents events;
    const QDateTime start = at(8, 0, 0);
    const auto add = [&](int tenths, double g) {
        events.addSample({start.addMSecs(tenths * 100), g, 0, tenths});
    };
    add(0, 0.4);  // not above the threshold
    add(10, 0.5); // within 10 s of the stronger one at 5 s
    add(50, 0.9);
    add(149, 0.6);  // 9.9 s after it: the same event
    add(150, 0.45); // 10 s after it: a new one
    add(400, 0.41);
    const QList<HardEvents::Event> kept = events.events();
    ASSERT_EQ(kept.size(), 3);
    EXPECT_EQ(kept[0].sample, 50);
    EXPECT_EQ(kept[1].sample, 150);
    EXPECT_EQ(kept[2].sample, 400);
    EXPECT_NEAR(HardEvents::magnitudeG(0, 96, -72), 120.0 / 128.0, 1e-12);
}

TEST(HardEventsTest, ManyJoltsKeepWhatTheStrongestFirstRuleKeeps)
{
    // Jolts at uneven times with repeated strengths, checked against the rule applied by hand:
    // strongest first (the earlier among equals), each kept unless one kept lies within 10 s.
    HardEvents events;
    QList<HardEvents::Event> all;
    const QDateTime start = at(8, 0, 0);
    quint32 state = 12345;
    for (int i = 0; i < 3000; ++i) {
        state = state * 1103515245u + 12345u;
        const qint64 tenths = i * 3 + qint64(state >> 28);
        all.append({start.addMSecs(tenths * 100), 0.5 + double((state >> 16) % 40) / 10.0, 0, i});
        events.addSample(all.last());
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const auto &a, const auto &b) { return a.g > b.g || (a.g == b.g && a.time < b.time); });
    QList<HardEvents::Event> expected;
    for (const HardEvents::Event &jolt : std::as_const(all)) {
        if (std::none_of(expected.cbegin(), expected.cend(),
                         [&](const auto &kept) { return std::abs(kept.time.msecsTo(jolt.time)) < 10000; })) {
            expected.append(jolt);
        }
    }
    std::sort(expected.begin(), expected.end(), [](const auto &a, const auto &b) { return a.time < b.time; });
    const QList<HardEvents::Event> kept = events.events();
    ASSERT_EQ(kept.size(), expected.size());
    ASSERT_GT(kept.size(), 50);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i].sample, expected[i].sample) << i;
    }
}

TEST(TripBuilderTest, RecordingsJoinWhileTheGapIsAtMostTheLimit)
{
    const QList<TripRecording> recordings = {
        drive(u"/c/cont_rec/20261207_080000_F.mp4"_s, at(8, 0, 0), 60),
        // Starts exactly 120 s after the first ends: same trip.
        drive(u"/c/cont_rec/20261207_080300_F.mp4"_s, at(8, 3, 0), 60),
        // 121 s after: a new trip.
        drive(u"/c/cont_rec/20261207_080601_F.mp4"_s, at(8, 6, 1), 60),
    };
    const QList<Trip> trips = TripBuilder::build(recordings, {});
    EXPECT_EQ(tripSizes(trips), (QList<int>{2, 1}));
    EXPECT_EQ(trips[0].index, 1);
    EXPECT_EQ(trips[0].start, at(8, 0, 0));
    EXPECT_EQ(trips[0].end, at(8, 4, 0));
    EXPECT_EQ(trips[1].index, 2);
    // A longer gap joins all three; no gap at all separates every one.
    EXPECT_EQ(tripSizes(TripBuilder::build(recordings, {.gapSeconds = 121})), (QList<int>{3}));
    EXPECT_EQ(tripSizes(TripBuilder::build(recordings, {.gapSeconds = 0})), (QList<int>{1, 1, 1}));
}

TEST(TripBuilderTest, ATripRunsOverMidnightAndParkingBreaksIt)
{
    QList<TripRecording> recordings = {
        drive(u"/c/cont_rec/20261207_235930_F.mp4"_s, at(23, 59, 30), 60),
        drive(u"/c/cont_rec/20261208_000040_F.mp4"_s, at(0, 0, 40, 8), 60),
        drive(u"/c/motion_rec/20261208_000150_MOT.avi"_s, at(0, 1, 50, 8), 10),
        drive(u"/c/cont_rec/20261208_000210_F.mp4"_s, at(0, 2, 10, 8), 60),
    };
    const QList<Trip> trips = TripBuilder::build(recordings, {});
    ASSERT_EQ(tripSizes(trips), (QList<int>{2, 1}));
    EXPECT_EQ(trips[0].start, at(23, 59, 30));
    EXPECT_EQ(trips[0].end, at(0, 1, 40, 8));
    EXPECT_EQ(trips[0].seconds(), 130);
    // The parking recording is in no trip.
    EXPECT_EQ(trips[1].recordings, (QList<qsizetype>{3}));
}

TEST(TripBuilderTest, EventsJoinTheirTripMarkedAndOverlapsAreDrivenOnce)
{
    QList<TripRecording> recordings = {
        drive(u"/c/cont_rec/20261207_080000_F.mp4"_s, at(8, 0, 0), 60),
        // An impact recording made during the continuous one, of the same drive.
        drive(u"/c/evt_rec/20261207_080020_EVT.avi"_s, at(8, 0, 20), 20, 37.5 + 0.002),
        drive(u"/c/manual_rec/20261207_080100_MAN.avi"_s, at(8, 1, 0), 30, 37.5 + 0.006),
        // No fix at all: still part of the trip by its time.
        drive(u"/c/cont_rec/20261207_080130_F.mp4"_s, at(8, 1, 30), 30, 0, false),
    };
    // A jolt in the event recording: 1.2 g at its 5th second.
    recordings[1].track.samples[50].gx = -150;
    recordings[1].track.samples[50].gy = 30;
    const QList<Trip> trips = TripBuilder::build(recordings, {});
    ASSERT_EQ(trips.size(), 1);
    const Trip &trip = trips[0];
    EXPECT_EQ(trip.recordings, (QList<qsizetype>{0, 1, 2, 3}));
    EXPECT_EQ(TripRecording::kindOf(recordings[1].path), TripRecording::Kind::Event);
    EXPECT_EQ(TripRecording::kindOf(recordings[2].path), TripRecording::Kind::Manual);
    EXPECT_EQ(trip.end, at(8, 2, 0));
    // 59 steps in the first minute, one to the manual recording's first fix at 8:01:00, then 29
    // more: 89 ten-thousandths of a degree, the event recording's overlap counted once.
    EXPECT_NEAR(trip.meters, 89 * kMilliDegreeMeters / 10, 0.05);
    ASSERT_EQ(trip.events.size(), 1);
    EXPECT_EQ(trip.events[0].recording, 1);
    EXPECT_EQ(trip.events[0].sample, 50);
    EXPECT_NEAR(trip.events[0].g, std::sqrt(150.0 * 150 + 30 * 30 + 10 * 10) / 128, 1e-9);
    ASSERT_TRUE(trip.bounds.has_value());
    EXPECT_NEAR(trip.bounds->south, 37.5, 1e-5);
    EXPECT_NEAR(trip.bounds->north, 37.5089, 1e-5);
    EXPECT_EQ(trip.topSpeedKmh, 40u);
}

TEST(TripBuilderTest, EachRecordingCountsOnce)
{
    const QStringList paths = {u"/c/cont_rec/20261207_080000_F.mp4"_s, u"/c/cont_rec/20261207_080000_R.mp4"_s,
                               // A rear file without its front file is the only file of its recording.
                               u"/c/cont_rec/20261207_080100_R.mp4"_s, u"/c/evt_rec/20261207_080020_EVT.avi"_s,
                               u"/c/Saved_Videos/20261207_080020_EVT.avi"_s,
                               // A saved copy whose original is gone is kept.
                               u"/c/Saved_Videos/20261207_070000_EVT.avi"_s,
                               // No start time in the name.
                               u"/c/cont_rec/clip.avi"_s};
    EXPECT_EQ(TripBuilder::distinctRecordings(paths),
              (QStringList{u"/c/cont_rec/20261207_080000_F.mp4"_s, u"/c/cont_rec/20261207_080100_R.mp4"_s,
                           u"/c/evt_rec/20261207_080020_EVT.avi"_s, u"/c/Saved_Videos/20261207_070000_EVT.avi"_s}));
}
} // namespace
