#include "CliRun.h"

#include "cli/SensorOutput.h"
#include "sensor/AviWriter.h"
#include "sensor/SubtitleFileWriter.h"
#include "support/QtPrinters.h"
#include "support/TestSettings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
class SensorCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSettings::reset();
        QList<SubtitleFileWriter::Entry> entries;
        entries.append({100, 200, u"gsensori,1,1024,512,-256,1024;GPRMC,000000,A,3723.4567,N,12658.1234,E,10.0"_s});
        entries.append({1100, 1200, u"gsensor,1,2,3"_s});
        entries.append({2100, 2200, u"GPRMC,000000,A,3723.5567,S,12658.1234,W,20.0"_s});
        srtPath = write(u"clip.srt"_s, SubtitleFileWriter::file(entries));
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir;
    QString srtPath;
};

TEST(SensorOutputTest, FloatsReadBackExactly)
{
    EXPECT_EQ(SensorOutput::floatText(37.390945f), u"37.390945"_s);
    EXPECT_EQ(SensorOutput::floatText(512.0f), u"512"_s);
    for (const float value : {37.390945f, 126.968719f, -0.1f, 1e-30f, 3.4028235e38f, 0.0f, 16777217.0f, 48.1173f}) {
        const QJsonValue json = SensorOutput::floatJson(value);
        const QByteArray text = QJsonDocument(QJsonArray{json}).toJson(QJsonDocument::Compact);
        EXPECT_EQ(std::strtof(text.mid(1, text.size() - 2).constData(), nullptr), value) << text.constData();
    }
    EXPECT_TRUE(SensorOutput::floatJson(std::numeric_limits<float>::infinity()).isNull());
}

TEST_F(SensorCommandsTest, TrackPrintsEverySample)
{
    const CliRun result = run({u"track"_s, srtPath});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject json = result.json();
    EXPECT_EQ(json.value(u"clipDataCount"_s).toInt(), 20);
    EXPECT_EQ(json.value(u"gpsDataCount"_s).toInt(), 20);
    const QJsonArray samples = json.value(u"samples"_s).toArray();
    ASSERT_EQ(samples.size(), 20);
    const QJsonObject first = samples.at(0).toObject();
    EXPECT_EQ(first.value(u"gx"_s).toInt(), 64);
    EXPECT_EQ(first.value(u"gy"_s).toInt(), -31);
    EXPECT_EQ(float(first.value(u"lat"_s).toDouble()), 37.390944f);
    EXPECT_EQ(first.value(u"speed"_s).toInt(), 19);
    // The last sample was pending at the end and took the last (southern, western) fix.
    const QJsonObject last = samples.at(19).toObject();
    EXPECT_EQ(last.value(u"gz"_s).toInt(), 3);
    EXPECT_LT(last.value(u"lat"_s).toDouble(), -37.39);
    EXPECT_LT(last.value(u"lng"_s).toDouble(), -126.96);
    EXPECT_EQ(last.value(u"speed"_s).toInt(), 37);
}

TEST_F(SensorCommandsTest, TrackReadsKrvRecordingsOnRequest)
{
    AviWriter avi;
    avi.textChunk(2, AviWriter::krvAccelerationRecord(129, 128, 128)).textChunk(2, "$GPRMC,0,V");
    const QString path = write(u"Rec_1.avi"_s, avi.bytes());
    EXPECT_EQ(run({u"track"_s, u"--krv"_s, path}).json().value(u"samples"_s).toArray().at(0).toObject().value(u"gx"_s),
              QJsonValue(10));
    // Without --krv the standard readers see a different record.
    EXPECT_EQ(run({u"track"_s, path}).json().value(u"samples"_s).toArray().at(0).toObject().value(u"gx"_s),
              QJsonValue(-1));
}

