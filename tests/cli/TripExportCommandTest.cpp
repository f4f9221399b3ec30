// velmora-cli export --trip on the demo card: a segment per recording, each dated as the
// recording's own export dates it; GPX that keeps the schema's rules and that gpsbabel reads; KML
// read back; a trip the card does not have refused.
#include "CliRun.h"

#include "support/GpxSchemaCheck.h"
#include "support/LongDrive.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/TestSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
using TestFiles::readAll;

// The texts of every element named NAME, grouped by the enclosing element named GROUP.
QList<QStringList> grouped(const QByteArray &document, QStringView group, QStringView name)
{
    QList<QStringList> groups;
    QXmlStreamReader xml(document);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == group) {
            groups.append(QStringList());
        } else if (xml.name() == name && !groups.isEmpty()) {
            groups.last().append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return groups;
}

class TripExportCommandTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        generated = std::make_unique<CliRun>(run({u"democard"_s, card()}));
    }
    static void TearDownTestSuite()
    {
        generated.reset();
        folder.reset();
    }
    void SetUp() override
    {
        TestSettings::reset();
        ASSERT_EQ(generated->status, 0) << generated->err.toStdString();
    }

    static QString card() { return folder->filePath(u"card"_s); }
    static QString output(const QString &name) { return folder->filePath(name); }

    // The paths of the first trip's recordings, as "trips" lists them.
    static QStringList tripRecordings()
    {
        const CliRun trips = run({u"trips"_s, card()});
        EXPECT_EQ(trips.status, 0) << trips.err.toStdString();
        QStringList paths;
        const QJsonObject trip = trips.json().value(u"trips"_s).toArray().at(0).toObject();
        for (const auto &recording : trip.value(u"recordings"_s).toArray()) {
            paths.append(recording.toObject().value(u"path"_s).toString());
        }
        return paths;
    }
    // What each recording's fixes are dated: as its own GPX export dates them (an MP4's from its
    // own subtitle samples, an AVI's from its sensor chunks).
    static QList<QStringList> ownTimes(const QStringList &recordings)
    {
        QList<QStringList> times;
        for (const QString &path : recordings) {
            const CliRun single = run({u"export"_s, u"gpx"_s, path});
            EXPECT_EQ(single.status, 0) << single.err.toStdString();
            times.append(grouped(single.out.toUtf8(), u"trkseg", u"time").value(0));
        }
        return times;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline std::unique_ptr<CliRun> generated;
};
} // namespace

TEST_F(TripExportCommandTest, EachRecordingIsASegmentDatedAsItsOwnExportDatesIt)
{
    const QStringList recordings = tripRecordings();
    ASSERT_EQ(recordings.size(), 5);
    const QList<QStringList> expected = ownTimes(recordings);
    ASSERT_EQ(expected.size(), 5);
    QStringList names;
    for (const QString &path : recordings) {
        names.append(QFileInfo(path).fileName());
        EXPECT_EQ(expected.at(names.size() - 1).size(), 150) << path.toStdString();
    }

    const QString gpx = output(u"trip.gpx"_s);
    const CliRun written = run({u"export"_s, u"gpx"_s, u"--trip"_s, u"1"_s, card(), u"-o"_s, gpx});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    EXPECT_EQ(written.json().value(u"segments"_s).toInt(), 5);
    EXPECT_EQ(written.json().value(u"trip"_s).toInt(), 1);
    const QByteArray document = readAll(gpx);
    EXPECT_EQ(gpxSchemaProblems(document), QStringList());
    // One track, named after the trip.
    EXPECT_EQ(grouped(document, u"trk", u"name"), QList<QStringList>{QStringList{u"Trip 1 (2026-12-07 08:15)"_s}});
    EXPECT_EQ(grouped(document, u"trkseg", u"time"), expected);

    // The same trip in KML: a placemark per recording, its times and as many coordinates.
    const QString kml = output(u"trip.kml"_s);
    ASSERT_EQ(run({u"export"_s, u"kml"_s, u"--trip"_s, u"1"_s, card(), u"-o"_s, kml}).status, 0);
    const QByteArray kmlDocument = readAll(kml);
    EXPECT_EQ(grouped(kmlDocument, u"Placemark", u"when"), expected);
    QList<QStringList> placemarkNames = grouped(kmlDocument, u"Placemark", u"name");
    QStringList kmlNames;
    for (const QStringList &placemark : placemarkNames) {
        kmlNames.append(placemark.value(0));
    }
    EXPECT_EQ(kmlNames, names);
    const QList<QStringList> coords = grouped(kmlDocument, u"Placemark", u"coord");
    ASSERT_EQ(coords.size(), 5);
    for (qsizetype i = 0; i < coords.size(); ++i) {
        EXPECT_EQ(coords.at(i).size(), expected.at(i).size()) << i;
    }

    // And in GeoJSON: a feature per recording with the same times.
    const QJsonArray features =
        QJsonDocument::fromJson(run({u"export"_s, u"geojson"_s, u"--trip"_s, u"1"_s, card()}).out.toUtf8())
            .object()
            .value(u"features"_s)
            .toArray();
    ASSERT_EQ(features.size(), 5);
    EXPECT_EQ(features.at(2).toObject().value(u"properties"_s).toObject().value(u"times"_s).toArray().at(0).toString(),
              expected.at(2).at(0));
}

