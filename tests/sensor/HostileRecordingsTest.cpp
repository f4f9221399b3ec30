// Recordings made to keep a reader busy, headers that lie about a recording's length, and cards
// that fail part way through a file: the readers stay bounded, believe only what the file bears out,
// and keep what they read before a failure.
#include "AviBuilder.h"
#include "SensorTestFiles.h"

#include "sensor/AviSensorChunks.h"
#include "sensor/AviSensorReader.h"
#include "sensor/AviWriter.h"
#include "sensor/GrowingTrack.h"
#include "sensor/Mp4SubtitleSamples.h"
#include "sensor/Mp4SubtitleWriter.h"
#include "sensor/QB62RecordingReader.h"
#include "sensor/QuickTrackReader.h"
#include "sensor/VexoClipData.h"
#include "support/FailingDevice.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
using Route = AviSensorChunks::Route;

// An AVI whose "movi" list holds LEVELS "movi" lists one inside the other, each with a picture and
// a second of the older cameras' records, and an "idx1" of every chunk whose last entry gives the
// wrong size.
QByteArray nestedMoviAvi(int levels)
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
        add("00dc", QByteArray(3001, 'v'));
        for (int tenth = 0; tenth < 10; ++tenth) {
            add("02tx", AviWriter::accelerationRecord(quint8(100 + tenth), quint8(128), quint8(level % 200)));
        }
        add("03tx",
            u"$GPRMC,0814%1.00,A,3734.1000,N,12658.2000,E,10.0,90.0,071226,,,A"_s.arg(level % 60, 2, 10, QChar(u'0'))
                .toLatin1());
    }
    for (const qsizetype list : lists) {
        qToLittleEndian<quint32>(quint32(bytes.size() - list - 8), bytes.data() + list + 4);
    }
    // The last entry's size one more than its chunk's.
    qToLittleEndian<quint32>(qFromLittleEndian<quint32>(index.constData() + index.size() - 4) + 1,
                             index.data() + index.size() - 4);
    bytes += "idx1" + le32(quint32(index.size())) + index;
    qToLittleEndian<quint32>(quint32(bytes.size() - 8), bytes.data() + 4);
    return bytes;
}

int fullScanSamples(SensorTestFiles &files, const QByteArray &bytes)
{
    const auto track = std::make_unique<VexoClipData>();
    track->loadVideoFileCilpDataFromFilePath(files.write(u"20261207_081600_EVT.avi"_s, bytes));
    return int(track->clipDataCount());
}

TEST(HostileRecordingsTest, IndexesThatWouldKeepTheReaderGoingAreReadOnceOrLeft)
{
    // Two parts of an OpenDML recording whose video super index names its two index chunks 2,000
    // times over.
    AviBuilder repeated(AviBuilder::Records::Older, true, 2000);
    repeated.seconds(60, 101, true).extensionPart(false).seconds(60, 101, true);
    QByteArray repeating = repeated.finish(false);
    repeated.repeatSuperIndex(repeating, 0, 2000);

    AviBuilder overlapped(AviBuilder::Records::Older, true, 8);
    overlapped.seconds(6, 3001, true).extensionPart(false).seconds(6, 3001, true);
    QByteArray overlapping = overlapped.finish(false);
    // A super index of distinct entries over the first part's index and all that follows it: the same start, each a
    // byte longer than the one before.
    const qsizetype indx = overlapping.indexOf("indx") + 8;
    qToLittleEndian<quint32>(8, overlapping.data() + indx + 4);
    const quint64 first = qFromLittleEndian<quint64>(overlapping.constData() + indx + 24);
    const quint32 size = quint32(overlapping.size() - first);
    for (int i = 0; i < 8; ++i) {
        qToLittleEndian<quint64>(first, overlapping.data() + indx + 24 + i * 16);
        qToLittleEndian<quint32>(size - quint32(7 - i), overlapping.data() + indx + 24 + i * 16 + 8);
    }

    const struct
    {
        const char *what;
        QByteArray bytes;
        Route route;
    } cases[] = {
        {"a super index naming the same chunks over and over", repeating, Route::Index},
        {"distinct index chunks holding more than the file", overlapping, Route::Walk},
        {"nested movi lists and an index whose last entry fails", nestedMoviAvi(300), Route::Walk},
    };
    SensorTestFiles files;
    for (const auto &hostile : cases) {
        SCOPED_TRACE(hostile.what);
        FailingDevice device(hostile.bytes);
        const AviSensorChunks::Result chunks = AviSensorChunks::locate(device);
        EXPECT_EQ(chunks.route, hostile.route) << chunks.note.toStdString();
        // Each byte of the file read about once, not once per mention or per nested list.
        EXPECT_LE(device.bytesRead(), 2 * device.size());

        const QString path = files.write(u"20261207_081600_EVT.avi"_s, hostile.bytes);
        const auto track = std::make_unique<VexoClipData>();
        const QuickTrackReader::Result quick = QuickTrackReader::readAvi(path, *track, false);
        EXPECT_GT(quick.samples, 0);
        EXPECT_EQ(quick.samples, fullScanSamples(files, hostile.bytes));
    }
}

