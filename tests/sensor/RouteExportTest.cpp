// The route formats read back: KML for one recording, and the several segments of a trip in GPX,
// KML and GeoJSON.
#include "sensor/TrackExport.h"
#include "sensor/TrackTimes.h"
#include "sensor/VexoClipData.h"
#include "support/GpxSchemaCheck.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString Kml = u"http://www.opengis.net/kml/2.2"_s;
const QString Gx = u"http://www.google.com/kml/ext/2.2"_s;

qint64 utc(const QString &iso)
{
    return QDateTime::fromString(iso, Qt::ISODateWithMs).toMSecsSinceEpoch();
}

// What a KML placemark holds, as read back.
struct Placemark
{
    QString name;
    QString description;
    QStringList when;
    QStringList coords;
    // "gx:Track", "LineString", "Point" or empty.
    QString geometry;
    QString coordinates;
};

struct KmlDocument
{
    QString documentName;
    int folders = 0;
    QList<Placemark> placemarks;
    QString error;
};

KmlDocument readKml(const QByteArray &bytes)
{
    KmlDocument result;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QStringView name = xml.name();
        const bool kml = xml.namespaceUri() == Kml;
        const bool gx = xml.namespaceUri() == Gx;
        if (kml && name == u"Folder") {
            ++result.folders;
        } else if (kml && name == u"Placemark") {
            result.placemarks.append(Placemark{});
        } else if (kml && name == u"name" && result.placemarks.isEmpty() && result.documentName.isEmpty()) {
            result.documentName = xml.readElementText();
        } else if (result.placemarks.isEmpty()) {
            continue;
        } else if (kml && name == u"name") {
            result.placemarks.last().name = xml.readElementText();
        } else if (kml && name == u"description") {
            result.placemarks.last().description = xml.readElementText();
        } else if (kml && name == u"when") {
            result.placemarks.last().when.append(xml.readElementText());
        } else if (gx && name == u"coord") {
            result.placemarks.last().coords.append(xml.readElementText());
        } else if (gx && name == u"Track") {
            result.placemarks.last().geometry = u"gx:Track"_s;
        } else if (kml && (name == u"LineString" || name == u"Point")) {
            result.placemarks.last().geometry = name.toString();
        } else if (kml && name == u"coordinates") {
            result.placemarks.last().coordinates = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        result.error = xml.errorString();
    }
    return result;
}

class RouteExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Four samples: a fix, no fix, two fixes; the last crosses midnight.
        track.setSample(0, 1, 2, 3, 37.5f, 127.25f, 40);
        track.setSample(1, 1, 2, 3, 0.0f, 0.0f, 0);
        track.setSample(2, 1, 2, 3, 37.75f, 127.5f, 41);
        track.setSample(3, 1, 2, 3, -33.875f, -70.625f, 42);
        track.setClipDataCount(4);
    }

    static TrackTimes times(TrackTimes::Clock clock)
    {
        const qint64 start = utc(u"2026-12-07T23:59:59.900Z"_s);
        return TrackTimes(clock, {start, start + 100, start + 200, start + 300}, start, u"note & <more>"_s);
    }

    VexoClipData track;
};
} // namespace

TEST_F(RouteExportTest, KmlOfOneRecordingCarriesEachFixWithItsUtcTime)
{
    const KmlDocument kml = readKml(TrackExport::kml(track, u"a.avi"_s, times(TrackTimes::Clock::Utc)));
    ASSERT_TRUE(kml.error.isEmpty()) << kml.error.toStdString();
    EXPECT_EQ(kml.documentName, u"a.avi"_s);
    EXPECT_EQ(kml.folders, 1);
    ASSERT_EQ(kml.placemarks.size(), 1);
    const Placemark &route = kml.placemarks.first();
    EXPECT_EQ(route.name, u"a.avi"_s);
    EXPECT_EQ(route.description, u"note & <more>"_s);
    EXPECT_EQ(route.geometry, u"gx:Track"_s);
    // Longitude first; the sample without a fix is left out, and its time with it.
    EXPECT_EQ(route.coords, (QStringList{u"127.25 37.5 0"_s, u"127.5 37.75 0"_s, u"-70.625 -33.875 0"_s}));
    EXPECT_EQ(route.when, (QStringList{u"2026-12-07T23:59:59.900Z"_s, u"2026-12-08T00:00:00.100Z"_s,
                                       u"2026-12-08T00:00:00.200Z"_s}));
}

