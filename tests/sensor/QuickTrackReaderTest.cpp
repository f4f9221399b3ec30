#include "sensor/QuickTrackReader.h"

#include "AviBuilder.h"
#include "SensorTestFiles.h"

#include "sensor/AviSensorChunks.h"
#include "sensor/AviSensorReader.h"
#include "sensor/AviWriter.h"
#include "sensor/GrowingTrack.h"
#include "sensor/Mp4SubtitleSamples.h"
#include "sensor/Mp4SubtitleWriter.h"
#include "sensor/QB62RecordingReader.h"
#include "sensor/QB62SrtReader.h"
#include "sensor/SubtitleFileWriter.h"
#include "sensor/TailBlockReader.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QDateTime>
#include <QTimeZone>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
using Route = QuickTrackReader::Route;

struct Reads
{
    std::unique_ptr<VexoClipData> full = std::make_unique<VexoClipData>();
    std::unique_ptr<VexoClipData> quick = std::make_unique<VexoClipData>();
    QuickTrackReader::Result result;
};

// Today's reader over the whole file, and the quick one, on the same file.
Reads readBoth(SensorTestFiles &files, const QByteArray &bytes, bool krv = false)
{
    Reads reads;
    const QString path = files.write(krv ? u"Rec_20261207_081900.avi"_s : u"20261207_081600_EVT.avi"_s, bytes);
    if (krv) {
        reads.full->loadVideoFileCilpDataFromFilePath_KRV(path);
    } else {
        reads.full->loadVideoFileCilpDataFromFilePath(path);
    }
    reads.result = QuickTrackReader::readAvi(path, *reads.quick, krv);
    return reads;
}

void expectSame(const Reads &reads)
{
    ASSERT_EQ(reads.quick->clipDataCount(), reads.full->clipDataCount());
    EXPECT_EQ(reads.quick->gpsDataCount(), reads.full->gpsDataCount());
    EXPECT_EQ(reads.result.samples, int(reads.full->clipDataCount()));
    for (int i = 0; i < int(reads.full->clipDataCount()); ++i) {
        int a[3], b[3];
        float alat, alng, blat, blng;
        quint32 as, bs;
        reads.full->getClipDataWithIndex(i, &a[0], &a[1], &a[2], &alat, &alng, &as);
        reads.quick->getClipDataWithIndex(i, &b[0], &b[1], &b[2], &blat, &blng, &bs);
        ASSERT_TRUE(std::memcmp(a, b, sizeof a) == 0 && alat == blat && alng == blng && as == bs) << "sample " << i;
    }
}

TEST(QuickTrackReaderTest, IndexedRecordingsOfEveryRecordFamilyReadAlikeThroughTheIndex)
{
    SensorTestFiles files;
    for (const auto records : {AviBuilder::Records::QB62, AviBuilder::Records::Older, AviBuilder::Records::KRV}) {
        SCOPED_TRACE(int(records));
        for (const bool indexSensor : {true, false}) {
            const QByteArray avi = AviBuilder(records).seconds(30, 4001, indexSensor).finish();
            const Reads reads = readBoth(files, avi, records == AviBuilder::Records::KRV);
            EXPECT_EQ(reads.full->clipDataCount(), 300u);
            expectSame(reads);
            EXPECT_EQ(reads.result.route, Route::Index) << reads.result.note.toStdString();
            EXPECT_EQ(reads.result.durationMs, 9999);
        }
    }
}

// Today's readers over the whole file, in the player's order, into a whole track.
GrowingTrack fullScanWhole(const QString &path, bool krv)
{
    GrowingTrack track;
    int count = 0;
    if (krv) {
        count = AviSensorReader::readFile(path, track, AviSensorReader::Family::KRV);
    } else {
        count = QB62RecordingReader::readFile(path, track);
        if (count == 0) {
            count = TailBlockReader::readFile(path, track);
        }
        if (count == 0) {
            count = AviSensorReader::readFile(path, track, AviSensorReader::Family::Standard);
        }
    }
    track.setClipDataCount(quint32(count));
    return track;
}

// The player's samples are the first ones of the whole track, fix times included.
void expectPlayerPrefix(const GrowingTrack &whole, const VexoClipData &player)
{
    ASSERT_LE(qsizetype(player.clipDataCount()), whole.samples().size());
    for (int i = 0; i < int(player.clipDataCount()); ++i) {
        const GrowingTrack::Sample &sample = whole.samples()[i];
        ASSERT_TRUE(sample.gx == player.getGx(i) && sample.gy == player.getGy(i) && sample.gz == player.getGz(i) &&
                    sample.lat == player.getGpsLat(i) && sample.lng == player.getGpsLng(i) &&
                    sample.speed == player.getGpsSpeed(i) && sample.fixTime == player.getFixTime(i))
            << "sample " << i;
    }
}

