// Building the trips of a card of one-minute recordings (1,000 by default), and the bytes that
// takes. Figures to watch:
//  - TrackBytes/quick: "read_share_percent", the bytes the quick track readers read (from
//    /proc/self/io, rchar) against the card's bytes (goal: at most 1 %); TrackBytes/full reads a
//    few recordings the way the viewer did before (the whole file) for comparison (100 %).
//  - TripsWarmCache: the whole card's trips with every track in the track cache (goal: at most
//    300 ms), beside FindStat, a walk over the card's folders with a stat of every file, and
//    "vs_find_stat", their ratio.
//  - TripsCold (only as root with VELMORA_BENCH_DROP_CACHES=1, since it empties the page cache of
//    the whole machine): the same card written onto a card read at 60 MB/s (ThrottledCard), its
//    trips without the track cache after dropping the page cache ("trips_ms", bytes read in
//    "read_bytes" and "device_read_bytes"), against the same walk with a stat after dropping it
//    again ("find_stat_ms"), and their ratio "vs_find_stat".
//
// The card is generated at start-up in a temporary folder (VELMORA_BENCH_DIR, else the system's
// temporary folder) and removed at exit: a few distinct recordings (VELMORA_BENCH_DISTINCT, 20)
// with the layouts the cameras write (an AVI with both cameras, sound and "gsensor"/"GNRMC" text
// chunks, all listed in "idx1"; an MP4 front file with pictures, sound and a subtitle track) at a
// camera's picture sizes, but sparse: the pictures are holes, so the card takes little disk. The
// card's recordings (VELMORA_BENCH_RECORDINGS, 1000) are hard links to them under names a minute
// apart, with a ten-minute pause after every 50, so the bytes counted are those of a full card.
#include "recording/TrackCache.h"
#include "recording/TrackLoader.h"
#include "trips/CardTrips.h"
#include "trips/TripBuilder.h"

#include "sensor/GrowingTrack.h"
#include "sensor/QuickTrackReader.h"
#include "sensor/VexoClipData.h"
#include "support/ThrottledCard.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int kSeconds = 60;
constexpr int kFramesPerSecond = 30;

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray box(QByteArrayView type, const QByteArray &body)
{
    return be32(quint32(body.size() + 8)) + type.toByteArray() + body;
}

QByteArray rmc(int second)
{
    return u"GNRMC,%1.00,A,3734.%2,N,12658.%3,E,21.5,90.0,071226,,,A"_s.arg(80000 + second)
        .arg(1000 + second * 3, 4, 10, QChar(u'0'))
        .arg(2000 + second * 5, 4, 10, QChar(u'0'))
        .toLatin1();
}

QByteArray acceleration(int sample)
{
    return u"gsensor,%1,%2,%3"_s.arg(sample % 17 - 8).arg(sample % 11 - 5).arg(sample % 5).toLatin1();
}

// Writes chunks and holes: a chunk's data that is a picture is not written, only passed over.
class SparseWriter
{
public:
    explicit SparseWriter(const QString &path) : m_file(path) { m_ok = m_file.open(QIODevice::WriteOnly); }

    qint64 pos() const { return m_pos; }
    void write(const QByteArray &bytes)
    {
        m_ok = m_ok && m_file.seek(m_pos) && m_file.write(bytes) == bytes.size();
        m_pos += bytes.size();
    }
    void hole(qint64 bytes) { m_pos += bytes; }
    void patch(qint64 at, const QByteArray &bytes)
    {
        m_ok = m_ok && m_file.seek(at) && m_file.write(bytes) == bytes.size();
    }
    bool finish()
    {
        // A file ending in a hole still has its full size.
        m_ok = m_ok && m_file.resize(qMax(m_file.size(), m_pos));
        m_file.close();
        return m_ok;
    }

private:
    QFile m_file;
    qint64 m_pos = 0;
    bool m_ok = false;
};

