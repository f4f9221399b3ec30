#include "SensorTestFiles.h"

#include "sensor/AviWriter.h"
#include "sensor/QB62RecordingReader.h"
#include "sensor/QB62Records.h"
#include "sensor/QB62SrtReader.h"
#include "sensor/SubtitleFileWriter.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"
#include "support/TestTracks.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr QByteArrayView kFix = "GPRMC,120000,A,3723.4567,N,12658.1234,E,10.0";

// Bytes of a literal, embedded NULs included.
template <std::size_t N> QByteArray bytesOf(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

// A record as the cameras write it into a text chunk: NUL-terminated.
QByteArray record(const QString &text)
{
    return text.toUtf8() + '\0';
}

struct Sample
{
    int x, y, z;
    bool operator==(const Sample &) const = default;
};

void PrintTo(const Sample &s, std::ostream *os)
{
    *os << '(' << s.x << ", " << s.y << ", " << s.z << ')';
}

Sample sampleOf(const SensorBatcher::Acceleration &a)
{
    return {a.x, a.y, a.z};
}

std::optional<Sample> scaled(const QString &record)
{
    SensorBatcher::Acceleration a;
    const QList<QStringView> fields = QStringView(record).split(u',');
    return QB62Records::scaledSample(fields, a) ? std::optional(sampleOf(a)) : std::nullopt;
}

std::optional<Sample> raw(const QString &record)
{
    SensorBatcher::Acceleration a;
    const QList<QStringView> fields = QStringView(record).split(u',');
    return QB62Records::rawSample(fields, a) ? std::optional(sampleOf(a)) : std::nullopt;
}

Sample at(const VexoClipData &track, int index)
{
    return {track.getGx(index), track.getGy(index), track.getGz(index)};
}

int readRecording(QByteArray bytes, VexoClipData &track)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const int count = QB62RecordingReader::read(buffer, track);
    track.setClipDataCount(quint32(count));
    return count;
}

int readSubtitle(const QByteArray &bytes, VexoClipData &track)
{
    const int count = QB62SrtReader::read(bytes, track);
    track.setClipDataCount(quint32(count));
    return count;
}

QByteArray subtitle(const QStringList &texts, const QString &lineEnd = u"\n"_s)
{
    QList<SubtitleFileWriter::Entry> entries;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        entries.append({i * 100, i * 100 + 100, texts.at(i)});
    }
    return SubtitleFileWriter::file(entries, lineEnd);
}

TEST(QB62RecordsTest, ScaledAccelerationIsInCountsWithinFourG)
{
    EXPECT_EQ(scaled(u"gsensori,1,1024,512,-256,64"_s), (Sample{64, -31, 8}));
    EXPECT_EQ(scaled(u"gsensori,1,16,100,0,-90"_s), (Sample{512, 0, -512}));
    EXPECT_EQ(scaled(u"gsensori,2,1,5,5,5"_s), (Sample{0, 0, 0}));
    EXPECT_EQ(scaled(u"gsensori,0,16,5,5,5"_s), std::nullopt);
    EXPECT_EQ(scaled(u"gsensori,1,16,5,5"_s), std::nullopt);
    // Truncation toward zero after adding a half: -2.7 becomes -2, 2.5 becomes 3.
    EXPECT_EQ(scaled(u"gsensori,1,1280,-27,25,0"_s), (Sample{-2, 3, 0}));
    EXPECT_EQ(scaled(u"gsensori,-1,10,-21,5,0"_s), (Sample{269, -63, 0}));
    // The most negative quotient neither traps nor overflows.
    EXPECT_EQ(scaled(u"gsensori,-1,-2147483648,1,1,1"_s), (Sample{0, 0, 0}));
}

TEST(QB62RecordsTest, RawAccelerationKeepsTheFirstThreeCharactersOfItsLastField)
{
    EXPECT_EQ(raw(u"gsensor,12,-5,98"_s), (Sample{12, -5, 98}));
    EXPECT_EQ(raw(u"gsensor,12,-5,9800"_s), (Sample{12, -5, 980}));
    EXPECT_EQ(raw(u"gsensor,12,-5,7xyz"_s), (Sample{12, -5, 7}));
    EXPECT_EQ(raw(u"gsensor,12,-5,-123"_s), (Sample{12, -5, -12}));
    EXPECT_EQ(raw(u"gsensor,12,-5,12x4"_s), (Sample{12, -5, 12}));
    EXPECT_EQ(raw(u"gsensor,12,-5,x123"_s), (Sample{12, -5, 0}));
    // No scaling and no limit: the low 16 bits.
    EXPECT_EQ(raw(u"gsensor,70000,-40000,1"_s), (Sample{4464, 25536, 1}));
    EXPECT_EQ(raw(u"gsensor,1,2"_s), std::nullopt);
}

