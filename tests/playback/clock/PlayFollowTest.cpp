// The decisions taken on each tick while both players play: a skipped part of the recording, and
// the small player kept on the large one's clock.
#include "playback/clock/PlayGapWatch.h"
#include "playback/clock/PlaySpeedSteps.h"
#include "playback/clock/RearFollower.h"

#include <gtest/gtest.h>

namespace {
TEST(PlayGapWatchTest, OnlyALeapBeyondThePassingTimeIsASkippedPart)
{
    struct Step
    {
        double seconds;
        qint64 elapsedMs;
        double rate;
        quint64 seeks;
        bool gap;
    };
    const Step steps[] = {
        {26.0, 0, 1.0, 0, false},     // where play stands
        {26.03, 30, 1.0, 0, false},   // an ordinary tick
        {29.0, 3030, 1.0, 0, false},  // the window stood still for three seconds: no skip
        {46.0, 3060, 1.0, 0, true},   // twenty seconds in a tick
        {46.03, 3090, 1.0, 0, false}, // and on from there
        {80.0, 3120, 1.0, 1, false},  // the user sought
        {84.0, 4120, 4.0, 1, false},  // fast forward
        {90.0, 4150, 1.0, 1, true},   // back to normal speed, six seconds in a tick
    };
    PlayGapWatch watch;
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step &step = steps[i];
        const auto gap = watch.tick(step.seconds, step.elapsedMs, step.rate, step.seeks);
        EXPECT_EQ(gap.has_value(), step.gap) << "step " << i;
        if (gap && i > 0) {
            EXPECT_EQ(gap->from, steps[i - 1].seconds);
            EXPECT_EQ(gap->to, step.seconds);
        }
    }
    watch.restart();
    EXPECT_FALSE(watch.tick(200.0, 4180, 1.0, 1).has_value()) << "after a restart only where play stands";
    EXPECT_FALSE(watch.tick(100.0, 4210, -1.0, 1).has_value()) << "backwards is never a skip";
    EXPECT_FALSE(watch.tick(300.0, 4240, 1.0, 1).has_value()) << "backwards play left no mark";
}

TEST(RearFollowerTest, TheSmallPlayerNeverLeadsByMoreThanAFrameNorLagsFarBehind)
{
    struct Step
    {
        double front;
        double rear;
        RearFollower::Action action;
    };
    using A = RearFollower::Action;
    const Step steps[] = {
        {10.0, 10.02, A::None},     // within a frame
        {10.0, 10.10, A::Hold},     // the front waits for the card
        {10.0, 10.10, A::None},     // still held
        {10.05, 10.10, A::None},    // the front catching up
        {10.11, 10.10, A::Release}, // caught up
        {20.0, 19.0, A::Seek},      // the rear could not keep up
        {20.0, 19.8, A::None},      // a little behind is left alone
        {59.0, 57.8, A::None},      // the rear movie is at its end (58 s)
        {65.0, 30.0, A::None},      // past the rear movie's length
    };
    RearFollower follower;
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(follower.tick(steps[i].front, steps[i].rear, 58.0), steps[i].action) << "step " << i;
    }
    follower.setSpeed(8.0);
    EXPECT_EQ(follower.tick(20.0, 19.0, 58.0), A::None) << "at 8 times a second behind is within a tick's play";
    EXPECT_EQ(follower.tick(20.0, 15.0, 58.0), A::Seek);
    EXPECT_EQ(follower.tick(20.0, 20.1, 58.0), A::Hold) << "never ahead, at any speed";
}

TEST(PlaySpeedStepsTest, StepsStopAtEitherEndAndAnOddSpeedGoesToItsNeighbour)
{
    struct Case
    {
        double from;
        double faster;
        double slower;
    };
    const Case cases[] = {
        {1.0, 2.0, 0.5},   {0.25, 0.5, 0.25}, {0.5, 1.0, 0.25},  {8.0, 16.0, 4.0},
        {16.0, 16.0, 8.0}, {3.0, 4.0, 2.0},   {0.1, 0.25, 0.25}, {1.0000001, 2.0, 0.5},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(PlaySpeedSteps::faster(c.from), c.faster) << c.from;
        EXPECT_EQ(PlaySpeedSteps::slower(c.from), c.slower) << c.from;
    }
    EXPECT_EQ(PlaySpeedSteps::faster(std::nan("")), PlaySpeedSteps::Normal);
}
} // namespace
