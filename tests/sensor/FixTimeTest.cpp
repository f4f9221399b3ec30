#include "SensorTestFiles.h"

#include "sensor/AviSensorReader.h"
#include "sensor/AviWriter.h"
#include "sensor/NmeaTime.h"
#include "sensor/QB62RecordingReader.h"
#include "sensor/SubtitleFileWriter.h"
#include "sensor/TailBlockWriter.h"
#include "sensor/TrackExport.h"
#include "sensor/TrackTimes.h"
#include "sensor/VexoClipData.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// The expected instant, through Qt's own ISO 8601 reading rather than the code under test.
qint64 utc(const QString &iso)
{
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODateWithMs);
    EXPECT_TRUE(time.isValid()) << iso.toStdString();
    return time.toMSecsSinceEpoch();
}

QByteArray record(const QString &text)
{
    return text.toUtf8() + '\0';
}

QString rmc(const QString &tag, const QString &time, const QString &date, const QString &status = u"A"_s)
{
    return tag + u',' + time + u',' + status + u",3723.4567,N,12658.1234,E,10.0,90.0,"_s + date + u",,,A"_s;
}

int readRecording(QByteArray bytes, VexoClipData &track)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const int count = QB62RecordingReader::read(buffer, track);
    track.setClipDataCount(quint32(count));
    return count;
}

int readAvi(QByteArray bytes, VexoClipData &track)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const int count = AviSensorReader::read(buffer, track, AviSensorReader::Family::Standard);
    track.setClipDataCount(quint32(count));
    return count;
}

// Ten "gsensor" records per second, each second closed by the position record RMC(second).
QByteArray qb62Recording(const QStringList &positions, int trailingSamples = 0)
{
    AviWriter avi;
    avi.beginList("movi");
    int n = 0;
    for (const QString &position : positions) {
        for (int k = 0; k < 10; ++k, ++n) {
            avi.chunk("00dc", QByteArray(33, '\x22')).textChunk(2, record(u"gsensor,%1,2,3"_s.arg(n)));
        }
        avi.textChunk(2, record(position));
    }
    for (int k = 0; k < trailingSamples; ++k) {
        avi.textChunk(2, record(u"gsensor,7,7,7"_s));
    }
    return avi.bytes();
}
} // namespace

TEST(NmeaTimeTest, ReadsTheUtcDateAndTimeOfAPositionRecord)
{
    EXPECT_EQ(NmeaTime::utcMsecs(u"081515.00", u"071226"), utc(u"2026-12-07T08:15:15.000Z"_s));
    EXPECT_EQ(NmeaTime::utcMsecs(u"235959.9", u"071226"), utc(u"2026-12-07T23:59:59.900Z"_s));
    EXPECT_EQ(NmeaTime::utcMsecs(u"000000", u"290224"), utc(u"2024-02-29T00:00:00.000Z"_s));
    // Finer than a millisecond is cut off, not rounded up into the next second.
    EXPECT_EQ(NmeaTime::utcMsecs(u"120000.999999", u"010125"), utc(u"2025-01-01T12:00:00.999Z"_s));
    // Two-digit years: 80..99 are the 1900s, 00..79 the 2000s.
    EXPECT_EQ(NmeaTime::utcMsecs(u"000000", u"010180"), utc(u"1980-01-01T00:00:00.000Z"_s));
    EXPECT_EQ(NmeaTime::utcMsecs(u"235959", u"311279"), utc(u"2079-12-31T23:59:59.000Z"_s));
}

TEST(NmeaTimeTest, AnythingButAWholeDateAndTimeGivesNoTime)
{
    const std::pair<QString, QString> bad[] = {
        {u""_s, u"071226"_s},        {u"081515"_s, u""_s},         {u"0815"_s, u"071226"_s},
        {u"081560"_s, u"071226"_s},  {u"246000"_s, u"071226"_s},   {u"08a515"_s, u"071226"_s},
        {u"081515."_s, u"071226"_s}, {u"081515.x"_s, u"071226"_s}, {u"-81515"_s, u"071226"_s},
        {u"081515"_s, u"320126"_s},  {u"081515"_s, u"071326"_s},   {u"081515"_s, u"290223"_s},
        {u"081515"_s, u"07122"_s},   {u"081515"_s, u"0712260"_s},  {u"081515"_s, u"000000"_s}};
    for (const auto &[time, date] : bad) {
        EXPECT_EQ(NmeaTime::utcMsecs(time, date), NmeaTime::kNoTime) << time.toStdString() << ' ' << date.toStdString();
    }
}

