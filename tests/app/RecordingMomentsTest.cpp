#include "app/RecordingMoments.h"

#include "sensor/VexoClipData.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(RecordingMomentsTest, HardJoltsAreMarkedAtTheirPlayTimeOnePerTenSeconds)
{
    VexoClipData track;
    track.setClipDataCount(400);
    track.setSample(30, 40, 0, 0, 0.0f, 0.0f, 0);    // 3.0 s: 0.31 g, below the threshold
    track.setSample(55, 0, 0, 300, 0.0f, 0.0f, 0);   // 5.5 s
    track.setSample(120, 0, 200, 0, 0.0f, 0.0f, 0);  // 12.0 s: weaker and within 10 s: the same event
    track.setSample(350, -250, 0, 0, 0.0f, 0.0f, 0); // 35.0 s: a jolt backwards counts too
    track.setSample(450, 0, 0, 400, 0.0f, 0.0f, 0);  // beyond the samples read: not there
    EXPECT_EQ(RecordingMoments::hardEventSeconds(track), (QList<double>{5.5, 35.0}));
    EXPECT_TRUE(RecordingMoments::hardEventSeconds(VexoClipData()).isEmpty());
}

TEST(RecordingMomentsTest, TheFrameTimeIsReadOnTheCamerasClock)
{
    const qint64 start = QDateTime(QDate(2026, 12, 7), QTime(8, 15, 0), Qt::UTC).toMSecsSinceEpoch();
    const TrackTimes utc(TrackTimes::Clock::Utc, {start, start + 100}, start, {});
    const TrackTimes local(TrackTimes::Clock::Local, {start, start + 100}, start, {});
    const struct
    {
        TrackTimes times;
        std::optional<CardTimeZone> zone;
        double seconds;
        QString expected;
    } rows[] = {
        {utc, CardTimeZone(9 * 60, false), 15.4, u"2026-12-07\n17:15:15"_s},
        {utc, CardTimeZone(-8 * 60, false), 0.0, u"2026-12-07\n00:15:00"_s},
        {utc, CardTimeZone(-9 * 60, false), 0.0, u"2026-12-06\n23:15:00"_s}, // the day before
        {utc, std::nullopt, 1.0, u"2026-12-07\n08:15:01 UTC"_s},
        {local, CardTimeZone(9 * 60, false), 2.0, u"2026-12-07\n08:15:02"_s}, // already the camera's
        {TrackTimes(), std::nullopt, 2.0, QString()},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(RecordingMoments::cameraTimeText(row.times, row.zone, row.seconds), row.expected)
            << row.expected.toStdString();
    }
}
} // namespace
