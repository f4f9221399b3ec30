// The window on a failing card: a memory card read at 2 MB/s (ThrottledCard, root only), the
// window's event loop timed by a 5 ms timer on the GUI thread (the longest gap between two ticks
// is the stall, goal: at most 100 ms), an idle event loop timed the same way as the comparator.
//   BM_SaveCopyOnSlowCard: a recording's copy saved beside its progress window, against the
//     copy made on the GUI thread as it once was (the whole copy is then one stall).
//   BM_LoadBurstsOnSlowCard: bursts of 20 recordings chosen in 4.5 s, each followed by Right,
//     Left and Space, on two players (front and rear) that are replaced at every choice.
//   BM_ResidentOver100Loads: the resident memory after each of 100 recordings loaded and played
//     in turn (from the page cache, no card needed): the growth after the first ten (goal: at
//     most 50 MB), and what malloc_trim() still gives back at the end.
// Run as root from the release build; without root the first two are skipped with the reason.
#include "core/AllocatorArenas.h"

#include "app/window/SaveCopyProgressView.h"
#include "export/RecordingCopy.h"
#include "export/RecordingCopyJob.h"
#include "playback/PlayerTeardown.h"
#include "playback/VexoAVView.h"
#include "support/ResidentMemory.h"
#include "support/ThreadTimes.h"
#include "support/ThrottledCard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <clocale>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int TickMs = 5;
constexpr qint64 SlowCardBytesPerSecond = 2 * 1024 * 1024;
constexpr int Pairs = 20;

QTemporaryDir &clipFolder()
{
    static QTemporaryDir folder;
    return folder;
}

std::unique_ptr<ThrottledCard> &slowCard()
{
    static std::unique_ptr<ThrottledCard> card;
    return card;
}

QString clipPath()
{
    return clipFolder().filePath(u"clip.mp4"_s);
}

// Ten seconds of 720p at 8 Mb/s (about 10 MB), a keyframe every second.
bool makeClip()
{
    const QString ffmpeg = QStandardPaths::findExecutable(u"ffmpeg"_s);
    return !ffmpeg.isEmpty() &&
           QProcess::execute(ffmpeg, {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                      u"testsrc2=size=1280x720:rate=30:duration=10"_s, u"-c:v"_s, u"libx264"_s,
                                      u"-preset"_s, u"ultrafast"_s, u"-b:v"_s, u"8M"_s, u"-g"_s, u"30"_s, u"-pix_fmt"_s,
                                      u"yuv420p"_s, clipPath()}) == 0;
}

QString cardFile(int pair, char camera)
{
    return slowCard()->mountPath() + u"/cont_rec/20261207_%1_%2.mp4"_s.arg(120000 + pair).arg(QLatin1Char(camera));
}

QString setUpSlowCard()
{
    ThrottledCard::Options options;
    options.readBytesPerSecond = SlowCardBytesPerSecond;
    options.imageBytes = qint64(1) * 1024 * 1024 * 1024;
    slowCard() = std::make_unique<ThrottledCard>(options);
    if (!slowCard()->isReady()) {
        const QString reason = slowCard()->skipReason();
        slowCard().reset();
        return reason;
    }
    for (int pair = 0; pair < Pairs; ++pair) {
        for (const char camera : {'F', 'R'}) {
            const QString relative = cardFile(pair, camera).mid(slowCard()->mountPath().size() + 1);
            if (!slowCard()->placeSparse(clipPath(), relative)) {
                slowCard().reset();
                return u"the clips could not be put on the card"_s;
            }
        }
    }
    return {};
}