TEST(FixTimeTest, EachSampleOfASecondIsATenthLaterAndMidnightMovesTheDate)
{
    // The fix at 23:59:59.9 on 7 December: its second runs into 8 December.
    const QByteArray bytes =
        qb62Recording({rmc(u"GNRMC"_s, u"235959.90"_s, u"071226"_s), rmc(u"GPRMC"_s, u"000000.90"_s, u"081226"_s)}, 5);
    VexoClipData track;
    ASSERT_EQ(readRecording(bytes, track), 30);
    EXPECT_EQ(track.getFixTime(0), utc(u"2026-12-07T23:59:59.900Z"_s));
    EXPECT_EQ(track.getFixTime(1), utc(u"2026-12-08T00:00:00.000Z"_s));
    EXPECT_EQ(track.getFixTime(9), utc(u"2026-12-08T00:00:00.800Z"_s));
    EXPECT_EQ(track.getFixTime(10), utc(u"2026-12-08T00:00:00.900Z"_s));
    EXPECT_EQ(track.getFixTime(19), utc(u"2026-12-08T00:00:01.800Z"_s));
    // The samples after the last record carry its position but not its time: that second is over.
    for (int i = 20; i < 30; ++i) {
        EXPECT_EQ(track.getFixTime(i), NmeaTime::kNoTime) << i;
        EXPECT_EQ(track.getGpsLat(i), 37.390944f) << i;
    }
    EXPECT_EQ(track.getFixTime(30), NmeaTime::kNoTime);
    EXPECT_EQ(track.getFixTime(-1), NmeaTime::kNoTime);
}

TEST(FixTimeTest, TheTimesLeaveEveryTrackValueAsItWas)
{
    // The same recording with and without the date field: only the fix times differ.
    VexoClipData dated;
    VexoClipData undated;
    ASSERT_EQ(readRecording(qb62Recording({rmc(u"GNRMC"_s, u"081515.00"_s, u"071226"_s),
                                           rmc(u"GNRMC"_s, u"081516.00"_s, u"071226"_s)}),
                            dated),
              20);
    ASSERT_EQ(readRecording(qb62Recording({u"GNRMC,081515.00,A,3723.4567,N,12658.1234,E,10.0"_s,
                                           u"GNRMC,081516.00,A,3723.4567,N,12658.1234,E,10.0"_s}),
                            undated),
              20);
    EXPECT_EQ(dated.gpsDataCount(), undated.gpsDataCount());
    for (int i = 0; i < 20; ++i) {
        int a[3];
        int b[3];
        float lat[2];
        float lng[2];
        quint32 speed[2];
        dated.getClipDataWithIndex(i, &a[0], &a[1], &a[2], &lat[0], &lng[0], &speed[0]);
        undated.getClipDataWithIndex(i, &b[0], &b[1], &b[2], &lat[1], &lng[1], &speed[1]);
        EXPECT_EQ(a[0], b[0]);
        EXPECT_EQ(a[1], b[1]);
        EXPECT_EQ(a[2], b[2]);
        EXPECT_EQ(lat[0], lat[1]);
        EXPECT_EQ(lng[0], lng[1]);
        EXPECT_EQ(speed[0], speed[1]);
        EXPECT_EQ(undated.getFixTime(i), NmeaTime::kNoTime) << i;
    }
    EXPECT_EQ(dated.getFixTime(10), utc(u"2026-12-07T08:15:16.000Z"_s));
}