TEST(QB62RecordingReaderTest, TenScaledRecordsAndAFixStoreOneSampleEach)
{
    AviWriter avi;
    avi.beginList("movi");
    for (int i = 0; i < 10; ++i) {
        avi.chunk("00dc", QByteArray(501, '\x11')).textChunk(2, record(u"gsensori,1,128,%1,0,0"_s.arg(i)));
    }
    avi.textChunk(3, kFix);
    VexoClipData track;
    ASSERT_EQ(readRecording(avi.bytes(), track), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(at(track, i), (Sample{i, 0, 0}));
        EXPECT_EQ(track.getGpsLat(i), 37.390944f);
        EXPECT_EQ(track.getGpsLng(i), 126.968728f);
        EXPECT_EQ(track.getGpsSpeed(i), 19u);
    }
    EXPECT_EQ(track.gpsDataCount(), 10u);
}

TEST(QB62RecordingReaderTest, WithoutAnyPositionEveryRecordIsOneSample)
{
    AviWriter avi;
    for (int i = 0; i < 13; ++i) {
        avi.textChunk(2, u"gsensor,%1,1,1"_s.arg(i).toUtf8());
    }
    VexoClipData track;
    ASSERT_EQ(readRecording(avi.bytes(), track), 13);
    EXPECT_EQ(at(track, 12), (Sample{12, 1, 1}));
    EXPECT_EQ(track.gpsDataCount(), 0u);

    // A position record before all acceleration records: no track at all.
    AviWriter early;
    early.textChunk(2, kFix).textChunk(2, "gsensor,1,1,1").textChunk(2, "gsensor,2,2,2");
    EXPECT_EQ(readRecording(early.bytes(), track), 0);
    EXPECT_EQ(track.gpsDataCount(), 0u);
}

TEST(QB62RecordingReaderTest, RecordsAreFoundAnywhereAlsoInAFurtherRiffPart)
{
    AviWriter avi;
    avi.beginList("movi").textChunk(2, "gsensor,1,1,1").textChunk(2, kFix);
    avi.beginRiffPart().beginList("movi").textChunk(3, "gsensor,2,2,2").textChunk(3, kFix);
    VexoClipData track;
    ASSERT_EQ(readRecording(avi.bytes(), track), 20);
    EXPECT_EQ(at(track, 10), (Sample{2, 2, 2}));
}

TEST(QB62RecordingReaderTest, TheOlderCamerasSentencesAreNotThisFormat)
{
    AviWriter avi;
    avi.textChunk(2, AviWriter::accelerationRecord(1, 2, 3)).textChunk(2, "$GPRMC,1,A,3723.4567,N,12658.1234,E,1");
    VexoClipData track;
    EXPECT_EQ(readRecording(avi.bytes(), track), 0);
}