TEST(QuickTrackReaderTest, ThreeMinuteRecordingsReadWholeIntoAWholeTrackAndCutForThePlayer)
{
    SensorTestFiles files;
    for (const auto records : {AviBuilder::Records::QB62, AviBuilder::Records::Older, AviBuilder::Records::KRV}) {
        for (const bool indexSensor : {true, false}) {
            SCOPED_TRACE(int(records) * 10 + int(indexSensor));
            const bool krv = records == AviBuilder::Records::KRV;
            const QString path = files.write(krv ? u"Rec_20261207_081900.avi"_s : u"20261207_081600_F.avi"_s,
                                             AviBuilder(records).seconds(180, 1001, indexSensor).finish());
            const GrowingTrack full = fullScanWhole(path, krv);
            GrowingTrack quick;
            const QuickTrackReader::Result result = QuickTrackReader::readAvi(path, quick, krv);
            EXPECT_EQ(result.route, Route::Index) << result.note.toStdString();
            EXPECT_EQ(result.samples, 1800);
            ASSERT_EQ(full.samples().size(), 1800);
            EXPECT_EQ(quick.samples(), full.samples());
            EXPECT_EQ(quick.gpsDataCount(), 1800u);
            EXPECT_EQ(full.gpsDataCount(), 1800u);

            // The player keeps its 650 samples, the first 65 s of the same track.
            const auto player = std::make_unique<VexoClipData>();
            EXPECT_EQ(QuickTrackReader::readAvi(path, *player, krv).samples, 650);
            EXPECT_EQ(player->clipDataCount(), 650u);
            expectPlayerPrefix(full, *player);
        }
    }
}

TEST(QuickTrackReaderTest, AThreeMinuteMp4ReadsWholeAsItsExtractedSubtitleFileDoes)
{
    QList<QByteArray> texts;
    QList<SubtitleFileWriter::Entry> entries;
    for (int second = 0; second < 180; ++second) {
        for (int tenth = 0; tenth < 10; ++tenth) {
            QByteArray text = u"gsensori,1,128,%1,%2,3"_s.arg(second % 50 - 25).arg(tenth).toLatin1();
            if (tenth == 9) {
                text += u";GNRMC,08%1%2.00,A,3734.%3,N,12658.1000,E,21.5,90.0,071226,,,A"_s
                            .arg(14 + second / 60, 2, 10, QChar(u'0'))
                            .arg(second % 60, 2, 10, QChar(u'0'))
                            .arg(1000 + second, 4, 10, QChar(u'0'))
                            .toLatin1();
            }
            texts.append(text);
            const qint64 at = second * 1000 + tenth * 100;
            entries.append({at, at + 100, QString::fromLatin1(text)});
        }
    }
    SensorTestFiles files;
    const QString mp4 = files.write(u"20261207_081400_F.mp4"_s, Mp4SubtitleWriter::file(texts, 10, false, 180000));
    const QString srt = files.write(u"20261207_081400_F.srt"_s, SubtitleFileWriter::file(entries));

    GrowingTrack extracted;
    extracted.setClipDataCount(quint32(QB62SrtReader::readFile(srt, extracted)));
    GrowingTrack quick;
    const QuickTrackReader::Result result = QuickTrackReader::readMp4(mp4, quick);
    EXPECT_EQ(result.route, Route::SampleTables) << result.note.toStdString();
    EXPECT_EQ(result.durationMs, 180000);
    ASSERT_EQ(extracted.samples().size(), 1800);
    EXPECT_EQ(quick.samples(), extracted.samples());
    // Fix times run on to the last second: 08:16:59 UTC.
    EXPECT_EQ(quick.samples().back().fixTime,
              QDateTime(QDate(2026, 12, 7), QTime(8, 16, 59, 900), QTimeZone::utc()).toMSecsSinceEpoch());

    const auto player = std::make_unique<VexoClipData>();
    EXPECT_EQ(QuickTrackReader::readMp4(mp4, *player).samples, 650);
    expectPlayerPrefix(extracted, *player);
}