TEST_F(RouteExportTest, KmlWritesNoTimeThatIsNotUtc)
{
    // The camera's local time has no offset to state: a plain line, no times.
    const KmlDocument local = readKml(TrackExport::kml(track, u"a.avi"_s, times(TrackTimes::Clock::Local)));
    ASSERT_EQ(local.placemarks.size(), 1);
    EXPECT_EQ(local.placemarks.first().geometry, u"LineString"_s);
    EXPECT_EQ(local.placemarks.first().coordinates, u"127.25,37.5 127.5,37.75 -70.625,-33.875"_s);
    EXPECT_TRUE(local.placemarks.first().when.isEmpty());

    // One fix without times is a point; no fix at all, a placemark without geometry.
    VexoClipData single;
    single.setSample(0, 0, 0, 0, 0.0f, 0.0f, 0);
    single.setSample(1, 0, 0, 0, 1.5f, -2.25f, 0);
    single.setClipDataCount(2);
    const KmlDocument point = readKml(TrackExport::kml(single, u"b"_s));
    ASSERT_EQ(point.placemarks.size(), 1);
    EXPECT_EQ(point.placemarks.first().geometry, u"Point"_s);
    EXPECT_EQ(point.placemarks.first().coordinates, u"-2.25,1.5"_s);
    single.setClipDataCount(1);
    const KmlDocument none = readKml(TrackExport::kml(single, u"c"_s));
    ASSERT_EQ(none.placemarks.size(), 1);
    EXPECT_TRUE(none.placemarks.first().geometry.isEmpty());
}

TEST_F(RouteExportTest, ATripsSegmentsKeepTheirOwnRecordingsTimesInEachFormat)
{
    // Two recordings: the first dated in UTC, the second on the camera's clock alone.
    const TrackExport::Segment first =
        TrackExport::segment(track, u"one.avi"_s, TrackExport::WholeTrack, times(TrackTimes::Clock::Utc));
    const TrackExport::Segment second =
        TrackExport::segment(track, u"two.avi"_s, TrackExport::Range{2, 4}, times(TrackTimes::Clock::Local));
    ASSERT_EQ(first.points.size(), 3);
    ASSERT_EQ(second.points.size(), 2);
    EXPECT_EQ(second.points.first().index, 2);

    const QByteArray gpx = TrackExport::gpx(u"Trip 1"_s, {first, second});
    EXPECT_EQ(gpxSchemaProblems(gpx), QStringList());
    QXmlStreamReader xml(gpx);
    QList<int> pointsPerSegment;
    int times = 0;
    int tracks = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        tracks += xml.name() == u"trk" ? 1 : 0;
        if (xml.name() == u"trkseg") {
            pointsPerSegment.append(0);
        } else if (xml.name() == u"trkpt") {
            ++pointsPerSegment.last();
        } else if (xml.name() == u"time") {
            ++times;
        }
    }
    EXPECT_EQ(tracks, 1);
    EXPECT_EQ(pointsPerSegment, (QList<int>{3, 2}));
    // Only the UTC segment's points are dated.
    EXPECT_EQ(times, 3);

    const KmlDocument kml = readKml(TrackExport::kml(u"Trip 1"_s, {first, second}));
    ASSERT_EQ(kml.placemarks.size(), 2);
    EXPECT_EQ(kml.folders, 1);
    EXPECT_EQ(kml.placemarks.at(0).geometry, u"gx:Track"_s);
    EXPECT_EQ(kml.placemarks.at(1).name, u"two.avi"_s);
    EXPECT_EQ(kml.placemarks.at(1).coordinates, u"127.5,37.75 -70.625,-33.875"_s);

    const QJsonArray features =
        QJsonDocument::fromJson(TrackExport::geoJson({first, second})).object().value(u"features"_s).toArray();
    ASSERT_EQ(features.size(), 2);
    const QJsonObject properties = features.at(1).toObject().value(u"properties"_s).toObject();
    EXPECT_EQ(properties.value(u"clock"_s).toString(), u"local"_s);
    EXPECT_EQ(properties.value(u"time_s"_s).toArray(), (QJsonArray{0.2, 0.3}));
    EXPECT_EQ(properties.value(u"times"_s).toArray(),
              (QJsonArray{u"2026-12-08T00:00:00.100"_s, u"2026-12-08T00:00:00.200"_s}));
}

TEST(GpxSchemaCheckTest, FindsWhatTheSchemaForbids)
{
    // The checker itself must be able to fail.
    const QByteArray outOfOrder = R"(<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="t">
        <trk><trkseg><trkpt lat="91" lon="180"><time>yesterday</time></trkpt></trkseg><name>late</name></trk>
        </gpx>)";
    const QStringList problems = gpxSchemaProblems(outOfOrder);
    EXPECT_EQ(problems.size(), 4) << problems.join(u'\n').toStdString();
    EXPECT_FALSE(gpxSchemaProblems(R"(<gpx version="1.1" creator="t"/>)").isEmpty());
    EXPECT_TRUE(gpxSchemaProblems(R"(<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="t">
        <trk><name>n</name><desc>d</desc><trkseg><trkpt lat="-90" lon="-180"><time>2026-12-07T08:15:00.100Z</time>
        </trkpt></trkseg><trkseg/></trk></gpx>)")
                    .isEmpty());
}