TEST(QB62RecordingReaderTest, ARecordEndsWithItsChunk)
{
    // An even-sized record has no pad byte: the next chunk's code follows directly and is not part
    // of the record's last field.
    AviWriter avi;
    avi.textChunk(2, "gsensor,1,2,50").chunk("00dc", QByteArray(16, '\x11'));
    avi.textChunk(2, "gsensor,1,2,30").textChunk(2, "gsensor,4,5,6").textChunk(2, kFix);
    VexoClipData track;
    ASSERT_EQ(readRecording(avi.bytes(), track), 10);
    EXPECT_EQ(at(track, 0), (Sample{1, 2, 50}));
    EXPECT_EQ(at(track, 4), (Sample{1, 2, 30}));
    EXPECT_EQ(at(track, 9), (Sample{4, 5, 6}));
    // Within its chunk the last field still counts its first three characters only.
    AviWriter long9800;
    long9800.textChunk(2, "gsensor,12,-5,9800").textChunk(2, kFix);
    ASSERT_EQ(readRecording(long9800.bytes(), track), 10);
    EXPECT_EQ(at(track, 0), (Sample{12, -5, 980}));
    // A text that is cut to 119 bytes keeps what it has.
    AviWriter longText;
    longText.textChunk(2, QByteArray("gsensor,1,2,3," + QByteArray(150, 'a'))).textChunk(2, kFix);
    ASSERT_EQ(readRecording(longText.bytes(), track), 10);
    EXPECT_EQ(at(track, 0), (Sample{1, 2, 3}));
    // A size that claims less than the text cuts the record; an empty payload holds none, and the
    // code right after it is still found.
    const QByteArray cut = bytesOf("02tx\x0c\0\0\0gsensor,7,8,9\0") + "03tx" + bytesOf("\0\0\0\0") + "02tx" +
                           bytesOf("\x0d\0\0\0gsensor,3,3,3\0") + "03tx" + bytesOf("\x2c\0\0\0") + kFix.toByteArray();
    ASSERT_EQ(readRecording(cut, track), 10);
    EXPECT_EQ(at(track, 0), (Sample{7, 8, 0})) << "the size ends the record after \"gsensor,7,8,\"";
    EXPECT_EQ(at(track, 9), (Sample{3, 3, 3}));
}

TEST(QB62RecordingReaderTest, AMismatchResumesAtAFailingByteThatCanStartACode)
{
    // "02" then "02tx": the third byte fails, and that byte begins the real code.
    VexoClipData track;
    const QByteArray third =
        bytesOf("RIFF0202tx\x0e\0\0\0gsensor,1,1,1\0\0") + "02tx" + bytesOf("\x2c\0\0\0") + kFix.toByteArray();
    ASSERT_EQ(readRecording(third, track), 10);
    EXPECT_EQ(at(track, 0), (Sample{1, 1, 1}));
    // "02t" then "02tx": the fourth byte fails, and that byte begins the real code.
    const QByteArray fourth =
        bytesOf("RIFF02t02tx\x0e\0\0\0gsensor,2,2,2\0\0") + "02tx" + bytesOf("\x2c\0\0\0") + kFix.toByteArray();
    ASSERT_EQ(readRecording(fourth, track), 10);
    EXPECT_EQ(at(track, 0), (Sample{2, 2, 2}));
    // Every video frame happens to end in "02": no text chunk may be lost behind one.
    AviWriter avi;
    avi.beginList("movi");
    for (int second = 0; second < 2; ++second) {
        for (int i = 0; i < 10; ++i) {
            avi.chunk("00dc", QByteArray(QByteArray(40, '\x11') + "02"))
                .textChunk(2, record(u"gsensor,%1,0,0"_s.arg(i)));
        }
        avi.chunk("00dc", QByteArray(QByteArray(40, '\x11') + "02")).textChunk(3, kFix);
    }
    ASSERT_EQ(readRecording(avi.bytes(), track), 20);
    EXPECT_EQ(at(track, 19), (Sample{9, 0, 0}));
}

TEST(QB62RecordingReaderTest, RecordsStraddlingAWindowEdgeAndLongNulRunsReadWhole)
{
    const qsizetype window = QB62RecordingReader::kWindowBytes;
    for (const qsizetype codeAt : {window - 2, window - 4, window - 8, window - 20, window + 3}) {
        QByteArray bytes(codeAt, '\x07');
        bytes += QByteArray("02tx\x0d\0\0\0", 8) + "gsensor,3,4,5" + QByteArray(1, '\0');
        // A NUL run of nine windows before the next chunk (long enough that the file is read ahead on
        // a helper thread), and NULs at the start of a payload.
        bytes += QByteArray(9 * window, '\0');
        bytes += QByteArray("03tx\x3d\0\0\0", 8) + QByteArray(16, '\0') + kFix.toByteArray();
        VexoClipData track;
        ASSERT_EQ(readRecording(bytes, track), 10) << codeAt;
        EXPECT_EQ(at(track, 0), (Sample{3, 4, 5}));
        EXPECT_EQ(track.getGpsLat(0), 37.390944f);
    }
}