TEST_F(TripExportCommandTest, GpsbabelReadsEveryPointOfTheTrip)
{
    const QString gpsbabel = QStandardPaths::findExecutable(u"gpsbabel"_s);
    ASSERT_FALSE(gpsbabel.isEmpty()) << "gpsbabel is part of scripts/setup";
    const QString gpx = output(u"babel.gpx"_s);
    const CliRun written = run({u"export"_s, u"gpx"_s, u"--trip"_s, u"1"_s, card(), u"-o"_s, gpx});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    const QString csv = gpx + u".csv"_s;
    QProcess process;
    process.start(gpsbabel, {u"-t"_s, u"-i"_s, u"gpx"_s, u"-f"_s, gpx, u"-o"_s, u"unicsv,utc=0"_s, u"-F"_s, csv});
    ASSERT_TRUE(process.waitForFinished(60000)) << "gpsbabel did not finish";
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QStringList rows = QString::fromUtf8(readAll(csv)).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(rows.size() - 1, written.json().value(u"points"_s).toInt());
    EXPECT_GT(rows.size(), 100);
}

// The GPX 1.1 schema itself (scripts/setup takes it out of a Debian package) judges the trip's
// export and a single recording's; a point off the earth shows the check is real.
TEST_F(TripExportCommandTest, TheGpxExportsAreValidAgainstTheGpxSchema)
{
    const QString schema = QStringLiteral(VELMORA_GPX_SCHEMA);
    ASSERT_TRUE(QFileInfo(schema).size() > 0) << "scripts/setup fetches " << schema.toStdString();
    const QString xmllint = QStandardPaths::findExecutable(u"xmllint"_s);
    ASSERT_FALSE(xmllint.isEmpty()) << "xmllint is part of scripts/setup";
    auto validate = [&](const QString &document) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(xmllint, {u"--noout"_s, u"--nonet"_s, u"--schema"_s, schema, document});
        EXPECT_TRUE(process.waitForFinished(60000)) << "xmllint did not finish";
        return std::make_pair(process.exitCode(), QString::fromUtf8(process.readAll()));
    };

    const QString trip = output(u"schema-trip.gpx"_s);
    ASSERT_EQ(run({u"export"_s, u"gpx"_s, u"--trip"_s, u"1"_s, card(), u"-o"_s, trip}).status, 0);
    const QString single = output(u"schema-single.gpx"_s);
    const QStringList avis = tripRecordings().filter(u".avi"_s, Qt::CaseInsensitive);
    ASSERT_FALSE(avis.isEmpty());
    ASSERT_EQ(run({u"export"_s, u"gpx"_s, avis.at(0), u"-o"_s, single}).status, 0);
    for (const QString &document : {trip, single}) {
        const auto [status, said] = validate(document);
        EXPECT_EQ(status, 0) << said.toStdString();
        EXPECT_TRUE(readAll(document).contains("<trkpt")) << document.toStdString();
    }

    QByteArray offTheEarth = readAll(trip);
    const qsizetype lat = offTheEarth.indexOf("lat=\"");
    ASSERT_GE(lat, 0);
    offTheEarth.insert(lat + 5, "9");
    const QString broken = output(u"schema-broken.gpx"_s);
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(offTheEarth) == offTheEarth.size());
    file.close();
    const auto [status, said] = validate(broken);
    EXPECT_NE(status, 0) << said.toStdString();
    EXPECT_TRUE(said.contains(u"lat"_s)) << said.toStdString();
}

