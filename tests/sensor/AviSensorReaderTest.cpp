#include "sensor/AviSensorReader.h"

#include "SensorTestFiles.h"

#include "sensor/AviWriter.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"
#include "support/TestTracks.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {
using Family = AviSensorReader::Family;

constexpr QByteArrayView kFix = "$GPRMC,120000,A,3723.4567,N,12658.1234,E,10.0,0,010120";

int readAvi(QByteArray bytes, VexoClipData &track, Family family = Family::Standard)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const int count = AviSensorReader::read(buffer, track, family);
    track.setClipDataCount(quint32(count));
    return count;
}

// A recording with the usual surroundings: a header list, video chunks of odd size between the
// text chunks, everything sensor-related inside "LIST" "movi".
AviWriter recording()
{
    AviWriter avi;
    avi.beginList("hdrl").chunk("avih", QByteArray(56, '\0')).endList();
    avi.beginList("movi").chunk("00dc", QByteArray(1001, '\x55'));
    return avi;
}

TEST(AviSensorReaderTest, ThreeSamplesBeforeAFixRepeatAcrossTheSecond)
{
    AviWriter avi = recording();
    avi.textChunk(2, AviWriter::accelerationRecord(128, 0, 255))
        .chunk("01wb", QByteArray(7, '\x01'))
        .textChunk(2, AviWriter::accelerationRecord(127, 1, 254))
        .textChunk(2, AviWriter::accelerationRecord(126, 2, 253))
        .chunk("00dc", QByteArray(333, '0'))
        .textChunk(3, kFix);
    VexoClipData track;
    ASSERT_EQ(readAvi(avi.bytes(), track), 10);
    const int expectedSources[10] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2};
    for (int k = 0; k < 10; ++k) {
        const int source = expectedSources[k];
        EXPECT_EQ(track.getGx(k), source) << k; // 128 - (128 - source)
        EXPECT_EQ(track.getGy(k), 128 - source) << k;
        EXPECT_EQ(track.getGz(k), -127 + source) << k;
        EXPECT_EQ(track.getGpsLat(k), 37.390944f);
        EXPECT_EQ(track.getGpsLng(k), 126.968728f);
        EXPECT_EQ(track.getGpsSpeed(k), 19u);
    }
    EXPECT_EQ(track.gpsDataCount(), 10u);
}

TEST(AviSensorReaderTest, RawBytesScaleByFamily)
{
    for (const auto &[raw, standard, krv] : {std::tuple{128, 0, 0}, {0, 128, -1280}, {255, -127, 1270}}) {
        AviWriter avi;
        avi.textChunk(2, AviWriter::accelerationRecord(quint8(raw), quint8(raw), quint8(raw)))
            .textChunk(2, AviWriter::krvAccelerationRecord(quint8(raw), quint8(raw), quint8(raw)))
            .textChunk(2, kFix);
        VexoClipData track;
        // The standard reader takes both records (the KRV one is three bytes longer).
        ASSERT_EQ(readAvi(avi.bytes(), track), 10);
        EXPECT_EQ(track.getGx(0), standard) << raw;
        ASSERT_EQ(readAvi(avi.bytes(), track, Family::KRV), 10);
        // Only the record with the validity bytes counts for the KRV cameras.
        EXPECT_EQ(track.getGx(0), krv) << raw;
        EXPECT_EQ(track.getGx(9), krv) << raw;
    }
}

TEST(AviSensorReaderTest, KrvRecordsNeedTheirValidityBytes)
{
    AviWriter avi;
    QByteArray invalid = AviWriter::krvAccelerationRecord(200, 200, 200);
    invalid[5] = 0;
    avi.textChunk(2, invalid).textChunk(2, AviWriter::krvAccelerationRecord(138, 118, 128)).textChunk(2, kFix);
    VexoClipData track;
    ASSERT_EQ(readAvi(avi.bytes(), track, Family::KRV), 10);
    EXPECT_EQ(track.getGx(0), 100);
    EXPECT_EQ(track.getGy(0), -100);
    EXPECT_EQ(track.getGx(9), 100);
}

