// The sensor readers on recordings of realistic size: a high-bitrate minute is about a gigabyte,
// and the readers run while the user waits for the recording to start. Figures to watch: the
// text-record scan of a 1 GB recording against one plain read of the same file from the page
// cache (the scan should stay within 1.3 times of it), and the peak memory of loading a 2 GB
// recording (which should stay far below the recording's size: bounded windows, not the file),
// and the load of a recording whose preallocated rest is zeros against a plain read of it.
//
// The recordings are generated at start-up in a temporary folder (VELMORA_BENCH_DIR, else the
// system's temporary folder) and removed at exit. VELMORA_BENCH_SCAN_MB and VELMORA_BENCH_BIG_MB
// set their sizes (1024 and 2048 by default). Run the memory figure alone, so that nothing else
// in the process raises the peak: --benchmark_filter=PeakMemory.
#include "sensor/AviSensorReader.h"
#include "sensor/AviWriter.h"
#include "sensor/QB62RecordingReader.h"
#include "sensor/TailBlockReader.h"
#include "sensor/TailBlockWriter.h"
#include "sensor/VexoClipData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
enum class Kind
{
    QB62,   // "gsensori" and "GPRMC" records in text chunks
    Legacy, // "M" records and "$GPRMC" sentences, and a tail block at the end
};

qint64 megabytes(const char *variable, qint64 fallback)
{
    const qint64 value = qEnvironmentVariableIntValue(variable);
    return value > 0 ? value : fallback;
}

// Writes a one-minute recording of about SIZE bytes: 30 video frames and 30 acceleration records
// per second, one position record per second, and every ten seconds a long run of zero bytes
// (padding as cameras write it), one of them right after a text-stream code.
QByteArray le32(qint64 value)
{
    char bytes[4];
    qToLittleEndian(quint32(value), bytes);
    return QByteArray(bytes, 4);
}

bool writeRecording(const QString &path, qint64 size, Kind kind)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    constexpr int seconds = 60;
    constexpr int framesPerSecond = 30;
    const qint64 frameBytes = size / (seconds * framesPerSecond);
    std::vector<char> frame(std::size_t(frameBytes + 1));
    quint64 state = 0x9E3779B97F4A7C15ull;
    const auto fill = [&] {
        // xorshift: bytes that look like compressed video, "0" and "02" included by chance.
        for (std::size_t i = 0; i + 8 <= frame.size(); i += 8) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            std::memcpy(frame.data() + i, &state, 8);
        }
    };
    const auto put = [&file](const QByteArray &bytes) {
        return file.write(bytes) == bytes.size();
    };
    AviWriter header;
    header.beginList("hdrl").chunk("avih", QByteArray(56, '\0')).endList();
    bool ok = put(header.bytes());
    const QByteArray zeros(4 * 1024 * 1024, '\0');
    for (int s = 0; s < seconds && ok; ++s) {
        for (int f = 0; f < framesPerSecond && ok; ++f) {
            fill();
            // Odd sizes every other frame, so pad bytes occur throughout.
            const qint64 bytes = frameBytes - (f % 2);
            AviWriter chunk;
            QByteArray text;
            if (kind == Kind::QB62) {
                text = u"gsensori,1,1024,%1,%2,1024"_s.arg(f * 10).arg(-s).toLatin1() + '\0';
            } else {
                text = AviWriter::accelerationRecord(quint8(100 + f), quint8(128), quint8(200 - s));
            }
            ok = put("00dc" + le32(bytes)) && file.write(frame.data(), bytes + (bytes % 2)) == bytes + (bytes % 2) &&
                 put("02tx" + le32(text.size()) + text + (text.size() % 2 ? QByteArray(1, '\0') : QByteArray()));
        }
        const QByteArray fix = kind == Kind::QB62 ? QByteArray("GPRMC,120000,A,3723.4567,N,12658.1234,E,10.0")
                                                  : QByteArray("$GPRMC,120000,A,3723.4567,N,12658.1234,E,10.0");
        ok = ok && put("03tx" + le32(fix.size()) + fix + (fix.size() % 2 ? QByteArray(1, '\0') : QByteArray()));
        if (ok && s % 10 == 9) {
            // Mostly padding chunks; once a text chunk of nothing but zeros, which the text-record
            // scan must cross byte by byte.
            ok = put((s == 29 ? "02tx" : "JUNK") + le32(zeros.size()) + zeros);
        }
    }
    if (kind == Kind::Legacy) {
        ok = ok && put(TailBlockWriter::block({TailBlockWriter::line(37.5, 127.5, 50, 1, 2, 3)}));
    }
    return ok && file.flush();
}

struct Recordings
{
    QTemporaryDir dir{qEnvironmentVariable("VELMORA_BENCH_DIR", QDir::tempPath()) + u"/velmora-bench-XXXXXX"_s};
    QString scanQB62;
    QString scanLegacy;
    QString big;
    QString zeroTail;
};

std::unique_ptr<Recordings> recordings;

// Reads the whole file once, READ_BYTES at a time: the floor for any reader of every byte.
qint64 readOnce(const QString &path, qsizetype readBytes = QB62RecordingReader::kWindowBytes)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    std::vector<char> buffer(static_cast<std::size_t>(readBytes));
    qint64 total = 0;
    qint64 got = 0;
    while ((got = file.read(buffer.data(), qint64(buffer.size()))) > 0) {
        total += got;
    }
    return total;
}

void BM_PageCacheRead(benchmark::State &state)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = readOnce(recordings->scanQB62, qsizetype(state.range(0)) * 1024);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
// Arguments: the size of one read, in KiB.
BENCHMARK(BM_PageCacheRead)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime()->Arg(256)->Arg(512)->Arg(1024);

