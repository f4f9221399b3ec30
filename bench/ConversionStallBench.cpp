// How long the window's event loop is kept from running while a long two-camera recording is
// chosen, converted and started: a one-minute 1080p AVI holding the front and rear pictures and
// the sound, double-clicked in the real main window. A timer on the GUI thread ticks every 5 ms;
// the longest gap between two ticks, from the double-click until playback has started, is the
// stall (goal: at most 100 ms). The same timer over an idle event loop for as long is the
// comparator. The second benchmark holds keys on that recording while it plays (held arrows, mixed
// transport keys) and reports the longest gap the same way. A third does the first's double-click
// while the Trips view builds the trips of a card of many recordings on its worker (its figure
// should be no worse than the first's). Run from the release build (see bench/README.md).
#include "library/RecordingLibrary.h"
#include "trips/TripsJob.h"
#include "trips/view/TripsViewController.h"
#include "ui_MainWindow.h"

#include "app/window/MainWindow.h"
#include "app/window/MainWindowController.h"
#include "app/window/PlaybackController.h"
#include "app/window/TripsController.h"
#include "export/FfmpegRunner.h"
#include "export/Utils.h"
#include "map/MapController.h"
#include "map/WebEngineEnvironment.h"
#include "platform/FolderVolumes.h"
#include "sensor/AviWriter.h"
#include "support/ThreadTimes.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
constexpr int TickMs = 5;
constexpr int Seconds = 60;
// Generated once and kept for later runs: making it takes a while on a busy machine.
const QString CachedCard = QDir::tempPath() + u"/velmora-stall-bench/card"_s;
const QString RecordingName = u"20261207_120000_EVT.avi"_s;

QString recordingPath()
{
    return CachedCard + u"/evt_rec/"_s + RecordingName;
}

bool ffmpeg(const QStringList &arguments)
{
    QStringList all{u"-v"_s, u"error"_s, u"-threads"_s, u"2"_s};
    all << arguments;
    const FfmpegRunner::Result result =
        FfmpegRunner::runProgram(QStandardPaths::findExecutable(u"ffmpeg"_s), all, 30 * 60 * 1000);
    if (!result.succeeded()) {
        std::fprintf(stderr, "ffmpeg failed: %s\n", qPrintable(result.output));
    }
    return result.succeeded();
}

// Two seconds of each camera's 1080p picture at 30 frames a second with noise, so the bit rate is
// a camera's (about 10 Mbit/s); looped to a minute by copying, with a minute of sound, into one
// AVI; then a "gsensor" record every 100 ms in "02tx" chunks, as the cameras write them.
bool makeRecording()
{
    if (QFileInfo(recordingPath()).isFile()) {
        return true;
    }
    QTemporaryDir scratch;
    const QString front = scratch.filePath(u"front.mp4"_s);
    const QString rear = scratch.filePath(u"rear.mp4"_s);
    const QString joined = scratch.filePath(u"joined.avi"_s);
    std::fprintf(stderr, "Making a %d-second 1080p front/rear AVI (once) in %s\n", Seconds, qPrintable(CachedCard));
    for (const auto &[path, source] : {std::pair{front, u"testsrc2"_s}, std::pair{rear, u"smptehdbars"_s}}) {
        if (!ffmpeg({u"-f"_s, u"lavfi"_s, u"-i"_s,
                     source + u"=size=1920x1080:rate=30:duration=2,noise=alls=12:allf=t"_s, u"-c:v"_s, u"libx264"_s,
                     u"-preset"_s, u"ultrafast"_s, u"-b:v"_s, u"10M"_s, u"-g"_s, u"30"_s, u"-pix_fmt"_s, u"yuv420p"_s,
                     u"-y"_s, path})) {
            return false;
        }
    }
    const QString loops = QString::number(Seconds / 2 - 1);
    if (!ffmpeg({u"-stream_loop"_s, loops,
                 u"-i"_s,           front,
                 u"-stream_loop"_s, loops,
                 u"-i"_s,           rear,
                 u"-f"_s,           u"lavfi"_s,
                 u"-i"_s,           u"sine=frequency=440:sample_rate=16000:duration="_s + QString::number(Seconds),
                 u"-map"_s,         u"0:v"_s,
                 u"-map"_s,         u"1:v"_s,
                 u"-map"_s,         u"2:a"_s,
                 u"-c:v"_s,         u"copy"_s,
                 u"-c:a"_s,         u"pcm_s16le"_s,
                 u"-t"_s,           QString::number(Seconds),
                 u"-y"_s,           joined})) {
        return false;
    }
    QFile file(joined);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray chunks;
    for (int sample = 0; sample < Seconds * 10; ++sample) {
        chunks +=
            AviWriter::chunkBytes("02tx", u"gsensor,%1,%2,%3"_s.arg(sample % 7).arg(-(sample % 5)).arg(128).toLatin1());
    }
    const QByteArray avi = AviWriter::withChunksInMovi(file.readAll(), chunks);
    if (avi.isEmpty() || !QDir().mkpath(QFileInfo(recordingPath()).path())) {
        return false;
    }
    QFile out(recordingPath() + u".partial"_s);
    if (!out.open(QIODevice::WriteOnly) || out.write(avi) != avi.size()) {
        return false;
    }
    out.close();
    return QFile::rename(out.fileName(), recordingPath());
}