TEST(FixTimeTest, ARecordWithoutAFixGivesNoTime)
{
    // A receiver without a fix may still send a clock reading; it is not taken as the samples' time.
    VexoClipData track;
    ASSERT_EQ(readRecording(qb62Recording({rmc(u"GNRMC"_s, u"081515.00"_s, u"071226"_s, u"V"_s)}), track), 10);
    EXPECT_EQ(track.getFixTime(0), NmeaTime::kNoTime);
}

TEST(FixTimeTest, SubtitleEntriesAndOlderCamerasSentencesCarryTheirTimes)
{
    QList<SubtitleFileWriter::Entry> entries;
    for (int i = 0; i < 10; ++i) {
        QString text = u"gsensori,1,128,%1,0,0"_s.arg(i);
        if (i == 9) {
            text += u';' + rmc(u"GPRMC"_s, u"101010.50"_s, u"150326"_s);
        }
        entries.append({i * 100, i * 100 + 100, text});
    }
    SensorTestFiles files;
    VexoClipData track;
    track.loadVideoFileCilpDataFromFilePath(files.write(u"clip.srt"_s, SubtitleFileWriter::file(entries)));
    ASSERT_EQ(track.clipDataCount(), 10u);
    EXPECT_EQ(track.getFixTime(0), utc(u"2026-03-15T10:10:10.500Z"_s));
    EXPECT_EQ(track.getFixTime(5), utc(u"2026-03-15T10:10:11.000Z"_s));

    // "M" records, a second without a position ("T"), then a "$GPRMC" sentence.
    AviWriter avi;
    avi.beginList("movi");
    for (int second = 0; second < 2; ++second) {
        for (int k = 0; k < 10; ++k) {
            avi.textChunk(2, AviWriter::accelerationRecord(128, 128, 128));
        }
        avi.textChunk(2, second == 0 ? QByteArray("T") : rmc(u"$GPRMC"_s, u"060000"_s, u"010126"_s).toLatin1());
    }
    VexoClipData older;
    ASSERT_EQ(readAvi(avi.bytes(), older), 20);
    EXPECT_EQ(older.getFixTime(9), NmeaTime::kNoTime);
    EXPECT_EQ(older.getFixTime(10), utc(u"2026-01-01T06:00:00.000Z"_s));
    EXPECT_EQ(older.getFixTime(19), utc(u"2026-01-01T06:00:00.900Z"_s));
}

TEST(FixTimeTest, ReloadingTheTrackNeverKeepsAnEarlierRecordingsTimes)
{
    SensorTestFiles files;
    const QString dated = files.write(u"dated.avi"_s, qb62Recording({rmc(u"GNRMC"_s, u"081515"_s, u"071226"_s)}));
    QStringList lines;
    for (int i = 0; i < 10; ++i) {
        lines.append(TailBlockWriter::line(37.5, 127.0, 50, 1, 2, 3));
    }
    const QString tail =
        files.write(u"tail.avi"_s, TailBlockWriter::appended(QByteArray(64, 'v'), TailBlockWriter::block(lines)));
    VexoClipData track;
    track.loadVideoFileCilpDataFromFilePath(dated);
    ASSERT_EQ(track.getFixTime(0), utc(u"2026-12-07T08:15:15.000Z"_s));
    track.loadVideoFileCilpDataFromFilePath(tail);
    ASSERT_EQ(track.clipDataCount(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(track.getFixTime(i), NmeaTime::kNoTime) << i;
    }
    track.setFixTime(3, 1234);
    track.setSample(3, 0, 0, 0, 1.0f, 1.0f, 0);
    EXPECT_EQ(track.getFixTime(3), NmeaTime::kNoTime);
}

namespace {
class TrackExportTimesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Three samples: a fix, no fix, a fix.
        track.setSample(0, 1, 2, 3, 37.5f, 127.25f, 40);
        track.setSample(1, 1, 2, 3, 0.0f, 0.0f, 0);
        track.setSample(2, 1, 2, 3, 37.75f, 127.5f, 41);
        track.setClipDataCount(3);
    }

    static TrackTimes times(TrackTimes::Clock clock)
    {
        const qint64 start = utc(u"2026-12-07T23:59:59.900Z"_s);
        return TrackTimes(clock, {start, start + 100, start + 200}, start, u"from a test, with a comma"_s);
    }

    VexoClipData track;
};

} // namespace

