#include "sensor/SubtitleData.h"

#include "SensorTestFiles.h"

#include "sensor/SubtitleFileWriter.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
SubtitleData load(const QByteArray &bytes)
{
    SubtitleData data;
    data.loadFromBytes(bytes);
    return data;
}

QString fix(const QString &lat, const QString &lng, const QString &knots, const QString &status = u"A"_s)
{
    return u"GPRMC,000000,"_s + status + u',' + lat + u",N,"_s + lng + u",E,"_s + knots;
}

TEST(SubtitleDataTest, AnEntryJoiningAccelerationAndPosition)
{
    const SubtitleData data = load("1\n00:00:00,100 --> 00:00:00,200\n"
                                   "gsensori,1,1024,512,-256,1024;GPRMC,000000,A,3723.4567,N,12658.1234,E,10.0\n\n");
    ASSERT_EQ(data.entries().size(), 1);
    const SubtitleEntry &entry = data.entries().constFirst();
    EXPECT_EQ(entry.cts(), 100);
    // Rounded half away from zero in single precision: -32, where the track's reader gives -31.
    EXPECT_EQ(entry.gx(), 64);
    EXPECT_EQ(entry.gy(), -32);
    EXPECT_EQ(entry.gz(), 128);
    EXPECT_EQ(entry.lat(), 37.390945f);
    EXPECT_EQ(entry.lng(), 126.968719f);
    EXPECT_EQ(entry.speed(), 19u);

    qint32 x = 0, y = 0, z = 0;
    EXPECT_TRUE(data.getSensorAt(1, &x, &y, &z));
    EXPECT_EQ(x, 64);
    EXPECT_EQ(y, -32);
    EXPECT_EQ(z, 128);
    x = 7;
    EXPECT_FALSE(data.getSensorAt(2, &x, &y, &z));
    EXPECT_EQ(x, 7);
    float lat = 0, lng = 0;
    quint32 speed = 0;
    EXPECT_EQ(data.getGpsAt(1, &lat, &lng, &speed), SubtitleData::GpsExact);
    EXPECT_EQ(lat, 37.390945f);
    EXPECT_EQ(speed, 19u);
}

TEST(SubtitleDataTest, TimesAreComputedInSinglePrecisionAndIgnoreTheHours)
{
    EXPECT_EQ(SubtitleEntry::millisecondsFrom(u"00", u"16,300"), 16299);
    EXPECT_EQ(SubtitleEntry::millisecondsFrom(u"01", u"04,200"), 64199);
    EXPECT_EQ(SubtitleEntry::millisecondsFrom(u"00", u"00,100"), 100);
    EXPECT_EQ(SubtitleEntry::millisecondsFrom(u"59", u"59,999"), 3599999);
    const SubtitleData data = load("1\n00:00:16,300 --> 00:00:16,400\ngsensor,1,2,3\n\n"
                                   "2\n02:00:01,000 --> 02:00:01,100\ngsensor,4,5,6\n\n");
    ASSERT_EQ(data.entries().size(), 2);
    EXPECT_EQ(data.entries().at(0).cts(), 16299);
    EXPECT_EQ(data.entries().at(1).cts(), 1000);
    qint32 x = 0, y = 0, z = 0;
    EXPECT_FALSE(data.getSensorAt(163, &x, &y, &z));
    EXPECT_TRUE(data.getSensorAt(10, &x, &y, &z));
    EXPECT_EQ(x, 4);
}

TEST(SubtitleDataTest, RecordsFillTheEntryWithinTheirLimits)
{
    const SubtitleData data = load("1\n00:00:00,000 --> 00:00:00,100\ngsensor,600,-700,5\n\n"
                                   "2\n00:00:00,100 --> 00:00:00,200\ngsensori,1,16,100,0,-90\n"
                                   "GPRMC,1,V,3723.4567,N,12658.1234,E,10.0\n\n"
                                   "3\n00:00:00,200 --> 00:00:00,300\ngsensor,1,2\ngsensori,0,16,5,5,5\n"
                                   "GNRMC,1,A,4807.038,S,01131.000,W\n\n"
                                   "4\n00:00:00,300 --> 00:00:00,400\ngsensori,2,1,5,5,5\n\n");
    ASSERT_EQ(data.entries().size(), 4);
    const SubtitleEntry &limited = data.entries().at(0);
    EXPECT_EQ(limited.gx(), 512);
    EXPECT_EQ(limited.gy(), -512);
    EXPECT_EQ(limited.gz(), 5);
    const SubtitleEntry &noFix = data.entries().at(1);
    EXPECT_EQ(noFix.gx(), 512);
    EXPECT_EQ(noFix.gz(), -512);
    EXPECT_EQ(noFix.lat(), 512.0f);
    EXPECT_EQ(noFix.speed(), 1024u);
    // Records with too few fields, or a zero scale, change nothing.
    const SubtitleEntry &untouched = data.entries().at(2);
    EXPECT_EQ(untouched.gx(), -512);
    EXPECT_EQ(untouched.lat(), 512.0f);
    EXPECT_EQ(data.entries().at(3).gx(), -512);

    float lat = 0;
    EXPECT_EQ(data.getGpsAt(1, &lat, nullptr, nullptr), SubtitleData::GpsNone);
}