TEST(AviSensorReaderTest, ASecondWithoutPositionStoresSamplesWithoutAFix)
{
    AviWriter avi = recording();
    avi.textChunk(2, AviWriter::accelerationRecord(100, 100, 100))
        .textChunk(2, "T")
        .textChunk(2, AviWriter::accelerationRecord(50, 50, 50))
        .textChunk(2, kFix);
    VexoClipData track;
    ASSERT_EQ(readAvi(avi.bytes(), track), 20);
    EXPECT_EQ(track.getGx(0), 28);
    EXPECT_EQ(track.getGpsLat(9), 0.0f);
    EXPECT_EQ(track.getGpsSpeed(9), 0u);
    // The fix after the "T" applies only to what came after it.
    EXPECT_EQ(track.getGx(10), 78);
    EXPECT_EQ(track.getGpsLat(10), 37.390944f);
    EXPECT_EQ(track.gpsDataCount(), 10u);

    // The KRV cameras write no "T": its samples wait for the sentence.
    AviWriter krv;
    krv.textChunk(2, AviWriter::krvAccelerationRecord(138, 128, 128))
        .textChunk(2, "T")
        .textChunk(2, AviWriter::krvAccelerationRecord(148, 128, 128))
        .textChunk(2, kFix);
    ASSERT_EQ(readAvi(krv.bytes(), track, Family::KRV), 10);
    EXPECT_EQ(track.getGx(0), 100);
    EXPECT_EQ(track.getGx(9), 200);
    EXPECT_EQ(track.gpsDataCount(), 10u);
}

TEST(AviSensorReaderTest, SentencesWithoutAFixAndMalformedSentences)
{
    AviWriter avi;
    avi.textChunk(2, AviWriter::accelerationRecord(0, 0, 0))
        .textChunk(2, "$GPRMC,120000,V,3723.4567,N,12658.1234,E,10.0")
        .textChunk(2, AviWriter::accelerationRecord(0, 0, 0))
        // Too few fields, a fix with too few fields, another talker, not UTF-8: all ignored.
        .textChunk(2, "$GPRMC,1")
        .textChunk(2, "$GPRMC,1,A,3723.4567,N,12658.1234,E")
        .textChunk(2, "$GNRMC,1,A,3723.4567,N,12658.1234,E,1")
        .textChunk(2, "$GPRMC,1,A,3723.4567,N,12658.1234,E,1\xff")
        .textChunk(2, QByteArray("G$GPRMC,1,A,3723.4567,S,12658.1234,W,1\0garbage", 46));
    VexoClipData track;
    ASSERT_EQ(readAvi(avi.bytes(), track), 20);
    EXPECT_EQ(track.getGpsLat(0), 0.0f);
    EXPECT_EQ(track.getGpsSpeed(0), 0u);
    EXPECT_EQ(track.getGpsLat(10), -37.390944f);
    EXPECT_EQ(track.getGpsLng(10), -126.968728f);
    EXPECT_EQ(track.getGpsSpeed(10), 2u);
    EXPECT_EQ(track.gpsDataCount(), 10u);
}

TEST(AviSensorReaderTest, PendingSamplesAtTheEndNeedAnEarlierSentence)
{
    AviWriter alone;
    alone.textChunk(2, AviWriter::accelerationRecord(1, 1, 1)).textChunk(2, AviWriter::accelerationRecord(2, 2, 2));
    VexoClipData track;
    EXPECT_EQ(readAvi(alone.bytes(), track), 0);
    EXPECT_EQ(track.gpsDataCount(), 0u);

    AviWriter after;
    after.textChunk(2, AviWriter::accelerationRecord(1, 1, 1))
        .textChunk(2, kFix)
        .textChunk(2, AviWriter::accelerationRecord(2, 2, 2));
    ASSERT_EQ(readAvi(after.bytes(), track), 20);
    EXPECT_EQ(track.getGx(10), 126);
    EXPECT_EQ(track.getGpsLat(19), 37.390944f);
}

TEST(AviSensorReaderTest, AtMostSixtySamplesWaitForASentence)
{
    AviWriter avi;
    for (int i = 0; i < 61; ++i) {
        avi.textChunk(2, AviWriter::accelerationRecord(quint8(128 - i), 128, 128));
    }
    avi.textChunk(2, kFix);
    VexoClipData track;
    ASSERT_EQ(readAvi(avi.bytes(), track), 10);
    // Sources for 60 pending: 0, 3, 9, ..., 51; the 61st record was dropped.
    EXPECT_EQ(track.getGx(1), 3);
    EXPECT_EQ(track.getGx(9), 51);
}

TEST(AviSensorReaderTest, AFurtherRiffPartIsSkippedWhole)
{
    AviWriter avi = recording();
    avi.textChunk(2, AviWriter::accelerationRecord(127, 127, 127)).textChunk(2, kFix);
    avi.beginRiffPart().beginList("movi");
    avi.textChunk(2, AviWriter::accelerationRecord(0, 0, 0)).textChunk(2, kFix);
    VexoClipData track;
    ASSERT_EQ(readAvi(avi.bytes(), track), 10);
    EXPECT_EQ(track.getGx(0), 1);
}