TEST(HostileRecordingsTest, ACancelledSearchStopsBeforeReadingTheIndexes)
{
    AviBuilder builder(AviBuilder::Records::Older, true);
    builder.seconds(6, 3001, true).extensionPart(false).seconds(6, 3001, true);
    const QByteArray bytes = builder.finish(false);
    int asked = 0;
    FailingDevice device(bytes);
    const AviSensorChunks::Result chunks = AviSensorChunks::locate(device, [&asked] { return ++asked > 0; });
    EXPECT_EQ(chunks.route, Route::Cancelled);
    EXPECT_TRUE(chunks.spans.isEmpty());
    EXPECT_EQ(asked, 1);

    // The text-record scan of the whole file, the route when no chunk layout can be trusted.
    const QByteArray records = AviBuilder(AviBuilder::Records::QB62).seconds(400, 11, false).finish(false);
    FailingDevice scanned(records);
    GrowingTrack track(100000);
    EXPECT_EQ(QB62RecordingReader::read(scanned, track, 4096, [] { return true; }), 0);
    EXPECT_LT(scanned.bytesRead(), scanned.size());
    FailingDevice whole(records);
    EXPECT_EQ(QB62RecordingReader::read(whole, track, 4096), 4000);
}

TEST(HostileRecordingsTest, ARecordingIsNoLongerThanItsSamplesAndSizeAllow)
{
    QList<QByteArray> texts;
    for (int i = 0; i < 60; ++i) {
        texts.append(u"gsensori,1,128,%1,2,3"_s.arg(i).toLatin1());
    }
    // The movie header's time scale and duration set to TIMESCALE and DURATION.
    const auto withHeader = [](QByteArray bytes, quint32 timescale, quint32 duration) {
        const qsizetype mvhd = bytes.indexOf("mvhd") + 4;
        qToBigEndian(timescale, bytes.data() + mvhd + 12);
        qToBigEndian(duration, bytes.data() + mvhd + 16);
        return bytes;
    };
    const QByteArray timed = Mp4SubtitleWriter::file(texts, 5, false, 60000, 1000);
    const QByteArray untimed = Mp4SubtitleWriter::file(texts, 5, false, 60000);
    const struct
    {
        const char *what;
        QByteArray bytes;
        qint64 durationMs;
    } cases[] = {
        {"a header the samples bear out", timed, 60000},
        {"a little longer than the samples, as edits make it", withHeader(timed, 1000, 60700), 60700},
        {"2^32-1 seconds over a minute of samples", withHeader(timed, 1, 0xffffffffu), 60000},
        {"2^32-1 seconds, no sample timing, a small file", withHeader(untimed, 1, 0xffffffffu), -1},
        {"no sample timing, a length the file can hold", untimed, 60000},
    };
    for (const auto &recording : cases) {
        SCOPED_TRACE(recording.what);
        FailingDevice device(recording.bytes);
        const Mp4SubtitleSamples::Result result = Mp4SubtitleSamples::read(device);
        ASSERT_TRUE(result.found) << result.note.toStdString();
        EXPECT_EQ(result.durationMs, recording.durationMs);
    }

    // An AVI's main header counting more frames than the file has room for.
    SensorTestFiles files;
    QByteArray avi = AviBuilder(AviBuilder::Records::Older).seconds(3, 2001, true).finish();
    const auto track = std::make_unique<VexoClipData>();
    EXPECT_EQ(QuickTrackReader::readAvi(files.write(u"a.avi"_s, avi), *track, false).durationMs, 9999);
    qToLittleEndian<quint32>(0xffffffffu, avi.data() + avi.indexOf("avih") + 8 + 16);
    EXPECT_EQ(QuickTrackReader::readAvi(files.write(u"b.avi"_s, avi), *track, false).durationMs, -1);
}

