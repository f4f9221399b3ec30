#include "export/FfmpegRunner.h"

#include "support/QtPrinters.h"
#include "support/SlowFfmpeg.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
TEST(FfmpegRunnerTest, ARaisedCancelFlagKillsTheRunsAtOnceAndStartsNoMore)
{
    SlowFfmpeg slow(30.0);
    ASSERT_TRUE(slow.isValid());
    auto cancel = std::make_shared<std::atomic_bool>(false);
    FfmpegRunner runner(slow.program());
    runner.setCancelFlag(cancel);
    QElapsedTimer clock;
    clock.start();
    std::atomic<qint64> cancelledAtMs{-1};
    std::thread canceller([&] {
        // Once both runs are under way, the caller loses interest.
        while (slow.runs().size() < 2 && clock.elapsed() < 10000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        cancelledAtMs = clock.elapsed();
        cancel->store(true);
    });
    const QList<FfmpegRunner::Result> results = runner.runAll({{u"-version"_s}, {u"-formats"_s}});
    const qint64 returnedAtMs = clock.elapsed();
    canceller.join();
    EXPECT_LT(returnedAtMs - cancelledAtMs, 1000) << "killed at once, not waited for";
    ASSERT_EQ(results.size(), 2);
    for (const FfmpegRunner::Result &result : results) {
        EXPECT_TRUE(result.started);
        EXPECT_TRUE(result.cancelled);
        EXPECT_FALSE(result.succeeded());
    }
    EXPECT_FALSE(slow.anyAlive());

    // Raised before: nothing starts.
    const FfmpegRunner::Result late = runner.run({u"-version"_s});
    EXPECT_FALSE(late.started);
    EXPECT_TRUE(late.cancelled);
    EXPECT_EQ(slow.runs().size(), 2);
}

TEST(FfmpegRunnerTest, AChildDiesWithTheProgramThatStartedIt)
{
    // A viewer killed outright (or crashing) while converting must not leave ffmpeg writing on.
    SlowFfmpeg slow(30.0);
    ASSERT_TRUE(slow.isValid());
    const pid_t parent = ::fork();
    ASSERT_GE(parent, 0);
    if (parent == 0) {
        FfmpegRunner::runProgram(slow.program(), {u"-version"_s});
        ::_exit(0);
    }
    const bool started = QTest::qWaitFor([&] { return !slow.runs().isEmpty(); }, 10000);
    ::kill(parent, SIGKILL);
    int status = 0;
    ::waitpid(parent, &status, 0);
    ASSERT_TRUE(started) << "the forked parent never started its child";
    const qint64 child = slow.runs().constFirst().pid;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !SlowFfmpeg::isAlive(child); }, 3000))
        << "the child of a killed parent must die with it";
}
} // namespace
