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

constexpr int BoxPixels = 96;

// Three seconds of 1080p at 30 frames a second, a keyframe every KEYFRAMESPACING frames. Each
// picture carries its own frame number in seven boxes along its top edge (white for a 1 bit,
// least significant first), so the frame shown is read from the picture itself.
bool makeClip(const QString &path, int keyframeSpacing)
{
    QString filters =
        u"testsrc2=size=1920x1080:rate=30:duration=3,drawbox=x=0:y=0:w=%1:h=%2:color=black:t=fill"_s.arg(7 * BoxPixels)
            .arg(BoxPixels);
    for (int bit = 0; bit < 7; ++bit) {
        filters +=
            u",drawbox=x=%1:y=0:w=%2:h=%2:color=white:t=fill:enable='gte(mod(n\\,%3)\\,%4)'"_s.arg(bit * BoxPixels)
                .arg(BoxPixels)
                .arg(2 << bit)
                .arg(1 << bit);
    }
    QProcess ffmpeg;
    ffmpeg.start(u"ffmpeg"_s, {u"-v"_s,
                               u"error"_s,
                               u"-y"_s,
                               u"-f"_s,
                               u"lavfi"_s,
                               u"-i"_s,
                               filters,
                               u"-c:v"_s,
                               u"libx264"_s,
                               u"-preset"_s,
                               u"ultrafast"_s,
                               u"-g"_s,
                               QString::number(keyframeSpacing),
                               u"-keyint_min"_s,
                               QString::number(keyframeSpacing),
                               u"-sc_threshold"_s,
                               u"0"_s,
                               u"-pix_fmt"_s,
                               u"yuv420p"_s,
                               path});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0;
}

// The frame number a picture of makeClip carries; -1 for no picture.
int frameNumber(const QImage &picture)
{
    if (picture.width() < 7 * BoxPixels || picture.height() < BoxPixels) {
        return -1;
    }
    int number = 0;
    for (int bit = 0; bit < 7; ++bit) {
        if (qGray(picture.pixel(bit * BoxPixels + BoxPixels / 2, BoxPixels / 2)) > 128) {
            number |= 1 << bit;
        }
    }
    return number;
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
        // Frames are drawn as a view would draw them: mpv counts a frame as shown once drawn.
        QObject::connect(&player, &MpvPlayer::frameReady, &player, [this] { player.frame(QSize(64, 36)); });
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

    // Waits until the picture shown is frame NUMBER (the frame is drawn a moment after the seek has
    // finished); false when it never becomes that one.
    bool shows(int number)
    {
        return QTest::qWaitFor([&] { return frameNumber(player.screenshot()) == number; }, 10000);
    }

    void seekTo(int number)
    {
        player.seekAbsoluteExact(number * Frame);
        ASSERT_TRUE(settle());
        ASSERT_TRUE(shows(number)) << frameNumber(player.screenshot());
    }

    MpvPlayer player;
};

TEST_P(FrameStepTest, AStepReadsTheTimeOfTheFrameItShows)
{
    seekTo(60);
    QSignalSpy times(&player, &MpvPlayer::timePosChanged);
    player.frameStep();
    EXPECT_NEAR(player.timePos(), 61 * Frame, 1e-5) << "at once: the frame it will show, not the seek's target";
    ASSERT_TRUE(settle());
    EXPECT_TRUE(shows(61)) << frameNumber(player.screenshot());
    EXPECT_NEAR(player.timePos(), 61 * Frame, 1e-5);
    for (const QList<QVariant> &report : std::as_const(times)) {
        EXPECT_NEAR(report.at(0).toDouble(), 61 * Frame, 1e-5) << "no report of the target or the old time";
    }

    // Back onto a tenth of a second (2 s): exactly it, not the sensor sample before.
    player.frameBackStep();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(shows(60)) << frameNumber(player.screenshot());
    EXPECT_EQ(std::floor(player.timePos() * 10.0), 20.0) << player.timePos();
}

TEST_P(FrameStepTest, NPressesMoveExactlyNFramesHoweverFastTheyCome)
{
    seekTo(30);
    // Presses 40 ms apart, each while the one before is still seeking on the long spacing.
    for (int press = 0; press < 5; ++press) {
        player.frameStep();
        QTest::qWait(40);
    }
    ASSERT_TRUE(settle());
    EXPECT_TRUE(shows(35)) << frameNumber(player.screenshot());
    EXPECT_NEAR(player.timePos(), 35 * Frame, 1e-5);
    // And with no time between them at all.
    for (int press = 0; press < 3; ++press) {
        player.frameBackStep();
    }
    ASSERT_TRUE(settle());
    EXPECT_TRUE(shows(32)) << frameNumber(player.screenshot());
    EXPECT_NEAR(player.timePos(), 32 * Frame, 1e-5);
}

TEST_P(FrameStepTest, ASeekRightAfterStepsWinsAndItsTimeHolds)
{
    seekTo(30);
    player.frameStep();
    player.frameStep();
    player.seekAbsoluteExact(2.5);
    EXPECT_DOUBLE_EQ(player.timePos(), 2.5) << "the newest seek's time, at once";
    QSignalSpy times(&player, &MpvPlayer::timePosChanged);
    ASSERT_TRUE(settle());
    EXPECT_TRUE(shows(75)) << frameNumber(player.screenshot());
    for (const QList<QVariant> &report : std::as_const(times)) {
        EXPECT_GE(report.at(0).toDouble(), 2.5 - 1e-6) << "no report of an older step's frame";
    }
    EXPECT_NEAR(player.timePos(), 2.5, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(KeyframeSpacing, FrameStepTest, ::testing::Values(1, 10),
                         [](const ::testing::TestParamInfo<int> &spacing) {
                             return "Every" + std::to_string(spacing.param) + "s";
                         });
} // namespace
