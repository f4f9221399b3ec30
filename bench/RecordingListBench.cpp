// The recording list on full cards: scanning, filtering, sorting and pairing 20,000 and 100,000
// recordings against `find` listing the same tree in the same run (the goal is at most three
// times find), and the main window's list showing 100,000 rows (the model serves rows on demand,
// so showing them should take about as long as showing a hundred).
//
// The cards are generated at start-up as empty files in the cameras' folder layout (front/rear
// pairs, a date folder under some category folders, every extension the list takes) in a
// temporary folder (VELMORA_BENCH_DIR, else the system's temporary folder) and removed at exit.
// `velmora_recording_list_bench --write-card DIR COUNT` only writes such a card, for comparing
// the list's output between versions with `velmora-cli library`.
#include "library/RecordingLibrary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// COUNT empty recordings under ROOT: mostly continuous recordings, the other categories, saved
// copies and the root itself in smaller shares; half of each category in date folders.
bool writeCard(const QString &root, int count)
{
    const QStringList folders = {u"cont_rec"_s,     u"cont_rec"_s,   u"cont_rec"_s,   u"cont_rec"_s,
                                 u"motion_rec"_s,   u"evt_rec"_s,    u"manual_rec"_s, u"parking_rec"_s,
                                 u"Saved_Videos"_s, u"option_rec"_s, u"sos_rec"_s,    u"motion_timelapse_rec"_s,
                                 QString()};
    const QStringList extensions = {u"mp4"_s, u"mp4"_s, u"MP4"_s, u"avi"_s, u"mov"_s};
    quint32 state = 12345;
    const auto next = [&state](quint32 bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    const QDir dir(root);
    for (int written = 0; written < count; written += 2) {
        const QString category = folders.at(next(quint32(folders.size())));
        const QString day = u"2026%1%2"_s.arg(1 + next(12), 2, 10, QChar(u'0')).arg(1 + next(28), 2, 10, QChar(u'0'));
        const QString folder = category.isEmpty() ? QString() : next(2) == 0 ? category : category + u'/' + day;
        if (!folder.isEmpty() && !dir.mkpath(folder)) {
            return false;
        }
        const QString stem = u"%1_%2"_s.arg(day).arg(next(240000), 6, 10, QChar(u'0'));
        const QString extension = extensions.at(next(quint32(extensions.size())));
        for (const QString &camera : {u"F"_s, u"R"_s}) {
            const QString name = stem + u'_' + camera + u'.' + extension;
            QFile file(folder.isEmpty() ? dir.filePath(name) : dir.filePath(folder + u'/' + name));
            if (!file.open(QIODevice::WriteOnly)) {
                return false;
            }
        }
    }
    return true;
}

struct Cards
{
    QTemporaryDir dir{(qEnvironmentVariableIsSet("VELMORA_BENCH_DIR") ? qEnvironmentVariable("VELMORA_BENCH_DIR")
                                                                      : QDir::tempPath()) +
                      u"/velmora-list-bench-XXXXXX"_s};
    std::map<int, QString> roots;

    QString root(int count)
    {
        auto found = roots.find(count);
        if (found == roots.end()) {
            const QString path = dir.filePath(QString::number(count));
            if (!writeCard(path, count)) {
                return {};
            }
            found = roots.emplace(count, path).first;
        }
        return found->second;
    }
};
std::unique_ptr<Cards> cards;

// One listing of ROOT by find(1), its output thrown away, in seconds.
double findSeconds(const QString &root)
{
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    find.start(u"find"_s, {root});
    if (!find.waitForFinished(-1) || find.exitCode() != 0) {
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

// Each iteration times find and then the list (scan, filter, sort, partners) over the same tree,
// so both see the same cache and the same load; the time reported is the list's.
void BM_RecordingListAgainstFind(benchmark::State &state)
{
    const QString root = cards->root(int(state.range(0)));
    if (root.isEmpty()) {
        state.SkipWithError("cannot write the card");
        return;
    }
    double findTotal = 0;
    double listTotal = 0;
    qint64 rows = 0;
    int paired = 0;
    for (auto _ : state) {
        findTotal += findSeconds(root);
        QElapsedTimer timer;
        timer.start();
        RecordingLibrary library;
        library.refreshVideoFileListWithURL(QUrl::fromLocalFile(root));
        paired = 0;
        for (int row = 0; row < library.rowCount(); ++row) {
            paired += library.partnerRow(row) >= 0 ? 1 : 0;
        }
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        listTotal += seconds;
        state.SetIterationTime(seconds);
        rows = library.rowCount();
    }
    const double iterations = double(state.iterations());
    state.counters["rows"] = double(rows);
    state.counters["paired"] = paired;
    state.counters["find_ms"] = 1000 * findTotal / iterations;
    state.counters["list_ms"] = 1000 * listTotal / iterations;
    state.counters["x_find"] = listTotal / findTotal;
}
BENCHMARK(BM_RecordingListAgainstFind)->Arg(20000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The main window's list view (as it is set up there: one column, no headers) from a refresh of
// 100,000 rows to the first frame drawn, and scrolling to the last row.
void BM_ListViewShowsAllRows(benchmark::State &state)
{
    const QString root = cards->root(int(state.range(0)));
    if (root.isEmpty()) {
        state.SkipWithError("cannot write the card");
        return;
    }
    RecordingLibrary library;
    QTableView view;
    view.resize(250, 326);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.horizontalHeader()->hide();
    view.horizontalHeader()->setStretchLastSection(true);
    view.verticalHeader()->hide();
    view.setModel(&library);
    view.show();
    double scrollTotal = 0;
    for (auto _ : state) {
        library.refreshVideoFileListWithURL(QUrl::fromLocalFile(root));
        view.selectRow(0);
        view.grab();
        QElapsedTimer timer;
        timer.start();
        view.scrollToBottom();
        view.grab();
        scrollTotal += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["rows"] = double(library.rowCount());
    state.counters["scroll_ms"] = 1000 * scrollTotal / double(state.iterations());
}
BENCHMARK(BM_ListViewShowsAllRows)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--write-card") == 0) {
        QCoreApplication app(argc, argv);
        return writeCard(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt()) ? 0 : 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    cards = std::make_unique<Cards>();
    if (!cards->dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    cards.reset();
    return 0;
}
