// How long from asking for a recording to its first frame: the viewer's whole path (convert the
// demo card's front/rear MP4 pair, load both players, first frame decoded) against a lone player
// showing the raw front file. Run from the release build; the ratio of the two is the figure.
#include "demo/DemoCard.h"

#include "export/VideoConverter.h"
#include "playback/MpvPlayer.h"
#include "playback/VexoAVView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <clocale>

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

bool waitFor(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 30000);
}

void BM_ViewerFromRecordingToFirstFrame(benchmark::State &state)
{
    const QUrl recording = QUrl::fromLocalFile(frontRecording());
    for (auto _ : state) {
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
BENCHMARK(BM_ViewerFromRecordingToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void BM_LonePlayerRawFrontToFirstFrame(benchmark::State &state)
{
    const QString recording = frontRecording();
    for (auto _ : state) {
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
BENCHMARK(BM_LonePlayerRawFrontToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