TEST(AviSensorReaderTest, OddSizedChunksAreFollowedByTheirPadByte)
{
    AviWriter avi;
    // Five bytes of data and a pad byte; the next header must be found after the pad.
    avi.chunk("00dc", "abcde").textChunk(2, "M\x7f\x7f\x7f\x01").textChunk(2, kFix);
    const QByteArray bytes = avi.bytes();
    EXPECT_EQ(bytes.mid(12 + 8 + 5, 1), QByteArray(1, '\0'));
    VexoClipData track;
    ASSERT_EQ(readAvi(bytes, track), 10);
    EXPECT_EQ(track.getGx(0), 1);
}

TEST(AviSensorReaderTest, DamagedFilesGiveNoSamplesAndNeverReadPastTheirEnd)
{
    VexoClipData track;
    EXPECT_EQ(readAvi(QByteArray(), track), 0);
    EXPECT_EQ(readAvi("RIFF\0\0\0\0WAVE", track), 0);
    EXPECT_EQ(readAvi("RIFF\0\0\0\0AV", track), 0);
    EXPECT_EQ(readAvi("RIFX\0\0\0\0AVI ", track), 0);

    AviWriter good;
    good.textChunk(2, AviWriter::accelerationRecord(127, 127, 127)).textChunk(2, kFix);
    const QByteArray bytes = good.bytes();
    // Every truncation reads without fault; only the whole file has the fix.
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        EXPECT_EQ(readAvi(bytes.first(size), track), 0) << size;
    }
    EXPECT_EQ(readAvi(bytes, track), 10);

    // A text chunk whose size points past the end of the file; a huge size on a skipped chunk.
    AviWriter lying;
    lying.textChunk(2, AviWriter::accelerationRecord(127, 127, 127)).raw("02tx\xff\xff\xff\x7f$GPRMC,1,A");
    EXPECT_EQ(readAvi(lying.bytes(), track), 0);
    AviWriter skipping;
    skipping.raw("00dc\xff\xff\xff\xff").textChunk(2, kFix);
    EXPECT_EQ(readAvi(skipping.bytes(), track), 0);
    // Short acceleration records carry no complete sample.
    AviWriter shortRecords;
    shortRecords.textChunk(2, "M").textChunk(2, "M\x01\x02").textChunk(2, kFix);
    EXPECT_EQ(readAvi(shortRecords.bytes(), track), 0);
}

TEST(AviSensorReaderTest, ReadsFilesByPath)
{
    SensorTestFiles files;
    AviWriter avi = recording();
    avi.textChunk(2, AviWriter::accelerationRecord(127, 127, 127)).textChunk(2, kFix);
    VexoClipData track;
    EXPECT_EQ(AviSensorReader::readFile(files.write(u"a.avi"_s, avi.bytes()), track, Family::Standard), 10);
    EXPECT_EQ(AviSensorReader::readFile(files.path(u"missing.avi"_s), track, Family::Standard), 0);
    EXPECT_EQ(AviSensorReader::readFile(files.path(QString()), track, Family::KRV), 0);
}

// A device that counts what is read from it.
class CountingBuffer : public QBuffer
{
public:
    using QBuffer::QBuffer;
    qint64 bytesRead = 0;
    qint64 reads = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 got = QBuffer::readData(data, maxSize);
        bytesRead += qMax<qint64>(got, 0);
        ++reads;
        return got;
    }
};

TEST(AviSensorReaderTest, AZeroFilledTailEndsTheWalkWithoutBeingRead)
{
    AviWriter avi = recording();
    avi.textChunk(2, AviWriter::accelerationRecord(127, 127, 127)).textChunk(2, kFix).endList();
    QByteArray bytes = avi.bytes();
    const qsizetype recorded = bytes.size();
    // What a preallocated recording cut off by a power loss looks like: 16 MB of zeros.
    bytes += QByteArray(16 * 1024 * 1024, '\0');
    CountingBuffer device(&bytes);
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    VexoClipData track;
    EXPECT_EQ(AviSensorReader::read(device, track, Family::Standard), 10);
    EXPECT_LT(device.bytesRead, recorded + 4096);
}