TEST(QuickTrackReaderTest, LayoutsBeyondTheIndexReadAlike)
{
    SensorTestFiles files;
    // More than the track holds (65 s), lists of grouped chunks, padding, offsets from the file's
    // start, and a further RIFF part the chunk walk never enters but the record scan reads.
    AviBuilder grouped(AviBuilder::Records::QB62);
    grouped.seconds(3, 500, true).recordList(4).junk(77).seconds(70, 333, false);
    const Reads many = readBoth(files, grouped.finish(true, true));
    EXPECT_EQ(many.full->clipDataCount(), 650u);
    expectSame(many);
    EXPECT_EQ(many.result.route, Route::Index);

    AviBuilder extended(AviBuilder::Records::QB62);
    QByteArray avi = extended.seconds(5, 2000, true).finish();
    const QByteArray part = AviBuilder(AviBuilder::Records::QB62).seconds(5, 2000, false).finish(false);
    avi += "RIFF" + part.sliced(4, 4) + "AVIX" + part.sliced(12);
    const Reads twoParts = readBoth(files, avi);
    EXPECT_EQ(twoParts.full->clipDataCount(), 100u);
    expectSame(twoParts);

    // The older cameras' chunk walk stops at the further part: only its first part counts.
    AviBuilder older(AviBuilder::Records::Older);
    QByteArray olderAvi = older.seconds(4, 2000, true).finish();
    const QByteArray olderPart = AviBuilder(AviBuilder::Records::Older).seconds(4, 2000, false).finish(false);
    olderAvi += "RIFF" + olderPart.sliced(4, 4) + "AVIX" + olderPart.sliced(12);
    const Reads olderReads = readBoth(files, olderAvi);
    EXPECT_EQ(olderReads.full->clipDataCount(), 40u);
    expectSame(olderReads);
}

TEST(QuickTrackReaderTest, OpenDmlIndexesLeadThroughEveryPart)
{
    SensorTestFiles files;
    for (const auto records : {AviBuilder::Records::QB62, AviBuilder::Records::Older}) {
        for (const bool indexSensor : {true, false}) {
            SCOPED_TRACE(testing::Message() << int(records) << indexSensor);
            // Two parts, no "idx1" at all: only the OpenDML indexes.
            AviBuilder builder(records, true);
            builder.seconds(8, 5001, indexSensor).extensionPart(false).seconds(8, 5001, indexSensor);
            const QByteArray avi = builder.finish(false);
            const Reads reads = readBoth(files, avi);
            // The record scan reads both parts, the older cameras' chunk walk the first alone.
            EXPECT_EQ(reads.full->clipDataCount(), records == AviBuilder::Records::QB62 ? 160u : 80u);
            expectSame(reads);
            EXPECT_EQ(reads.result.route, Route::Index) << reads.result.note.toStdString();

            QByteArray bytes = avi;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            const AviSensorChunks::Result chunks = AviSensorChunks::locate(buffer);
            ASSERT_EQ(chunks.spans.size(), 2 * 8 * 11);
            EXPECT_FALSE(chunks.spans.front().extension);
            EXPECT_TRUE(chunks.spans.back().extension);
        }
    }
    // An index entry moved off its chunk: the walk takes over, with the same samples.
    AviBuilder shifted(AviBuilder::Records::QB62, true);
    shifted.seconds(6, 3001, true);
    QByteArray avi = shifted.finish(false);
    shifted.shiftOpenDmlEntry(avi, 2, 5, 2);
    const Reads reads = readBoth(files, avi);
    expectSame(reads);
    EXPECT_EQ(reads.full->clipDataCount(), 60u);
    EXPECT_EQ(reads.result.route, Route::Walk);
    EXPECT_FALSE(reads.result.note.isEmpty());
}

TEST(QuickTrackReaderTest, DamagedRecordingsReadAlikeAndSayWhichRouteWasTaken)
{
    SensorTestFiles files;
    AviBuilder builder(AviBuilder::Records::QB62);
    const QByteArray whole = builder.seconds(20, 3001, false).finish();
    const qsizetype index = whole.lastIndexOf("idx1");
    const auto withIndexEntry = [&](qsizetype entry, qsizetype field, quint32 value) {
        QByteArray bytes = whole;
        qToLittleEndian(value, bytes.data() + index + 8 + entry * 16 + field);
        return bytes;
    };
    QByteArray garbage = whole;
    // Bytes that are no chunk header in the middle of "movi": the layout cannot be trusted.
    std::memset(garbage.data() + builder.moviOffset() + 12, '\x01', 8);
    QByteArray zeroTail = whole;
    zeroTail += QByteArray(1024 * 1024, '\0');
    const struct
    {
        const char *what;
        QByteArray bytes;
        Route route;
        int samples;
    } cases[] = {
        {"no index", whole.first(index), Route::Walk, 200},
        // The records of a second cut short still make its ten samples, at the last position.
        {"cut inside the last second", whole.first(index - 100), Route::Walk, 200},
        {"cut inside a picture", whole.first(index / 2), Route::Walk, 100},
        {"an entry past the end", withIndexEntry(40, 8, 0x7fff0000u), Route::Walk, 200},
        {"an entry with the wrong size", withIndexEntry(40, 12, 17), Route::Walk, 200},
        {"entries out of order", withIndexEntry(1, 8, 4), Route::Walk, 200},
        {"zero-filled tail", zeroTail, Route::Index, 200},
        {"no chunk header", garbage, Route::FullScan, 200},
    };
    for (const auto &damage : cases) {
        SCOPED_TRACE(damage.what);
        const Reads reads = readBoth(files, damage.bytes);
        expectSame(reads);
        EXPECT_EQ(reads.result.route, damage.route);
        EXPECT_EQ(reads.result.samples, damage.samples);
        if (damage.route != Route::Index) {
            EXPECT_FALSE(reads.result.note.isEmpty());
        }
    }
}