// PICTURE_HEADERS false leaves the pictures' and the sound's chunk headers after the first second
// as holes too: the quick reader looks at the first indexed chunk to learn where the index counts
// from, then follows the index to the text chunks and never reads the others; written, they would
// take a 4 kB block each (14 MB a recording), too much for a card of a thousand distinct files.
bool writeAvi(const QString &path, bool pictureHeaders = true)
{
    SparseWriter out(path);
    out.write("RIFF" + le32(0) + "AVI ");
    QByteArray avih(56, '\0');
    qToLittleEndian<quint32>(33333, avih.data());
    qToLittleEndian<quint32>(kSeconds * kFramesPerSecond, avih.data() + 16);
    const QByteArray hdrl = "hdrl" + QByteArray("avih") + le32(56) + avih;
    out.write("LIST" + le32(quint32(hdrl.size())) + hdrl);
    const qint64 movi = out.pos();
    out.write("LIST" + le32(0) + "movi");
    QByteArray index;
    bool holeHeaders = false;
    const auto chunk = [&](QByteArrayView code, qint64 size, const QByteArray &data) {
        index += code.toByteArray() + le32(0x10) + le32(quint32(out.pos() - movi - 8)) + le32(quint32(size));
        if (data.isEmpty() && holeHeaders) {
            out.hole(8 + size + (size & 1));
            return;
        }
        out.write(code.toByteArray() + le32(quint32(size)) + data);
        out.hole(size - data.size() + (size & 1));
    };
    for (int second = 0; second < kSeconds; ++second) {
        holeHeaders = !pictureHeaders && second > 0;
        for (int frame = 0; frame < kFramesPerSecond; ++frame) {
            chunk("00dc", 60000 + frame * 101, {});
            chunk("01dc", 25000 + frame * 37, {});
        }
        chunk("01wb", 32000, {});
        QByteArray sensor;
        for (int tenth = 0; tenth < 10; ++tenth) {
            const QByteArray record = acceleration(second * 10 + tenth);
            chunk("02tx", record.size(), record + QByteArray(record.size() & 1, '\0'));
        }
        const QByteArray position = rmc(second);
        chunk("02tx", position.size(), position + QByteArray(position.size() & 1, '\0'));
    }
    out.patch(movi + 4, le32(quint32(out.pos() - movi - 8)));
    out.write("idx1" + le32(quint32(index.size())) + index);
    out.patch(4, le32(quint32(out.pos() - 8)));
    return out.finish();
}

QByteArray sampleTable(const QList<quint32> &sizes, const QList<quint32> &offsets, quint32 perChunk,
                       const QByteArray &description)
{
    QByteArray stsz = be32(0) + be32(0) + be32(quint32(sizes.size()));
    for (const quint32 size : sizes) {
        stsz += be32(size);
    }
    QByteArray stco = be32(0) + be32(quint32(offsets.size()));
    for (const quint32 offset : offsets) {
        stco += be32(offset);
    }
    return box("stbl", box("stsd", be32(0) + be32(1) + description) + box("stsz", stsz) +
                           box("stsc", be32(0) + be32(1) + be32(1) + be32(perChunk) + be32(1)) + box("stco", stco));
}

QByteArray track(QByteArrayView handler, const QByteArray &stbl)
{
    return box("trak", box("mdia", box("mdhd", QByteArray(24, '\0')) +
                                       box("hdlr", be32(0) + be32(0) + handler.toByteArray() + QByteArray(12, '\0')) +
                                       box("minf", stbl)));
}

bool writeMp4(const QString &path)
{
    SparseWriter out(path);
    out.write(box("ftyp", "isom" + be32(512)));
    const qint64 mdat = out.pos();
    out.write(be32(0) + "mdat");
    QList<quint32> pictureSizes;
    QList<quint32> pictureChunks;
    QList<quint32> textSizes;
    QList<quint32> textChunks;
    for (int second = 0; second < kSeconds; ++second) {
        pictureChunks.append(quint32(out.pos()));
        for (int frame = 0; frame < kFramesPerSecond; ++frame) {
            pictureSizes.append(quint32(70000 + frame * 97));
            out.hole(pictureSizes.last());
        }
        out.hole(12000); // the sound of the second
        textChunks.append(quint32(out.pos()));
        for (int tenth = 0; tenth < 10; ++tenth) {
            QByteArray text = u"gsensori,1,128,%1,2,3"_s.arg(tenth).toLatin1();
            if (tenth == 9) {
                text += ';' + rmc(second).mid(1);
            }
            QByteArray sample(2, '\0');
            qToBigEndian<quint16>(quint16(text.size()), sample.data());
            out.write(sample + text);
            textSizes.append(quint32(sample.size() + text.size()));
        }
    }
    out.patch(mdat, be32(quint32(out.pos() - mdat)));
    const QByteArray mvhd = be32(0) + be32(0) + be32(0) + be32(1000) + be32(kSeconds * 1000) + QByteArray(80, '\0');
    out.write(
        box("moov", box("mvhd", mvhd) +
                        track("vide", sampleTable(pictureSizes, pictureChunks, kFramesPerSecond,
                                                  box("avc1", QByteArray(78, '\0')))) +
                        track("sbtl", sampleTable(textSizes, textChunks, 10, box("tx3g", QByteArray(30, '\0'))))));
    return out.finish();
}

