// The libmpv player's life cycle and its volume scale.
#include "playback/MpvPlayer.h"

#include "playback/PlayerTeardown.h"
#include "playback/PlayerVolume.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
// The process's threads but those of thread pools (Qt names them "Thread (pooled)"): the
// teardown pool may start a second thread for its work and keep it idle for a while, which is not
// one of mpv's threads staying behind.
int threadCount()
{
    const QDir tasks(u"/proc/self/task"_s);
    int count = 0;
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + u"/comm"_s));
        if (!comm.open(QIODevice::ReadOnly) || !comm.readAll().startsWith("Thread (pooled)")) {
            ++count;
        }
    }
    return count;
}

TEST(MpvPlayerTest, TheVolumeIsAShareOfTheAmplitudeOnMpvsCubicScale)
{
    struct Row
    {
        double amplitude;
        double mpv;
    };
    // mpv's amplitude is (volume/100)^3: half the amplitude is 79.37 there, an eighth is 50.
    const Row rows[] = {{0.0, 0.0}, {12.5, 50.0}, {50.0, 79.370053}, {100.0, 100.0}, {-5.0, 0.0}, {130.0, 100.0}};
    for (const Row &row : rows) {
        EXPECT_NEAR(PlayerVolume::mpvFromAmplitude(row.amplitude), row.mpv, 1e-5) << row.amplitude;
        if (row.amplitude >= 0.0 && row.amplitude <= 100.0) {
            EXPECT_NEAR(PlayerVolume::amplitudeFromMpv(row.mpv), row.amplitude, 1e-5) << row.mpv;
        }
    }
    // Half way on the slider is 6 dB down, not 18.
    EXPECT_NEAR(20.0 * std::log10(std::pow(PlayerVolume::mpvFromAmplitude(50.0) / 100.0, 3.0)), -6.02, 0.01);
}

TEST(MpvPlayerTest, APlayerIsTakenDownWhileQtsGlobalPoolIsBusy)
{
    // The global pool busy to its last thread, as with pictures scaled for the window: a player's
    // end must not wait behind that work, nor hold the pool for the window.
    QThreadPool *global = QThreadPool::globalInstance();
    const int busy = global->maxThreadCount();
    QSemaphore started;
    QSemaphore release;
    for (int i = 0; i < busy; ++i) {
        global->start([&] {
            started.release();
            release.acquire();
        });
    }
    ASSERT_TRUE(started.tryAcquire(busy, 30000));
    // The teardown pool's first thread made beforehand, so that only mpv's threads come and go.
    PlayerTeardown::run([] {});
    ASSERT_TRUE(PlayerTeardown::waitForDone(30000));
    const int before = threadCount();
    {
        MpvPlayer player;
        ASSERT_TRUE(player.isValid());
        EXPECT_GT(threadCount(), before) << "mpv runs threads of its own";
    }
    // Some helper threads of the libraries under mpv linger up to half a minute after their last
    // use before they end; the old teardown, queued behind the busy pool, never ran at all.
    const QDeadlineTimer deadline(60000);
    while (threadCount() > before && !deadline.hasExpired()) {
        QTest::qWait(20);
    }
    const int after = threadCount();
    release.release(busy);
    global->waitForDone();
    EXPECT_LE(after, before) << "mpv's threads ended while the global pool was still busy";
}
} // namespace