// The card whose trips are built meanwhile: TripsCardRecordings one-minute recordings of sensor
// records alone ("gsensor" ten times a second, a "GNRMC" fix each second), a minute apart.
constexpr int TripsCardRecordings = 2000;

QString tripsCard()
{
    return CachedCard + u"/trips-card"_s;
}

bool makeTripsCard()
{
    const QString folder = tripsCard() + u"/cont_rec"_s;
    if (QFileInfo::exists(folder + u"/done"_s)) {
        return true;
    }
    if (!QDir().mkpath(folder)) {
        return false;
    }
    for (int r = 0; r < TripsCardRecordings; ++r) {
        AviWriter avi;
        avi.beginList("movi");
        for (int second = 0; second < Seconds; ++second) {
            for (int tenth = 0; tenth < 10; ++tenth) {
                avi.textChunk(2, "gsensor,1,2,3");
            }
            const double minutes = double(r * Seconds + second) * 0.001;
            avi.textChunk(2, u"GNRMC,080000.00,A,37%1,N,12658.0000,E,20.0,0,071226,,,A"_s
                                 .arg(10.0 + std::fmod(minutes, 40.0), 7, 'f', 4, QChar(u'0'))
                                 .toLatin1());
        }
        const QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(0, 0)).addSecs(qint64(r) * Seconds);
        QFile file(folder + u'/' + start.toString(u"yyyyMMdd_HHmmss"_s) + u"_F.avi"_s);
        if (!file.open(QIODevice::WriteOnly) || file.write(avi.bytes()) != avi.bytes().size()) {
            return false;
        }
    }
    QFile done(folder + u"/done"_s);
    return done.open(QIODevice::WriteOnly);
}

// Ticks every TickMs on the GUI thread and keeps the longest gap between two ticks, and the most
// processor time the GUI thread used within one gap (on a busy machine a gap also holds the time
// the thread waited for a processor); calls a check on each tick and ends the run when it holds
// or the time runs out.
struct StallProbe
{
    double longestGapMs = 0.0;
    double longestBusyMs = 0.0;
    double longestBlockedMs = 0.0;
    qint64 elapsedMs = 0;
    bool held = false;

    void run(const std::function<void()> &start, const std::function<bool()> &done, int timeoutMs)
    {
        QEventLoop loop;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(TickMs);
        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        ThreadTimes atTick;
        QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
            const double gapMs = double(sinceTick.nsecsElapsed()) / 1e6;
            const ThreadTimes now = ThreadTimes::now();
            const double cpuMs = now.cpuMs - atTick.cpuMs;
            const double waitMs = now.waitMs - atTick.waitMs;
            longestGapMs = qMax(longestGapMs, gapMs);
            longestBusyMs = qMax(longestBusyMs, cpuMs);
            longestBlockedMs = qMax(longestBlockedMs, gapMs - TickMs - cpuMs - waitMs);
            atTick = now;
            sinceTick.restart();
            if (done()) {
                held = true;
                loop.quit();
            } else if (clock.elapsed() > timeoutMs) {
                loop.quit();
            }
        });
        clock.start();
        sinceTick.start();
        atTick = ThreadTimes::now();
        ticker.start();
        // Started from inside the loop, so whatever it does at once counts as a gap too.
        QTimer::singleShot(0, &loop, start);
        loop.exec();
        elapsedMs = clock.elapsed();
    }
};