TEST(QuickTrackReaderTest, TheIndexRouteReadsOnlyTheSensorChunksAndTheIndex)
{
    QByteArray avi = AviBuilder(AviBuilder::Records::QB62).seconds(60, 40000, false).finish();
    QBuffer buffer(&avi);
    buffer.open(QIODevice::ReadOnly);
    const AviSensorChunks::Result chunks = AviSensorChunks::locate(buffer);
    ASSERT_EQ(chunks.route, AviSensorChunks::Route::Index);
    ASSERT_EQ(chunks.spans.size(), 660);
    // Each span is a sensor chunk's own bytes.
    for (const AviSensorChunks::Span &span : chunks.spans) {
        const QByteArrayView code = QByteArrayView(avi).sliced(span.offset, 4);
        ASSERT_TRUE(code == "02tx" || code == "03tx") << span.offset;
    }
}

Mp4SubtitleSamples::Result readMp4(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return Mp4SubtitleSamples::read(buffer);
}

TEST(QuickTrackReaderTest, SubtitleSamplesComeThroughTheSampleTables)
{
    QList<QByteArray> texts;
    for (int i = 0; i < 37; ++i) {
        texts.append(u"gsensori,1,128,%1,2,3"_s.arg(i).toLatin1());
    }
    for (const bool wide : {false, true}) {
        const Mp4SubtitleSamples::Result result = readMp4(Mp4SubtitleWriter::file(texts, 5, wide));
        ASSERT_TRUE(result.found) << result.note.toStdString();
        EXPECT_EQ(result.texts, texts);
        EXPECT_EQ(result.durationMs, 15000);
    }
    // The subtitle file the conversion would extract: numbered entries, empty texts left out.
    EXPECT_EQ(Mp4SubtitleSamples::subtitleFile({"a", "", "b;c"}),
              QByteArray("1\n00:00:00,000 --> 00:00:00,000\na\n\n2\n00:00:00,000 --> 00:00:00,000\nb;c\n\n"));
    // With the samples' start times: an empty sample keeps its time but makes no entry.
    EXPECT_EQ(Mp4SubtitleSamples::subtitleFile({"a", "", "b"}, {100, 200, 3723456}),
              QByteArray("1\n00:00:00,100 --> 00:00:00,100\na\n\n2\n01:02:03,456 --> 01:02:03,456\nb\n\n"));
}

TEST(QuickTrackReaderTest, BrokenSampleTablesGiveNoTrackAndSayWhy)
{
    const QList<QByteArray> texts{"gsensori,1,128,1,2,3", "gsensori,1,128,4,5,6"};
    const QByteArray good = Mp4SubtitleWriter::file(texts, 1);
    QByteArray pastTheEnd = good;
    // The last chunk offset of "stco" pointing far beyond the file.
    const qsizetype stco = pastTheEnd.lastIndexOf("stco");
    qToBigEndian<quint32>(0x7fff0000u, pastTheEnd.data() + stco + 4 + 8 + 4);
    QByteArray noTrack = good;
    noTrack.replace("sbtl", "soun");
    QByteArray cutMoov = good;
    cutMoov.chop(40);
    for (const QByteArray &bytes : {pastTheEnd, noTrack, cutMoov, QByteArray("not an mp4 file at all")}) {
        const Mp4SubtitleSamples::Result result = readMp4(bytes);
        EXPECT_FALSE(result.found);
        EXPECT_TRUE(result.texts.isEmpty());
        EXPECT_FALSE(result.note.isEmpty());
    }
}
} // namespace
