// The player view against real files made with ffmpeg at test time.
#include "playback/VexoAVView.h"

#include "playback/VexoQTMovieView.h"
#include "support/QtPrinters.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {
QTemporaryDir &mediaFolder()
{
    static QTemporaryDir folder;
    return folder;
}

bool ffmpeg(const QStringList &arguments)
{
    QProcess process;
    process.start(u"ffmpeg"_s, QStringList{u"-v"_s, u"error"_s, u"-y"_s} + arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

QString media(const QString &name)
{
    return mediaFolder().filePath(name);
}

class VexoAVViewTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // 3 s of 30 fps picture with sound, a smaller 2 s one, and sound alone.
        ASSERT_TRUE(ffmpeg({u"-f"_s,   u"lavfi"_s,   u"-i"_s,        u"testsrc2=size=320x240:rate=30:duration=3"_s,
                            u"-f"_s,   u"lavfi"_s,   u"-i"_s,        u"sine=frequency=440:duration=3"_s,
                            u"-c:v"_s, u"libx264"_s, u"-preset"_s,   u"ultrafast"_s,
                            u"-g"_s,   u"30"_s,      u"-pix_fmt"_s,  u"yuv420p"_s,
                            u"-c:a"_s, u"aac"_s,     u"-shortest"_s, media(u"front f#1 é.mov"_s)}));
        ASSERT_TRUE(
            ffmpeg({u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc2=size=160x120:rate=30:duration=2"_s, u"-c:v"_s,
                    u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s, u"yuv420p"_s, media(u"rear.mov"_s)}));
        ASSERT_TRUE(ffmpeg({u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=frequency=440:duration=2"_s, u"-c:a"_s, u"aac"_s,
                            media(u"sound.m4a"_s)}));
        QFile broken(media(u"broken.mp4"_s));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(4096, 'x'));
    }

    // Loads PATH and waits until the view has said what became of it.
    QList<VexoAVViewStatus> load(VexoAVView &view, const QString &path, VexoAVViewStatus until)
    {
        QSignalSpy statuses(&view, &VexoAVView::vexoAVViewDidUpdateStatus);
        view.setFileName(path);
        QList<VexoAVViewStatus> seen;
        for (int round = 0; round < 100 && !seen.contains(until); ++round) {
            statuses.wait(100);
            seen.clear();
            for (const QList<QVariant> &arguments : std::as_const(statuses)) {
                seen.append(arguments.at(1).value<VexoAVViewStatus>());
            }
        }
        return seen;
    }

    static bool waitFor(const std::function<bool()> &condition, int ms = 20000)
    {
        return QTest::qWaitFor(condition, ms);
    }
};

TEST_F(VexoAVViewTest, LoadsThroughItsStatusesAndPlaysAndPauses)
{
    VexoAVView view;
    view.resize(320, 240);
    view.show();
    EXPECT_FALSE(view.hasMovie());
    const auto seen = load(view, media(u"front f#1 é.mov"_s), VexoAVViewStatusPrepared);
    EXPECT_EQ(seen, (QList<VexoAVViewStatus>{VexoAVViewStatusInit, VexoAVViewStatusLoading, VexoAVViewStatusUnknown,
                                             VexoAVViewStatusPrepared}));
    EXPECT_TRUE(view.hasMovie());
    EXPECT_NEAR(view.duration(), 3.0, 0.1);

    QSignalSpy times(&view, &VexoAVView::vexoAVViewDidUpdateTime);
    QSignalSpy rates(&view, &VexoAVView::vexoAVViewDidUpdateRate);
    view.play();
    EXPECT_EQ(view.playerRate(), 1.0);
    ASSERT_TRUE(waitFor([&] { return view.currentTime() > 0.5; }));
    EXPECT_GE(times.count(), 3) << "a time report every tenth of a second";
    ASSERT_TRUE(waitFor([&] { return view.rate() == 1.0; }));
    view.playPauseToggle();
    EXPECT_EQ(view.playerRate(), 0.0);
    ASSERT_TRUE(waitFor([&] { return view.rate() == 0.0; }));
    EXPECT_GE(rates.count(), 2);
}

TEST_F(VexoAVViewTest, SeeksToWholeSecondsAndStepsSingleFrames)
{
    VexoAVView view;
    load(view, media(u"front f#1 é.mov"_s), VexoAVViewStatusPrepared);
    view.setCurrentTime(1.4);
    ASSERT_TRUE(waitFor([&] { return std::abs(view.currentTime() - 1.0) < 0.001; }));
    view.setCurrentTime(1.6);
    ASSERT_TRUE(waitFor([&] { return std::abs(view.currentTime() - 2.0) < 0.001; }));

    view.setCurrentTime(1.0);
    ASSERT_TRUE(waitFor([&] { return std::abs(view.currentTime() - 1.0) < 0.001; }));
    view.stepForward();
    ASSERT_TRUE(waitFor([&] { return std::abs(view.currentTime() - (1.0 + 1.0 / 30.0)) < 0.002; }))
        << view.currentTime();
    view.stepBackward();
    ASSERT_TRUE(waitFor([&] { return std::abs(view.currentTime() - 1.0) < 0.002; })) << view.currentTime();
}

