#include "sensor/TailBlockReader.h"

#include "SensorTestFiles.h"

#include "sensor/TailBlockWriter.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
// A recording of SIZE bytes in all whose tail block (marker and LINES) starts MARKER_FROM_END
// bytes before its end; the block is padded at its end with spaces to get there.
QByteArray recordingWithBlockAt(qint64 markerFromEnd, const QString &line)
{
    QByteArray block = TailBlockWriter::block({line});
    block.append(QByteArray(markerFromEnd - block.size(), ' '));
    return QByteArray(40000, 'v') + block;
}

// Refuses every read before OFFSET, so a test can tell that only the tail was read.
class TailOnlyBuffer : public QBuffer
{
public:
    TailOnlyBuffer(QByteArray *bytes, qint64 offset) : QBuffer(bytes), m_offset(offset) {}
    qint64 lowestRead = std::numeric_limits<qint64>::max();

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        lowestRead = qMin(lowestRead, pos());
        if (pos() < m_offset) {
            return -1;
        }
        return QBuffer::readData(data, maxSize);
    }

private:
    qint64 m_offset;
};

int readBytes(QByteArray bytes, VexoClipData &track)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const int count = TailBlockReader::read(buffer, track);
    track.setClipDataCount(quint32(count));
    return count;
}

TEST(TailBlockReaderTest, ReadsOneSamplePerLine)
{
    VexoClipData track;
    const QByteArray block =
        TailBlockWriter::block({u"x,37.5,-122.25,54,10,-20,130"_s, u"7, -1.5e1 ,abc,3,70000,-1,0"_s});
    ASSERT_EQ(readBytes(QByteArray(1000, '\0') + block, track), 2);
    EXPECT_EQ(track.getGpsLat(0), 37.5f);
    EXPECT_EQ(track.getGpsLng(0), -122.25f);
    EXPECT_EQ(track.getGpsSpeed(0), 54u);
    EXPECT_EQ(track.getGx(0), 10);
    EXPECT_EQ(track.getGy(0), -20);
    EXPECT_EQ(track.getGz(0), 130);
    // Numbers are read from the start of each field; a field without one is 0; acceleration keeps
    // its low 16 bits (70000 is 4464).
    EXPECT_EQ(track.getGpsLat(1), -15.0f);
    EXPECT_EQ(track.getGpsLng(1), 0.0f);
    EXPECT_EQ(track.getGx(1), 4464);
    EXPECT_EQ(track.gpsDataCount(), 2u);
}

TEST(TailBlockReaderTest, SkipsLinesOfAnotherShapeWithoutUsingAnIndex)
{
    VexoClipData track;
    const QByteArray block = TailBlockWriter::block(
        {u"0,1,1,1,1,1"_s, u"0,2,2,2,2,2,2"_s, u""_s, u"0,3,3,3,3,3,3,3"_s, u"0,0,0,5,4,4,4"_s, u"0,4,4,4,4,4,4"_s},
        u"\r\n"_s);
    ASSERT_EQ(readBytes(block, track), 3);
    EXPECT_EQ(track.getGx(0), 2);
    EXPECT_EQ(track.getGx(1), 4);
    EXPECT_EQ(track.getGpsSpeed(1), 5u);
    EXPECT_EQ(track.getGx(2), 4);
    EXPECT_EQ(track.getGpsLat(2), 4.0f);
    // The line at (0, 0) is stored but is no fix.
    EXPECT_EQ(track.gpsDataCount(), 2u);
}

TEST(TailBlockReaderTest, StopsAtTheTracksCapacity)
{
    QStringList lines;
    for (int i = 0; i < 700; ++i) {
        lines.append(TailBlockWriter::line(1, 1, i, i, 0, 0));
    }
    VexoClipData track;
    // 700 short lines fit in the searched window.
    ASSERT_LT(TailBlockWriter::block(lines).size(), TailBlockReader::kSearchWindowBytes);
    EXPECT_EQ(readBytes(TailBlockWriter::block(lines), track), 650);
    EXPECT_EQ(track.getGx(649), 649);
    EXPECT_EQ(track.gpsDataCount(), 650u);
}

TEST(TailBlockReaderTest, TheMarkerIsLookedForInTheLast33006BytesOnly)
{
    const QString line = u"0,1.5,2.5,3,4,5,6"_s;
    VexoClipData track;
    EXPECT_EQ(readBytes(recordingWithBlockAt(33006, line), track), 1);
    EXPECT_EQ(track.getGz(0), 6);
    EXPECT_EQ(readBytes(recordingWithBlockAt(33007, line), track), 0);
    // The marker must leave at least one byte after it.
    EXPECT_EQ(readBytes(QByteArray("vvvvETKVL3"), track), 0);
    EXPECT_EQ(readBytes(QByteArray("ETKVL3\n"), track), 0);
    EXPECT_EQ(readBytes(QByteArray("ETKVL3\n0,1,1,1,1,1,1"), track), 1);
    // The first marker wins (a later one is just a line of another shape); files shorter than
    // the window are searched from their start.
    EXPECT_EQ(readBytes(QByteArray("ETKVL30,1,1,1,1,1,1\nETKVL3\n0,2,2,2,2,2,2"), track), 2);
    EXPECT_EQ(track.getGx(0), 1);
    EXPECT_EQ(track.getGx(1), 2);
}

TEST(TailBlockReaderTest, ReadsNothingBeforeTheWindow)
{
    QByteArray bytes = recordingWithBlockAt(500, u"0,1,1,1,1,1,1"_s);
    TailOnlyBuffer buffer(&bytes, bytes.size() - TailBlockReader::kSearchWindowBytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    VexoClipData track;
    EXPECT_EQ(TailBlockReader::read(buffer, track), 1);
    EXPECT_EQ(buffer.lowestRead, bytes.size() - TailBlockReader::kSearchWindowBytes);
}

TEST(TailBlockReaderTest, BlocksThatAreNotUtf8AreRefused)
{
    VexoClipData track;
    track.setSample(0, 9, 9, 9, 9, 9, 9);
    EXPECT_EQ(readBytes(QByteArray("ETKVL3\n0,1,1,1,1,1,1\n\xff\xfe"), track), 0);
    // A refused block leaves the track alone.
    track.setClipDataCount(1);
    EXPECT_EQ(track.getGx(0), 9);
    EXPECT_EQ(readBytes(QByteArray(), track), 0);
    // Other line separators end lines as well.
    EXPECT_EQ(readBytes(QByteArray("ETKVL3\n0,1,1,1,1,1,1\xe2\x80\xa8"
                                   "0,2,2,2,2,2,2\r0,3,3,3,3,3,3"),
                        track),
              3);
}

TEST(TailBlockReaderTest, ReadsAFileByPath)
{
    SensorTestFiles files;
    VexoClipData track;
    EXPECT_EQ(TailBlockReader::readFile(files.write(u"a.avi"_s, recordingWithBlockAt(200, u"0,1,1,1,1,1,1"_s)), track),
              1);
    EXPECT_EQ(TailBlockReader::readFile(files.path(u"none.avi"_s), track), 0);
    EXPECT_EQ(TailBlockReader::readFile(files.path(QString()), track), 0);
}
} // namespace
