// What a player shows and sends while seeks and frame steps are on their way, with made-up reports.
#include "playback/SeekTracker.h"

#include <QList>

#include <gtest/gtest.h>

namespace {
constexpr double Frame = 1.0 / 30.0;

// A player whose reports the test writes: each seek sent is taken (its reply) at once.
struct Player
{
    SeekTracker tracker;
    QList<SeekTracker::Seek> sent;

    void send(const std::optional<SeekTracker::Seek> &seek)
    {
        if (seek) {
            sent.append(*seek);
            send(tracker.replied(seek->id, false));
        }
    }
    void restart() { send(tracker.restarted()); }
};

TEST(SeekTrackerTest, AStepShowsTheFrameItLandsOnNotTheTimeSent)
{
    Player player;
    ASSERT_TRUE(player.tracker.heard(10.0));
    player.send(player.tracker.step(1, Frame, 0.0));
    ASSERT_EQ(player.sent.size(), 1);
    // Half a frame before the next frame: the exact seek shows the first frame at or after it.
    EXPECT_NEAR(player.sent.at(0).target, 10.0 + Frame / 2.0, 1e-6);
    EXPECT_NEAR(player.tracker.position(), 10.0 + Frame, 1e-6) << "the frame it will show";
    EXPECT_FALSE(player.tracker.heard(10.0 + Frame / 2.0)) << "the player reports its target while seeking";
    EXPECT_NEAR(player.tracker.position(), 10.0 + Frame, 1e-6);
    player.restart();
    EXPECT_NEAR(player.tracker.position(), 10.0 + Frame, 1e-6) << "kept until a report follows the restart";
    EXPECT_FALSE(player.tracker.heard(10.0 + Frame / 2.0)) << "the target again: the frame is not drawn yet";
    EXPECT_NEAR(player.tracker.position(), 10.0 + Frame, 1e-6);
    EXPECT_TRUE(player.tracker.heard(10.033333));
    EXPECT_DOUBLE_EQ(player.tracker.position(), 10.033333);

    // Back onto a tenth of a second: exactly 10, not a hair below (the previous sensor sample).
    player.send(player.tracker.step(-1, Frame, 0.0));
    EXPECT_NEAR(player.sent.constLast().target, 10.0 - Frame / 2.0, 1e-4);
    EXPECT_GE(player.tracker.position(), 10.0);
    EXPECT_LT(player.tracker.position(), 10.0 + 1e-6);
}

TEST(SeekTrackerTest, StepsPressedWhileOneIsUnderWayAreCountedExactlyAndCoalesced)
{
    Player player;
    ASSERT_TRUE(player.tracker.heard(10.0));
    for (int press = 0; press < 5; ++press) {
        player.send(player.tracker.step(1, Frame, 0.0));
    }
    ASSERT_EQ(player.sent.size(), 1) << "one seek under way; the other four wait as one";
    EXPECT_NEAR(player.tracker.position(), 10.0 + 5 * Frame, 1e-6);
    player.restart();
    ASSERT_EQ(player.sent.size(), 2);
    EXPECT_NEAR(player.sent.at(1).target, 10.0 + 4.5 * Frame, 1e-6) << "five frames on, absolute";
    EXPECT_FALSE(player.tracker.heard(10.0 + Frame)) << "the first seek's frame is not current";
    for (int press = 0; press < 3; ++press) {
        player.send(player.tracker.step(-1, Frame, 0.0));
    }
    player.restart();
    ASSERT_EQ(player.sent.size(), 3);
    EXPECT_NEAR(player.sent.at(2).target, 10.0 + 1.5 * Frame, 1e-6) << "five on, three back: two frames on";
    player.restart();
    EXPECT_TRUE(player.tracker.heard(10.0 + 2 * Frame));
    EXPECT_FALSE(player.tracker.isSeeking());
}

TEST(SeekTrackerTest, ARestartBeforeTheNewestSeekWasTakenIsAnOlderOnes)
{
    SeekTracker tracker;
    ASSERT_TRUE(tracker.heard(3.0));
    const auto first = tracker.seekTo(20.0, 20.0);
    ASSERT_TRUE(first);
    EXPECT_FALSE(tracker.restarted()) << "the file's own start, before the seek was taken";
    EXPECT_TRUE(tracker.isSeeking());
    EXPECT_FALSE(tracker.replied(first->id + 7, false)) << "not this seek's reply";
    EXPECT_FALSE(tracker.heard(3.1)) << "a report from before the seek";
    EXPECT_DOUBLE_EQ(tracker.position(), 20.0) << "no flicker back to the old position";
    EXPECT_FALSE(tracker.replied(first->id, false));
    EXPECT_FALSE(tracker.restarted());
    EXPECT_FALSE(tracker.isSeeking());
    EXPECT_TRUE(tracker.heard(20.0));

    // A seek while another is under way waits; the older one's restart sends it, and only the
    // restart after its reply ends the wait.
    const auto second = tracker.seekTo(30.0, 30.0);
    ASSERT_TRUE(second);
    EXPECT_FALSE(tracker.seekTo(40.0, 40.0));
    EXPECT_FALSE(tracker.replied(second->id, false));
    const auto third = tracker.restarted();
    ASSERT_TRUE(third);
    EXPECT_DOUBLE_EQ(third->target, 40.0);
    EXPECT_FALSE(tracker.restarted()) << "restart before the newest seek was taken";
    EXPECT_FALSE(tracker.heard(30.0)) << "the older seek's position";
    EXPECT_DOUBLE_EQ(tracker.position(), 40.0);
    EXPECT_FALSE(tracker.replied(third->id, false));
    EXPECT_FALSE(tracker.restarted());
    EXPECT_TRUE(tracker.heard(40.0));
}

TEST(SeekTrackerTest, ARefusedSeekEndsItsWaitAndStepsStayInsideTheMovie)
{
    SeekTracker tracker;
    const auto refused = tracker.seekTo(5.0, 5.0);
    ASSERT_TRUE(refused);
    EXPECT_FALSE(tracker.replied(refused->id, true));
    EXPECT_FALSE(tracker.isSeeking());
    EXPECT_TRUE(tracker.heard(1.0));

    tracker.reset();
    EXPECT_DOUBLE_EQ(tracker.position(), 0.0) << "a new file is at its start";
    EXPECT_FALSE(tracker.step(-1, Frame, 0.0)) << "nothing before the first frame";
    EXPECT_FALSE(tracker.isSeeking());
    EXPECT_FALSE(tracker.step(1, 0.0, 0.0)) << "no frame rate: no step here";
    ASSERT_TRUE(tracker.heard(2.0 - Frame));
    EXPECT_FALSE(tracker.step(1, Frame, 2.0 - Frame)) << "nothing after the last frame";
    EXPECT_TRUE(tracker.step(-1, Frame, 2.0 - Frame));
}
} // namespace