TEST_F(VexoAVViewTest, AStepRightAfterASeekStepsFromTheSeeksTarget)
{
    VexoAVView view;
    load(view, media(u"front f#1 é.mov"_s), VexoAVViewStatusPrepared);
    // No waiting between the two: the arrow key pressed just after a click on the seek slider.
    view.setCurrentTime(2.0);
    view.stepForward();
    ASSERT_TRUE(waitFor([&] { return std::abs(view.currentTime() - (2.0 + 1.0 / 30.0)) < 0.002; }))
        << view.currentTime();
    view.setCurrentTime(1.0);
    view.stepBackward();
    ASSERT_TRUE(waitFor([&] { return std::abs(view.currentTime() - (1.0 - 1.0 / 30.0)) < 0.002; }))
        << view.currentTime();
}

TEST_F(VexoAVViewTest, FastForwardAndRewindStepTheRate)
{
    VexoAVView view;
    load(view, media(u"front f#1 é.mov"_s), VexoAVViewStatusPrepared);
    view.play();
    view.fastForward();
    EXPECT_EQ(view.playerRate(), 2.0);
    view.fastForward();
    EXPECT_EQ(view.playerRate(), 4.0);
    view.fastForward();
    EXPECT_EQ(view.playerRate(), 6.0);
    view.play();
    view.rewind();
    EXPECT_EQ(view.playerRate(), -2.0);
    view.rewind();
    EXPECT_EQ(view.playerRate(), -4.0);
    view.pause();
}

TEST_F(VexoAVViewTest, PlaysToTheEndAndStartsAgainFromZero)
{
    VexoAVView view;
    load(view, media(u"rear.mov"_s), VexoAVViewStatusPrepared);
    QSignalSpy ends(&view, &VexoAVView::vexoAVViewDidPlayToEndTime);
    view.setCurrentTime(2.0);
    view.play();
    ASSERT_TRUE(ends.wait(15000));
    view.play();
    ASSERT_TRUE(waitFor([&] { return view.currentTime() < 1.0 && view.playerRate() == 1.0; }));
    view.pause();
}

TEST_F(VexoAVViewTest, TheEndCanLoadTheNextFileAtOnceAndAPausedEndIsIdle)
{
    // The playback controller answers the end of a movie by loading the next recording, which
    // replaces this view's player while that player is still telling of its end.
    VexoAVView view;
    load(view, media(u"rear.mov"_s), VexoAVViewStatusPrepared);
    QSignalSpy statuses(&view, &VexoAVView::vexoAVViewDidUpdateStatus);
    int ends = 0;
    QObject::connect(&view, &VexoAVView::vexoAVViewDidPlayToEndTime, &view, [&] {
        if (++ends == 1) {
            view.setFileName(media(u"front f#1 é.mov"_s));
        }
    });
    view.setCurrentTime(1.0);
    view.play();
    ASSERT_TRUE(waitFor([&] { return ends == 1; }));
    ASSERT_TRUE(waitFor([&] { return view.status() == VexoAVViewStatusPrepared; }));
    EXPECT_TRUE(view.fileName().endsWith(u"front f#1 é.mov"_s));
    EXPECT_NEAR(view.duration(), 3.0, 0.1);

    // Played to its end and left there: nothing keeps the process busy.
    view.setCurrentTime(2.0);
    view.play();
    ASSERT_TRUE(waitFor([&] { return ends == 2; }));
    QTest::qWait(300);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(1500);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const auto ms = [](const rusage &usage) {
        return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
               double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    };
    EXPECT_LT((ms(after) - ms(before)) / double(wall.elapsed()), 0.2) << "share of one processor at the end";
    EXPECT_EQ(view.status(), VexoAVViewStatusPrepared);
}

TEST_F(VexoAVViewTest, MirrorsAndSnapshotsTheShownFrame)
{
    VexoAVView view;
    view.resize(320, 240);
    load(view, media(u"front f#1 é.mov"_s), VexoAVViewStatusPrepared);
    ASSERT_TRUE(waitFor([&] { return !view.snapshot().isNull(); }));
    EXPECT_EQ(view.snapshot().size(), QSize(320, 240)) << "the video's own size";

    view.setUpsideDown(true);
    view.setLeftsideRight(true);
    const QImage shown = view.grab().toImage();
    view.setUpsideDown(false);
    view.setLeftsideRight(false);
    const QImage plain = view.grab().toImage();
    ASSERT_EQ(shown.size(), plain.size());
    // Both mirrors together turn the picture round: the top-left corner lands bottom-right.
    EXPECT_EQ(shown.pixel(10, 10), plain.pixel(plain.width() - 11, plain.height() - 11));

    view.setUpsideDown(true);
    load(view, media(u"rear.mov"_s), VexoAVViewStatusPrepared);
    EXPECT_FALSE(view.upsideDown()) << "a new movie starts unmirrored";
}