// How many of TEXTS lie whole in BYTES before byte FAILFROM (each text is found after the one before).
qsizetype textsBefore(const QByteArray &bytes, const QList<QByteArray> &texts, qint64 failFrom)
{
    qsizetype count = 0;
    qsizetype at = 0;
    for (const QByteArray &text : texts) {
        at = bytes.indexOf(text, at);
        if (at < 0 || at + text.size() > failFrom) {
            break;
        }
        ++count;
        at += text.size();
    }
    return count;
}

TEST(HostileRecordingsTest, AFailingCardKeepsTheSubtitleSamplesReadBeforeIt)
{
    QList<QByteArray> texts;
    for (int i = 0; i < 120; ++i) {
        texts.append(u"gsensori,1,128,%1,2,3"_s.arg(i).toLatin1());
    }
    const QByteArray bytes = Mp4SubtitleWriter::file(texts, 4, false, 120000, 1000);
    const qint64 moov = bytes.indexOf("moov") - 4;
    // The second half of the samples' bytes, or a stretch of them, fails; the tables do not.
    for (const qint64 failFrom : {moov / 2, moov / 3 + 7, moov - 100}) {
        SCOPED_TRACE(failFrom);
        FailingDevice device(bytes, failFrom, moov);
        const Mp4SubtitleSamples::Result result = Mp4SubtitleSamples::read(device);
        ASSERT_TRUE(result.found) << result.note.toStdString();
        const qsizetype kept = textsBefore(bytes, texts, failFrom);
        ASSERT_GT(kept, 0);
        EXPECT_EQ(result.texts, texts.first(kept));
        EXPECT_EQ(result.startsMs.size(), kept);
        // The first byte asked for that could not be read: in the failing stretch.
        EXPECT_GE(result.stoppedAt, failFrom);
        EXPECT_LT(result.stoppedAt, moov);
        EXPECT_TRUE(result.note.contains(QString::number(result.stoppedAt))) << result.note.toStdString();
    }
    // The sample tables themselves cannot be read: no track, and where reading stopped.
    FailingDevice device(bytes, moov + 20);
    const Mp4SubtitleSamples::Result result = Mp4SubtitleSamples::read(device);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.stoppedAt, moov);
    // Nothing fails: the whole track.
    FailingDevice whole(bytes);
    EXPECT_EQ(Mp4SubtitleSamples::read(whole).texts, texts);
    EXPECT_EQ(Mp4SubtitleSamples::read(whole).stoppedAt, -1);
}

TEST(HostileRecordingsTest, AFailingCardKeepsTheSensorChunksReadBeforeIt)
{
    const QByteArray indexed = AviBuilder(AviBuilder::Records::Older).seconds(20, 4001, true).finish();
    const QByteArray walked = AviBuilder(AviBuilder::Records::Older).seconds(20, 4001, false).finish(false);
    for (const QByteArray &bytes : {indexed, walked}) {
        FailingDevice whole(bytes);
        const AviSensorChunks::Result all = AviSensorChunks::locate(whole);
        ASSERT_EQ(all.spans.size(), 220);
        for (const qint64 failFrom : {qint64(bytes.size() / 2), qint64(bytes.size() / 3 + 5)}) {
            SCOPED_TRACE(failFrom);
            FailingDevice device(bytes, failFrom);
            const AviSensorChunks::Result chunks = AviSensorChunks::locate(device);
            ASSERT_EQ(chunks.route, Route::Walk) << chunks.note.toStdString();
            // The first byte the walk could not read: the failure's start, or a header after it
            // when the walk passed over the start inside a picture.
            EXPECT_GE(chunks.stoppedAt, failFrom);
            EXPECT_LT(chunks.stoppedAt, bytes.size());
            QByteArray gathered;
            QByteArray firstPart;
            qint64 gatheredTo = -1;
            ASSERT_TRUE(AviSensorChunks::gather(device, chunks.spans, gathered, firstPart, &gatheredTo));
            // Every sensor chunk that lies whole before the failure, and nothing of the one across it.
            QByteArray expected;
            for (const AviSensorChunks::Span &span : all.spans) {
                if (span.offset + span.length <= failFrom) {
                    expected += bytes.sliced(span.offset, span.length);
                }
            }
            EXPECT_FALSE(expected.isEmpty());
            EXPECT_EQ(gathered, expected);
            EXPECT_EQ(firstPart, expected);
        }
    }
}
} // namespace