TEST(SubtitleDataTest, DegreesFromNmeaCoordinates)
{
    EXPECT_EQ(SubtitleEntry::degree(u"3723.4567", u"N"), 37.390945f);
    EXPECT_EQ(SubtitleEntry::degree(u"3723.4567", u"S"), -37.390945f);
    EXPECT_EQ(SubtitleEntry::degree(u"12658.1234", u"E"), 126.968719f);
    EXPECT_EQ(SubtitleEntry::degree(u"12658.1234", u"West"), -126.968719f);
    EXPECT_EQ(SubtitleEntry::degree(u"5", u"N"), 0.0f);
    EXPECT_EQ(SubtitleEntry::degree(u"3723.4567", u""), 0.0f);
    EXPECT_EQ(SubtitleEntry::degree(u"1e30", u"N"), SubtitleEntry::degree(u"1e30", u"N"));
}

class SubtitleGpsTest : public ::testing::Test
{
protected:
    static QByteArray file(const QList<std::pair<qint64, QString>> &entries)
    {
        QList<SubtitleFileWriter::Entry> list;
        for (const auto &[ms, text] : entries) {
            list.append({ms, ms + 100, text});
        }
        return SubtitleFileWriter::file(list);
    }
    float lat = 0, lng = 0;
    quint32 speed = 0;
};

TEST_F(SubtitleGpsTest, InterpolatesBetweenTheNearestFixes)
{
    const SubtitleData data = load(file({{1000, fix(u"3700.0000"_s, u"12700.0000"_s, u"10"_s)},
                                         {1500, fix(u"3703.0000"_s, u"12703.0000"_s, u"0"_s, u"V"_s)},
                                         {2000, fix(u"3706.0000"_s, u"12706.0000"_s, u"20"_s)}}));
    ASSERT_EQ(data.entries().size(), 3);
    ASSERT_EQ(data.getGpsAt(13, &lat, &lng, &speed), SubtitleData::GpsInterpolated);
    const float lat1 = 37.0f;
    const float lat2 = SubtitleEntry::degree(u"3706.0000", u"N");
    const float f = 0.3f;
    EXPECT_EQ(lat, (lat2 - lat1) * f + lat1);
    EXPECT_NEAR(lat, 37.03, 1e-5);
    EXPECT_NEAR(lng, 127.03, 1e-4);
    // 19 km/h to 37 km/h, three tenths of the way: 24.4, truncated.
    EXPECT_EQ(speed, 24u);

    // 2500 ms: only the fix at 2000 ms is within a second; it is given as it is.
    ASSERT_EQ(data.getGpsAt(25, &lat, &lng, &speed), SubtitleData::GpsInterpolated);
    EXPECT_EQ(lat, lat2);
    EXPECT_EQ(speed, 37u);
    // Exactly on a fix.
    EXPECT_EQ(data.getGpsAt(20, &lat, &lng, &speed), SubtitleData::GpsExact);
    // The entry without a fix is skipped, also when it is exactly at the time asked for.
    EXPECT_EQ(data.getGpsAt(15, &lat, &lng, &speed), SubtitleData::GpsInterpolated);
    EXPECT_NEAR(lat, 37.05, 1e-5);
    // Nothing within a second.
    lat = -1;
    EXPECT_EQ(data.getGpsAt(40, &lat, &lng, &speed), SubtitleData::GpsNone);
    EXPECT_EQ(lat, -1.0f);
    EXPECT_EQ(SubtitleData().getGpsAt(0, &lat, &lng, &speed), SubtitleData::GpsNone);
}