struct Card
{
    QTemporaryDir dir{qEnvironmentVariable("VELMORA_BENCH_DIR", QDir::tempPath()) + u"/velmora-trips-bench-XXXXXX"_s};
    QString root;
    qint64 bytes = 0;
    int recordings = 0;
    QString cacheFolder;
};
std::unique_ptr<Card> card;

bool makeCard(int distinct, int count)
{
    card->root = card->dir.filePath(u"card"_s);
    const QString originals = card->dir.filePath(u"originals"_s);
    const QString folder = card->root + u"/cont_rec"_s;
    if (!QDir().mkpath(originals) || !QDir().mkpath(folder)) {
        return false;
    }
    QStringList sources;
    for (int i = 0; i < distinct; ++i) {
        const bool avi = i % 2 == 0;
        sources.append(QDir(originals).filePath(u"%1.%2"_s.arg(i).arg(avi ? u"avi"_s : u"mp4"_s)));
        if (!(avi ? writeAvi(sources.last()) : writeMp4(sources.last()))) {
            return false;
        }
    }
    QDateTime start(QDate(2026, 12, 7), QTime(6, 0), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        const QString &source = sources[i % distinct];
        const QString name =
            start.toString(u"yyyyMMdd_HHmmss"_s) + (source.endsWith(u".avi"_s) ? u"_F.avi"_s : u"_F.mp4"_s);
        const QString link = folder + u'/' + name;
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(link).constData()) != 0) {
            return false;
        }
        card->bytes += QFileInfo(link).size();
        start = start.addSecs((i + 1) % 50 == 0 ? 11 * 60 : 60);
    }
    card->recordings = count;
    card->cacheFolder = card->dir.filePath(u"cache"_s);
    return true;
}

qint64 bytesReadByProcess()
{
    return ThrottledCard::ioOf(::getpid(), false).rchar;
}

double percentOfCard(qint64 bytes, qint64 cardBytes)
{
    return cardBytes > 0 ? 100.0 * double(bytes) / double(cardBytes) : 0.0;
}

void BM_TrackBytesQuick(benchmark::State &state)
{
    qint64 read = 0;
    qsizetype samples = 0;
    for (auto _ : state) {
        const qint64 before = bytesReadByProcess();
        const QList<TripRecording> recordings = CardTrips::load(card->root, nullptr);
        read = bytesReadByProcess() - before;
        samples = 0;
        for (const TripRecording &recording : recordings) {
            samples += recording.track.samples.size();
        }
        benchmark::DoNotOptimize(samples);
    }
    state.counters["card_bytes"] = double(card->bytes);
    state.counters["read_bytes"] = double(read);
    state.counters["read_share_percent"] = percentOfCard(read, card->bytes);
    state.counters["samples"] = double(samples);
}
BENCHMARK(BM_TrackBytesQuick)->Name("TrackBytes/quick")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The viewer's reading before: the whole file of a few recordings (an AVI by the readers that
// scan it, an MP4 by the conversion, here one plain read).
void BM_TrackBytesFull(benchmark::State &state)
{
    const QStringList paths = CardTrips::recordingPaths(card->root).first(std::min(card->recordings, 6));
    qint64 read = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const qint64 before = bytesReadByProcess();
        bytes = 0;
        for (const QString &path : paths) {
            bytes += QFileInfo(path).size();
            if (path.endsWith(u".avi"_s)) {
                auto track = std::make_unique<VexoClipData>();
                track->loadVideoFileCilpDataFromFilePath(path);
                benchmark::DoNotOptimize(track->clipDataCount());
            } else {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly)) {
                    while (!file.read(1 << 20).isEmpty()) {
                    }
                }
            }
        }
        read = bytesReadByProcess() - before;
    }
    state.counters["read_share_percent"] = percentOfCard(read, bytes);
}
BENCHMARK(BM_TrackBytesFull)->Name("TrackBytes/full")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

qint64 findStat(const QString &root)
{
    qint64 total = 0;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat status = {};
        if (::stat(QFile::encodeName(it.next()).constData(), &status) == 0) {
            total += status.st_size;
        }
    }
    return total;
}