TEST(AviSensorReaderTest, ManySmallChunksAreReadInFewReadsAndTheWalkCanBeCancelled)
{
    AviWriter avi = recording();
    // 100,000 empty chunks between the records: a walk of 8-byte reads would make as many reads.
    const QByteArray empties = AviWriter::chunkBytes("JUNK", {}).repeated(100000);
    avi.textChunk(2, AviWriter::accelerationRecord(127, 127, 127)).raw(empties).textChunk(2, kFix);
    QByteArray bytes = avi.bytes();
    CountingBuffer device(&bytes);
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    VexoClipData track;
    EXPECT_EQ(AviSensorReader::read(device, track, Family::Standard), 10);
    EXPECT_LT(device.reads, 1000);
    EXPECT_LT(device.bytesRead, 2 * bytes.size());

    int asked = 0;
    VexoClipData cancelled;
    CountingBuffer again(&bytes);
    again.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    EXPECT_EQ(AviSensorReader::read(again, cancelled, Family::Standard, [&asked] { return ++asked >= 2; }), 0);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(cancelled.gpsDataCount(), 0u);
}

// A device read front to back only, as a pipe would be.
class ForwardOnlyDevice : public QIODevice
{
public:
    explicit ForwardOnlyDevice(const QByteArray &bytes) : m_bytes(bytes) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_at + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = qMin(maxSize, m_bytes.size() - m_at);
        // Qt skips on a sequential device by reading into no buffer: those bytes are dropped.
        if (data != nullptr) {
            std::memcpy(data, m_bytes.constData() + m_at, std::size_t(count));
        }
        m_at += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_at = 0;
};

TEST(AviSensorReaderTest, AForwardOnlyDeviceReadsAlike)
{
    AviWriter avi = recording();
    avi.textChunk(2, AviWriter::accelerationRecord(120, 130, 140))
        .chunk("00dc", QByteArray(70000, 'v'))
        .textChunk(2, AviWriter::accelerationRecord(110, 131, 141))
        .chunk("JUNK", QByteArray(3, 'j'))
        .textChunk(3, kFix);
    QByteArray bytes = avi.bytes();
    VexoClipData seekable;
    ASSERT_EQ(readAvi(bytes, seekable), 10);
    ForwardOnlyDevice device(bytes);
    VexoClipData forward;
    ASSERT_EQ(AviSensorReader::read(device, forward, Family::Standard), 10);
    forward.setClipDataCount(10);
    TestTracks::expectSameSamples(forward, seekable, 10);
    EXPECT_EQ(forward.gpsDataCount(), 10u);
}
} // namespace

// A buffer that raises a flag once its reader has gone past a given offset, as another thread
// would when the recording is no longer wanted.
class CancellingBuffer : public QBuffer
{
public:
    CancellingBuffer(QByteArray *bytes, qint64 cancelAfter, std::atomic_bool &flag)
        : QBuffer(bytes), m_cancelAfter(cancelAfter), m_flag(flag)
    {
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (pos() > m_cancelAfter) {
            m_flag.store(true);
        }
        return QBuffer::readData(data, maxSize);
    }

private:
    qint64 m_cancelAfter;
    std::atomic_bool &m_flag;
};

TEST(AviSensorReaderTest, ACancelledWalkStopsAtTheNextChunk)
{
    AviWriter avi = recording();
    for (int second = 0; second < 20; ++second) {
        avi.textChunk(2, AviWriter::accelerationRecord(128, 0, 255)).textChunk(3, kFix);
        avi.chunk("00dc", QByteArray(40000, '\x55'));
    }
    QByteArray bytes = avi.bytes();
    VexoClipData whole;
    ASSERT_EQ(readAvi(bytes, whole), 200) << "twenty seconds of ten samples";

    std::atomic_bool cancelled{true};
    QBuffer before(&bytes);
    before.open(QIODevice::ReadOnly);
    VexoClipData none;
    EXPECT_EQ(AviSensorReader::read(before, none, Family::Standard, [&cancelled] { return cancelled.load(); }), 0);
    EXPECT_LT(before.pos(), bytes.size() / 8) << "raised before the walk: the file is not walked";

    cancelled.store(false);
    CancellingBuffer midway(&bytes, bytes.size() / 4, cancelled);
    midway.open(QIODevice::ReadOnly);
    VexoClipData part;
    const int count = AviSensorReader::read(midway, part, Family::Standard, [&cancelled] { return cancelled.load(); });
    EXPECT_TRUE(cancelled.load());
    EXPECT_LT(count, 200);
    EXPECT_LT(midway.pos(), bytes.size() / 2) << "the walk stopped soon after the flag went up";
}