std::unique_ptr<MainWindowController> &window()
{
    static std::unique_ptr<MainWindowController> controller;
    return controller;
}

int recordingRow()
{
    RecordingLibrary *library = window()->library();
    for (int row = 0; row < library->rowCount(); ++row) {
        if (library->urlAt(row).fileName() == RecordingName) {
            return row;
        }
    }
    return -1;
}

// The stall from a double-click to playback, with MEANWHILE started just before each double-click
// (nothing, or a trips build); STILL_BUSY says whether that work was still going when playback
// started.
void measureStall(benchmark::State &state, const std::function<void()> &meanwhile,
                  const std::function<bool()> &stillBusy)
{
    MainWindowController &controller = *window();
    PlaybackController &playback = *controller.playback();
    const int row = recordingRow();
    if (row < 0) {
        state.SkipWithError("the recording is not listed");
        return;
    }
    double stall = 0.0;
    double busyWork = 0.0;
    double blocked = 0.0;
    double idle = 0.0;
    double toPlayback = 0.0;
    int overlapped = 0;
    for (auto _ : state) {
        // Nothing converted before is reused: every double-click converts the whole minute.
        playback.stopVideo();
        Utils::RemoveWorkingDirectory();
        StallProbe busy;
        busy.run(
            [&] {
                meanwhile();
                controller.ui().fileListTableView->selectRow(row);
                controller.videoFileListDoubleClicked();
            },
            [&] { return !playback.isVideoPaused() && playback.isPlayTimerRunning(); }, 120000);
        if (!busy.held) {
            state.SkipWithError("playback did not start");
            return;
        }
        overlapped += stillBusy() ? 1 : 0;
        playback.stopVideo();
        StallProbe quiet;
        quiet.run([] {}, [] { return false; }, int(busy.elapsedMs));
        stall = qMax(stall, busy.longestGapMs);
        busyWork = qMax(busyWork, busy.longestBusyMs);
        blocked = qMax(blocked, busy.longestBlockedMs);
        idle = qMax(idle, quiet.longestGapMs);
        toPlayback += double(busy.elapsedMs);
    }
    state.counters["max_stall_ms"] = stall;
    state.counters["max_gui_work_ms"] = busyWork;
    state.counters["max_blocked_ms"] = blocked;
    state.counters["idle_max_gap_ms"] = idle;
    state.counters["stall_vs_idle"] = idle > 0.0 ? stall / idle : 0.0;
    state.counters["to_playback_ms"] = toPlayback / double(state.iterations());
    // The share of the runs in which the other work was still going when playback started.
    state.counters["overlapped"] = double(overlapped) / double(state.iterations());
}