double findStatMs()
{
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(findStat(card->root));
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void BM_FindStat(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(findStat(card->root));
    }
}
BENCHMARK(BM_FindStat)->Name("FindStat")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TripsWarmCache(benchmark::State &state)
{
    const TrackCache cache(card->cacheFolder);
    // Filled once, before the timing; the walk's own time taken as it is now (warm too).
    CardTrips::load(card->root, &cache);
    double findMs = 0;
    for (int i = 0; i < 3; ++i) {
        findMs += findStatMs() / 3;
    }
    qsizetype trips = 0;
    double totalMs = 0;
    double buildMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QList<TripRecording> recordings = CardTrips::load(card->root, &cache);
        const auto loaded = std::chrono::steady_clock::now();
        trips = TripBuilder::build(recordings, {}).size();
        const auto end = std::chrono::steady_clock::now();
        totalMs += std::chrono::duration<double, std::milli>(end - start).count();
        buildMs += std::chrono::duration<double, std::milli>(end - loaded).count();
        benchmark::DoNotOptimize(trips);
    }
    const double meanMs = state.iterations() > 0 ? totalMs / double(state.iterations()) : 0;
    // The card's recordings are links to a few files, read once each: what a card of as many
    // distinct files would add is a key (with its content digest) for every entry, timed here.
    const QStringList paths = CardTrips::recordingPaths(card->root);
    const auto keysStart = std::chrono::steady_clock::now();
    for (const QString &path : paths) {
        benchmark::DoNotOptimize(TrackCache::key(path));
    }
    state.counters["keys_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - keysStart).count();
    state.counters["trips"] = double(trips);
    // Of the time, the share spent joining and measuring the trips (the rest finds and loads).
    state.counters["rules_ms"] = state.iterations() > 0 ? buildMs / double(state.iterations()) : 0;
    state.counters["find_stat_ms"] = findMs;
    state.counters["vs_find_stat"] = findMs > 0 ? meanMs / findMs : 0;
}
BENCHMARK(BM_TripsWarmCache)->Name("TripsWarmCache")->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// The trips of a card in a reader at 60 MB/s with an empty page cache (ThrottledCard), against a
// walk with a stat of every file of the same card, cold too. The card is written once onto the
// throttled image: as many recordings as the warm card, each a file of its own (hard links would
// be read once and then come from the page cache), laid out the same way but with the pictures'
// chunk headers left as holes too (see writeAvi).
void BM_TripsCold(benchmark::State &state)
{
    // Dropping the page cache slows every program on the machine for a moment: only when asked.
    if (!qEnvironmentVariableIsSet("VELMORA_BENCH_DROP_CACHES")) {
        state.SkipWithError("set VELMORA_BENCH_DROP_CACHES=1 (as root; it empties the machine's page cache)");
        return;
    }
    ThrottledCard throttled;
    if (!throttled.isReady()) {
        state.SkipWithError((u"no throttled card: "_s + throttled.skipReason()).toUtf8().constData());
        return;
    }
    const QString root = throttled.mountPath() + u"/card"_s;
    const QString folder = root + u"/cont_rec"_s;
    if (!QDir().mkpath(folder)) {
        state.SkipWithError("cannot write on the throttled card");
        return;
    }
    qint64 cardBytes = 0;
    for (const QString &path : CardTrips::recordingPaths(card->root)) {
        const QString target = folder + u'/' + QFileInfo(path).fileName();
        if (!(path.endsWith(u".avi"_s) ? writeAvi(target, false) : writeMp4(target))) {
            state.SkipWithError("cannot write a recording on the throttled card");
            return;
        }
        cardBytes += QFileInfo(target).size();
    }
    double tripsMs = 0;
    double findMs = 0;
    ThrottledCard::IoCounts read;
    qsizetype samples = 0;
    for (auto _ : state) {
        throttled.dropCaches();
        const ThrottledCard::IoCounts before = ThrottledCard::ioOf(::getpid());
        auto start = std::chrono::steady_clock::now();
        const QList<TripRecording> recordings = CardTrips::load(root, nullptr);
        benchmark::DoNotOptimize(TripBuilder::build(recordings, {}).size());
        tripsMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const ThrottledCard::IoCounts after = ThrottledCard::ioOf(::getpid());
        read = {after.rchar - before.rchar, after.readBytes - before.readBytes};
        samples = 0;
        for (const TripRecording &recording : recordings) {
            samples += recording.track.samples.size();
            if (recording.track.samples.isEmpty()) {
                std::fprintf(stderr, "%s: %s %s\n", qPrintable(recording.path), qPrintable(recording.track.route),
                             qPrintable(recording.track.note));
            }
        }
        throttled.dropCaches();
        start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(findStat(root));
        findMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    const double runs = double(qMax<qint64>(1, state.iterations()));
    state.counters["trips_ms"] = tripsMs / runs;
    state.counters["find_stat_ms"] = findMs / runs;
    state.counters["vs_find_stat"] = findMs > 0 ? tripsMs / findMs : 0;
    state.counters["card_bytes"] = double(cardBytes);
    state.counters["read_bytes"] = double(read.rchar);
    state.counters["device_read_bytes"] = double(read.readBytes);
    state.counters["read_share_percent"] = percentOfCard(read.rchar, cardBytes);
    state.counters["samples"] = double(samples);
}
BENCHMARK(BM_TripsCold)->Name("TripsCold")->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// A recording whose header says SECONDS long and whose every sample is a jolt of 1.5 to 4 g, one fix a
// second: as many samples as a track may hold.
bool writeJoltyAvi(const QString &path, int seconds, int headerSeconds = -1)
{
    SparseWriter out(path);
    out.write("RIFF" + le32(0) + "AVI ");
    QByteArray avih(56, '\0');
    qToLittleEndian<quint32>(100000, avih.data());
    qToLittleEndian<quint32>(quint32((headerSeconds < 0 ? seconds : headerSeconds) * 10), avih.data() + 16);
    const QByteArray hdrl = "hdrl" + QByteArray("avih") + le32(56) + avih;
    out.write("LIST" + le32(quint32(hdrl.size())) + hdrl);
    const qint64 movi = out.pos();
    out.write("LIST" + le32(0) + "movi");
    QByteArray chunks;
    for (int second = 0; second < seconds; ++second) {
        for (int tenth = 0; tenth < 10; ++tenth) {
            // Uneven strengths, so that the strongest-first rule has work to do.
            const QByteArray record =
                "gsensor," + QByteArray::number(200 + (second * 10 + tenth) * 7919 % 300) + ",0,0";
            chunks += "02tx" + le32(quint32(record.size())) + record + QByteArray(record.size() & 1, '\0');
        }
        const QByteArray position = rmc(second % 3600);
        chunks += "02tx" + le32(quint32(position.size())) + position + QByteArray(position.size() & 1, '\0');
    }
    out.write(chunks);
    out.patch(movi + 4, le32(quint32(out.pos() - movi - 8)));
    out.patch(4, le32(quint32(out.pos() - 8)));
    return out.finish();
}

// The bytes the distinct sample lists of RECORDINGS hold, as allocated.
qint64 trackBytes(const QList<TripRecording> &recordings)
{
    QSet<const void *> seen;
    qint64 bytes = 0;
    for (const TripRecording &recording : recordings) {
        if (!seen.contains(recording.track.samples.constData())) {
            seen.insert(recording.track.samples.constData());
            bytes += recording.track.samples.capacity() * qint64(sizeof(RecordingSamples::Sample));
        }
    }
    return bytes;
}

// Many directory entries (state.range(0)) linking to one four-hour recording full of jolts, against
// the same recording listed once, in the same run: the trips' time and the memory of their tracks
// per entry. Linear work gives "vs_one" near the number of links or below (the recording is read
// once; only the trips' passes over its samples repeat), and "track_bytes_per_entry" falls as
// links are added.
void BM_TripsLinkedJolts(benchmark::State &state)
{
    const int links = int(state.range(0));
    QTemporaryDir dir(card->dir.filePath(u"jolts-XXXXXX"_s));
    const QString one = dir.filePath(u"one/cont_rec"_s);
    const QString many = dir.filePath(u"many/cont_rec"_s);
    if (!QDir().mkpath(one) || !QDir().mkpath(many) ||
        !writeJoltyAvi(one + u"/20261207_060000_F.avi"_s, GrowingTrack::kMaxSamples / 10 - 1)) {
        state.SkipWithError("cannot write the recording");
        return;
    }
    for (int i = 0; i < links; ++i) {
        const QString link =
            many + u"/20261207_06%1%2_F.avi"_s.arg(i / 60, 2, 10, QChar(u'0')).arg(i % 60, 2, 10, QChar(u'0'));
        if (::link(QFile::encodeName(one + u"/20261207_060000_F.avi"_s).constData(),
                   QFile::encodeName(link).constData()) != 0) {
            state.SkipWithError("cannot link the recording");
            return;
        }
    }
    const auto timed = [](const QString &root, qsizetype &events, qint64 &bytes, qsizetype &entries) {
        const auto start = std::chrono::steady_clock::now();
        const QList<TripRecording> recordings = CardTrips::load(root, nullptr);
        events = 0;
        for (const Trip &trip : TripBuilder::build(recordings, {})) {
            events += trip.events.size();
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        bytes = trackBytes(recordings);
        entries = recordings.size();
        return ms;
    };
    double oneMs = 0;
    double manyMs = 0;
    qsizetype events = 0;
    qint64 bytes = 0;
    qsizetype entries = 0;
    for (auto _ : state) {
        oneMs += timed(dir.filePath(u"one"_s), events, bytes, entries);
        manyMs += timed(dir.filePath(u"many"_s), events, bytes, entries);
    }
    const double runs = double(qMax<qint64>(1, state.iterations()));
    state.counters["one_ms"] = oneMs / runs;
    state.counters["links_ms"] = manyMs / runs;
    state.counters["vs_one"] = oneMs > 0 ? manyMs / oneMs : 0;
    state.counters["events"] = double(events);
    state.counters["track_bytes_per_entry"] = entries > 0 ? double(bytes) / double(entries) : 0;
}
BENCHMARK(BM_TripsLinkedJolts)
    ->Name("TripsLinkedJolts")
    ->Arg(30)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

// Cache entries of one-minute recordings holding 150,000 records (four hours of them): the entry
// as kept (capped by the length) against the entry of every sample the file holds, and the cache
// folder after 21 such recordings against its limit.
void BM_TrackCacheRepeatedRecords(benchmark::State &state)
{
    QTemporaryDir dir(card->dir.filePath(u"repeated-XXXXXX"_s));
    const QString folder = dir.filePath(u"card/cont_rec"_s);
    if (!QDir().mkpath(folder)) {
        state.SkipWithError("cannot write the card");
        return;
    }
    QStringList paths;
    for (int i = 0; i < 21; ++i) {
        paths.append(folder + u"/20261207_06"_s + u"%1"_s.arg(i, 2, 10, QChar(u'0')) + u"00_F.avi"_s);
        if (!writeJoltyAvi(paths.last(), 15000, kSeconds)) {
            state.SkipWithError("cannot write a recording");
            return;
        }
    }
    GrowingTrack whole(GrowingTrack::capacityFor(QFileInfo(paths.first()).size()));
    QuickTrackReader::readAvi(paths.first(), whole, false);
    RecordingSamples uncapped = RecordingSamples::fromTrack(whole);
    const qint64 uncappedBytes = TrackCache::encode(TrackCache::key(paths.first()), uncapped).size();
    qint64 entryBytes = 0;
    qint64 folderBytes = 0;
    const TrackCache cache(dir.filePath(u"cache"_s));
    for (auto _ : state) {
        const QList<TripRecording> recordings = CardTrips::load(dir.filePath(u"card"_s), &cache);
        entryBytes = recordings.isEmpty()
                         ? 0
                         : TrackCache::encode(TrackCache::key(paths.first()), recordings.first().track).size();
        folderBytes = 0;
        for (const QFileInfo &entry : QDir(cache.folder()).entryInfoList(QDir::Files)) {
            folderBytes += entry.size();
        }
    }
    state.counters["recording_bytes"] = double(QFileInfo(paths.first()).size());
    state.counters["uncapped_samples"] = double(uncapped.samples.size());
    state.counters["uncapped_entry_bytes"] = double(uncappedBytes);
    state.counters["entry_bytes"] = double(entryBytes);
    state.counters["entry_vs_uncapped"] = uncappedBytes > 0 ? double(entryBytes) / double(uncappedBytes) : 0;
    state.counters["cache_bytes_21"] = double(folderBytes);
    state.counters["cache_limit_bytes"] = double(cache.limitBytes());
}
BENCHMARK(BM_TrackCacheRepeatedRecords)
    ->Name("TrackCacheRepeatedRecords")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    card = std::make_unique<Card>();
    const int distinct = qMax(2, qEnvironmentVariableIntValue("VELMORA_BENCH_DISTINCT"));
    const int count = qEnvironmentVariableIsSet("VELMORA_BENCH_RECORDINGS")
                          ? qMax(1, qEnvironmentVariableIntValue("VELMORA_BENCH_RECORDINGS"))
                          : 1000;
    if (!card->dir.isValid() || !makeCard(qEnvironmentVariableIsSet("VELMORA_BENCH_DISTINCT") ? distinct : 20, count)) {
        std::fprintf(stderr, "cannot write the card in %s\n", qPrintable(card->dir.path()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    card.reset();
    return 0;
}
