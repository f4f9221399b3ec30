// How long from asking for a recording to its first frame: the viewer's whole path (convert the
// demo card's front/rear MP4 pair, load both players, first frame decoded), and the path of a
// recording played as it is (probe, track read from the MP4's own samples, both players on the
// original files), against a lone player showing the raw front file. Run from the release build;
// the ratios to the lone player are the figures. The direct path also counts the bytes this
// process read (/proc/self/io "rchar": the player reads in its own threads, and nothing is run
// beside it) against the pair's size, on the demo pair and, with VELMORA_BENCH_1080P=1, on a
// one-minute 1080p pair made by ffmpeg first.
// With VELMORA_BENCH_1080P=1 and VELMORA_BENCH_DROP_CACHES=1 (as root), the 1080p pair also goes onto
// a card read at 60 MB/s (ThrottledCard) and the viewer's two paths and the lone player start from
// an empty page cache each time: the cold figures, the bytes read counted from the card's device.
#include "demo/DemoCard.h"
#include "recording/DirectPlayRoute.h"
#include "recording/RecordingTrack.h"

#include "export/VideoConverter.h"
#include "playback/MpvPlayer.h"
#include "playback/VexoAVView.h"
#include "sensor/SubtitleData.h"
#include "sensor/VexoClipData.h"
#include "support/ThrottledCard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <clocale>
#include <memory>
#include <unistd.h>

namespace {
QTemporaryDir &cardFolder()
{
    static QTemporaryDir folder;
    return folder;
}

QString frontRecording()
{
    const QDir folder(cardFolder().filePath(QStringLiteral("card/cont_rec")));
    const QStringList fronts = folder.entryList({QStringLiteral("*F.mp4")});
    return fronts.isEmpty() ? QString() : folder.filePath(fronts.constFirst());
}

// The one-minute 1080p pair, when it was made.
QString largeFrontRecording()
{
    const QString path = cardFolder().filePath(QStringLiteral("large/20261207_090000_F.mp4"));
    return QFileInfo::exists(path) ? path : QString();
}

// The card at a reader's speed holding the 1080p pair, when asked for and possible.
std::unique_ptr<ThrottledCard> &slowCard()
{
    static std::unique_ptr<ThrottledCard> card;
    return card;
}

QString slowFrontRecording()
{
    return slowCard() ? slowCard()->mountPath() + QStringLiteral("/cont_rec/20261207_090000_F.mp4") : QString();
}

QString setUpSlowCard()
{
    slowCard() = std::make_unique<ThrottledCard>();
    if (!slowCard()->isReady()) {
        const QString reason = slowCard()->skipReason();
        slowCard().reset();
        return reason;
    }
    for (const char *camera : {"F", "R"}) {
        const QString name = QStringLiteral("20261207_090000_%1.mp4").arg(QLatin1StringView(camera));
        if (!slowCard()->placeSparse(cardFolder().filePath(QStringLiteral("large/") + name),
                                     QStringLiteral("cont_rec/") + name)) {
            slowCard().reset();
            return QStringLiteral("the pair could not be put on the card");
        }
    }
    return {};
}

// Before each timed start on the slow card: an empty page cache, outside the timing.
void emptyCacheUntimed(benchmark::State &state, bool cold)
{
    if (cold) {
        state.PauseTiming();
        slowCard()->dropCaches();
        state.ResumeTiming();
    }
}

// Bytes the slow card's device gave this process (and its children) so far.
qint64 deviceBytes()
{
    return ThrottledCard::ioOf(::getpid()).readBytes;
}

bool skipWithoutSlowCard(benchmark::State &state)
{
    if (!slowCard()) {
        state.SkipWithError("no slow card: set VELMORA_BENCH_1080P=1 and VELMORA_BENCH_DROP_CACHES=1, as root");
        return true;
    }
    return false;
}

bool makeLargePair()
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    QDir().mkpath(cardFolder().filePath(QStringLiteral("large")));
    for (const char *camera : {"F", "R"}) {
        const QString output =
            cardFolder().filePath(QStringLiteral("large/20261207_090000_%1.mp4").arg(QLatin1StringView(camera)));
        const QStringList arguments{QStringLiteral("-v"),
                                    QStringLiteral("error"),
                                    QStringLiteral("-f"),
                                    QStringLiteral("lavfi"),
                                    QStringLiteral("-i"),
                                    QStringLiteral("testsrc2=size=1920x1080:rate=30:duration=60"),
                                    QStringLiteral("-c:v"),
                                    QStringLiteral("libx264"),
                                    QStringLiteral("-preset"),
                                    QStringLiteral("ultrafast"),
                                    QStringLiteral("-b:v"),
                                    QStringLiteral("8M"),
                                    QStringLiteral("-g"),
                                    QStringLiteral("30"),
                                    QStringLiteral("-pix_fmt"),
                                    QStringLiteral("yuv420p"),
                                    output};
        if (ffmpeg.isEmpty() || QProcess::execute(ffmpeg, arguments) != 0) {
            return false;
        }
    }
    return true;
}

// Bytes this process has read through read() and its kin so far.
qint64 bytesRead()
{
    return ThrottledCard::ioOf(::getpid(), false).rchar;
}

bool waitFor(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 30000);
}