TEST_F(SensorCommandsTest, SubtitleListsEntriesAndLookups)
{
    const CliRun result = run({u"subtitle"_s, srtPath, u"--sensor"_s, u"1"_s, u"--sensor"_s, u"2"_s, u"--gps"_s,
                               u"16"_s, u"--gps"_s, u"99"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject json = result.json();
    const QJsonArray entries = json.value(u"entries"_s).toArray();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries.at(0).toObject().value(u"gy"_s).toInt(), -32);
    EXPECT_EQ(float(entries.at(0).toObject().value(u"lng"_s).toDouble()), 126.968719f);
    EXPECT_EQ(entries.at(1).toObject().value(u"lat"_s).toDouble(), 512.0);
    const QJsonArray sensor = json.value(u"sensor"_s).toArray();
    EXPECT_TRUE(sensor.at(0).toObject().value(u"found"_s).toBool());
    EXPECT_EQ(sensor.at(0).toObject().value(u"z"_s).toInt(), 128);
    EXPECT_FALSE(sensor.at(1).toObject().value(u"found"_s).toBool());
    EXPECT_FALSE(sensor.at(1).toObject().contains(u"x"_s));
    const QJsonArray gps = json.value(u"gps"_s).toArray();
    EXPECT_EQ(gps.at(0).toObject().value(u"result"_s).toInt(), 1);
    EXPECT_EQ(gps.at(1).toObject().value(u"result"_s).toInt(), 2);
    EXPECT_FALSE(gps.at(1).toObject().contains(u"lat"_s));
}

TEST_F(SensorCommandsTest, ExportsTheRouteForOtherTools)
{
    const CliRun csv = run({u"export"_s, u"csv"_s, srtPath});
    ASSERT_EQ(csv.status, 0);
    const QStringList rows = csv.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 21);
    EXPECT_EQ(rows.at(0), u"index,time_s,gx,gy,gz,lat,lng,speed_kmh,time,time_note"_s);
    // Neither the records (no date) nor the file name say when: no time, and a note saying so.
    EXPECT_TRUE(rows.at(1).startsWith(u"0,0.0,64,-31,13,37.390945,126.96873,19,,no time"_s))
        << rows.at(1).toStdString();

    const CliRun gpx = run({u"export"_s, u"gpx"_s, srtPath});
    ASSERT_EQ(gpx.status, 0);
    QXmlStreamReader xml(gpx.out);
    int points = 0;
    QString lastTime;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"trkpt") {
            ++points;
            EXPECT_FALSE(xml.attributes().value(u"lat"_s).isEmpty());
        } else if (xml.tokenType() == QXmlStreamReader::StartElement && xml.name() == u"time") {
            lastTime = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(points, 20);
    EXPECT_EQ(lastTime, QString()) << "no time is better than a made-up one";

    const QString output = dir.filePath(u"route.geojson"_s);
    const CliRun geo = run({u"export"_s, u"geojson"_s, srtPath, u"-o"_s, output});
    ASSERT_EQ(geo.status, 0) << geo.err.toStdString();
    EXPECT_EQ(geo.json().value(u"points"_s).toInt(), 20);
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject feature =
        QJsonDocument::fromJson(file.readAll()).object().value(u"features"_s).toArray().at(0).toObject();
    const QJsonObject geometry = feature.value(u"geometry"_s).toObject();
    EXPECT_EQ(geometry.value(u"type"_s).toString(), u"LineString"_s);
    const QJsonArray first = geometry.value(u"coordinates"_s).toArray().at(0).toArray();
    EXPECT_EQ(float(first.at(0).toDouble()), 126.968728f);
    EXPECT_EQ(float(first.at(1).toDouble()), 37.390944f);
}

TEST_F(SensorCommandsTest, BadInputIsExplained)
{
    struct Case
    {
        QStringList arguments;
        int status;
    };
    const QList<Case> cases = {{{u"track"_s}, 2},
                               {{u"track"_s, srtPath, srtPath}, 2},
                               {{u"track"_s, dir.filePath(u"missing.avi"_s)}, 1},
                               {{u"track"_s, dir.path()}, 1},
                               {{u"subtitle"_s, srtPath, u"--gps"_s, u"x"_s}, 2},
                               {{u"subtitle"_s, dir.path()}, 1},
                               {{u"export"_s, u"shp"_s, srtPath}, 2},
                               {{u"export"_s, u"csv"_s}, 2},
                               {{u"export"_s, u"csv"_s, srtPath, u"-o"_s, srtPath}, 2},
                               {{u"export"_s, u"csv"_s, srtPath, u"-o"_s, dir.path()}, 2},
                               {{u"export"_s, u"csv"_s, srtPath, u"-o"_s, dir.filePath(u"no/such/folder.csv"_s)}, 1}};
    for (const Case &c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments.join(u' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
    // The recording is never overwritten.
    QFile srt(srtPath);
    ASSERT_TRUE(srt.open(QIODevice::ReadOnly));
    EXPECT_TRUE(srt.readAll().startsWith("1\n00:00:00,100"));
}
} // namespace