// Drops one file's pages from the page cache (the rest of the machine keeps its own), so that
// the next read of it comes from the card.
void forgetCached(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// The longest gap between two ticks of a TickMs timer while WORK runs (started from the event
// loop) until DONE says so or TIMEOUTMS passes, the most processor time the GUI thread used
// within one gap, and the longest time within one gap it neither ran nor waited for a processor
// (blocked: waiting for a lock, a read or another thread).
struct Gaps
{
    double longestMs = 0.0;
    double longestWorkMs = 0.0;
    double longestBlockedMs = 0.0;
};

Gaps longestGaps(const std::function<void()> &work, const std::function<bool()> &done, int timeoutMs)
{
    Gaps gaps;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    ThreadTimes atTick = ThreadTimes::now();
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const ThreadTimes times = ThreadTimes::now();
        const double gapMs = double(now - last) / 1e6;
        const double cpuMs = times.cpuMs - atTick.cpuMs;
        gaps.longestMs = std::max(gaps.longestMs, gapMs);
        gaps.longestWorkMs = std::max(gaps.longestWorkMs, cpuMs);
        gaps.longestBlockedMs =
            std::max(gaps.longestBlockedMs, gapMs - TickMs - cpuMs - (times.waitMs - atTick.waitMs));
        last = now;
        atTick = times;
    });
    ticker.start(TickMs);
    QTimer::singleShot(0, work);
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    gaps.longestMs = std::max(gaps.longestMs, double(clock.nsecsElapsed() - last) / 1e6);
    return gaps;
}

double longestGapMs(const std::function<void()> &work, const std::function<bool()> &done, int timeoutMs)
{
    return longestGaps(work, done, timeoutMs).longestMs;
}

double idleGapMs(int ms)
{
    QElapsedTimer clock;
    clock.start();
    return longestGapMs([] {}, [&] { return clock.elapsed() >= ms; }, ms + 1000);
}

bool skipWithoutSlowCard(benchmark::State &state)
{
    if (!slowCard()) {
        static const QString reason = setUpSlowCard();
        if (!slowCard()) {
            state.SkipWithError(("no slow card: " + reason.toStdString()).c_str());
            return true;
        }
    }
    return false;
}