TEST_F(VexoAVViewTest, SwapExchangesMoviesWithoutReloading)
{
    VexoAVView big;
    VexoAVView small;
    load(big, media(u"front f#1 é.mov"_s), VexoAVViewStatusPrepared);
    load(small, media(u"rear.mov"_s), VexoAVViewStatusPrepared);
    ASSERT_TRUE(waitFor([&] { return !big.snapshot().isNull() && !small.snapshot().isNull(); }));
    QSignalSpy bigStatuses(&big, &VexoAVView::vexoAVViewDidUpdateStatus);
    big.swapPlayerItemWith(&small);
    EXPECT_TRUE(big.fileName().endsWith(u"rear.mov"_s));
    EXPECT_EQ(big.snapshot().size(), QSize(160, 120));
    EXPECT_EQ(small.snapshot().size(), QSize(320, 240));
    EXPECT_EQ(big.status(), VexoAVViewStatusPrepared);

    // Each view now reports the time of the movie it shows.
    QSignalSpy smallTimes(&small, &VexoAVView::vexoAVViewDidUpdateTime);
    small.setCurrentTime(2.0);
    ASSERT_TRUE(smallTimes.wait(10000));
    EXPECT_NEAR(smallTimes.constLast().at(1).toDouble(), 2.0, 0.01);
    QTest::qWait(50);
    EXPECT_EQ(bigStatuses.count(), 0) << "nothing was reloaded";
}

TEST_F(VexoAVViewTest, FilesThatCannotPlayEndInError)
{
    VexoAVView view;
    EXPECT_TRUE(load(view, media(u"broken.mp4"_s), VexoAVViewStatusError).contains(VexoAVViewStatusError));
    EXPECT_FALSE(view.hasMovie());
    EXPECT_TRUE(load(view, media(u"missing.mov"_s), VexoAVViewStatusError).contains(VexoAVViewStatusError));
    // The view stays usable.
    EXPECT_TRUE(load(view, media(u"rear.mov"_s), VexoAVViewStatusPrepared).contains(VexoAVViewStatusPrepared));
    view.close();
    EXPECT_EQ(view.status(), VexoAVViewStatusInit);
    EXPECT_TRUE(view.fileName().isEmpty());
}

TEST_F(VexoAVViewTest, SoundOnlyShowsTheNoVideoNoticeAndStillGetsReady)
{
    VexoAVView view;
    view.show();
    const auto seen = load(view, media(u"sound.m4a"_s), VexoAVViewStatusPrepared);
    EXPECT_EQ(seen, (QList<VexoAVViewStatus>{VexoAVViewStatusInit, VexoAVViewStatusLoading, VexoAVViewStatusError,
                                             VexoAVViewStatusUnknown, VexoAVViewStatusPrepared}));
    EXPECT_TRUE(view.noVideoView()->isVisible());
    EXPECT_TRUE(view.snapshot().isNull());
}

TEST_F(VexoAVViewTest, StatusNames)
{
    EXPECT_EQ(VexoAVView::statusName(VexoAVViewStatusPrepared), u"VexoAVViewStatusPrepared"_s);
    EXPECT_EQ(VexoAVView::statusName(VexoAVViewStatusEnded), u"VexoAVViewStatusEnded"_s);
    EXPECT_EQ(VexoAVView::statusName(42), u"Unknown"_s);
}

TEST_F(VexoAVViewTest, FullScreenViewAsksForItsControlsByPointerHeight)
{
    VexoQTMovieView view;
    view.resize(400, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy show(&view, &VexoQTMovieView::showFullscreenMovieControlWindow);
    QSignalSpy hide(&view, &VexoQTMovieView::hideFullscreenMovieControlWindow);
    QSignalSpy leave(&view, &VexoQTMovieView::fullscreenButtonTouched);
    QTest::mouseMove(&view, QPoint(200, 50));  // 350 up from the bottom: more than three quarters
    QTest::mouseMove(&view, QPoint(200, 300)); // 100 up
    EXPECT_EQ(show.count(), 1);
    EXPECT_EQ(hide.count(), 1);
    QTest::mouseClick(&view, Qt::RightButton);
    EXPECT_EQ(leave.count(), 1);
    view.setViewEnabled(false);
    QTest::mouseClick(&view, Qt::RightButton);
    EXPECT_EQ(leave.count(), 1);
}
} // namespace
