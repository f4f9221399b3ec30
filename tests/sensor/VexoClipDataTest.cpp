#include "sensor/VexoClipData.h"

#include "SensorTestFiles.h"

#include "sensor/AviWriter.h"
#include "sensor/SubtitleFileWriter.h"
#include "sensor/TailBlockWriter.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
void expectOutOfRange(const VexoClipData &track, int index)
{
    EXPECT_EQ(track.getGx(index), -512) << index;
    EXPECT_EQ(track.getGy(index), -512) << index;
    EXPECT_EQ(track.getGz(index), -512) << index;
    EXPECT_EQ(track.getGpsLat(index), 512.0f) << index;
    EXPECT_EQ(track.getGpsLng(index), 512.0f) << index;
    EXPECT_EQ(track.getGpsSpeed(index), 1024u) << index;
    int x = 0, y = 0, z = 0;
    float lat = 0, lng = 0;
    quint32 speed = 0;
    track.getClipDataWithIndex(index, &x, &y, &z, &lat, &lng, &speed);
    EXPECT_EQ(x, -512);
    EXPECT_EQ(y, -512);
    EXPECT_EQ(z, -512);
    EXPECT_EQ(lat, 512.0f);
    EXPECT_EQ(lng, 512.0f);
    EXPECT_EQ(speed, 1024u);
}

TEST(VexoClipDataTest, IndexesOutsideTheTrackGiveTheOutOfRangeValues)
{
    VexoClipData track;
    expectOutOfRange(track, 0);
    for (int i = 0; i < VexoClipData::kCapacity; ++i) {
        track.setSample(i, qint16(i), qint16(-i), 3, float(i) / 10, -1.5f, quint32(i));
    }
    track.setClipDataCount(650);
    EXPECT_EQ(track.getGx(649), 649);
    EXPECT_EQ(track.getGy(649), -649);
    EXPECT_EQ(track.getGpsSpeed(649), 649u);
    int x = 0, y = 0, z = 0;
    float lat = 0, lng = 0;
    quint32 speed = 0;
    track.getClipDataWithIndex(649, &x, &y, &z, &lat, &lng, &speed);
    EXPECT_EQ(x, 649);
    EXPECT_EQ(y, -649);
    EXPECT_EQ(z, 3);
    EXPECT_EQ(lat, 64.9f);
    EXPECT_EQ(lng, -1.5f);
    expectOutOfRange(track, 650);
    expectOutOfRange(track, -1);
    expectOutOfRange(track, std::numeric_limits<int>::min());
    // The count bounds the positions too, even though the arrays hold values beyond it.
    track.setClipDataCount(5);
    EXPECT_EQ(track.getGx(4), 4);
    expectOutOfRange(track, 5);
    // A count above the capacity never opens indexes past the arrays.
    track.setClipDataCount(100000);
    expectOutOfRange(track, 650);
}

TEST(VexoClipDataTest, NmeaCoordinatesBecomeMillionthsOfADegree)
{
    EXPECT_EQ(VexoClipData::cal_string(u"4807.038"), 48117300u);
    EXPECT_EQ(VexoClipData::cal_string(u"3723.4567"), 37390944u);
    EXPECT_EQ(VexoClipData::cal_string(u"12658.1234"), 126968728u);
    EXPECT_EQ(VexoClipData::cal_string(u"0000.0000"), 0u);
    for (const QString &text : {u""_s, u"12"_s, u"1.5"_s, u".5"_s, u"abc"_s}) {
        EXPECT_EQ(VexoClipData::cal_string(text), 0u) << text.toStdString();
    }
    // Two digits of minutes and nothing before them: minutes only.
    EXPECT_EQ(VexoClipData::cal_string(u"30.0"), 500000u);
    // A negative value keeps the low 32 bits of its 64-bit truncation.
    EXPECT_EQ(VexoClipData::cal_string(u"-100.0"), quint32(-1000000));
}

class VexoClipDataLoadTest : public ::testing::Test
{
protected:
    static QByteArray routeSubtitle()
    {
        QList<SubtitleFileWriter::Entry> entries;
        entries.append({0, 100, u"gsensor,1,2,3"_s});
        entries.append({100, 200, u"GPRMC,000000,A,3723.4567,N,12658.1234,E,10.0"_s});
        return SubtitleFileWriter::file(entries);
    }

    SensorTestFiles files;
    VexoClipData track;
};

