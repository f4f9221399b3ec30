#include "SensorTestFiles.h"

#include "sensor/AviWriter.h"
#include "sensor/SubtitleFileWriter.h"
#include "sensor/TailBlockWriter.h"
#include "support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
TEST(AviWriterTest, WritesChunksListsPadBytesAndFurtherParts)
{
    AviWriter avi;
    avi.beginList("movi").textChunk(2, "abc").textChunk(3, "de").endList();
    avi.beginRiffPart().chunk("00dc", "x");
    const QByteArray expected = QByteArray("RIFF\x26\0\0\0AVI "
                                           "LIST\x1a\0\0\0movi"
                                           "02tx\x03\0\0\0abc\0"
                                           "03tx\x02\0\0\0de"
                                           "RIFF\x0e\0\0\0AVIX"
                                           "00dc\x01\0\0\0x\0",
                                           68);
    EXPECT_EQ(avi.bytes(), expected);
    EXPECT_EQ(AviWriter::accelerationRecord(1, 128, 255), QByteArray("M\x01\x80\xff"));
    EXPECT_EQ(AviWriter::krvAccelerationRecord(1, 2, 3), QByteArray("M\x01\x02\x03\x01\x01\x01"));
}

TEST(SubtitleFileWriterTest, WritesNumberedTimedEntries)
{
    EXPECT_EQ(SubtitleFileWriter::timestamp(3723004), u"01:02:03,004"_s);
    const QList<SubtitleFileWriter::Entry> entries = {{0, 100, u"a"_s}, {16300, 16400, u"b"_s}};
    EXPECT_EQ(SubtitleFileWriter::file(entries),
              QByteArray("1\n00:00:00,000 --> 00:00:00,100\na\n\n2\n00:00:16,300 --> 00:00:16,400\nb\n\n"));
    EXPECT_EQ(SubtitleFileWriter::file(entries, u"\r\n"_s, false),
              QByteArray("1\r\n00:00:00,000 --> 00:00:00,100\r\na\r\n\r\n2\r\n00:00:16,300 --> 00:00:16,400\r\nb"));
}

TEST(TailBlockWriterTest, AppendsTheBlockToAFileKeepingItsBytes)
{
    EXPECT_EQ(TailBlockWriter::line(37.5, -122.25, 54, 10, -20, 130), u"0,37.500000,-122.250000,54,10,-20,130"_s);
    SensorTestFiles files;
    const QByteArray video(3 * 1024 * 1024 + 5, '\x42');
    const QString path = files.write(u"v.avi"_s, video);
    const QByteArray block = TailBlockWriter::block({u"a"_s, u"b"_s});
    EXPECT_EQ(block, QByteArray("ETKVL3a\nb\n"));
    ASSERT_TRUE(TailBlockWriter::appendToFile(path, block));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), TailBlockWriter::appended(video, block));
    EXPECT_FALSE(TailBlockWriter::appendToFile(files.path(u"missing"_s), block));
}
} // namespace
