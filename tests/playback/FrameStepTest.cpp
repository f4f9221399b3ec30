// Frame steps and seeks of the libmpv player on 1080p clips made with ffmpeg at test time, with a
// keyframe every second and with one keyframe for the whole clip (a camera's long spacing: every
// step decodes from far back, so presses pile up while the previous step is still seeking).
#include "playback/MpvPlayer.h"

#include "support/QtPrinters.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr double Frame = 1.0 / 30.0;

QTemporaryDir &clipFolder()
{
    static QTemporaryDir folder;
    return folder;
}

// Three seconds of 1080p at 30 frames a second, a keyframe every KEYFRAMESPACING frames.
bool makeClip(const QString &path, int keyframeSpacing)
{
    QProcess ffmpeg;
    ffmpeg.start(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                               u"testsrc2=size=1920x1080:rate=30:duration=3"_s, u"-c:v"_s, u"libx264"_s,
                               u"-preset"_s, u"ultrafast"_s, u"-g"_s, QString::number(keyframeSpacing),
                               u"-keyint_min"_s, QString::number(keyframeSpacing), u"-sc_threshold"_s, u"0"_s,
                               u"-pix_fmt"_s, u"yuv420p"_s, path});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0;
}

class FrameStepTest : public ::testing::TestWithParam<int>
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(makeClip(clipFolder().filePath(u"keyframe-1s.mov"_s), 30));
        ASSERT_TRUE(makeClip(clipFolder().filePath(u"keyframe-10s.mov"_s), 300));
    }

    void SetUp() override
    {
        ASSERT_TRUE(player.isValid());
        QSignalSpy loaded(&player, &MpvPlayer::fileLoaded);
        player.loadFile(clipFolder().filePath(GetParam() == 1 ? u"keyframe-1s.mov"_s : u"keyframe-10s.mov"_s));
        ASSERT_TRUE(loaded.wait(30000));
        // The frame rate comes in a report of its own; steps need it.
        ASSERT_TRUE(QTest::qWaitFor([this] { return player.duration() > 2.9; }, 10000));
    }

    // Waits until every seek and step has shown its frame and mpv has said so.
    bool settle()
    {
        return QTest::qWaitFor([this] { return !player.isSeeking(); }, 60000);
    }

    // The picture an exact seek straight to SECONDS shows: what a step there must show too.
    QImage frameAt(double seconds)
    {
        player.seekAbsoluteExact(seconds);
        settle();
        return player.screenshot();
    }

    MpvPlayer player;
};

TEST_P(FrameStepTest, AStepReadsTheTimeOfTheFrameItShows)
{
    const QImage expectedNext = frameAt(2.0 + Frame);
    const QImage start = frameAt(2.0);
    ASSERT_NE(expectedNext, start) << "every frame of the pattern differs";
    QSignalSpy times(&player, &MpvPlayer::timePosChanged);
    player.frameStep();
    EXPECT_NEAR(player.timePos(), 2.0 + Frame, 1e-5) << "at once: the frame it will show, not the seek's target";
    ASSERT_TRUE(settle());
    EXPECT_EQ(player.screenshot(), expectedNext);
    EXPECT_NEAR(player.timePos(), 2.0 + Frame, 1e-5);
    for (const QList<QVariant> &report : std::as_const(times)) {
        EXPECT_NEAR(report.at(0).toDouble(), 2.0 + Frame, 1e-5) << "no report of the target or the old time";
    }

    // Back onto a tenth of a second: exactly it, not the sample before.
    player.frameBackStep();
    ASSERT_TRUE(settle());
    EXPECT_EQ(player.screenshot(), start);
    EXPECT_EQ(std::floor(player.timePos() * 10.0), 20.0) << player.timePos();
}

TEST_P(FrameStepTest, NPressesMoveExactlyNFramesHoweverFastTheyCome)
{
    const QImage fiveOn = frameAt(1.0 + 5 * Frame);
    const QImage twoOn = frameAt(1.0 + 2 * Frame);
    frameAt(1.0);
    // Presses 40 ms apart, each while the one before is still seeking on the long spacing.
    for (int press = 0; press < 5; ++press) {
        player.frameStep();
        QTest::qWait(40);
    }
    ASSERT_TRUE(settle());
    EXPECT_NEAR(player.timePos(), 1.0 + 5 * Frame, 1e-5);
    EXPECT_EQ(player.screenshot(), fiveOn);
    // And with no time between them at all.
    for (int press = 0; press < 3; ++press) {
        player.frameBackStep();
    }
    ASSERT_TRUE(settle());
    EXPECT_NEAR(player.timePos(), 1.0 + 2 * Frame, 1e-5);
    EXPECT_EQ(player.screenshot(), twoOn);
}

TEST_P(FrameStepTest, ASeekRightAfterStepsWinsAndItsTimeHolds)
{
    frameAt(1.0);
    player.frameStep();
    player.frameStep();
    player.seekAbsoluteExact(2.5);
    EXPECT_DOUBLE_EQ(player.timePos(), 2.5) << "the newest seek's time, at once";
    QSignalSpy times(&player, &MpvPlayer::timePosChanged);
    ASSERT_TRUE(settle());
    for (const QList<QVariant> &report : std::as_const(times)) {
        EXPECT_GE(report.at(0).toDouble(), 2.5 - 1e-6) << "no report of an older step's frame";
    }
    EXPECT_NEAR(player.timePos(), 2.5, Frame);
}

INSTANTIATE_TEST_SUITE_P(KeyframeSpacing, FrameStepTest, ::testing::Values(1, 10),
                         [](const ::testing::TestParamInfo<int> &spacing) {
                             return "Every" + std::to_string(spacing.param) + "s";
                         });
} // namespace