TEST(QB62RecordingReaderTest, TheWindowSizeNeverChangesTheTrack)
{
    // Records, codes, NUL runs and codes cut by their own text at every offset class: any window
    // must read them as one pass over the whole file would.
    QByteArray bytes = "RIFF";
    for (int second = 0; second < 8; ++second) {
        for (int i = 0; i < 7; ++i) {
            bytes += QByteArray(37 * i + second, char(0x30 + i));
            const QByteArray text = u"gsensori,1,%1,%2,-7,64"_s.arg(100 + i).arg(second * 9 - i).toLatin1();
            bytes += "02tx" + QByteArray(1, char(i * 30 + text.size())) + QByteArray(3 + i * 30, '\0') + text;
        }
        bytes += "0303t03tx\x2c" + QByteArray(3, '\0') +
                 u"GNRMC,1,A,37%1.4567,N,12658.1234,E,%2"_s.arg(10 + second).arg(second).toLatin1();
        if (second == 3) {
            // Video between the seconds: the file is long enough to be read ahead in blocks.
            bytes += QByteArray(3 * 1024 * 1024 + 1, '\x07');
        }
    }
    VexoClipData reference;
    const int count = readRecording(bytes, reference);
    ASSERT_EQ(count, 80);
    // Small blocks are read ahead on a helper thread; a block of the whole file is read at once.
    for (const qsizetype window :
         {qsizetype(256), qsizetype(257), qsizetype(300), qsizetype(511), qsizetype(1000), bytes.size()}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        VexoClipData track;
        ASSERT_EQ(QB62RecordingReader::read(buffer, track, window), count) << window;
        track.setClipDataCount(quint32(count));
        SCOPED_TRACE(window);
        TestTracks::expectSameSamples(track, reference, count);
    }
}

TEST(QB62RecordingReaderTest, ACodeInTheLastBytesEndsTheScanQuietly)
{
    // The code's record would start past the end of the file: there is none, and what was read
    // before stays.
    AviWriter avi;
    avi.chunk("00dc", QByteArray(301, 'v'))
        .textChunk(2, record(u"gsensor,1,1,1"_s))
        .textChunk(2, record(QString::fromLatin1(kFix)))
        .chunk("00dc", QByteArray(201, 'v'));
    for (const QByteArray &end : {QByteArray("02tx"), QByteArray("02tx\x01"), QByteArray("02tx\x01\0\0")}) {
        QByteArray bytes = avi.bytes() + end;
        // Also with a window that ends exactly at the end of the file.
        for (const qsizetype window : {QB62RecordingReader::kWindowBytes, bytes.size(), qsizetype(256)}) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
            VexoClipData track;
            EXPECT_EQ(QB62RecordingReader::read(buffer, track, window), 10) << end.toHex().constData() << ' ' << window;
        }
    }
}

TEST(QB62RecordingReaderTest, StopsAtTheTracksCapacity)
{
    // Seventy seconds in a recording long enough to be read ahead: 650 samples, and the reading
    // stops there.
    AviWriter avi;
    for (int second = 0; second < 70; ++second) {
        avi.chunk("00dc", QByteArray(130001, '\x07')).textChunk(2, record(u"gsensor,%1,0,0"_s.arg(second)));
        avi.textChunk(3, record(QString::fromLatin1(kFix)));
    }
    VexoClipData track;
    ASSERT_EQ(readRecording(avi.bytes(), track), 650);
    EXPECT_EQ(track.getGx(649), 64);
    EXPECT_EQ(track.gpsDataCount(), 650u);
}

TEST(QB62RecordingReaderTest, ShortReadsAndOddFilesGiveNoSamples)
{
    VexoClipData track;
    EXPECT_EQ(readRecording(QByteArray(), track), 0);
    EXPECT_EQ(readRecording("02tx", track), 0);
    EXPECT_EQ(readRecording("02tx\x05", track), 0);
    AviWriter avi;
    avi.textChunk(2, "gsensor,1,1,1").textChunk(2, kFix);
    const QByteArray bytes = avi.bytes();
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        EXPECT_LE(readRecording(bytes.first(size), track), 10) << size;
    }
    SensorTestFiles files;
    EXPECT_EQ(QB62RecordingReader::readFile(files.write(u"r.avi"_s, bytes), track), 10);
    EXPECT_EQ(QB62RecordingReader::readFile(files.path(QString()), track), 0);
    EXPECT_EQ(QB62RecordingReader::readFile(files.path(u"missing"_s), track), 0);
}

