// The quick track reader on recordings made to keep it busy, against the full scan of the same
// file measured in the same run (the figure: vs_full_scan, the quick route's time over the full
// scan's). Two files, generated at start-up in a temporary folder (VELMORA_BENCH_DIR, else the
// system's temporary folder) and removed at exit:
// - an OpenDML AVI whose video super index names its two 32 MB "ix00" chunks 65,000 times over;
// - an AVI of 270 "movi" lists nested one in another (about 860 kB) with an "idx1" index whose last
//   entry gives the wrong size.
// Both reads find the files in the page cache (each is read once before anything is timed).
#include "sensor/AviWriter.h"
#include "sensor/QuickTrackReader.h"
#include "sensor/VexoClipData.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le64(quint64 value)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray positionRecord(int second)
{
    return u"$GPRMC,08%1%2.00,A,3734.1000,N,12658.2000,E,10.0,90.0,071226,,,A"_s
        .arg(second / 60 % 60, 2, 10, QChar(u'0'))
        .arg(second % 60, 2, 10, QChar(u'0'))
        .toLatin1();
}

// A second of recording: three pictures (indexed by the caller through PICTURES, their offsets
// from BASE) and the older cameras' ten acceleration records and a position record.
QByteArray second(int number, qint64 at, qint64 base, QList<std::pair<quint32, quint32>> &pictures)
{
    QByteArray bytes;
    for (int frame = 0; frame < 3; ++frame) {
        const QByteArray picture(20001 + frame, char('a' + frame));
        pictures.append({quint32(at + bytes.size() + 8 - base), quint32(picture.size())});
        bytes += AviWriter::chunkBytes("00dc", picture);
    }
    for (int tenth = 0; tenth < 10; ++tenth) {
        bytes += AviWriter::chunkBytes("02tx", AviWriter::accelerationRecord(quint8(100 + tenth), 128, 140));
    }
    return bytes + AviWriter::chunkBytes("03tx", positionRecord(number));
}

// An "ix00" chunk of KEEP bytes in all, listing PICTURES from BASE; the rest zeros.
QByteArray standardIndex(const QList<std::pair<quint32, quint32>> &pictures, qint64 base, qint64 keep)
{
    QByteArray body = QByteArray::fromHex("0200") + '\0' + '\1' + le32(quint32(pictures.size())) + "00dc" +
                      le64(quint64(base)) + le32(0);
    for (const auto &[offset, size] : pictures) {
        body += le32(offset) + le32(size);
    }
    body.resize(keep - 8, '\0');
    return "ix00" + le32(quint32(body.size())) + body;
}

// Header list, "movi": index chunk A, a minute of recording, index chunk B; the super index names
// A and B REPEATS times each, alternately.
bool writeRepeatedSuperIndex(const QString &path, int repeats)
{
    constexpr qint64 kIndexBytes = 32 * 1024 * 1024;
    QByteArray strl = "strl" + AviWriter::chunkBytes("strh", QByteArray(QByteArray("vids") + QByteArray(52, '\0')));
    const qsizetype indxEntries = 24 + qsizetype(repeats) * 2 * 16;
    const QByteArray indxPlaceholder(indxEntries, '\0');
    strl += AviWriter::chunkBytes("indx", indxPlaceholder);
    const QByteArray hdrl =
        "hdrl" + AviWriter::chunkBytes("avih", QByteArray(56, '\0')) + "LIST" + le32(quint32(strl.size())) + strl;
    QByteArray head = "RIFF" + le32(0) + "AVI " + "LIST" + le32(quint32(hdrl.size())) + hdrl;
    const qsizetype indx = head.size() - indxEntries;
    const qint64 movi = head.size();
    head += "LIST" + le32(0) + "movi";
    const qint64 firstIndex = head.size();
    QList<std::pair<quint32, quint32>> firstPictures;
    QList<std::pair<quint32, quint32>> secondPictures;
    QByteArray minute;
    const qint64 minuteAt = firstIndex + kIndexBytes;
    for (int s = 0; s < 60; ++s) {
        minute += second(s, minuteAt + minute.size(), movi, s < 30 ? firstPictures : secondPictures);
    }
    const qint64 secondIndex = minuteAt + minute.size();
    // The super index: A, B, A, B, ...
    QByteArray entries =
        QByteArray::fromHex("0400") + '\0' + '\0' + le32(quint32(repeats * 2)) + "00dc" + QByteArray(12, '\0');
    for (int i = 0; i < repeats; ++i) {
        entries += le64(quint64(firstIndex)) + le32(quint32(kIndexBytes)) + le32(90);
        entries += le64(quint64(secondIndex)) + le32(quint32(kIndexBytes)) + le32(90);
    }
    head.replace(indx, entries.size(), entries);
    const qint64 total = secondIndex + kIndexBytes;
    qToLittleEndian<quint32>(quint32(total - 8), head.data() + 4);
    qToLittleEndian<quint32>(quint32(total - movi - 8), head.data() + movi + 4);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head) == head.size() &&
           file.write(standardIndex(firstPictures, movi, kIndexBytes)) == kIndexBytes &&
           file.write(minute) == minute.size() &&
           file.write(standardIndex(secondPictures, movi, kIndexBytes)) == kIndexBytes;
}

