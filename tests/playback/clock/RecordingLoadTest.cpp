// The rules of a recording being loaded, and the play timer's rhythm, without widgets or timers.
#include "playback/clock/RecordingLoad.h"

#include "playback/clock/TickSchedule.h"

#include <QList>

#include <gtest/gtest.h>

namespace {
TEST(RecordingLoadTest, ANewChoiceMakesTheOldAnswersStaleAndCancelsItsTrackRead)
{
    RecordingLoad load;
    const quint64 first = load.begin();
    const auto firstRead = load.trackCancel();
    EXPECT_TRUE(load.isCurrent(first));
    EXPECT_FALSE(firstRead->load());
    const quint64 second = load.begin();
    EXPECT_FALSE(load.isCurrent(first));
    EXPECT_TRUE(load.isCurrent(second));
    EXPECT_TRUE(firstRead->load()) << "the first recording's scan stops";
    EXPECT_FALSE(load.trackCancel()->load()) << "the second one's goes on";
    load.cancelTrackRead();
    EXPECT_TRUE(load.trackCancel()->load());
}

TEST(RecordingLoadTest, StopWhileLoadingHoldsUntilPlayIsPressed)
{
    RecordingLoad load;
    load.stopPressed(); // nothing chosen yet
    load.begin();
    EXPECT_FALSE(load.isReady());
    EXPECT_TRUE(load.becomeReady()) << "an untouched recording starts by itself";
    load.stopPressed(); // once playing, Stop is an ordinary stop
    load.begin();
    EXPECT_TRUE(load.becomeReady());

    load.begin();
    load.stopPressed();
    EXPECT_FALSE(load.becomeReady()) << "Stop during loading holds";
    EXPECT_TRUE(load.isReady());
    load.begin();
    load.stopPressed();
    load.playPressed();
    EXPECT_TRUE(load.becomeReady());
    load.begin();
    EXPECT_FALSE(load.isReady()) << "every choice loads anew";
}

TEST(TickScheduleTest, ThirtyThreeTicksASecondOnAMillisecondTimer)
{
    TickSchedule schedule(33);
    qint64 now = 1000;
    int wait = schedule.start(now);
    QList<int> waits{wait};
    for (int tick = 1; tick < 33; ++tick) {
        now += wait;
        wait = schedule.next(now);
        waits.append(wait);
    }
    now += wait;
    EXPECT_EQ(now, 2000) << "the 33rd tick is due one second after the start";
    for (const int each : std::as_const(waits)) {
        EXPECT_TRUE(each == 30 || each == 31) << each;
    }
    EXPECT_EQ(waits.count(31), 10) << "1000 ms = 23 x 30 + 10 x 31";

    // A tick run late does not move the next ones; one missed is skipped.
    TickSchedule late(33);
    EXPECT_EQ(late.start(0), 31);
    EXPECT_EQ(late.next(45), 16) << "the second tick is still due at 61 ms";
    EXPECT_EQ(late.next(100), 22) << "the third (91 ms) was missed: the fourth is due at 122 ms";
}
} // namespace
