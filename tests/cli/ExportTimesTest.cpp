// The times the exports write, on the demo cards' recordings: a GPS fix's own time, the file
// name's start in the card's zone (a QB62 record card, a QF27 INI card), the camera's local time
// when no card says its zone; read back by a real consumer (gpsbabel) and a JSON parser.
#include "CliRun.h"

#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
constexpr auto EventAvi = "evt_rec/20261207_081600_EVT.avi";
constexpr auto MotionAvi = "motion_rec/20261207_081400_MOT.avi";
constexpr auto TailAvi = "manual_rec/20261207_081800_MAN.avi";

using TestFiles::readAll;

QStringList gpxTimes(const QByteArray &gpx)
{
    QXmlStreamReader xml(gpx);
    QStringList times;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"time") {
            times.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return times;
}

// The CSV's "time" column, by its header.
QStringList csvTimes(const QString &csv)
{
    const QStringList rows = csv.split(u'\n', Qt::SkipEmptyParts);
    const qsizetype column = rows.value(0).split(u',').indexOf(u"time"_s);
    EXPECT_GE(column, 0) << rows.value(0).toStdString();
    QStringList times;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        times.append(rows.at(i).split(u',').value(column));
    }
    return times;
}

class ExportTimesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        qb62 = std::make_unique<CliRun>(run({u"democard"_s, folder->filePath(u"qb62"_s)}));
        qf27 = std::make_unique<CliRun>(run({u"democard"_s, folder->filePath(u"qf27"_s), u"--camera"_s, u"QF27"_s}));
    }
    static void TearDownTestSuite()
    {
        qb62.reset();
        qf27.reset();
        folder.reset();
    }
    void SetUp() override
    {
        TestSettings::reset();
        ASSERT_EQ(qb62->status, 0) << qb62->err.toStdString();
        ASSERT_EQ(qf27->status, 0) << qf27->err.toStdString();
    }

    static QString onCard(const QString &card, const char *relative)
    {
        return QDir(folder->filePath(card)).filePath(QString::fromLatin1(relative));
    }
    static QString exported(const QStringList &arguments)
    {
        const CliRun ran = run(QStringList{u"export"_s} + arguments);
        EXPECT_EQ(ran.status, 0) << ran.err.toStdString();
        return ran.out;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline std::unique_ptr<CliRun> qb62;
    static inline std::unique_ptr<CliRun> qf27;
};
} // namespace

TEST_F(ExportTimesTest, GpsFixesDateEveryPointInUtc)
{
    // The event recording's drive starts at its second 75, 08:15:15 UTC on 7 December 2026, one fix a
    // second; the file name's 08:16:00 plays no part.
    const QStringList times = gpxTimes(exported({u"gpx"_s, onCard(u"qb62"_s, EventAvi)}).toUtf8());
    ASSERT_EQ(times.size(), 150);
    EXPECT_EQ(times.first(), u"2026-12-07T08:15:15.000Z"_s);
    EXPECT_EQ(times.at(1), u"2026-12-07T08:15:15.100Z"_s);
    EXPECT_EQ(times.last(), u"2026-12-07T08:15:29.900Z"_s);

    // The older camera has no fix for its first five seconds: they count back from the first fix
    // (08:14:05), and the route (fixes only) starts at it.
    const QString motion = onCard(u"qb62"_s, MotionAvi);
    const QStringList rows = csvTimes(exported({u"csv"_s, motion}));
    ASSERT_EQ(rows.size(), 150);
    EXPECT_EQ(rows.first(), u"2026-12-07T08:14:00.000Z"_s);
    EXPECT_EQ(rows.at(50), u"2026-12-07T08:14:05.000Z"_s);
    EXPECT_EQ(gpxTimes(exported({u"gpx"_s, motion}).toUtf8()).value(0), u"2026-12-07T08:14:05.000Z"_s);
}

TEST_F(ExportTimesTest, WithoutFixTimesTheFileNameCountsInTheCardsZone)
{
    // The QF27 card's camera runs at UTC+09:30: 08:18:00 on its clock is 22:48 UTC the day before.
    const QString qf27Tail = onCard(u"qf27"_s, TailAvi);
    const QStringList east = gpxTimes(exported({u"gpx"_s, qf27Tail}).toUtf8());
    ASSERT_EQ(east.size(), 150);
    EXPECT_EQ(east.first(), u"2026-12-06T22:48:00.000Z"_s);
    EXPECT_EQ(east.last(), u"2026-12-06T22:48:14.900Z"_s);

    // The QB62 card's factory zone: Pacific time with daylight saving, which in December is
    // UTC-08:00.
    if (!QTimeZone(QByteArrayLiteral("America/Los_Angeles")).isValid()) {
        GTEST_SKIP() << "this system has no time-zone data for America/Los_Angeles";
    }
    const QStringList west = csvTimes(exported({u"csv"_s, onCard(u"qb62"_s, TailAvi)}));
    ASSERT_EQ(west.size(), 150);
    EXPECT_EQ(west.first(), u"2026-12-07T16:18:00.000Z"_s);
    EXPECT_EQ(west.at(149), u"2026-12-07T16:18:14.900Z"_s);
    // The card can be named too: the QF27 card's zone for the same recording.
    EXPECT_EQ(
        csvTimes(exported({u"csv"_s, onCard(u"qb62"_s, TailAvi), u"--card"_s, folder->filePath(u"qf27"_s)})).first(),
        u"2026-12-06T22:48:00.000Z"_s);
}