TEST(QB62SrtReaderTest, AJoinedPositionClosesTheBatchAtItsOwnEntry)
{
    QStringList texts;
    for (int i = 0; i < 9; ++i) {
        texts.append(u"gsensori,1,128,%1,0,0"_s.arg(i));
    }
    texts.append(u"gsensori,1,128,9,0,0;"_s + QString::fromLatin1(kFix));
    texts.append(u"gsensori,1,128,50,0,0"_s);
    VexoClipData track;
    // The last sample is pending at the end and joins the stored ones with the last fix.
    ASSERT_EQ(readSubtitle(subtitle(texts), track), 20);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(at(track, i), (Sample{i, 0, 0}));
    }
    EXPECT_EQ(at(track, 19), (Sample{50, 0, 0}));
    EXPECT_EQ(track.gpsDataCount(), 20u);
    EXPECT_EQ(track.getGpsSpeed(0), 19u);
}

TEST(QB62SrtReaderTest, FillerRecordsRepeatTheLastPendingSample)
{
    VexoClipData track;
    ASSERT_EQ(readSubtitle(subtitle({u"gsensor,1,1,1"_s, u"gsensor,2,2,2"_s, u"CAR,9,9,9"_s, u"dummy"_s,
                                     u"something,1,2,3"_s, QString::fromLatin1(kFix)}),
                           track),
              10);
    // Three pending: 0,0,0,0,1,1,1,2,2,2, the third a copy of the second.
    EXPECT_EQ(at(track, 0), (Sample{1, 1, 1}));
    EXPECT_EQ(at(track, 9), (Sample{2, 2, 2}));
    ASSERT_EQ(readSubtitle(subtitle({u"CAR,1,2,3"_s, u"CAR,4"_s, QString::fromLatin1(kFix)}), track), 10);
    EXPECT_EQ(at(track, 9), (Sample{1, 2, 3}));
}

TEST(QB62SrtReaderTest, APositionWithNothingPendingOnlyMovesTheCurrentPosition)
{
    VexoClipData track;
    ASSERT_EQ(readSubtitle(subtitle({u"gsensor,1,1,1"_s, QString::fromLatin1(kFix),
                                     u"GNRMC,1,A,4807.038,S,01131.000,W,0"_s, u"gsensor,2,2,2"_s}),
                           track),
              20);
    EXPECT_EQ(track.getGpsLat(9), 37.390944f);
    EXPECT_EQ(track.getGpsLat(10), -48.1173f);
    EXPECT_EQ(track.getGpsSpeed(10), 0u);
}

TEST(QB62SrtReaderTest, CrLfFilesReadLikeLfFiles)
{
    const QStringList texts = {u"gsensori,1,1024,512,-256,64"_s, u"gsensor,1,2,3;"_s + QString::fromLatin1(kFix),
                               QString::fromLatin1(kFix)};
    VexoClipData lf;
    VexoClipData crlf;
    ASSERT_EQ(readSubtitle(subtitle(texts), lf), 10);
    ASSERT_EQ(readSubtitle(subtitle(texts, u"\r\n"_s), crlf), 10);
    TestTracks::expectSameSamples(crlf, lf, 10);
    EXPECT_EQ(at(crlf, 0), (Sample{64, -31, 8}));
    EXPECT_EQ(crlf.gpsDataCount(), 10u);
}

TEST(QB62SrtReaderTest, UnreadableFilesGiveNoSamples)
{
    VexoClipData track;
    EXPECT_EQ(readSubtitle(QByteArray(), track), 0);
    EXPECT_EQ(readSubtitle("1\n00:00:00,000 --> 00:00:00,100\ngsensor,1,1,1\xff\n\n", track), 0);
    EXPECT_EQ(readSubtitle("\n\n  \n", track), 0);
    // Without the entry layout the record is taken for an entry number.
    EXPECT_EQ(readSubtitle("gsensor,5,5,5", track), 0);
    SensorTestFiles files;
    EXPECT_EQ(QB62SrtReader::readFile(files.path(u"missing.srt"_s), track), 0);
    EXPECT_EQ(QB62SrtReader::readFile(files.write(u"a.srt"_s, subtitle({u"gsensor,1,1,1"_s})), track), 1);
}
} // namespace
