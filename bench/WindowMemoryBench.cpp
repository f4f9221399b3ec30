// The viewer's resident memory over 100 recordings played in turn in the real main window (the
// list, both players, the instruments, the map's web view): a folder of 20 one-minute front/rear
// MP4 pairs, each double-clicked in turn and played for a moment, the resident memory of this
// process read after each. Reports it after ten recordings and after a hundred and the growth
// between them (goal: at most 50 MB); VELMORA_BENCH_ARENAS=default leaves the allocator's arena
// count as the C library sets it, for comparison. The map's renderer is a process of its own and
// is not counted. Offscreen unless QT_QPA_PLATFORM says otherwise.
#include "core/AllocatorArenas.h"
#include "library/RecordingLibrary.h"
#include "ui_MainWindow.h"

#include "app/window/MainWindowController.h"
#include "app/window/PlaybackController.h"
#include "map/WebEngineEnvironment.h"
#include "platform/FolderVolumes.h"
#include "support/ResidentMemory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>
#include <malloc.h>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int Pairs = 20;
constexpr int Loads = 100;
constexpr int PlayMs = 500;

QTemporaryDir &cardFolder()
{
    static QTemporaryDir folder;
    return folder;
}

QString recordingsFolder()
{
    return cardFolder().filePath(u"cont_rec"_s);
}

// One 20-second 720p clip, hard-linked under the names of 20 front/rear pairs.
bool makeRecordings()
{
    QDir().mkpath(recordingsFolder());
    const QString clip = cardFolder().filePath(u"clip.mp4"_s);
    const QString ffmpeg = QStandardPaths::findExecutable(u"ffmpeg"_s);
    if (ffmpeg.isEmpty() || QProcess::execute(ffmpeg, {u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                                       u"testsrc2=size=1280x720:rate=30:duration=20"_s, u"-c:v"_s,
                                                       u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-g"_s, u"30"_s,
                                                       u"-pix_fmt"_s, u"yuv420p"_s, clip}) != 0) {
        return false;
    }
    for (int pair = 0; pair < Pairs; ++pair) {
        for (const char *camera : {"F", "R"}) {
            const QString name = u"20261207_%1_%2.mp4"_s.arg(120000 + pair * 100).arg(QLatin1StringView(camera));
            // Hard links: the list shows regular files only, never symbolic links.
            const QString path = recordingsFolder() + u'/' + name;
            if (::link(QFile::encodeName(clip).constData(), QFile::encodeName(path).constData()) != 0) {
                return false;
            }
        }
    }
    return true;
}

void runEvents(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

std::unique_ptr<MainWindowController> &window()
{
    static std::unique_ptr<MainWindowController> controller;
    return controller;
}

void BM_WindowResidentOver100Recordings(benchmark::State &state)
{
    MainWindowController &controller = *window();
    PlaybackController &playback = *controller.playback();
    const int rows = controller.library()->rowCount();
    if (rows == 0) {
        state.SkipWithError("no recording listed");
        return;
    }
    ResidentMemory memory;
    int started = 0;
    for (auto _ : state) {
        for (int load = 0; load < Loads; ++load) {
            controller.ui().fileListTableView->selectRow(load % rows);
            controller.videoFileListDoubleClicked();
            QElapsedTimer clock;
            clock.start();
            while (!(playback.isPlayTimerRunning() && !playback.isVideoPaused()) && clock.elapsed() < 30000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            }
            started += playback.isPlayTimerRunning() ? 1 : 0;
            runEvents(PlayMs);
            memory.sampleAfterLoad(load);
        }
        memory.finish(state);
    }
    memory.report(state);
    state.counters["started"] = started;
}
BENCHMARK(BM_WindowResidentOver100Recordings)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
} // namespace

int main(int argc, char **argv)
{
    if (qgetenv("VELMORA_BENCH_ARENAS") != "default") {
        AllocatorArenas::limit();
    }
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
    std::setlocale(LC_NUMERIC, "C");
    if (!makeRecordings()) {
        std::fprintf(stderr, "Could not make the recordings with ffmpeg\n");
        return 1;
    }
    MainWindowController::Options options;
    options.folderPath = recordingsFolder();
    options.volumes = std::make_shared<FolderVolumes>(home.filePath(u"no-volumes"_s));
    options.splashMs = 0;
    window() = std::make_unique<MainWindowController>(options);
    window()->showMainWindow();
    runEvents(2000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window().reset();
    return 0;
}