TEST_F(TrackExportTimesTest, CsvRowsCarryTheTimeAndWhereItComesFrom)
{
    const QStringList rows = QString::fromUtf8(TrackExport::csv(track, {1, 3}, times(TrackTimes::Clock::Utc)))
                                 .split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0), u"index,time_s,gx,gy,gz,lat,lng,speed_kmh,time,time_note"_s);
    EXPECT_EQ(rows.at(1), u"1,0.1,1,2,3,0,0,0,2026-12-08T00:00:00.000Z,\"from a test, with a comma\""_s);
    EXPECT_EQ(rows.at(2), u"2,0.2,1,2,3,37.75,127.5,41,2026-12-08T00:00:00.100Z,\"from a test, with a comma\""_s);

    const QStringList local = QString::fromUtf8(TrackExport::csv(track, {0, 1}, times(TrackTimes::Clock::Local)))
                                  .split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(local.at(1).contains(u",2026-12-07T23:59:59.900,"_s)) << local.at(1).toStdString();
    const QStringList none = QString::fromUtf8(TrackExport::csv(track)).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(none.at(1).endsWith(u",40,,"_s)) << none.at(1).toStdString();
}

TEST_F(TrackExportTimesTest, GeoJsonNamesTheClockAndLeavesOutTimesItDoesNotHave)
{
    const auto properties = [this](const TrackTimes &t) {
        return QJsonDocument::fromJson(TrackExport::geoJson(track, u"t"_s, t))
            .object()
            .value(u"features"_s)
            .toArray()
            .at(0)
            .toObject()
            .value(u"properties"_s)
            .toObject();
    };
    // One time per point with a fix: sample 1 has none and no time in the list.
    const QJsonObject localRoute = properties(times(TrackTimes::Clock::Local));
    EXPECT_EQ(localRoute.value(u"times"_s).toArray(),
              (QJsonArray{u"2026-12-07T23:59:59.900"_s, u"2026-12-08T00:00:00.100"_s}));
    EXPECT_EQ(localRoute.value(u"end"_s).toString(), u"2026-12-08T00:00:00.100"_s);
    EXPECT_EQ(localRoute.value(u"clock"_s).toString(), u"local"_s);
    EXPECT_EQ(localRoute.value(u"time_note"_s).toString(), u"from a test, with a comma"_s);

    const QJsonObject noTimes = properties(TrackTimes());
    EXPECT_FALSE(noTimes.contains(u"times"_s));
    EXPECT_TRUE(noTimes.value(u"start"_s).isNull());
    EXPECT_EQ(noTimes.value(u"clock"_s).toString(), u"none"_s);
}

TEST(TrackTimesTest, APlayTimeTakesTheTimeOfItsSampleAndTheRestOfThePlayTime)
{
    const qint64 start = utc(u"2026-12-07T08:00:00.000Z"_s);
    // The second sample's fix came a second late: its own time counts, not the first's.
    const TrackTimes times(TrackTimes::Clock::Utc, {start, start + 1100, start + 1200}, start, {});
    EXPECT_EQ(times.msecsAtPlayTime(0.05), start + 50);
    EXPECT_EQ(times.msecsAtPlayTime(0.15), start + 1150);
    // Past the last sample, and before the first, from the nearest one.
    EXPECT_EQ(times.msecsAtPlayTime(10.0), start + 1200 + 9800);
    EXPECT_EQ(times.msecsAtPlayTime(-1.0), start - 1000);
    const TrackTimes empty(TrackTimes::Clock::Local, {}, start, {});
    EXPECT_EQ(empty.msecsAtPlayTime(30.0), start + 30000);
    EXPECT_EQ(empty.text(empty.msecsAtPlayTime(30.0)), u"2026-12-07T08:00:30.000"_s);
    EXPECT_EQ(TrackTimes().msecsAtPlayTime(1.0), NmeaTime::kNoTime);
    EXPECT_EQ(TrackTimes().text(start), QString());
}