void convertedToFirstFrame(benchmark::State &state, const QString &front, bool cold = false)
{
    const QUrl recording = QUrl::fromLocalFile(front);
    for (auto _ : state) {
        emptyCacheUntimed(state, cold);
        // A fresh working folder each time: nothing converted earlier is reused.
        QTemporaryDir working;
        VideoConverter converter;
        converter.setWorkingDirectory(working.path());
        VexoAVView big;
        VexoAVView small;
        const auto files = converter.checkAndConvertVideo(recording);
        if (!files || files->size() != 2) {
            state.SkipWithError("conversion failed");
            return;
        }
        big.setFileName(files->at(0).toLocalFile());
        small.setFileName(files->at(1).toLocalFile());
        const bool shown = waitFor([&] {
            return big.status() == VexoAVViewStatusPrepared && small.status() == VexoAVViewStatusPrepared &&
                   !big.snapshot().isNull();
        });
        if (!shown) {
            state.SkipWithError("no first frame");
            return;
        }
    }
}
void BM_ViewerFromRecordingToFirstFrame(benchmark::State &state)
{
    convertedToFirstFrame(state, frontRecording());
}
BENCHMARK(BM_ViewerFromRecordingToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// The double-click of a recording played as it is, to both players' first frames.
void directToFirstFrame(benchmark::State &state, const QString &front, bool cold = false)
{
    const QUrl recording = QUrl::fromLocalFile(front);
    const QString rear = VideoConverter::otherCameraUrl(recording).toLocalFile();
    const double pairBytes = double(QFileInfo(front).size() + QFileInfo(rear).size());
    double readShare = 0.0;
    double deviceShare = 0.0;
    for (auto _ : state) {
        emptyCacheUntimed(state, cold);
        const qint64 before = bytesRead();
        const qint64 deviceBefore = deviceBytes();
        VexoAVView big;
        VexoAVView small;
        const auto sources = DirectPlayRoute::sources(recording);
        if (!sources || sources->size() != 2) {
            state.SkipWithError("not played as it is");
            return;
        }
        VexoClipData track;
        SubtitleData subtitles;
        RecordingTrack::load(front, sources->at(0).path, track, nullptr, &subtitles);
        big.setFileName(sources->at(0).path, sources->at(0).videoTrack);
        small.setFileName(sources->at(1).path, sources->at(1).videoTrack);
        const bool shown = waitFor([&] {
            return big.status() == VexoAVViewStatusPrepared && small.status() == VexoAVViewStatusPrepared &&
                   !big.snapshot().isNull();
        });
        if (!shown) {
            state.SkipWithError("no first frame");
            return;
        }
        readShare += double(bytesRead() - before) / pairBytes;
        deviceShare += double(deviceBytes() - deviceBefore) / pairBytes;
    }
    state.counters["read_of_pair"] = readShare / double(state.iterations());
    if (cold) {
        state.counters["device_read_of_pair"] = deviceShare / double(state.iterations());
    }
}

void BM_DirectViewerFromRecordingToFirstFrame(benchmark::State &state)
{
    directToFirstFrame(state, frontRecording());
}
BENCHMARK(BM_DirectViewerFromRecordingToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_DirectViewerOneMinute1080pPair(benchmark::State &state)
{
    if (largeFrontRecording().isEmpty()) {
        state.SkipWithError("no 1080p pair: set VELMORA_BENCH_1080P=1");
        return;
    }
    directToFirstFrame(state, largeFrontRecording());
}
BENCHMARK(BM_DirectViewerOneMinute1080pPair)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void lonePlayerToFirstFrame(benchmark::State &state, const QString &recording, bool cold = false)
{
    for (auto _ : state) {
        emptyCacheUntimed(state, cold);
        MpvPlayer player;
        bool loaded = false;
        QObject::connect(&player, &MpvPlayer::fileLoaded, [&loaded] { loaded = true; });
        player.loadFile(recording);
        if (!waitFor([&] { return loaded && !player.screenshot().isNull(); })) {
            state.SkipWithError("no first frame");
            return;
        }
    }
}

void BM_LonePlayerRawFrontToFirstFrame(benchmark::State &state)
{
    lonePlayerToFirstFrame(state, frontRecording());
}
BENCHMARK(BM_LonePlayerRawFrontToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_LonePlayerRawFront1080pToFirstFrame(benchmark::State &state)
{
    if (largeFrontRecording().isEmpty()) {
        state.SkipWithError("no 1080p pair: set VELMORA_BENCH_1080P=1");
        return;
    }
    lonePlayerToFirstFrame(state, largeFrontRecording());
}
BENCHMARK(BM_LonePlayerRawFront1080pToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
// The same three starts of the 1080p pair on the slow card with an empty page cache.
void BM_ColdDirectViewer1080pPair(benchmark::State &state)
{
    if (!skipWithoutSlowCard(state)) {
        directToFirstFrame(state, slowFrontRecording(), true);
    }
}
BENCHMARK(BM_ColdDirectViewer1080pPair)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ColdLonePlayerRawFront1080p(benchmark::State &state)
{
    if (!skipWithoutSlowCard(state)) {
        lonePlayerToFirstFrame(state, slowFrontRecording(), true);
    }
}
BENCHMARK(BM_ColdLonePlayerRawFront1080p)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ColdConvertedViewer1080pPair(benchmark::State &state)
{
    if (!skipWithoutSlowCard(state)) {
        convertedToFirstFrame(state, slowFrontRecording(), true);
    }
}
BENCHMARK(BM_ColdConvertedViewer1080pPair)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const DemoCard::Result made = DemoCard::generate(cardFolder().filePath(QStringLiteral("card")));
    if (!made.ok) {
        return 1;
    }
    if (qEnvironmentVariableIntValue("VELMORA_BENCH_1080P") == 1) {
        if (!makeLargePair()) {
            return 1;
        }
        if (qEnvironmentVariableIntValue("VELMORA_BENCH_DROP_CACHES") == 1) {
            const QString why = setUpSlowCard();
            if (!why.isEmpty()) {
                qWarning("no slow card: %s", qPrintable(why));
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    slowCard().reset();
    return 0;
}
