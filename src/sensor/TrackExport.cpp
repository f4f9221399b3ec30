#include "TrackExport.h"

#include "FloatText.h"
#include "VexoClipData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QXmlStreamWriter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// One sample of either kind of track, read the same way.
int sampleCount(const VexoClipData &track)
{
    return int(track.clipDataCount());
}

int sampleCount(const GrowingTrack &track)
{
    return int(track.samples().size());
}

GrowingTrack::Sample sampleAt(const VexoClipData &track, int i)
{
    return {track.getGx(i),     track.getGy(i),       track.getGz(i),     track.getGpsLat(i),
            track.getGpsLng(i), track.getGpsSpeed(i), track.getFixTime(i)};
}

GrowingTrack::Sample sampleAt(const GrowingTrack &track, int i)
{
    return track.samples().at(i);
}

// The samples of RANGE that the track holds.
struct Bounds
{
    int first;
    int end;
};

template <typename Track> Bounds bounds(const Track &track, TrackExport::Range range)
{
    const int count = sampleCount(track);
    const int first = std::clamp(range.first, 0, count);
    return {first, std::clamp(range.end, first, count)};
}

QString offsetSeconds(int index)
{
    return QString::number(index / 10) + u'.' + QString::number(index % 10);
}

// A CSV field, quoted when it holds a separator, a quote or a line break.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

template <typename Track> int fixCountOf(const Track &track, TrackExport::Range range)
{
    const Bounds b = bounds(track, range);
    int count = 0;
    for (int i = b.first; i < b.end; ++i) {
        count += sampleAt(track, i).hasFix() ? 1 : 0;
    }
    return count;
}

template <typename Track> QByteArray csvOf(const Track &track, TrackExport::Range range, const TrackTimes &times)
{
    const Bounds b = bounds(track, range);
    const QString note = csvField(times.note());
    QString text = u"index,time_s,gx,gy,gz,lat,lng,speed_kmh,time,time_note\n"_s;
    for (int i = b.first; i < b.end; ++i) {
        const GrowingTrack::Sample sample = sampleAt(track, i);
        text += QString::number(i) + u',' + offsetSeconds(i) + u',' + QString::number(sample.gx) + u',' +
                QString::number(sample.gy) + u',' + QString::number(sample.gz) + u',' + FloatText::text(sample.lat) +
                u',' + FloatText::text(sample.lng) + u',' + QString::number(sample.speed) + u',' + times.sampleText(i) +
                u',' + note + u'\n';
    }
    return text.toUtf8();
}

template <typename Track>
TrackExport::Segment segmentOf(const Track &track, const QString &name, TrackExport::Range range,
                               const TrackTimes &times)
{
    const Bounds b = bounds(track, range);
    TrackExport::Segment result{name, qsizetype(sampleCount(track)), {}, times};
    for (int i = b.first; i < b.end; ++i) {
        if (const GrowingTrack::Sample sample = sampleAt(track, i); sample.hasFix()) {
            result.points.append(TrackExport::Point{i, sample.lat, sample.lng, sample.speed});
        }
    }
    return result;
}
} // namespace

bool TrackExport::hasFix(const VexoClipData &track, int i)
{
    return sampleAt(track, i).hasFix();
}

int TrackExport::fixCount(const VexoClipData &track, Range range)
{
    return fixCountOf(track, range);
}

int TrackExport::fixCount(const GrowingTrack &track, Range range)
{
    return fixCountOf(track, range);
}

QByteArray TrackExport::csv(const VexoClipData &track, Range range, const TrackTimes &times)
{
    return csvOf(track, range, times);
}

QByteArray TrackExport::csv(const GrowingTrack &track, Range range, const TrackTimes &times)
{
    return csvOf(track, range, times);
}

TrackExport::Segment TrackExport::segment(const VexoClipData &track, const QString &name, Range range,
                                          const TrackTimes &times)
{
    return segmentOf(track, name, range, times);
}

TrackExport::Segment TrackExport::segment(const GrowingTrack &track, const QString &name, Range range,
                                          const TrackTimes &times)
{
    return segmentOf(track, name, range, times);
}

QByteArray TrackExport::gpx(const VexoClipData &track, const QString &name, Range range, const TrackTimes &times)
{
    return gpx(name, QList<Segment>{segment(track, name, range, times)});
}

QByteArray TrackExport::geoJson(const VexoClipData &track, const QString &name, const TrackTimes &times)
{
    return geoJson(QList<Segment>{segment(track, name, WholeTrack, times)});
}

QByteArray TrackExport::kml(const VexoClipData &track, const QString &name, const TrackTimes &times)
{
    return kml(name, QList<Segment>{segment(track, name, WholeTrack, times)});
}