void BM_StallFromDoubleClickToPlayback(benchmark::State &state)
{
    measureStall(
        state, [] {}, [] { return false; });
}
BENCHMARK(BM_StallFromDoubleClickToPlayback)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Presses KEYS one after the other, PERIODMS apart, as key events to the main window (the way a
// held key repeats), from inside the probe's event loop.
struct KeyPresses
{
    QList<Qt::Key> keys;
    int periodMs = 33;
    qsizetype next = 0;
    QElapsedTimer sinceLast;

    // Sends the next key when its time has come; true once all were sent.
    bool pressDue(QWidget *window)
    {
        if (next < keys.size() && (next == 0 || sinceLast.elapsed() >= periodMs)) {
            QKeyEvent press(QEvent::KeyPress, keys.at(next), Qt::NoModifier);
            QCoreApplication::sendEvent(window, &press);
            QKeyEvent release(QEvent::KeyRelease, keys.at(next), Qt::NoModifier);
            QCoreApplication::sendEvent(window, &release);
            ++next;
            sinceLast.restart();
        }
        return next >= keys.size();
    }
};

// The longest block of the event loop while keys are held on a playing one-minute 1080p pair:
// the Right arrow held for 90 repeats 33 ms apart, then 200 mixed presses of Space, Left, Right,
// Enter and Escape (goal: at most 100 ms). The comparator is the same timer over an idle loop.
void BM_StallWhileKeysAreHeld(benchmark::State &state)
{
    MainWindowController &controller = *window();
    PlaybackController &playback = *controller.playback();
    const int row = recordingRow();
    if (row < 0) {
        state.SkipWithError("the recording is not listed");
        return;
    }
    const QList<Qt::Key> mixedKeys{Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape};
    double held = 0.0;
    double mixed = 0.0;
    double idle = 0.0;
    for (auto _ : state) {
        StallProbe start;
        start.run(
            [&] {
                controller.ui().fileListTableView->selectRow(row);
                controller.videoFileListDoubleClicked();
            },
            [&] { return !playback.isVideoPaused() && playback.isPlayTimerRunning(); }, 120000);
        if (!start.held) {
            state.SkipWithError("playback did not start");
            return;
        }
        KeyPresses right;
        right.keys = QList<Qt::Key>(90, Qt::Key_Right);
        StallProbe rightHeld;
        rightHeld.run([] {}, [&] { return right.pressDue(controller.mainWindow()); }, 60000);
        KeyPresses any;
        for (int press = 0; press < 200; ++press) {
            any.keys.append(mixedKeys.at(press % mixedKeys.size()));
        }
        StallProbe mixedHeld;
        mixedHeld.run([] {}, [&] { return any.pressDue(controller.mainWindow()); }, 60000);
        playback.stopVideo();
        StallProbe quiet;
        quiet.run([] {}, [] { return false; }, int(rightHeld.elapsedMs));
        held = qMax(held, rightHeld.longestGapMs);
        mixed = qMax(mixed, mixedHeld.longestGapMs);
        idle = qMax(idle, quiet.longestGapMs);
    }
    state.counters["right_held_max_stall_ms"] = held;
    state.counters["mixed_keys_max_stall_ms"] = mixed;
    state.counters["idle_max_gap_ms"] = idle;
    state.counters["stall_vs_idle"] = idle > 0.0 ? qMax(held, mixed) / idle : 0.0;
}
BENCHMARK(BM_StallWhileKeysAreHeld)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// The Trips view open on the trips' card, its map page loaded and its first build done.
TripsViewController *openTripsView()
{
    TripsViewController *trips = window()->trips()->view();
    trips->setCacheFolder(QString());
    // The window and its map page are opened (and the card read once) before the runs: starting
    // the web engine is the cost of opening the view, not of building trips.
    trips->open(tripsCard());
    QElapsedTimer opened;
    opened.start();
    while ((trips->job()->isRunning() || !trips->map()->isPageReady()) && opened.elapsed() < 120000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return trips;
}

// The same while the Trips view builds the trips of a card of TripsCardRecordings recordings,
// without a track cache so every run reads every track.
void BM_StallFromDoubleClickToPlaybackWhileTripsBuild(benchmark::State &state)
{
    TripsViewController *trips = openTripsView();
    measureStall(
        state, [trips] { trips->rebuild(); }, [trips] { return trips->job()->isRunning(); });
    trips->cancel();
}
BENCHMARK(BM_StallFromDoubleClickToPlaybackWhileTripsBuild)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The same with the Trips view open but building nothing: what the open view costs by itself.
void BM_StallFromDoubleClickToPlaybackWithTripsOpen(benchmark::State &state)
{
    openTripsView();
    measureStall(
        state, [] {}, [] { return false; });
}
BENCHMARK(BM_StallFromDoubleClickToPlaybackWithTripsOpen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

int main(int argc, char **argv)
{
    // A private home: the working folder, the preferences and the web engine's files stay in it.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"}) {
        qunsetenv(variable);
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    WebEngineEnvironment::prepare();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setApplicationName(u"Velmora"_s);
    QGuiApplication::setApplicationDisplayName(u"Velmora"_s);
    std::setlocale(LC_NUMERIC, "C");
    if (!makeRecording() || !makeTripsCard()) {
        std::fprintf(stderr, "Could not make the recording or the trips' card\n");
        return 1;
    }

    MainWindowController::Options options;
    // Listed as a folder the user chose: no camera model to recognise.
    options.folderPath = CachedCard + u"/evt_rec"_s;
    options.volumes = std::make_shared<FolderVolumes>(home.filePath(u"no-volumes"_s));
    options.splashMs = 0;
    window() = std::make_unique<MainWindowController>(options);
    window()->showMainWindow();
    QElapsedTimer listed;
    listed.start();
    while (recordingRow() < 0 && listed.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Utils::RemoveWorkingDirectory();
    window().reset();
    return 0;
}