// LEVELS "movi" lists one inside the other, a picture and a second's records in each, and an "idx1"
// of every chunk whose last entry gives the wrong size.
bool writeNestedMovi(const QString &path, int levels)
{
    QByteArray bytes = "RIFF" + le32(0) + "AVI " + "LIST" + le32(4 + 8 + 56) + "hdrl" +
                       AviWriter::chunkBytes("avih", QByteArray(56, '\0'));
    const qsizetype movi = bytes.size();
    QByteArray index;
    const auto add = [&](const QByteArray &code, const QByteArray &data) {
        index += code + le32(0x10) + le32(quint32(bytes.size() - movi - 8)) + le32(quint32(data.size()));
        bytes += AviWriter::chunkBytes(code, data);
    };
    QList<qsizetype> lists;
    for (int level = 0; level < levels; ++level) {
        lists.append(bytes.size());
        bytes += "LIST" + le32(0) + "movi";
        add("00dc", QByteArray(2901, 'v'));
        for (int tenth = 0; tenth < 10; ++tenth) {
            add("02tx", AviWriter::accelerationRecord(quint8(100 + tenth), 128, 140));
        }
        add("03tx", positionRecord(level));
    }
    for (const qsizetype list : lists) {
        qToLittleEndian<quint32>(quint32(bytes.size() - list - 8), bytes.data() + list + 4);
    }
    qToLittleEndian<quint32>(qFromLittleEndian<quint32>(index.constData() + index.size() - 4) + 1,
                             index.data() + index.size() - 4);
    bytes += "idx1" + le32(quint32(index.size())) + index;
    qToLittleEndian<quint32>(quint32(bytes.size() - 8), bytes.data() + 4);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Files
{
    QTemporaryDir dir{qEnvironmentVariable("VELMORA_BENCH_DIR", QDir::tempPath()) + u"/velmora-hostile-XXXXXX"_s};
    QString repeated;
    QString nested;
};

std::unique_ptr<Files> files;

// Times the full scan of PATH once, then the quick route per iteration; reports their ratio.
void quickAgainstFullScan(benchmark::State &state, const QString &path)
{
    auto track = std::make_unique<VexoClipData>();
    track->loadVideoFileCilpDataFromFilePath(path);
    QElapsedTimer full;
    full.start();
    track->loadVideoFileCilpDataFromFilePath(path);
    const double fullMs = double(full.nsecsElapsed()) / 1e6;
    const int fullSamples = int(track->clipDataCount());
    QuickTrackReader::Result result;
    double slowestMs = 0.0;
    for (auto _ : state) {
        QElapsedTimer quick;
        quick.start();
        result = QuickTrackReader::readAvi(path, *track, false);
        slowestMs = qMax(slowestMs, double(quick.nsecsElapsed()) / 1e6);
    }
    if (result.samples != fullSamples || result.samples == 0) {
        state.SkipWithError("the quick route and the full scan give different tracks");
    }
    state.SetLabel(QuickTrackReader::routeName(result.route).toStdString());
    state.counters["full_scan_ms"] = fullMs;
    state.counters["vs_full_scan"] = slowestMs / fullMs;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
}

void BM_SuperIndexNamingItsChunksOverAndOver(benchmark::State &state)
{
    quickAgainstFullScan(state, files->repeated);
}
BENCHMARK(BM_SuperIndexNamingItsChunksOverAndOver)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_NestedMoviListsWithAFailingIndex(benchmark::State &state)
{
    quickAgainstFullScan(state, files->nested);
}
BENCHMARK(BM_NestedMoviListsWithAFailingIndex)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    files = std::make_unique<Files>();
    files->repeated = files->dir.filePath(u"repeated-super-index.avi"_s);
    files->nested = files->dir.filePath(u"nested-movi.avi"_s);
    if (!files->dir.isValid() || !writeRepeatedSuperIndex(files->repeated, 32500) ||
        !writeNestedMovi(files->nested, 270)) {
        std::fprintf(stderr, "cannot write the recordings in %s\n", qPrintable(files->dir.path()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    files.reset();
    return 0;
}