namespace {
// Whether every point of SEGMENT has a UTC time, which GPX and KML times must be.
bool hasUtcTimes(const TrackExport::Segment &segment)
{
    return segment.times.isUtc() && std::ranges::all_of(segment.points, [&segment](const TrackExport::Point &point) {
               return segment.times.msecs(point.index) != NmeaTime::kNoTime;
           });
}

// The notes of the segments' times, each once, in order.
QString timeNotes(const QList<TrackExport::Segment> &segments)
{
    QStringList notes;
    for (const TrackExport::Segment &segment : segments) {
        if (!segment.times.note().isEmpty() && !notes.contains(segment.times.note())) {
            notes.append(segment.times.note());
        }
    }
    return notes.join(u"; "_s);
}

QString kmlCoordinates(const TrackExport::Point &point)
{
    return FloatText::text(point.lng) + u',' + FloatText::text(point.lat);
}

void writeKmlGeometry(QXmlStreamWriter &xml, const TrackExport::Segment &segment)
{
    static const QString gx = u"http://www.google.com/kml/ext/2.2"_s;
    if (segment.points.isEmpty()) {
        return;
    }
    if (hasUtcTimes(segment)) {
        xml.writeStartElement(gx, u"Track"_s);
        for (const TrackExport::Point &point : segment.points) {
            xml.writeTextElement(u"when"_s, segment.times.sampleText(point.index));
        }
        for (const TrackExport::Point &point : segment.points) {
            xml.writeTextElement(gx, u"coord"_s,
                                 FloatText::text(point.lng) + u' ' + FloatText::text(point.lat) + u" 0"_s);
        }
        xml.writeEndElement();
        return;
    }
    if (segment.points.size() == 1) {
        xml.writeStartElement(u"Point"_s);
        xml.writeTextElement(u"coordinates"_s, kmlCoordinates(segment.points.constFirst()));
        xml.writeEndElement();
        return;
    }
    QStringList coordinates;
    for (const TrackExport::Point &point : segment.points) {
        coordinates.append(kmlCoordinates(point));
    }
    xml.writeStartElement(u"LineString"_s);
    xml.writeTextElement(u"coordinates"_s, coordinates.join(u' '));
    xml.writeEndElement();
}

QJsonObject geoJsonFeature(const TrackExport::Segment &segment)
{
    QJsonArray coordinates;
    QJsonArray playTimes;
    QJsonArray clockTimes;
    QJsonArray speeds;
    QJsonValue start = QJsonValue::Null;
    QJsonValue end = QJsonValue::Null;
    for (const TrackExport::Point &point : segment.points) {
        coordinates.append(QJsonArray{FloatText::json(point.lng), FloatText::json(point.lat)});
        playTimes.append(double(point.index) / 10.0);
        const QString time = segment.times.sampleText(point.index);
        clockTimes.append(time.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(time));
        if (start.isNull()) {
            start = clockTimes.last();
        }
        end = clockTimes.last();
        speeds.append(qint64(point.speed));
    }
    QJsonValue geometry = QJsonValue::Null;
    if (coordinates.size() >= 2) {
        geometry = QJsonObject{{u"type"_s, u"LineString"_s}, {u"coordinates"_s, coordinates}};
    } else if (coordinates.size() == 1) {
        geometry = QJsonObject{{u"type"_s, u"Point"_s}, {u"coordinates"_s, coordinates.first()}};
    }
    const TrackTimes &times = segment.times;
    QJsonObject properties{{u"name"_s, segment.name},
                           {u"samples"_s, qint64(segment.samples)},
                           {u"time_s"_s, playTimes},
                           {u"speed_kmh"_s, speeds},
                           {u"clock"_s, times.clockName()},
                           {u"time_note"_s, times.note()},
                           {u"start"_s, start},
                           {u"end"_s, end}};
    if (times.clock() != TrackTimes::Clock::None) {
        properties.insert(u"times"_s, clockTimes);
    }
    return QJsonObject{{u"type"_s, u"Feature"_s}, {u"geometry"_s, geometry}, {u"properties"_s, properties}};
}
} // namespace

QByteArray TrackExport::gpx(const QString &name, const QList<Segment> &segments)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(u"gpx"_s);
    xml.writeDefaultNamespace(u"http://www.topografix.com/GPX/1/1"_s);
    xml.writeAttribute(u"version"_s, u"1.1"_s);
    xml.writeAttribute(u"creator"_s, u"Velmora"_s);
    xml.writeStartElement(u"trk"_s);
    xml.writeTextElement(u"name"_s, name);
    if (const QString notes = timeNotes(segments); !notes.isEmpty()) {
        xml.writeTextElement(u"desc"_s, notes);
    }
    for (const Segment &segment : segments) {
        xml.writeStartElement(u"trkseg"_s);
        for (const Point &point : segment.points) {
            xml.writeStartElement(u"trkpt"_s);
            xml.writeAttribute(u"lat"_s, FloatText::text(point.lat));
            xml.writeAttribute(u"lon"_s, FloatText::text(point.lng));
            if (segment.times.isUtc() && segment.times.msecs(point.index) != NmeaTime::kNoTime) {
                xml.writeTextElement(u"time"_s, segment.times.sampleText(point.index));
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

QByteArray TrackExport::kml(const QString &name, const QList<Segment> &segments)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(u"kml"_s);
    xml.writeDefaultNamespace(u"http://www.opengis.net/kml/2.2"_s);
    xml.writeNamespace(u"http://www.google.com/kml/ext/2.2"_s, u"gx"_s);
    xml.writeStartElement(u"Document"_s);
    xml.writeTextElement(u"name"_s, name);
    xml.writeStartElement(u"Folder"_s);
    xml.writeTextElement(u"name"_s, name);
    for (const Segment &segment : segments) {
        xml.writeStartElement(u"Placemark"_s);
        xml.writeTextElement(u"name"_s, segment.name);
        if (!segment.times.note().isEmpty()) {
            xml.writeTextElement(u"description"_s, segment.times.note());
        }
        writeKmlGeometry(xml, segment);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

QByteArray TrackExport::geoJson(const QList<Segment> &segments)
{
    QJsonArray features;
    for (const Segment &segment : segments) {
        features.append(geoJsonFeature(segment));
    }
    const QJsonObject collection{{u"type"_s, u"FeatureCollection"_s}, {u"features"_s, features}};
    return QJsonDocument(collection).toJson(QJsonDocument::Compact);
}