TEST_F(SubtitleGpsTest, ExtrapolatesWhenBothFixesLieOnOneSide)
{
    // At 3000 ms: best 2900 (100 ms); 2200 was best before and became second, keeping the
    // second distance of 1000 it had; so 2200 stays second.
    const SubtitleData data = load(file(
        {{2200, fix(u"3700.0000"_s, u"12700.0000"_s, u"10"_s)}, {2900, fix(u"3707.0000"_s, u"12707.0000"_s, u"0"_s)}}));
    ASSERT_EQ(data.getGpsAt(30, &lat, &lng, &speed), SubtitleData::GpsInterpolated);
    EXPECT_GT(lat, SubtitleEntry::degree(u"3707.0000", u"N"));
    // Speed falls from 19 toward 0 and beyond: (0 - 19) x 8/7 + 19 = -2.7, truncated to -2.
    EXPECT_EQ(speed, quint32(-2));
}

TEST_F(SubtitleGpsTest, TwoFixesAtTheSameTimeGiveTheNearestInsteadOfDividingByZero)
{
    // Times repeat after an hour, so a long recording has two entries at 1000 ms.
    const SubtitleData data = load(
        "1\n00:00:01,000 --> 00:00:01,100\n" + fix(u"3700.0000"_s, u"12700.0000"_s, u"10"_s).toUtf8() +
        "\n\n2\n01:00:01,000 --> 01:00:01,100\n" + fix(u"3800.0000"_s, u"12800.0000"_s, u"20"_s).toUtf8() + "\n\n");
    ASSERT_EQ(data.getGpsAt(13, &lat, &lng, &speed), SubtitleData::GpsInterpolated);
    EXPECT_EQ(lat, 37.0f);
    EXPECT_EQ(lng, 127.0f);
    EXPECT_EQ(speed, 19u);
}

TEST(SubtitleDataTest, TheLastEntryCountsWithoutAFinalLineBreak)
{
    const QList<SubtitleFileWriter::Entry> entries = {{0, 100, u"gsensor,1,1,1"_s}, {100, 200, u"gsensor,2,2,2"_s}};
    EXPECT_EQ(load(SubtitleFileWriter::file(entries, u"\n"_s, true)).entries().size(), 2);
    const SubtitleData cut = load(SubtitleFileWriter::file(entries, u"\n"_s, false));
    ASSERT_EQ(cut.entries().size(), 2);
    EXPECT_EQ(cut.entries().at(1).gx(), 2);
}

TEST(SubtitleDataTest, CrLfFilesKeepTheirValues)
{
    const QList<SubtitleFileWriter::Entry> entries = {
        {100, 200, u"gsensor,1,2,3;"_s + fix(u"3700.0000"_s, u"12700.0000"_s, u"10"_s)},
        {200, 300, u"gsensor,4,5,6"_s}};
    for (const bool finalBreak : {true, false}) {
        const SubtitleData data = load(SubtitleFileWriter::file(entries, u"\r\n"_s, finalBreak));
        ASSERT_EQ(data.entries().size(), 2);
        EXPECT_EQ(data.entries().at(0).gx(), 1);
        EXPECT_EQ(data.entries().at(0).lat(), 37.0f);
        EXPECT_EQ(data.entries().at(1).gz(), 6);
        qint32 x = 0, y = 0, z = 0;
        EXPECT_TRUE(data.getSensorAt(2, &x, &y, &z));
        EXPECT_EQ(z, 6);
    }
}

TEST(SubtitleDataTest, EntriesNeedATimingLineAndEndAtAnEmptyLine)
{
    const SubtitleData data = load("gsensor,9,9,9\n\n"
                                   "1\n00:00:00,000 --> 00:00:00,100\n"
                                   "2\n00:00:00,500 --> 00:00:00,600\ngsensor,1,1,1\n \t \n"
                                   "gsensor,8,8,8\n");
    // The first entry was replaced by the second timing line before it ended; the record after
    // the blank line belongs to no entry.
    ASSERT_EQ(data.entries().size(), 1);
    EXPECT_EQ(data.entries().at(0).cts(), 500);
    EXPECT_EQ(data.entries().at(0).gx(), 1);
}

TEST(SubtitleDataTest, UnreadableFilesGiveNoEntries)
{
    SensorTestFiles files;
    SubtitleData data = load("1\n00:00:00,000 --> 00:00:00,100\ngsensor,1,1,1\n\n");
    ASSERT_EQ(data.entries().size(), 1);
    data.loadFromPath(files.path(u"missing.srt"_s));
    EXPECT_TRUE(data.entries().isEmpty());
    EXPECT_TRUE(load("1\n00:00:00,000 --> 00:00:00,100\ngsensor,1,1,1\xc3\n\n").entries().isEmpty());
    EXPECT_EQ(
        SubtitleData::fromPath(files.write(u"a.srt"_s, "1\n00:00:01,000 --> 00:00:01,100\nx\n\n")).entries().size(), 1);
    EXPECT_TRUE(SubtitleData::fromPath(files.path(QString())).entries().isEmpty());
}
} // namespace