TEST_F(VexoClipDataLoadTest, SubtitleFilesAreChosenByTheirExactExtension)
{
    track.loadVideoFileCilpDataFromFilePath(files.write(u"clip.srt"_s, routeSubtitle()));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.gpsDataCount(), 10u);
    EXPECT_EQ(track.getGx(0), 1);
    // An upper-case extension is not a subtitle file: the recording readers find nothing in it.
    track.loadVideoFileCilpDataFromFilePath(files.write(u"clip.SRT"_s, routeSubtitle()));
    EXPECT_EQ(track.clipDataCount(), 0u);
    EXPECT_EQ(track.gpsDataCount(), 0u);
}

TEST_F(VexoClipDataLoadTest, AnUnrecognisedFileEmptiesTheTrackOfThePreviousRecording)
{
    track.loadVideoFileCilpDataFromFilePath(files.write(u"route.srt"_s, routeSubtitle()));
    ASSERT_EQ(track.gpsDataCount(), 10u);
    for (const QString &path : {files.write(u"junk.avi"_s, QByteArray(5000, 'x')), files.path(u"missing.avi"_s),
                                files.path(QString()), files.write(u"empty.avi"_s, QByteArray())}) {
        track.loadVideoFileCilpDataFromFilePath(path);
        EXPECT_EQ(track.clipDataCount(), 0u) << path.toStdString();
        EXPECT_EQ(track.gpsDataCount(), 0u);
        EXPECT_EQ(track.getGpsLat(0), 512.0f);
        track.loadVideoFileCilpDataFromFilePath(files.path(u"route.srt"_s));
    }
}

TEST_F(VexoClipDataLoadTest, RecordingReadersAreTriedInTurn)
{
    // Text records win over a tail block in the same file.
    AviWriter qb62;
    qb62.beginList("movi")
        .textChunk(2, "gsensor,5,5,5")
        .textChunk(2, "GPRMC,000000,A,3723.4567,N,12658.1234,E,0")
        .endList();
    const QByteArray tail = TailBlockWriter::block({TailBlockWriter::line(1.5, 2.5, 30, 1, 2, 3)});
    track.loadVideoFileCilpDataFromFilePath(files.write(u"both.avi"_s, qb62.bytes() + tail));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.getGx(0), 5);

    // Without text records the tail block is read.
    track.loadVideoFileCilpDataFromFilePath(files.write(u"tail.avi"_s, QByteArray(100, 'v') + tail));
    EXPECT_EQ(track.clipDataCount(), 1u);
    EXPECT_EQ(track.getGpsLat(0), 1.5f);

    // An AVI of the older cameras ("$GPRMC" sentences) falls through to their reader.
    AviWriter legacy;
    legacy.beginList("movi")
        .textChunk(2, AviWriter::accelerationRecord(128, 0, 255))
        .textChunk(3, "$GPRMC,000000,A,4807.038,N,01131.000,E,22.4")
        .endList();
    track.loadVideoFileCilpDataFromFilePath(files.write(u"legacy.avi"_s, legacy.bytes()));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.gpsDataCount(), 10u);
    EXPECT_EQ(track.getGy(0), 128);
    EXPECT_EQ(track.getGpsLat(0), 48.1173f);

    // The KRV family's loader uses its own reader alone.
    AviWriter krv;
    krv.textChunk(2, AviWriter::krvAccelerationRecord(129, 128, 127)).textChunk(2, "$GPRMC,0,V");
    track.loadVideoFileCilpDataFromFilePath_KRV(files.write(u"Rec_0001.avi"_s, krv.bytes()));
    EXPECT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.gpsDataCount(), 0u);
    EXPECT_EQ(track.getGx(0), 10);
    EXPECT_EQ(track.getGz(0), -10);
    track.loadVideoFileCilpDataFromFilePath_KRV(files.path(u"both.avi"_s));
    EXPECT_EQ(track.clipDataCount(), 0u);
}

TEST_F(VexoClipDataLoadTest, FoldersAreNotRecordings)
{
    track.loadVideoFileCilpDataFromFilePath(files.path(QString()));
    EXPECT_EQ(track.clipDataCount(), 0u);
    QDir(files.path(QString())).mkdir(u"folder.srt"_s);
    track.loadVideoFileCilpDataFromFilePath(files.path(u"folder.srt"_s));
    EXPECT_EQ(track.clipDataCount(), 0u);
}
} // namespace