void BM_QB62RecordingScan(benchmark::State &state)
{
    auto track = std::make_unique<VexoClipData>();
    int count = 0;
    for (auto _ : state) {
        QFile file(recordings->scanQB62);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        count = QB62RecordingReader::read(file, *track, qsizetype(state.range(0)) * 1024);
    }
    if (count != 600) {
        state.SkipWithError("expected 600 samples");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(recordings->scanQB62).size());
}
// Arguments: the reader's block size, in KiB (1024 is what the viewer uses).
BENCHMARK(BM_QB62RecordingScan)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->UseRealTime()
    ->Arg(256)
    ->Arg(512)
    ->Arg(1024);

void BM_AviChunkWalk(benchmark::State &state)
{
    auto track = std::make_unique<VexoClipData>();
    int count = 0;
    for (auto _ : state) {
        count = track->getAllDataFromFile(recordings->scanLegacy.toUtf8().constData());
    }
    if (count != 600) {
        state.SkipWithError("expected 600 samples");
    }
}
BENCHMARK(BM_AviChunkWalk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TailBlock(benchmark::State &state)
{
    auto track = std::make_unique<VexoClipData>();
    int count = 0;
    for (auto _ : state) {
        count = track->getAllDataFromFileTail(recordings->scanLegacy);
    }
    if (count != 1) {
        state.SkipWithError("expected 1 sample");
    }
}
BENCHMARK(BM_TailBlock)->Unit(benchmark::kMicrosecond);

// The whole dispatch on the big recording of the older cameras: the text-record scan finds
// nothing, the tail block is found. Reports the process's peak resident memory.
void BM_PeakMemoryLoadingBigRecording(benchmark::State &state)
{
    auto track = std::make_unique<VexoClipData>();
    int aviCount = 0;
    for (auto _ : state) {
        track->loadVideoFileCilpDataFromFilePath(recordings->big);
        // The chunk walk of the older cameras' reader, on the same recording.
        aviCount = track->getAllDataFromFile(recordings->big.toUtf8().constData());
    }
    if (track->clipDataCount() != 1 || aviCount != 600) {
        state.SkipWithError("expected the tail block's sample and 600 samples from the chunk walk");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
    state.counters["file_MB"] = double(QFileInfo(recordings->big).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_PeakMemoryLoadingBigRecording)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// A recording cut short by a power loss: a minute of records followed by the zero-filled rest of
// its preallocated file (sparse here), loaded the way the viewer does when no index helps. The
// load is timed against one plain read of the same file in the same run (goal: a few times at
// most; the chunk walk stops at the first all-zero header).
void BM_ZeroFilledTail(benchmark::State &state)
{
    // The second read is timed: both the plain read and the loads find the file in the page cache.
    readOnce(recordings->zeroTail);
    QElapsedTimer plain;
    plain.start();
    const qint64 bytes = readOnce(recordings->zeroTail);
    const double plainMs = double(plain.nsecsElapsed()) / 1e6;
    auto track = std::make_unique<VexoClipData>();
    double slowestMs = 0.0;
    for (auto _ : state) {
        QElapsedTimer load;
        load.start();
        track->loadVideoFileCilpDataFromFilePath(recordings->zeroTail);
        slowestMs = qMax(slowestMs, double(load.nsecsElapsed()) / 1e6);
    }
    if (track->clipDataCount() != 600) {
        state.SkipWithError("expected 600 samples");
    }
    state.counters["file_MB"] = double(bytes) / (1024.0 * 1024.0);
    state.counters["plain_read_ms"] = plainMs;
    state.counters["vs_plain_read"] = slowestMs / plainMs;
}
BENCHMARK(BM_ZeroFilledTail)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    recordings = std::make_unique<Recordings>();
    if (!recordings->dir.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    const qint64 mb = 1024 * 1024;
    recordings->scanQB62 = recordings->dir.filePath(u"qb62.avi"_s);
    recordings->scanLegacy = recordings->dir.filePath(u"legacy.avi"_s);
    recordings->big = recordings->dir.filePath(u"big.avi"_s);
    recordings->zeroTail = recordings->dir.filePath(u"zero-tail.avi"_s);
    // With VELMORA_BENCH_MEMORY_ONLY set only the big recording is made (for the memory figure).
    const bool memoryOnly = qEnvironmentVariableIsSet("VELMORA_BENCH_MEMORY_ONLY");
    bool ok = true;
    if (!memoryOnly) {
        ok = writeRecording(recordings->scanQB62, megabytes("VELMORA_BENCH_SCAN_MB", 1024) * mb, Kind::QB62) &&
             writeRecording(recordings->scanLegacy, megabytes("VELMORA_BENCH_SCAN_MB", 1024) * mb, Kind::Legacy) &&
             writeRecording(recordings->zeroTail, 64 * mb, Kind::QB62) &&
             QFile::resize(recordings->zeroTail, megabytes("VELMORA_BENCH_BIG_MB", 2048) * mb);
    }
    ok = ok && writeRecording(recordings->big, megabytes("VELMORA_BENCH_BIG_MB", 2048) * mb, Kind::Legacy);
    if (!ok) {
        std::fprintf(stderr, "cannot write the recordings in %s\n", qPrintable(recordings->dir.path()));
        return 1;
    }
    // Into the page cache before anything is timed.
    readOnce(recordings->scanQB62);
    readOnce(recordings->scanQB62);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    recordings.reset();
    return 0;
}