TEST_F(ExportTimesTest, WithoutAZoneTheCamerasClockIsLocalTimeAndGpxStatesNone)
{
    QTemporaryDir loose;
    const QString copy = loose.filePath(u"20261207_081800_MAN.avi"_s);
    ASSERT_TRUE(QFile::copy(onCard(u"qb62"_s, TailAvi), copy));
    const QStringList rows = csvTimes(exported({u"csv"_s, copy}));
    ASSERT_EQ(rows.size(), 150);
    EXPECT_EQ(rows.first(), u"2026-12-07T08:18:00.000"_s) << "no offset: the zone is unknown";
    const QByteArray gpx = exported({u"gpx"_s, copy}).toUtf8();
    EXPECT_EQ(gpx.count("<trkpt "), 150);
    EXPECT_TRUE(gpxTimes(gpx).isEmpty());
    EXPECT_TRUE(gpx.contains("the card states no time zone")) << gpx.constData();

    const QString output = loose.filePath(u"route.geojson"_s);
    const CliRun ran = run({u"export"_s, u"geojson"_s, copy, u"-o"_s, output});
    ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    EXPECT_EQ(ran.json().value(u"clock"_s).toString(), u"local"_s);
    const QJsonObject properties =
        QJsonDocument::fromJson(readAll(output)).object()[u"features"_s][0][u"properties"_s].toObject();
    EXPECT_EQ(properties.value(u"start"_s).toString(), u"2026-12-07T08:18:00.000"_s);
    EXPECT_EQ(properties.value(u"end"_s).toString(), u"2026-12-07T08:18:14.900"_s);
    EXPECT_EQ(properties.value(u"clock"_s).toString(), u"local"_s);
}

TEST_F(ExportTimesTest, GeoJsonCarriesATimeForEveryCoordinate)
{
    const QString output = folder->filePath(u"event.geojson"_s);
    const CliRun ran = run({u"export"_s, u"geojson"_s, onCard(u"qb62"_s, EventAvi), u"-o"_s, output});
    ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(readAll(output), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject feature = document.object()[u"features"_s][0].toObject();
    const QJsonArray coordinates = feature[u"geometry"_s][u"coordinates"_s].toArray();
    const QJsonArray times = feature[u"properties"_s][u"times"_s].toArray();
    ASSERT_EQ(times.size(), coordinates.size());
    ASSERT_EQ(times.size(), 150);
    // Every time reads as an ISO 8601 UTC time, a tenth of a second after the one before.
    QDateTime previous;
    for (const QJsonValue &time : times) {
        const QDateTime parsed = QDateTime::fromString(time.toString(), Qt::ISODateWithMs);
        ASSERT_TRUE(parsed.isValid()) << time.toString().toStdString();
        EXPECT_EQ(parsed.timeSpec(), Qt::UTC);
        if (previous.isValid()) {
            EXPECT_EQ(previous.msecsTo(parsed), 100) << time.toString().toStdString();
        }
        previous = parsed;
    }
    EXPECT_EQ(feature[u"properties"_s][u"start"_s].toString(), u"2026-12-07T08:15:15.000Z"_s);
    EXPECT_EQ(feature[u"properties"_s][u"end"_s].toString(), u"2026-12-07T08:15:29.900Z"_s);
}

TEST_F(ExportTimesTest, GpsbabelReadsTheSameTimesFromOurGpx)
{
    const QString gpsbabel = QStandardPaths::findExecutable(u"gpsbabel"_s);
    ASSERT_FALSE(gpsbabel.isEmpty()) << "gpsbabel is part of scripts/setup";
    for (const char *recording : {EventAvi, TailAvi}) {
        SCOPED_TRACE(recording);
        const QString gpx = folder->filePath(QFileInfo(QString::fromLatin1(recording)).baseName() + u".gpx"_s);
        ASSERT_EQ(run({u"export"_s, u"gpx"_s, onCard(u"qf27"_s, recording), u"-o"_s, gpx}).status, 0);
        const QString csv = gpx + u".csv"_s;
        QProcess process;
        process.start(gpsbabel, {u"-t"_s, u"-i"_s, u"gpx"_s, u"-f"_s, gpx, u"-o"_s, u"unicsv,utc=0"_s, u"-F"_s, csv});
        ASSERT_TRUE(process.waitForFinished(60000)) << "gpsbabel did not finish";
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        // "No,Latitude,Longitude,Date,Time" with "2026/12/07" and "08:15:15.000".
        const QStringList rows = QString::fromUtf8(readAll(csv)).split(u'\n', Qt::SkipEmptyParts);
        const QStringList header = rows.value(0).trimmed().split(u',');
        const qsizetype date = header.indexOf(u"Date"_s);
        const qsizetype time = header.indexOf(u"Time"_s);
        ASSERT_GE(date, 0) << rows.value(0).toStdString();
        ASSERT_GE(time, 0) << rows.value(0).toStdString();
        // Compared as instants: gpsbabel leaves out a fraction of .000.
        QList<qint64> read;
        for (qsizetype i = 1; i < rows.size(); ++i) {
            const QStringList fields = rows.at(i).trimmed().split(u',');
            const QString iso = fields.value(date).replace(u'/', u'-') + u'T' + fields.value(time) + u'Z';
            read.append(QDateTime::fromString(iso, Qt::ISODateWithMs).toMSecsSinceEpoch());
        }
        QList<qint64> written;
        for (const QString &iso : gpxTimes(readAll(gpx))) {
            written.append(QDateTime::fromString(iso, Qt::ISODateWithMs).toMSecsSinceEpoch());
        }
        EXPECT_EQ(read, written);
        EXPECT_EQ(read.size(), 150);
    }
}