// A single recording's export holds every sample, past the 65 s the player keeps, and an MP4's
// track comes from its own subtitle samples, with nothing converted first.
TEST_F(TripExportCommandTest, ASingleRecordingsExportIsWholeForAnAviAndAnMp4)
{
    const QString longFolder = output(u"long"_s);
    ASSERT_TRUE(QDir().mkpath(longFolder));
    const QList<std::pair<QString, QByteArray>> recordings{{u"20261207_080000_F.avi"_s, LongDrive::avi()},
                                                           {u"20261207_080400_F.mp4"_s, LongDrive::mp4(240)}};
    // The last second of each: 37°10' + 1.79' for the AVI's drive, + 4.19' for the MP4's.
    const QList<QByteArray> lastLatitudes{"lat=\"37.1965", "lat=\"37.2365"};
    for (qsizetype r = 0; r < recordings.size(); ++r) {
        const QString path = longFolder + u'/' + recordings[r].first;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(recordings[r].second) == recordings[r].second.size());
        file.close();
        SCOPED_TRACE(path.toStdString());

        const CliRun csv = run({u"export"_s, u"csv"_s, path});
        ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
        const QStringList rows = csv.out.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 1 + 1800);
        EXPECT_TRUE(rows.last().startsWith(u"1799,179.9,"_s)) << rows.last().toStdString();

        const QString gpx = output(u"long.gpx"_s);
        const CliRun route = run({u"export"_s, u"gpx"_s, path, u"-o"_s, gpx});
        ASSERT_EQ(route.status, 0) << route.err.toStdString();
        EXPECT_EQ(route.json().value(u"samples"_s).toInt(), 1800);
        EXPECT_EQ(route.json().value(u"points"_s).toInt(), 1800);
        const QList<QStringList> times = grouped(readAll(gpx), u"trkseg", u"time");
        ASSERT_EQ(times.size(), 1);
        ASSERT_EQ(times[0].size(), 1800);
        EXPECT_EQ(times[0].last(), r == 0 ? u"2026-12-07T08:02:59.900Z"_s : u"2026-12-07T08:06:59.900Z"_s);
        EXPECT_TRUE(readAll(gpx).contains(lastLatitudes[r])) << lastLatitudes[r].toStdString();
    }
}

TEST_F(TripExportCommandTest, ATripTheCardDoesNotHaveIsRefusedAndNothingWritten)
{
    const QString target = output(u"none.gpx"_s);
    const CliRun missing = run({u"export"_s, u"gpx"_s, u"--trip"_s, u"2"_s, card(), u"-o"_s, target});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(u"has no trip 2"_s)) << missing.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));
    for (const QStringList &arguments :
         {QStringList{u"gpx"_s, u"--trip"_s, u"0"_s, card()}, QStringList{u"kml"_s, u"--trip"_s, u"one"_s, card()},
          QStringList{u"csv"_s, u"--trip"_s, u"1"_s, card()}}) {
        const CliRun refused = run(QStringList{u"export"_s} + arguments);
        EXPECT_EQ(refused.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(refused.err.isEmpty());
    }
    EXPECT_EQ(run({u"export"_s, u"gpx"_s, u"--trip"_s, u"1"_s, output(u"no-such-card"_s)}).status, 1);

    // A recording of the card named as the output stays as it was.
    const QString recording = tripRecordings().value(1);
    const QByteArray before = readAll(recording);
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(run({u"export"_s, u"gpx"_s, u"--trip"_s, u"1"_s, card(), u"-o"_s, recording}).status, 2);
    EXPECT_EQ(readAll(recording), before);
}

TEST_F(TripExportCommandTest, OneRecordingsKmlHasItsGpxTimes)
{
    const QString recording = tripRecordings().value(1);
    const CliRun gpx = run({u"export"_s, u"gpx"_s, recording});
    const CliRun kml = run({u"export"_s, u"kml"_s, recording});
    ASSERT_EQ(kml.status, 0) << kml.err.toStdString();
    const QList<QStringList> when = grouped(kml.out.toUtf8(), u"Placemark", u"when");
    ASSERT_EQ(when.size(), 1);
    EXPECT_FALSE(when.first().isEmpty());
    EXPECT_EQ(when, grouped(gpx.out.toUtf8(), u"trkseg", u"time"));
}