void BM_SaveCopyOnSlowCard(benchmark::State &state)
{
    if (skipWithoutSlowCard(state)) {
        return;
    }
    QWidget window;
    window.resize(800, 600);
    window.show();
    QTemporaryDir target;
    const QString source = cardFile(0, 'F');
    double stall = 0.0;
    double work = 0.0;
    double blocked = 0.0;
    double oldStall = 0.0;
    double idle = 0.0;
    for (auto _ : state) {
        forgetCached(source);
        RecordingCopyJob job;
        std::unique_ptr<SaveCopyProgressView> view;
        QElapsedTimer copying;
        copying.start();
        const Gaps gaps = longestGaps(
            [&] {
                job.start(source, target.filePath(u"copy.mp4"_s));
                view = std::make_unique<SaveCopyProgressView>(&job, &window);
            },
            [&] { return view != nullptr && !job.isRunning(); }, 600000);
        stall = std::max(stall, gaps.longestMs);
        work = std::max(work, gaps.longestWorkMs);
        blocked = std::max(blocked, gaps.longestBlockedMs);
        const qint64 copyMs = copying.elapsed();
        state.PauseTiming();
        forgetCached(source);
        oldStall = longestGapMs([&] { RecordingCopy::save(source, target.filePath(u"old.mp4"_s)); },
                                [&] { return QFile::exists(target.filePath(u"old.mp4"_s)); }, 600000);
        idle = idleGapMs(int(copyMs));
        state.ResumeTiming();
    }
    state.counters["max_stall_ms"] = stall;
    state.counters["max_gui_work_ms"] = work;
    state.counters["max_blocked_ms"] = blocked;
    state.counters["copy_on_gui_thread_stall_ms"] = oldStall;
    state.counters["idle_max_gap_ms"] = idle;
    state.counters["stall_vs_idle"] = idle > 0.0 ? stall / idle : 0.0;
}
BENCHMARK(BM_SaveCopyOnSlowCard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Two players side by side, as the window's large and small ones.
struct PlayerPair
{
    PlayerPair()
    {
        window.resize(1280, 480);
        auto *layout = new QHBoxLayout(&window);
        layout->addWidget(front);
        layout->addWidget(rear);
        window.show();
    }

    // What a double-click does to the players: both replaced by the next recording's.
    void choose(const QString &frontPath, const QString &rearPath)
    {
        front->setFileName(frontPath);
        rear->setFileName(rearPath);
        rear->setVolume(0.0f);
        front->play();
        rear->play();
    }

    QWidget window;
    VexoAVView *front = new VexoAVView(&window);
    VexoAVView *rear = new VexoAVView(&window);
};

void BM_LoadBurstsOnSlowCard(benchmark::State &state)
{
    if (skipWithoutSlowCard(state)) {
        return;
    }
    const int bursts = qEnvironmentVariableIntValue("VELMORA_BENCH_BURSTS") > 0
                           ? qEnvironmentVariableIntValue("VELMORA_BENCH_BURSTS")
                           : 3;
    constexpr int BurstMs = 4500;
    constexpr int StepMs = BurstMs / Pairs;
    double stall = 0.0;
    double work = 0.0;
    double blocked = 0.0;
    double idle = 0.0;
    for (auto _ : state) {
        for (int burst = 0; burst < bursts; ++burst) {
            state.PauseTiming();
            for (int pair = 0; pair < Pairs; ++pair) {
                forgetCached(cardFile(pair, 'F'));
                forgetCached(cardFile(pair, 'R'));
            }
            state.ResumeTiming();
            PlayerPair players;
            QElapsedTimer clock;
            int next = 0;
            QTimer clicks;
            QObject::connect(&clicks, &QTimer::timeout, [&] {
                if (next >= Pairs) {
                    return;
                }
                players.choose(cardFile(next, 'F'), cardFile(next, 'R'));
                ++next;
                // Right, Left and Space, a moment after the choice.
                QTimer::singleShot(StepMs / 4, &players.window, [&] { players.front->setCurrentTime(3.0); });
                QTimer::singleShot(StepMs / 2, &players.window, [&] { players.front->setCurrentTime(1.0); });
                QTimer::singleShot(3 * StepMs / 4, &players.window, [&] { players.front->playPauseToggle(); });
            });
            const Gaps gaps = longestGaps(
                [&] {
                    clock.start();
                    clicks.start(StepMs);
                },
                [&] { return next >= Pairs && clock.elapsed() >= BurstMs + StepMs; }, 120000);
            stall = std::max(stall, gaps.longestMs);
            work = std::max(work, gaps.longestWorkMs);
            blocked = std::max(blocked, gaps.longestBlockedMs);
            blocked = std::max(blocked, gaps.longestBlockedMs);
        }
        state.PauseTiming();
        // The players left behind end outside the timing.
        PlayerTeardown::waitForDone();
        idle = idleGapMs(BurstMs);
        state.ResumeTiming();
    }
    state.counters["max_stall_ms"] = stall;
    state.counters["max_gui_work_ms"] = work;
    state.counters["max_blocked_ms"] = blocked;
    state.counters["bursts"] = bursts;
    state.counters["idle_max_gap_ms"] = idle;
    state.counters["stall_vs_idle"] = idle > 0.0 ? stall / idle : 0.0;
}
BENCHMARK(BM_LoadBurstsOnSlowCard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_ResidentOver100Loads(benchmark::State &state)
{
    constexpr int Loads = 100;
    constexpr int PlayMs = 400;
    ResidentMemory memory;
    for (auto _ : state) {
        PlayerPair players;
        for (int load = 0; load < Loads; ++load) {
            players.choose(clipPath(), clipPath());
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < PlayMs) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            }
            PlayerTeardown::waitForDone();
            memory.sampleAfterLoad(load);
        }
        memory.finish(state);
    }
    memory.report(state);
}
BENCHMARK(BM_ResidentOver100Loads)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
} // namespace

int main(int argc, char **argv)
{
    // As the viewer does; VELMORA_BENCH_ARENAS=default leaves the C library's own count (the
    // comparator for the resident memory).
    if (qgetenv("VELMORA_BENCH_ARENAS") != "default") {
        AllocatorArenas::limit();
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (!makeClip()) {
        std::fprintf(stderr, "Could not make the clip with ffmpeg\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    slowCard().reset();
    return 0;
}
